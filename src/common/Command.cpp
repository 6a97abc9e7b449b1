#include "common/Command.h"

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Platform.h"

namespace remont {

TSkCommand::TSkCommand(const std::string& text) {
  std::string rest = text;
  do {
    std::string piece = CutToken(rest, "//");
    std::string name = CutToken(piece, "*");
    if (name.empty()) continue;  // "//" at the start, "////", or a piece starting with "*"
    RCommand c;
    c.Name = LowerCase(name);
    c.ParamText = piece;
    c.Rest = rest;
    while (!piece.empty()) {
      std::string p = CutToken(piece, "*");
      if (!p.empty()) c.Params.push_back(std::move(p));
    }
    commands_.push_back(std::move(c));
    ++count_;
  } while (!rest.empty());
}

std::string TSkCommand::GetCommandText(int i) const {
  if (i < 0 || i >= count_) return {};
  const RCommand& c = commands_[static_cast<size_t>(i)];
  std::string text = c.Name;
  for (const auto& p : c.Params) {
    text += '*';
    text += p;
  }
  return text;
}

std::string GetParam(const std::vector<std::string>& params, int i) {
  if (i < 0 || static_cast<size_t>(i) >= params.size()) return {};
  const std::string& p = params[static_cast<size_t>(i)];
  std::string tail = LowerCase(p);
  const std::string head = CutToken(tail, "(");
  if (head == "open_file") {
    const std::string pattern = CutToken(tail, ")");
    return CurrentPlatform().OpenFileDialog("*" + pattern);
  }
  return p;
}

std::string InsertValue(const std::string& action, const std::string& value, bool append) {
  if (action.empty()) return {};
  static const std::string kMark = "insert";
  std::string result;
  size_t from = 0;
  for (size_t at = action.find(kMark); at != std::string::npos; at = action.find(kMark, from)) {
    result.append(action, from, at - from);
    result += value;
    from = at + kMark.size();
  }
  result.append(action, from, std::string::npos);
  // The comparison, not a "found" flag, decides: a value that is itself
  // "insert" leaves the text unchanged and is appended as well.
  if (append && result == action) {
    if (result.back() != '*') result += '*';
    result += value;
  }
  return result;
}

std::string ForwardText(const TSkCommand& cmd, int i) {
  std::string text = cmd.GetCommandText(i);
  if (i >= 0 && i < cmd.Count()) {
    const std::string& rest = cmd.Commands()[static_cast<size_t>(i)].Rest;
    if (!rest.empty()) text += "//" + rest;
  }
  return text;
}

}  // namespace remont
