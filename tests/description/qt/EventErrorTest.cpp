// An error raised by the commands of a click must not escape the Qt event
// handler: it ends that dispatch and the default error box shows it.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(EventErrors, BadNumberInClickedActionShowsErrorBoxAndStopsTheString) {
  test::FakePlatform platform;
  test::TempDir dir;
  ClosePack();
  SetProgramDir(dir.path());
  dir.Write("desc.txt",
            "[frm]\ntype=form\n[b]\ntype=button\nleft=1\ntop=1\nwidth=80\nheight=20\n"
            "action=test*before//form_close*x//test*after\n");
  TSkForm form;
  {
    TSkStract engine(&form, "desc.txt");
    engine.LoadStruct();
    engine.ShowPage();
    form.show();
    auto* button = qobject_cast<QPushButton*>(engine.GetButton("b"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"before*"});
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    EXPECT_NE(platform.error_boxes[0].find("'x'"), std::string::npos);
    EXPECT_TRUE(form.isVisible());  // the window was not closed

    // Called directly, the conversion error reaches the caller.
    EXPECT_THROW(engine.ExecuteCommand("form_close*x"), ConvertError);
  }
  SetProgramDir("");
}

}  // namespace
}  // namespace remont
