// type split: a bar that resizes its neighbour when dragged and comes back
// where it was when shown again. It starts aligned left, as the platform's
// splitter does. An aligned bar finds its neighbour where the platform's
// splitter does (the element just before it on its side) and keeps it at
// least kMinSize pixels, leaving as much to the rest of the container; a bar
// that is not aligned resizes the neighbour it was given.
#pragma once

#include <QFrame>
#include <QPointer>

#include "elements/qt/Element.h"

namespace remont {

class TSkSplitter : public QFrame, public TElement {
  Q_OBJECT

 public:
  static constexpr int kMinSize = 30;

  explicit TSkSplitter(QWidget* parent = nullptr);
  void ShowOrHide() override { ShowOrHideInPlace(); }
  // The element the bar resizes: on its left (or above it) unless after is on.
  void SetNeighbour(QWidget* neighbour, bool after = false);
  bool Vertical() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The aligned bar's neighbour and its limits, found when the bar is pressed.
  void FindAlignedNeighbour();

  QPointer<QWidget> neighbour_;
  bool after_ = false;
  QPoint press_;
  QPointer<QWidget> aligned_neighbour_;
  int size_at_press_ = 0;
  int max_size_ = 0;
};

}  // namespace remont
