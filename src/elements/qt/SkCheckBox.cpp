#include "elements/qt/SkCheckBox.h"

#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkCheckBox::TSkCheckBox(QWidget* parent, const std::string& section) : QCheckBox(parent) {
  SetShowHint(this, true);
  setFocusPolicy(Qt::StrongFocus);
  SetCaption(section);
  connect(this, &QCheckBox::clicked, this, [this] { RaiseClick(); });
}

void TSkCheckBox::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TSkCheckBox::SetEnableControls(const std::string& text) { AddControlledNames(text, controlled_); }

RHelpAction TSkCheckBox::ClickRequest(TElementHost& host) {
  // The controlled elements follow the box before its command runs.
  for (const std::string& name : controlled_) {
    if (QObject* target = host.GetComponent(name, "")) {
      if (auto* w = qobject_cast<QWidget*>(target)) w->setEnabled(isChecked());
    } else {
      host.ShowError(msg::EnableControlHint(FromQ(objectName())));
    }
  }
  RHelpAction request;
  request.Action = InsertValue(Action(), isChecked() ? "1" : "0", true);
  return request;
}

namespace {

RElementClass MakeCheckBoxClass() {
  using C = TSkCheckBox;
  RElementClass c;
  c.Type = "check_box";
  c.Make = [](QWidget* parent, const std::string& section, TElementHost&) { return new TSkCheckBox(parent, section); };
  c.Keys = {
      ActionKey(),
      HintKey(),
      Key<C>("caption", [](C& b, const TKeyValue& v) { b.SetCaption(v.Text()); }),
      Key<C>("check", [](C& b, const TKeyValue& v) { b.setChecked(v.Bool()); }),
      Key<C>("enable_control", [](C& b, const TKeyValue& v) { b.SetEnableControls(v.Text()); }),
      AnchorKey(),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeCheckBoxClass());

}  // namespace remont
