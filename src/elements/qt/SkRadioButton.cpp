#include "elements/qt/SkRadioButton.h"

#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkRadioButton::TSkRadioButton(QWidget* parent) : QRadioButton(parent) {
  SetShowHint(this, true);
  setProperty("transparent", true);
  setFocusPolicy(Qt::StrongFocus);
  setText(QString());
}

void TSkRadioButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

namespace {

RElementClass MakeRadioButtonClass() {
  using R = TSkRadioButton;
  RElementClass c;
  c.Type = "r_button";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkRadioButton(parent); };
  c.Keys = {
      ActionKey(),
      HintKey(),
      Key<R>("caption", [](R& r, const TKeyValue& v) { r.SetCaption(v.Text()); }),
      Key<R>("check", [](R& r, const TKeyValue& v) { r.setChecked(v.Bool()); }),
      AnchorKey(),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeRadioButtonClass());

}  // namespace remont
