#include "description/ProfileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Cp1251.h"

namespace remont {
namespace {

using Strings = std::vector<std::string>;

TEST(TProfileReader, ReadsValues) {
  struct Case {
    const char* name;
    std::string text;
    std::string section, key, want;
  } cases[] = {
      {"plain", "[a]\nk=v\n", "a", "k", "v"},
      {"blanks around key and value", "[a]\n  k \t=  v w \t\n", "a", "k", "v w"},
      {"blanks around the section line", "  [ a ]  \nk=v", "a", "k", "v"},
      {"text after the bracket", "[a] tail\nk=v", "a", "k", "v"},
      {"section without bracket", "[a\nk=v", "a", "k", "v"},
      {"section case", "[Main]\nk=v", "mAIN", "k", "v"},
      {"key case", "[a]\nColor=1", "a", "COLOR", "1"},
      {"first key wins", "[a]\nk=1\nK=2", "a", "k", "1"},
      {"first section wins entirely", "[a]\nx=1\n[A]\nk=2\nx=3", "a", "k", ""},
      {"first section keeps its keys", "[a]\nx=1\n[A]\nx=3", "a", "x", "1"},
      {"double quotes", "[a]\nk=\"  q \"", "a", "k", "  q "},
      {"single quotes", "[a]\nk= 'q' ", "a", "k", "q"},
      {"one pair only", "[a]\nk=\"\"q\"\"", "a", "k", "\"q\""},
      {"mixed quotes stay", "[a]\nk=\"q'", "a", "k", "\"q'"},
      {"lone quote stays", "[a]\nk=\"", "a", "k", "\""},
      {"empty quotes", "[a]\nk=''", "a", "k", ""},
      {"equals in value", "[a]\nk=x=y*z", "a", "k", "x=y*z"},
      {"empty value", "[a]\nk=", "a", "k", ""},
      {"missing key", "[a]\nk=v", "a", "z", ""},
      {"missing section", "[a]\nk=v", "b", "k", ""},
      {"CR lines", "[a]\rk=v\rj=w", "a", "j", "w"},
      {"CR LF lines", "[a]\r\nk=v\r\nj=w\r\n", "a", "j", "w"},
      {"LF CR is two breaks", "[a]\n\rk=v", "a", "k", "v"},
      {"comment line", "[a]\n;k=1\nk=2", "a", "k", "2"},
      {"indented comment", "[a]\n  ;k=1\nk=2", "a", "k", "2"},
      {"semicolon inside value kept", "[a]\nk=1;2", "a", "k", "1;2"},
      {"line without equals is no key", "[a]\nk\nk=2", "a", "k", "2"},
      {"keys before any section", "k=1\n[a]\nj=2", "a", "k", ""},
      {"Cyrillic value", Ru("[a]\nk=Привет"), "a", "k", Ru("Привет")},
      {"Cyrillic names fold only Latin", Ru("[Форма]\nk=v"), Ru("форма"), "k", ""},
      {"Cyrillic names as written", Ru("[Форма]\nk=v"), Ru("Форма"), "K", "v"},
  };
  for (const auto& c : cases) {
    const TProfileReader r(c.text);
    EXPECT_EQ(r.ReadString(c.section, c.key), c.want) << c.name;
  }
}

TEST(TProfileReader, CutsValuesTo2047Characters) {
  const std::string long_value(3000, 'x');
  const TProfileReader r("[a]\nk=" + long_value + "\nq=\"" + std::string(2047, 'y') + "\"\nm=" +
                         std::string(2047, 'z') + "\n");
  EXPECT_EQ(r.ReadString("a", "k"), std::string(2047, 'x'));
  // The quotes go before the cut: all 2047 characters inside them are seen.
  EXPECT_EQ(r.ReadString("a", "q"), std::string(2047, 'y'));
  EXPECT_EQ(r.ReadString("a", "m"), std::string(2047, 'z'));
}

TEST(TProfileReader, ListsSectionsAndKeysInFileOrder) {
  const TProfileReader r(
      "[Main]\ntype=form\n[b]\nz=1\na=2\nZ=3\nnokey\nm=4\n[MAIN]\ntype=button\n[c]\n");
  EXPECT_EQ(r.ReadSectionNames(), (Strings{"Main", "b", "c"}));
  EXPECT_EQ(r.ReadSectionKeys("B"), (Strings{"z", "a", "m"}));
  EXPECT_EQ(r.ReadSectionKeys("main"), (Strings{"type"}));
  EXPECT_TRUE(r.ReadSectionKeys("c").empty());
  EXPECT_TRUE(r.ReadSectionKeys("d").empty());
  EXPECT_TRUE(r.SectionExists("C"));
  EXPECT_FALSE(r.SectionExists("d"));

  // The records keep everything, repeats included, with line numbers.
  ASSERT_EQ(r.Sections().size(), 4u);
  EXPECT_EQ(r.Sections()[0].Line, 1);
  EXPECT_EQ(r.Sections()[1].Line, 3);
  EXPECT_EQ(r.Sections()[2].Name, "MAIN");
  EXPECT_EQ(r.Sections()[2].Line, 9);
  ASSERT_EQ(r.Sections()[1].Keys.size(), 4u);
  EXPECT_EQ(r.Sections()[1].Keys[2].Name, "Z");
  EXPECT_EQ(r.Sections()[1].Keys[2].Line, 6);
  EXPECT_EQ(r.Sections()[1].Keys[3].Line, 8);
  ASSERT_NE(r.FindKey("b", "M"), nullptr);
  EXPECT_EQ(r.FindKey("b", "M")->Line, 8);
}

TEST(TProfileReader, LineNumbersCountEveryBreakKind) {
  const TProfileReader r("[a]\r\n\r\n[b]\r\r[c]\n\n[d]");
  ASSERT_EQ(r.Sections().size(), 4u);
  EXPECT_EQ(r.Sections()[1].Line, 3);
  EXPECT_EQ(r.Sections()[2].Line, 5);
  EXPECT_EQ(r.Sections()[3].Line, 7);
}

TEST(TProfileReader, SectionNamesFitA16384ByteList) {
  // 100-character names take 101 bytes each; the list ends with one more zero.
  std::string text;
  for (int i = 0; i < 200; ++i) {
    std::string name = std::to_string(1000 + i);
    name += std::string(100 - name.size(), 'n');
    text += "[" + name + "]\nk=" + std::to_string(i) + "\n";
  }
  const TProfileReader r(text);
  const Strings names = r.ReadSectionNames();
  ASSERT_EQ(names.size(), 162u);  // 162 * 101 + 1 = 16363; one more would need 16464
  EXPECT_EQ(names.back().substr(0, 4), "1161");
  // Sections beyond the list still read by name.
  EXPECT_TRUE(r.SectionExists(std::to_string(1199) + std::string(96, 'n')));
}

TEST(TProfileReader, SectionNamesFillTheListExactly) {
  // 16382 bytes of name + its zero + the closing zero = 16384: seen; one more byte: not.
  const std::string fits(16382, 'a');
  EXPECT_EQ(TProfileReader("[" + fits + "]").ReadSectionNames(), (Strings{fits}));
  EXPECT_TRUE(TProfileReader("[" + fits + "b]").ReadSectionNames().empty());
}

TEST(TProfileReader, AnEmptySectionNameEndsTheList) {
  const TProfileReader r("[a]\n[]\nk=1\n[b]\n");
  EXPECT_EQ(r.ReadSectionNames(), (Strings{"a"}));
  EXPECT_EQ(r.ReadString("", "k"), "1");
}

TEST(TProfileReader, EmptyInput) {
  EXPECT_TRUE(TProfileReader("").ReadSectionNames().empty());
  EXPECT_TRUE(TProfileReader("k=v\n;x\n\n").ReadSectionNames().empty());
}

}  // namespace
}  // namespace remont
