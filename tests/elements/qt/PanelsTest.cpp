#include "elements/qt/ParentPanel.h"
#include "elements/qt/SkPanel.h"
#include "elements/qt/SkSplitter.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "common/ConvertError.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkCheckBox.h"
#include "elements/qt/SkRadioButton.h"
#include "elements/qt/SkSpeedButton.h"

namespace remont {
namespace {

// A shown window with a 400x300 container, so that resizes reach the
// children at once.
class Container : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(800, 700);
    box = new QWidget(&window);
    box->setGeometry(0, 0, 400, 300);
    window.show();
  }
  QWidget window;
  QWidget* box = nullptr;
};

TEST_F(Container, ShowOrHideComesBackWhereItWasHidden) {
  auto* panel = new TSkPanel(box);
  panel->setGeometry(30, 40, 100, 50);
  auto* split = new TSkSplitter(box);
  split->move(70, 20);
  for (QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(split)}) {
    auto toggle = [w] {
      if (auto* p = qobject_cast<TSkPanel*>(w)) p->ShowOrHide();
      else qobject_cast<TSkSplitter*>(w)->ShowOrHide();
    };
    const QPoint was = w->pos();
    toggle();
    EXPECT_TRUE(w->isHidden());
    w->move(0, 0);  // moved while hidden (a relayout, say)
    toggle();
    EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(w->pos(), was);
  }
}

TEST_F(Container, ButtonsOnlyToggleVisibility) {
  auto* b = new TSkButton(box);
  auto* s = new TSkSpeedButton(box);
  b->ShowOrHide();
  s->ShowOrHide();
  EXPECT_TRUE(b->isHidden());
  EXPECT_TRUE(s->isHidden());
  b->ShowOrHide();
  s->ShowOrHide();
  EXPECT_FALSE(b->isHidden());
  EXPECT_FALSE(s->isHidden());
}

TEST_F(Container, PanelDoubleClickRaisesAndNeverShowsACaption) {
  auto* panel = new TSkPanel(box);
  panel->setGeometry(0, 0, 100, 100);
  panel->show();
  int clicks = 0;
  panel->OnClick = [&clicks] { ++clicks; };
  QTest::mouseDClick(panel, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(panel->property("themeObject").toString(), "default");
}

TEST_F(Container, FourTensFillLessTenAndFollow) {
  auto* b = new TSkButton(box);
  b->setGeometry(5, 5, 60, 20);
  b->show();
  ApplyAnchorKey(b, "10 10 10 10");
  EXPECT_EQ(b->geometry(), QRect(10, 10, 380, 280));
  box->resize(600, 500);
  EXPECT_EQ(b->geometry(), QRect(10, 10, 580, 480));
  box->resize(300, 200);
  EXPECT_EQ(b->geometry(), QRect(10, 10, 280, 180));
}

TEST_F(Container, TopRightCornerStaysThere) {
  auto* b = new TSkButton(box);
  b->setGeometry(0, 0, 60, 20);
  b->show();
  ApplyAnchorKey(b, "* 5 5 *");
  EXPECT_EQ(b->geometry(), QRect(335, 5, 60, 20));
  box->resize(500, 400);
  EXPECT_EQ(b->geometry(), QRect(435, 5, 60, 20));
  // Moved by hand, it keeps its new distance from then on.
  b->move(400, 50);
  box->resize(450, 400);
  EXPECT_EQ(b->geometry(), QRect(350, 50, 60, 20));
}

TEST_F(Container, FourStarsCentreAPanelButLeaveAButton) {
  auto* b = new TSkButton(box);
  b->setGeometry(20, 30, 60, 20);
  b->show();
  ApplyAnchorKey(b, "* * * *");
  EXPECT_EQ(b->geometry(), QRect(20, 30, 60, 20));

  auto* panel = new TSkPanel(box);
  panel->setGeometry(20, 30, 100, 50);
  panel->show();
  ApplyAnchorKey(panel, "* * * *");
  EXPECT_TRUE(panel->CenterHorz());
  EXPECT_TRUE(panel->CenterVert());
  EXPECT_EQ(panel->geometry(), QRect(150, 125, 100, 50));
  box->resize(600, 500);
  panel->Recenter();  // the engine's step after every resize of its window
  EXPECT_EQ(panel->geometry(), QRect(250, 225, 100, 50));
}

TEST_F(Container, BadAnchorRaisesAndLeavesTheElement) {
  auto* b = new TSkButton(box);
  b->setGeometry(1, 2, 30, 40);
  EXPECT_THROW(ApplyAnchorKey(b, "10  10 10"), ConvertError);
  EXPECT_EQ(b->geometry(), QRect(1, 2, 30, 40));
}

TEST_F(Container, PercentageSizesFollowARealParent) {
  box->resize(250, 300);
  auto* pp = new TParentPanel(box);
  EXPECT_EQ(pp->size(), QSize(100, 50));
  pp->SetWidthText("50%");
  EXPECT_EQ(pp->width(), 100);
  EXPECT_EQ(pp->WidthPercent(), 50);
  pp->SetHeightText("30");
  EXPECT_EQ(pp->height(), 30);
  EXPECT_EQ(pp->HeightPercent(), 0);

  box->resize(99, 300);
  pp->ApplyPercentSize();
  EXPECT_EQ(pp->width(), 0);
  box->resize(430, 300);
  pp->ApplyPercentSize();
  EXPECT_EQ(pp->width(), 200);
  EXPECT_EQ(pp->height(), 30);

  pp->SetHeightText("25%");
  EXPECT_EQ(pp->height(), 75);
  pp->resize(129, 90);
  pp->RemeasurePercentSize();  // 129 div (430 div 100), 90 div (300 div 100)
  EXPECT_EQ(pp->WidthPercent(), 32);
  EXPECT_EQ(pp->HeightPercent(), 30);
  EXPECT_THROW(pp->SetWidthText("wide"), ConvertError);
}

TEST_F(Container, ParentPanelCentresAndPaintsItsColour) {
  auto* pp = new TParentPanel(box);
  pp->SetColor(0x0000FF);  // red in the low byte
  EXPECT_EQ(pp->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_TRUE(pp->autoFillBackground());
  pp->SetCenterHorz(true);
  EXPECT_EQ(pp->x(), 150);
  EXPECT_EQ(pp->y(), 0);
  box->resize(301, 300);
  pp->Recenter();
  EXPECT_EQ(pp->x(), 100);
}

TEST_F(Container, SplitterResizesItsNeighbour) {
  auto* left = new QWidget(box);
  left->setGeometry(0, 0, 100, 300);
  auto* split = new TSkSplitter(box);
  split->setGeometry(100, 0, 4, 300);
  split->SetNeighbour(left);
  left->show();
  split->show();
  QTest::mousePress(split, Qt::LeftButton, {}, QPoint(2, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(32, 10), split->mapToGlobal(QPointF(32, 10)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(split, &move);
  QTest::mouseRelease(split, Qt::LeftButton, {}, QPoint(32, 10));
  EXPECT_EQ(left->width(), 130);
  EXPECT_EQ(split->x(), 130);
}

// A panel without a colour hides what lies under it (page text, say).
TEST_F(Container, APanelIsOpaque) {
  auto* text = new QLabel(QString(40, QChar('W')), box);
  text->setStyleSheet("color: black; font-size: 30px;");
  text->setGeometry(0, 0, 400, 100);
  auto* panel = new TSkPanel(box);
  panel->setGeometry(0, 0, 400, 100);
  panel->show();
  text->show();
  const QImage shot = box->grab(QRect(0, 0, 400, 100)).toImage();
  const QRgb first = shot.pixel(0, 0);
  int differing = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) differing += shot.pixel(x, y) != first;
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace remont

namespace remont {
namespace {

TEST(FontSpec, AppliedToAWidget) {
  TSkButton b;
  QFont start = b.font();
  start.setFamily("DejaVu Sans");
  start.setPointSize(9);
  start.setItalic(true);
  b.setFont(start);

  ApplyFontSpec(&b, "***");  // empty style text: style kept
  EXPECT_TRUE(b.font().italic());
  ApplyFontSpec(&b, "**#FF0000");  // colour only
  EXPECT_EQ(b.palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  EXPECT_EQ(b.font().pointSize(), 9);
  EXPECT_TRUE(b.font().italic());
  ApplyFontSpec(&b, "***UB");
  EXPECT_TRUE(b.font().bold());
  EXPECT_TRUE(b.font().underline());
  EXPECT_FALSE(b.font().italic());
  const QFont f = ApplyFontSpec(&b, "Arial*14");
  EXPECT_EQ(f.family(), "Arial");
  EXPECT_EQ(b.font().pointSize(), 14);
  EXPECT_TRUE(b.font().bold());
  EXPECT_THROW(ApplyFontSpec(&b, "Arial*x"), ConvertError);
  EXPECT_EQ(b.font().pointSize(), 14);
}

}  // namespace
}  // namespace remont
