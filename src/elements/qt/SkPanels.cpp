#include "elements/qt/SkPanels.h"

#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace remont {

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  setLineWidth(0);
  setContentsMargins(0, 0, 0, 0);
  SetThemeObject(this, "default");
}

void TSkPanel::ShowOrHide() {
  if (ElementVisible(this)) {
    saved_left_ = x();
    saved_top_ = y();
    hide();
    return;
  }
  show();
  move(saved_left_, saved_top_);
}

void TSkPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  emit elementClick();
}

void TSkPanel::mousePressEvent(QMouseEvent* event) {
  QFrame::mousePressEvent(event);
  if (mouse_down) mouse_down(event->button());
}

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
  const QSize client = ClientSize(parentWidget());
  QSize size = this->size();
  if (auto w = PercentOf(width_percent_, client.width())) size.setWidth(*w);
  if (auto h = PercentOf(height_percent_, client.height())) size.setHeight(*h);
  resize(size);
}

void TParentPanel::RemeasurePercentSize() {
  const QSize outer = OuterSize(parentWidget());
  width_percent_ = RemeasurePercent(width_percent_, width(), outer.width());
  height_percent_ = RemeasurePercent(height_percent_, height(), outer.height());
}

void TParentPanel::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (mouse_down) mouse_down(event->button());
}

TSkSplitter::TSkSplitter(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  resize(3, 100);
  SetThemeObject(this, "default");
}

void TSkSplitter::ShowOrHide() {
  if (ElementVisible(this)) {
    saved_left_ = x();
    saved_top_ = y();
    hide();
    return;
  }
  show();
  move(saved_left_, saved_top_);
}

void TSkSplitter::SetNeighbour(QWidget* neighbour, bool after) {
  neighbour_ = neighbour;
  after_ = after;
}

void TSkSplitter::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  setCursor(Vertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void TSkSplitter::mousePressEvent(QMouseEvent* event) {
  press_ = event->globalPosition().toPoint();
  QFrame::mousePressEvent(event);
}

void TSkSplitter::mouseMoveEvent(QMouseEvent* event) {
  QFrame::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton) || !neighbour_) return;
  const QPoint now = event->globalPosition().toPoint();
  const int delta = Vertical() ? now.x() - press_.x() : now.y() - press_.y();
  if (delta == 0) return;
  press_ = now;
  const int sign = after_ ? -1 : 1;
  if (Vertical()) {
    const int w = std::max(0, neighbour_->width() + sign * delta);
    if (after_) neighbour_->setGeometry(neighbour_->x() + neighbour_->width() - w, neighbour_->y(), w, neighbour_->height());
    else neighbour_->resize(w, neighbour_->height());
    move(x() + delta, y());
  } else {
    const int h = std::max(0, neighbour_->height() + sign * delta);
    if (after_) neighbour_->setGeometry(neighbour_->x(), neighbour_->y() + neighbour_->height() - h, neighbour_->width(), h);
    else neighbour_->resize(neighbour_->width(), h);
    move(x(), y() + delta);
  }
}

}  // namespace remont
