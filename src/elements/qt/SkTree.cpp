#include "elements/qt/SkTree.h"

#include <QAbstractButton>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyledItemDelegate>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/ConvertError.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/HtmlLinks.h"

namespace remont {
namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

// Items drawn in the hot (hovered) state take the tree's hot font in red; the
// selected colour comes from the tree's palette.
class TreeDelegate : public QStyledItemDelegate {
 public:
  explicit TreeDelegate(TSkTree* tree) : QStyledItemDelegate(tree), tree_(tree) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->state & QStyle::State_MouseOver) {
      option->font = tree_->HotFont();
      option->palette.setColor(QPalette::Text, QColor(255, 0, 0));
      option->palette.setColor(QPalette::HighlightedText, QColor(255, 0, 0));
    }
  }

 private:
  TSkTree* tree_;
};

}  // namespace

TSkTree::TSkTree(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setExpandsOnDoubleClick(false);
  setFrameShape(QFrame::NoFrame);
  setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_Hover);
  setUniformRowHeights(true);
  hot_font_ = font();
  hot_font_.setUnderline(true);
  setItemDelegate(new TreeDelegate(this));
  SetSelectedColor(selected_colour_);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &TSkTree::SelectionChanged);
  connect(this, &QTreeWidget::itemClicked, this, [this] { RaiseClick(); });
}

TSkTree::~TSkTree() {
  // Clearing the items below must not run the selection handler on a half-destroyed tree.
  disconnect(this, nullptr, this, nullptr);
  blockSignals(true);
}

void TSkTree::ClearTree() {
  const bool was = blockSignals(true);
  clear();
  blockSignals(was);
  nodes_.clear();
  items_.clear();
  last_selected_ = nullptr;
}

void TSkTree::LoadTree(const std::string& name) {
  ClearTree();
  TPack pack(name);
  nodes_ = ParseTreeFile(pack.Bytes(), TreeFileForm::Contents);
  items_.resize(nodes_.size(), nullptr);
  setUpdatesEnabled(false);
  QList<QTreeWidgetItem*> top;
  for (size_t i = 0; i < nodes_.size(); ++i) {
    const TreeNode& n = nodes_[i];
    auto* item = n.parent < 0 ? new QTreeWidgetItem() : new QTreeWidgetItem(items_[static_cast<size_t>(n.parent)]);
    item->setText(0, ToQ(n.caption));
    item->setData(0, kNodeRole, static_cast<int>(i));
    if (!n.picture.empty()) {
      const int p = PictureIndex(n.picture);
      if (p >= 0) item->setIcon(0, pictures_[static_cast<size_t>(p)]);
    }
    items_[i] = item;
    if (n.parent < 0) top.append(item);
  }
  const bool was = blockSignals(true);
  addTopLevelItems(top);
  blockSignals(was);
  if (open_block_) expandAll();
  setUpdatesEnabled(true);
}

int TSkTree::PictureIndex(const std::string& name) {
  const std::string key = LowerCase(Trim(name));
  if (auto it = picture_index_.find(key); it != picture_index_.end()) return it->second;
  TPack pack(name);
  QImage image;
  const bool bitmap = ExtractFileExt(key) == ".bmp";
  const QByteArray bytes = QByteArray::fromRawData(pack.Data(), static_cast<qsizetype>(pack.Size()));
  if (pack.Empty() || !image.loadFromData(bytes, bitmap ? "BMP" : "JPG")) return -1;
  if (pictures_.empty()) setIconSize(image.size());
  pictures_.emplace_back(QPixmap::fromImage(image));
  const int index = static_cast<int>(pictures_.size()) - 1;
  picture_index_[key] = index;
  return index;
}

int TSkTree::NodeIndex(const QTreeWidgetItem* item) const {
  if (!item) return -1;
  bool ok = false;
  const int i = item->data(0, kNodeRole).toInt(&ok);
  return ok && i >= 0 && i < static_cast<int>(nodes_.size()) ? i : -1;
}

QTreeWidgetItem* TSkTree::FindNodeByPage(const std::string& page) const {
  for (size_t i = 0; i < nodes_.size(); ++i)
    if (SamePageName(nodes_[i].page, page)) return items_[i];
  return nullptr;
}

QTreeWidgetItem* TSkTree::FindNodeByCommand(const std::string& command) const {
  const int i = remont::FindNodeByCommand(nodes_, Action(), command);
  return i < 0 ? nullptr : items_[static_cast<size_t>(i)];
}

QTreeWidgetItem* TSkTree::SelectedNode() const {
  QTreeWidgetItem* c = currentItem();
  return c && c->isSelected() ? c : nullptr;
}

std::string TSkTree::CurrentPage() const {
  const int i = NodeIndex(SelectedNode());
  return i < 0 ? std::string() : nodes_[static_cast<size_t>(i)].page;
}

std::string TSkTree::CurrentCommand() const {
  const std::string page = CurrentPage();
  return page.empty() ? std::string() : PlainCommand(Action(), page);
}

std::string TSkTree::CurrentCaption() const {
  const int i = NodeIndex(SelectedNode());
  return i < 0 ? std::string() : nodes_[static_cast<size_t>(i)].caption;
}

std::string TSkTree::ClickAction() const {
  const std::string page = CurrentPage();
  return page.empty() ? std::string() : ClickCommand(Action(), page);
}

void TSkTree::Select(QTreeWidgetItem* node) {
  if (node) {
    setCurrentItem(node);
    node->setSelected(true);
  } else {
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  SelectionChanged();
}

void TSkTree::SelectNodeSilently(QTreeWidgetItem* node) { Select(node); }

void TSkTree::SelectionChanged() {
  QTreeWidgetItem* now = SelectedNode();
  if (now == last_selected_) return;
  last_selected_ = now;
  history_.Record(CurrentCommand(), CurrentCaption());
  UpdateNavButtons();
}

RHelpAction TSkTree::ClickRequest(TElementHost&) {
  RHelpAction request;
  request.Action = ClickAction();
  return request;
}

void TSkTree::GoHistory(int i) {
  history_.GoHistory(i, !nodes_.empty(), [this](const std::string& command) {
    if (QTreeWidgetItem* node = FindNodeByCommand(command)) {
      Select(node);
      RaiseClick();
    }
  });
}

// Qt's tree never expands a node because it was selected, so moving with the
// buttons leaves collapsed branches as they are without switching anything off.
void TSkTree::GoNext() {
  QTreeWidgetItem* s = SelectedNode();
  if (!s) return;
  if (QTreeWidgetItem* n = itemBelow(s)) {
    Select(n);
    RaiseClick();
  }
}

void TSkTree::GoPrev() {
  QTreeWidgetItem* s = SelectedNode();
  if (!s) return;
  if (QTreeWidgetItem* n = itemAbove(s)) {
    Select(n);
    RaiseClick();
  }
}

void TSkTree::UpdateNavButtons() {
  QTreeWidgetItem* s = SelectedNode();
  if (!s) return;
  if (next_button_) next_button_->setEnabled(itemBelow(s) != nullptr);
  if (prev_button_) prev_button_->setEnabled(itemAbove(s) != nullptr);
}

void TSkTree::SetOpenBlock(bool on) {
  open_block_ = on;
  setUpdatesEnabled(false);
  if (on) expandAll();
  show_buttons_ = !on;
  setRootIsDecorated(!on);
  setUpdatesEnabled(true);
}

void TSkTree::SearchCaptions(const std::string& text, std::vector<std::string>& result) const {
  remont::SearchCaptions(nodes_, text, result);
}

void TSkTree::TreeGo(const std::string& page) {
  setFocus();
  SelectNodeSilently(FindNodeByPage(page));
}

void TSkTree::TreeExpand() {
  setUpdatesEnabled(false);
  expandAll();
  setUpdatesEnabled(true);
  if (QTreeWidgetItem* s = SelectedNode()) scrollToItem(s);
}

void TSkTree::TreeCollapse() {
  setUpdatesEnabled(false);
  collapseAll();
  setUpdatesEnabled(true);
}

void TSkTree::SetSelectedColor(int colour) {
  selected_colour_ = colour;
  QPalette p = palette();
  const QColor c = SelectedColor();
  // The selection stays visible when the tree loses the focus.
  p.setColor(QPalette::Active, QPalette::Highlight, c);
  p.setColor(QPalette::Inactive, QPalette::Highlight, c);
  setPalette(p);
}

QColor TSkTree::SelectedColor() const {
  const auto c = static_cast<unsigned>(selected_colour_);
  if (c & 0x80000000u) return QPalette().color(QPalette::Active, QPalette::Highlight);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

void TSkTree::SetBorder(bool on) { setFrameShape(on ? QFrame::Box : QFrame::NoFrame); }

void TSkTree::keyReleaseEvent(QKeyEvent* event) {
  QTreeWidget::keyReleaseEvent(event);
  RaiseClick();
}

void TSkTree::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  QTreeWidgetItem* s = SelectedNode();
  if (!s) return;
  setUpdatesEnabled(false);
  s->setExpanded(!s->isExpanded());
  setUpdatesEnabled(true);
}

void TSkTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  if (show_buttons_) QTreeWidget::drawBranches(painter, rect, index);
}

namespace {

RElementClass MakeTreeClass() {
  using T = TSkTree;
  RElementClass c;
  c.Type = "tree";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkTree(parent); };
  c.Keys = {
      ActionKey(),
      Key<T>("load", [](T& t, const TKeyValue& v) { t.LoadTree(v.Text()); }),
      Key<T>("open_block", [](T& t, const TKeyValue& v) { t.SetOpenBlock(v.Bool()); }),
      Key<T>("bordur", [](T& t, const TKeyValue& v) { t.SetBorder(v.Bool()); }),
      Key<T>("color", [](T& t, const TKeyValue& v) {
        QPalette pal = t.palette();
        pal.setColor(QPalette::Base, ToQColor(v.Colour()));
        t.setPalette(pal);
      }),
      FontKey(),
      Key<T>("color_select", [](T& t, const TKeyValue& v) { t.SetSelectedColor(v.Colour()); }),
      Key<T>("but_next", [](T& t, const TKeyValue& v) {
        if (auto* b = v.ElementAs<QAbstractButton>()) t.SetNextButton(b);
      }),
      Key<T>("but_prev", [](T& t, const TKeyValue& v) {
        if (auto* b = v.ElementAs<QAbstractButton>()) t.SetPrevButton(b);
      }),
      Key<T>("link_html", [](T& t, const TKeyValue& v) {
        if (auto* html = v.ElementAs<THtmlLinks>()) html->SetContentsTree(&t);
      }),
      Key<T>("min_width", [](T& t, const TKeyValue& v) { t.setMinimumWidth(v.Number()); }),
      Key<T>("min_height", [](T& t, const TKeyValue& v) { t.setMinimumHeight(v.Number()); }),
      Key<T>("max_width", [](T& t, const TKeyValue& v) { t.setMaximumWidth(v.Number()); }),
      Key<T>("max_height", [](T& t, const TKeyValue& v) { t.setMaximumHeight(v.Number()); }),
      AnchorKey(),
      SkinKey(),
  };
  c.Commands = {
      Command<T>("tree_go", [](T& t, const RCommandCall& call) { t.TreeGo(call.P2); }),
      Command<T>("tree_go_history", [](T& t, const RCommandCall& call) { t.GoHistory(StrToInt(call.P2)); }),
      Command<T>("tree_back", [](T& t, const RCommandCall&) { t.TreeBack(); }),
      Command<T>("tree_forward", [](T& t, const RCommandCall&) { t.TreeForward(); }),
      Command<T>("tree_next", [](T& t, const RCommandCall&) { t.GoNext(); }),
      Command<T>("tree_prev", [](T& t, const RCommandCall&) { t.GoPrev(); }),
      Command<T>("tree_expand", [](T& t, const RCommandCall&) { t.TreeExpand(); }),
      Command<T>("tree_collapse", [](T& t, const RCommandCall&) { t.TreeCollapse(); }),
      Command<T>("tree_show_or_hide", [](T& t, const RCommandCall&) { t.ShowOrHide(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeTreeClass());

}  // namespace remont
