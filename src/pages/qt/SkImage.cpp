#include "elements/qt/SkImage.h"

#include "elements/qt/ElementClass.h"

namespace remont {

TSkImage::TSkImage(QWidget* parent) : QLabel(parent) {}

void TSkImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  RaiseClick();
}

namespace {

RElementClass MakeImageClass() {
  RElementClass c;
  c.Type = "image";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkImage(parent); };
  c.Keys = {ActionKey(), AnchorKey()};
  c.KeysPending = true;
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeImageClass());

}  // namespace remont
