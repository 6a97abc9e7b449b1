// remont-tool command TEXT: shows how the viewer parses a command string.
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/Command.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kCommandUsage = "command TEXT";

int RunCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError(kCommandUsage);
  const TSkCommand cmd(Utf8ToCp1251(args[0]));
  std::string out;
  for (int i = 0; i < cmd.Count(); ++i) {
    const RCommand& c = cmd.Commands()[static_cast<size_t>(i)];
    out += "command\t" + std::to_string(i) + "\n";
    out += "name\t" + Escape(c.Name) + "\n";
    // As parsed: the tool never opens a dialog for an open_file parameter.
    for (const auto& p : c.Params) out += "param\t" + Escape(p) + "\n";
    out += "param_text\t" + Escape(c.ParamText) + "\n";
    out += "rest\t" + Escape(c.Rest) + "\n";
    out += "text\t" + Escape(cmd.GetCommandText(i)) + "\n";
  }
  Out(out);
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("command", kCommandUsage, RunCommand);

}  // namespace remont::tool
