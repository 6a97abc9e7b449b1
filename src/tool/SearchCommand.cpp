// remont-tool search ARCHIVE QUERY: the search window's "all pages" search
// over the archive's file.ind, results in the order the list shows them.
#include <string>
#include <thread>
#include <vector>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "shell/FullTextSearch.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kSearchUsage = "search ARCHIVE QUERY";

int RunSearch(const std::vector<std::string>& args) {
  if (args.size() != 2 || args[0].empty() || args[1].empty()) return UsageError(kSearchUsage);
  if (!OpenArchiveArg(args[0])) return kFailed;
  const TPack index_file("file.ind");
  RSearchHooks hooks;
  hooks.read_page = [](const std::string& page, std::string& bytes) { return TryLoadPackFile(bytes, page); };
  hooks.missing = [](const std::string& page) {
    CurrentPlatform().ShowMessage(msg::FileNotFound(page), MessageKind::Plain);
  };
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::string> results =
      SearchPages(ParseIndex(index_file.Bytes()), LowerCase(Arg(args[1])), hooks, threads);
  SortResults(results);
  std::string out;
  for (const std::string& line : results) out += Escape(line) + "\n";
  Out(out);
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("search", kSearchUsage, RunSearch);

}  // namespace remont::tool
