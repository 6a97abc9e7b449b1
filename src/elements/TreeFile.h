// Contents-tree files and the parts of the tree elements that need no widget:
// the node list a file makes, the node commands, caption search, lookups by
// page and by command, and the tree's 20-entry history.
//
// File layout (Windows-1251 text, lines end with CR, LF or CR LF):
//   <indentation><caption>[;<page>[;<picture>]]     contents tree
//   <indentation><caption>[;<page>]                  checkable tree
// Indentation: every leading tab or space counts one level (L). Contents tree:
// the page is trimmed, the picture is everything after the second ";" as
// written. Checkable tree: the page is everything after the first ";" as
// written, further ";" included.
//
// Every line makes a node, an empty line included; a line break that ends the
// file does not start another (empty) line, so "A\r\n" makes one node and
// "A\r\n\r\n" two.
//
// Placement, relative to P, the node made last, whose level l is the
// indentation of P's own line (not P's depth in the tree):
//   first line        top-level node, whatever its indentation;
//   L == l            sibling of P;
//   L == l + 1        child of P;
//   L <  l            from P's parent upwards, the first ancestor A whose level
//                     is L or less; the node becomes A's sibling (top level
//                     when no ancestor qualifies);
//   L >  l + 1        no node: the line's page and picture replace P's (the
//                     checkable tree takes only a non-empty page). P and its
//                     level stay what they were.
// Comparing the lines' own indentation keeps a file whose every line carries
// the same extra indentation equivalent to the same file without it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace remont {

enum class TreeFileForm { Contents, Checkable };

struct TreeNode {
  int parent = -1;  // index in the node list; -1 at the top level
  int depth = 0;    // 0 = top level
  int level = 0;    // indentation of the line that made the node
  int line = 0;     // that line's number, from 1
  std::string caption;
  std::string page;
  std::string picture;  // always empty in the checkable form
};

// The nodes in the order they are made (which is also their tree order: every
// node's parent comes before it).
std::vector<TreeNode> ParseTreeFile(const std::string& bytes,
                                    TreeFileForm form = TreeFileForm::Contents);

// A node's command made from the tree's action and the node's page: plain
// (favourites, history, lookups) leaves an action without "insert" unchanged;
// click (what a click raises) appends "*" and the page to it.
std::string PlainCommand(const std::string& action, const std::string& page);
std::string ClickCommand(const std::string& action, const std::string& page);

// Appends "caption=page" for every node whose caption contains text, both
// lower-cased by the Windows-1251 table; file order, duplicates kept.
void SearchCaptions(const std::vector<TreeNode>& nodes, const std::string& text,
                    std::vector<std::string>& result);

// First node in file order whose page equals page (Latin letters folded); -1 when none.
int FindNodeByPage(const std::vector<TreeNode>& nodes, const std::string& page);
// First node with a page whose plain command equals command (Latin letters
// folded); -1 when none.
int FindNodeByCommand(const std::vector<TreeNode>& nodes, const std::string& action,
                      const std::string& command);

// The contents tree's log of the last 20 selections. Commands are kept oldest
// first, captions newest first; index 0 is the newest entry.
class TreeHistory {
 public:
  static constexpr int kSize = 20;

  // A selection change: while recording, index := 0 and a non-empty command is
  // logged with its node's caption, dropping the oldest entry beyond 20.
  void Record(const std::string& command, const std::string& caption);

  // Goes to entry i: nothing (false) when the tree has no nodes or i is outside
  // 0 .. Count() - 1. Otherwise index := i and go(command of entry i) runs with
  // recording off, so the selection it makes is not logged.
  bool GoHistory(int i, bool tree_has_nodes, const std::function<void(const std::string&)>& go);

  // Entry i's command (0 = newest); empty outside the history.
  std::string HistoryCommand(int i) const;

  int Index() const { return index_; }
  int Count() const { return static_cast<int>(commands_.size()); }
  bool Recording() const { return recording_; }
  const std::vector<std::string>& Commands() const { return commands_; }
  const std::vector<std::string>& Captions() const { return captions_; }

 private:
  int index_ = 0;
  bool recording_ = true;
  std::vector<std::string> commands_;  // oldest first
  std::vector<std::string> captions_;  // newest first
};

}  // namespace remont
