// remont-tool extract: every entry of an archive as a file below a folder.
#include <sys/stat.h>

#include <filesystem>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {
namespace fs = std::filesystem;

constexpr const char* kExtractUsage = "extract ARCHIVE DIR";

// The UTF-8 relative path for a stored name, or empty when the name would
// leave the folder (absolute, "..") or names no file at all.
std::string SafeRelative(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':')) return {};
  if (name.find('\0') != std::string::npos) return {};
  std::string rel;
  std::string part;
  auto flush = [&]() -> bool {
    if (part == "..") return false;
    if (!part.empty() && part != ".") rel += (rel.empty() ? "" : "/") + Cp1251ToUtf8(part);
    part.clear();
    return true;
  };
  for (const char c : name) {
    if (c == '/' || c == '\\') {
      if (!flush()) return {};
    } else {
      part += c;
    }
  }
  // A name ending in a separator names a folder, not a file.
  if (part.empty() || !flush()) return {};
  return rel;
}

int RunExtract(const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError(kExtractUsage);
  struct stat st {};
  if (stat(args[0].c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    Complain("extract: no archive file " + args[0]);
    return kFailed;
  }
  if (!OpenArchiveArg(args[0])) return kFailed;
  const fs::path root(args[1]);
  std::error_code ec;
  fs::create_directories(root, ec);
  if (!fs::is_directory(root, ec)) {
    Complain("extract: cannot make folder " + args[1]);
    ClosePack();
    return kFailed;
  }
  int result = kOk;
  const auto& directory = PackDirectory();
  // In file order, each entry overwriting the one before: the later entry of
  // a name wins, as in the viewer.
  for (size_t i = 0; i < directory.size(); ++i) {
    const std::string shown = Cp1251ToUtf8(directory[i].name);
    const std::string rel = SafeRelative(directory[i].name);
    if (rel.empty()) {
      Complain("extract: refused name leaving the folder: " + shown);
      result = kFailed;
      continue;
    }
    std::string bytes;
    if (!ReadPackEntry(static_cast<int>(i), bytes)) {
      Complain("extract: entry lies outside the archive file: " + shown);
      result = kFailed;
      continue;
    }
    const fs::path target = root / fs::path(rel);
    fs::create_directories(target.parent_path(), ec);
    if (!WriteFileBytes(target.string(), bytes)) {
      Complain("extract: cannot write " + target.string());
      result = kFailed;
    }
  }
  ClosePack();
  return result;
}

}  // namespace

REMONT_TOOL_COMMAND("extract", kExtractUsage, RunExtract);

}  // namespace remont::tool
