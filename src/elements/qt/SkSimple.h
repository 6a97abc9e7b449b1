// Elements without items: track bar, progress bar, picture, label.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <string>

#include "elements/qt/ElementSupport.h"

namespace remont {

// type track_bar: stores its action; Flash and media elements take over its mouse.
class TSkTrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TSkTrackBar(QWidget* parent = nullptr);

  std::string action;
};

// type progress_bar. Whenever the drawn length of the bar changes, pending
// events are processed, so that a long search stays stoppable by its Stop
// button while it moves the bar.
class TSkProgressBar : public QProgressBar {
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

// type pic: a picture.
class TSkPic : public QLabel {
  Q_OBJECT

 public:
  explicit TSkPic(QWidget* parent = nullptr);

  MouseDownHandler mouse_down;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// type label: stores its action and raises nothing.
class TSkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TSkLabel(QWidget* parent = nullptr);
  void SetCaption(const std::string& caption);
  // On: blue, underlined, the hand cursor. Off: no style, the window-text
  // colour and the default cursor.
  void SetUrlStyle(bool on);
  bool UrlStyle() const { return url_; }
  // Key auto_size: the label takes the size of its caption, now and whenever
  // the caption or the font changes (a wrapping label keeps its width and
  // takes the height; a right-aligned one keeps its right edge).
  void SetAutoSize(bool on);
  bool AutoSize() const { return auto_size_; }

  std::string action;
  MouseDownHandler mouse_down;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void AdjustBounds();

  bool url_ = false;
  bool auto_size_ = false;
};

}  // namespace remont
