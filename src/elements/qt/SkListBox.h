// type list_box: items whose entries carry a hidden value; raises its action
// with the selected item's value on double-click.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "elements/qt/Element.h"

namespace remont {

class TSkListBox : public QListWidget, public TElement {
  Q_OBJECT

 public:
  explicit TSkListBox(QWidget* parent = nullptr);
  ~TSkListBox() override;

  // Lines "caption#;#value" from an archive file; a file without lines keeps the items.
  void LoadListItems(const std::string& name);
  void AddListItems(const std::vector<std::string>& lines);
  void AddListItem(const std::string& caption, const std::string& value);
  void ClearListItems();
  // The value of item i; empty for an index outside the list.
  std::string GetItemValue(int index) const;
  // The selected item, -1 for none.
  int ItemIndex() const;
  const std::vector<std::string>& ItemStore() const { return store_; }
  void SetMultiSelect(bool on);
  // The hint over a point of the list: the item's whole caption when it is
  // wider than the list, else empty (the list box's own hint applies).
  QString ItemHint(const QPoint& viewport_pos) const;

  // The selected item's value put into the action (appended when the action
  // has no "insert"); nothing without a selected item or value.
  RHelpAction ClickRequest(TElementHost& host) override;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::string> store_;
};

}  // namespace remont
