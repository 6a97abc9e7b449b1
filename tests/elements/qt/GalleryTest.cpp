// One window holding one of each basic control. The picture is written to
// the file named by REMONT_GALLERY_PNG when that is set, for a look by eye.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "common/Cp1251.h"
#include "common/qt/QtText.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkCheckBox.h"
#include "elements/qt/SkRadioButton.h"
#include "elements/qt/SkSpeedButton.h"
#include "elements/qt/SkEditBox.h"
#include "elements/qt/SkSpinEdit.h"
#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkListBox.h"
#include "elements/qt/ParentPanel.h"
#include "elements/qt/SkPanel.h"
#include "elements/qt/SkSplitter.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkPic.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTrackBar.h"

namespace remont {
namespace {

// Distinct colours in a region: plain background gives one or two.
int Colours(const QImage& image, const QRect& r) {
  QList<QRgb> seen;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (!seen.contains(c)) seen << c;
    }
  return static_cast<int>(seen.size());
}

TEST(Gallery, EveryControlDrawsItsCyrillicCaption) {
  QWidget window;
  window.resize(520, 300);
  window.setWindowTitle(ToQ(Ru("Ремонт")));

  auto* button = new TSkButton(&window);
  button->SetCaption(Ru("Печать"));
  button->setGeometry(10, 10, 100, 28);
  auto* speed = new TSkSpeedButton(&window);
  speed->SetCaption(Ru("Назад"));
  speed->SetGroup(1);
  speed->SetDownRemembered(true);
  speed->setGeometry(120, 10, 80, 28);
  auto* menu = new TSkPopMenu(&window);
  menu->AddPopItem(Ru("Избранное"), "fav", "");
  auto* chevron = new TSkSpeedButton(&window);
  chevron->SetCaption(Ru("Меню"));
  chevron->SetChevronMenu(menu);
  chevron->setGeometry(210, 10, 80, 28);
  auto* check = new TSkCheckBox(&window, Ru("Флажок"));
  check->setGeometry(300, 10, 100, 28);
  check->setChecked(true);
  auto* radio = new TSkRadioButton(&window);
  radio->SetCaption(Ru("Выбор"));
  radio->setGeometry(410, 10, 100, 28);

  auto* edit = new TSkEditBox(&window);
  edit->SetText(Ru("Двигатель"));
  edit->setGeometry(10, 50, 140, 26);
  auto* spin = new TSkSpinEdit(&window);
  spin->setValue(42);
  spin->setGeometry(160, 50, 80, 26);
  auto* combo = new TSkComboBox(&window);
  combo->AddListItems({Ru("Кузов;body"), Ru("Ходовая;chassis")});
  combo->setGeometry(250, 50, 130, 26);
  auto* label = new TSkLabel(&window);
  label->SetCaption(Ru("Сайт производителя"));
  label->SetUrlStyle(true);
  label->setGeometry(390, 50, 130, 26);

  auto* list = new TSkListBox(&window);
  list->AddListItems({Ru("Электрооборудование#;#e.htm"), Ru("Трансмиссия#;#t.htm")});
  list->setGeometry(10, 90, 200, 80);
  auto* panel = new TSkPanel(&window);
  panel->setGeometry(220, 90, 140, 80);
  panel->setFrameShape(QFrame::Box);  // to see where it is
  auto* inner = new TParentPanel(panel);
  inner->SetColor(0xC0FFC0);
  inner->SetWidthText("50%");
  inner->SetCenterHorz(true);
  inner->SetCenterVert(true);
  auto* split = new TSkSplitter(&window);
  split->setGeometry(365, 90, 4, 80);
  split->setFrameShape(QFrame::Box);
  auto* pic = new TSkPic(&window);
  QPixmap swatch(60, 60);
  swatch.fill(Qt::darkCyan);
  pic->setPixmap(swatch);
  pic->setGeometry(380, 100, 60, 60);

  auto* track = new TSkTrackBar(&window);
  track->setRange(0, 10);
  track->setValue(4);
  track->setGeometry(10, 190, 240, 30);
  auto* progress = new TSkProgressBar(&window);
  progress->setGeometry(260, 190, 240, 20);
  progress->setValue(60);

  window.show();
  const QImage image = window.grab().toImage();
  ASSERT_EQ(image.size(), window.size() * window.devicePixelRatio());
  if (const char* out = std::getenv("REMONT_GALLERY_PNG")) {
    EXPECT_TRUE(image.save(QString::fromLocal8Bit(out)));
  }

  // Captions are drawn: the caption areas hold more than background colours.
  EXPECT_GT(Colours(image, button->geometry()), 3);
  EXPECT_GT(Colours(image, label->geometry()), 3);
  EXPECT_GT(Colours(image, list->geometry()), 3);
  EXPECT_EQ(label->text(), QString::fromUtf8("Сайт производителя"));
  EXPECT_EQ(image.pixel(pic->geometry().center()), QColor(Qt::darkCyan).rgb());
  // 50% of 140 is (140 div 100) * 50; centred in the 140x80 panel.
  EXPECT_EQ(inner->geometry(), QRect(45, 15, 50, 50));
}

}  // namespace
}  // namespace remont
