// The main window controller from fixture descriptions: both pages built,
// go_main runs the rest of its string on the show page, go_main_menu returns,
// unknown owner commands show their whole text.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QStackedWidget>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "description/qt/SkStract.h"
#include "shell/qt/FrmMain.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(FrmMain, PagesAndOwnerCommands) {
  test::FakePlatform platform;
  test::TempDir dir;
  ClosePack();
  SetProgramDir(dir.path());
  dir.Write("struct_main.txt",
            "[main]\ntype=form\nwidth=500\nheight=300\n"
            "[go]\ntype=button\naction=go_main//test*on_show\n"
            "[weird]\ntype=button\naction=frobnicate*1//test*x\n");
  dir.Write("struct_show.txt",
            "[show]\ntype=form\n[back]\ntype=button\naction=go_main_menu\n"
            "[odd]\ntype=button\naction=Strange*a\n");
  {
    TfrmMain window;
    window.FormCreate();
    ASSERT_NE(window.Notebook(), nullptr);
    EXPECT_EQ(window.Notebook()->count(), 2);
    EXPECT_EQ(window.Notebook()->currentIndex(), 0);  // the main page is shown at start
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Ремонт"));

    qobject_cast<QPushButton*>(window.MainEngine()->GetButton("go"))->click();
    EXPECT_EQ(window.Notebook()->currentIndex(), 1);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"on_show*"});  // ran on the show engine

    qobject_cast<QPushButton*>(window.ShowEngine()->GetButton("back"))->click();
    EXPECT_EQ(window.Notebook()->currentIndex(), 0);

    platform.messages.clear();
    qobject_cast<QPushButton*>(window.MainEngine()->GetButton("weird"))->click();
    qobject_cast<QPushButton*>(window.ShowEngine()->GetButton("odd"))->click();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"frobnicate*1//test*x", "strange*a"}));
    EXPECT_TRUE(window.Results() != nullptr && window.Results()->empty());
  }
  EXPECT_EQ(platform.sibling_closes, 1);  // the sibling is told to close once
  SetProgramDir("");
}

}  // namespace
}  // namespace remont
