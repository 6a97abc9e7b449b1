#include "common/Platform.h"

#include <cstdio>

#include "common/Cp1251.h"

namespace remont {
namespace {
ConsolePlatform& Console() {
  static ConsolePlatform console;
  return console;
}
Platform*& Installed() {
  static Platform* p = nullptr;
  return p;
}
}  // namespace

Platform& CurrentPlatform() { return Installed() ? *Installed() : Console(); }

Platform* SetPlatform(Platform* p) {
  Platform* old = Installed();
  Installed() = p;
  return old;
}

void ConsolePlatform::ShowMessage(const std::string& text, MessageKind) {
  const std::string line = Cp1251ToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string ConsolePlatform::OpenFileDialog(const std::string&) { return {}; }
void ConsolePlatform::ShellOpen(const std::string&, const std::string&, const std::string&) {}
void ConsolePlatform::RunProgram(const std::string&, const std::string&) {}
std::string ConsolePlatform::DefaultPrinter() { return {}; }

bool ConsolePlatform::ReadSetting(const std::string& group, const std::string& name, std::string& value) {
  for (auto& [k, v] : settings_)
    if (k == group + "\n" + name) {
      value = v;
      return true;
    }
  return false;
}

void ConsolePlatform::WriteSetting(const std::string& group, const std::string& name, const std::string& value) {
  for (auto& [k, v] : settings_)
    if (k == group + "\n" + name) {
      v = value;
      return;
    }
  settings_.emplace_back(group + "\n" + name, value);
}

void ConsolePlatform::DeleteSetting(const std::string& group, const std::string& name) {
  std::erase_if(settings_, [&](const auto& kv) { return kv.first == group + "\n" + name; });
}

}  // namespace remont
