// remont-tool list: the directory of an archive, in file order.
#include <sys/stat.h>

#include "archive/Pack.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kListUsage = "list ARCHIVE";

int RunList(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError(kListUsage);
  struct stat st {};
  if (stat(args[0].c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    Complain("list: no archive file " + args[0]);
    return kFailed;
  }
  if (!OpenArchiveArg(args[0])) return kFailed;
  std::string out;
  for (const TData& e : PackDirectory())
    out += Escape(e.name) + "\t" + std::to_string(e.size) + "\t" + std::to_string(e.offset) + "\t" +
           std::to_string(e.flag) + "\n";
  Out(out);
  ClosePack();
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("list", kListUsage, RunList);

}  // namespace remont::tool
