#include "elements/TreeFile.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"

namespace remont {
namespace {

using Strings = std::vector<std::string>;

// One node as "parent depth caption|page|picture".
std::string Show(const TreeNode& n) {
  return std::to_string(n.parent) + " " + std::to_string(n.depth) + " " + n.caption + "|" + n.page +
         "|" + n.picture;
}

Strings Dump(const std::string& file, TreeFileForm form) {
  Strings out;
  for (const auto& n : ParseTreeFile(file, form)) out.push_back(Show(n));
  return out;
}

struct TreeCase {
  const char* name;
  std::string file;
  Strings nodes;
};

TEST(ParseTreeFile, ContentsPlacementAndFields) {
  const TreeCase cases[] = {
      {"nested then top", "A\n\tB\n\t\tC\nD", {"-1 0 A||", "0 1 B||", "1 2 C||", "-1 0 D||"}},
      {"too deep gives P its page and picture", "A;a.htm;a.bmp\n\t\tC;c.htm;c.bmp", {"-1 0 A|c.htm|c.bmp"}},
      {"too deep replaces even with empty fields", "A;a.htm;a.bmp\n\t\tC", {"-1 0 A||"}},
      {"too deep keeps P's level", "A\n\t\tC;c.htm\n\tB", {"-1 0 A|c.htm|", "0 1 B||"}},
      {"too deep twice", "A;a\n\t\tX;x\n\t\t\tY;y;yp", {"-1 0 A|y|yp"}},
      {"back one level", "A\n\tB\n\t\tC\n\tE", {"-1 0 A||", "0 1 B||", "1 2 C||", "0 1 E||"}},
      {"back several levels",
       "A\n\tB\n\t\tC\n\t\t\tD\n\tE\nF",
       {"-1 0 A||", "0 1 B||", "1 2 C||", "2 3 D||", "0 1 E||", "-1 0 F||"}},
      {"blanks around page", "Caption;  page.htm  ;pic.bmp", {"-1 0 Caption|page.htm|pic.bmp"}},
      {"picture keeps further separators", "Caption;page.htm;a;b", {"-1 0 Caption|page.htm|a;b"}},
      {"caption and picture untrimmed", "Cap ; p ; pic ", {"-1 0 Cap |p| pic "}},
      {"separators only", ";;", {"-1 0 ||"}},
      {"empty lines make nodes",
       "A\n\n\tB\r\n\r\nC\r",
       {"-1 0 A||", "-1 0 ||", "1 1 B||", "-1 0 ||", "-1 0 C||"}},
      {"trailing break makes no node", "A\r\n", {"-1 0 A||"}},
      {"trailing empty line", "A\n\n", {"-1 0 A||", "-1 0 ||"}},
      {"single break", "\n", {"-1 0 ||"}},
      {"empty file", "", {}},
      {"spaces and tabs count alike", "A\n B\n  C\n \tD", {"-1 0 A||", "0 1 B||", "1 2 C||", "1 2 D||"}},
      {"mixed line ends", "A\r\tB\n\tC\r\nD", {"-1 0 A||", "0 1 B||", "0 1 C||", "-1 0 D||"}},
      {"whitespace-only line", "A\n\t", {"-1 0 A||", "0 1 ||"}},
      {"uniform indentation", "\tA\n\tB\n\t\tC", {"-1 0 A||", "-1 0 B||", "1 1 C||"}},
      {"indented first line then shallower",
       "\t\tA\n\t\t\tB\n\tC\n\t\tD",
       {"-1 0 A||", "0 1 B||", "-1 0 C||", "2 1 D||"}},
      {"cyrillic bytes kept", Ru("Двигатель;Стр.htm"), {"-1 0 " + Ru("Двигатель") + "|" + Ru("Стр.htm") + "|"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Dump(c.file, TreeFileForm::Contents), c.nodes) << c.name;
}

TEST(ParseTreeFile, CheckableFormPageIsRestOfLine) {
  const TreeCase cases[] = {
      {"page keeps separators", "Engine;p1.htm;x", {"-1 0 Engine|p1.htm;x|"}},
      {"caption only", "Chapter", {"-1 0 Chapter||"}},
      {"page untrimmed", "A; p.htm ", {"-1 0 A| p.htm |"}},
      {"same placement", "A\n\tB;b\n\t\tC;c\n\tE", {"-1 0 A||", "0 1 B|b|", "1 2 C|c|", "0 1 E||"}},
      {"too deep with page", "A;a\n\t\tC;c", {"-1 0 A|c|"}},
      {"too deep without page keeps P's", "A;a\n\t\tC", {"-1 0 A|a|"}},
      {"too deep with empty page keeps P's", "A;a\n\t\tC;", {"-1 0 A|a|"}},
      {"too deep with blank page gives it", "A;a\n\t\tC; ", {"-1 0 A| |"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Dump(c.file, TreeFileForm::Checkable), c.nodes) << c.name;
}

TEST(ParseTreeFile, NodesRememberTheirLineAndLevel) {
  const auto nodes = ParseTreeFile("\tA\n\t\t\tX\n\t\tB\n");
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0].line, 1);
  EXPECT_EQ(nodes[0].level, 1);
  EXPECT_EQ(nodes[1].line, 3);
  EXPECT_EQ(nodes[1].level, 2);
}

TEST(TreeCommands, PlainAndClickForms) {
  struct Case {
    std::string action, page, click, plain;
  } cases[] = {
      {"html_load*html_see*insert", "p.htm", "html_load*html_see*p.htm", "html_load*html_see*p.htm"},
      {"html_load*html_see", "p.htm", "html_load*html_see*p.htm", "html_load*html_see"},
      {"html_load*html_see*", "p.htm", "html_load*html_see*p.htm", "html_load*html_see*"},
      {"", "p.htm", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClickCommand(c.action, c.page), c.click) << c.action;
    EXPECT_EQ(PlainCommand(c.action, c.page), c.plain) << c.action;
  }
}

TEST(SearchCaptions, LowerCasedContainsInFileOrder) {
  const auto nodes = ParseTreeFile(Ru("Двигатель;d.htm\n\tМасло ДВИГАТЕЛЯ;m.htm\nКузов\nEngine OIL;e.htm"));
  Strings result = {"kept"};
  SearchCaptions(nodes, Ru("дВиГ"), result);
  EXPECT_EQ(result, (Strings{"kept", Ru("Двигатель=d.htm"), Ru("Масло ДВИГАТЕЛЯ=m.htm")}));

  Strings latin;
  SearchCaptions(nodes, "oil", latin);
  EXPECT_EQ(latin, Strings{"Engine OIL=e.htm"});

  Strings pageless;
  SearchCaptions(nodes, Ru("КУЗ"), pageless);
  EXPECT_EQ(pageless, Strings{Ru("Кузов=")});

  Strings none;
  SearchCaptions({}, "a", none);
  SearchCaptions(nodes, "absent", none);
  EXPECT_TRUE(none.empty());
}

TEST(FindNode, ByPageAndByCommand) {
  const auto nodes = ParseTreeFile(Ru("Top\nA;P1.HTM\nB;p1.htm\nC;p2.htm\nD;Стр.htm"));
  EXPECT_EQ(FindNodeByPage(nodes, "p1.htm"), 1);
  EXPECT_EQ(FindNodeByPage(nodes, "P2.Htm"), 3);
  EXPECT_EQ(FindNodeByPage(nodes, Ru("Стр.htm")), 4);
  EXPECT_EQ(FindNodeByPage(nodes, Ru("стр.htm")), -1);  // only Latin letters are folded
  EXPECT_EQ(FindNodeByPage(nodes, "p3.htm"), -1);
  EXPECT_EQ(FindNodeByPage({}, "p1.htm"), -1);

  const std::string action = "html_load*html_see*insert";
  EXPECT_EQ(FindNodeByCommand(nodes, action, "HTML_LOAD*html_see*p2.htm"), 3);
  EXPECT_EQ(FindNodeByCommand(nodes, action, "html_load*html_see*p1.htm"), 1);
  // The page-less node's plain command would be this, but it never matches.
  EXPECT_EQ(FindNodeByCommand(nodes, action, "html_load*html_see*"), -1);
  EXPECT_EQ(FindNodeByCommand({}, action, "html_load*html_see*p1.htm"), -1);
}

// A tree without widgets: selecting logs to the history, going back selects
// the node found by the entry's command and raises its click command.
struct HistoryTree {
  std::vector<TreeNode> nodes;
  std::string action = "html_load*html_see*insert";
  TreeHistory history;
  int selected = -1;
  Strings raised;

  void Select(int i) {
    selected = i;
    history.Record(PlainCommand(action, nodes[static_cast<size_t>(i)].page), nodes[static_cast<size_t>(i)].caption);
  }
  bool Go(int i) {
    return history.GoHistory(i, !nodes.empty(), [this](const std::string& command) {
      const int n = FindNodeByCommand(nodes, action, command);
      if (n < 0) return;
      Select(n);
      raised.push_back(ClickCommand(action, nodes[static_cast<size_t>(n)].page));
    });
  }
};

HistoryTree TreeOf25() {
  std::string file = "Pages\n";
  for (int i = 1; i <= 25; ++i) file += "\tPage " + std::to_string(i) + ";p" + std::to_string(i) + ".htm\n";
  HistoryTree t;
  t.nodes = ParseTreeFile(file);
  for (int i = 1; i <= 25; ++i) t.Select(i);
  return t;
}

TEST(TreeHistory, KeepsTheLastTwentySelections) {
  const HistoryTree t = TreeOf25();
  ASSERT_EQ(t.history.Count(), 20);
  EXPECT_EQ(t.history.Commands().front(), "html_load*html_see*p6.htm");
  EXPECT_EQ(t.history.Commands().back(), "html_load*html_see*p25.htm");
  ASSERT_EQ(t.history.Captions().size(), 20u);
  EXPECT_EQ(t.history.Captions().front(), "Page 25");
  EXPECT_EQ(t.history.Captions().back(), "Page 6");
  EXPECT_EQ(t.history.HistoryCommand(0), "html_load*html_see*p25.htm");
  EXPECT_EQ(t.history.HistoryCommand(19), "html_load*html_see*p6.htm");
  EXPECT_EQ(t.history.HistoryCommand(20), "");
  EXPECT_EQ(t.history.HistoryCommand(-1), "");
  EXPECT_EQ(t.history.Index(), 0);
}

TEST(TreeHistory, BackFiveTimesThenWholeRange) {
  HistoryTree t = TreeOf25();
  for (int step = 1; step <= 5; ++step) {
    ASSERT_TRUE(t.Go(t.history.Index() + 1)) << step;
    EXPECT_EQ(t.history.Index(), step);
    EXPECT_EQ(t.nodes[static_cast<size_t>(t.selected)].page, "p" + std::to_string(25 - step) + ".htm");
    EXPECT_TRUE(t.history.Recording());
  }
  EXPECT_EQ(t.raised.back(), "html_load*html_see*p20.htm");
  EXPECT_EQ(t.history.Count(), 20);  // going back logs nothing
  EXPECT_EQ(t.history.HistoryCommand(0), "html_load*html_see*p25.htm");

  ASSERT_TRUE(t.Go(t.history.Index() - 1));  // forward
  EXPECT_EQ(t.nodes[static_cast<size_t>(t.selected)].page, "p21.htm");

  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(t.Go(i)) << i;
    EXPECT_EQ(t.history.Index(), i);
    EXPECT_EQ(t.nodes[static_cast<size_t>(t.selected)].page, "p" + std::to_string(25 - i) + ".htm");
  }
  EXPECT_FALSE(t.Go(20));
  EXPECT_FALSE(t.Go(-1));
  EXPECT_EQ(t.history.Index(), 19);

  // The next real selection makes index 0 the newest entry again.
  t.Select(1);
  EXPECT_EQ(t.history.Index(), 0);
  EXPECT_EQ(t.history.HistoryCommand(0), "html_load*html_see*p1.htm");
  EXPECT_EQ(t.history.Commands().front(), "html_load*html_see*p7.htm");
}

TEST(TreeHistory, NothingToGoToAndPagelessSelections) {
  TreeHistory h;
  int calls = 0;
  auto go = [&](const std::string&) { ++calls; };
  EXPECT_FALSE(h.GoHistory(0, true, go));
  h.Record("", "Chapter");  // a node without page logs nothing
  EXPECT_EQ(h.Count(), 0);
  h.Record("cmd", "Page");
  EXPECT_FALSE(h.GoHistory(0, false, go));  // a tree without nodes
  EXPECT_TRUE(h.GoHistory(0, true, go));
  EXPECT_EQ(calls, 1);
}

TEST(TreeHistory, RecordingComesBackWhenTheRaisedCommandFails) {
  TreeHistory h;
  h.Record("a", "A");
  h.Record("b", "B");
  EXPECT_THROW(h.GoHistory(1, true, [](const std::string&) { throw std::runtime_error("bad number"); }),
               std::runtime_error);
  EXPECT_TRUE(h.Recording());
  EXPECT_EQ(h.Index(), 1);
  h.Record("c", "C");
  EXPECT_EQ(h.Count(), 3);
  EXPECT_EQ(h.Index(), 0);
}

}  // namespace
}  // namespace remont
