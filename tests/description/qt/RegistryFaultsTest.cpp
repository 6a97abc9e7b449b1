// Faults mended while the element classes moved into the registry: keys a type
// does not read, the help topic, combo_load, show-or-hide against visible_ex,
// the file errors of the splash and the icon, button word wrap, and parent
// panels that keep the share the user gave them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/qt/QtPlatform.h"
#include "description/qt/SkStract.h"
#include "elements/qt/ParentPanel.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkSplitter.h"
#include "support/FakePlatform.h"
#include "support/qt/EngineBuild.h"

namespace remont {
namespace {

class RegistryFaultsTest : public ::testing::Test {
 protected:
  std::unique_ptr<TSkStract> Build(const std::string& text) {
    return test::BuildDescription(form, program, "r.txt", text);
  }

  test::FakePlatform platform;
  test::LooseProgram program;
  TSkForm form;
};

TEST_F(RegistryFaultsTest, KeysATypeDoesNotReadAreIgnored) {
  auto e = Build("[f]\ntype=form\n"
                 "[p]\ntype=panel\nhint=not a panel key\nfont=*30**b\n"
                 "[b]\ntype=button\nhint=a button key\nfont=*30**b\n");
  QWidget* panel = e->GetPanel("p");
  EXPECT_TRUE(panel->toolTip().isEmpty());
  EXPECT_FALSE(panel->font().bold());
  QWidget* button = e->GetButton("b");
  EXPECT_EQ(button->toolTip(), "a button key");
  EXPECT_TRUE(button->font().bold());
}

TEST_F(RegistryFaultsTest, HelpOpensTheFileAtItsTopic) {
  auto e = Build("[f]\ntype=form\nhelp_id=start\n");
  e->ExecuteCommand("help*manual.chm");
  e->ExecuteCommand("help_id*brakes//help*manual.chm");
  e->ExecuteCommand("help*manual.chm*engine");
  const std::string file = GetProgramPath("manual.chm");
  EXPECT_EQ(platform.helps, (std::vector<std::string>{file + "#start", file + "#brakes", file + "#engine"}));
  // The topic goes to the desktop as the address's fragment, not as part of the file name.
  const QUrl url = HelpUrl("/opt/remont/manual.chm", "brakes");
  EXPECT_EQ(url.scheme(), "file");
  EXPECT_EQ(url.path(), "/opt/remont/manual.chm");
  EXPECT_EQ(url.fragment(), "brakes");
  EXPECT_FALSE(HelpUrl("/opt/remont/manual.chm", "").hasFragment());
}

TEST_F(RegistryFaultsTest, ComboLoadFillsTheBoxAndSelectsTheFirstItemSilently) {
  program.Write("models.txt", Utf8ToCp1251("Седан;sedan.htm\nУниверсал;wagon.htm\n"));
  auto e = Build("[f]\ntype=form\n[c]\ntype=combo_box\naction=test*insert\n");
  e->ExecuteCommand("combo_load*c*models.txt");
  auto* combo = qobject_cast<QComboBox*>(e->GetComboBox("c"));
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_TRUE(platform.messages.empty());  // selecting is not choosing: nothing raised
}

TEST_F(RegistryFaultsTest, ShowOrHideCommandAndVisibleExShareThePlace) {
  auto e = Build("[f]\ntype=form\nwidth=400\nheight=300\n"
                 "[p]\ntype=panel\nleft=30\ntop=40\nwidth=100\nheight=50\nvisible_ex=1\n");
  QWidget* panel = e->GetPanel("p");
  EXPECT_TRUE(panel->isHidden());
  panel->move(0, 0);  // moved while hidden
  e->ExecuteCommand("panel_show_or_hide*p");
  EXPECT_FALSE(panel->isHidden());
  EXPECT_EQ(panel->pos(), QPoint(30, 40));  // where visible_ex hid it
}

TEST_F(RegistryFaultsTest, UnreadablePicturesStopTheBuildWithTheFileError) {
  for (const char* key : {"splash=nowhere.bmp*5", "ico=nowhere.ico"}) {
    TSkForm window;
    program.Write("bad.txt", std::string("[f]\ntype=form\n") + key + "\n[b]\ntype=button\n");
    TSkStract engine(&window, "bad.txt");
    try {
      engine.LoadStruct();
      ADD_FAILURE() << key << " built";
    } catch (const std::runtime_error& error) {
      // Windows-1251, as every message: the error box converts it once.
      const std::string file = std::string(key).substr(std::string(key).find('=') + 1);
      EXPECT_EQ(error.what(), msg::CannotOpenFile(file.substr(0, file.find('*')))) << key;
    }
    engine.message_switch = false;
    EXPECT_EQ(engine.GetButton("b"), nullptr) << key;
  }
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::red);
  ASSERT_TRUE(icon.save(QString::fromStdString(program.path() + "/app.png")));
  auto e = Build("[f]\ntype=form\nico=app.png\n[b]\ntype=button\n");
  EXPECT_NE(e->GetButton("b"), nullptr);
}

// Rows of a button's picture that hold caption pixels, in separate bands.
int TextBands(QWidget* w) {
  const QImage shot = w->grab().toImage();
  int bands = 0;
  bool in_band = false;
  for (int y = 2; y < shot.height() - 2; ++y) {
    bool dark = false;
    for (int x = 4; x < shot.width() - 4 && !dark; ++x) dark = qGray(shot.pixel(x, y)) < 100;
    if (dark && !in_band) ++bands;
    in_band = dark;
  }
  return bands;
}

TEST_F(RegistryFaultsTest, AWordWrappedButtonBreaksItsCaption) {
  auto e = Build("[f]\ntype=form\n"
                 "[one]\ntype=button\ncaption=Печать страницы\nwidth=70\nheight=60\n"
                 "[two]\ntype=button\ncaption=Печать страницы\nwidth=70\nheight=60\nword_wrap=1\n");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(TextBands(e->GetButton("one")), 1);
  EXPECT_EQ(TextBands(e->GetButton("two")), 2);
}

TEST_F(RegistryFaultsTest, AParentPanelKeepsTheShareTheUserGaveIt) {
  auto e = Build("[f]\ntype=form\nwidth=800\nheight=400\n"
                 "[side]\ntype=parent_panel\nalign=left\nwidth=25%\n"
                 "[bar]\ntype=split\nwidth=4\n"
                 "[rest]\ntype=panel\nalign=client\n");
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QWidget* side = e->GetParentPanel("side");
  ASSERT_EQ(side->width(), 200);
  auto* split = qobject_cast<TSkSplitter*>(e->GetSplitter("bar"));
  QTest::mousePress(split, Qt::LeftButton, {}, QPoint(2, 100));
  QMouseEvent move(QEvent::MouseMove, QPointF(202, 100), split->mapToGlobal(QPointF(202, 100)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(split, &move);
  QTest::mouseRelease(split, Qt::LeftButton, {}, QPoint(202, 100));
  ASSERT_EQ(side->width(), 400);  // half the window now
  form.resize(1000, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(side->width(), 500);  // still half, measured afresh when the window was resized
  EXPECT_EQ(qobject_cast<TParentPanel*>(side)->WidthPercent(), 50);
}

}  // namespace
}  // namespace remont
