// The window base with real key presses: hot keys per page, the key preview
// that leaves the key to the focused control, and Esc-close.
#include "elements/qt/SkForm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "common/qt/QtText.h"
#include "elements/HotKey.h"
#include "description/qt/SkStract.h"
#include "support/FakePlatform.h"
#include "support/qt/LooseProgram.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::ShowActive;

// A window with a notebook of two pages, recording what its hot keys raise.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.command_receiver = [this](const RHelpAction& r) { raised.push_back(r.Action); };
  }
  void TwoPages() {
    QStackedWidget* nb = form.CreateNotebook();
    nb->addWidget(new QWidget(nb));
    nb->addWidget(new QWidget(nb));
  }

  FakePlatform platform;
  TSkForm form;
  std::vector<std::string> raised;
};

TEST_F(FormTest, SameShortcutOnTwoPagesFiresTheCurrentPagesOne) {
  TwoPages();
  form.Notebook()->setCurrentIndex(0);
  form.AddHotKey("F5*page0");
  form.Notebook()->setCurrentIndex(1);
  form.AddHotKey("F5*page1");
  ASSERT_TRUE(ShowActive(&form));

  QTest::keyClick(form.windowHandle(), Qt::Key_F5);
  EXPECT_EQ(raised, (std::vector<std::string>{"page1"}));
  form.Notebook()->setCurrentIndex(0);
  QTest::keyClick(form.windowHandle(), Qt::Key_F5);
  EXPECT_EQ(raised, (std::vector<std::string>{"page1", "page0"}));
}

TEST_F(FormTest, SameShortcutForAnyPageFiresTheOneAddedFirst) {
  // Without a notebook hot keys belong to every page.
  form.AddHotKey("Ctrl+G*first");
  form.AddHotKey("Ctrl+G*second");
  ASSERT_EQ(form.HotKeys().HotKeyPage(0), -1);
  ASSERT_TRUE(ShowActive(&form));
  QTest::keyClick(form.windowHandle(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(raised, (std::vector<std::string>{"first"}));
  QTest::keyClick(form.windowHandle(), Qt::Key_G);  // without Ctrl: another shortcut
  EXPECT_EQ(raised.size(), 1u);
}

TEST_F(FormTest, TheWholeTextAfterTheFirstStarIsTheCommand) {
  form.AddHotKey("Ctrl+F*go_find*x//html_back*h");
  ASSERT_TRUE(ShowActive(&form));
  QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(raised, (std::vector<std::string>{"go_find*x//html_back*h"}));
}

TEST_F(FormTest, TheFocusedLineEditStillGetsTheHotKey) {
  auto* edit = new QLineEdit(&form);
  form.AddHotKey("A*typed");
  form.AddHotKey("Shift+B*shifted");
  ASSERT_TRUE(ShowActive(&form));
  edit->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), edit);
  QTest::keyClick(form.windowHandle(), Qt::Key_A);
  QTest::keyClick(form.windowHandle(), 'B', Qt::ShiftModifier);
  EXPECT_EQ(raised, (std::vector<std::string>{"typed", "shifted"}));  // once each
  EXPECT_EQ(FromQ(edit->text()), "aB");
}

TEST_F(FormTest, HotKeyWithoutAReceiverDoesNothing) {
  form.command_receiver = nullptr;
  form.AddHotKey("F7*x");
  ASSERT_TRUE(ShowActive(&form));
  QTest::keyClick(form.windowHandle(), Qt::Key_F7);
  EXPECT_TRUE(raised.empty());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(FormTest, EscClosesADialogWindowOnly) {
  ASSERT_TRUE(ShowActive(&form));
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());  // not a dialog, no esc_close
  form.SetDialog(true);
  ASSERT_TRUE(ShowActive(&form));
  EXPECT_TRUE(form.esc_close);
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
}

struct EscCase {
  const char* keys;
  bool closes;
};

class EscKeysTest : public ::testing::TestWithParam<EscCase> {};

// The key applied last decides: dialog switches esc_close along with it.
TEST_P(EscKeysTest, TheLaterOfDialogAndEscCloseDecides) {
  FakePlatform platform;
  test::LooseProgram program;
  TSkForm window;
  program.Write("desc.txt", std::string("[frm]\ntype=form\n") + GetParam().keys + "[e]\ntype=edit_box\n");
  auto engine = std::make_unique<TSkStract>(&window, "desc.txt");
  engine->LoadStruct();
  engine->ShowPage();
  ASSERT_TRUE(ShowActive(&window));
  QWidget* edit = engine->GetEditBox("e");
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClick(window.windowHandle(), Qt::Key_Escape);  // the focused control has it too
  EXPECT_EQ(!window.isVisible(), GetParam().closes);
  EXPECT_TRUE(platform.messages.empty());
  engine.reset();
}

INSTANTIATE_TEST_SUITE_P(Orders, EscKeysTest,
                         ::testing::Values(EscCase{"dialog=1\n", true}, EscCase{"dialog=1\nesc_close=0\n", false},
                                           EscCase{"esc_close=0\ndialog=1\n", true},
                                           EscCase{"esc_close=1\ndialog=0\n", false},
                                           EscCase{"dialog=0\nesc_close=1\n", true}, EscCase{"", false}));

}  // namespace
}  // namespace remont

namespace remont {
namespace {

TEST_F(FormTest, AWindowHoldingTheFocusItselfFiresEachHotKeyOnce) {
  form.setFocusPolicy(Qt::StrongFocus);
  form.AddHotKey("F5*once");
  ASSERT_TRUE(ShowActive(&form));
  form.setFocus();
  ASSERT_EQ(QApplication::focusWidget(), &form);
  QTest::keyClick(form.windowHandle(), Qt::Key_F5);
  EXPECT_EQ(raised, (std::vector<std::string>{"once"}));
}

}  // namespace
}  // namespace remont

namespace remont {
namespace {

// The caption bar and its buttons from the form keys, in either order.
TEST(FormCaptionTest, HideCaptionWinsOverDialogSizeAndHelpInAnyOrder) {
  struct Case {
    const char* keys;
    bool frameless;
    bool min;
    bool max;
  };
  const Case cases[] = {
      {"dialog=1\nhide_caption=1\n", true, false, false},
      {"hide_caption=1\ndialog=1\n", true, false, false},
      {"hide_caption=1\nbut_help=help*x.hlp\nsize=1\n", true, false, false},
      {"hide_caption=0\ndialog=1\n", false, false, false},
      {"dialog=1\n", false, false, false},
      {"size=0\n", false, true, false},
      {"", false, true, true},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    test::LooseProgram program;
    TSkForm window;
    program.Write("desc.txt", std::string("[frm]\ntype=form\n") + c.keys);
    TSkStract engine(&window, "desc.txt");
    engine.LoadStruct();
    const Qt::WindowFlags f = window.windowFlags();
    EXPECT_EQ(f.testFlag(Qt::FramelessWindowHint), c.frameless) << c.keys;
    EXPECT_EQ(f.testFlag(Qt::WindowTitleHint), !c.frameless) << c.keys;
    EXPECT_EQ(f.testFlag(Qt::WindowMinimizeButtonHint), c.min) << c.keys;
    EXPECT_EQ(f.testFlag(Qt::WindowMaximizeButtonHint), c.max) << c.keys;
    EXPECT_TRUE(platform.messages.empty()) << c.keys;
  }
}

}  // namespace
}  // namespace remont
