#include "elements/qt/SkTrackBar.h"

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkTrackBar::TSkTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  SetShowHint(this, true);
  SetThemeObject(this, "default");
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
