// type combo_box: items whose entries carry a hidden value; raises its action
// with the selected item's value on change.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "elements/qt/Element.h"

namespace remont {

class TSkComboBox : public QComboBox, public TElement {
  Q_OBJECT

 public:
  explicit TSkComboBox(QWidget* parent = nullptr);

  // Lines "caption;value" from an archive file; the box is emptied first.
  void LoadListItems(const std::string& name);
  void AddListItems(const std::vector<std::string>& lines);
  // An empty caption adds nothing.
  void AddListItem(const std::string& caption, const std::string& value);
  void ClearListItems();
  // The value at ItemIndex; empty when nothing is selected or beyond the list.
  std::string GetSelectedValue() const;
  // The selected item; -1 when none, or when typed text matches no item.
  int ItemIndex() const;
  const std::vector<std::string>& Values() const { return values_; }
  void SetComboReadOnly(bool on);
  bool ComboReadOnly() const { return read_only_; }

  // The selected item's value put into the action, never appended; nothing
  // without a selected item.
  RHelpAction ClickRequest(TElementHost& host) override;

 protected:
  // The wheel never changes the selection.
  void wheelEvent(QWheelEvent* event) override;

 private:
  void WatchEdit();
  void Changed() { RaiseClick(); }

  std::vector<std::string> values_;
  bool read_only_ = false;
};

}  // namespace remont
