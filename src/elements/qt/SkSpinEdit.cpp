#include "elements/qt/SkSpinEdit.h"

#include <climits>
#include <cmath>

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkSpinEdit::TSkSpinEdit(QWidget* parent) : QSpinBox(parent) {
  SetShowHint(this, true);
  setFocusPolicy(Qt::StrongFocus);
  // The control itself sets no limit; the bounds below do.
  setRange(INT_MIN, INT_MAX);
  setValue(0);
  connect(this, &QSpinBox::valueChanged, this, &TSkSpinEdit::Changed);
}

void TSkSpinEdit::Put(long double v) {
  const long double r = std::round(v);
  const int n = r < INT_MIN ? INT_MIN : r > INT_MAX ? INT_MAX : static_cast<int>(r);
  if (n != value()) setValue(n);
}

void TSkSpinEdit::Changed(int v) {
  // The clamped value comes back through this handler; with a lower bound
  // above the upper one the two would push the value to and fro for ever.
  if (clamping_) return;
  clamping_ = true;
  Put(bounds_.Clamp(v));
  clamping_ = false;
}
void TSkSpinEdit::SetUpperBound(int n) { Put(bounds_.SetUpperBound(n, value())); }
void TSkSpinEdit::SetLowerBound(int n) { Put(bounds_.SetLowerBound(n, value())); }

namespace {

RElementClass MakeSpinEditClass() {
  using S = TSkSpinEdit;
  RElementClass c;
  c.Type = "spin_edit";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkSpinEdit(parent); };
  c.Keys = {
      HintKey(),
      Key<S>("max", [](S& s, const TKeyValue& v) { s.SetUpperBound(v.Number()); }),
      Key<S>("min", [](S& s, const TKeyValue& v) { s.SetLowerBound(v.Number()); }),
      AnchorKey(),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeSpinEditClass());

}  // namespace remont
