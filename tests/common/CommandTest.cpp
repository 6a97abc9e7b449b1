#include "common/Command.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "support/FakePlatform.h"

namespace remont {
namespace {

using Strings = std::vector<std::string>;

struct Parsed {
  std::string name;
  Strings params;
  std::string param_text;
  std::string rest;
};

void ExpectParsed(const std::string& text, const std::vector<Parsed>& want) {
  const TSkCommand cmd(text);
  ASSERT_EQ(cmd.Count(), static_cast<int32_t>(want.size())) << text;
  ASSERT_EQ(cmd.Commands().size(), want.size()) << text;
  for (size_t i = 0; i < want.size(); ++i) {
    const RCommand& c = cmd.Commands()[i];
    EXPECT_EQ(c.Name, want[i].name) << text << " #" << i;
    EXPECT_EQ(c.Params, want[i].params) << text << " #" << i;
    EXPECT_EQ(c.ParamText, want[i].param_text) << text << " #" << i;
    EXPECT_EQ(c.Rest, want[i].rest) << text << " #" << i;
  }
}

TEST(TSkCommand, ParsesPiecesNamesAndParameters) {
  struct Case {
    std::string text;
    std::vector<Parsed> commands;
  } cases[] = {
      {"", {}},
      {"//", {}},
      {"////", {}},
      {"*a*b", {}},
      {"unk*a**b//html_back*html_see",
       {{"unk", {"a", "b"}, "a**b", "html_back*html_see"}, {"html_back", {"html_see"}, "html_see", ""}}},
      // Empty pieces are skipped wherever they stand.
      {"//html_back*h", {{"html_back", {"h"}, "h", ""}}},
      {"a*1////b*2", {{"a", {"1"}, "1", "//b*2"}, {"b", {"2"}, "2", ""}}},
      {"a*1//", {{"a", {"1"}, "1", ""}}},
      {"*x//b", {{"b", {}, "", ""}}},
      {"a//*x//b", {{"a", {}, "", "*x//b"}, {"b", {}, "", ""}}},
      // A single "/" is ordinary text; "///" cuts at its first two.
      {"a/b*c/", {{"a/b", {"c/"}, "c/", ""}}},
      {"a*b///c", {{"a", {"b"}, "b", "/c"}, {"/c", {}, "", ""}}},
      // Names are lower-cased, parameters keep their case.
      {"HTML_Load*Html_See*P.HTM", {{"html_load", {"Html_See", "P.HTM"}, "Html_See*P.HTM", ""}}},
      {Ru("ТЕСТ*Параметр"), {{Ru("тест"), {Ru("Параметр")}, Ru("Параметр"), ""}}},
      {Ru("ЁЛКА*Ё"), {{Ru("ёлка"), {Ru("Ё")}, Ru("Ё"), ""}}},
      // Nothing is trimmed.
      {" html_back*h", {{" html_back", {"h"}, "h", ""}}},
      {"a * b ", {{"a ", {" b "}, " b ", ""}}},
      // Empty parameters are dropped; stars stay in the parameter text.
      {"x*", {{"x", {}, "", ""}}},
      {"x***", {{"x", {}, "**", ""}}},
      {"x**a*", {{"x", {"a"}, "*a*", ""}}},
      {"menu_del_favore*a*b", {{"menu_del_favore", {"a", "b"}, "a*b", ""}}},
      {"nil//unk*x", {{"nil", {}, "", "unk*x"}, {"unk", {"x"}, "x", ""}}},
  };
  for (const auto& c : cases) ExpectParsed(c.text, c.commands);
}

TEST(TSkCommand, GetCommandTextIsNormalisedCommand) {
  const TSkCommand cmd("Unk*a**b*//HTML_Back*Html_See");
  EXPECT_EQ(cmd.GetCommandText(0), "unk*a*b");
  EXPECT_EQ(cmd.GetCommandText(1), "html_back*Html_See");
  EXPECT_EQ(cmd.GetCommandText(2), "");
  EXPECT_EQ(cmd.GetCommandText(-1), "");
  EXPECT_EQ(TSkCommand("").GetCommandText(0), "");
  EXPECT_EQ(TSkCommand("x***").GetCommandText(0), "x");
}

TEST(ForwardText, CommandThenRestAsWritten) {
  struct Case {
    std::string text;
    int index;
    std::string forwarded;
  } cases[] = {
      // The owner gets the unknown command with a and b, then the rest exactly as written.
      {"unk*a**b//HTML_Back*Html_See", 0, "unk*a*b//HTML_Back*Html_See"},
      {"unk*a**b//HTML_Back*Html_See", 1, "html_back*Html_See"},
      {"nil//unk*x", 1, "unk*x"},
      {"a*1////b*2", 0, "a*1////b*2"},
      {"a*1//", 0, "a*1"},
      {"a", 3, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ForwardText(TSkCommand(c.text), c.index), c.forwarded) << c.text << " #" << c.index;
  }
}

TEST(InsertValue, ReplacesOrAppends) {
  struct Case {
    std::string action, value;
    bool append;
    std::string result;
  } cases[] = {
      {"html_load*html_see*insert", "p.htm", true, "html_load*html_see*p.htm"},
      {"html_load*html_see*insert", "p.htm", false, "html_load*html_see*p.htm"},
      {"html_load*html_see", "p.htm", true, "html_load*html_see*p.htm"},
      {"html_load*html_see", "p.htm", false, "html_load*html_see"},
      // An action ending with "*" gets no second star.
      {"html_load*html_see*", "p.htm", true, "html_load*html_see*p.htm"},
      {"html_load*html_see*", "p.htm", false, "html_load*html_see*"},
      {"", "p.htm", true, ""},
      {"", "p.htm", false, ""},
      {"a*insert*b*insert", "v", false, "a*v*b*v"},
      {"a*insertinsert", "x", true, "a*xx"},
      {"a*inserinsertt", "x", true, "a*inserxt"},
      // Case-sensitive: only lower-case "insert" marks the place.
      {"a*INSERT", "v", true, "a*INSERT*v"},
      {"a*Insert", "v", false, "a*Insert"},
      // Inserted text is not scanned again.
      {"a*insert", "insertinsert", false, "a*insertinsert"},
      {"a*insert", "in", false, "a*in"},
      {"chk*insert", "0", true, "chk*0"},
      {"a", "", true, "a*"},
      {"a*insert", "", true, "a*"},
      {"insert", "", false, ""},
      // A value that is itself "insert" leaves the text as it was, so it is appended.
      {"a*insert", "insert", true, "a*insert*insert"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InsertValue(c.action, c.value, c.append), c.result)
        << c.action << " / " << c.value << " / " << c.append;
  }
}

TEST(GetParam, PlainParametersAsWritten) {
  test::FakePlatform platform;
  const Strings params = {"Page.HTM", "open_files(.jpg)", " open_file(.jpg)", ""};
  EXPECT_EQ(GetParam(params, 0), "Page.HTM");
  EXPECT_EQ(GetParam(params, 1), "open_files(.jpg)");
  EXPECT_EQ(GetParam(params, 2), " open_file(.jpg)");
  EXPECT_EQ(GetParam(params, 3), "");
  EXPECT_EQ(GetParam(params, 4), "");
  EXPECT_EQ(GetParam(params, -1), "");
  EXPECT_EQ(GetParam({}, 0), "");
  EXPECT_TRUE(platform.open_filters.empty());
}

TEST(GetParam, OpenFileAsksOncePerCall) {
  struct Case {
    std::string param;
    std::string filter;
  } cases[] = {
      {"open_file(.jpg)", "*.jpg"},
      {"Open_File(.JPG)", "*.jpg"},
      {"OPEN_FILE(.Txt)tail", "*.txt"},
      {"open_file(.jpg", "*.jpg"},
      {"open_file", "*"},
      {"open_file()", "*"},
  };
  for (const auto& c : cases) {
    test::FakePlatform platform;
    platform.open_answers.push_back("/home/u/Pic.jpg");
    const Strings params = {"img", c.param};
    EXPECT_EQ(GetParam(params, 1), "/home/u/Pic.jpg") << c.param;
    EXPECT_EQ(platform.open_filters, Strings{c.filter}) << c.param;
  }
}

TEST(GetParam, CancelledOpenFileGivesEmptyAndEachCallAsksAgain) {
  test::FakePlatform platform;
  const Strings params = {"open_file(.jpg)"};
  EXPECT_EQ(GetParam(params, 0), "");
  platform.open_answers.push_back("/a.jpg");
  EXPECT_EQ(GetParam(params, 0), "/a.jpg");
  EXPECT_EQ(platform.open_filters, (Strings{"*.jpg", "*.jpg"}));
}

}  // namespace
}  // namespace remont
