#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkCheckBox.h"
#include "elements/qt/SkRadioButton.h"
#include "elements/qt/SkSpeedButton.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "common/Cp1251.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkPic.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTrackBar.h"

namespace remont {
namespace {

TEST(SpeedButton, ToggleDownTwiceLeavesItUp) {
  QWidget parent;
  auto* b = new TSkSpeedButton(&parent);
  b->SetGroup(1);
  b->ToggleDown();
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(b->RememberedDown());
  b->ToggleDown();
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->RememberedDown());
}

TEST(SpeedButton, ToggleFollowsTheRememberedState) {
  QWidget parent;
  auto* a = new TSkSpeedButton(&parent);
  auto* b = new TSkSpeedButton(&parent);
  a->SetGroup(3);
  b->SetGroup(3);
  a->SetDownRemembered(true);
  b->SetDownRemembered(true);  // puts a up, but a still remembers down
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(a->RememberedDown());
  a->ToggleDown();  // remembered down: goes up (stays up)
  EXPECT_FALSE(a->Down());
  EXPECT_FALSE(a->RememberedDown());
  EXPECT_TRUE(b->Down());
}

TEST(SpeedButton, GroupZeroIsNeverDown) {
  QWidget parent;
  auto* b = new TSkSpeedButton(&parent);
  b->SetDownRemembered(true);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->RememberedDown());  // the resulting state
  b->ToggleDown();
  EXPECT_FALSE(b->Down());
  EXPECT_TRUE(b->RememberedDown());
}

TEST(SpeedButton, ClickInAGroupPutsOthersUpAndRaises) {
  QWidget parent;
  parent.resize(200, 50);
  auto* a = new TSkSpeedButton(&parent);
  auto* b = new TSkSpeedButton(&parent);
  auto* other = new TSkSpeedButton(&parent);
  a->setGeometry(0, 0, 40, 20);
  b->setGeometry(50, 0, 40, 20);
  for (auto* s : {a, b}) s->SetGroup(2);
  other->SetGroup(5);
  other->SetDownRemembered(true);
  parent.show();
  int clicks = 0;
  a->OnClick = [&clicks] { ++clicks; };
  b->SetDownRemembered(true);
  QTest::mouseClick(a, Qt::LeftButton);
  EXPECT_TRUE(a->Down());
  EXPECT_FALSE(b->Down());
  EXPECT_TRUE(other->Down());  // another group
  QTest::mouseClick(a, Qt::LeftButton);
  EXPECT_TRUE(a->Down());  // a down button stays down
  EXPECT_EQ(clicks, 2);
}

TEST(SpeedButton, ChevronMenu) {
  QWidget parent;
  auto* b = new TSkSpeedButton(&parent);
  TSkPopMenu menu(&parent);
  b->SetChevronMenu(&menu);
  EXPECT_EQ(b->menu(), &menu);
  EXPECT_EQ(b->popupMode(), QToolButton::MenuButtonPopup);
}

TEST(Button, CreationDefaultsAndClick) {
  QWidget parent;
  parent.resize(200, 100);
  auto* b = new TSkButton(&parent);
  b->setGeometry(10, 20, 80, 25);
  b->SetCaption(Ru("Печать"));
  EXPECT_EQ(b->text(), QString::fromUtf8("Печать"));
  EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(b->property("themeObject").toString(), "default");
  EXPECT_TRUE(b->property("showHint").toBool());
  parent.show();
  int clicks = 0;
  b->OnClick = [&clicks] { ++clicks; };
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  const RHelpAction a = ActionWithAnchor(b, "menu_show*m");
  EXPECT_EQ(a.Action, "menu_show*m");
  EXPECT_EQ(a.AnchorHeight, 25);
  EXPECT_EQ(QPoint(a.AnchorX, a.AnchorY), b->mapToGlobal(QPoint(0, 0)));
}

TEST(CheckBox, CaptionNamesAndClick) {
  QWidget parent;
  auto* c = new TSkCheckBox(&parent, "chkAll");
  EXPECT_EQ(c->text(), "chkAll");
  c->SetEnableControls("EdFrom;EdTo");
  EXPECT_EQ(c->ControlledNames(), (std::vector<std::string>{"edfrom", "edto"}));
  c->resize(100, 20);
  parent.show();
  int clicks = 0;
  c->OnClick = [&clicks] { ++clicks; };
  QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(c->isChecked());
}

TEST(Label, UrlStyle) {
  QWidget parent;
  auto* l = new TSkLabel(&parent);
  l->SetCaption(Ru("Сайт"));
  QFont bold = l->font();
  bold.setBold(true);
  l->setFont(bold);
  l->SetUrlStyle(true);
  EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(l->font().underline());
  EXPECT_FALSE(l->font().bold());  // the style becomes underline alone
  EXPECT_EQ(l->cursor().shape(), Qt::PointingHandCursor);
  parent.show();
  int presses = 0;
  l->SetPressToMove([&presses](Qt::MouseButton) { ++presses; });
  QTest::mouseClick(l, Qt::LeftButton);
  EXPECT_EQ(presses, 1);  // only the drag hook hears it
  EXPECT_EQ(l->text(), QString::fromUtf8("Сайт"));
  l->SetUrlStyle(false);
  EXPECT_FALSE(l->font().underline());
  EXPECT_EQ(l->palette().color(QPalette::WindowText), QApplication::palette(l).color(QPalette::WindowText));
  EXPECT_EQ(l->cursor().shape(), Qt::ArrowCursor);
}

TEST(ProgressBar, ProcessesEventsWhenTheDrawnLengthChanges) {
  TSkProgressBar bar;
  bar.resize(100, 10);
  bar.setRange(0, 1000);
  bool ran = false;
  QMetaObject::invokeMethod(&bar, [&ran] { ran = true; }, Qt::QueuedConnection);
  bar.setValue(5);  // 0 pixels still
  EXPECT_FALSE(ran);
  bar.setValue(10);  // 1 pixel
  EXPECT_TRUE(ran);
  ran = false;
  QMetaObject::invokeMethod(&bar, [&ran] { ran = true; }, Qt::QueuedConnection);
  bar.setValue(19);
  EXPECT_FALSE(ran);
  bar.setValue(20);
  EXPECT_TRUE(ran);
}

TEST(PopMenu, EmptyMenuRemovesNothing) {
  QWidget owner;
  TSkPopMenu menu(&owner);
  EXPECT_EQ(menu.RemoveByAction("x"), -1);
  EXPECT_EQ(menu.RemoveByTarget("x"), -1);
  EXPECT_EQ(menu.RemoveByAction(""), -1);
  EXPECT_EQ(menu.GetPopItem(0), nullptr);
  EXPECT_EQ(menu.CheckedIndex(), -1);
  EXPECT_EQ(menu.Owner(), &owner);
}

QStringList Captions(const QMenu& menu) {
  QStringList out;
  for (QAction* a : menu.actions()) out << a->text();
  return out;
}

TEST(PopMenu, ItemOperations) {
  TSkPopMenu menu;
  menu.caption_limit = 8;
  TSkItem* a = menu.AddPopItem("Hello world foo", "Html_Load*A.htm", "Ctrl+F");
  TSkItem* b = menu.AddPopItem("B", "html_load*b.htm", "");
  b->target = "Page.HTM";
  EXPECT_EQ(a->text(), "Hello...");
  EXPECT_EQ(a->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  EXPECT_TRUE(b->shortcut().isEmpty());
  TSkItem* mid = menu.InsertPopItem(1, "Mid", "", "mid");
  EXPECT_EQ(Captions(menu), (QStringList{"Hello...", "Mid", "B"}));
  EXPECT_EQ(menu.GetPopItem(1), mid);
  EXPECT_EQ(menu.GetPopItem(3), nullptr);
  EXPECT_EQ(menu.GetPopItem(-1), nullptr);
  EXPECT_EQ(menu.PopItemCount(), 3);

  EXPECT_EQ(menu.RemoveByTarget("page.htm"), 2);
  EXPECT_EQ(menu.RemoveByAction("HTML_LOAD*a.htm"), 0);
  EXPECT_EQ(menu.RemoveByAction("html_load*a.htm"), -1);
  EXPECT_EQ(Captions(menu), (QStringList{"Mid"}));
  menu.DeletePopItem(1);  // beyond the last item
  EXPECT_EQ(menu.PopItemCount(), 1);
  menu.ClearPopItems();
  EXPECT_EQ(menu.PopItemCount(), 0);
  EXPECT_TRUE(menu.actions().isEmpty());
  TSkItem* first = menu.InsertPopItem(4, "First", "", "f");  // an empty menu appends
  EXPECT_EQ(menu.GetPopItem(0), first);
}

TEST(PopMenu, CyrillicCaseFoldsInRemoval) {
  TSkPopMenu menu;
  menu.AddPopItem(Ru("Двигатель"), Ru("Страница"), "");
  EXPECT_EQ(menu.RemoveByAction(Ru("СТРАНИЦА")), 0);
  EXPECT_EQ(menu.PopItemCount(), 0);
}

TEST(PopMenu, CheckedIndex) {
  TSkPopMenu menu;
  menu.AddPopItem("a", "1", "");
  menu.AddPopItem("b", "2", "");
  menu.SetCheckedIndex(1);
  EXPECT_FALSE(menu.GetPopItem(0)->isChecked());
  EXPECT_TRUE(menu.GetPopItem(1)->isChecked());
  menu.SetCheckedIndex(5);  // no such item: no mark
  EXPECT_FALSE(menu.GetPopItem(1)->isChecked());
}

}  // namespace
}  // namespace remont
