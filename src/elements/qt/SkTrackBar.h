// type track_bar: stores its action; Flash and media elements take over its mouse.
#pragma once

#include <QSlider>

#include "elements/qt/Element.h"

namespace remont {

class TSkTrackBar : public QSlider, public TElement {
  Q_OBJECT

 public:
  explicit TSkTrackBar(QWidget* parent = nullptr);
};

}  // namespace remont
