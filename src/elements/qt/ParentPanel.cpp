#include "elements/qt/ParentPanel.h"

#include <QPalette>

#include "elements/qt/ElementClass.h"

namespace remont {

TParentPanel::TParentPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  resize(100, 50);
}

void TParentPanel::SetColor(int colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  setPalette(p);
}

void TParentPanel::SetWidthText(const std::string& text) {
  int pixels = width();
  if (SetSizeText(text, pixels, width_percent_))
    ApplyPercentSize();
  else
    resize(pixels, height());
}

void TParentPanel::SetHeightText(const std::string& text) {
  int pixels = height();
  if (SetSizeText(text, pixels, height_percent_))
    ApplyPercentSize();
  else
    resize(width(), pixels);
}

void TParentPanel::ApplyPercentSize() {
  base_ = OuterSize(parentWidget());
  const QSize client = ClientSize(parentWidget());
  QSize size = this->size();
  if (auto w = PercentOf(width_percent_, client.width())) size.setWidth(*w);
  if (auto h = PercentOf(height_percent_, client.height())) size.setHeight(*h);
  resize(size);
}

void TParentPanel::RemeasurePercentSize() {
  const QSize outer = base_.isValid() ? base_ : OuterSize(parentWidget());
  width_percent_ = RemeasurePercent(width_percent_, width(), outer.width());
  height_percent_ = RemeasurePercent(height_percent_, height(), outer.height());
}

namespace {

RElementClass MakeParentPanelClass() {
  using P = TParentPanel;
  RElementClass c;
  c.Type = "parent_panel";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TParentPanel(parent); };
  c.Keys = {
      ActionKey(),
      Key<P>("min_width", [](P& p, const TKeyValue& v) { p.setMinimumWidth(v.Number()); }),
      Key<P>("min_height", [](P& p, const TKeyValue& v) { p.setMinimumHeight(v.Number()); }),
      Key<P>("color", [](P& p, const TKeyValue& v) { p.SetColor(v.Colour()); }),
      AnchorKey(),
  };
  c.AfterEachKey = [](QObject& o, TElementHost& host) { AttachWindowDrag(o, host); };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeParentPanelClass());

}  // namespace remont
