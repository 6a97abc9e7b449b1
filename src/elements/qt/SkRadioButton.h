// type r_button: a radio button; it stores its action and raises nothing.
#pragma once

#include <QRadioButton>
#include <string>

#include "elements/qt/Element.h"

namespace remont {

class TSkRadioButton : public QRadioButton, public TElement {
  Q_OBJECT

 public:
  explicit TSkRadioButton(QWidget* parent = nullptr);
  void SetCaption(const std::string& caption);
};

}  // namespace remont
