// The hot-key table of a window: definitions "shortcut text*command" bound to
// a page of the window's notebook (-1: any page). A shortcut is the Windows
// virtual-key code in the low byte plus 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace remont {

constexpr uint16_t kShiftBit = 0x2000;
constexpr uint16_t kCtrlBit = 0x4000;
constexpr uint16_t kAltBit = 0x8000;

// "Ctrl+F", "Shift+Alt+F5", "Del", … → shortcut; 0 when the text names no key.
uint16_t TextToShortCut(const std::string& text);

class TSkHotKey {
 public:
  struct Entry {
    int32_t page = -1;
    std::string command;
    uint16_t shortcut = 0;
  };

  // The definition is cut at its first "*": shortcut text before, command after.
  void Add(const std::string& definition, int32_t page);
  int HotKeyCount() const { return static_cast<int>(entries_.size()); }
  int32_t HotKeyPage(int i) const;
  uint16_t HotKeyShortCut(int i) const;
  std::string HotKeyCommand(int i) const;
  // The first entry that matches the pressed shortcut on the current page; -1 for none.
  int Match(uint16_t pressed, int32_t current_page) const;

 private:
  std::vector<Entry> entries_;
};

}  // namespace remont
