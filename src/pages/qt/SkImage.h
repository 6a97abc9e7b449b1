// type image: a picture that raises its action on click. Loading, fitting and
// the picture commands come with the picture element's own work.
#pragma once

#include <QLabel>

#include "elements/qt/Element.h"

namespace remont {

class TSkImage : public QLabel, public TElement {
  Q_OBJECT

 public:
  explicit TSkImage(QWidget* parent = nullptr);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace remont
