// The engine's dispatcher on a built window: its own commands, forwarding to
// the owner, the open-file parameter, errors that leave it, modal windows and
// command loops.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Messages.h"
#include "description/qt/SkStract.h"
#include "elements/qt/FrmForm.h"
#include "elements/qt/SkForm.h"
#include "support/FakePlatform.h"
#include "support/qt/LooseProgram.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::LooseProgram;
using Texts = std::vector<std::string>;

const char kDescription[] =
    "[frm]\ntype=form\n"
    "[h]\ntype=html\n"
    "[b]\ntype=button\ncaption=B\nleft=10\ntop=10\nwidth=80\nheight=25\n"
    "[itself]\ntype=button\naction=click_but*itself\n"
    "[closer]\ntype=button\ncaption=Close\nleft=10\ntop=50\nwidth=80\nheight=25\n"
    "action=form_close*2//test*after\n"
    "[e]\ntype=edit_box\nleft=10\ntop=90\nwidth=80\nheight=25\naction=test*entered\n";

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.Write("desc.txt", kDescription);
    engine = std::make_unique<TSkStract>(&window, "desc.txt");
    engine->LoadStruct();
    ASSERT_TRUE(platform.messages.empty());
  }
  void TearDown() override { engine.reset(); }
  void WithOwner() {
    engine->OnHelpAction = [this](const RHelpAction& r) { owner.push_back(r.Action); };
  }

  FakePlatform platform;
  LooseProgram program;
  TfrmFORM window;
  std::unique_ptr<TSkStract> engine;
  Texts owner;
};

struct ForwardCase {
  const char* action;
  Texts owner;     // what the owner's handler receives
  Texts messages;  // what the engine shows itself
};

class ForwardTest : public DispatchTest, public ::testing::WithParamInterface<ForwardCase> {};

TEST_P(ForwardTest, WithAnOwnerHandler) {
  WithOwner();
  engine->ExecuteCommand(GetParam().action);
  EXPECT_EQ(owner, GetParam().owner);
  // html_back on a missing element would report it: nothing shown means it did not run.
  EXPECT_EQ(platform.messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForwardTest,
    ::testing::Values(
        // An unknown command goes with the rest of the string, its empty parameter dropped.
        ForwardCase{"x*a**b//html_back*missing", {"x*a*b//html_back*missing"}, {}},
        ForwardCase{"nil//unknown", {"unknown"}, {}},
        ForwardCase{"nil//unknown*1//test*z", {"unknown*1//test*z"}, {}},
        // Known commands before it run here first.
        ForwardCase{"test*p//x*1", {"x*1"}, {"p*"}},
        ForwardCase{"TEST*a", {}, {"a*"}},
        ForwardCase{"TeSt*a*b", {}, {"a*b"}},
        // A leading space makes another name.
        ForwardCase{" test*a", {" test*a"}, {}},
        ForwardCase{"test*a//", {}, {"a*"}},
        ForwardCase{"////test*a", {}, {"a*"}},
        ForwardCase{"test*a", {}, {"a*"}},
        ForwardCase{"Unknown*A", {"unknown*A"}, {}}));

TEST_F(DispatchTest, WithoutAnOwnerUnknownCommandsAreDroppedAndTheRestRuns) {
  engine->ExecuteCommand("x*a**b//test*p*q//nil//other//test*r");
  EXPECT_EQ(platform.messages, (Texts{"p*q", "r*"}));
}

TEST_F(DispatchTest, WithoutAnOwnerTheHtmlCommandAfterAnUnknownOneRuns) {
  engine->ExecuteCommand("x*a**b//html_back*missing");
  EXPECT_EQ(platform.messages, (Texts{"desc.txt\r\n" + Ru("GetComponent. Не найден контрол: ") + "missing"}));
}

TEST_F(DispatchTest, OpenFileParameterAsksOnceEvenWhenForwarded) {
  WithOwner();
  platform.open_answers = {"/data/chosen.txt"};
  engine->ExecuteCommand("x*open_file(.TXT)*b");
  EXPECT_EQ(platform.open_filters, (Texts{"*.txt"}));
  EXPECT_EQ(owner, (Texts{"x*open_file(.TXT)*b"}));  // the parameter as written

  platform.open_answers = {"/data/other.txt"};
  engine->ExecuteCommand("test*open_file(.txt)");
  EXPECT_EQ(platform.open_filters, (Texts{"*.txt", "*.txt"}));
  EXPECT_EQ(platform.messages, (Texts{"/data/other.txt*"}));
}

class BadNumberTest : public DispatchTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadNumberTest, ANumberThatIsNotANumberLeavesTheDispatcher) {
  RHelpAction request;
  request.Action = std::string(GetParam()) + "//test*after";
  EXPECT_THROW(engine->DispatchAction(request), ConvertError);
  EXPECT_TRUE(platform.messages.empty());  // the next command did not run
  // The dispatcher is usable again afterwards.
  engine->ExecuteCommand("test*again");
  EXPECT_EQ(platform.messages, (Texts{"again*"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadNumberTest,
                         ::testing::Values("html_go_history*h*x", "form_close*x", "html_go_history*H*1x"));

TEST_F(DispatchTest, FormCloseWithAResultEndsTheModalRunAndTheRestStillRuns) {
  engine->ShowPage();
  auto* closer = engine->GetButton("closer");
  ASSERT_NE(closer, nullptr);
  bool clicked = false;
  QTimer::singleShot(0, &window, [&] {
    clicked = true;
    QTest::mouseClick(closer, Qt::LeftButton);
  });
  const int result = window.exec();
  EXPECT_TRUE(clicked);
  EXPECT_EQ(result, 2);
  EXPECT_EQ(platform.messages, (Texts{"after*"}));
}

TEST_F(DispatchTest, EnterInAnEditBoxRaisesItsActionOtherKeysNothing) {
  engine->ShowPage();
  ASSERT_TRUE(test::ShowActive(&window));
  auto* edit = qobject_cast<QLineEdit*>(engine->GetEditBox("e"));
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClick(window.windowHandle(), Qt::Key_A);
  QTest::keyClick(window.windowHandle(), Qt::Key_B);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(edit->text(), "ab");
  QTest::keyClick(window.windowHandle(), Qt::Key_Return);
  EXPECT_EQ(platform.messages, (Texts{"entered*"}));
}

TEST_F(DispatchTest, AButtonClickingItselfStopsWithTheLoopMessage) {
  engine->ExecuteCommand("click_but*itself");
  EXPECT_EQ(platform.messages, (Texts{"desc.txt\r\n" + msg::CommandLoop("click_but*itself")}));
  // The depth count is back to zero: a normal command still runs.
  engine->ExecuteCommand("test*ok");
  EXPECT_EQ(platform.messages.back(), "ok*");
}

struct StateCase {
  const char* action;
  bool visible;
  bool enabled;
};

class StateTest : public DispatchTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(StateTest, VisibleAndEnabledSetTheElement) {
  QWidget* b = engine->GetButton("b");
  ASSERT_NE(b, nullptr);
  engine->ExecuteCommand(GetParam().action);
  EXPECT_EQ(b->isVisibleTo(b->parentWidget()), GetParam().visible);
  EXPECT_EQ(b->isEnabled(), GetParam().enabled);
  EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StateTest,
                         ::testing::Values(StateCase{"visible*b*0", false, true}, StateCase{"enabled*b*0", true, false},
                                           StateCase{"visible*B*0//visible*b*1", true, true},
                                           StateCase{"enabled*b*0//enabled*b*1", true, true},
                                           StateCase{"visible*b*0//enabled*B*0", false, false}));

TEST_F(DispatchTest, VisibleOfAMissingNameReportsIt) {
  engine->ExecuteCommand("visible*nothere*0//test*next");
  EXPECT_EQ(platform.messages,
            (Texts{"desc.txt\r\n" + Ru("GetControl. Не найден контрол: ") + "nothere", "next*"}));
}

}  // namespace
}  // namespace remont
