// Item lists whose entries carry a hidden value: list box and combo box.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <string>
#include <vector>

namespace remont {

// type list_box: raises its action with the selected item's value on double-click.
class TSkListBox : public QListWidget {
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

  std::string action;

 signals:
  void elementClick();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::string> store_;
};

// type combo_box: raises its action with the selected item's value on change.
class TSkComboBox : public QComboBox {
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

  std::string action;

 signals:
  void elementClick();

 protected:
  // The wheel never changes the selection.
  void wheelEvent(QWheelEvent* event) override;

 private:
  void WatchEdit();

  std::vector<std::string> values_;
  bool read_only_ = false;
};

}  // namespace remont
