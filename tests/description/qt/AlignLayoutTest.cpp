// Windows laid out by align alone, as publishers write them: the reading
// page at several sizes, nested panels, hidden panels, the splitter, and
// alignment beside anchors and percentage sizes.
#include <gtest/gtest.h>

#include <QTest>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/ParentPanel.h"
#include "elements/qt/SkPanel.h"
#include "elements/qt/SkSplitter.h"
#include "support/FakePlatform.h"
#include "support/qt/EngineBuild.h"

namespace remont {
namespace {

class AlignLayoutTest : public ::testing::Test {
 protected:
  std::unique_ptr<TSkStract> Build(TSkForm& form, const std::string& text) {
    return test::BuildDescription(form, program_, "a.txt", text);
  }
  QRect Rect(TSkStract& e, const char* name) { return qobject_cast<QWidget*>(e.GetControl(name))->geometry(); }

  test::FakePlatform platform_;
  test::LooseProgram program_;
};

// The reading page of another author's manual: sections before their
// masters, types and keys in mixed case, values with odd spacing, nothing
// placed by left/top.
const char kReadingPage[] =
    "[Caption]\nType=Label\nMaster=PagePanel\nALIGN=Top\nheight=24\ncaption=Заголовок\n"
    "[Status]\ntype=PANEL\nmaster=pagepanel\nalign= bottom \nheight=22\n"
    "[View]\ntype=html\nmaster=PagePanel\nalign=CLIENT\n"
    "[Tree]\ntype=tree\nmaster=TreePanel\nalign=client\n"
    "[Show]\ntype=Form\nwidth=800\nheight=600\n"
    "[ToolBar]\ntype=panel\nalign=top\nheight=40\n"
    "[BtnBack]\ntype=sp_button\nmaster=ToolBar\nalign=left\nwidth=70\n"
    "[BtnNext]\ntype=sp_button\nmaster=ToolBar\nalign=left\nwidth=70\n"
    "[TreePanel]\ntype=panel\nalign=left\nwidth=250\n"
    "[Splitter]\ntype=split\nwidth=4\n"
    "[PagePanel]\ntype=panel\nalign=client\n";

TEST_F(AlignLayoutTest, AReadingPageLaidOutByAlignAlone) {
  TSkForm form;
  auto e = Build(form, kReadingPage);
  ASSERT_EQ(e->Page()->size(), QSize(800, 600));
  EXPECT_EQ(Rect(*e, "ToolBar"), QRect(0, 0, 800, 40));
  EXPECT_EQ(Rect(*e, "BtnBack"), QRect(0, 0, 70, 40));
  EXPECT_EQ(Rect(*e, "BtnNext"), QRect(70, 0, 70, 40));
  EXPECT_EQ(Rect(*e, "TreePanel"), QRect(0, 40, 250, 560));
  EXPECT_EQ(Rect(*e, "Tree"), QRect(0, 0, 250, 560));
  EXPECT_EQ(Rect(*e, "Splitter"), QRect(250, 40, 4, 560));  // a splitter starts aligned left
  EXPECT_EQ(Rect(*e, "PagePanel"), QRect(254, 40, 546, 560));
  EXPECT_EQ(Rect(*e, "Caption"), QRect(0, 0, 546, 24));
  EXPECT_EQ(Rect(*e, "View"), QRect(0, 24, 546, 514));
  EXPECT_EQ(Rect(*e, "Status"), QRect(0, 538, 546, 22));
  EXPECT_TRUE(platform_.messages.empty());

  // At any size of the window.
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  for (const QSize size : {QSize(1024, 700), QSize(500, 320), QSize(1280, 1000)}) {
    form.resize(size);
    QCoreApplication::processEvents();
    const QSize page = e->Page()->size();
    ASSERT_EQ(page, size);
    EXPECT_EQ(Rect(*e, "ToolBar"), QRect(0, 0, page.width(), 40));
    EXPECT_EQ(Rect(*e, "TreePanel"), QRect(0, 40, 250, page.height() - 40));
    EXPECT_EQ(Rect(*e, "PagePanel"), QRect(254, 40, page.width() - 254, page.height() - 40));
    EXPECT_EQ(Rect(*e, "View"), QRect(0, 24, page.width() - 254, page.height() - 40 - 24 - 22));
    EXPECT_EQ(Rect(*e, "Status"), QRect(0, page.height() - 40 - 22, page.width() - 254, 22));
  }
}

TEST_F(AlignLayoutTest, HiddenPanelsTakeNoSpaceAndComeBack) {
  TSkForm form;
  auto e = Build(form, kReadingPage);
  const QRect page_panel = Rect(*e, "PagePanel");
  e->ExecuteCommand("panel_show_or_hide*TreePanel//split_show_or_hide*Splitter");
  EXPECT_EQ(Rect(*e, "PagePanel"), QRect(0, 40, 800, 560));
  e->ExecuteCommand("visible*ToolBar*0");
  EXPECT_EQ(Rect(*e, "PagePanel"), QRect(0, 0, 800, 600));
  e->ExecuteCommand("visible*ToolBar*1//panel_show_or_hide*TreePanel//split_show_or_hide*Splitter");
  EXPECT_EQ(Rect(*e, "TreePanel"), QRect(0, 40, 250, 560));
  EXPECT_EQ(Rect(*e, "Splitter"), QRect(250, 40, 4, 560));
  EXPECT_EQ(Rect(*e, "PagePanel"), page_panel);
}

TEST_F(AlignLayoutTest, TheSplitterResizesTheLeftPanel) {
  TSkForm form;
  auto e = Build(form, kReadingPage);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  auto* split = qobject_cast<TSkSplitter*>(e->GetSplitter("Splitter"));
  ASSERT_NE(split, nullptr);
  auto drag = [split](int dx) {
    QTest::mousePress(split, Qt::LeftButton, {}, QPoint(2, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(2 + dx, 100), split->mapToGlobal(QPointF(2 + dx, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(split, &move);
    QTest::mouseRelease(split, Qt::LeftButton, {}, QPoint(2 + dx, 100));
  };
  drag(60);
  EXPECT_EQ(Rect(*e, "TreePanel"), QRect(0, 40, 310, 560));
  EXPECT_EQ(Rect(*e, "Tree"), QRect(0, 0, 310, 560));
  EXPECT_EQ(Rect(*e, "Splitter"), QRect(310, 40, 4, 560));
  EXPECT_EQ(Rect(*e, "PagePanel"), QRect(314, 40, 486, 560));
  drag(-1000);  // never narrower than the splitter's minimum
  EXPECT_EQ(Rect(*e, "TreePanel").width(), TSkSplitter::kMinSize);
  drag(5000);  // and the page keeps the minimum too
  EXPECT_EQ(Rect(*e, "PagePanel").width(), TSkSplitter::kMinSize);
}

TEST_F(AlignLayoutTest, AlignBesideAnchorsPercentagesAndConstraints) {
  TSkForm form;
  auto e = Build(form,
                 "[f]\ntype=form\nwidth=400\nheight=300\n"
                 "[side]\ntype=parent_panel\nalign=right\nwidth=25%\n"
                 "[bottom]\ntype=panel\nalign=bottom\nheight=30\n"
                 "[list]\ntype=tree\nalign=left\nwidth=80\nmax_height=100\n"
                 "[free]\ntype=button\nwidth=40\nheight=20\nanchor=* 5 5 *\n");
  EXPECT_EQ(Rect(*e, "side"), QRect(300, 0, 100, 270));  // 400 div 100 * 25, above the bottom stack
  EXPECT_EQ(Rect(*e, "bottom"), QRect(0, 270, 400, 30));
  EXPECT_EQ(Rect(*e, "list"), QRect(0, 0, 80, 100));     // its max_height holds
  EXPECT_EQ(Rect(*e, "free"), QRect(355, 5, 40, 20));    // anchored, not aligned: as before

  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.resize(800, 500);
  QCoreApplication::processEvents();
  EXPECT_EQ(Rect(*e, "side"), QRect(600, 0, 200, 470));  // the percentage follows the window
  EXPECT_EQ(Rect(*e, "bottom"), QRect(0, 470, 800, 30));
  EXPECT_EQ(Rect(*e, "free"), QRect(755, 5, 40, 20));
}

TEST_F(AlignLayoutTest, ContainersOfEveryKindAlignTheirChildren) {
  TSkForm form;
  auto e = Build(form,
                 "[f]\ntype=form\nwidth=600\nheight=400\n"
                 "[pp]\ntype=parent_panel\nalign=left\nwidth=200\n"
                 "[pp_top]\ntype=label\nmaster=pp\nalign=top\nheight=20\n"
                 "[pp_fill]\ntype=list_box\nmaster=pp\nalign=client\n"
                 "[box]\ntype=scroll_box\nalign=client\n"
                 "[box_bar]\ntype=panel\nmaster=box\nalign=bottom\nheight=25\n");
  EXPECT_EQ(Rect(*e, "pp_top"), QRect(0, 0, 200, 20));
  EXPECT_EQ(Rect(*e, "pp_fill"), QRect(0, 20, 200, 380));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QWidget* bar = qobject_cast<QWidget*>(e->GetControl("box_bar"));
  const QSize inside = bar->parentWidget()->contentsRect().size();
  EXPECT_GT(inside.width(), 350);  // the scroll box's area fills the box
  EXPECT_EQ(bar->geometry(), QRect(0, inside.height() - 25, inside.width(), 25));
}

}  // namespace
}  // namespace remont
