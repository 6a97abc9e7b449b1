#include "elements/qt/SkEditBox.h"
#include "elements/qt/SkSpinEdit.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace remont {
namespace {

class NumericEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 100);
    from = new TSkEditBox(&window);
    to = new TSkEditBox(&window);
    to->move(0, 40);
    window.show();
  }
  QWidget window;
  TSkEditBox* from = nullptr;
  TSkEditBox* to = nullptr;
};

TEST_F(NumericEdit, LettersAndBackspaceAreDropped) {
  from->SetNumeric(true);
  QTest::keyClicks(from, "12a3b");
  EXPECT_EQ(from->text(), "123");
  QTest::keyClick(from, Qt::Key_Backspace);
  EXPECT_EQ(from->text(), "123");
  QTest::keyClick(from, Qt::Key_Minus);
  EXPECT_EQ(from->text(), "123");
  // Keys that type nothing still edit: Left then Delete removes the 3.
  QTest::keyClick(from, Qt::Key_Left);
  QTest::keyClick(from, Qt::Key_Delete);
  EXPECT_EQ(from->text(), "12");
  EXPECT_EQ(from->GetNumber(), 12);
}

TEST_F(NumericEdit, PlainBoxTakesEverything) {
  QTest::keyClicks(from, "ab1");
  QTest::keyClick(from, Qt::Key_Backspace);
  EXPECT_EQ(from->text(), "ab");
  EXPECT_EQ(from->GetNumber(), 0);
}

TEST_F(NumericEdit, LowerLimitReplacesATypedFive) {
  from->SetNumeric(true);
  from->SetLowerLimit(10);
  EXPECT_EQ(from->text(), "10");  // an empty box counts as 0
  from->clear();
  QTest::keyClicks(from, "5");
  EXPECT_EQ(from->text(), "10");
  // Every key release applies the limit: "25" typed into an empty box
  // becomes 10 at the 2, then 105.
  from->clear();
  QTest::keyClicks(from, "25");
  EXPECT_EQ(from->text(), "105");
}

TEST_F(NumericEdit, LinkedBoxIsRaisedNeverLowered) {
  from->SetNumeric(true);
  to->SetNumeric(true);
  from->SetMinLink(to);
  to->setText("20");
  QTest::keyClicks(from, "30");
  EXPECT_EQ(to->text(), "30");
  from->selectAll();
  QTest::keyClicks(from, "5");
  EXPECT_EQ(from->text(), "5");
  EXPECT_EQ(to->text(), "30");
  EXPECT_EQ(to->LowerLimit(), 5);
  to->selectAll();
  QTest::keyClicks(to, "3");
  EXPECT_EQ(to->text(), "5");  // the second box's least value is the first's number
}

TEST_F(NumericEdit, LinkToAPlainBoxIsCleared) {
  from->SetNumeric(true);
  to->SetNumeric(true);
  from->SetMinLink(to);
  ASSERT_EQ(from->MinLink(), to);
  auto* plain = new TSkEditBox(&window);
  from->SetMinLink(plain);
  EXPECT_EQ(from->MinLink(), nullptr);
  to->setText("1");
  QTest::keyClicks(from, "9");
  EXPECT_EQ(to->text(), "1");
}

TEST_F(NumericEdit, KeyDownReportsEnter) {
  std::vector<int> keys;  // virtual-key codes
  from->OnKeyDown = [&keys](int key, Qt::KeyboardModifiers) { keys.push_back(key); };
  QTest::keyClick(from, Qt::Key_A);
  QTest::keyClick(from, Qt::Key_Return);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_NE(keys[0], 13);
  EXPECT_EQ(keys[1], 13);  // Enter
  EXPECT_EQ(from->Text(), "a");
}

TEST(SpinEdit, DefaultBoundsAreMinusOneToAMillion) {
  TSkSpinEdit spin;
  spin.show();
  const struct {
    int in, out;
  } cases[] = {{-5, -1}, {-1, -1}, {0, 0}, {999999, 999999}, {1000000, 1000000}, {2000000, 1000000}};
  for (const auto& c : cases) {
    spin.setValue(c.in);
    EXPECT_EQ(spin.value(), c.out) << c.in;
  }
  spin.selectAll();
  QTest::keyClicks(&spin, "5000000");
  EXPECT_EQ(spin.value(), 1000000);
}

TEST(SpinEdit, SettingBoundsMovesTheValue) {
  TSkSpinEdit spin;
  spin.setValue(70);
  spin.SetUpperBound(50);
  EXPECT_EQ(spin.value(), 50);
  spin.SetLowerBound(10);
  EXPECT_EQ(spin.value(), 50);
  // Above the value and above the upper bound: the value is set to 60, and
  // the change handler then lowers it to the upper bound, once.
  spin.SetLowerBound(60);
  EXPECT_EQ(spin.value(), 50);
  spin.setValue(0);  // clamped up to 60, then down to 50; no endless back and forth
  EXPECT_EQ(spin.value(), 50);
  spin.SetUpperBound(100);
  spin.setValue(80);
  EXPECT_EQ(spin.value(), 80);
  spin.setValue(5);
  EXPECT_EQ(spin.value(), 60);
}

}  // namespace
}  // namespace remont
