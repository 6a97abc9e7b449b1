// type pic: a picture of the skin.
#pragma once

#include <QLabel>

#include "elements/qt/Element.h"

namespace remont {

class TSkPic : public QLabel, public TElement {
  Q_OBJECT

 public:
  explicit TSkPic(QWidget* parent = nullptr);
};

}  // namespace remont
