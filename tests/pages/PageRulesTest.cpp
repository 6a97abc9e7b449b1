#include "pages/PageRules.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {
namespace {

TEST(PageRulesTest, ClassifyLinkTakesTheFirstRuleThatFits) {
  struct Case {
    std::string target;
    LinkKind kind;
  };
  const std::vector<Case> cases = {
      {"http://x.ru/a.htm", LinkKind::External},
      {"HTTP://X.RU", LinkKind::External},
      {"$go http:", LinkKind::External},  // external wins over "$"
      {"see FTP:files", LinkKind::External},
      {"$tree_next*tree", LinkKind::Command},
      {"$pic.jpg", LinkKind::Command},
      {"a/clip.SWF", LinkKind::Movie},
      {"pic/Photo.JPG#x", LinkKind::Picture},
      {"a.gif", LinkKind::Picture},
      {"a.bmp", LinkKind::Picture},
      {"a.png", LinkKind::Picture},
      {"a.jpeg", LinkKind::Other},
      {"other.htm#part", LinkKind::Page},
      {"..\\\\Pages\\\\A.HTML", LinkKind::Page},
      {"x.htm.txt", LinkKind::Other},
      {"notes.txt", LinkKind::Other},
      {"#part", LinkKind::InPage},
      {"", LinkKind::Other},
      {Ru("глава.HTM"), LinkKind::Page},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyLink(c.target), c.kind) << c.target;
  EXPECT_EQ(LinkFile("Other.HTM#Part"), "other.htm");
  EXPECT_EQ(LinkFile(Ru("ГЛАВА.htm")), Ru("глава.htm"));
}

TEST(PageRulesTest, SplitAnchorAtTheFirstHash) {
  std::string f, a;
  SplitAnchor("p.htm#a#b", f, a);
  EXPECT_EQ(f, "p.htm");
  EXPECT_EQ(a, "a#b");
  SplitAnchor("p.htm", f, a);
  EXPECT_EQ(f, "p.htm");
  EXPECT_EQ(a, "");
}

TEST(PageRulesTest, PageDeclaresUtf8OnlyInAMetaTag) {
  struct Case {
    std::string bytes;
    bool utf8;
  };
  const std::vector<Case> cases = {
      {"<meta charset=\"utf-8\">", true},
      {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=UTF-8\">", true},
      {"<meta charset='utf8'/>", true},
      {"<meta charset = utf-8>", true},
      {"<meta charset=\"windows-1251\">", false},
      {"<meta name=\"x\"><p>charset=utf-8</p>", false},
      {"<p>charset=utf-8</p>", false},
      {"<meta content=\"text/html; charset=koi8-r\">", false},
      {"<meta charset=utf-8", true},  // unterminated tag at the end
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PageDeclaresUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(PageRulesTest, StyleSheetLinksByRel) {
  const std::string page =
      "<LINK REL=\"StyleSheet\" HREF=\"..\\css\\A.css\">"
      "<link href='b.css' rel='stylesheet' type='text/css'>"
      "<link rel=stylesheet href=c.css>"
      "<link rel=\"icon\" href=\"i.ico\">"
      "<link rel=\"alternate stylesheet\" href=\"d.css\">"
      "<link xrel=\"stylesheet\" href=\"e.css\">";
  EXPECT_EQ(StyleSheetLinks(page), (std::vector<std::string>{"..\\css\\A.css", "b.css", "c.css"}));
  EXPECT_TRUE(StyleSheetLinks("<p>no links</p><link").empty());
}

TEST(PageRulesTest, StripProgramDirCutsOnlyARealPrefix) {
  const std::string saved = GetProgramDir();
  SetProgramDir("/opt/Remont/");
  struct Case {
    std::string name, result;
  };
  const std::vector<Case> cases = {
      {"/opt/Remont/pages/a.htm", "pages/a.htm"},
      {"/OPT/remont/pages/a.htm", "pages/a.htm"},
      {"/opt/Remont\\pages\\a.htm", "pages\\a.htm"},
      {"/opt/Other/pages/a.htm", "/opt/Other/pages/a.htm"},
      {"/opt/Remon", "/opt/Remon"},
      {"pages/a.htm", "pages/a.htm"},
      {"c:/pages/a.htm", "c:/pages/a.htm"},
  };
  for (const Case& c : cases) EXPECT_EQ(StripProgramDir(c.name), c.result) << c.name;
  EXPECT_TRUE(SamePageName("Pages\\A.htm", "pages/a.HTM"));
  EXPECT_FALSE(SamePageName(Ru("Глава.htm"), Ru("глава.htm")));  // Cyrillic is not folded
  SetProgramDir(saved);
}

}  // namespace
}  // namespace remont
