// Types whose element classes come with their own work: each is made as a
// plain Qt control that can be placed, anchored and aligned, so that windows
// that name it build and lay out. Their other keys are known to the type table
// (and to remont-tool check) and ignored by the viewer until then.
#include <QFrame>
#include <QLabel>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include "elements/qt/ElementClass.h"

namespace remont {
namespace {

template <class W>
RElementClass Pending(std::string_view type, std::vector<RKeySetter> keys = {AnchorKey()}) {
  RElementClass c;
  c.Type = type;
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) {
    auto* w = new W(parent);
    if constexpr (std::is_base_of_v<QFrame, W>) w->setFrameShape(QFrame::NoFrame);
    return w;
  };
  c.Keys = std::move(keys);
  c.KeysPending = true;
  return c;
}

RElementClass Gif() {
  RElementClass c = Pending<QLabel>("gif");
  c.AfterEachKey = [](QObject& o, TElementHost& host) { AttachWindowDrag(o, host); };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(Pending<QTreeWidget>("tree_ex"));
REMONT_ELEMENT_CLASS(Gif());
REMONT_ELEMENT_CLASS(Pending<QFrame>("list_img"));
REMONT_ELEMENT_CLASS(Pending<QFrame>("flash"));
REMONT_ELEMENT_CLASS(Pending<QWidget>("media"));
REMONT_ELEMENT_CLASS(Pending<QTableWidget>("grid"));
REMONT_ELEMENT_CLASS(Pending<QTextBrowser>("html_grid"));
REMONT_ELEMENT_CLASS(Pending<QFrame>("diagram", {HintKey(), AnchorKey()}));

}  // namespace remont
