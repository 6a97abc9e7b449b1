// type parent_panel: a plain container painted with its brush colour, whose
// width and height may be percentages of the parent's client size.
#pragma once

#include <QWidget>
#include <string>

#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

class TParentPanel : public QWidget, public TElement, public TCentring {
  Q_OBJECT

 public:
  explicit TParentPanel(QWidget* parent = nullptr);
  void SetColor(int colour);
  // The width and height keys: pixels, or a number and "%". Throws ConvertError.
  void SetWidthText(const std::string& text) override;
  void SetHeightText(const std::string& text) override;
  void ApplyPercentSize();
  // When the window is being resized: the percentages taken afresh from the
  // panel's size and the parent's size at the last ApplyPercentSize (so that a
  // panel the user resized keeps its new share).
  void RemeasurePercentSize();
  int WidthPercent() const { return width_percent_; }
  int HeightPercent() const { return height_percent_; }

 protected:
  QWidget* CentredWidget() override { return this; }

 private:
  int width_percent_ = 0;
  int height_percent_ = 0;
  QSize base_;  // the parent's outer size when the percentages were last applied
};

}  // namespace remont
