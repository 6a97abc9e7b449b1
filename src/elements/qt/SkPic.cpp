#include "elements/qt/SkPic.h"

#include "elements/qt/ElementClass.h"

namespace remont {

TSkPic::TSkPic(QWidget* parent) : QLabel(parent) {}

namespace {

RElementClass MakePicClass() {
  RElementClass c;
  c.Type = "pic";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkPic(parent); };
  c.Keys = {AnchorKey(), SkinKey()};
  c.AfterEachKey = [](QObject& o, TElementHost& host) { AttachWindowDrag(o, host); };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakePicClass());

}  // namespace remont
