#include "elements/HotKey.h"

#include <gtest/gtest.h>

namespace remont {
namespace {

TEST(HotKey, ShortcutTexts) {
  struct Case {
    const char* text;
    uint16_t shortcut;
  } cases[] = {
      {"Ctrl+F", kCtrlBit | 'F'},    {"ctrl+f", kCtrlBit | 'F'},        {"Shift+Alt+F5", kShiftBit | kAltBit | 0x74},
      {"F12", 0x7B},                 {"Alt+Ctrl+1", kAltBit | kCtrlBit | '1'}, {"Del", 46},
      {"Esc", 27},                   {"PgDn", 34},                      {"Space", 32},
      {"BkSp", 8},                   {"Enter", 13},                     {"F13", 0},
      {"Ctrl+", 0},                  {"Hyper+X", 0},                    {"", 0},
      {"master_section", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.shortcut) << c.text;
}

TEST(HotKey, FirstMatchForCurrentOrAnyPage) {
  TSkHotKey keys;
  keys.Add("Ctrl+F*go_find*x//html_back*h", 0);
  keys.Add("Ctrl+F*page_one", 1);
  keys.Add("F2*any_a", -1);
  keys.Add("F2*any_b", -1);
  keys.Add("nokey*never", -1);
  EXPECT_EQ(keys.HotKeyCommand(0), "go_find*x//html_back*h");  // everything after the first "*"
  EXPECT_EQ(keys.Match(kCtrlBit | 'F', 0), 0);
  EXPECT_EQ(keys.Match(kCtrlBit | 'F', 1), 1);
  EXPECT_EQ(keys.Match(kCtrlBit | 'F', 2), -1);
  EXPECT_EQ(keys.Match(0x71, 1), 2);  // both for any page: the one added first
  EXPECT_EQ(keys.HotKeyShortCut(4), 0);
  EXPECT_EQ(keys.Match(0, 0), -1);
  EXPECT_EQ(keys.HotKeyCount(), 5);
  EXPECT_EQ(keys.HotKeyCommand(5), "");
  EXPECT_EQ(keys.HotKeyPage(9), 0);
  EXPECT_EQ(keys.HotKeyShortCut(-1), 0);
}

}  // namespace
}  // namespace remont
