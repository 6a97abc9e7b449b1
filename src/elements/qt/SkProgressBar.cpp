#include "elements/qt/SkProgressBar.h"

#include <QCoreApplication>

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkProgressBar::TSkProgressBar(QWidget* parent) : QProgressBar(parent) {
  SetShowHint(this, true);
  setTextVisible(false);
  setRange(0, 100);
  setValue(0);
  drawn_ = DrawnLength();
  connect(this, &QProgressBar::valueChanged, this, &TSkProgressBar::Changed);
}

int TSkProgressBar::DrawnLength() const {
  const long long span = static_cast<long long>(maximum()) - minimum();
  if (span <= 0) return 0;
  const int length = orientation() == Qt::Horizontal ? width() : height();
  return static_cast<int>(length * (static_cast<long long>(value()) - minimum()) / span);
}

void TSkProgressBar::Changed() {
  const int now = DrawnLength();
  if (now == drawn_) return;
  drawn_ = now;
  if (processing_) return;  // a value set from inside the processing below
  processing_ = true;
  QCoreApplication::processEvents();
  processing_ = false;
}

namespace {

RElementClass MakeProgressBarClass() {
  RElementClass c;
  c.Type = "progress_bar";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkProgressBar(parent); };
  c.Keys = {HintKey(), AnchorKey()};
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeProgressBarClass());

}  // namespace remont
