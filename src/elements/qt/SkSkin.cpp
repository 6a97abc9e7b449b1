#include "elements/qt/SkSkin.h"

#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"

namespace remont {

bool TSkSkin::AddSkin(const std::string& path) {
  if (path.empty() || FindSkin(path)) return false;
  AExEngine e;
  e.file_name = ExtractFileName(path);
  e.path = path;
  // A theme that cannot be read is still registered, so a second AddSkin of
  // that file name is refused as well.
  if (auto bytes = ReadLooseFile(path)) e.style_sheet = QString::fromUtf8(bytes->data(), static_cast<int>(bytes->size()));
  entries_.push_back(std::move(e));
  return true;
}

const TSkSkin::AExEngine* TSkSkin::FindSkin(const std::string& path) const {
  const std::string name = ExtractFileName(path);
  for (const auto& e : entries_)
    if (SameText(e.file_name, name)) return &e;
  return nullptr;
}

}  // namespace remont
