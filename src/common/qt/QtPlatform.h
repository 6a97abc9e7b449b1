// The viewer's platform: Qt message boxes and dialogs, the desktop's shell,
// QSettings (INI, user's config folder) as the settings store.
#pragma once

#include <QString>
#include <QSettings>
#include <QUrl>
#include <memory>

#include "common/Platform.h"

namespace remont {

class QtPlatform : public Platform {
 public:
  // The settings store: the user's configuration folder (Remont/Remont.ini),
  // or the given INI file.
  explicit QtPlatform(const QString& settings_file = QString());
  ~QtPlatform() override;

  void ShowMessage(const std::string& text, MessageKind kind) override;
  void ShowErrorBox(const std::string& text) override;
  std::string OpenFileDialog(const std::string& filter) override;
  std::string SaveFileDialog(const std::string& filter) override;
  void ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb) override;
  void RunProgram(const std::string& file, const std::string& arguments) override;
  std::string DefaultPrinter() override;
  bool ReadSetting(const std::string& group, const std::string& name, std::string& value) override;
  void WriteSetting(const std::string& group, const std::string& name, const std::string& value) override;
  void DeleteSetting(const std::string& group, const std::string& name) override;
  // Applied through gsettings (GNOME's desktop background) when that program
  // exists; otherwise the settings store alone keeps the wallpaper.
  void SetWallpaper(const std::string& file) override;
  void CloseSibling() override;
  void ShowHelp(const std::string& file, const std::string& topic) override;
  bool PrintDialog(RPrintRange& range) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

// The address a help file is opened at: the file on disk, the topic as its fragment.
QUrl HelpUrl(const std::string& file, const std::string& topic);

}  // namespace remont
