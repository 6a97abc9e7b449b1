#include "elements/HotKey.h"

#include "common/Cp1251.h"
#include "common/ConvertError.h"
#include "common/Helpers.h"

namespace remont {
namespace {

struct KeyName {
  const char* name;
  uint8_t code;
};

constexpr KeyName kKeyNames[] = {
    {"bksp", 8},   {"tab", 9},    {"esc", 27},   {"enter", 13}, {"space", 32}, {"pgup", 33},
    {"pgdn", 34},  {"end", 35},   {"home", 36},  {"left", 37},  {"up", 38},    {"right", 39},
    {"down", 40},  {"ins", 45},   {"del", 46},
};

uint8_t KeyCode(const std::string& lower) {
  if (lower.size() == 1) {
    const char c = lower[0];
    if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 'a' + 'A');
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c);
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
    int n = 0;
    if (TryStrToInt(lower.substr(1), n) && n >= 1 && n <= 12 && lower[1] != '+' && lower[1] != '-')
      return static_cast<uint8_t>(0x70 + n - 1);
  }
  for (const auto& k : kKeyNames)
    if (lower == k.name) return k.code;
  return 0;
}

bool StripPrefix(std::string& text, const char* prefix, size_t n) {
  if (text.size() > n && text.compare(0, n, prefix) == 0) {
    text.erase(0, n);
    return true;
  }
  return false;
}

}  // namespace

uint16_t TextToShortCut(const std::string& text) {
  std::string rest = LowerCase(text);
  uint16_t modifiers = 0;
  for (bool more = true; more;) {
    more = false;
    if (StripPrefix(rest, "shift+", 6)) modifiers |= kShiftBit, more = true;
    else if (StripPrefix(rest, "ctrl+", 5)) modifiers |= kCtrlBit, more = true;
    else if (StripPrefix(rest, "alt+", 4)) modifiers |= kAltBit, more = true;
  }
  const uint8_t code = KeyCode(rest);
  return code == 0 ? 0 : static_cast<uint16_t>(modifiers | code);
}

void TSkHotKey::Add(const std::string& definition, int32_t page) {
  std::string rest = definition;
  Entry e;
  e.page = page;
  e.shortcut = TextToShortCut(CutToken(rest, "*"));
  e.command = rest;
  entries_.push_back(std::move(e));
}

int32_t TSkHotKey::HotKeyPage(int i) const {
  return i >= 0 && i < HotKeyCount() ? entries_[static_cast<size_t>(i)].page : 0;
}

uint16_t TSkHotKey::HotKeyShortCut(int i) const {
  return i >= 0 && i < HotKeyCount() ? entries_[static_cast<size_t>(i)].shortcut : 0;
}

std::string TSkHotKey::HotKeyCommand(int i) const {
  return i >= 0 && i < HotKeyCount() ? entries_[static_cast<size_t>(i)].command : std::string();
}

int TSkHotKey::Match(uint16_t pressed, int32_t current_page) const {
  if (pressed == 0) return -1;  // an entry that names no key never fires
  for (int i = 0; i < HotKeyCount(); ++i) {
    const Entry& e = entries_[static_cast<size_t>(i)];
    if (e.shortcut == pressed && (e.page == -1 || e.page == current_page)) return i;
  }
  return -1;
}

}  // namespace remont
