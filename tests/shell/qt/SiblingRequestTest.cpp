// The main window's handling of the sibling program's requests, driven over
// its real socket from inside the test: a page shown on the show page with
// the tree on it and the reply, a picture printed through the preview
// between the two notices, and no printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLocalSocket>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/SiblingLink.h"
#include "common/qt/QtText.h"
#include "common/qt/SystemPrinter.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"
#include "shell/qt/FrmMain.h"
#include "shell/qt/FrmPreviewForm.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

class SiblingRequestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    had_runtime_ = saved != nullptr;
    if (saved) saved_runtime_ = saved;
    setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    manual.Add("struct_main.txt", "[main]\ntype=form\n");
    manual.Add("struct_show.txt",
               "[show]\ntype=form\nwidth=600\nheight=400\n"
               "[tree]\ntype=tree\nload=contents.txt\naction=html_load*html_see*insert\nwidth=150\nheight=300\n"
               "[html_see]\ntype=html\nlink_tree=tree\nleft=160\nwidth=400\nheight=300\n");
    manual.Add("contents.txt", Ru("Тормоза;pages/brakes.htm\n\tКолодки;pages/pads.htm\n"));
    manual.Add("pages/brakes.htm", test::Page("B", "<p>brakes</p>"));
    manual.Add("pages/pads.htm", test::Page("P", "<p>pads</p>"));
    manual.Add("struct_print.txt", "[preview]\ntype=form\n[ScrollBox]\ntype=scroll_box\nalign=client\n");
    manual.Add("pages/img/scheme.png", test::PictureBytes(300, 200, "PNG", Qt::red));
    ASSERT_TRUE(manual.Open());
    main = std::make_unique<TfrmMain>();
    main->FormCreate();
    main->show();
  }
  void TearDown() override {
    main.reset();
    SetSystemPrinter(nullptr);
    if (had_runtime_) setenv("XDG_RUNTIME_DIR", saved_runtime_.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
  }
  // Sends a request and collects what comes back until the viewer closes the
  // connection; the event loop turns meanwhile, as it does in the viewer.
  std::string Request(uint16_t kind, const std::string& path) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(ViewerSocketPath()));
    EXPECT_TRUE(socket.waitForConnected(2000));
    const std::string block = EncodeSiblingRequest(kind, path);
    socket.write(block.data(), static_cast<qint64>(block.size()));
    socket.flush();
    std::string back;
    const bool closed = QTest::qWaitFor(
        [&] {
          back += socket.readAll().toStdString();
          return socket.state() != QLocalSocket::ConnectedState;
        },
        5000);
    EXPECT_TRUE(closed) << "the viewer kept the connection open";
    back += socket.readAll().toStdString();
    return back;
  }
  TSkHtml* Html() { return main->ShowEngine()->GetHtml("html_see"); }

  test::TempDir runtime;
  test::FakePlatform platform;
  test::TestManual manual;
  std::unique_ptr<TfrmMain> main;
  bool had_runtime_ = false;
  std::string saved_runtime_;
};

TEST_F(SiblingRequestTest, APageRequestSwitchesToTheShowPageLoadsSyncsAndAnswers) {
  ASSERT_FALSE(main->ShowEngine()->Page()->isVisible());
  EXPECT_EQ(Request(0, "pages/pads.htm"), SiblingPageReply());
  EXPECT_TRUE(main->ShowEngine()->Page()->isVisible());
  EXPECT_FALSE(main->MainEngine()->Page()->isVisible());
  EXPECT_EQ(Html()->CurrentFile(), manual.Dir() + "pages/pads.htm");
  auto* tree = dynamic_cast<TSkTree*>(main->ShowEngine()->FindComponent("tree", "tree"));
  ASSERT_TRUE(tree->SelectedNode());
  EXPECT_EQ(FromQ(tree->SelectedNode()->text(0)), Ru("Колодки"));

  // A missing page: the error box, no reply, the page and tree as they were.
  EXPECT_EQ(Request(0, "pages/none.htm"), "");
  EXPECT_EQ(platform.error_boxes, std::vector<std::string>{msg::PageNotFound("pages/none.htm")});
  EXPECT_EQ(Html()->CurrentFile(), manual.Dir() + "pages/pads.htm");

  // Another kind: nothing at all.
  EXPECT_EQ(Request(7, "pages/brakes.htm"), "");
  EXPECT_EQ(Html()->CurrentFile(), manual.Dir() + "pages/pads.htm");
}

TEST_F(SiblingRequestTest, APictureIsPrintedThroughThePreviewBetweenTheNotices) {
  const test::TempDir out;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(out.Sub("p.pdf")));
  SetSystemPrinter(&printer);
  platform.printer = "PDF";
  int pages = -1;
  bool red = false;
  auto* watch = new QTimer;
  watch->setInterval(0);
  QObject::connect(watch, &QTimer::timeout, watch, [&, watch] {
    auto* preview = qobject_cast<TfrmPreviewForm*>(QApplication::activeModalWidget());
    if (!preview) return;
    pages = preview->PageCount();
    // The sheet holds the picture.
    QImage sheet(900, 1200, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
      QPainter painter(&sheet);
      painter.drawPicture(0, 0, preview->Pages().Page(0));
    }
    for (int y = 0; y < sheet.height() && !red; y += 4)
      for (int x = 0; x < sheet.width() && !red; x += 4) red = sheet.pixel(x, y) == qRgb(255, 0, 0);
    preview->close();
    watch->deleteLater();
  });
  watch->start();
  EXPECT_EQ(Request(1, "pages/img/scheme.png"), std::string(kSiblingHide) + std::string(kSiblingShow));
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(red);
  EXPECT_TRUE(platform.messages.empty());

  // No printer: the message, and the sender's window comes back all the same.
  platform.printer.clear();
  EXPECT_EQ(Request(1, "pages/img/scheme.png"), std::string(kSiblingHide) + std::string(kSiblingShow));
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::PrinterNotFound()});
}

}  // namespace
}  // namespace remont
