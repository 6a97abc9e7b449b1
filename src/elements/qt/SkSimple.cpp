#include "elements/qt/SkSimple.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

#include "common/qt/QtText.h"

namespace remont {

TSkTrackBar::TSkTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  SetShowHint(this, true);
  SetThemeObject(this, "default");
}

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

TSkPic::TSkPic(QWidget* parent) : QLabel(parent) {}

void TSkPic::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (mouse_down) mouse_down(event->button());
}

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent) {
  SetShowHint(this, true);
  setTextFormat(Qt::PlainText);
}

void TSkLabel::SetCaption(const std::string& caption) {
  setText(ToQ(caption));
  AdjustBounds();
}

void TSkLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  AdjustBounds();
}

void TSkLabel::AdjustBounds() {
  if (!auto_size_) return;
  QSize size = sizeHint();
  if (wordWrap()) size = QSize(width(), heightForWidth(width()));
  const int right = x() + width();
  const bool keep_right = !wordWrap() && (alignment() & Qt::AlignRight);
  setGeometry(keep_right ? right - size.width() : x(), y(), size.width(), size.height());
  RequestAlign(this);
}

void TSkLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) AdjustBounds();
}

void TSkLabel::SetUrlStyle(bool on) {
  url_ = on;
  QFont f = font();
  f.setBold(false);
  f.setItalic(false);
  f.setStrikeOut(false);
  f.setUnderline(on);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : QApplication::palette(this).color(QPalette::WindowText));
  setPalette(p);
  if (on)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
}

void TSkLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (mouse_down) mouse_down(event->button());
}

}  // namespace remont
