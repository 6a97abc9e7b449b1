// The viewer's entry: one copy per user, the Qt platform installed, the
// program folder made the current folder (names resolve against it), the
// content archive opened, then the main window and the message loop.
#include <unistd.h>

#include <QApplication>
#include <QWidget>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/qt/QtPlatform.h"
#include "common/qt/QtText.h"
#include "shell/SingleInstance.h"

int main(int argc, char** argv) {
  remont::SingleInstance instance;
  if (!instance.Acquire()) return 0;  // another copy runs: end at once, silently

  QApplication app(argc, argv);
  QApplication::setApplicationName("Remont");
  remont::QtPlatform platform;
  remont::SetPlatform(&platform);

  const std::string dir = remont::GetProgramDir();
  if (chdir(remont::Cp1251ToUtf8(dir).c_str()) != 0) {
    // Names still resolve against the program folder through GetProgramPath.
  }
  remont::OpenPack(remont::GetProgramPath("interface.dat"));

  QWidget window(nullptr, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                              Qt::WindowCloseButtonHint);
  window.setObjectName("frmMain");
  window.setWindowTitle(remont::ToQ(remont::msg::MainCaption()));
  window.resize(775, 513);
  window.show();
  const int rc = app.exec();
  remont::ClosePack();
  remont::SetPlatform(nullptr);
  return rc;
}
