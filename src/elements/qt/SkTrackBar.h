#pragma once

#include <QSlider>
#include <functional>

#include "elements/qt/Element.h"

namespace remont {

// The track bar: a horizontal slider. A player that follows it takes its
// press and release (OnMouseDown/OnMouseUp, replacing any earlier ones): a
// press stops the player, a release seeks to Position. A move made with the
// keyboard counts as a press and a release, so the bar seeks from the keys too.
class TSkTrackBar : public QSlider, public TElement {
  Q_OBJECT

 public:
  explicit TSkTrackBar(QWidget* parent = nullptr);
  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  int Max() const { return maximum(); }
  void SetMax(int max) { setMaximum(max); }

  std::function<void()> OnMouseDown;
  std::function<void()> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace remont
