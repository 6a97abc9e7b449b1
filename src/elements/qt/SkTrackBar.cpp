#include "elements/qt/SkTrackBar.h"

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkTrackBar::TSkTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  SetShowHint(this, true);
  SetThemeObject(this, "default");
}

void TSkTrackBar::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  if (OnMouseDown) OnMouseDown();
  QSlider::mousePressEvent(event);
}

void TSkTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  if (!pressed_) return;
  pressed_ = false;
  if (OnMouseUp) OnMouseUp();
}

void TSkTrackBar::keyPressEvent(QKeyEvent* event) {
  const int before = value();
  QSlider::keyPressEvent(event);
  if (value() == before) return;
  if (OnMouseDown) OnMouseDown();
  if (OnMouseUp) OnMouseUp();
}

namespace {

RElementClass MakeTrackBarClass() {
  RElementClass c;
  c.Type = "track_bar";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkTrackBar(parent); };
  c.Keys = {ActionKey(), HintKey(), AnchorKey(), SkinKey()};
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeTrackBarClass());

}  // namespace remont
