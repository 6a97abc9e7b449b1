// Keys of descriptions applied through a real engine: anchors, percentage
// sizes, key order, the splash steps, item files and the conversion error.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkEditBox.h"
#include "elements/qt/SkSpinEdit.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkListBox.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkPic.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTrackBar.h"
#include "pages/qt/SkHtml.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

class PropertiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClosePack();
    SetProgramDir(dir_.path());
  }
  void TearDown() override { SetProgramDir(""); }

  std::unique_ptr<TSkStract> Build(TSkForm& form, const std::string& text) {
    dir_.Write("p.txt", Utf8ToCp1251(text));
    auto engine = std::make_unique<TSkStract>(&form, "p.txt");
    engine->LoadStruct();
    engine->ShowPage();
    return engine;
  }

  test::FakePlatform platform_;
  test::TempDir dir_;
};

TEST_F(PropertiesTest, AnchorsFillFollowAndCentre) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\nwidth=400\nheight=300\n"
                      "[fill]\ntype=button\nanchor=10 10 10 10\n"
                      "[corner]\ntype=button\nwidth=40\nheight=20\nanchor=* 5 5 *\n"
                      "[centred]\ntype=panel\nwidth=100\nheight=50\nanchor=* * * *\n"
                      "[stays]\ntype=button\nleft=7\ntop=9\nwidth=30\nheight=20\nanchor=* * * *\n");
  QWidget* page = engine->Page();
  ASSERT_EQ(page->size(), QSize(400, 300));
  EXPECT_EQ(engine->GetButton("fill")->geometry(), QRect(10, 10, 380, 280));
  EXPECT_EQ(engine->GetButton("corner")->geometry(), QRect(355, 5, 40, 20));
  EXPECT_EQ(engine->GetPanel("centred")->pos(), QPoint(150, 125));
  EXPECT_EQ(engine->GetButton("stays")->geometry(), QRect(7, 9, 30, 20));

  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.resize(600, 500);
  QCoreApplication::processEvents();
  ASSERT_EQ(page->size(), QSize(600, 500));
  EXPECT_EQ(engine->GetButton("fill")->geometry(), QRect(10, 10, 580, 480));  // follows the parent
  EXPECT_EQ(engine->GetButton("corner")->geometry(), QRect(555, 5, 40, 20));
  EXPECT_EQ(engine->GetPanel("centred")->pos(), QPoint(250, 225));  // stays centred
}

TEST_F(PropertiesTest, PercentageSizesOfAParentPanel) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\nwidth=250\nheight=400\n"
                      "[half]\ntype=parent_panel\nwidth=50%\nheight=25%\n"
                      "[px]\ntype=parent_panel\nwidth=70\nheight=30\n");
  EXPECT_EQ(engine->GetParentPanel("half")->size(), QSize(100, 100));  // 250 div 100 * 50
  EXPECT_EQ(engine->GetParentPanel("px")->size(), QSize(70, 30));
}

TEST_F(PropertiesTest, CommonKeysInReverseOrderBeforeTypeKeys) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\nwidth=300\nheight=200\n"
                      "[a]\ntype=button\nalign=client\nwidth=100\n"
                      "[b]\ntype=label\nwidth=100\nalign=client\n");
  // Reverse order: for a the width is applied first, then the alignment fills the page.
  EXPECT_EQ(engine->GetButton("a")->size(), QSize(300, 200));
  // For b the alignment comes first and the width afterwards; an aligned
  // element is laid out again after its keys, so the alignment has the last word.
  EXPECT_EQ(engine->GetLabel("b")->size(), QSize(300, 200));
}

TEST_F(PropertiesTest, AutoSizedLabelFollowsItsCaptionAndFont) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\n"
                      "[site]\ntype=label\nwidth=8\ncaption=http://www.zarya-auto.example/manual\nauto_size=1\n"
                      "[big]\ntype=label\nauto_size=1\ncaption=Шрифт\nfont=*30\n");
  auto* site = qobject_cast<TSkLabel*>(engine->GetLabel("site"));
  ASSERT_NE(site, nullptr);
  EXPECT_GE(site->width(), site->fontMetrics().horizontalAdvance("http://www.zarya-auto.example/manual"));
  site->SetCaption("w");
  EXPECT_LT(site->width(), 40);
  auto* big = qobject_cast<TSkLabel*>(engine->GetLabel("big"));
  EXPECT_GE(big->height(), big->fontMetrics().height());  // the font written after auto_size counts too
  EXPECT_GE(big->width(), big->fontMetrics().horizontalAdvance(QString::fromUtf8("Шрифт")));
}

TEST_F(PropertiesTest, TheHtmlMenuKeyReplacesTheViewsOwnMenu) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\nwidth=400\nheight=300\n"
                      "[page_menu]\ntype=pop_menu\ncaption=Копировать;Выделить всё\naction=html_copy*page;html_sel_all*page\n"
                      "[page]\ntype=html\nalign=client\nmenu=page_menu\n");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  auto* html = qobject_cast<TSkHtml*>(engine->GetHtml("page"));
  QWidget* viewport = html->Viewer()->viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(30, 30), viewport->mapToGlobal(QPoint(30, 30)));
  QApplication::sendEvent(viewport, &event);
  EXPECT_EQ(QApplication::activePopupWidget(), engine->GetPopMenu("page_menu"));
  if (QWidget* popup = QApplication::activePopupWidget()) popup->hide();
}

TEST_F(PropertiesTest, SplashStepsWrapAtAHundred) {
  QImage img(20, 10, QImage::Format_RGB32);
  img.fill(Qt::red);
  ASSERT_TRUE(img.save(QString::fromStdString(dir_.Sub("splash.bmp")), "BMP"));
  {
    TSkForm form;
    std::string text = "[f]\ntype=form\nsplash=splash.bmp*10*0*0*20*4\nsplash_close_auto=0\n";
    for (int i = 0; i < 12; ++i) text += "[b" + std::to_string(i) + "]\ntype=button\n";
    auto engine = Build(form, text);
    QProgressBar* bar = engine->SplashBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(engine->SplashWindow(), nullptr);   // splash_close_auto off: the splash stays,
    EXPECT_EQ(bar->value(), bar->maximum());      // its bar full
    std::vector<int> seen;
    for (int i = 0; i < 12; ++i) {
      engine->StepSplash();
      seen.push_back(bar->value());
    }
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 10, 20}));
  }
  TSkForm form;
  auto engine = Build(form, "[f]\ntype=form\nsplash=splash.bmp*10\n[b]\ntype=button\n");
  EXPECT_EQ(engine->SplashWindow(), nullptr);  // closed when the building is done
}

TEST_F(PropertiesTest, MissingSplashPictureStopsTheBuild) {
  TSkForm form;
  dir_.Write("p.txt", "[f]\ntype=form\nsplash=nowhere.bmp*5\n[b]\ntype=button\n");
  TSkStract engine(&form, "p.txt");
  EXPECT_THROW(engine.LoadStruct(), std::exception);
}

TEST_F(PropertiesTest, ItemFilesOfListAndComboBoxes) {
  dir_.Write("lists/l.txt", Utf8ToCp1251("Один#;#one.htm\nДва без значения\n#;#empty-caption.htm\n"));
  dir_.Write("lists/c.txt", Utf8ToCp1251("Первый;p1.htm\n;hidden.htm\nВторой\n"));
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\n"
                      "[list]\ntype=list_box\nload=lists/l.txt\naction=test*insert\n"
                      "[combo]\ntype=combo_box\nload=lists/c.txt\naction=test*insert\n");
  auto* list = qobject_cast<TSkListBox*>(engine->GetListBox("list"));
  auto* combo = qobject_cast<TSkComboBox*>(engine->GetComboBox("combo"));
  ASSERT_TRUE(list && combo);
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->GetItemValue(0), "one.htm");
  EXPECT_EQ(list->GetItemValue(1), "");
  EXPECT_EQ(combo->count(), 2);  // a line that begins with ";" is not shown
  EXPECT_EQ(combo->currentIndex(), 0);  // load selects the first item
  EXPECT_EQ(combo->GetSelectedValue(), "p1.htm");

  list->setCurrentRow(1);
  engine->ElementClick(list);  // an item without a value raises nothing
  EXPECT_TRUE(platform_.messages.empty());
  list->setCurrentRow(0);
  engine->ElementClick(list);
  combo->setCurrentIndex(1);
  engine->ElementClick(combo);  // the change of a user: an empty value is raised too
  EXPECT_EQ(platform_.messages, (std::vector<std::string>{"one.htm*", "*"}));
}

TEST_F(PropertiesTest, NumericRangeOfLinkedEditBoxes) {
  TSkForm form;
  auto engine = Build(form,
                      "[f]\ntype=form\n"
                      "[to]\ntype=edit_box\nonly_number=1\n"
                      "[from]\ntype=edit_box\nonly_number=1\nmin_link=to\n");
  auto* from = qobject_cast<TSkEditBox*>(engine->GetEditBox("from"));
  auto* to = qobject_cast<TSkEditBox*>(engine->GetEditBox("to"));
  ASSERT_TRUE(from && to);
  from->SetNumber(50);
  EXPECT_EQ(to->GetNumber(), 50);  // raised to the least value
  from->SetNumber(20);
  EXPECT_EQ(to->GetNumber(), 50);  // lowering the first leaves the second
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(PropertiesTest, AValueThatIsNotANumberStopsTheBuild) {
  struct Case {
    const char* section;
  } cases[] = {{"left=12x\n"}, {"font=Arial*big\n"}, {"anchor=1  2 3 4\n"}};
  for (const auto& c : cases) {
    TSkForm form;
    dir_.Write("bad.txt", std::string("[f]\ntype=form\n[first]\ntype=button\n[b]\ntype=button\ncaption=before\n") +
                              c.section + "hint=after\n[later]\ntype=button\n");
    TSkStract engine(&form, "bad.txt");
    EXPECT_THROW(engine.LoadStruct(), ConvertError) << c.section;
    engine.message_switch = false;
    EXPECT_NE(engine.GetButton("first"), nullptr);
    // The element is made, then its keys fail: it lies on the page but is
    // never listed, since the engine lists an element once its keys are applied.
    EXPECT_EQ(engine.GetButton("b"), nullptr) << c.section;
    auto* b = engine.Page()->findChild<QPushButton*>("b");
    ASSERT_NE(b, nullptr) << c.section;
    EXPECT_TRUE(b->toolTip().isEmpty()) << c.section;  // the rest of the section is not applied
    EXPECT_EQ(engine.GetButton("later"), nullptr) << c.section;  // nor are the later sections built
  }
}

}  // namespace
}  // namespace remont
