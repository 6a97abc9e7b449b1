// The splash window that the form key splash shows while a window is built:
// a picture, centred on the screen, optionally with a progress bar that moves
// one step per element.
#pragma once

#include <string>

class QProgressBar;
class QWidget;

namespace remont {

class TSplash {
 public:
  TSplash() = default;
  ~TSplash();
  TSplash(const TSplash&) = delete;
  TSplash& operator=(const TSplash&) = delete;

  // spec: picture "*" step "*" left "*" top "*" width "*" height; everything
  // after the picture is optional, and a field that is missing or not a
  // number ends the reading. A picture that cannot be read throws the file
  // error (Windows-1251 text), which stops the building.
  void Show(const std::string& spec);
  // The bar moves one step; past 100 it starts again at the step.
  void Step();
  // At the end of the building: freed, or, when it is to stay, its bar full.
  void Finish(bool close);
  void Close();

  QWidget* Window() const { return window_; }
  QProgressBar* Bar() const { return bar_; }

 private:
  QWidget* window_ = nullptr;
  QProgressBar* bar_ = nullptr;
  int step_ = 1;
};

}  // namespace remont
