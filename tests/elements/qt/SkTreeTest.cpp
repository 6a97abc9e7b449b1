#include "elements/qt/SkTree.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "support/FakePlatform.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::TestManual;

class SkTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manual.Add("tree.txt", Ru("Глава 1;pages/c1.htm;pics/a.jpg\n"
                              "\tРаздел 1.1;pages/s11.htm;pics/a.jpg\n"
                              "\tРаздел 1.2;pages\\s12.htm;pics/b.bmp\n"
                              "Глава 2;pages/c2.htm\n"
                              "\tМасло двигателя;pages/oil.htm\n"
                              "Без страницы\n"));
    manual.Add("pics/a.jpg", test::PictureBytes(16, 16, "JPG"));
    manual.Add("pics/b.bmp", test::PictureBytes(16, 16, "BMP"));
    std::string many;
    for (int i = 0; i < 30; ++i) many += "N" + std::to_string(i) + ";p" + std::to_string(i) + ".htm\n";
    manual.Add("many.txt", many);
    ASSERT_TRUE(manual.Open());
    tree.SetAction("html_load*html*insert");
    tree.OnClick = [this] { clicks.push_back(tree.ClickAction()); };
  }
  QTreeWidgetItem* Node(int i) const { return tree.NodeItem(i); }

  FakePlatform platform;
  TestManual manual;
  TSkTree tree;
  std::vector<std::string> clicks;
};

TEST_F(SkTreeTest, LoadTreeBuildsNodesCaptionsAndSharedPictures) {
  tree.LoadTree("tree.txt");
  ASSERT_EQ(tree.Nodes().size(), 6u);
  ASSERT_EQ(tree.topLevelItemCount(), 3);
  EXPECT_EQ(tree.topLevelItem(0)->text(0), QString::fromUtf8("Глава 1"));
  EXPECT_EQ(tree.topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(tree.topLevelItem(1)->child(0)->text(0), QString::fromUtf8("Масло двигателя"));
  // a.jpg serves two nodes from one entry; b.bmp is the second.
  EXPECT_EQ(tree.PictureCount(), 2);
  EXPECT_FALSE(Node(0)->icon(0).isNull());
  EXPECT_FALSE(Node(2)->icon(0).isNull());
  EXPECT_TRUE(Node(3)->icon(0).isNull());
  EXPECT_EQ(tree.PictureIndex(" PICS/A.JPG "), 0);  // cached under the trimmed lower-case name
  EXPECT_FALSE(tree.topLevelItem(0)->isExpanded());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SkTreeTest, MissingFilesGiveTheArchiveMessage) {
  tree.LoadTree("gone.txt");
  EXPECT_EQ(tree.topLevelItemCount(), 0);
  EXPECT_EQ(tree.PictureIndex("pics/gone.jpg"), -1);
  EXPECT_EQ(platform.messages, (std::vector<std::string>{msg::FileNotFound("gone.txt"), msg::FileNotFound("pics/gone.jpg")}));
  EXPECT_EQ(tree.FindNodeByPage("pages/c1.htm"), nullptr);
}

TEST_F(SkTreeTest, OpenBlockExpandsEveryNodeAndLoadingAgainKeepsPicturesAndHistory) {
  tree.SetOpenBlock(true);
  tree.LoadTree("tree.txt");
  EXPECT_TRUE(tree.topLevelItem(0)->isExpanded());
  EXPECT_TRUE(tree.topLevelItem(1)->isExpanded());
  EXPECT_FALSE(tree.rootIsDecorated());
  tree.SelectNodeSilently(Node(1));
  tree.LoadTree("tree.txt");
  EXPECT_EQ(tree.Nodes().size(), 6u);
  EXPECT_EQ(tree.PictureCount(), 2);
  EXPECT_EQ(tree.History().Count(), 1);
  EXPECT_EQ(tree.SelectedNode(), nullptr);
  tree.SetOpenBlock(false);
  EXPECT_TRUE(tree.rootIsDecorated());
}

TEST_F(SkTreeTest, NodeCommandForms) {
  struct Case {
    const char* action;
    const char* click;
    const char* plain;
  };
  tree.LoadTree("tree.txt");
  tree.SelectNodeSilently(Node(1));
  for (const Case& c : std::vector<Case>{
           {"html_load*html_see*insert", "html_load*html_see*pages/s11.htm", "html_load*html_see*pages/s11.htm"},
           {"html_load*html_see", "html_load*html_see*pages/s11.htm", "html_load*html_see"},
           {"html_load*html_see*", "html_load*html_see*pages/s11.htm", "html_load*html_see*"},
           {"", "", ""},
       }) {
    SCOPED_TRACE(c.action);
    tree.SetAction(c.action);
    EXPECT_EQ(tree.ClickAction(), c.click);
    EXPECT_EQ(tree.CurrentCommand(), c.plain);
  }
  tree.SelectNodeSilently(Node(5));  // no page: nothing to raise
  EXPECT_EQ(tree.CurrentPage(), "");
  EXPECT_EQ(tree.ClickAction(), "");
  EXPECT_EQ(tree.CurrentCommand(), "");
}

TEST_F(SkTreeTest, LookupsFoldLatinLettersAndSeparators) {
  tree.LoadTree("tree.txt");
  EXPECT_EQ(tree.FindNodeByPage("PAGES/S11.HTM"), Node(1));
  EXPECT_EQ(tree.FindNodeByPage("pages/s12.htm"), Node(2));  // written with "\" in the file
  EXPECT_EQ(tree.FindNodeByPage("pages/none.htm"), nullptr);
  EXPECT_EQ(tree.FindNodeByCommand("HTML_LOAD*html*pages/c2.htm"), Node(3));
  EXPECT_EQ(tree.FindNodeByCommand("html_load*html*"), nullptr);
  std::vector<std::string> found;
  tree.SearchCaptions(Ru("МАСЛО"), found);
  tree.SearchCaptions(Ru("раздел"), found);
  EXPECT_EQ(found, (std::vector<std::string>{Ru("Масло двигателя=pages/oil.htm"), Ru("Раздел 1.1=pages/s11.htm"),
                                              Ru("Раздел 1.2=pages\\s12.htm")}));
}

TEST_F(SkTreeTest, TreeGoSelectsWithoutRaisingAndUnknownPageClears) {
  tree.LoadTree("tree.txt");
  tree.TreeGo("pages/c2.htm");
  EXPECT_EQ(tree.SelectedNode(), Node(3));
  tree.TreeGo("pages/none.htm");
  EXPECT_EQ(tree.SelectedNode(), nullptr);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(SkTreeTest, HistoryKeepsTheLastTwentySelectionsAndBackReachesEach) {
  tree.LoadTree("many.txt");
  for (int i = 0; i < 25; ++i) tree.SelectNodeSilently(Node(i));
  ASSERT_EQ(tree.History().Count(), 20);
  EXPECT_EQ(tree.HistoryCommand(0), "html_load*html*p24.htm");
  EXPECT_EQ(tree.HistoryCommand(19), "html_load*html*p5.htm");
  EXPECT_EQ(tree.HistoryCommand(20), "");
  EXPECT_EQ(tree.History().Captions().front(), "N24");
  for (int k = 1; k <= 5; ++k) {
    tree.TreeBack();
    EXPECT_EQ(tree.HistoryIndex(), k);
    EXPECT_EQ(tree.CurrentPage(), "p" + std::to_string(24 - k) + ".htm");
  }
  EXPECT_EQ(clicks, (std::vector<std::string>{"html_load*html*p23.htm", "html_load*html*p22.htm",
                                               "html_load*html*p21.htm", "html_load*html*p20.htm",
                                               "html_load*html*p19.htm"}));
  EXPECT_EQ(tree.History().Count(), 20);  // going back logs nothing
  tree.GoHistory(19);
  EXPECT_EQ(tree.CurrentPage(), "p5.htm");
  tree.GoHistory(20);
  EXPECT_EQ(tree.HistoryIndex(), 19);
  tree.TreeForward();
  EXPECT_EQ(tree.CurrentPage(), "p6.htm");
  // A new selection makes index 0 the newest again and drops nothing but the oldest.
  tree.SelectNodeSilently(Node(29));
  EXPECT_EQ(tree.HistoryIndex(), 0);
  EXPECT_EQ(tree.HistoryCommand(0), "html_load*html*p29.htm");
  EXPECT_EQ(tree.HistoryCommand(19), "html_load*html*p6.htm");
}

TEST_F(SkTreeTest, NextAndPreviousSkipCollapsedNodesAndSetTheButtons) {
  tree.LoadTree("tree.txt");
  QPushButton next, prev;
  tree.SetNextButton(&next);
  tree.SetPrevButton(&prev);
  tree.GoNext();  // no selection: nothing
  EXPECT_TRUE(clicks.empty());
  tree.SelectNodeSilently(Node(0));
  EXPECT_TRUE(next.isEnabled());
  EXPECT_FALSE(prev.isEnabled());
  tree.GoNext();
  EXPECT_EQ(tree.SelectedNode(), Node(3));  // Глава 1 is collapsed
  tree.GoNext();
  EXPECT_EQ(tree.SelectedNode(), Node(5));
  EXPECT_FALSE(next.isEnabled());
  EXPECT_TRUE(prev.isEnabled());
  tree.GoNext();  // last visible node: nothing
  EXPECT_EQ(tree.SelectedNode(), Node(5));
  Node(3)->setExpanded(true);
  tree.GoPrev();
  EXPECT_EQ(tree.SelectedNode(), Node(4));
  tree.GoPrev();
  tree.GoPrev();
  EXPECT_EQ(tree.SelectedNode(), Node(0));
  EXPECT_FALSE(tree.topLevelItem(0)->isExpanded());  // moving expands nothing
  EXPECT_EQ(clicks, (std::vector<std::string>{"html_load*html*pages/c2.htm", "", "html_load*html*pages/oil.htm",
                                               "html_load*html*pages/c2.htm", "html_load*html*pages/c1.htm"}));
}

TEST_F(SkTreeTest, ClickAndKeyReleaseRaiseTheClickDoubleClickTogglesOnlyTheSelected) {
  tree.LoadTree("tree.txt");
  tree.resize(300, 300);
  tree.show();
  const QPoint at = tree.visualItemRect(Node(3)).center();
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(tree.SelectedNode(), Node(3));
  EXPECT_EQ(clicks, std::vector<std::string>{"html_load*html*pages/c2.htm"});
  QTest::keyClick(&tree, Qt::Key_Up);
  EXPECT_EQ(tree.SelectedNode(), Node(0));
  EXPECT_EQ(clicks.back(), "html_load*html*pages/c1.htm");
  ASSERT_FALSE(Node(0)->isExpanded());
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(Node(0)).center());
  EXPECT_TRUE(Node(0)->isExpanded());
  EXPECT_FALSE(Node(1)->isExpanded());
  EXPECT_FALSE(Node(3)->isExpanded());
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(Node(0)).center());
  EXPECT_FALSE(Node(0)->isExpanded());
}

TEST_F(SkTreeTest, ShowOrHidePutsTheTreeBackWhereItWas) {
  QWidget parent;
  parent.resize(400, 400);
  tree.setParent(&parent);
  tree.move(30, 40);
  parent.show();
  tree.ShowOrHide();
  EXPECT_TRUE(tree.isHidden());
  tree.move(0, 0);
  tree.ShowOrHide();
  EXPECT_FALSE(tree.isHidden());
  EXPECT_EQ(tree.pos(), QPoint(30, 40));
  tree.setParent(nullptr);
}

TEST_F(SkTreeTest, SelectedColourIsTheHighlightEvenWithoutFocus) {
  tree.SetSelectedColor(ParseColor("#00ff80"));
  EXPECT_EQ(tree.SelectedColor(), QColor(0, 255, 128));
  EXPECT_EQ(tree.palette().color(QPalette::Inactive, QPalette::Highlight), QColor(0, 255, 128));
  EXPECT_TRUE(tree.HotFont().underline());
}

}  // namespace
}  // namespace remont
