// Buttons and boxes: push button, speed button, radio button, check box.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <string>
#include <vector>

class QMenu;

namespace remont {

// type button: raises its action on click, with itself as the anchor.
class TSkButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TSkButton(QWidget* parent = nullptr);
  void ShowOrHide();
  void SetCaption(const std::string& caption);
  void SetTransparent(bool on);

  std::string action;

 signals:
  void elementClick();
};

// type sp_button: a flat button that can stay down. Buttons of one parent
// with the same non-zero group are down one at a time; a button of group 0
// is never down (its remembered state still toggles).
class TSkSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  explicit TSkSpeedButton(QWidget* parent = nullptr);
  void ShowOrHide();
  void SetCaption(const std::string& caption);
  void SetTransparent(bool on);

  int Group() const { return group_; }
  void SetGroup(int group);
  bool Down() const { return isChecked(); }
  bool RememberedDown() const { return remembered_down_; }
  // The key down and the command spbutton_down: the remembered state follows
  // the resulting down state.
  void SetDownRemembered(bool on);
  // The command sbutton_down: follows the remembered state, not Down.
  void ToggleDown();
  // The chevron and its menu (the key menu).
  void SetChevronMenu(QMenu* menu);

  std::string action;

 signals:
  void elementClick();

 protected:
  void nextCheckState() override;

 private:
  void SetDown(bool on);  // the platform's down state, with the group rule

  int group_ = 0;
  bool remembered_down_ = false;
};

// type r_button: stores its action and raises nothing.
class TSkRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit TSkRadioButton(QWidget* parent = nullptr);
  void SetCaption(const std::string& caption);

  std::string action;
};

// type check_box: raises its action with "1" or "0" and enables or disables
// its controlled elements (the engine looks them up by name).
class TSkCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  // The caption starts as the section name.
  explicit TSkCheckBox(QWidget* parent = nullptr, const std::string& section = std::string());
  void SetCaption(const std::string& caption);
  void SetEnableControls(const std::string& text);
  const std::vector<std::string>& ControlledNames() const { return controlled_; }

  std::string action;

 signals:
  void elementClick();

 private:
  std::vector<std::string> controlled_;
};

}  // namespace remont
