#include "elements/qt/SkPanels.h"

#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace remont {

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent) {
  // Opaque: what lies under a panel never shows through it.
  setAutoFillBackground(true);
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
  RequestAlign(this);  // an aligned element goes where the alignment puts it
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
  RequestAlign(this);  // an aligned element goes where the alignment puts it
}

void TSkSplitter::SetNeighbour(QWidget* neighbour, bool after) {
  neighbour_ = neighbour;
  after_ = after;
}

bool TSkSplitter::Vertical() const {
  const EAlign a = GetAlign(this);
  if (a == EAlign::Left || a == EAlign::Right) return true;
  if (a == EAlign::Top || a == EAlign::Bottom) return false;
  return height() >= width();
}

void TSkSplitter::FindAlignedNeighbour() {
  aligned_neighbour_ = nullptr;
  const EAlign a = GetAlign(this);
  TChildLayout* layout = TChildLayout::Find(parentWidget());
  if (!layout || !(a == EAlign::Left || a == EAlign::Right || a == EAlign::Top || a == EAlign::Bottom)) return;
  std::vector<QWidget*> siblings;
  for (QObject* o : parentWidget()->children())
    if (auto* w = qobject_cast<QWidget*>(o); w && w != this && !w->isWindow()) siblings.push_back(w);
  const std::vector<RAlignChild> described = layout->Describe(siblings);
  const int i = SplitterNeighbour(a, {x(), y(), width(), height()}, described);
  if (i < 0) return;
  aligned_neighbour_ = siblings[static_cast<size_t>(i)];
  const bool across = a == EAlign::Left || a == EAlign::Right;
  size_at_press_ = across ? aligned_neighbour_->width() : aligned_neighbour_->height();
  std::vector<RAlignChild> with_bar = described;
  with_bar.push_back(layout->Describe({this})[0]);
  const QRect client = parentWidget()->contentsRect();
  max_size_ = SplitterMaxSize(a, {client.x(), client.y(), client.width(), client.height()}, kMinSize, i, with_bar);
}

void TSkSplitter::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  setCursor(Vertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void TSkSplitter::mousePressEvent(QMouseEvent* event) {
  press_ = event->globalPosition().toPoint();
  FindAlignedNeighbour();
  QFrame::mousePressEvent(event);
}

void TSkSplitter::mouseMoveEvent(QMouseEvent* event) {
  QFrame::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint now = event->globalPosition().toPoint();
  if (aligned_neighbour_) {
    // The neighbour takes its new size; the alignment moves the bar after it.
    const EAlign a = GetAlign(this);
    const bool across = a == EAlign::Left || a == EAlign::Right;
    const int delta = across ? now.x() - press_.x() : now.y() - press_.y();
    const int size = SplitterNewSize(a, size_at_press_, delta, kMinSize, max_size_);
    if (across) aligned_neighbour_->resize(size, aligned_neighbour_->height());
    else aligned_neighbour_->resize(aligned_neighbour_->width(), size);
    RequestAlign(aligned_neighbour_);
    return;
  }
  if (!neighbour_) return;
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
