#include "elements/qt/SkSpeedButton.h"

#include <QMenu>

#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkTree.h"

namespace remont {

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent) {
  SetShowHint(this, true);
  SetTransparent(true);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  SetThemeObject(this, "default");
  connect(this, &QToolButton::clicked, this, [this] { RaiseClick(); });
}

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

RHelpAction TSkSpeedButton::ClickRequest(TElementHost&) { return ActionWithAnchor(this, Action()); }

namespace {

RElementClass MakeSpeedButtonClass() {
  using B = TSkSpeedButton;
  RElementClass c;
  c.Type = "sp_button";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkSpeedButton(parent); };
  c.Keys = {
      ActionKey(),
      Key<B>("caption", [](B& b, const TKeyValue& v) { b.SetCaption(v.Text()); }),
      HintKey(),
      FontKey(),
      Key<B>("transparent", [](B& b, const TKeyValue& v) { b.SetTransparent(v.Bool()); }),
      Key<B>("group", [](B& b, const TKeyValue& v) { b.SetGroup(v.Number()); }),
      Key<B>("down", [](B& b, const TKeyValue& v) { b.SetDownRemembered(v.Bool()); }),
      Key<B>("menu", [](B& b, const TKeyValue& v) {
        if (auto* m = v.ElementAs<QMenu>()) b.SetChevronMenu(m);
      }),
      Key<B>("but_next_tree", [](B& b, const TKeyValue& v) {
        if (auto* t = v.ElementAs<TSkTree>()) t->SetNextButton(&b);
      }),
      Key<B>("but_prev_tree", [](B& b, const TKeyValue& v) {
        if (auto* t = v.ElementAs<TSkTree>()) t->SetPrevButton(&b);
      }),
      AnchorKey(),
      SkinKey(),
  };
  c.Commands = {
      Command<B>("click_spbut", [](B& b, const RCommandCall& call) { call.Host.ElementClick(&b); }),
      Command<B>("spbutton_down", [](B& b, const RCommandCall& call) { b.SetDownRemembered(ParseBool(call.P2, true)); }),
      Command<B>("sbutton_down", [](B& b, const RCommandCall&) { b.ToggleDown(); }),
      Command<B>("spbutton_show_or_hide", [](B& b, const RCommandCall&) { b.ShowOrHide(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeSpeedButtonClass());

}  // namespace remont
