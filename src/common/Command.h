// Command strings: what every element, tree file, page link and hot key raises.
//
// Syntax (Windows-1251, no escapes):
//   string  := command { "//" command }
//   command := name { "*" parameter }
// A piece with an empty name is skipped; names are lower-cased; empty
// parameters are dropped; nothing is trimmed. A parameter never holds "*" or
// "//"; a command's parameter text as a whole may hold "*".
#pragma once

#include <cstdint>
#include <string>

#include "common/HelpAction.h"
#include <vector>

namespace remont {

// One parsed command.
struct RCommand {
  std::string Name;                 // lower-cased (Windows-1251 table)
  std::string ParamText;            // everything after the first "*", as written
  std::vector<std::string> Params;  // the non-empty parameters, in order
  std::string Rest;                 // the unparsed text after this command's "//"
};

// A parsed command string, made for one dispatch.
class TSkCommand {
 public:
  explicit TSkCommand(const std::string& text);

  int32_t Count() const { return count_; }
  const std::vector<RCommand>& Commands() const { return commands_; }
  // Name of command i and "*" + each parameter; empty when there is no command i.
  std::string GetCommandText(int i) const;

 private:
  int32_t count_ = 0;
  std::vector<RCommand> commands_;
};

// Parameter i (from 0) of a command; empty when there is none. A parameter
// open_file(pattern) asks the user for a file through the platform's open
// dialog (filter "*" + the lower-cased pattern) and gives the chosen name, or
// empty when the user cancels.
std::string GetParam(const std::vector<std::string>& params, int i);

// Puts an element's current value into its action: every "insert" (exact
// case, scanned left to right, inserted text not scanned again) becomes value.
// With append on and nothing replaced, "*" (unless the action already ends
// with one) and value are appended. An empty action stays empty.
std::string InsertValue(const std::string& action, const std::string& value, bool append);

// The text handed to the owner when the dispatcher forwards command i: the
// normalised command, then "//" and the unparsed rest when there is one.
std::string ForwardText(const TSkCommand& cmd, int i);

}  // namespace remont
