// remont-tool pack: a folder of loose files into a content archive.
#include "archive/PackWriter.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kPackUsage = "pack [--scramble GLOB]... [--recode GLOB]... OUT DIR";

int RunPack(const std::vector<std::string>& args) {
  PackOptions options;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--scramble" || a == "--recode") {
      if (i + 1 >= args.size()) return UsageError(kPackUsage);
      (a == "--scramble" ? options.scramble : options.recode).push_back(args[++i]);
    } else if (a.size() > 1 && a[0] == '-' && positional.empty()) {
      return UsageError(kPackUsage);
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return UsageError(kPackUsage);
  std::string error;
  std::vector<std::string> warnings;
  const bool ok = PackFolderToArchive(positional[0], positional[1], options, error, warnings);
  for (const auto& w : warnings) Complain("pack: " + w);
  if (!ok) {
    Complain("pack: " + error);
    return kFailed;
  }
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("pack", kPackUsage, RunPack);

}  // namespace remont::tool
