// The description engine building real widgets from loose description files.
#include "description/qt/SkStract.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "elements/HotKey.h"
#include "elements/qt/SkForm.h"
#include "support/FakePlatform.h"
#include "support/qt/LooseProgram.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::LooseProgram;

std::vector<std::string> Names(const std::vector<QObject*>& objects) {
  std::vector<std::string> out;
  for (const QObject* o : objects) out.push_back(FromQ(o->objectName()));
  return out;
}

class EngineCaseTest : public ::testing::Test {
 protected:
  // Builds "desc.txt" with the given text into the window.
  TSkStract& Build(const std::string& text, const std::string& file = "desc.txt") {
    program.Write(file, text);
    engines.push_back(std::make_unique<TSkStract>(&window, file));
    engines.back()->LoadStruct();
    return *engines.back();
  }
  void TearDown() override {
    while (!engines.empty()) engines.pop_back();  // engines go before their window
  }

  FakePlatform platform;
  LooseProgram program;
  TSkForm window;
  std::vector<std::unique_ptr<TSkStract>> engines;
};

TEST_F(EngineCaseTest, SectionBeforeItsMasterIsMadeAfterItAndBelowIt) {
  TSkStract& e = Build(
      "[child]\ntype=button\nmaster=pan\n"
      "[frm]\ntype=form\n"
      "[pan]\ntype=panel\n");
  QWidget* pan = e.GetPanel("pan");
  QWidget* child = e.GetButton("child");
  ASSERT_NE(pan, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->parentWidget(), pan);
  EXPECT_EQ(pan->parentWidget(), e.Page());
  EXPECT_EQ(Names(e.AllElements()), (std::vector<std::string>{"pan", "child"}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EngineCaseTest, ChildrenOfOneMasterComeInFileOrderEachWithItsOwnChildren) {
  TSkStract& e = Build(
      "[frm]\ntype=form\n"
      "[b2]\ntype=button\nmaster=pan\n"
      "[inner_child]\ntype=label\nmaster=inner\n"
      "[pan]\ntype=panel\n"
      "[inner]\ntype=panel\nmaster=pan\n"
      "[b1]\ntype=button\nmaster=pan\n");
  EXPECT_EQ(Names(e.AllElements()), (std::vector<std::string>{"pan", "b2", "inner", "inner_child", "b1"}));
  EXPECT_EQ(e.GetLabel("inner_child")->parentWidget(), e.GetPanel("inner"));
  EXPECT_EQ(e.GetButton("b1")->parentWidget(), e.GetPanel("pan"));
}

TEST_F(EngineCaseTest, MasterInOtherLetterCaseThanTheFormStillPlacesOnThePage) {
  TSkStract& e = Build("[Frm]\ntype=form\n[b]\ntype=button\nmaster=FRM\n[c]\ntype=button\nmaster=frm\n");
  ASSERT_NE(e.GetButton("b"), nullptr);
  ASSERT_NE(e.GetButton("c"), nullptr);
  EXPECT_EQ(e.GetButton("b")->parentWidget(), e.Page());
  EXPECT_EQ(e.GetButton("c")->parentWidget(), e.Page());
}

TEST_F(EngineCaseTest, TwoFormSectionsBothApplyTheirKeysAndThePageIsTheSecondOnes) {
  TSkStract& e = Build(
      "[f1]\ntype=form\ncaption=One\n"
      "[f2]\ntype=form\nmin_width=123\n"
      "[b]\ntype=button\nmaster=f2\n"
      "[c]\ntype=button\n");
  EXPECT_EQ(FromQ(window.windowTitle()), "One");
  EXPECT_EQ(window.minimumWidth(), 123);
  ASSERT_NE(window.Notebook(), nullptr);
  EXPECT_EQ(window.Notebook()->count(), 2);
  EXPECT_EQ(e.PageIndex(), 1);
  ASSERT_NE(e.Page(), nullptr);
  EXPECT_EQ(FromQ(e.Page()->objectName()), "p1");
  ASSERT_NE(e.GetButton("b"), nullptr);
  EXPECT_EQ(e.GetButton("b")->parentWidget(), e.Page());
  EXPECT_EQ(e.GetButton("c")->parentWidget(), e.Page());
}

struct TypeCase {
  const char* type;
  bool makes_button;
};

class TypeNameTest : public EngineCaseTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(TypeNameTest, TypeCaseIsIgnoredAndAMisspeltTypeMakesNothing) {
  const TypeCase& c = GetParam();
  TSkStract& e = Build(std::string("[frm]\ntype=form\n[x]\ntype=") + c.type + "\n[after]\ntype=button\n");
  e.message_switch = false;
  QObject* x = e.GetControl("x");
  if (c.makes_button) {
    ASSERT_NE(x, nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(x), nullptr);
    EXPECT_EQ(e.GetButton("x"), x);
    EXPECT_TRUE(platform.messages.empty());
  } else {
    EXPECT_EQ(x, nullptr);
    const std::string expected =
        std::string("desc.txt\r\n") + Ru("MakeObject. Объект x имеет неизвестный тип ") + LowerCase(c.type);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{expected}));
    EXPECT_EQ(Names(e.AllElements()), (std::vector<std::string>{"after"}));  // building went on
  }
}

INSTANTIATE_TEST_SUITE_P(Types, TypeNameTest,
                         ::testing::Values(TypeCase{"Button", true}, TypeCase{"BUTTON", true},
                                           TypeCase{"button", true}, TypeCase{"buton", false},
                                           TypeCase{"Buton", false}));

class PopMenuMasterTest : public EngineCaseTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PopMenuMasterTest, APopMenuWithAnyMasterIsAMenuOwnedByTheWindow) {
  TSkStract& e = Build(std::string("[frm]\ntype=form\n[pan]\ntype=panel\n[m]\ntype=pop_menu\n") + GetParam() +
                       "caption=A;B\naction=test*a;test*b\n");
  QMenu* m = e.GetPopMenu("m");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->parent(), &window);
  EXPECT_EQ(m->actions().size(), 2);
  EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Masters, PopMenuMasterTest,
                         ::testing::Values("", "master=frm\n", "master=pan\n", "master=nowhere\n", "master=m\n"));

TEST_F(EngineCaseTest, LookupsIgnoreLetterCase) {
  TSkStract& e = Build("[frm]\ntype=form\n[Ok_Button]\ntype=button\n[Pan]\ntype=panel\n");
  QWidget* b = e.GetButton("ok_button");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(e.GetButton("OK_BUTTON"), b);
  EXPECT_EQ(e.GetControl("oK_bUtToN"), b);
  EXPECT_EQ(e.GetComponent("OK_button", "button"), b);
  EXPECT_EQ(e.GetPanel("PAN"), e.GetControl("pan"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EngineCaseTest, GetControlOfAMissingNameIsSilentOnlyWithTheMessageSwitchOff) {
  TSkStract& e = Build("[frm]\ntype=form\n[b]\ntype=button\n");
  e.message_switch = false;
  EXPECT_EQ(e.GetControl("nothere"), nullptr);
  EXPECT_TRUE(platform.messages.empty());
  e.message_switch = true;
  EXPECT_EQ(e.GetControl("nothere"), nullptr);
  EXPECT_EQ(platform.messages,
            (std::vector<std::string>{"desc.txt\r\n" + Ru("GetControl. Не найден контрол: ") + "nothere"}));
  ASSERT_EQ(platform.kinds.size(), 1u);
  EXPECT_EQ(platform.kinds[0], MessageKind::Error);
  // A button is not a panel: the typed lookup searches its own list only.
  EXPECT_EQ(e.GetPanel("b"), nullptr);
  EXPECT_EQ(platform.messages.back(), "desc.txt\r\n" + Ru("GetComponent. Не найден контрол: ") + "b");
}

TEST_F(EngineCaseTest, NoSectionsShowsTheNoDataMessageAndBuildsNothing) {
  TSkStract& e = Build("just a line\nkey=value\n", "empty.txt");
  EXPECT_EQ(platform.messages, (std::vector<std::string>{Ru("Нету данных в ") + "empty.txt" +
                                                         Ru(". Это безусловно End...")}));
  EXPECT_FALSE(e.HasPage());
  EXPECT_EQ(window.Notebook(), nullptr);
  EXPECT_TRUE(e.AllElements().empty());
  e.ShowPage();  // no page: nothing to show, and nothing breaks
  EXPECT_EQ(window.CurrentPage(), -1);
}

class BadNameTest : public EngineCaseTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(BadNameTest, ANameThatIsNotAnIdentifierStopsTheBuildAndReachesTheCaller) {
  program.Write("desc.txt", "[frm]\ntype=form\n[first]\ntype=button\n[" + GetParam() +
                                "]\ntype=button\n[last]\ntype=button\n");
  auto engine = std::make_unique<TSkStract>(&window, "desc.txt");
  EXPECT_THROW(engine->LoadStruct(), BuildError);
  engine->message_switch = false;
  EXPECT_NE(engine->GetButton("first"), nullptr);  // made before the error: stays
  EXPECT_EQ(engine->GetButton("last"), nullptr);   // after it: never built
}

INSTANTIATE_TEST_SUITE_P(Names, BadNameTest,
                         ::testing::Values("1st", "bad-name", "two words", Ru("имя")));

TEST_F(EngineCaseTest, ANameTakenUnderTheSameOwnerStopsTheBuild) {
  // Pop-up menus of every engine are owned by the window: two engines share that owner.
  Build("[fa]\ntype=form\n[menu]\ntype=pop_menu\ncaption=A\naction=test*a\n", "a.txt");
  program.Write("b.txt", "[fb]\ntype=form\n[MENU]\ntype=pop_menu\ncaption=B\naction=test*b\n[b]\ntype=button\n");
  auto second = std::make_unique<TSkStract>(&window, "b.txt");
  EXPECT_THROW(second->LoadStruct(), BuildError);
  EXPECT_EQ(second->PageIndex(), 1);  // its form section was applied before
  second->message_switch = false;
  EXPECT_EQ(second->GetButton("b"), nullptr);
  EXPECT_NE(engines[0]->GetPopMenu("menu"), nullptr);
  second.reset();
}

TEST_F(EngineCaseTest, FormColourPaintsThePageAndBlackLeavesItAlone) {
  TSkStract& red = Build("[frm]\ntype=form\ncolor=#FF0000\n[b]\ntype=button\n", "red.txt");
  EXPECT_EQ(window.page_colour, 0x0000FF);
  ASSERT_NE(red.Page(), nullptr);
  EXPECT_TRUE(red.Page()->autoFillBackground());
  EXPECT_EQ(red.Page()->palette().color(QPalette::Window), QColor(255, 0, 0));

  TSkForm other;
  program.Write("black.txt", "[frm]\ntype=form\ncolor=0\n[b]\ntype=button\n");
  auto black = std::make_unique<TSkStract>(&other, "black.txt");
  black->LoadStruct();
  EXPECT_EQ(other.page_colour, 0);
  ASSERT_NE(black->Page(), nullptr);
  EXPECT_FALSE(black->Page()->autoFillBackground());
  black.reset();
}

TEST_F(EngineCaseTest, SectionsThatCanNeverBePlacedEndTheBuildAndTheOthersAreMade) {
  TSkStract& e = Build(
      "[frm]\ntype=form\n"
      "[a]\ntype=button\nmaster=b\n"
      "[b]\ntype=panel\nmaster=a\n"
      "[self]\ntype=panel\nmaster=self\n"
      "[orphan]\ntype=button\nmaster=nowhere\n"
      "[nothing]\ntype=none\n"
      "[under_nothing]\ntype=button\nmaster=nothing\n"
      "[typo]\ntype=panle\n"
      "[under_typo]\ntype=button\nmaster=typo\n"
      "[ok]\ntype=button\n");
  EXPECT_EQ(Names(e.AllElements()), (std::vector<std::string>{"ok"}));
  // Only the misspelt type is reported.
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"desc.txt\r\n" +
                                                         Ru("MakeObject. Объект typo имеет неизвестный тип panle")}));
}

TEST_F(EngineCaseTest, HotKeySectionAddsEveryKeyButTypeMasterIncluded) {
  Build("[frm]\ntype=form\n[keys]\ntype=hot_key\nmaster=frm\nfirst=F6*test*k\nsecond=Ctrl+Q\n");
  TSkHotKey& keys = window.HotKeys();
  ASSERT_EQ(keys.HotKeyCount(), 3);
  EXPECT_EQ(keys.HotKeyShortCut(0), 0);  // "frm" names no key: never fires
  EXPECT_EQ(keys.HotKeyCommand(1), "test*k");
  EXPECT_EQ(keys.HotKeyShortCut(1), 0x75);
  EXPECT_EQ(keys.HotKeyCommand(2), "");
  EXPECT_EQ(keys.HotKeyPage(1), 0);  // bound to the engine's page
}

TEST_F(EngineCaseTest, TwoEnginesOnOneWindowOwnTheirPagesAndHotKeys) {
  std::vector<std::string> got_a, got_b;
  TSkStract& a = Build("[fa]\ntype=form\n[keys]\ntype=hot_key\nk1=F5*mine*a\n", "a.txt");
  a.OnHelpAction = [&](const RHelpAction& r) { got_a.push_back(r.Action); };
  TSkStract& b = Build("[fb]\ntype=form\n[keys]\ntype=hot_key\nk1=F5*mine*b\n", "b.txt");
  b.OnHelpAction = [&](const RHelpAction& r) { got_b.push_back(r.Action); };
  EXPECT_EQ(a.PageIndex(), 0);
  EXPECT_EQ(b.PageIndex(), 1);
  EXPECT_EQ(FromQ(b.Page()->objectName()), "p1");
  EXPECT_EQ(window.CurrentPage(), 1);

  ASSERT_TRUE(test::ShowActive(&window));
  a.ShowPage();
  EXPECT_EQ(window.CurrentPage(), 0);
  QTest::keyClick(window.windowHandle(), Qt::Key_F5);
  EXPECT_EQ(got_a, (std::vector<std::string>{"mine*a"}));
  EXPECT_TRUE(got_b.empty());

  b.ShowPage();
  EXPECT_EQ(window.CurrentPage(), 1);
  QTest::keyClick(window.windowHandle(), Qt::Key_F5);
  EXPECT_EQ(got_a.size(), 1u);
  EXPECT_EQ(got_b, (std::vector<std::string>{"mine*b"}));
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace remont
