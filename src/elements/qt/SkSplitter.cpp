#include "elements/qt/SkSplitter.h"

#include <QMouseEvent>
#include <algorithm>

#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkSplitter::TSkSplitter(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  resize(3, 100);
  SetThemeObject(this, "default");
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

namespace {

RElementClass MakeSplitterClass() {
  RElementClass c;
  c.Type = "split";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) {
    auto* split = new TSkSplitter(parent);
    SetAlign(split, EAlign::Left);
    return split;
  };
  c.Keys = {ActionKey(), SkinKey()};
  c.Commands = {
      Command<TSkSplitter>("split_show_or_hide", [](TSkSplitter& s, const RCommandCall&) { s.ShowOrHide(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeSplitterClass());

}  // namespace remont
