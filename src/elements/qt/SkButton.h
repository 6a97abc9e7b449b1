// type button: a push button that raises its action on click, with itself as
// the anchor of the command (menu_show drops a menu just below it).
#pragma once

#include <QPushButton>
#include <string>

#include "elements/qt/Element.h"

namespace remont {

class TSkButton : public QPushButton, public TElement {
  Q_OBJECT

 public:
  explicit TSkButton(QWidget* parent = nullptr);
  void SetCaption(const std::string& caption);
  void SetTransparent(bool on);
  // Key text_align: left, right, anything else centred.
  void SetCaptionAlign(const std::string& value);
  Qt::Alignment CaptionAlign() const { return caption_align_; }
  // Key word_wrap: the caption breaks into lines within the button.
  void SetWordWrap(bool on);
  bool WordWrap() const { return word_wrap_; }
  RHelpAction ClickRequest(TElementHost& host) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Alignment caption_align_ = Qt::AlignHCenter;
  bool word_wrap_ = false;
};

}  // namespace remont
