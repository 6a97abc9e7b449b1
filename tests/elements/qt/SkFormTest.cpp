// The window base on its own: the restart key, the help request and the
// size hook, driven through the window's surface as real keys arrive.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>

#include "elements/qt/SkForm.h"
#include "elements/qt/SkSkin.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(SkForm, CtrlAltQRestartsOnlyWithExactlyThoseModifiers) {
  int restarts = 0;
  TSkForm::SetRestartHandler([&] { ++restarts; });
  TSkForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(restarts, 0);
  QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(restarts, 1);
  TSkForm::SetRestartHandler(nullptr);
}

TEST(SkForm, HelpRequestCarriesTheCommandAndTheMousePosition) {
  TSkForm form;
  std::vector<RHelpAction> seen;
  form.command_receiver = [&](const RHelpAction& r) { seen.push_back(r); };
  form.help_command = "help*manual.chm*topic";
  QEvent off(QEvent::EnterWhatsThisMode);
  QCoreApplication::sendEvent(&form, &off);  // help switch off: nothing
  EXPECT_TRUE(seen.empty());
  form.SetHelpButton(true);
  QEvent on(QEvent::EnterWhatsThisMode);
  QCoreApplication::sendEvent(&form, &on);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Action, "help*manual.chm*topic");
  EXPECT_EQ(seen[0].AnchorHeight, 0);
  EXPECT_EQ(QPoint(seen[0].AnchorX, seen[0].AnchorY), QCursor::pos());
}

TEST(SkForm, SizeHookAndDialogSwitches) {
  TSkForm form;
  std::vector<QSize> sizes;
  form.size_hook = [&](int w, int h) { sizes.emplace_back(w, h); };
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.resize(321, 234);
  QCoreApplication::processEvents();
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back(), QSize(321, 234));
  form.SetDialog(true);
  EXPECT_TRUE(form.esc_close);
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  form.SetDialog(false);
  EXPECT_FALSE(form.esc_close);
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(SkSkin, RegistersEachFileNameOnce) {
  test::TempDir dir;
  dir.Write("a/blue.skn", "QPushButton { color: blue; }");
  dir.Write("b/BLUE.SKN", "QPushButton { color: red; }");
  TSkForm form;
  TSkSkin skin(&form);
  EXPECT_FALSE(skin.AddSkin(""));
  EXPECT_TRUE(skin.AddSkin(dir.Sub("a/blue.skn")));
  EXPECT_FALSE(skin.AddSkin(dir.Sub("b/BLUE.SKN")));  // same file name, other folder: refused
  const auto* e = skin.FindSkin("/elsewhere/Blue.Skn");
  ASSERT_NE(e, nullptr);
  EXPECT_TRUE(e->style_sheet.contains("blue"));  // the first file is kept
  EXPECT_EQ(skin.FindSkin("green.skn"), nullptr);
}

}  // namespace
}  // namespace remont
