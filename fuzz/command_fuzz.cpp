// Arbitrary bytes as a command string (and, after the first NUL byte, a value
// to put into it). Traps when a parsed command breaks the format's rules.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Cp1251.h"
#include "common/Command.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string text = input.substr(0, nul);
  const std::string value = nul == std::string::npos ? std::string() : input.substr(nul + 1);

  const remont::TSkCommand cmd(text);
  Check(cmd.Count() >= 0);
  Check(static_cast<size_t>(cmd.Count()) == cmd.Commands().size());
  for (int i = 0; i < cmd.Count(); ++i) {
    const remont::RCommand& c = cmd.Commands()[static_cast<size_t>(i)];
    Check(!c.Name.empty());
    Check(c.Name.find('*') == std::string::npos && c.Name.find("//") == std::string::npos);
    Check(remont::LowerCase(c.Name) == c.Name);
    Check(c.ParamText.find("//") == std::string::npos);
    for (const auto& p : c.Params) {
      Check(!p.empty());
      Check(p.find('*') == std::string::npos && p.find("//") == std::string::npos);
    }
    const std::string t = cmd.GetCommandText(i);
    Check(t.compare(0, c.Name.size(), c.Name) == 0);
    // The normalised text parses back to the same command.
    const remont::TSkCommand again(t);
    if (t.find("//") == std::string::npos) {
      Check(again.Count() == 1);
      Check(again.Commands()[0].Params == c.Params);
    }
    const std::string fwd = remont::ForwardText(cmd, i);
    Check(c.Rest.empty() ? fwd == t : fwd == t + "//" + c.Rest);
  }
  Check(cmd.GetCommandText(cmd.Count()).empty());

  for (const bool append : {false, true}) {
    const std::string r = remont::InsertValue(text, value, append);
    if (text.empty()) {
      Check(r.empty());
    } else if (text.find("insert") == std::string::npos) {
      if (!append) {
        Check(r == text);
      } else {
        Check(r.compare(0, text.size(), text) == 0 && EndsWith(r, value));
        Check(r.size() == text.size() + value.size() + (EndsWith(text, "*") ? 0 : 1));
      }
    }
  }
  return 0;
}
