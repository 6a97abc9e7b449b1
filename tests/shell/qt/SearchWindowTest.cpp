// The search window and the thesaurus, driven as a user drives them: typing a
// query and pressing Enter, the three scopes, the results list and its panel,
// opening a result, stopping a long search, and the thesaurus's find.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkListBox.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"
#include "shell/qt/FrmMain.h"
#include "support/FakePlatform.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

using test::Page;
using Texts = std::vector<std::string>;

const char kSearch[] =
    "[frmSearch]\ntype=form\ncaption=Поиск\nwidth=400\nheight=300\n"
    "[edit_find]\ntype=edit_box\nleft=8\ntop=8\nwidth=250\nheight=24\naction=find_slovo\n"
    "[but_find]\ntype=button\ncaption=Искать\nleft=270\ntop=6\nwidth=100\nheight=28\naction=find_slovo\n"
    "[radio_all]\ntype=r_button\ncheck=1\nleft=8\ntop=40\nwidth=150\nheight=20\n"
    "[radio_chap]\ntype=r_button\nleft=8\ntop=60\nwidth=150\nheight=20\n"
    "[radio_curent]\ntype=r_button\nleft=8\ntop=80\nwidth=150\nheight=20\n"
    "[label_status]\ntype=label\nleft=170\ntop=40\nwidth=200\nheight=20\n"
    "[progress]\ntype=progress_bar\nleft=170\ntop=64\nwidth=200\nheight=14\n"
    "[panel_results]\ntype=parent_panel\nleft=8\ntop=110\nwidth=384\nheight=180\n"
    "[list_rez]\ntype=list_box\nmaster=panel_results\nalign=client\n";

class SearchWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manual.Add("struct_main.txt", "[main]\ntype=form\n");
    manual.Add("struct_show.txt",
               "[show]\ntype=form\nwidth=600\nheight=400\n"
               "[tree]\ntype=tree\nload=contents.txt\naction=html_load*html_see*insert\nwidth=150\nheight=300\n"
               "[html_see]\ntype=html\nlink_tree=tree\nleft=160\nwidth=400\nheight=300\n");
    manual.Add("struct_search.txt", Ru(kSearch));
    manual.Add("contents.txt", Ru("Тормоза;pages/brakes.htm\nКолодки задние;pages/rear.htm\nМасло;pages/oil.htm\n"));
    manual.Add("pages/brakes.htm", Ru(Page("Тормоза", "<p>Проверьте колодки и диски.</p><p>Ёмкость бачка</p>")));
    manual.Add("pages/rear.htm", Ru(Page("Задние", "<p>Задние КОЛОДКИ меняют парой.</p>")));
    manual.Add("pages/oil.htm", Ru(Page("Масло", "<p>Масло в двигателе</p>")));
    // In the index, not in the archive: read as a loose file beside it.
    manual.AddLoose("pages/loose.htm", Ru(Page("Loose", "<p>колодки на складе</p>")));
    manual.Add("file.ind", Ru("pages/brakes.htm#:#Тормоза=диски\npages/rear.htm#:#Задние колодки\n"
                              "pages/rear.htm#:#задние КОЛОДКИ\npages/oil.htm#:#Масло\npages/loose.htm\n"
                              "pages/lost.htm#:#Нет такой\n"));
  }
  void Open() {
    ASSERT_TRUE(manual.Open());
    main = std::make_unique<TfrmMain>();
    search = std::make_unique<TfrmSearch>(main.get());
    main->SetSearchWindow(search.get());
    main->FormCreate();
    search->FormCreate();
    main->ShowEngine()->ShowPage();
    main->show();
    main->ShowEngine()->ExecuteCommand("go_find");
  }
  void Find(const std::string& utf8) {
    auto* edit = qobject_cast<QLineEdit*>(Engine()->GetEditBox("edit_find"));
    edit->setText(QString::fromStdString(utf8));
    QTest::keyClick(edit, Qt::Key_Return);
  }
  TSkStract* Engine() { return search->Engine(); }
  Texts Listed() {
    Texts out;
    auto* list = qobject_cast<QListWidget*>(Engine()->GetListBox("list_rez"));
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
  }
  std::string Status() { return FromQ(qobject_cast<QLabel*>(Engine()->GetLabel("label_status"))->text()); }
  QWidget* Panel() { return Engine()->GetParentPanel("panel_results"); }

  test::FakePlatform platform;
  test::TestManual manual;
  std::unique_ptr<TfrmMain> main;
  std::unique_ptr<TfrmSearch> search;
};

TEST_F(SearchWindowTest, AllPagesSortedOncePerPageLooseFilesIncludedMissingReported) {
  Open();
  ASSERT_TRUE(search->isVisible());
  Find("колодки");
  // Titles before their "=", sorted; of the two index lines of one page the
  // one met first, walking from the end of the index, is kept.
  EXPECT_EQ(Listed(), (Texts{"", "задние КОЛОДКИ", "Тормоза"}));
  EXPECT_EQ(*main->Results(), (Texts{"=pages/loose.htm", Ru("задние КОЛОДКИ=pages/rear.htm"),
                                     Ru("Тормоза=диски=pages/brakes.htm")}));
  EXPECT_EQ(platform.messages, (Texts{msg::FileNotFound("pages/lost.htm")}));
  EXPECT_EQ(Status(), "");
  EXPECT_TRUE(Panel()->isVisible());
  EXPECT_FALSE(main->SearchRunning());
  EXPECT_EQ(FromQ(qobject_cast<QPushButton*>(Engine()->GetButton("but_find"))->text()), msg::FindCaption());

  Find("ёмкость");
  EXPECT_EQ(Listed(), (Texts{"Тормоза"}));  // Cyrillic folded, Ё included
  Find("нигде нет");
  EXPECT_EQ(Status(), msg::TextNotFound());
  EXPECT_FALSE(Panel()->isVisible());
  Find("");
  EXPECT_EQ(Status(), msg::EnterText());
}

TEST_F(SearchWindowTest, OpeningAResultShowsThePageWithTheQuerySelectedAndTheTreeOnIt) {
  Open();
  Find("КОЛОДКИ");
  auto* list = qobject_cast<QListWidget*>(Engine()->GetListBox("list_rez"));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  TSkHtml* html = main->ShowEngine()->GetHtml("html_see");
  EXPECT_EQ(html->DocumentTitle(), Ru("Задние"));
  EXPECT_EQ(html->Viewer()->textCursor().selectedText(), QString::fromUtf8("КОЛОДКИ"));  // as typed, found in the page
  EXPECT_EQ(main->ShowEngine()->GetTree("tree")->CurrentPage(), "pages/rear.htm");
  EXPECT_TRUE(search->isVisible());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_FALSE(search->isVisible());  // a double click closes the window
}

TEST_F(SearchWindowTest, CaptionsAndCurrentPageScopes) {
  Open();
  qobject_cast<QRadioButton*>(Engine()->GetRadioButton("radio_chap"))->setChecked(true);
  Find("колодки");
  EXPECT_EQ(*main->Results(), (Texts{Ru("Колодки задние=pages/rear.htm")}));
  EXPECT_EQ(Listed(), (Texts{"Колодки задние"}));

  main->ShowEngine()->ExecuteCommand("html_load*html_see*pages/brakes.htm");
  qobject_cast<QRadioButton*>(Engine()->GetRadioButton("radio_curent"))->setChecked(true);
  Find("диски");
  TSkHtml* html = main->ShowEngine()->GetHtml("html_see");
  EXPECT_EQ(html->Viewer()->textCursor().selectedText(), QString::fromUtf8("диски"));
  EXPECT_FALSE(Panel()->isVisible());
  EXPECT_EQ(Status(), "");
  Find("масло");
  EXPECT_EQ(Status(), msg::TextNotFound());
  EXPECT_EQ(html->Viewer()->textCursor().selectedText(), QString::fromUtf8("диски"));  // the selection stays
}

TEST_F(SearchWindowTest, ThePanelComesBackAtItsHeight) {
  Open();
  Find("нигде нет");  // no results: the panel goes and the window shrinks by it
  const int without = search->height();
  EXPECT_EQ(main->RememberedPanelHeight(), 180);
  Find("масло");
  EXPECT_TRUE(Panel()->isVisible());
  EXPECT_EQ(search->height(), without + 180);
  Find("нигде нет");
  EXPECT_EQ(search->height(), without);
}

TEST_F(SearchWindowTest, StopDuringASearchKeepsTheResultsSoFar) {
  std::string index;
  for (int i = 0; i < 400; ++i) {
    const std::string name = "pages/p" + std::to_string(i) + ".htm";
    manual.Add(name, Ru(Page("P", "<p>колодки " + std::to_string(i) + "</p>")));
    index += name + "#:#" + Ru("Страница ") + std::to_string(i) + "\n";
  }
  manual.Add("file.ind", index);
  Open();
  search->resize(400, 300);
  // The first time the bar lets events run, the button is pressed again.
  QTimer::singleShot(0, search.get(), [this] { QTest::mouseClick(Engine()->GetButton("but_find"), Qt::LeftButton); });
  Find("колодки");
  const size_t found = main->Results()->size();
  EXPECT_GT(found, 0u);
  EXPECT_LT(found, 400u);
  EXPECT_EQ(Listed().size(), found);  // what was found is listed
  EXPECT_FALSE(main->SearchRunning());
  EXPECT_EQ(FromQ(qobject_cast<QPushButton*>(Engine()->GetButton("but_find"))->text()), msg::FindCaption());
  EXPECT_TRUE(Engine()->GetRadioButton("radio_all")->isEnabled());
}

TEST_F(SearchWindowTest, TheThesaurusWalksTheOccurrencesAndWraps) {
  manual.Add("struct_tesaurus.txt",
             Ru("[t]\ntype=form\n[edit_find]\ntype=edit_box\nwidth=200\nheight=24\naction=find_tez\n"
                "[label_status]\ntype=label\nleft=210\nwidth=150\n[html_see]\ntype=html\ntop=30\nwidth=400\n"
                "height=300\nload=pages/thesaurus.htm\n"));
  manual.Add("pages/thesaurus.htm", Ru(Page("Т", "<p>Масло моторное.</p><p>Фильтр.</p><p>масло трансмиссионное</p>")));
  ASSERT_TRUE(manual.Open());
  TfrmTesaurus window;
  TSkStract engine(&window, "struct_tesaurus.txt");
  engine.LoadStruct();
  window.SetEngine(&engine);
  engine.OnHelpAction = [&window](const RHelpAction& r) { window.TesaurusHelpAction(r); };
  window.show();
  auto* edit = qobject_cast<QLineEdit*>(engine.GetEditBox("edit_find"));
  TSkHtml* html = engine.GetHtml("html_see");
  auto selection_start = [html] { return html->Viewer()->textCursor().selectionStart(); };
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(FromQ(qobject_cast<QLabel*>(engine.GetLabel("label_status"))->text()), msg::EnterText());
  edit->setText(QString::fromUtf8("масло"));
  QTest::keyClick(edit, Qt::Key_Return);
  const int first = selection_start();
  QTest::keyClick(edit, Qt::Key_Return);
  const int second = selection_start();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_LT(first, second);
  EXPECT_EQ(selection_start(), first);  // wrapped to the top
  edit->setText(QString::fromUtf8("тормоз"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(FromQ(qobject_cast<QLabel*>(engine.GetLabel("label_status"))->text()), msg::TextNotFound());
  window.SetEngine(nullptr);
}

}  // namespace
}  // namespace remont
