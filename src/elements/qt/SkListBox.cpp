#include "elements/qt/SkListBox.h"

#include <QHelpEvent>
#include <QToolTip>

#include "archive/Pack.h"
#include "common/Command.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkListBox::TSkListBox(QWidget* parent) : QListWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  SetShowHint(this, true);
  SetThemeObject(this, "default");
  viewport()->installEventFilter(this);
}

TSkListBox::~TSkListBox() { ClearListItems(); }

void TSkListBox::LoadListItems(const std::string& name) {
  TPack pack(name);
  const std::vector<std::string> lines = SplitLines(pack.Bytes());
  if (!lines.empty()) AddListItems(lines);
}

void TSkListBox::AddListItems(const std::vector<std::string>& lines) {
  ClearListItems();
  setUpdatesEnabled(false);
  for (const auto& line : lines) {
    const auto [caption, value] = SplitListLine(line);
    AddListItem(caption, value);
  }
  setUpdatesEnabled(true);
}

void TSkListBox::AddListItem(const std::string& caption, const std::string& value) {
  addItem(ToQ(caption));
  store_.push_back(ListStoreLine(caption, value));
}

void TSkListBox::ClearListItems() {
  clear();
  store_.clear();
}

std::string TSkListBox::GetItemValue(int index) const {
  if (index < 0 || index >= static_cast<int>(store_.size())) return {};
  return SplitListLine(store_[static_cast<size_t>(index)]).second;
}

int TSkListBox::ItemIndex() const {
  const QListWidgetItem* item = currentItem();
  return item && item->isSelected() ? currentRow() : -1;
}

void TSkListBox::SetMultiSelect(bool on) {
  setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QString TSkListBox::ItemHint(const QPoint& viewport_pos) const {
  const QListWidgetItem* item = itemAt(viewport_pos);
  if (!item) return {};
  const int wide = viewport()->fontMetrics().horizontalAdvance(item->text());
  return wide > viewport()->width() ? item->text() : QString();
}

void TSkListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  RaiseClick();
}

bool TSkListBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = ItemHint(help->pos());
    if (!hint.isEmpty()) {
      QToolTip::showText(help->globalPos(), hint, viewport());
      return true;
    }
  }
  return QListWidget::eventFilter(watched, event);
}

RHelpAction TSkListBox::ClickRequest(TElementHost&) {
  RHelpAction request;
  const int index = ItemIndex();
  const std::string value = index >= 0 && index < count() ? GetItemValue(index) : std::string();
  if (!value.empty()) request.Action = InsertValue(Action(), value, true);
  return request;
}

namespace {

RElementClass MakeListBoxClass() {
  using L = TSkListBox;
  RElementClass c;
  c.Type = "list_box";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkListBox(parent); };
  c.Keys = {
      ActionKey(),
      Key<L>("load", [](L& l, const TKeyValue& v) { l.LoadListItems(v.Text()); }),
      Key<L>("multiselect", [](L& l, const TKeyValue& v) { l.SetMultiSelect(v.Bool()); }),
      AnchorKey(),
      SkinKey(),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeListBoxClass());

}  // namespace remont
