// remont-tool subcommands. Each subcommand lives in its own file and registers
// itself with REMONT_TOOL_COMMAND; main() dispatches by name.
#pragma once

#include <string>
#include <vector>

namespace remont::tool {

// Exit codes of every subcommand.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

using CommandFn = int (*)(const std::vector<std::string>& args);

struct CommandInfo {
  const char* name;
  const char* usage;  // one line, shown on a usage error
  CommandFn run;
};

bool RegisterCommand(const CommandInfo& info);
const std::vector<CommandInfo>& Commands();

// Prints "usage: remont-tool <usage>" to standard error and returns kUsage.
int UsageError(const char* usage);

// Writes an escaped payload: raw bytes except \\ \t \n \r, other bytes below
// 0x20 and 0x7F as \xNN.
std::string Escape(const std::string& text);

// Writes bytes to standard output.
void Out(const std::string& bytes);

}  // namespace remont::tool

#define REMONT_TOOL_CONCAT2(a, b) a##b
#define REMONT_TOOL_CONCAT(a, b) REMONT_TOOL_CONCAT2(a, b)
#define REMONT_TOOL_COMMAND(name, usage, fn)                                 \
  static const bool REMONT_TOOL_CONCAT(registered_, __LINE__) =             \
      ::remont::tool::RegisterCommand({name, usage, fn})
