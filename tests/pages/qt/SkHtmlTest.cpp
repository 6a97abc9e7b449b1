#include "pages/qt/SkHtml.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkPic.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTrackBar.h"
#include "elements/qt/SkTree.h"
#include "pages/PageRules.h"
#include "support/FakePlatform.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::Page;
using test::TestManual;

std::string LongBody(int paragraphs, const std::string& word = "text") {
  std::string b;
  for (int i = 0; i < paragraphs; ++i) b += "<p>" + word + " " + std::to_string(i) + "</p>";
  return b;
}

class SkHtmlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manual.Add("pages/a.htm", Page("A", "<p>page a</p>" + LongBody(80)));
    manual.Add("pages/other.htm", Page("Other", LongBody(80) + "<p><a name=\"part\"></a>the part</p>" + LongBody(80)));
    manual.Add("pages/b.htm", Page(Ru("Вторая страница"), "<p>page b</p>"));
    manual.Add("contents.txt", "A;pages\\a.htm\nOther;pages/other.htm\n\tB;pages/b.htm\n");
    ASSERT_TRUE(manual.Open());
    html.resize(400, 300);
    html.show();
  }
  std::string Text() const { return FromQ(html.Viewer()->toPlainText()); }

  FakePlatform platform;
  TestManual manual;
  TSkHtml html;
};

struct LinkCase {
  const char* target;
  const char* action;
  bool zoom;
  std::vector<std::string> commands;  // raised through OnCommand
  std::string shell;                  // "open <file>" or empty
  std::string enlarged;               // picture given to the picture window
  std::string shown;                  // file shown afterwards; empty: the link's page stays
};

// Clicks the text of a link in the shown page with the mouse.
void ClickText(TSkHtml& view, const char* text) {
  QTextCursor c = view.Viewer()->document()->find(QString::fromUtf8(text));
  ASSERT_FALSE(c.isNull()) << text;
  c.setPosition(c.selectionStart() + 1);
  QTest::mouseClick(view.Viewer()->viewport(), Qt::LeftButton, {}, view.Viewer()->cursorRect(c).center());
}

TEST_F(SkHtmlTest, LinkRules) {
  const std::string dir = manual.Dir();
  const std::vector<LinkCase> cases = {
      {"http://example.com/a.htm", "", true, {}, "open http://example.com/a.htm", "", ""},
      {"HTTP://EXAMPLE.COM", "x", true, {}, "open HTTP://EXAMPLE.COM", "", ""},
      {"see ftp://files/x.htm", "", true, {}, "open see ftp://files/x.htm", "", ""},
      {"$tree_next*tree", "", true, {"tree_next*tree"}, "", "", ""},
      {"$chapter2", "tree_go*tree", true, {"tree_go*tree*chapter2"}, "", "", ""},
      {"movie/Clip.SWF", "act", true, {"swf*" + dir + "pages/movie/Clip.SWF"}, "", "", ""},
      {"pic/Photo.JPG#x", "", true, {}, "", "pic/Photo.JPG#x", ""},
      {"pic/Photo.JPG#x", "img", false, {"img*pic/Photo.JPG#x"}, "", "", ""},
      {"pic/a.png", "", false, {"pic/a.png"}, "", "", ""},
      {"x.GIF", "", false, {"x.GIF"}, "", "", ""},
      {"b.bmp", "", false, {"b.bmp"}, "", "", ""},
      {"other.htm#part", "", true, {}, "", "", "pages/other.htm"},
      {"..\\pages\\B.HTML", "", true, {}, "", "", ""},  // no such page: error box, the page stays
      {"notes.txt", "", true, {}, "open notes.txt", "", ""},
  };
  int n = 0;
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.target);
    const std::string page = "pages/link" + std::to_string(n++) + ".htm";
    manual.AddLoose(page, Page("L", std::string("<p>before <a href=\"") + c.target + "\">the link</a></p>"));
    FakePlatform p;
    TSkHtml view;
    view.resize(300, 200);
    view.show();
    view.LoadPage(page);
    view.SetAction(c.action);
    view.SetZoomPictures(c.zoom);
    std::vector<std::string> commands;
    view.OnCommand = [&](const RHelpAction& a) { commands.push_back(a.Action); };
    std::string enlarged_page, enlarged;
    view.OnEnlargePicture = [&](const std::string& pg, const std::string& pic) {
      enlarged_page = pg;
      enlarged = pic;
    };
    ClickText(view, "the link");
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(p.shell_opens, c.shell.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.shell});
    EXPECT_EQ(enlarged, c.enlarged);
    if (!c.enlarged.empty()) {
      EXPECT_EQ(enlarged_page, dir + page);
    }
    EXPECT_EQ(view.CurrentFile(), dir + (c.shown.empty() ? page : c.shown));
  }
}

TEST_F(SkHtmlTest, PictureLinkWithoutPictureWindowShowsThePictureHere) {
  manual.AddLoose("pages/pic/photo.jpg", test::PictureBytes(40, 30, "JPG"));
  html.LoadPage("pages/a.htm");
  html.HotSpotClick("pic/Photo.JPG#x");
  EXPECT_EQ(html.CurrentFile(), "");
  const QVariant image = html.Viewer()->document()->resource(
      QTextDocument::ImageResource, QUrl(ToQ(manual.Dir() + "pages/pic/Photo.JPG")));
  ASSERT_TRUE(image.canConvert<QImage>());
  EXPECT_EQ(image.value<QImage>().size(), QSize(40, 30));
}

TEST_F(SkHtmlTest, CommandLinkKeepsCyrillicAndSeparators) {
  std::vector<std::string> commands;
  html.OnCommand = [&](const RHelpAction& a) {
    commands.push_back(a.Action);
    EXPECT_EQ(a.AnchorHeight, 0);
  };
  manual.AddLoose("cmd.htm", Page("C", Ru("<p><a href=\"$tree_go*дерево*глава 2//html_go_top*html\">команда</a></p>")));
  html.LoadPage("cmd.htm");
  ClickText(html, "команда");
  EXPECT_EQ(commands, std::vector<std::string>{Ru("tree_go*дерево*глава 2//html_go_top*html")});
}

TEST_F(SkHtmlTest, SyncTreeSelectsTheNodeOfThePageWithoutRaisingItsCommand) {
  TSkTree tree;
  tree.SetAction("html_load*html*insert");
  tree.LoadTree("contents.txt");
  int clicks = 0;
  tree.OnClick = [&] { ++clicks; };
  html.SetContentsTree(&tree);
  html.LoadPage("pages/a.htm");

  struct Case {
    std::string page;
    std::string selected;  // page of the node selected afterwards
  };
  const std::vector<Case> cases = {
      {"pages/other.htm", "pages/other.htm"},
      {"b.htm", "pages/b.htm"},                                  // against the folder of the current file
      {manual.Dir() + "pages/a.htm", "pages\\a.htm"},           // full path in the program folder
      {"PAGES/B.HTM", "pages/b.htm"},                            // Latin letters folded
      {"pages/missing.htm", ""},                                 // no node: selection cleared
      {"/elsewhere/pages/a.htm", ""},                            // outside the program folder: not cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    html.SyncTree(c.page);
    EXPECT_EQ(tree.CurrentPage(), c.selected);
  }
  EXPECT_EQ(clicks, 0);
  // Each selection was recorded: other, b, a, b (the cleared ones record nothing).
  EXPECT_EQ(tree.History().Count(), 4);
  EXPECT_EQ(tree.HistoryCommand(0), "html_load*html*pages/b.htm");
}

TEST_F(SkHtmlTest, PageLinkSynchronisesTheTreeAndLoadsThePage) {
  TSkTree tree;
  tree.LoadTree("contents.txt");
  html.SetContentsTree(&tree);
  html.LoadPage("pages/a.htm");
  html.HotSpotClick("Other.htm#part");
  EXPECT_EQ(tree.CurrentPage(), "pages/other.htm");
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/Other.htm");
  EXPECT_GT(html.GetDocPos(), 0);  // scrolled to the anchor
}

TEST_F(SkHtmlTest, HistoryKeepsTheLastTwentyLoads) {
  for (int i = 0; i < 25; ++i) manual.AddLoose("h/p" + std::to_string(i) + ".htm", Page("T" + std::to_string(i), "x"));
  for (int i = 0; i < 25; ++i) html.LoadPage("h/p" + std::to_string(i) + ".htm");
  ASSERT_EQ(html.HistoryCount(), 20);
  EXPECT_EQ(html.HistoryIndex(), 0);
  EXPECT_EQ(html.HistoryItem(0).file, manual.Dir() + "h/p24.htm");
  EXPECT_EQ(html.HistoryItem(0).title, "T24");
  EXPECT_EQ(html.HistoryItem(19).file, manual.Dir() + "h/p5.htm");
  html.SetHistoryIndex(19);
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "h/p5.htm");
  html.SetHistoryIndex(20);  // outside: nothing
  EXPECT_EQ(html.HistoryIndex(), 19);
}

TEST_F(SkHtmlTest, GoingBackRestoresThePositionAndALoadDropsTheEntriesAhead) {
  html.LoadPage("pages/a.htm");
  html.SetDocPos(300);
  ASSERT_EQ(html.GetDocPos(), 300);
  html.LoadPage("pages/other.htm");
  html.SetDocPos(120);
  html.LoadPage("pages/b.htm");
  ASSERT_EQ(html.HistoryCount(), 3);

  html.HtmlBack();
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/other.htm");
  EXPECT_EQ(html.GetDocPos(), 120);
  html.HtmlBack();
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/a.htm");
  EXPECT_EQ(html.GetDocPos(), 300);
  EXPECT_EQ(html.VertBar()->value(), 300);  // our bar follows
  html.HtmlForward();
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/other.htm");
  EXPECT_EQ(html.GetDocPos(), 120);

  // From index 1, a new load drops b (entry 0) and becomes the newest.
  html.LoadPage("pages/b.htm#");
  ASSERT_EQ(html.HistoryCount(), 3);
  EXPECT_EQ(html.HistoryItem(0).file, manual.Dir() + "pages/b.htm");
  EXPECT_EQ(html.HistoryItem(1).file, manual.Dir() + "pages/other.htm");
  EXPECT_EQ(html.HistoryItem(2).file, manual.Dir() + "pages/a.htm");
}

TEST_F(SkHtmlTest, TitleLabelShowsTheTitleOfTheEntryShown) {
  TSkLabel label;
  html.SetTitleLabel(&label);
  html.LoadPage("pages/a.htm");
  EXPECT_EQ(label.text(), "A");
  html.LoadPage("pages/b.htm");
  EXPECT_EQ(label.text(), QString::fromUtf8("Вторая страница"));
  html.SetHistoryIndex(1);
  EXPECT_EQ(label.text(), "A");
}

TEST_F(SkHtmlTest, AnAutoSizedTitleLabelFollowsEachTitle) {
  TSkLabel label;
  label.resize(5, 20);
  label.SetAutoSize(true);
  html.SetTitleLabel(&label);
  html.LoadPage("pages/b.htm");
  const int long_width = label.fontMetrics().horizontalAdvance(QString::fromUtf8("Вторая страница"));
  EXPECT_GE(label.width(), long_width);  // the whole title, not its first letter
  html.LoadPage("pages/a.htm");
  EXPECT_LT(label.width(), long_width);  // and narrower again for a short one
  EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance("A"));
}

TEST_F(SkHtmlTest, TheContextMenuIsTheDescriptionsMenu) {
  QMenu menu;
  menu.addAction("own");
  html.SetContextMenu(&menu);
  html.LoadPage("pages/a.htm");
  QWidget* viewport = html.Viewer()->viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(viewport, &event);
  EXPECT_EQ(QApplication::activePopupWidget(), &menu);  // not the view's own menu
  menu.hide();
}

TEST_F(SkHtmlTest, MissingPageThrowsAndLeavesPageTitleHistoryAndBarsAsTheyWere) {
  TSkLabel label;
  html.SetTitleLabel(&label);
  html.LoadPage("pages/a.htm");
  html.LoadPage("pages/b.htm");
  html.SetHistoryIndex(1);
  html.SetDocPos(200);
  const std::string text = Text();
  const bool bar_shown = !html.VertBar()->isHidden();
  try {
    html.LoadPage("pages/nope.htm#top");
    FAIL() << "no error";
  } catch (const PageLoadError& e) {
    EXPECT_EQ(std::string(e.what()), Ru("Не найден файл: ") + "pages/nope.htm");
    EXPECT_EQ(std::string(e.what()), msg::PageNotFound("pages/nope.htm"));
  }
  EXPECT_EQ(Text(), text);
  EXPECT_EQ(label.text(), "A");
  EXPECT_EQ(html.HistoryCount(), 2);
  EXPECT_EQ(html.HistoryIndex(), 1);
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/a.htm");
  EXPECT_EQ(html.GetDocPos(), 200);
  EXPECT_EQ(!html.VertBar()->isHidden(), bar_shown);
  EXPECT_TRUE(platform.messages.empty());  // the load itself shows nothing
}

TEST_F(SkHtmlTest, MissingPageThroughALinkReachesTheErrorBox) {
  html.LoadPage("pages/a.htm");
  manual.AddLoose("pages/dead.htm", Page("D", "<p><a href=\"gone.htm\">dead link</a></p>"));
  html.LoadPage("pages/dead.htm");
  ClickText(html, "dead link");
  EXPECT_EQ(platform.error_boxes, std::vector<std::string>{msg::PageNotFound(manual.Dir() + "pages/gone.htm")});
  EXPECT_EQ(html.CurrentFile(), manual.Dir() + "pages/dead.htm");
  EXPECT_EQ(html.HistoryCount(), 2);
}

int SelectionStart(const TSkHtml& h) { return h.Viewer()->textCursor().selectionStart(); }

TEST_F(SkHtmlTest, FindTextMovesToTheNextOccurrenceAndWrapsOnce) {
  manual.AddLoose("find.htm", Page("F", "<p>Alpha beta ALPHA gamma</p>"));
  html.LoadPage("find.htm");
  ASSERT_TRUE(html.FindText("alpha"));
  EXPECT_EQ(SelectionStart(html), 0);
  ASSERT_TRUE(html.FindText("alpha"));
  EXPECT_EQ(SelectionStart(html), 11);
  ASSERT_TRUE(html.FindText("alpha"));
  EXPECT_EQ(SelectionStart(html), 0);

  ASSERT_TRUE(html.FindText("beta"));
  EXPECT_FALSE(html.FindText("zzz"));
  EXPECT_EQ(html.Viewer()->textCursor().selectedText(), "beta");
  EXPECT_FALSE(html.FindText(""));
  EXPECT_EQ(html.Viewer()->textCursor().selectedText(), "beta");
}

TEST_F(SkHtmlTest, FindTextFoldsCyrillic) {
  manual.AddLoose("find.htm", Page("F", Ru("<p>Проверьте МАСЛО и масло</p>")));
  html.LoadPage("find.htm");
  ASSERT_TRUE(html.FindText(Ru("масло")));
  EXPECT_EQ(SelectionStart(html), 10);
  ASSERT_TRUE(html.FindText(Ru("МаСлО")));
  EXPECT_EQ(SelectionStart(html), 18);
}

TEST_F(SkHtmlTest, MissingGifShowsTheArchiveMessageAndMissingJpegIsSilent) {
  manual.AddLoose("pages/here.gif", test::GifBytes());
  manual.AddLoose("pages/here.jpg", test::PictureBytes(8, 8, "JPG"));
  manual.AddLoose("pics.htm", Page("P", "<img src=\"pages/here.gif\"><img src=\"pages/here.jpg\">"
                                        "<img src=\"pages/gone.gif\"><img src=\"pages/gone.jpg\">"
                                        "<img src=\"pages/gone.png\">"));
  html.LoadPage("pics.htm");
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::FileNotFound(manual.Dir() + "pages/gone.gif")});
  QTextDocument* doc = html.Viewer()->document();
  EXPECT_FALSE(doc->resource(QTextDocument::ImageResource, QUrl("pages/here.gif")).value<QImage>().isNull());
  EXPECT_FALSE(doc->resource(QTextDocument::ImageResource, QUrl("pages/here.jpg")).value<QImage>().isNull());
}

TEST_F(SkHtmlTest, PicturesAndStyleSheetsResolveAgainstTheFolderOfTheCurrentFile) {
  TestManual again;  // stored in an archive, not loose
  again.Add("pics/p.jpg", test::PictureBytes(30, 20, "JPG"));
  again.Add("css/page.css", "p.red { color: #ff0000; }");
  again.Add("pages/deep/styled.htm",
            "<html><head><link rel=\"stylesheet\" href=\"..\\..\\css\\page.css\"></head><body>"
            "<p class=\"red\">red</p><img src=\"..\\..\\pics\\p.jpg\"></body></html>");
  ASSERT_TRUE(again.Open());
  TSkHtml view;
  view.LoadPage("pages/deep/styled.htm");
  EXPECT_TRUE(platform.messages.empty());
  const QTextBlock block = view.Viewer()->document()->begin();
  EXPECT_TRUE(block.text().startsWith("red"));
  EXPECT_EQ(block.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
  const QVariant image =
      view.Viewer()->document()->resource(QTextDocument::ImageResource, QUrl(QString("..\\..\\pics\\p.jpg")));
  EXPECT_EQ(image.value<QImage>().size(), QSize(30, 20));
}

TEST_F(SkHtmlTest, MissingStyleSheetShowsTheArchiveMessage) {
  manual.AddLoose("pages/nocss.htm", "<html><head><link rel=\"stylesheet\" href=\"gone.css\"></head><body>x</body></html>");
  html.LoadPage("pages/nocss.htm");
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::FileNotFound(manual.Dir() + "pages/gone.css")});
  EXPECT_EQ(Text(), "x");
}

TEST_F(SkHtmlTest, PagesAreWindows1251UnlessAMetaDeclaresUtf8) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::string utf8 = "Проверка уровня масла";
  const std::vector<Case> cases = {
      {"cp.htm", "<html><head><title>" + Ru(utf8) + "</title></head><body>" + Ru(utf8) + "</body></html>"},
      {"u1.htm", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"><title>" + utf8 +
                     "</title></head><body>" + utf8 + "</body></html>"},
      {"u2.htm", "<html><head><meta charset='utf8'><title>" + utf8 + "</title></head><body>" + utf8 + "</body></html>"},
      {"w.htm", "<html><head><meta charset=\"windows-1251\"><title>" + Ru(utf8) + "</title></head><body>" + Ru(utf8) +
                    "</body></html>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    manual.AddLoose(c.name, c.bytes);
    html.LoadPage(c.name);
    EXPECT_EQ(html.Viewer()->toPlainText(), QString::fromUtf8(utf8.c_str()));
    EXPECT_EQ(html.DocumentTitle(), Ru(utf8));
  }
}

TEST_F(SkHtmlTest, BarsShowOnlyWhenAllowedAndThePageIsLarger) {
  struct Case {
    bool allowed;
    int extent, size;
    bool shows;
  };
  for (const Case& c : std::vector<Case>{{true, 400, 400, false}, {true, 401, 400, true}, {false, 401, 400, false},
                                          {true, 0, 0, false}})
    EXPECT_EQ(THtmlEx::BarShows(c.allowed, c.extent, c.size), c.shows) << c.extent << " " << c.size;

  html.LoadPage("pages/b.htm");  // short
  EXPECT_TRUE(html.VertBar()->isHidden());
  EXPECT_TRUE(html.HorzBar()->isHidden());
  html.LoadPage("pages/a.htm");  // long
  ASSERT_FALSE(html.VertBar()->isHidden());
  QScrollBar* own = html.Viewer()->verticalScrollBar();
  EXPECT_FALSE(own->isVisible());
  EXPECT_EQ(html.VertBar()->maximum(), own->maximum());
  EXPECT_EQ(html.VertBar()->pageStep(), own->pageStep());
  EXPECT_EQ(html.Viewer()->width() + html.VertBar()->width(), html.width());
  html.VertBar()->setValue(77);  // scrolling our bar scrolls the page
  EXPECT_EQ(html.GetDocPos(), 77);
  html.ShowVertBar(false);
  EXPECT_TRUE(html.VertBar()->isHidden());
  EXPECT_EQ(html.Viewer()->width(), html.width());

  manual.AddLoose("wide.htm", Page("W", "<table width=\"2000\"><tr><td>wide</td></tr></table>"));
  html.LoadPage("wide.htm");
  EXPECT_FALSE(html.HorzBar()->isHidden());
  html.SetHorzPos(50);
  EXPECT_EQ(html.GetHorzPos(), 50);
  EXPECT_EQ(html.HorzBar()->value(), 50);
  html.ShowHorzBar(false);
  EXPECT_TRUE(html.HorzBar()->isHidden());
}

TEST_F(SkHtmlTest, DragScrollMovesByATenthOfTheOffsetPerMove) {
  html.LoadPage("pages/a.htm");
  html.SetDocPos(100);
  QWidget* vp = html.Viewer()->viewport();
  auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent e(type, p, vp->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
  };
  // Mode off: nothing moves.
  send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
  send(QEvent::MouseMove, {95, 80}, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {95, 80}, Qt::NoButton);
  EXPECT_EQ(html.GetDocPos(), 100);

  html.SetMoveCursor(true);
  EXPECT_FALSE(html.Viewer()->textInteractionFlags() & Qt::TextSelectableByMouse);
  const int h0 = html.GetHorzPos();
  send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
  send(QEvent::MouseMove, {95, 80}, Qt::LeftButton);
  EXPECT_EQ(html.GetDocPos(), 102);
  send(QEvent::MouseMove, {95, 80}, Qt::LeftButton);
  EXPECT_EQ(html.GetDocPos(), 104);
  EXPECT_EQ(html.GetHorzPos(), h0);
  EXPECT_EQ(html.VertBar()->value(), 104);
  send(QEvent::MouseMove, {100, 130}, Qt::LeftButton);  // back up by 3
  EXPECT_EQ(html.GetDocPos(), 101);
  send(QEvent::MouseButtonRelease, {100, 130}, Qt::NoButton);
  send(QEvent::MouseMove, {100, 0}, Qt::NoButton);
  EXPECT_EQ(html.GetDocPos(), 101);
}

TEST_F(SkHtmlTest, ShowCenteredWithoutAlignmentIsCentred) {
  html.ShowCentered("<b>x</b>", "");
  const QString empty = html.Viewer()->toHtml();
  html.ShowCentered("<b>x</b>", "center");
  EXPECT_EQ(html.Viewer()->toHtml(), empty);
  html.ShowCentered("<b>x</b>", "right");
  EXPECT_NE(html.Viewer()->toHtml(), empty);
  EXPECT_EQ(html.Viewer()->toPlainText().trimmed(), "x");
}

TEST_F(SkHtmlTest, ShowPictureResolvesAgainstTheFolderOfTheBase) {
  manual.AddLoose("pics/big.png", test::PictureBytes(50, 40, "PNG"));
  html.LoadPage("pages/a.htm");
  const std::string path = html.ShowPicture(manual.Dir() + "pages/a.htm", "../pics/big.png");
  EXPECT_EQ(path, manual.Dir() + "pics/big.png");
  EXPECT_EQ(html.Viewer()->toHtml().count("<img"), 1);
  const QVariant image = html.Viewer()->document()->resource(QTextDocument::ImageResource, QUrl(ToQ(path)));
  EXPECT_EQ(image.value<QImage>().size(), QSize(50, 40));
  EXPECT_EQ(html.HistoryCount(), 1);  // a picture page is no history entry
}

TEST_F(SkHtmlTest, LoadHtmlTextResolvesAgainstTheProgramFolder) {
  manual.AddLoose("pics/t.png", test::PictureBytes(12, 7, "PNG"));
  html.LoadHtmlText(Ru("<p>Текст</p><img src=\"pics/t.png\">"));
  EXPECT_EQ(html.CurrentFile(), "");
  EXPECT_EQ(html.Viewer()->toPlainText().left(5), QString::fromUtf8("Текст"));
  const QVariant image = html.Viewer()->document()->resource(QTextDocument::ImageResource, QUrl("pics/t.png"));
  EXPECT_EQ(image.value<QImage>().size(), QSize(12, 7));
}

}  // namespace
}  // namespace remont
