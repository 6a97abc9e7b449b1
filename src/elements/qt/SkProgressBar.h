// type progress_bar. Whenever the drawn length of the bar changes, pending
// events are processed, so that a long search stays stoppable by its Stop
// button while it moves the bar.
#pragma once

#include <QProgressBar>

#include "elements/qt/Element.h"

namespace remont {

class TSkProgressBar : public QProgressBar, public TElement {
  Q_OBJECT

 public:
  explicit TSkProgressBar(QWidget* parent = nullptr);
  // The length of the filled part in pixels for the current value.
  int DrawnLength() const;

 private:
  void Changed();

  int drawn_ = -1;
  bool processing_ = false;
};

}  // namespace remont
