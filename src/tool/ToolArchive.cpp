#include "tool/ToolArchive.h"

#include <cstdio>
#include <filesystem>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont::tool {

std::string Arg(const std::string& utf8) { return Utf8ToCp1251(utf8); }

bool OpenArchiveArg(const std::string& utf8_path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(utf8_path), ec);
  if (ec) p = utf8_path;
  const std::string path = Arg(p.lexically_normal().string());
  SetProgramDir(ExtractFilePath(path));
  return OpenPack(path);
}

void Complain(const std::string& utf8_text) { std::fprintf(stderr, "remont-tool: %s\n", utf8_text.c_str()); }

}  // namespace remont::tool
