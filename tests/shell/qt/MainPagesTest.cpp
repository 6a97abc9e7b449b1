// The main window controller built from loose main and show descriptions:
// both pages, switching between them by the owner commands, and the owner's
// report of a command nobody knows.
#include "shell/qt/FrmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStackedWidget>
#include <QTest>
#include <string>
#include <vector>

#include "description/qt/SkStract.h"
#include "elements/HotKey.h"
#include "support/FakePlatform.h"
#include "support/qt/LooseProgram.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::LooseProgram;
using Texts = std::vector<std::string>;

class MainPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.Write("struct_main.txt",
                  "[main]\ntype=form\n"
                  "[go]\ntype=button\ncaption=Go\nleft=10\ntop=10\nwidth=80\nheight=25\naction=go_main//test*x\n"
                  "[odd]\ntype=button\ncaption=Odd\nleft=10\ntop=50\nwidth=80\nheight=25\n"
                  "action=strange*1//test*z\n");
    program.Write("struct_show.txt",
                  "[show]\ntype=form\n"
                  "[back]\ntype=button\ncaption=Back\nleft=10\ntop=10\nwidth=80\nheight=25\naction=go_main_menu\n"
                  "[other]\ntype=button\ncaption=Other\nleft=10\ntop=50\nwidth=80\nheight=25\n"
                  "action=weird*a**b//test*y\n");
  }

  FakePlatform platform;
  LooseProgram program;
};

TEST_F(MainPagesTest, FormCreateBuildsBothPagesAndShowsTheMainOne) {
  TfrmMain main;
  main.FormCreate();
  ASSERT_NE(main.MainEngine(), nullptr);
  ASSERT_NE(main.ShowEngine(), nullptr);
  ASSERT_NE(main.Notebook(), nullptr);
  EXPECT_EQ(main.Notebook()->count(), 2);
  EXPECT_EQ(main.MainEngine()->PageIndex(), 0);
  EXPECT_EQ(main.ShowEngine()->PageIndex(), 1);
  EXPECT_EQ(main.CurrentPage(), 0);
  EXPECT_EQ(main.MainEngine()->GetButton("go")->parentWidget(), main.MainEngine()->Page());
  EXPECT_EQ(main.ShowEngine()->GetButton("back")->parentWidget(), main.ShowEngine()->Page());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainPagesTest, GoMainSwitchesToTheShowPageAndRunsTheRestThereAndBack) {
  TfrmMain main;
  main.FormCreate();
  ASSERT_TRUE(test::ShowActive(&main));
  QTest::mouseClick(main.MainEngine()->GetButton("go"), Qt::LeftButton);
  EXPECT_EQ(main.CurrentPage(), 1);
  EXPECT_EQ(platform.messages, (Texts{"x*"}));

  // The window's commands now reach the show engine: its hot-key path included.
  main.HotKeys().Add("F9*test*routed", -1);
  QTest::keyClick(main.windowHandle(), Qt::Key_F9);
  EXPECT_EQ(platform.messages, (Texts{"x*", "routed*"}));

  QTest::mouseClick(main.ShowEngine()->GetButton("back"), Qt::LeftButton);
  EXPECT_EQ(main.CurrentPage(), 0);
}

TEST_F(MainPagesTest, AnUnknownOwnerCommandShowsTheWholeActionText) {
  TfrmMain main;
  main.FormCreate();
  ASSERT_TRUE(test::ShowActive(&main));
  QTest::mouseClick(main.MainEngine()->GetButton("odd"), Qt::LeftButton);
  EXPECT_EQ(platform.messages, (Texts{"strange*1//test*z"}));

  main.ShowEngine()->ShowPage();
  QTest::mouseClick(main.ShowEngine()->GetButton("other"), Qt::LeftButton);
  EXPECT_EQ(platform.messages, (Texts{"strange*1//test*z", "weird*a*b//test*y"}));
}

// Every engine on the main window and the search window is built; a click on
// an element reaches only the engine that made it, once.
TEST_F(MainPagesTest, AnImageClickReachesOnlyItsOwnEngineOnce) {
  program.Write("struct_main.txt",
                "[main]\ntype=form\n"
                "[pic]\ntype=image\nleft=10\ntop=10\nwidth=80\nheight=60\naction=go_main//test*pic\n");
  program.Write("struct_search.txt", "[search]\ntype=form\n[edit_find]\ntype=edit_box\n[list_rez]\ntype=list_box\n");
  TfrmMain main;
  TfrmSearch search(&main);
  main.SetSearchWindow(&search);
  main.FormCreate();
  search.FormCreate();
  ASSERT_TRUE(test::ShowActive(&main));
  QWidget* pic = main.MainEngine()->GetImage("pic");
  ASSERT_NE(pic, nullptr);
  QTest::mouseClick(pic, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(main.CurrentPage(), 1);
  EXPECT_EQ(platform.messages, (Texts{"pic*"}));
}

// visible_but_tree finds the two tree buttons by name whatever their type.
TEST_F(MainPagesTest, TreeButtonsOfAnyTypeFollowTheTree) {
  for (const char* type : {"button", "sp_button", "label"}) {
    program.Write("struct_show.txt", std::string("[show]\ntype=form\n[tree]\ntype=tree\n") +
                                         "[but_tree_open]\ntype=" + type + "\n[but_tree_hide]\ntype=" + type + "\n");
    platform.messages.clear();
    TfrmMain main;
    main.FormCreate();
    TSkStract* show = main.ShowEngine();
    auto* open = qobject_cast<QWidget*>(show->GetControl("but_tree_open"));
    auto* hide = qobject_cast<QWidget*>(show->GetControl("but_tree_hide"));
    ASSERT_TRUE(open && hide) << type;
    show->ExecuteCommand("tree_show_or_hide*tree//visible_but_tree");
    EXPECT_TRUE(open->isHidden()) << type;
    EXPECT_TRUE(hide->isHidden()) << type;
    show->ExecuteCommand("tree_show_or_hide*tree//visible_but_tree");
    EXPECT_FALSE(open->isHidden()) << type;  // their visibility saved before they were hidden
    EXPECT_FALSE(hide->isHidden()) << type;
    EXPECT_TRUE(platform.messages.empty()) << type << ": " << (platform.messages.empty() ? "" : platform.messages[0]);
  }
}

}  // namespace
}  // namespace remont
