// Arbitrary bytes as a tree file, in both forms. Traps when the node list is
// not a tree in creation order.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Helpers.h"
#include "elements/TreeFile.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void CheckTree(const std::vector<remont::TreeNode>& nodes, size_t lines, remont::TreeFileForm form) {
  Check(nodes.size() <= lines);
  int last_line = 0;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const remont::TreeNode& n = nodes[i];
    Check(n.parent >= -1 && n.parent < static_cast<int>(i));
    Check(n.depth == (n.parent < 0 ? 0 : nodes[static_cast<size_t>(n.parent)].depth + 1));
    Check(n.parent < 0 || n.level > nodes[static_cast<size_t>(n.parent)].level);
    Check(n.line > last_line && n.line <= static_cast<int>(lines));
    last_line = n.line;
    // Creation order is tree order: a node's parent is the previous node or one of its ancestors.
    if (i > 0) {
      int a = static_cast<int>(i) - 1;
      while (a >= 0 && a != n.parent) a = nodes[static_cast<size_t>(a)].parent;
      Check(a == n.parent);
    }
    Check(n.caption.find_first_of("\r\n") == std::string::npos);
    Check(n.page.find_first_of("\r\n") == std::string::npos);
    if (form == remont::TreeFileForm::Checkable) {
      Check(n.picture.empty());
    } else {
      Check(n.caption.find(';') == std::string::npos && n.page.find(';') == std::string::npos);
      Check(n.page == remont::Trim(n.page));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t lines = remont::SplitLines(bytes).size();
  for (const auto form : {remont::TreeFileForm::Contents, remont::TreeFileForm::Checkable}) {
    const auto nodes = remont::ParseTreeFile(bytes, form);
    Check(lines == 0 || !nodes.empty());
    CheckTree(nodes, lines, form);
  }
  return 0;
}
