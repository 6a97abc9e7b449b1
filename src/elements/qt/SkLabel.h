// type label: a caption; it stores its action and raises nothing.
#pragma once

#include <QLabel>
#include <string>

#include "elements/qt/Element.h"

namespace remont {

class TSkLabel : public QLabel, public TElement {
  Q_OBJECT

 public:
  explicit TSkLabel(QWidget* parent = nullptr);
  void SetCaption(const std::string& caption);
  // Key text_align: left, right, anything else centred.
  void SetCaptionAlign(const std::string& value);
  // On: blue, underlined, the hand cursor. Off: no style, the window-text
  // colour and the default cursor.
  void SetUrlStyle(bool on);
  bool UrlStyle() const { return url_; }
  // Key auto_size: the label takes the size of its caption, now and whenever
  // the caption or the font changes (a wrapping label keeps its width and
  // takes the height; a right-aligned one keeps its right edge).
  void SetAutoSize(bool on);
  bool AutoSize() const { return auto_size_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void AdjustBounds();

  bool url_ = false;
  bool auto_size_ = false;
};

}  // namespace remont
