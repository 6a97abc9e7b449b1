// The platform seam: everything that talks to the user or the system outside a
// window goes through this one interface. The viewer installs the Qt/Linux
// implementation, remont-tool a console one, tests a fake that records
// messages and answers dialogs. Texts are Windows-1251.
#pragma once

#include <string>
#include <vector>

namespace remont {

enum class MessageKind { Plain, Error, Themed };

// What the print dialog asks for: a page range among min..max pages, or all.
struct RPrintRange {
  int min_page = 1;
  int max_page = 1;
  int from = 1;
  int to = 1;
  bool all = true;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box; returns when the user closes it.
  virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
  // The application's default error box (an uncaught conversion or load error).
  virtual void ShowErrorBox(const std::string& text) { ShowMessage(text, MessageKind::Error); }
  // Open-file dialog with a filter such as "*.jpg"; empty when cancelled.
  virtual std::string OpenFileDialog(const std::string& filter) = 0;
  // Save dialog for a picture; empty when cancelled.
  virtual std::string SaveFileDialog(const std::string& filter) { (void)filter; return {}; }
  // The system shell runs verb on file (documents, URLs).
  virtual void ShellOpen(const std::string& file, const std::string& parameters,
                         const std::string& verb) = 0;
  // Starts a program with arguments in its own folder (command run).
  virtual void RunProgram(const std::string& file, const std::string& arguments) = 0;
  // Name of the default printer; empty when none is installed.
  virtual std::string DefaultPrinter() = 0;
  // The print dialog for the printer the viewer prints on, with its page-range
  // choice; false when the user cancels.
  virtual bool PrintDialog(RPrintRange& range) { (void)range; return false; }

  // Settings store: group is a "/" path (the description's reg_dat).
  virtual bool ReadSetting(const std::string& group, const std::string& name, std::string& value) = 0;
  virtual void WriteSetting(const std::string& group, const std::string& name, const std::string& value) = 0;
  virtual void DeleteSetting(const std::string& group, const std::string& name) = 0;
  virtual bool SettingExists(const std::string& group, const std::string& name) {
    std::string v;
    return ReadSetting(group, name, v);
  }

  // The help file opened at a topic (an empty topic: at its start).
  virtual void ShowHelp(const std::string& file, const std::string& topic) {
    ShellOpen(topic.empty() ? file : file + "#" + topic, "", "open");
  }
  // Makes the file the desktop wallpaper.
  virtual void SetWallpaper(const std::string& file) { (void)file; }
  // Tells a running sibling program to close (at shutdown); absent: nothing.
  virtual void CloseSibling() {}
};

// The installed platform; a console one until something else is installed.
Platform& CurrentPlatform();
// Installs p (not owned) and returns the previous one; nullptr restores the console.
Platform* SetPlatform(Platform* p);

// Writes messages to standard error in UTF-8, one per line; dialogs cancel;
// settings live in memory. Used by remont-tool and as the default.
class ConsolePlatform : public Platform {
 public:
  void ShowMessage(const std::string& text, MessageKind kind) override;
  std::string OpenFileDialog(const std::string& filter) override;
  void ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb) override;
  void RunProgram(const std::string& file, const std::string& arguments) override;
  std::string DefaultPrinter() override;
  bool ReadSetting(const std::string& group, const std::string& name, std::string& value) override;
  void WriteSetting(const std::string& group, const std::string& name, const std::string& value) override;
  void DeleteSetting(const std::string& group, const std::string& name) override;

 private:
  std::vector<std::pair<std::string, std::string>> settings_;
};

}  // namespace remont
