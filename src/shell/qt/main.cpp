// The viewer's entry: one copy per user, the Qt platform installed, the
// program folder made the current folder (names resolve against it), the
// content archive opened, then the main window and the message loop.
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <exception>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/qt/QtPlatform.h"
#include "common/qt/QtText.h"
#include "common/qt/Translations.h"
#include "shell/SingleInstance.h"
#include "shell/qt/FrmMain.h"
#include "shell/qt/QuitOnSignal.h"

int main(int argc, char** argv) {
  remont::SingleInstance instance;
  if (!instance.Acquire()) return 0;  // another copy runs: end at once, silently

  QApplication app(argc, argv);
  QApplication::setApplicationName("Remont");
  remont::InstallQtTranslations();
  remont::QuitOnTerminationSignals();
  remont::QtPlatform platform;
  remont::SetPlatform(&platform);

  const std::string dir = remont::GetProgramDir();
  if (chdir(remont::Cp1251ToUtf8(dir).c_str()) != 0) {
    // Names still resolve against the program folder through GetProgramPath.
  }
  // Ctrl+Alt+Q: the lock goes first, so the new copy does not see this one.
  remont::TSkForm::SetRestartHandler([&instance] {
    instance.Release();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    std::_Exit(0);
  });

  int rc = 0;
  {
    remont::TfrmMain main_window;
    remont::TfrmSearch search(&main_window);
    main_window.SetSearchWindow(&search);
    try {
      main_window.FormCreate();
      search.FormCreate();
    } catch (const std::exception& e) {
      // A description that stops building: the application's default error box.
      platform.ShowErrorBox(e.what());
    }
    main_window.show();
    rc = app.exec();
  }
  remont::SetPlatform(nullptr);
  return rc;
}
