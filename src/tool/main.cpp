// remont-tool: the content author's command-line tool, built from the same core
// as the viewer. One subcommand per job; see README.md.
#include <cstdio>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "tool/ToolCommand.h"

namespace remont::tool {

namespace {
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}
}  // namespace

bool RegisterCommand(const CommandInfo& info) {
  Registry().push_back(info);
  return true;
}

const std::vector<CommandInfo>& Commands() { return Registry(); }

int UsageError(const char* usage) {
  std::fprintf(stderr, "usage: remont-tool %s\n", usage);
  return kUsage;
}

std::string Escape(const std::string& text) {
  static const char* hex = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\x";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += ch;
        }
    }
  }
  return out;
}

void Out(const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

}  // namespace remont::tool

int main(int argc, char** argv) {
  using namespace remont::tool;
  if (argc < 2) {
    std::fprintf(stderr, "usage: remont-tool <command> [arguments]\ncommands:\n");
    for (const auto& c : Commands()) std::fprintf(stderr, "  remont-tool %s\n", c.usage);
    return kUsage;
  }
  const std::string name = argv[1];
  for (const auto& c : Commands()) {
    if (name == c.name) {
      std::vector<std::string> args(argv + 2, argv + argc);
      return c.run(args);
    }
  }
  std::fprintf(stderr, "remont-tool: unknown command '%s'\n", name.c_str());
  return kUsage;
}
