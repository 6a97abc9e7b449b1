#include "description/qt/Splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <stdexcept>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "elements/ControlRules.h"

namespace remont {

TSplash::~TSplash() { Close(); }

void TSplash::Show(const std::string& spec) {
  step_ = 1;
  std::string rest = spec;
  const std::string file = CutToken(rest, "*");
  // Splash pictures are plain files: a JPEG by its name as written, anything else from the program folder.
  const bool jpeg = LowerCase(ExtractFileExt(file)) == ".jpg";
  const auto path = FindLooseFile(jpeg ? file : GetProgramPath(file));
  QPixmap picture;
  if (!path || !picture.load(QString::fromStdString(*path))) throw std::runtime_error(msg::CannotOpenFile(file));
  if (!window_) {
    window_ = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window_->setObjectName("splash");
    auto* label = new QLabel(window_);
    label->setObjectName("splash_picture");
  }
  auto* label = window_->findChild<QLabel*>("splash_picture");
  label->setPixmap(picture);
  label->setGeometry(0, 0, picture.width(), picture.height());
  window_->resize(picture.size());
  if (!rest.empty()) {
    if (!bar_) {
      bar_ = new QProgressBar(window_);
      bar_->setTextVisible(false);
      bar_->setRange(0, 100);
      bar_->setValue(0);
    }
    int values[5] = {step_, 0, 0, 0, 0};
    int n = 0;
    while (n < 5 && !rest.empty()) {
      int v = 0;
      if (!TryStrToInt(CutToken(rest, "*"), v)) break;
      values[n++] = v;
    }
    if (n > 0) step_ = values[0];
    if (n >= 5) bar_->setGeometry(values[1], values[2], values[3], values[4]);
    else if (n >= 3) bar_->move(values[1], values[2]);
  }
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window_->move(screen->geometry().center() - window_->rect().center());
  window_->show();
  QCoreApplication::processEvents();
}

void TSplash::Step() {
  if (!bar_) return;
  bar_->setValue(NextSplashPosition(bar_->value(), step_));
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplash::Finish(bool close) {
  if (close) Close();
  else if (bar_) bar_->setValue(bar_->maximum());
}

void TSplash::Close() {
  delete window_;  // the bar and the picture go with it
  window_ = nullptr;
  bar_ = nullptr;
}

}  // namespace remont
