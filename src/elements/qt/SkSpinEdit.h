// type spin_edit: an integer spin box held between a lower and an upper bound.
#pragma once

#include <QSpinBox>

#include "elements/ControlRules.h"
#include "elements/qt/Element.h"

namespace remont {

// (-1 and 1000000 until the keys min and max set them).
class TSkSpinEdit : public QSpinBox, public TElement {
  Q_OBJECT

 public:
  explicit TSkSpinEdit(QWidget* parent = nullptr);
  void SetUpperBound(int n);
  void SetLowerBound(int n);
  const TSpinBounds& Bounds() const { return bounds_; }

 private:
  void Changed(int value);
  void Put(long double value);

  TSpinBounds bounds_;
  bool clamping_ = false;
};

}  // namespace remont
