// A platform for tests: records every message, answers dialogs from queues,
// keeps settings in memory, and never blocks.
#pragma once

#include <deque>
#include <optional>
#include <map>
#include <string>
#include <vector>

#include "common/Platform.h"

namespace remont::test {

class FakePlatform : public Platform {
 public:
  FakePlatform() { previous_ = SetPlatform(this); }
  ~FakePlatform() override { SetPlatform(previous_); }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  void ShowMessage(const std::string& text, MessageKind kind) override {
    messages.push_back(text);
    kinds.push_back(kind);
  }
  void ShowErrorBox(const std::string& text) override { error_boxes.push_back(text); }
  std::string OpenFileDialog(const std::string& filter) override {
    open_filters.push_back(filter);
    if (open_answers.empty()) return {};
    std::string a = open_answers.front();
    open_answers.pop_front();
    return a;
  }
  std::string SaveFileDialog(const std::string& filter) override {
    save_filters.push_back(filter);
    return save_answer;
  }
  void ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb) override {
    shell_opens.push_back(verb + " " + file + (parameters.empty() ? "" : " " + parameters));
  }
  void RunProgram(const std::string& file, const std::string& arguments) override {
    runs.push_back(file + (arguments.empty() ? "" : " " + arguments));
  }
  std::string DefaultPrinter() override { return printer; }
  bool PrintDialog(RPrintRange& range) override {
    print_dialogs.push_back(range);
    if (!print_answer) return false;
    range = *print_answer;
    return true;
  }
  bool ReadSetting(const std::string& group, const std::string& name, std::string& value) override {
    auto it = settings.find(group + "|" + name);
    if (it == settings.end()) return false;
    value = it->second;
    return true;
  }
  void WriteSetting(const std::string& group, const std::string& name, const std::string& value) override {
    settings[group + "|" + name] = value;
  }
  void DeleteSetting(const std::string& group, const std::string& name) override {
    settings.erase(group + "|" + name);
  }
  void SetWallpaper(const std::string& file) override { wallpapers.push_back(file); }
  void ShowHelp(const std::string& file, const std::string& topic) override { helps.push_back(file + "#" + topic); }
  void CloseSibling() override { ++sibling_closes; }

  std::vector<std::string> messages;  // Windows-1251, as shown
  std::vector<MessageKind> kinds;
  std::vector<std::string> error_boxes;
  std::vector<std::string> open_filters, save_filters;
  std::deque<std::string> open_answers;
  std::string save_answer;
  std::vector<std::string> shell_opens, runs, wallpapers;
  std::vector<std::string> helps;  // file "#" topic
  std::string printer;
  std::vector<RPrintRange> print_dialogs;   // what each print dialog was opened with
  std::optional<RPrintRange> print_answer;  // the user's choice; none cancels
  std::map<std::string, std::string> settings;  // "group|name" -> value
  int sibling_closes = 0;

 private:
  Platform* previous_ = nullptr;
};

}  // namespace remont::test
