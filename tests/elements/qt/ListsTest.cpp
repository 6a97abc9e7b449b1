#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkListBox.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QLineEdit>
#include <QWheelEvent>

#include "archive/ArchiveBuilder.h"
#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/qt/QtText.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

// An archive holding list.txt and combo.txt, with loose.txt beside it.
class ItemFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ArchiveBuilder b;
    b.Add("list.txt", "Engine#;#engine.htm\r\nNo value\r\n#;#v\r\n" + Ru("Двигатель#;#d.htm"), 1);
    b.Add("combo.txt", "Audi;a.txt\n;hidden\nWhole line\nBMW;b;x");
    const std::string path = dir.Write("manual.dat", b.Build());
    dir.Write("loose.txt", "A#;#1\nB#;#2");
    ASSERT_TRUE(OpenPack(path));
  }
  void TearDown() override { ClosePack(); }

  test::TempDir dir;
  test::FakePlatform platform;
};

QStringList Texts(const QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
  return out;
}

QStringList Texts(const QComboBox& combo) {
  QStringList out;
  for (int i = 0; i < combo.count(); ++i) out << combo.itemText(i);
  return out;
}

TEST_F(ItemFiles, ListBoxFromArchive) {
  TSkListBox list;
  list.LoadListItems("list.txt");
  EXPECT_EQ(Texts(list), (QStringList{"Engine", "No value", "", QString::fromUtf8("Двигатель")}));
  EXPECT_EQ(list.GetItemValue(0), "engine.htm");
  EXPECT_EQ(list.GetItemValue(1), "");
  EXPECT_EQ(list.GetItemValue(2), "v");
  EXPECT_EQ(list.GetItemValue(3), "d.htm");
  EXPECT_EQ(list.GetItemValue(4), "");
  EXPECT_EQ(list.GetItemValue(-1), "");
  EXPECT_EQ(list.ItemStore()[1], "No value#;#");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ItemFiles, ListBoxLooseFileReplacesAndMissingFileKeeps) {
  TSkListBox list;
  list.LoadListItems("list.txt");
  list.LoadListItems("LOOSE.TXT");
  EXPECT_EQ(Texts(list), (QStringList{"A", "B"}));
  EXPECT_EQ(list.GetItemValue(1), "2");
  list.LoadListItems("absent.txt");
  EXPECT_EQ(Texts(list), (QStringList{"A", "B"}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("absent.txt"), std::string::npos);
  list.ClearListItems();
  EXPECT_EQ(list.count(), 0);
  EXPECT_TRUE(list.ItemStore().empty());
}

TEST_F(ItemFiles, ComboBoxSkipsEmptyCaptions) {
  TSkComboBox combo;
  combo.LoadListItems("combo.txt");
  EXPECT_EQ(Texts(combo), (QStringList{"Audi", "Whole line", "BMW"}));
  EXPECT_EQ(combo.Values(), (std::vector<std::string>{"a.txt", "", "b;x"}));
  combo.setCurrentIndex(1);
  EXPECT_EQ(combo.GetSelectedValue(), "");
  combo.setCurrentIndex(2);
  EXPECT_EQ(combo.GetSelectedValue(), "b;x");
  combo.LoadListItems("absent.txt");  // emptied before reading
  EXPECT_EQ(combo.count(), 0);
  EXPECT_EQ(combo.GetSelectedValue(), "");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(ListBox, DoubleClickAndSelection) {
  TSkListBox list;
  list.resize(200, 100);
  list.show();
  list.AddListItems({"One#;#1", "Two#;#2"});
  int clicks = 0;
  list.OnClick = [&clicks] { ++clicks; };
  EXPECT_EQ(list.ItemIndex(), -1);
  const QRect second = list.visualItemRect(list.item(1));
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.GetItemValue(list.ItemIndex()), "2");
}

TEST(ListBox, LongItemsHintTheirCaption) {
  TSkListBox list;
  list.resize(80, 100);
  list.show();
  const std::string longer = "A caption far wider than the list box";
  list.AddListItem(longer, "x");
  list.AddListItem("Short", "y");
  EXPECT_EQ(list.ItemHint(list.visualItemRect(list.item(0)).center()), ToQ(longer));
  EXPECT_EQ(list.ItemHint(list.visualItemRect(list.item(1)).center()), QString());
  EXPECT_EQ(list.ItemHint(QPoint(5, 95)), QString());  // below the items
}

TEST(ComboBox, ReadOnlyWheelAndChange) {
  TSkComboBox combo;
  combo.show();
  combo.AddListItems({"A;1", "B;2", "C;3"});
  EXPECT_TRUE(combo.isEditable());
  combo.SetComboReadOnly(true);
  EXPECT_FALSE(combo.isEditable());
  combo.setCurrentIndex(0);

  QWheelEvent wheel(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&combo, &wheel);
  EXPECT_EQ(combo.currentIndex(), 0);

  int clicks = 0;
  combo.OnClick = [&clicks] { ++clicks; };
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(combo.currentIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(combo.GetSelectedValue(), "2");

  combo.SetComboReadOnly(false);
  EXPECT_TRUE(combo.isEditable());
  EXPECT_EQ(combo.currentIndex(), 1);
  combo.lineEdit()->selectAll();
  QTest::keyClicks(combo.lineEdit(), "zz");
  EXPECT_EQ(clicks, 3);  // each typed character is a change
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.GetSelectedValue(), "");
}

}  // namespace
}  // namespace remont
