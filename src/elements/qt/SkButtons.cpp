#include "elements/qt/SkButtons.h"

#include <QMenu>

#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent) {
  SetShowHint(this, true);
  SetTransparent(true);
  setFocusPolicy(Qt::StrongFocus);
  SetThemeObject(this, "default");
  connect(this, &QPushButton::clicked, this, &TSkButton::elementClick);
}

void TSkButton::ShowOrHide() { InvertVisible(this); }
void TSkButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TSkButton::SetTransparent(bool on) {
  setProperty("transparent", on);
  setAutoFillBackground(!on);
}

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent) {
  SetShowHint(this, true);
  SetTransparent(true);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  SetThemeObject(this, "default");
  connect(this, &QToolButton::clicked, this, &TSkSpeedButton::elementClick);
}

void TSkSpeedButton::ShowOrHide() { InvertVisible(this); }
void TSkSpeedButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TSkSpeedButton::SetTransparent(bool on) {
  setProperty("transparent", on);
  setAutoFillBackground(!on);
}

void TSkSpeedButton::SetGroup(int group) {
  group_ = group;
  setCheckable(group != 0);
  if (group == 0) setChecked(false);
}

void TSkSpeedButton::SetDown(bool on) {
  if (group_ == 0) on = false;
  setChecked(on);
  if (!on || !parentWidget()) return;
  for (auto* other : parentWidget()->findChildren<TSkSpeedButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other != this && other->group_ == group_) other->setChecked(false);
  }
}

void TSkSpeedButton::SetDownRemembered(bool on) {
  SetDown(on);
  remembered_down_ = Down();
}

void TSkSpeedButton::ToggleDown() {
  if (remembered_down_) {
    SetDown(false);
    remembered_down_ = false;
  } else {
    remembered_down_ = true;
    SetDown(true);
  }
}

void TSkSpeedButton::nextCheckState() {
  // A click puts a grouped button down; a down one stays down.
  if (group_ != 0 && !Down()) SetDown(true);
}

void TSkSpeedButton::SetChevronMenu(QMenu* menu) {
  setMenu(menu);
  setPopupMode(menu ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
}

TSkRadioButton::TSkRadioButton(QWidget* parent) : QRadioButton(parent) {
  SetShowHint(this, true);
  setProperty("transparent", true);
  setFocusPolicy(Qt::StrongFocus);
  setText(QString());
}

void TSkRadioButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

TSkCheckBox::TSkCheckBox(QWidget* parent, const std::string& section) : QCheckBox(parent) {
  SetShowHint(this, true);
  setFocusPolicy(Qt::StrongFocus);
  SetCaption(section);
  connect(this, &QCheckBox::clicked, this, &TSkCheckBox::elementClick);
}

void TSkCheckBox::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TSkCheckBox::SetEnableControls(const std::string& text) { AddControlledNames(text, controlled_); }

}  // namespace remont
