// remont-tool check [--keys] ARCHIVE: the author's check of a manual's
// descriptions (description/DescriptionCheck.h), one escaped line per problem.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "archive/Pack.h"
#include "description/DescriptionCheck.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kCheckUsage = "check [--keys] ARCHIVE";

int RunCheck(const std::vector<std::string>& args) {
  RCheckOptions options;
  std::vector<std::string> rest = args;
  if (!rest.empty() && rest.front() == "--keys") {
    options.Keys = true;
    rest.erase(rest.begin());
  }
  if (rest.size() != 1 || rest[0].empty() || rest[0].front() == '-') return UsageError(kCheckUsage);
  struct stat st {};
  if (stat(rest[0].c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    Complain("check: no archive file " + rest[0]);
    return kFailed;
  }
  if (!OpenArchiveArg(rest[0])) return kFailed;
  const std::vector<std::string> lines = CheckManual(TPackFiles(), options);
  ClosePack();
  std::string out;
  for (const std::string& line : lines) out += Escape(line) + "\n";
  Out(out);
  return lines.empty() ? kOk : kFailed;
}

}  // namespace

REMONT_TOOL_COMMAND("check", kCheckUsage, RunCheck);

}  // namespace remont::tool
