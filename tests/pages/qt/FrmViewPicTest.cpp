// The enlarged-picture window opened from a picture link of a page built by
// the engine: its caption from the ".cap" file, its size for the picture or
// full screen, its buttons, Ctrl+P and Esc. Each test acts from inside the
// window's modal run.
#include "pages/qt/FrmViewPic.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "common/Cp1251.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "elements/qt/FrmForm.h"
#include "pages/qt/SkHtml.h"
#include "support/FakePlatform.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::Page;
using test::PictureBytes;
using test::TestManual;
using Texts = std::vector<std::string>;

QString Utf(const char* text) { return QString::fromUtf8(text); }

class FrmViewPicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manual.Add("pages/p.htm", Page("P", "<p><a href=\"img/pic.png\">small one</a></p>"
                                        "<p><a href=\"img/big.png\">big one</a></p>"
                                        "<p><a href=\"img/nocap.png\">no caption</a></p>"
                                        "<p><a href=\"img/empty.png\">empty caption</a></p>"
                                        "<p><a href=\"img/pic.png#part\">with anchor</a></p>"));
    manual.Add("pages/img/pic.png", PictureBytes(300, 200, "PNG"));
    manual.Add("pages/img/pic.cap", Ru("Тормозной диск\r\nвторая строка\r\n"));
    manual.Add("pages/img/big.png", PictureBytes(2000, 1500, "PNG"));
    manual.Add("pages/img/big.cap", Ru("Большая схема"));
    manual.Add("pages/img/nocap.png", PictureBytes(100, 80, "PNG"));
    manual.Add("pages/img/empty.png", PictureBytes(100, 80, "PNG"));
    manual.Add("pages/img/empty.cap", "");
    manual.Add("desc.txt", "[frm]\ntype=form\nwidth=600\nheight=400\n"
                           "[h]\ntype=html\nleft=0\ntop=0\nwidth=600\nheight=400\nload=pages/p.htm\n");
    ASSERT_TRUE(manual.Open());
    engine = std::make_unique<TSkStract>(&window, "desc.txt");
    engine->LoadStruct();
    engine->ShowPage();
    html = engine->GetHtml("h");
    ASSERT_NE(html, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override { engine.reset(); }

  // Clicks the link; inside the window's modal run does what `inside` says,
  // then presses Esc. False when no window opened.
  bool OpenFromLink(const char* text, const std::function<void(TfrmViewPic&)>& inside) {
    bool opened = false;
    QTimer::singleShot(0, &window, [&] {
      TfrmViewPic* w = TfrmViewPic::Current();
      if (!w) return;
      opened = true;
      inside(*w);
      QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    });
    QTextCursor c = html->Viewer()->document()->find(Utf(text));
    if (c.isNull()) return false;
    c.setPosition(c.selectionStart() + 1);
    QTest::mouseClick(html->Viewer()->viewport(), Qt::LeftButton, {}, html->Viewer()->cursorRect(c).center());
    return opened;
  }

  FakePlatform platform;
  TestManual manual;
  TfrmFORM window;
  std::unique_ptr<TSkStract> engine;
  TSkHtml* html = nullptr;
};

struct CaptionCase {
  const char* link;
  const char* caption;
  int picture_width;
};

TEST_F(FrmViewPicTest, ThePictureLinkOpensTheWindowWithTheCaptionOfItsCapFile) {
  const CaptionCase cases[] = {
      {"small one", "Тормозной диск", 300},
      {"big one", "Большая схема", 2000},
      {"no caption", "Увеличенное изображение", 100},
      {"empty caption", "Увеличенное изображение", 100},
      {"with anchor", "Тормозной диск", 300},
  };
  for (const CaptionCase& c : cases) {
    SCOPED_TRACE(c.link);
    QString title;
    bool modal = false;
    double laid_out = 0;
    ASSERT_TRUE(OpenFromLink(c.link, [&](TfrmViewPic& w) {
      title = w.windowTitle();
      modal = w.isModal() && QApplication::activeModalWidget() == &w;
      laid_out = w.View()->Viewer()->document()->idealWidth();
    }));
    EXPECT_EQ(title, Utf(c.caption));
    EXPECT_TRUE(modal);
    // The picture itself is shown (an anchor in the link does not hide it).
    EXPECT_GE(laid_out, c.picture_width);
    EXPECT_EQ(TfrmViewPic::Current(), nullptr);  // Esc closed it and it is gone
  }
  // The page stays where it was.
  EXPECT_EQ(html->CurrentFile(), manual.Dir() + "pages/p.htm");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(FrmViewPicTest, ASmallPictureGetsAWindowThatShowsItWhole) {
  ASSERT_TRUE(OpenFromLink("small one", [](TfrmViewPic& w) {
    EXPECT_FALSE(w.FullScreen());
    EXPECT_GE(w.width(), 300);
    EXPECT_GE(w.View()->height(), 200);
    EXPECT_TRUE(w.View()->HorzBar()->isHidden());
    EXPECT_TRUE(w.View()->VertBar()->isHidden());
    EXPECT_EQ(w.FullScreenButton()->toolTip(), Utf("Развернуть на весь экран"));
    EXPECT_EQ(w.FullScreenButton()->property("themeObject").toString(), "ButtonMax");
    EXPECT_TRUE(w.View()->MoveCursor());
  }));
}

TEST_F(FrmViewPicTest, APictureLargerThanTheScreenOpensFullScreenAndTheButtonSwitches) {
  ASSERT_TRUE(OpenFromLink("big one", [](TfrmViewPic& w) {
    EXPECT_TRUE(w.FullScreen());
    for (QToolButton* b : {w.FullScreenButton(), w.ToolFullScreenButton()})
      EXPECT_EQ(b->toolTip(), Utf("Свернуть в окно")) << b->objectName().toStdString();
    EXPECT_EQ(w.FullScreenButton()->property("themeObject").toString(), "ButtonRes");

    QTest::mouseClick(w.FullScreenButton(), Qt::LeftButton);
    EXPECT_FALSE(w.FullScreen());
    for (QToolButton* b : {w.FullScreenButton(), w.ToolFullScreenButton()})
      EXPECT_EQ(b->toolTip(), Utf("Развернуть на весь экран")) << b->objectName().toStdString();
    EXPECT_EQ(w.FullScreenButton()->property("themeObject").toString(), "ButtonMax");

    QTest::mouseClick(w.FullScreenButton(), Qt::LeftButton);
    EXPECT_TRUE(w.FullScreen());
    EXPECT_EQ(w.FullScreenButton()->toolTip(), Utf("Свернуть в окно"));
  }));
}

struct ButtonCase {
  const char* name;
  const char* hint;
  const char* theme;  // "" none
};

TEST_F(FrmViewPicTest, CaptionPanelButtonsAndTheHiddenToolBar) {
  const ButtonCase cases[] = {
      {"butPrint", "Печать", "ButtonPrint"},
      {"butFullScrin", "Развернуть на весь экран", "ButtonMax"},
      {"butClose", "Закрыть", "ButtonClose"},
      {"sbPrint", "Печать", ""},
      {"sbFullScrin", "Развернуть на весь экран", ""},
  };
  TfrmViewPic w;
  EXPECT_EQ(w.objectName(), "frmViewPic");
  EXPECT_EQ(w.windowTitle(), Utf("Увеличенное изображение"));
  EXPECT_EQ(w.minimumSize(), QSize(250, 200));
  EXPECT_TRUE(w.esc_close);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(w.ToolBar()->isHidden());
  EXPECT_EQ(w.CaptionPanel()->height(), 25);
  EXPECT_EQ(w.PrintAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* b = w.findChild<QToolButton*>(c.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->toolTip(), Utf(c.hint));
    EXPECT_EQ(b->property("themeObject").toString(), c.theme);
  }
}

TEST_F(FrmViewPicTest, PrintWithoutAPrinterSaysSoAndTheWindowStays) {
  platform.printer.clear();
  bool still_open = false;
  ASSERT_TRUE(OpenFromLink("small one", [&](TfrmViewPic& w) {
    QTest::keyClick(w.windowHandle(), Qt::Key_P, Qt::ControlModifier);
    QTest::mouseClick(w.PrintButton(), Qt::LeftButton);
    still_open = w.isVisible();
  }));
  EXPECT_EQ(platform.messages, (Texts{Ru("Принтер не найден."), Ru("Принтер не найден.")}));
  EXPECT_TRUE(still_open);
}

TEST_F(FrmViewPicTest, TheCloseButtonClosesIt) {
  QTimer::singleShot(0, &window, [] {
    if (TfrmViewPic* w = TfrmViewPic::Current()) QTest::mouseClick(w->CloseButton(), Qt::LeftButton);
  });
  ShowEnlargedPicture("", "pages/img/pic.png", &window);
  EXPECT_EQ(TfrmViewPic::Current(), nullptr);
}

TEST_F(FrmViewPicTest, AnEmptyBaseIsTheProgramFolder) {
  TfrmViewPic w;
  w.ViewPicture("", "pages/img/pic.png");
  EXPECT_EQ(w.windowTitle(), Utf("Тормозной диск"));
  w.ViewPicture(manual.Dir() + "pages/p.htm", "img/big.png");
  EXPECT_EQ(w.windowTitle(), Utf("Большая схема"));
}

}  // namespace
}  // namespace remont
