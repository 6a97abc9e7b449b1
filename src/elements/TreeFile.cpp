#include "elements/TreeFile.h"

#include <algorithm>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Command.h"

namespace remont {

std::vector<TreeNode> ParseTreeFile(const std::string& bytes, TreeFileForm form) {
  std::vector<TreeNode> nodes;
  int prev = -1;
  const std::vector<std::string> lines = SplitLines(bytes);
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& text = lines[n];
    size_t indent = 0;
    while (indent < text.size() && (text[indent] == '\t' || text[indent] == ' ')) ++indent;
    const int level = static_cast<int>(std::min<size_t>(indent, 1u << 30));

    TreeNode node;
    node.level = level;
    node.line = static_cast<int>(n + 1);
    std::string rest = text.substr(indent);
    node.caption = CutToken(rest, ";");
    if (form == TreeFileForm::Contents) {
      node.page = Trim(CutToken(rest, ";"));
      node.picture = rest;
    } else {
      node.page = rest;
    }

    if (prev >= 0) {
      TreeNode& p = nodes[static_cast<size_t>(prev)];
      if (level > p.level + 1) {
        // Too deep: the line only gives the previous node its page.
        if (form == TreeFileForm::Contents) {
          p.page = node.page;
          p.picture = node.picture;
        } else if (!node.page.empty()) {
          p.page = node.page;
        }
        continue;
      }
      if (level == p.level) {
        node.parent = p.parent;
      } else if (level == p.level + 1) {
        node.parent = prev;
      } else {
        int a = p.parent;
        while (a >= 0 && nodes[static_cast<size_t>(a)].level > level) a = nodes[static_cast<size_t>(a)].parent;
        node.parent = a >= 0 ? nodes[static_cast<size_t>(a)].parent : -1;
      }
    }
    node.depth = node.parent >= 0 ? nodes[static_cast<size_t>(node.parent)].depth + 1 : 0;
    nodes.push_back(std::move(node));
    prev = static_cast<int>(nodes.size()) - 1;
  }
  return nodes;
}

std::string PlainCommand(const std::string& action, const std::string& page) {
  return InsertValue(action, page, false);
}

std::string ClickCommand(const std::string& action, const std::string& page) {
  return InsertValue(action, page, true);
}

void SearchCaptions(const std::vector<TreeNode>& nodes, const std::string& text,
                    std::vector<std::string>& result) {
  const std::string needle = LowerCase(text);
  for (const auto& node : nodes) {
    if (LowerCase(node.caption).find(needle) != std::string::npos) {
      result.push_back(node.caption + "=" + node.page);
    }
  }
}

int FindNodeByPage(const std::vector<TreeNode>& nodes, const std::string& page) {
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (SameText(nodes[i].page, page)) return static_cast<int>(i);
  }
  return -1;
}

int FindNodeByCommand(const std::vector<TreeNode>& nodes, const std::string& action,
                      const std::string& command) {
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].page.empty()) continue;
    if (SameText(PlainCommand(action, nodes[i].page), command)) return static_cast<int>(i);
  }
  return -1;
}

void TreeHistory::Record(const std::string& command, const std::string& caption) {
  if (!recording_) return;
  index_ = 0;
  if (command.empty()) return;
  commands_.push_back(command);
  captions_.insert(captions_.begin(), caption);
  if (static_cast<int>(commands_.size()) > kSize) {
    commands_.erase(commands_.begin());
    captions_.pop_back();
  }
}

bool TreeHistory::GoHistory(int i, bool tree_has_nodes,
                            const std::function<void(const std::string&)>& go) {
  if (!tree_has_nodes || i < 0 || i > Count() - 1) return false;
  index_ = i;
  // Recording comes back on even when the raised command fails (a conversion
  // error leaving the dispatch), or the tree would never log again.
  struct Restore {
    bool& flag;
    ~Restore() { flag = true; }
  } restore{recording_};
  recording_ = false;
  go(HistoryCommand(i));
  return true;
}

std::string TreeHistory::HistoryCommand(int i) const {
  if (i < 0 || i > Count() - 1) return {};
  return commands_[static_cast<size_t>(Count() - 1 - i)];
}

}  // namespace remont
