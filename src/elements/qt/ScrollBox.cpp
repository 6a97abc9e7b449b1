// type scroll_box: a scrolling container; the elements placed under it lie on
// its inner area, which follows the box's size.
#include <QScrollArea>

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {
namespace {

RElementClass MakeScrollBoxClass() {
  RElementClass c;
  c.Type = "scroll_box";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) {
    auto* area = new QScrollArea(parent);
    area->setWidget(new QWidget(area));
    area->setWidgetResizable(true);
    SetThemeObject(area, "default");
    return area;
  };
  c.Keys = {AnchorKey(), SkinKey()};
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeScrollBoxClass());

}  // namespace remont
