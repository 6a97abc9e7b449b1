#include "elements/qt/SkComboBox.h"

#include <QLineEdit>
#include <QWheelEvent>

#include "archive/Pack.h"
#include "common/Command.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkComboBox::TSkComboBox(QWidget* parent) : QComboBox(parent) {
  setFocusPolicy(Qt::StrongFocus);
  SetShowHint(this, true);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, &TSkComboBox::Changed);
  WatchEdit();
}

void TSkComboBox::WatchEdit() {
  if (QLineEdit* edit = lineEdit()) connect(edit, &QLineEdit::textEdited, this, &TSkComboBox::Changed, Qt::UniqueConnection);
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

RHelpAction TSkComboBox::ClickRequest(TElementHost&) {
  RHelpAction request;
  if (ItemIndex() >= 0) request.Action = InsertValue(Action(), GetSelectedValue(), false);
  return request;
}

namespace {

RElementClass MakeComboBoxClass() {
  using C = TSkComboBox;
  RElementClass c;
  c.Type = "combo_box";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkComboBox(parent); };
  c.Keys = {
      ActionKey(),
      Key<C>("count_line", [](C& b, const TKeyValue& v) { b.setMaxVisibleItems(v.Number()); }),
      Key<C>("load", [](C& b, const TKeyValue& v) {
        b.LoadListItems(v.Text());
        if (b.count() > 0) b.setCurrentIndex(0);
      }),
      Key<C>("read_only", [](C& b, const TKeyValue& v) { b.SetComboReadOnly(v.Bool()); }),
      AnchorKey(),
      SkinFileKey(),
  };
  c.Commands = {
      Command<C>("combo_load", [](C& b, const RCommandCall& call) {
        b.LoadListItems(call.P2);
        b.setCurrentIndex(-1);
        if (b.count() > 0) b.setCurrentIndex(0);
      }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeComboBoxClass());

}  // namespace remont
