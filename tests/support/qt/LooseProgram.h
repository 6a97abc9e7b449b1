// A fresh program folder for widget tests that read description files as
// loose files: no archive is open, so the engine reads them from the folder.
// Also waits for a window to become active so that real key presses reach it.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <string>

#include "archive/Pack.h"
#include "common/Helpers.h"
#include "support/TempDir.h"

namespace remont::test {

class LooseProgram {
 public:
  LooseProgram() : previous_dir_(GetProgramDir()) {
    // The archive folder is forgotten too, so loose files come from the new program folder.
    ResetPack();
    SetProgramDir(dir_.path());
  }
  ~LooseProgram() {
    ResetPack();
    SetProgramDir(previous_dir_);
  }
  LooseProgram(const LooseProgram&) = delete;
  LooseProgram& operator=(const LooseProgram&) = delete;

  // A description file (ASCII or Windows-1251 bytes).
  void Write(const std::string& name, const std::string& bytes) const { dir_.Write(name, bytes); }
  const std::string& path() const { return dir_.path(); }

 private:
  TempDir dir_;
  std::string previous_dir_;
};

// Shows a window and makes it the active one (key preview acts only there).
inline bool ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

}  // namespace remont::test
