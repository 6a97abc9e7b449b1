// Draws a page with pictures, a table and a Russian title the way a user sees
// it. Set REMONT_SHOT_DIR to keep the picture (pages.png) for a look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkPic.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTrackBar.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"
#include "support/FakePlatform.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

int CountColour(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
          std::abs(c.blue() - colour.blue()) < 40)
        ++n;
    }
  return n;
}

TEST(SkHtmlRenderTest, PageWithPicturesTableAndRussianTitle) {
  test::FakePlatform platform;
  test::TestManual manual;
  manual.Add("pics/red.jpg", test::PictureBytes(120, 80, "JPG", QColor(220, 30, 30)));
  manual.Add("pics/green.gif", test::GifBytes());
  manual.Add("pages/valves.htm",
             Ru("<html><head><title>Зазоры клапанов</title></head><body>"
                "<h2>Регулировка зазоров</h2>"
                "<p>Снимите крышку головки блока цилиндров и проверьте зазоры щупом.</p>"
                "<p><img src=\"..\\pics\\red.jpg\"> <img src=\"../pics/green.gif\" width=\"40\" height=\"40\"></p>"
                "<table border=\"1\" cellpadding=\"4\"><tr><th>Клапан</th><th>Зазор, мм</th></tr>"
                "<tr><td>Впускной</td><td>0,20</td></tr><tr><td>Выпускной</td><td>0,35</td></tr></table>"
                "</body></html>"));
  ASSERT_TRUE(manual.Open());

  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* label = new TSkLabel(&window);
  auto* html = new TSkHtml(&window);
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addWidget(label);
  layout->addWidget(html);
  html->SetTitleLabel(label);
  window.resize(520, 420);
  window.show();
  html->LoadPage("pages/valves.htm");
  QApplication::processEvents();

  EXPECT_EQ(label->text(), QString::fromUtf8("Зазоры клапанов"));
  EXPECT_TRUE(platform.messages.empty());
  const QImage shot = window.grab().toImage();
  if (const QByteArray dir = qgetenv("REMONT_SHOT_DIR"); !dir.isEmpty()) shot.save(QString(dir) + "/pages.png");
  // The JPEG came through the archive: its colour covers most of its 120x80.
  EXPECT_GT(CountColour(shot, QColor(220, 30, 30)), 120 * 80 * 8 / 10);
  // Text was drawn (dark pixels), and the page is on white.
  EXPECT_GT(CountColour(shot, QColor(0, 0, 0)), 500);
  EXPECT_GT(CountColour(shot, QColor(255, 255, 255)), shot.width() * shot.height() / 3);
}

TEST(SkHtmlRenderTest, ContentsTreeWithPicturesAndSelection) {
  test::FakePlatform platform;
  test::TestManual manual;
  manual.Add("pics/book.jpg", test::PictureBytes(16, 16, "JPG", QColor(30, 30, 220)));
  manual.Add("tree.txt", Ru("Двигатель;pages/engine.htm;pics/book.jpg\n"
                            "\tЗазоры клапанов;pages/valves.htm;pics/book.jpg\n"
                            "\tМасло;pages/oil.htm\n"
                            "Тормоза;pages/brakes.htm;pics/book.jpg\n"));
  ASSERT_TRUE(manual.Open());
  TSkTree tree;
  tree.SetOpenBlock(true);
  tree.SetSelectedColor(ParseColor("#30c030"));
  tree.LoadTree("tree.txt");
  tree.SelectNodeSilently(tree.NodeItem(1));
  tree.resize(260, 120);
  tree.show();
  QApplication::processEvents();
  const QImage shot = tree.grab().toImage();
  if (const QByteArray dir = qgetenv("REMONT_SHOT_DIR"); !dir.isEmpty()) shot.save(QString(dir) + "/tree.png");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_GT(CountColour(shot, QColor(30, 30, 220)), 3 * 16 * 16 * 7 / 10);  // three node pictures
  EXPECT_GT(CountColour(shot, QColor(0x30, 0xc0, 0x30)), 500);              // the selected row
}

}  // namespace
}  // namespace remont
