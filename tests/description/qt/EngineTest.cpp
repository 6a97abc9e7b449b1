// The description engine on real widgets: build order and placement, lookups,
// error texts, pages of several engines on one window, hot keys, and the
// dispatcher's forwarding rules.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "description/qt/SkStract.h"
#include "elements/qt/FrmForm.h"
#include "elements/qt/SkForm.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

// A temporary program folder holding loose description files.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClosePack();
    SetProgramDir(dir_.path());
  }
  void TearDown() override { SetProgramDir(""); }

  void Write(const std::string& name, const std::string& utf8) { dir_.Write(name, Utf8ToCp1251(utf8)); }

  std::unique_ptr<TSkStract> Build(TSkForm& form, const std::string& name, const std::string& text) {
    Write(name, text);
    auto engine = std::make_unique<TSkStract>(&form, name);
    engine->LoadStruct();
    return engine;
  }

  test::FakePlatform platform_;
  test::TempDir dir_;
};

TEST_F(EngineTest, SectionsAreMadeAfterTheirMasterAndBelowIt) {
  TSkForm form;
  auto engine = Build(form, "d.txt",
                      "[child]\ntype=button\nmaster=Panel1\n"
                      "[Frm]\ntype=form\n"
                      "[panel1]\ntype=panel\nmaster=FRM\n"
                      "[second]\ntype=label\nmaster=panel1\n"
                      "[menu]\ntype=pop_menu\nmaster=nowhere\nglob_action=nil\n");
  QObject* panel = engine->GetControl("PANEL1");
  QObject* child = engine->GetControl("Child");
  ASSERT_TRUE(panel && child);
  EXPECT_EQ(child->parent(), panel);
  EXPECT_EQ(panel->parent(), engine->Page());
  const auto all = engine->AllElements();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0]->objectName(), "menu");  // pop-up menus first, whatever their master
  EXPECT_EQ(all[1]->objectName(), "panel1");
  EXPECT_EQ(all[2]->objectName(), "child");  // children in file order
  EXPECT_EQ(all[3]->objectName(), "second");
  EXPECT_EQ(engine->GetPopMenu("menu")->parent(), &form);
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(EngineTest, ErrorTextsCarryTheFileNameAndALineBreak) {
  TSkForm form;
  auto engine = Build(form, "errs.txt", "[f]\ntype=form\n[ok]\ntype=Button\n[bad]\ntype=buton\n");
  EXPECT_NE(engine->GetButton("OK"), nullptr);
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0], "errs.txt\r\n" + msg::UnknownType("bad", "buton"));
  EXPECT_EQ(platform_.messages[0], "errs.txt\r\n" + Ru("MakeObject. Объект bad имеет неизвестный тип buton"));

  platform_.messages.clear();
  EXPECT_EQ(engine->GetControl("missing"), nullptr);
  EXPECT_EQ(engine->GetButton("missing"), nullptr);
  EXPECT_EQ(platform_.messages, (std::vector<std::string>{
                                    "errs.txt\r\n" + Ru("GetControl. Не найден контрол: missing"),
                                    "errs.txt\r\n" + Ru("GetComponent. Не найден контрол: missing")}));
  engine->message_switch = false;
  EXPECT_EQ(engine->GetControl("missing"), nullptr);
  EXPECT_EQ(platform_.messages.size(), 2u);  // silent while the switch is off
}

TEST_F(EngineTest, DescriptionWithoutSections) {
  TSkForm form;
  auto engine = Build(form, "empty.txt", "; nothing here\n");
  EXPECT_EQ(platform_.messages, std::vector<std::string>{Ru("Нету данных в empty.txt. Это безусловно End...")});
  EXPECT_FALSE(engine->HasPage());
  engine->ShowPage();  // no page: nothing happens
  EXPECT_EQ(form.Notebook(), nullptr);
}

TEST_F(EngineTest, ElementNameErrorsStopTheBuild) {
  for (const char* bad : {"9bad", "a-b", "x.y"}) {
    TSkForm form;
    Write("names.txt", std::string("[f]\ntype=form\n[a]\ntype=button\n[") + bad +
                           "]\ntype=button\n[c]\ntype=button\naction=test*x\n[f2]\ntype=none\n");
    TSkStract engine(&form, "names.txt");
    EXPECT_THROW(engine.LoadStruct(), BuildError) << bad;
    engine.message_switch = false;
    EXPECT_NE(engine.GetButton("a"), nullptr) << bad;  // what was made stays
    EXPECT_EQ(engine.GetButton("c"), nullptr) << bad;  // the rest is not built
  }
  // Pop-up menus belong to the window: a second engine's menu of the same name is refused.
  TSkForm form;
  auto first = Build(form, "m1.txt", "[f]\ntype=form\n[menu]\ntype=pop_menu\nglob_action=nil\n");
  Write("m2.txt", "[g]\ntype=form\n[MENU]\ntype=pop_menu\nglob_action=nil\n");
  TSkStract second(&form, "m2.txt");
  EXPECT_THROW(second.LoadStruct(), BuildError);
}

TEST_F(EngineTest, TwoEnginesShareTheWindowOnTwoPages) {
  TSkForm form;
  auto first = Build(form, "one.txt",
                     "[one]\ntype=form\n[keys]\ntype=hot_key\nk=F5*first_cmd\n[b1]\ntype=button\n");
  auto second = Build(form, "two.txt",
                      "[two]\ntype=form\n[keys]\ntype=hot_key\nk=F5*second_cmd\n[b2]\ntype=button\n");
  std::vector<std::string> seen;
  first->OnHelpAction = [&](const RHelpAction& r) { seen.push_back("1:" + r.Action); };
  second->OnHelpAction = [&](const RHelpAction& r) { seen.push_back("2:" + r.Action); };
  ASSERT_NE(form.Notebook(), nullptr);
  EXPECT_EQ(form.Notebook()->count(), 2);
  EXPECT_EQ(first->PageIndex(), 0);
  EXPECT_EQ(second->PageIndex(), 1);
  EXPECT_EQ(form.Notebook()->widget(1)->objectName(), "p1");

  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  first->ShowPage();
  EXPECT_EQ(form.Notebook()->currentIndex(), 0);
  form.FormKeyDown(0x74, Qt::NoModifier);  // F5: the hot key of page 0
  second->ShowPage();
  EXPECT_EQ(form.Notebook()->currentIndex(), 1);
  form.FormKeyDown(0x74, Qt::NoModifier);
  EXPECT_EQ(seen, (std::vector<std::string>{"1:first_cmd", "2:second_cmd"}));
}

TEST_F(EngineTest, HotKeysFromRealKeyPresses) {
  TSkForm form;
  auto engine = Build(form, "keys.txt",
                      "[f]\ntype=form\n[keys]\ntype=hot_key\n"
                      "a=Ctrl+F*go_find*x//html_back*h\nb=Ctrl+F*never\nc=nokey*never\n"
                      "[edit]\ntype=edit_box\nleft=5\ntop=5\nwidth=100\nheight=20\n");
  std::vector<std::string> seen;
  engine->OnHelpAction = [&](const RHelpAction& r) { seen.push_back(r.Action); };
  engine->ShowPage();
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  auto* edit = qobject_cast<QLineEdit*>(engine->GetEditBox("edit"));
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::ControlModifier);
  QTest::keyClick(form.windowHandle(), Qt::Key_A);
  QTest::keyClick(form.windowHandle(), Qt::Key_B);
  // The whole text after the first "*" goes to the receiver; the first entry wins.
  EXPECT_EQ(seen, std::vector<std::string>{"go_find*x//html_back*h"});
  EXPECT_EQ(edit->text(), "ab");  // the keys still reach the focused control
}

TEST_F(EngineTest, EscClosesADialogWindowByKeyOrder) {
  struct Case {
    const char* keys;
    bool closes;
  } cases[] = {
      {"dialog=1\n", true},
      {"dialog=1\nesc_close=0\n", false},
      {"esc_close=0\ndialog=1\n", true},
      {"esc_close=1\n", true},
      {"", false},
  };
  for (const auto& c : cases) {
    TSkForm form;
    auto engine = Build(form, "esc.txt", std::string("[f]\ntype=form\n") + c.keys + "[b]\ntype=button\n");
    engine->ShowPage();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(!form.isVisible(), c.closes) << c.keys;
  }
}

TEST_F(EngineTest, UnknownCommandsGoToTheOwnerWithTheRest) {
  TSkForm form;
  auto engine = Build(form, "cmd.txt", "[f]\ntype=form\n[b]\ntype=button\n");
  std::vector<std::string> owner;
  struct Case {
    const char* action;
    bool with_owner;
    std::vector<std::string> forwarded;
    std::vector<std::string> shown;
  } cases[] = {
      {"unknown*a**b//test*p*q", true, {"unknown*a*b//test*p*q"}, {}},
      {"unknown*a**b//test*p*q", false, {}, {"p*q"}},
      {"nil//other*z", true, {"other*z"}, {}},
      {"TEST*a", true, {}, {"a*"}},
      {" test*a", true, {" test*a"}, {}},
      {"test*a//", true, {}, {"a*"}},
      {"////test*a////test*b*c", true, {}, {"a*", "b*c"}},
      {"Go_Main//html_back*Html", true, {"go_main//html_back*Html"}, {}},
  };
  for (const auto& c : cases) {
    owner.clear();
    platform_.messages.clear();
    engine->OnHelpAction = nullptr;
    if (c.with_owner) engine->OnHelpAction = [&](const RHelpAction& r) { owner.push_back(r.Action); };
    engine->ExecuteCommand(c.action);
    EXPECT_EQ(owner, c.forwarded) << c.action;
    EXPECT_EQ(platform_.messages, c.shown) << c.action;
  }
}

TEST_F(EngineTest, OpenFileParameterAsksOnceEvenWhenForwarded) {
  TSkForm form;
  auto engine = Build(form, "open.txt", "[f]\ntype=form\n");
  std::vector<std::string> owner;
  engine->OnHelpAction = [&](const RHelpAction& r) { owner.push_back(r.Action); };
  platform_.open_answers.push_back("/tmp/picked.txt");
  engine->ExecuteCommand("mine*open_file(.TXT)*two");
  EXPECT_EQ(platform_.open_filters, std::vector<std::string>{"*.txt"});
  EXPECT_EQ(owner, std::vector<std::string>{"mine*open_file(.TXT)*two"});  // as written, not expanded
}

TEST_F(EngineTest, NumberParameterThatIsNotANumberEndsTheDispatch) {
  TSkForm form;
  auto engine = Build(form, "num.txt", "[f]\ntype=form\n");
  EXPECT_THROW(engine->ExecuteCommand("test*one//form_close*x//test*two"), ConvertError);
  EXPECT_EQ(platform_.messages, std::vector<std::string>{"one*"});
}

TEST_F(EngineTest, FormCloseWithResultInAModalWindowGoesOn) {
  TfrmFORM form;
  auto engine = Build(form, "modal.txt",
                      "[f]\ntype=form\n[close]\ntype=button\nleft=1\ntop=1\nwidth=50\nheight=20\n"
                      "action=form_close*2//test*after\n");
  engine->ShowPage();
  QTimer::singleShot(50, [&] {
    if (auto* b = qobject_cast<QPushButton*>(engine->GetButton("close"))) b->click();
  });
  EXPECT_EQ(form.exec(), 2);
  EXPECT_EQ(platform_.messages, std::vector<std::string>{"after*"});
}

TEST_F(EngineTest, AButtonThatClicksItselfStopsWithAMessage) {
  TSkForm form;
  auto engine = Build(form, "loop.txt",
                      "[f]\ntype=form\n[a]\ntype=button\naction=click_but*b\n[b]\ntype=button\naction=click_but*a\n");
  auto* a = qobject_cast<QPushButton*>(engine->GetButton("a"));
  ASSERT_NE(a, nullptr);
  a->click();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].rfind("loop.txt\r\n" + msg::CommandLoop(""), 0), 0u) << platform_.messages[0];
}

TEST_F(EngineTest, VisibleEnabledAndShowOrHide) {
  TSkForm form;
  auto engine = Build(form, "vis.txt",
                      "[f]\ntype=form\n[b]\ntype=button\n[p]\ntype=panel\nleft=30\ntop=40\nwidth=50\nheight=50\n");
  QWidget* b = engine->GetButton("b");
  QWidget* p = engine->GetPanel("p");
  engine->ExecuteCommand("visible*B*0//enabled*b*false");
  EXPECT_FALSE(b->isVisibleTo(b->parentWidget()));
  EXPECT_FALSE(b->isEnabled());
  engine->ExecuteCommand("visible*b//enabled*b*1");
  EXPECT_TRUE(b->isVisibleTo(b->parentWidget()));
  EXPECT_TRUE(b->isEnabled());
  engine->ExecuteCommand("panel_show_or_hide*p");
  EXPECT_FALSE(p->isVisibleTo(p->parentWidget()));
  p->move(0, 0);
  engine->ExecuteCommand("panel_show_or_hide*p");
  EXPECT_TRUE(p->isVisibleTo(p->parentWidget()));
  EXPECT_EQ(p->pos(), QPoint(30, 40));  // back where it was when hidden
  engine->ExecuteCommand("visible*nothing");
  EXPECT_EQ(platform_.messages, std::vector<std::string>{"vis.txt\r\n" + msg::GetControlNotFound("nothing")});
}

TEST_F(EngineTest, CheckBoxEnablesItsControlledElementsEvenWithoutAnAction) {
  TSkForm form;
  auto engine = Build(form, "chk.txt",
                      "[f]\ntype=form\n[b1]\ntype=button\n[b2]\ntype=button\n"
                      "[box]\ntype=check_box\ncheck=1\nenable_control=B1;ghost;b2\n"
                      "[act]\ntype=check_box\naction=test*state\n");
  auto* box = qobject_cast<QCheckBox*>(engine->GetControl("box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "box");  // the caption starts as the section name
  box->click();                   // now unchecked
  EXPECT_FALSE(engine->GetButton("b1")->isEnabled());
  EXPECT_FALSE(engine->GetButton("b2")->isEnabled());  // the names after a missing one still follow
  EXPECT_EQ(platform_.messages, (std::vector<std::string>{
                                    "chk.txt\r\n" + msg::GetControlNotFound("ghost"),
                                    "chk.txt\r\n" + msg::EnableControlHint("box")}));
  platform_.messages.clear();
  box->click();
  EXPECT_TRUE(engine->GetButton("b1")->isEnabled());
  auto* act = qobject_cast<QCheckBox*>(engine->GetControl("act"));
  platform_.messages.clear();
  act->click();
  EXPECT_EQ(platform_.messages, std::vector<std::string>{"state*1"});  // "1" appended as a parameter
}

}  // namespace
}  // namespace remont
