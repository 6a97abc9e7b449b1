// remont-tool tree [--ex] FILE: the nodes the viewer makes from a tree file.
#include <optional>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "elements/TreeFile.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kTreeUsage = "tree [--ex] FILE";

int RunTree(const std::vector<std::string>& args) {
  TreeFileForm form = TreeFileForm::Contents;
  std::vector<std::string> rest = args;
  if (!rest.empty() && rest.front() == "--ex") {
    form = TreeFileForm::Checkable;
    rest.erase(rest.begin());
  }
  if (rest.size() != 1 || rest[0].empty()) return UsageError(kTreeUsage);
  const std::optional<std::string> bytes = ReadFileBytes(rest[0]);
  if (!bytes) {
    CurrentPlatform().ShowMessage(msg::FileNotFound(Utf8ToCp1251(rest[0])), MessageKind::Error);
    return kFailed;
  }
  std::string out;
  for (const TreeNode& node : ParseTreeFile(*bytes, form)) {
    out += std::to_string(node.depth) + "\t" + Escape(node.caption) + "\t" + Escape(node.page);
    if (form == TreeFileForm::Contents) out += "\t" + Escape(node.picture);
    out += "\n";
  }
  Out(out);
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("tree", kTreeUsage, RunTree);

}  // namespace remont::tool
