#include "elements/qt/SkPanel.h"

#include "elements/qt/ElementClass.h"

namespace remont {

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent) {
  // Opaque: what lies under a panel never shows through it.
  setAutoFillBackground(true);
  setFrameShape(QFrame::NoFrame);
  setLineWidth(0);
  setContentsMargins(0, 0, 0, 0);
  SetThemeObject(this, "default");
}

void TSkPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  RaiseClick();
}

namespace {

RElementClass MakePanelClass() {
  using P = TSkPanel;
  RElementClass c;
  c.Type = "panel";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkPanel(parent); };
  c.Keys = {
      ActionKey(),
      // A caption is set, but the step after every key empties it again.
      Key<P>("caption", [](P&, const TKeyValue&) {}),
      Key<P>("visible_ex", [](P& p, const TKeyValue& v) {
        if (v.Bool()) p.ShowOrHide();
      }),
      Key<P>("min_width", [](P& p, const TKeyValue& v) { p.setMinimumWidth(v.Number()); }),
      Key<P>("max_width", [](P& p, const TKeyValue& v) { p.setMaximumWidth(v.Number()); }),
      Key<P>("min_height", [](P& p, const TKeyValue& v) { p.setMinimumHeight(v.Number()); }),
      AnchorKey(),
      SkinKey(),
  };
  c.AfterEachKey = [](QObject& o, TElementHost& host) { AttachWindowDrag(o, host); };
  c.Commands = {
      Command<P>("panel_show_or_hide", [](P& p, const RCommandCall&) { p.ShowOrHide(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakePanelClass());

}  // namespace remont
