#include "common/Helpers.h"

#include <gtest/gtest.h>

#include "common/ConvertError.h"
#include "common/Cp1251.h"

namespace remont {
namespace {

TEST(CutToken, CutsAtFirstSeparator) {
  struct Case {
    std::string text, sep, token, rest;
  } cases[] = {
      {"a//b", "//", "a", "b"}, {"a", "*", "a", ""}, {"", "*", "", ""},
      {"a**b", "*", "a", "*b"}, {"x*", "*", "x", ""},
  };
  for (auto& c : cases) {
    std::string t = c.text;
    EXPECT_EQ(CutToken(t, c.sep), c.token) << c.text;
    EXPECT_EQ(t, c.rest) << c.text;
  }
}

TEST(ParseBool, TrimmedCaseInsensitiveWithDefault) {
  EXPECT_TRUE(ParseBool("  TRUE \t", false));
  EXPECT_TRUE(ParseBool("1", false));
  EXPECT_FALSE(ParseBool("False", true));
  EXPECT_FALSE(ParseBool("0", true));
  EXPECT_TRUE(ParseBool("yes", true));
  EXPECT_FALSE(ParseBool("yes", false));
  EXPECT_TRUE(ParseBool("", true));
  EXPECT_EQ(BoolText(true), "1");
  EXPECT_EQ(BoolText(false), "0");
}

TEST(ParseColor, RgbWithHashBgrWithout) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"#FF0000", 0x0000FF}, {"FF0000", 0xFF0000}, {"$0000FF", 0x0000FF}, {"#00FF00", 0x00FF00},
      {"00FF00", 0x00FF00},  {"#0000FF", 0xFF0000}, {"#F00", 0x000F00},  {"#112233aa", 0x332211},
  };
  for (auto& c : cases) EXPECT_EQ(ParseColor(c.text), c.value) << c.text;
  EXPECT_THROW(ParseColor("red"), ConvertError);
  EXPECT_THROW(ParseColor("#"), ConvertError);
  EXPECT_THROW(ParseColor("$-1"), ConvertError);
  EXPECT_EQ(ParseColor(""), 0);
}

TEST(StrToInt, DecimalOrConversionError) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt(" 5"), 5);
  EXPECT_THROW(StrToInt(""), ConvertError);
  EXPECT_THROW(StrToInt("5 "), ConvertError);
  EXPECT_THROW(StrToInt("1x"), ConvertError);
  EXPECT_THROW(StrToInt("99999999999"), ConvertError);
}

TEST(Paths, ProgramPathAndJoin) {
  SetProgramDir("/opt/remont");
  EXPECT_EQ(GetProgramDir(), "/opt/remont/");
  EXPECT_EQ(GetProgramPath("\\pages\\a.htm"), "/opt/remont/pages\\a.htm");
  EXPECT_EQ(GetProgramPath("C:\\x.htm"), "C:\\x.htm");
  EXPECT_EQ(GetProgramPath("/abs/x.htm"), "/abs/x.htm");
  EXPECT_EQ(GetProgramPath(""), "");

  struct Case {
    const char *name, *base, *result;
  } cases[] = {
      {"../img/p.jpg", "/data/pages/", "/data/img/p.jpg"},
      {"..\\img\\p.jpg", "/data/pages", "/data/img/p.jpg"},
      {"../img/p.jpg", "/", "/img/p.jpg"},
      {"../../a.htm", "/x/y/z/", "/x/a.htm"},
      {"x/../a.htm", "/d/", "/a.htm"},
      {"a.htm..\\", "/d/", "/d/a.htm"},
      {"a.htm", "", "/opt/remont/a.htm"},
      {"/abs.htm", "/d/", "/abs.htm"},
      {"", "/d/", ""},
  };
  for (auto& c : cases) EXPECT_EQ(JoinPath(c.name, c.base), c.result) << c.name << " @ " << c.base;
  EXPECT_EQ(AddBackslash("a"), "a/");
  EXPECT_EQ(AddBackslash(""), "");
  EXPECT_EQ(DelBackslash("a/"), "a");
  SetProgramDir("");
}

TEST(Html, HeaderAndFooter) {
  std::vector<std::string> l{"x"};
  HtmlHeader(l, "");
  HtmlFooter(l);
  EXPECT_EQ(l, (std::vector<std::string>{"<html>", "<head></head>", "<body >", "x", "</body>", "</html>"}));
  EXPECT_TRUE(IsEven(-4));
  EXPECT_FALSE(IsEven(-3));
}

TEST(IsIdentifier, LatinLettersDigitsUnderscoreNotLeadingDigit) {
  struct Case {
    std::string name;
    bool identifier;
  } cases[] = {
      {"html_see", true}, {"_x", true}, {"Panel2", true}, {"", false}, {"2panel", false},
      {"my-panel", false}, {"my panel", false}, {Ru("панель"), false}, {"a=b", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsIdentifier(c.name), c.identifier) << c.name;
}

TEST(Cp1251, CaseTableAndConversions) {
  const std::string upper = Ru("АБВЁЯ ABC Ђ");
  EXPECT_EQ(LowerCase(upper), Ru("абвёя abc ђ"));
  EXPECT_EQ(UpperCase(Ru("ёж z")), Ru("ЁЖ Z"));
  EXPECT_EQ(LowerLatinCase(Ru("AБ")), Ru("aБ"));
  EXPECT_TRUE(SameText("Html_See", "html_see"));
  EXPECT_FALSE(SameText(Ru("Я"), Ru("я")));
  EXPECT_TRUE(SameTextLocale(Ru("Я"), Ru("я")));
  EXPECT_EQ(Cp1251ToUtf8(Ru("Ремонт №1 «x»")), "Ремонт №1 «x»");
  bool ok = true;
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD", &ok), "a?");  // a CJK letter is not in the code page
  EXPECT_FALSE(ok);
  EXPECT_EQ(Utf8ToCp1251("\xD0", &ok), "?");  // cut sequence
  EXPECT_FALSE(ok);
}

}  // namespace
}  // namespace remont
