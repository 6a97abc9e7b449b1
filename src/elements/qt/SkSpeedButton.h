// type sp_button: a flat button that can stay down. Buttons of one parent
// with the same non-zero group are down one at a time; a button of group 0
// is never down (its remembered state still toggles). It raises its action on
// click, with itself as the anchor of the command.
#pragma once

#include <QToolButton>
#include <string>

#include "elements/qt/Element.h"

class QMenu;

namespace remont {

class TSkSpeedButton : public QToolButton, public TElement {
  Q_OBJECT

 public:
  explicit TSkSpeedButton(QWidget* parent = nullptr);
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
  RHelpAction ClickRequest(TElementHost& host) override;

 protected:
  void nextCheckState() override;

 private:
  void SetDown(bool on);  // the platform's down state, with the group rule

  int group_ = 0;
  bool remembered_down_ = false;
};

}  // namespace remont
