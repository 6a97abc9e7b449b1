// The print preview and printing, on a PDF printer: a long page cut into
// sheets and printed whole or as a range (the PDF read back with pdftotext),
// page numbers, cancelling, the tool bar's buttons and mouse modes, the
// orientation's return to portrait, and the missing printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "common/qt/SystemPrinter.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkSpeedButton.h"
#include "pages/qt/GoPageForm.h"
#include "pages/qt/PrintPreview.h"
#include "pages/qt/PrnStatusForm.h"
#include "pages/qt/SkHtml.h"
#include "shell/qt/FrmPreviewForm.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

// Written as a publisher might: mixed-case keys and types, the bar's buttons
// before the bar, a button that is not there at all (fit_width_page).
const char kPrint[] =
    "[frmPreviewForm]\nType=Form\nCaption=Просмотр\nWidth=820\nHeight=600\n"
    "[first_page]\ntype=SP_Button\nmaster=bar\nAlign=Left\nwidth=30\naction=first_page\n"
    "[prev_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=prev_page\n"
    "[next_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction= next_page\n"
    "[last_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=last_page\n"
    "[bar]\ntype=panel\nalign=top\nheight=34\n"
    "[label_number]\ntype=label\nmaster=bar\nalign=left\nwidth=90\ncaption=%d / %d\n"
    "[one_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=one_page\n"
    "[two_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=two_page\n"
    "[fit_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=fit_page\n"
    "[goto_page]\ntype=button\nmaster=bar\nalign=left\nwidth=30\ncaption=№\naction=goto_page\n"
    "[zoom]\ntype=combo_box\nmaster=bar\nalign=left\nwidth=150\naction=zoom\n"
    "[label_zoom]\ntype=label\nmaster=bar\nalign=left\nwidth=70\ncaption=%g\n"
    "[zoom_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=zoom_page\n"
    "[move_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=move_page\n"
    "[print_zoom]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=print_zoom\n"
    "[label_zoom_print]\ntype=label\nmaster=bar\nalign=left\nwidth=70\ncaption=%g\n"
    "[num_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=num_page\n"
    "[orient_page]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=orient_page\n"
    "[print]\ntype=sp_button\nmaster=bar\nalign=left\nwidth=30\naction=print\n"
    "[ScrollBox]\nType=Scroll_Box\nAlign=Client\n";

const char kShow[] =
    "[show]\ntype=form\nwidth=600\nheight=500\n"
    "[html_see]\ntype=html\nalign=client\n";

// A page of numbered paragraphs, long enough for several sheets.
std::string LongPage(int paragraphs) {
  std::string body;
  for (int i = 1; i <= paragraphs; ++i)
    body += "<p>Абзац " + std::to_string(i) + ": ослабьте хомут, снимите патрубок и слейте жидкость.</p>";
  return test::Page(Ru("Длинная"), Ru(body));
}

// Runs check() each time the event loop turns, until it says it is done:
// the way a test acts inside a modal window's own loop.
void WhileModal(std::function<bool()> check) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, check] {
    if (check()) timer->deleteLater();
  });
  timer->start();
}

std::vector<std::string> PdfPages(const std::string& file) {
  QProcess p;
  p.start("pdftotext", {"-layout", ToQ(file), "-"});
  p.waitForFinished(30000);
  QString text = QString::fromUtf8(p.readAllStandardOutput());
  std::vector<std::string> pages;
  for (const QString& page : text.split('\f')) pages.push_back(page.toStdString());
  if (!pages.empty() && pages.back().empty()) pages.pop_back();  // after the last form feed
  return pages;
}

class PrintPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.printer = "PDF";
    manual.Add("struct_print.txt", Ru(kPrint));
    manual.Add("struct_show.txt", Ru(kShow));
    manual.Add("pages/long.htm", LongPage(160));
    manual.Add("pages/short.htm", test::Page("Short", Ru("<p>Одна строка.</p>")));
    ASSERT_TRUE(manual.Open());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(ToQ(pdf));
    SetSystemPrinter(&printer);
    engine = std::make_unique<TSkStract>(&host, "struct_show.txt");
    engine->LoadStruct();
    engine->ShowPage();
    html = engine->GetHtml("html_see");
  }
  void TearDown() override {
    preview.reset();
    SetSystemPrinter(nullptr);
  }
  // The preview of a page, shown; false when its first pagination was cancelled.
  bool Preview(const char* page) {
    html->HtmlLoad(page);
    bool aborted = false;
    preview = std::make_unique<TfrmPreviewForm>(nullptr, html, &aborted);
    if (aborted) return false;
    preview->show();
    return QTest::qWaitForWindowExposed(preview.get());
  }
  TSkSpeedButton* Button(const char* name) {
    return dynamic_cast<TSkSpeedButton*>(preview->Engine()->FindComponent(name, "sp_button"));
  }
  void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  // Picks a zoom from the list with the keyboard, as a user does.
  QComboBox* ChooseZoom(int index) {
    auto* zoom = qobject_cast<QComboBox*>(preview->Engine()->FindComponent("zoom", "combo_box"));
    zoom->setCurrentIndex(index - 1);
    QTest::keyClick(zoom, Qt::Key_Down);
    EXPECT_EQ(zoom->currentIndex(), index);
    return zoom;
  }
  std::string Label(const char* name) {
    return FromQ(qobject_cast<QLabel*>(preview->Engine()->FindComponent(name, "label"))->text());
  }
  // Whether a sheet shows anything but white paper.
  static bool Inked(QWidget* box) {
    const QImage image = box->parentWidget()->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  }

  test::FakePlatform platform;
  test::TestManual manual;
  test::TempDir out;
  std::string pdf = out.Sub("out.pdf");
  QPrinter printer{QPrinter::HighResolution};
  TSkForm host;
  std::unique_ptr<TSkStract> engine;
  TSkHtml* html = nullptr;
  std::unique_ptr<TfrmPreviewForm> preview;
};

TEST_F(PrintPreviewTest, LongPageIsCutIntoSheetsAndPrintedWholeWithPageNumbers) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  const int n = preview->PageCount();
  ASSERT_GE(n, 3);
  EXPECT_EQ(Label("label_number"), "1 / " + std::to_string(n));
  Click("num_page");
  EXPECT_TRUE(preview->PageNumbers());
  EXPECT_TRUE(Button("num_page")->Down());
  EXPECT_EQ(preview->PageCount(), n);

  platform.print_answer = RPrintRange{1, 9999, 1, n, true};
  Click("print");
  ASSERT_EQ(platform.print_dialogs.size(), 1u);
  EXPECT_EQ(platform.print_dialogs[0].max_page, 9999);
  EXPECT_EQ(platform.print_dialogs[0].to, n);
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(static_cast<int>(pages.size()), n);
  for (int i = 0; i < n; ++i) {
    SCOPED_TRACE(i);
    // The number stands alone at the top right, above the page's text.
    const std::string& page = pages[static_cast<size_t>(i)];
    const std::string first_line = page.substr(0, page.find_first_of('\n', page.find_first_not_of(" \n")));
    EXPECT_NE(first_line.find(" " + std::to_string(i + 1)), std::string::npos) << first_line;
    EXPECT_EQ(first_line.find("Абзац"), std::string::npos) << first_line;
  }
  EXPECT_NE(pages.back().find("Абзац 160:"), std::string::npos);
  EXPECT_FALSE(QFile::exists(ToQ(pdf + ".part")));
}

TEST_F(PrintPreviewTest, PageRangePrintsOnlyThosePages) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  ASSERT_GE(preview->PageCount(), 3);
  platform.print_answer = RPrintRange{1, 9999, 2, 3, false};
  Click("print");
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].find("Абзац 1:"), std::string::npos);
  // Without page numbers nothing but the page's own text is printed.
  EXPECT_NE(pages[0].find("Абзац"), std::string::npos);

  // A cancelled print dialog prints nothing.
  QFile::remove(ToQ(pdf));
  platform.print_answer.reset();
  Click("print");
  EXPECT_FALSE(QFile::exists(ToQ(pdf)));
}

TEST_F(PrintPreviewTest, CancellingThePaginationOrThePrint) {
  // During the first pagination: the preview is not made.
  bool seen_formatting = false;
  WhileModal([&] {
    auto* status = qobject_cast<TPrnStatusForm*>(QApplication::activeModalWidget());
    if (!status) return false;
    if (FromQ(status->StatusLabel()->text()) == msg::Formatting()) seen_formatting = true;
    if (FromQ(status->StatusLabel()->text()) != msg::PageNumber(2)) return false;
    EXPECT_EQ(FromQ(status->windowTitle()), msg::StatusCaption());
    QTest::mouseClick(status->CancelButton(), Qt::LeftButton);
    return true;
  });
  EXPECT_FALSE(Preview("pages/long.htm"));
  EXPECT_TRUE(seen_formatting);

  // During a later pagination: the sheets made so far stay.
  ASSERT_TRUE(Preview("pages/long.htm"));
  const int all = preview->PageCount();
  WhileModal([&] {
    auto* status = qobject_cast<TPrnStatusForm*>(QApplication::activeModalWidget());
    if (!status || FromQ(status->StatusLabel()->text()) != msg::PageNumber(2)) return false;
    QTest::mouseClick(status->CancelButton(), Qt::LeftButton);
    return true;
  });
  Click("num_page");
  EXPECT_EQ(preview->PageCount(), 2);
  EXPECT_LT(preview->PageCount(), all);

  // Escape in the status window cancels too.
  WhileModal([&] {
    auto* status = qobject_cast<TPrnStatusForm*>(QApplication::activeModalWidget());
    if (!status || FromQ(status->StatusLabel()->text()) != msg::PageNumber(2)) return false;
    QTest::keyClick(status, Qt::Key_Escape);
    return true;
  });
  Click("num_page");
  // The key reaches the window at the next page at the latest.
  EXPECT_GE(preview->PageCount(), 2);
  EXPECT_LE(preview->PageCount(), 3);
  EXPECT_LT(preview->PageCount(), all);

  // During a print: no file, not even a partial one.
  platform.print_answer = RPrintRange{1, 9999, 1, 2, true};
  WhileModal([&] {
    auto* status = qobject_cast<TPrnStatusForm*>(QApplication::activeModalWidget());
    if (!status || FromQ(status->StatusLabel()->text()) != msg::PageNumber(2)) return false;
    QTest::mouseClick(status->CancelButton(), Qt::LeftButton);
    return true;
  });
  Click("print");
  EXPECT_FALSE(QFile::exists(ToQ(pdf)));
  EXPECT_FALSE(QFile::exists(ToQ(pdf + ".part")));
}

TEST_F(PrintPreviewTest, PrintZoomClicksChangeThePrintScaleWithinItsBounds) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  const int pages_at_100 = preview->PageCount();
  EXPECT_EQ(Label("label_zoom_print"), "100%");
  Click("print_zoom");
  ASSERT_TRUE(preview->PrintZoomMode());
  struct Step {
    Qt::MouseButton button;
    double scale;
    const char* indicator;
  };
  const Step steps[] = {
      {Qt::LeftButton, 0.8, "125%"},         {Qt::LeftButton, 0.64, "156.25%"},
      {Qt::LeftButton, 0.64, "156.25%"},     {Qt::RightButton, 0.8, "125%"},
      {Qt::RightButton, 1.0, "100%"},        {Qt::RightButton, 1.25, "80%"},
      {Qt::RightButton, 1.5625, "64%"},      {Qt::RightButton, 1.953125, "51.2%"},
      {Qt::RightButton, 2.44140625, "40.96%"}, {Qt::RightButton, 2.44140625, "40.96%"},
  };
  for (const Step& s : steps) {
    QTest::mouseClick(preview->PageBox(0), s.button, {}, QPoint(20, 20));
    SCOPED_TRACE(s.indicator);
    EXPECT_DOUBLE_EQ(html->PrintScale(), s.scale);
    EXPECT_EQ(Label("label_zoom_print"), s.indicator);
  }
  // A smaller print fits more on a sheet; the scale stays with the page view.
  EXPECT_LT(preview->PageCount(), pages_at_100);
  preview.reset();
  EXPECT_DOUBLE_EQ(html->PrintScale(), 2.44140625);
}

TEST_F(PrintPreviewTest, ZoomModeClicksEnlargeToTwentyAndShrinkToATenth) {
  ASSERT_TRUE(Preview("pages/short.htm"));
  auto* zoom = qobject_cast<QComboBox*>(preview->Engine()->FindComponent("zoom", "combo_box"));
  ASSERT_EQ(zoom->count(), 12);
  EXPECT_EQ(zoom->currentIndex(), 1);
  const double start = preview->ViewZoom();
  QTest::mouseClick(preview->PageBox(0), Qt::LeftButton, {}, QPoint(30, 40));
  EXPECT_DOUBLE_EQ(preview->ViewZoom(), start * 1.25);
  EXPECT_EQ(zoom->currentIndex(), 2);  // "Вручную"
  for (int i = 0; i < 25; ++i) QTest::mouseClick(preview->PageBox(0), Qt::LeftButton, {}, QPoint(30, 40));
  EXPECT_GE(preview->ViewZoom(), 20.0);
  EXPECT_LT(preview->ViewZoom(), 25.0);
  for (int i = 0; i < 60; ++i) QTest::mouseClick(preview->PageBox(0), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_LE(preview->ViewZoom(), 0.1);
  EXPECT_GT(preview->ViewZoom(), 0.08);
  // "25%": the sheet at a quarter of its real size.
  ChooseZoom(3);
  EXPECT_DOUBLE_EQ(preview->ViewZoom(), 0.25);
  const QSizeF paper = preview->Pages().PaperInches();
  EXPECT_EQ(preview->PageBox(0)->width(), static_cast<int>(preview->logicalDpiX() * 0.25 * paper.width()));
  EXPECT_EQ(Label("label_zoom"), "25%");
  // The whole page: it fits the scroll area with 20 pixels to spare.
  Click("fit_page");
  auto* scroll = qobject_cast<QScrollArea*>(preview->Engine()->FindComponent("ScrollBox", "scroll_box"));
  const QSize client = scroll->viewport()->size();
  const QSize sheet = preview->PageBox(0)->size();
  EXPECT_TRUE(sheet.width() <= client.width() - 20 && sheet.height() <= client.height() - 20);
  EXPECT_TRUE(sheet.width() >= client.width() - 22 || sheet.height() >= client.height() - 22);
  EXPECT_TRUE(Button("fit_page")->Down());
}

TEST_F(PrintPreviewTest, MoveModeDragsTheSheet) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  ChooseZoom(10);  // "300%": larger than the window both ways
  Click("move_page");
  EXPECT_TRUE(Button("move_page")->Down());
  EXPECT_FALSE(Button("zoom_page")->Down());
  auto* scroll = qobject_cast<QScrollArea*>(preview->Engine()->FindComponent("ScrollBox", "scroll_box"));
  scroll->horizontalScrollBar()->setValue(100);
  scroll->verticalScrollBar()->setValue(100);
  QWidget* box = preview->PageBox(0);
  const QPoint at = box->mapFrom(scroll->viewport(), QPoint(200, 200));
  QTest::mousePress(box, Qt::LeftButton, {}, at);
  QMouseEvent move(QEvent::MouseMove, QPointF(at - QPoint(40, 30)), box->mapToGlobal(QPointF(at - QPoint(40, 30))),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(box, &move);
  QTest::mouseRelease(box, Qt::LeftButton, {}, at - QPoint(40, 30));
  // Dragging up and left moves the view down and right.
  EXPECT_EQ(scroll->horizontalScrollBar()->value(), 140);
  EXPECT_EQ(scroll->verticalScrollBar()->value(), 130);
  // A click in move mode does not zoom.
  EXPECT_DOUBLE_EQ(preview->ViewZoom(), 3.0);
}

TEST_F(PrintPreviewTest, OnePageDisablesThePageButtons) {
  ASSERT_TRUE(Preview("pages/short.htm"));
  ASSERT_EQ(preview->PageCount(), 1);
  for (const char* name : {"first_page", "prev_page", "next_page", "last_page"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(Button(name)->isEnabled());
  }
  EXPECT_EQ(Label("label_number"), "1 / 1");
}

TEST_F(PrintPreviewTest, PagingAndTwoSheetsWithNothingAfterTheLastPage) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  const int n = preview->PageCount();
  EXPECT_FALSE(Button("prev_page")->isEnabled());
  EXPECT_TRUE(Button("next_page")->isEnabled());
  Click("next_page");
  EXPECT_EQ(preview->CurrentPage(), 1);
  EXPECT_TRUE(Button("first_page")->isEnabled());
  Click("two_page");
  EXPECT_TRUE(Button("two_page")->Down());
  EXPECT_FALSE(Button("one_page")->Down());
  QWidget* second = preview->PageBox(1);
  ASSERT_TRUE(second->isVisibleTo(preview.get()));
  EXPECT_TRUE(Inked(preview->PageBox(0)));
  EXPECT_TRUE(Inked(second));  // page 3 beside page 2
  Click("last_page");
  EXPECT_EQ(preview->CurrentPage(), n - 1);
  EXPECT_EQ(Label("label_number"), std::to_string(n) + " / " + std::to_string(n));
  EXPECT_FALSE(Button("next_page")->isEnabled());
  EXPECT_FALSE(Button("last_page")->isEnabled());
  EXPECT_TRUE(Inked(preview->PageBox(0)));
  EXPECT_FALSE(Inked(second));  // no page after the last
  // Fitting the page goes back to one sheet.
  Click("fit_page");
  EXPECT_FALSE(second->isVisibleTo(preview.get()));
  EXPECT_TRUE(Button("one_page")->Down());
}

TEST_F(PrintPreviewTest, LandscapeRepaginatesAndClosingGoesBackToPortrait) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  const int portrait = preview->PageCount();
  const QSizeF portrait_paper = preview->Pages().PaperInches();
  Click("orient_page");
  EXPECT_TRUE(Button("orient_page")->Down());
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_GT(preview->Pages().PaperInches().width(), portrait_paper.width());
  EXPECT_GT(preview->PageCount(), portrait);  // shorter sheets
  preview->close();
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PrintPreviewTest, GoToPageDialog) {
  ASSERT_TRUE(Preview("pages/long.htm"));
  ASSERT_GE(preview->PageCount(), 3);
  WhileModal([&] {
    auto* dialog = qobject_cast<TGoPageForm*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    EXPECT_EQ(FromQ(dialog->windowTitle()), msg::GoToPageCaption());
    EXPECT_EQ(dialog->PageNum()->maximum(), preview->PageCount());
    EXPECT_EQ(dialog->PageNum()->value(), 1);
    dialog->PageNum()->setValue(3);
    QTest::keyClick(dialog->PageNum(), Qt::Key_Return);  // Enter in the number presses Ok
    return true;
  });
  QTest::mouseClick(qobject_cast<QWidget*>(preview->Engine()->FindElement("goto_page")), Qt::LeftButton);
  EXPECT_EQ(preview->CurrentPage(), 2);
  EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);

  // Escape, released anywhere in the dialog, leaves the page as it was.
  WhileModal([&] {
    auto* dialog = qobject_cast<TGoPageForm*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    dialog->PageNum()->setValue(1);
    QTest::keyRelease(dialog, Qt::Key_Escape);
    return true;
  });
  QTest::mouseClick(qobject_cast<QWidget*>(preview->Engine()->FindElement("goto_page")), Qt::LeftButton);
  EXPECT_EQ(preview->CurrentPage(), 2);
}

TEST_F(PrintPreviewTest, NoPrinterShowsTheMessageAndNoPreview) {
  html->HtmlLoad("pages/short.htm");
  platform.printer.clear();
  bool opened = false;
  WhileModal([&] {
    opened = opened || qobject_cast<TfrmPreviewForm*>(QApplication::activeModalWidget()) != nullptr;
    return true;
  });
  engine->ExecuteCommand("html_preview*html_see");
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::PrinterNotFound()});
}

TEST_F(PrintPreviewTest, PreviewCommandOpensTheWindowModally) {
  html->HtmlLoad("pages/long.htm");
  int pages = 0;
  WhileModal([&] {
    auto* form = qobject_cast<TfrmPreviewForm*>(QApplication::activeModalWidget());
    if (!form) return false;
    pages = form->PageCount();
    form->close();
    return true;
  });
  engine->ExecuteCommand("html_preview*html_see");
  EXPECT_GE(pages, 3);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintPreviewTest, PrintCommandAsksForARangeAmongThePagesAndReportsAFailedFile) {
  html->HtmlLoad("pages/long.htm");
  platform.print_answer = RPrintRange{1, 9999, 1, 1, false};
  engine->ExecuteCommand("html_print*html_see");
  ASSERT_EQ(platform.print_dialogs.size(), 1u);
  EXPECT_GE(platform.print_dialogs[0].max_page, 3);
  EXPECT_EQ(PdfPages(pdf).size(), 1u);

  // A file that cannot be written: a message, and nothing left behind.
  const std::string bad = out.Sub("missing/folder/out.pdf");
  printer.setOutputFileName(ToQ(bad));
  engine->ExecuteCommand("html_print*html_see");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find(Ru("Не удалось напечатать")), std::string::npos);
  EXPECT_FALSE(QFile::exists(ToQ(bad)));
  EXPECT_EQ(printer.outputFileName(), ToQ(bad));
}

}  // namespace
}  // namespace remont
