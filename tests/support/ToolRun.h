// Runs the built remont-tool (REMONT_TOOL_PATH) as a separate program, its
// standard output and error caught in files of a scratch folder, so that any
// amount of output fits.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "support/TempDir.h"

namespace remont::test {

struct ToolResult {
  int code = -1;  // the exit status; -1 when the program did not exit normally
  std::string out, err;
};

// A shell word that stands for text exactly.
inline std::string ShellQuote(const std::string& text) {
  std::string q = "'";
  for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline ToolResult RunTool(const std::vector<std::string>& args, const TempDir& scratch) {
  std::string cmd = ShellQuote(REMONT_TOOL_PATH);
  for (const std::string& a : args) cmd += " " + ShellQuote(a);
  cmd += " >" + ShellQuote(scratch.Sub("stdout")) + " 2>" + ShellQuote(scratch.Sub("stderr")) + " </dev/null";
  const int status = std::system(cmd.c_str());
  ToolResult r;
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadFileBytes(scratch.Sub("stdout")).value_or("?");
  r.err = ReadFileBytes(scratch.Sub("stderr")).value_or("?");
  return r;
}

}  // namespace remont::test
