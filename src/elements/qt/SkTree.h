// TSkTree: the contents tree (description type "tree"). Nodes come from a
// tree file in the archive (layout in elements/TreeFile.h); each node may
// carry a page and a small picture. Clicking a node, releasing a key, the
// next/previous buttons and the history raise the tree's click (OnClick),
// which the description engine connects to its element-click handler; the
// click raises ClickAction() (nothing when the node has no page).
#pragma once

#include <QFont>
#include <QIcon>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "elements/TreeFile.h"
#include "elements/qt/Element.h"

class QAbstractButton;

namespace remont {

class TSkTree : public QTreeWidget, public TElement {
  Q_OBJECT

 public:
  explicit TSkTree(QWidget* parent = nullptr);
  ~TSkTree() override;

  // Key load: ClearTree, then the file through the archive; open block
  // expands every node.
  void LoadTree(const std::string& name);
  // Removes the nodes and their records; pictures, their cache and the
  // history stay.
  void ClearTree();

  QTreeWidgetItem* FindNodeByPage(const std::string& page) const;
  QTreeWidgetItem* FindNodeByCommand(const std::string& command) const;
  QTreeWidgetItem* SelectedNode() const;
  std::string CurrentPage() const;
  std::string CurrentCommand() const;  // plain command; empty without a page
  std::string CurrentCaption() const;  // Windows-1251; empty without selection
  // What a click of the selected node raises; empty when its page is empty.
  std::string ClickAction() const;
  std::string HistoryCommand(int i) const { return history_.HistoryCommand(i); }
  const TreeHistory& History() const { return history_; }
  int HistoryIndex() const { return history_.Index(); }

  void GoHistory(int i);
  void GoNext();
  void GoPrev();
  // Keeps the tree's left and top across hiding.
  void ShowOrHide() override { ShowOrHideInPlace(); }
  RHelpAction ClickRequest(TElementHost& host) override;
  void SetOpenBlock(bool on);
  bool OpenBlock() const { return open_block_; }
  void SearchCaptions(const std::string& text, std::vector<std::string>& result) const;
  void UpdateNavButtons();

  // Selects node (none clears the selection): recorded in the history like
  // any selection change, but no command is raised. SyncTree and tree_go use it.
  void SelectNodeSilently(QTreeWidgetItem* node);

  // Operations of the tree_* commands that concern only the tree.
  void TreeGo(const std::string& page);  // focus, select FindNodeByPage, no command
  void TreeBack() { GoHistory(history_.Index() + 1); }
  void TreeForward() { GoHistory(history_.Index() - 1); }
  void TreeExpand();
  void TreeCollapse();

  void SetNextButton(QAbstractButton* b) { next_button_ = b; }
  void SetPrevButton(QAbstractButton* b) { prev_button_ = b; }
  // Key color_select: a colour number (red in the low byte); a number with
  // the top bit set names the system highlight colour.
  void SetSelectedColor(int colour);
  QColor SelectedColor() const;
  const QFont& HotFont() const { return hot_font_; }
  void SetBorder(bool on);  // key bordur

  // Index of the picture in the picture list, loading it once per file name
  // (lower-cased, trimmed); -1 when it cannot be loaded.
  int PictureIndex(const std::string& name);
  int PictureCount() const { return static_cast<int>(pictures_.size()); }

  // The node list, file order, and each node's item.
  const std::vector<TreeNode>& Nodes() const { return nodes_; }
  QTreeWidgetItem* NodeItem(int i) const { return items_[static_cast<size_t>(i)]; }
  int NodeIndex(const QTreeWidgetItem* item) const;

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

 private:
  void SelectionChanged();
  void Select(QTreeWidgetItem* node);

  std::vector<QIcon> pictures_;
  std::map<std::string, int> picture_index_;
  std::vector<TreeNode> nodes_;
  std::vector<QTreeWidgetItem*> items_;
  bool open_block_ = false;
  TreeHistory history_;
  QAbstractButton* next_button_ = nullptr;
  QAbstractButton* prev_button_ = nullptr;
  QFont hot_font_;
  int selected_colour_ = static_cast<int>(0x8000000D);
  bool show_buttons_ = true;
  QTreeWidgetItem* last_selected_ = nullptr;
};

}  // namespace remont
