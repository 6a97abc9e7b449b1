#include "elements/qt/SkLists.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QWheelEvent>

#include "archive/Pack.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
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
  emit elementClick();
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

TSkComboBox::TSkComboBox(QWidget* parent) : QComboBox(parent) {
  setFocusPolicy(Qt::StrongFocus);
  SetShowHint(this, true);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, &TSkComboBox::elementClick);
  WatchEdit();
}

void TSkComboBox::WatchEdit() {
  if (QLineEdit* edit = lineEdit()) connect(edit, &QLineEdit::textEdited, this, &TSkComboBox::elementClick, Qt::UniqueConnection);
}

void TSkComboBox::LoadListItems(const std::string& name) {
  ClearListItems();
  TPack pack(name);
  const std::vector<std::string> lines = SplitLines(pack.Bytes());
  if (!lines.empty()) AddListItems(lines);
}

void TSkComboBox::AddListItems(const std::vector<std::string>& lines) {
  for (const auto& line : lines) {
    const auto [caption, value] = SplitComboLine(line);
    AddListItem(caption, value);
  }
}

void TSkComboBox::AddListItem(const std::string& caption, const std::string& value) {
  if (caption.empty()) return;
  values_.push_back(value);
  addItem(ToQ(caption));
}

void TSkComboBox::ClearListItems() {
  clear();
  values_.clear();
}

int TSkComboBox::ItemIndex() const {
  const int i = currentIndex();
  if (i < 0) return -1;
  if (isEditable() && currentText() != itemText(i)) return -1;
  return i;
}

std::string TSkComboBox::GetSelectedValue() const {
  const int i = ItemIndex();
  if (i < 0 || i >= static_cast<int>(values_.size())) return {};
  return values_[static_cast<size_t>(i)];
}

void TSkComboBox::SetComboReadOnly(bool on) {
  read_only_ = on;
  const int keep = currentIndex();
  setEditable(!on);
  if (!on) {
    setInsertPolicy(QComboBox::NoInsert);
    WatchEdit();
  }
  setCurrentIndex(keep);
}

void TSkComboBox::wheelEvent(QWheelEvent* event) { event->accept(); }

}  // namespace remont
