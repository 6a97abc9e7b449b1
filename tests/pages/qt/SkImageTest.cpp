// The picture element: loading through the archive, fitting to the parent,
// refitting on resize, the fit put aside around form_maxi and form_close, and
// the picture commands (save as JPEG, wallpaper, print, visibility).
#include "pages/qt/SkImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "elements/qt/FrmForm.h"
#include "pages/qt/SkHtml.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/qt/TestManual.h"

namespace remont {
namespace {

using test::FakePlatform;
using test::PictureBytes;
using test::TempDir;
using test::TestManual;
using Texts = std::vector<std::string>;

// A picture whose left half is red and right half blue: resampling shows in its pixels.
std::string HalvesBytes(int w, int h, const char* format) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::blue);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w / 2; ++x) image.setPixelColor(x, y, Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

// An image element on a parent of the given size in a window, outside any engine.
struct Stage {
  explicit Stage(QSize parent_size) : parent(*new QWidget(&window)) {
    window.resize(1200, 900);
    parent.resize(parent_size);
    image = new TSkImage(&parent);
    image->resize(10, 10);
    window.show();
  }
  QWidget window;
  QWidget& parent;
  TSkImage* image;
};

class SkImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manual.Add("pics/wide.png", HalvesBytes(800, 400, "PNG"));
    manual.Add("pics/tall.png", PictureBytes(400, 800, "PNG"));
    manual.Add("pics/small.png", PictureBytes(200, 100, "PNG"));
    manual.Add("pics/odd.png", PictureBytes(300, 200, "PNG"));
    ASSERT_TRUE(manual.Open());
  }

  // Builds a window from a description (UTF-8) stored as a loose file.
  std::unique_ptr<TSkStract> Build(const std::string& utf8) {
    manual.AddLoose("desc.txt", Ru(utf8));
    auto engine = std::make_unique<TSkStract>(&window, "desc.txt");
    engine->LoadStruct();
    engine->ShowPage();
    return engine;
  }

  FakePlatform platform;
  TestManual manual;
  TfrmFORM window;
};

struct LoadCase {
  const char* name;
  std::string bytes;
  QSize natural;  // empty: the picture does not decode
};

TEST_F(SkImageTest, LoadsEachFormatThroughTheArchiveAtItsOwnSize) {
  const std::vector<LoadCase> cases = {
      {"a.bmp", PictureBytes(30, 20, "BMP"), {30, 20}},
      {"b.jpg", PictureBytes(40, 30, "JPG"), {40, 30}},
      {"c.png", PictureBytes(50, 40, "PNG"), {50, 40}},
      {"d.gif", test::GifBytes(), {1, 1}},
      {"E.JPG", PictureBytes(41, 31, "JPG"), {41, 31}},
      // Anything but ".bmp" is decoded by its content.
      {"png_named.jpg", PictureBytes(33, 22, "PNG"), {33, 22}},
      // ".bmp" is read as a bitmap only.
      {"png_named.bmp", PictureBytes(33, 22, "PNG"), {}},
      {"empty.png", "", {}},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    manual.AddLoose(std::string("loose/") + c.name, c.bytes);
    FakePlatform p;
    Stage s({300, 200});
    s.image->LoadPicture(std::string("loose/") + c.name);
    EXPECT_EQ(s.image->PictureName(), std::string("loose/") + c.name);
    if (c.natural.isEmpty()) {
      EXPECT_EQ(p.error_boxes, Texts{msg::PictureUnreadable(std::string("loose/") + c.name)});
      EXPECT_TRUE(s.image->Picture().isNull());
      continue;
    }
    EXPECT_TRUE(p.error_boxes.empty());
    EXPECT_EQ(s.image->NaturalSize(), c.natural);
    EXPECT_EQ(s.image->Picture().size(), c.natural);
    EXPECT_EQ(s.image->pixmap().size(), c.natural);
    // Without fitting the element keeps the size it was given, at the top left.
    EXPECT_EQ(s.image->size(), QSize(10, 10));
  }
}

TEST_F(SkImageTest, AMissingPictureSaysSoOnceAndItsNameIsKept) {
  Stage s({300, 200});
  s.image->LoadPicture("pics/none.png");
  EXPECT_EQ(platform.messages, Texts{msg::FileNotFound("pics/none.png")});
  EXPECT_EQ(platform.error_boxes, Texts{msg::PictureUnreadable("pics/none.png")});
  EXPECT_EQ(s.image->PictureName(), "pics/none.png");
  // The same name again reads nothing.
  s.image->LoadPicture("pics/none.png");
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.error_boxes.size(), 1u);
  // Empty names change nothing.
  s.image->LoadPicture("pics/small.png");
  s.image->LoadPicture("");
  EXPECT_EQ(s.image->PictureName(), "pics/small.png");
}

struct FitCase {
  const char* picture;
  QSize parent;
  RScaleBounds bounds;
  QSize element;  // the element and the picture shown
  QPoint place;   // centred in the parent
};

TEST_F(SkImageTest, FitsToTheParentAndCentresInIt) {
  const FitCase cases[] = {
      {"pics/wide.png", {400, 300}, {}, {400, 200}, {0, 50}},
      {"pics/tall.png", {400, 300}, {}, {150, 300}, {125, 0}},
      {"pics/small.png", {800, 600}, {0, 1}, {200, 100}, {300, 250}},
      {"pics/wide.png", {100, 300}, {0.5, 0}, {400, 200}, {-150, 50}},
      {"pics/odd.png", {100, 100}, {}, {100, 67}, {0, 16}},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.picture);
    Stage s(c.parent);
    s.image->SetMinScale(c.bounds.min_scale);
    s.image->SetMaxScale(c.bounds.max_scale);
    s.image->SetFit(true);
    s.image->LoadPicture(c.picture);
    EXPECT_EQ(s.image->size(), c.element);
    EXPECT_EQ(s.image->Picture().size(), c.element);
    EXPECT_EQ(s.image->pos(), c.place);
  }
}

TEST_F(SkImageTest, FittingIsLinearResamplingAndUnscaledPicturesKeepTheirPixels) {
  // The seam falls between two pixels of the fitted picture (at 166.5).
  Stage s({333, 300});
  s.image->SetFit(true);
  s.image->LoadPicture("pics/wide.png");
  const QImage& shown = s.image->Picture();
  ASSERT_EQ(shown.size(), QSize(333, 167));
  EXPECT_EQ(shown.pixelColor(10, 75), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(320, 75), QColor(Qt::blue));
  // There the two halves are blended, as a linear filter does.
  int blended = 0;
  for (int x = 0; x < shown.width(); ++x) {
    const QColor c = shown.pixelColor(x, 75);
    if (c.red() > 0 && c.blue() > 0) ++blended;
  }
  EXPECT_GE(blended, 1);

  Stage same({800, 600});
  same.image->SetFit(true);
  same.image->LoadPicture("pics/wide.png");
  EXPECT_EQ(same.image->Picture(), LoadPackPicture("pics/wide.png"));
}

TEST_F(SkImageTest, ScaleKeyFitsThePictureShownTurningItOffKeepsIt) {
  Stage s({400, 300});
  s.image->LoadPicture("pics/wide.png");
  EXPECT_EQ(s.image->Picture().size(), QSize(800, 400));
  s.image->SetFit(true);
  EXPECT_EQ(s.image->Picture().size(), QSize(400, 200));
  s.image->SetFit(false);
  EXPECT_EQ(s.image->Picture().size(), QSize(400, 200));
  EXPECT_FALSE(s.image->NeedsRefit());
}

TEST_F(SkImageTest, AResizeRefitsForTheParentAndComesBackToTheNaturalSize) {
  Stage s({400, 300});
  s.image->SetMaxScale(1);
  s.image->SetFit(true);
  s.image->LoadPicture("pics/wide.png");
  ASSERT_EQ(s.image->Picture().size(), QSize(400, 200));

  // The parent shrinks; the element is resized with it, as anchors do.
  s.parent.resize(200, 300);
  EXPECT_TRUE(s.image->NeedsRefit());
  s.image->resize(200, 300);
  EXPECT_EQ(s.image->Picture().size(), QSize(200, 100));
  EXPECT_EQ(s.image->geometry(), QRect(0, 100, 200, 100));
  EXPECT_FALSE(s.image->NeedsRefit());

  // Room for the whole picture: the maximum scale keeps it at its own size.
  s.parent.resize(1000, 700);
  s.image->resize(1000, 700);
  EXPECT_EQ(s.image->Picture().size(), QSize(800, 400));
  EXPECT_EQ(s.image->Picture(), LoadPackPicture("pics/wide.png"));
  EXPECT_EQ(s.image->geometry(), QRect(100, 150, 800, 400));

  // Hidden, it is left alone.
  s.image->hide();
  s.parent.resize(300, 300);
  EXPECT_FALSE(s.image->NeedsRefit());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SkImageTest, KeysOfTheImageType) {
  auto engine = Build(
      "[frm]\ntype=form\nwidth=500\nheight=400\n"
      "[m]\ntype=pop_menu\ncaption=Один\naction=test*one\n"
      "[box]\ntype=panel\nleft=0\ntop=0\nwidth=400\nheight=300\n"
      "[img]\ntype=image\nmaster=box\nmin_scale=50\nmax_scale=150\nscale=1\nload=pics/tall.png\n"
      "center=1\nmenu=m\naction=test*clicked\nleft=5\ntop=5\nwidth=30\nheight=30\n");
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_DOUBLE_EQ(image->Bounds().min_scale, 0.5);
  EXPECT_DOUBLE_EQ(image->Bounds().max_scale, 1.5);
  EXPECT_TRUE(image->Fit());
  EXPECT_EQ(image->Picture().size(), QSize(150, 300));
  EXPECT_EQ(image->alignment(), Qt::AlignCenter);
  EXPECT_EQ(image->ContextMenu(), engine->GetPopMenu("m"));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // The right button raises nothing; the context menu opens on its request.
  QTest::mouseClick(image, Qt::RightButton);
  EXPECT_TRUE(platform.messages.empty());
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), image->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(image, &request);
  EXPECT_TRUE(engine->GetPopMenu("m")->isVisible());
  engine->GetPopMenu("m")->hide();
  // A left click raises the action.
  QTest::mouseClick(image, Qt::LeftButton);
  EXPECT_EQ(platform.messages, Texts{"clicked*"});
}

TEST_F(SkImageTest, AClientAlignedImageBeforeItsPanelInMixedCaseFillsItWithThePictureCentred) {
  auto engine = Build(
      "[frm]\nType=Form\nWidth=500\nHeight=400\n"
      "[Img]\nTYPE=Image\nMaster=Box\nAlign=Client\nCenter=True\nScale=TRUE\nMax_Scale=100\nLoad=pics/wide.png\n"
      "[Box]\nType=Panel\nLeft=10\nTop=10\nWidth=300\nHeight=200\n");
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  QWidget* box = engine->GetPanel("box");
  ASSERT_TRUE(image && box);
  EXPECT_TRUE(platform.messages.empty());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(image->parentWidget(), box);
  EXPECT_EQ(image->Picture().size(), QSize(300, 150));
  // The alignment keeps the element on the whole panel; the picture sits in its middle.
  EXPECT_EQ(image->geometry(), box->contentsRect());
  EXPECT_EQ(image->alignment(), Qt::AlignCenter);
  // The panel grows: the picture follows, up to its own size.
  box->resize(1000, 700);
  EXPECT_EQ(image->Picture().size(), QSize(800, 400));
  EXPECT_TRUE(QTest::qWaitFor([&] { return image->geometry() == box->contentsRect(); }));
  EXPECT_EQ(image->Picture().size(), QSize(800, 400));
}

TEST_F(SkImageTest, ScaleBoundsThatAreNoNumbersStopTheBuild) {
  EXPECT_ANY_THROW(Build("[frm]\ntype=form\n[img]\ntype=image\nmin_scale=half\n"));
}

TEST_F(SkImageTest, ImgLoadOfTheNameShownDoesNotReadItAgain) {
  manual.AddLoose("pics/loose.png", PictureBytes(40, 30, "PNG"));
  manual.AddLoose("pics/other.png", PictureBytes(20, 10, "PNG"));
  auto engine = Build("[frm]\ntype=form\n[img]\ntype=image\n");
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  ASSERT_NE(image, nullptr);
  engine->ExecuteCommand("img_load*img*pics/loose.png");
  EXPECT_EQ(image->NaturalSize(), QSize(40, 30));
  // The file changes on disk; the same name does not read it.
  manual.AddLoose("pics/loose.png", PictureBytes(60, 50, "PNG"));
  engine->ExecuteCommand("img_load*img*pics/loose.png");
  EXPECT_EQ(image->NaturalSize(), QSize(40, 30));
  engine->ExecuteCommand("img_load*img*");
  EXPECT_EQ(image->PictureName(), "pics/loose.png");
  // After another picture it is read afresh.
  engine->ExecuteCommand("img_load*img*pics/other.png//img_load*img*pics/loose.png");
  EXPECT_EQ(image->NaturalSize(), QSize(60, 50));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SkImageTest, ImgVisibleShowsAndHides) {
  auto engine = Build("[frm]\ntype=form\n[img]\ntype=image\nload=pics/small.png\n");
  QWidget* image = engine->GetImage("img");
  ASSERT_NE(image, nullptr);
  const std::pair<const char*, bool> steps[] = {
      {"img_visible*img*0", false}, {"img_visible*img", true}, {"img_visible*img*false", false},
      {"img_visible*img*1", true},  {"img_visible*img*x", true},
  };
  for (const auto& [command, visible] : steps) {
    engine->ExecuteCommand(command);
    EXPECT_EQ(!image->isHidden(), visible) << command;
  }
}

// The window, a panel that follows the page's size, and in it an image that
// does not: only fitting anew gives the picture the panel's new size.
const char kFitWindow[] =
    "[frm]\ntype=form\nwidth=400\nheight=300\n"
    "[box]\ntype=panel\nleft=0\ntop=0\nwidth=400\nheight=300\nanchor=0 0 0 0\n"
    "[img]\ntype=image\nmaster=box\nscale=1\nload=pics/wide.png\n"
    "[other]\ntype=image\nmaster=box\nload=pics/small.png\n";

TEST_F(SkImageTest, FormMaxiPutsTheFitAsideAndFitsTheNewSizeAfterwards) {
  auto engine = Build(kFitWindow);
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  auto* other = dynamic_cast<TSkImage*>(engine->GetImage("other"));
  QWidget* box = engine->GetPanel("box");
  ASSERT_TRUE(image && other && box);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize normal_box = box->size();
  ASSERT_EQ(image->Picture().width(), normal_box.width());

  engine->ExecuteCommand("form_maxi");
  // While the window changes the picture keeps its size...
  EXPECT_FALSE(image->Fit());
  // ...and once it has changed the picture fits the panel again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return image->Fit() && window.isMaximized() && box->size() != normal_box; }));
  EXPECT_EQ(image->Picture().size(), image->size());
  EXPECT_FALSE(image->NeedsRefit());
  const auto want = FitPicture(800, 400, box->width(), box->height(), {});
  ASSERT_TRUE(want);
  EXPECT_EQ(image->Picture().size(), QSize(want->width, want->height));
  // An image that does not fit stays unfitted.
  EXPECT_FALSE(other->Fit());
  EXPECT_EQ(other->Picture().size(), QSize(200, 100));

  engine->ExecuteCommand("form_maxi");
  ASSERT_TRUE(QTest::qWaitFor([&] { return image->Fit() && !window.isMaximized(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return image->Picture().width() == box->width(); }));
  EXPECT_EQ(box->size(), normal_box);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SkImageTest, FormCloseWithAResultPutsTheFitAsideForGood) {
  auto engine = Build(kFitWindow);
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  ASSERT_NE(image, nullptr);
  window.show();
  engine->ExecuteCommand("form_close*1");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(image->Fit());
  QTest::qWait(50);
  EXPECT_FALSE(image->Fit());
}

TEST_F(SkImageTest, SaveAsWritesAJpegOfTheNaturalPictureAtQuality90) {
  TempDir out;
  auto engine = Build("[frm]\ntype=form\nwidth=300\nheight=200\n[img]\ntype=image\nscale=1\nload=pics/wide.png\n");
  auto* image = dynamic_cast<TSkImage*>(engine->GetImage("img"));
  ASSERT_NE(image, nullptr);
  ASSERT_LT(image->Picture().width(), 800);  // shown scaled down

  // Cancelled: nothing written.
  engine->ExecuteCommand("img_save_as*img");
  EXPECT_EQ(platform.save_filters, Texts{"*.jpg"});
  EXPECT_TRUE(QDir(ToQ(out.path())).isEmpty());

  // A name without extension gets ".jpg".
  platform.save_answer = out.Sub("saved");
  engine->ExecuteCommand("img_save_as*img");
  const QString written = ToQ(out.Sub("saved.jpg"));
  ASSERT_TRUE(QFile::exists(written));
  const QImage back(written);
  EXPECT_EQ(back.size(), QSize(800, 400));
  QFile file(written);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray expected;
  QBuffer buffer(&expected);
  buffer.open(QIODevice::WriteOnly);
  LoadPackPicture("pics/wide.png").save(&buffer, "JPG", 90);
  EXPECT_EQ(file.readAll(), expected);
  // Only the file itself is left in the folder.
  EXPECT_EQ(QDir(ToQ(out.path())).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.jpg"});
  EXPECT_TRUE(platform.messages.empty());
}

// Points the application's data folder at a folder of the test.
class DataHome {
 public:
  explicit DataHome(const std::string& path) : saved_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(path));
  }
  ~DataHome() {
    if (saved_.isNull()) qunsetenv("XDG_DATA_HOME");
    else qputenv("XDG_DATA_HOME", saved_);
  }

 private:
  QByteArray saved_;
};

TEST_F(SkImageTest, WallpaperIsABitmapInTheDataFolderWithItsSettings) {
  TempDir data;
  DataHome home(data.path());
  auto engine = Build("[frm]\ntype=form\nwidth=300\nheight=200\n[img]\ntype=image\nscale=1\nload=pics/wide.png\n");
  engine->ExecuteCommand("img_wallpaper*img");
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  ASSERT_TRUE(folder.startsWith(ToQ(data.path())));
  const QString path = QDir(folder).filePath("wallp.bmp");
  QImageReader reader(path);
  EXPECT_EQ(reader.format(), "bmp");
  EXPECT_EQ(reader.size(), QSize(800, 400));
  const std::string stored = FromQ(path);
  EXPECT_EQ(platform.settings, (std::map<std::string, std::string>{{"Control Panel/Desktop|Wallpaper", stored},
                                                                    {"Control Panel/Desktop|TileWallpaper", "0"}}));
  EXPECT_EQ(platform.wallpapers, Texts{stored});
  EXPECT_TRUE(platform.messages.empty());
}

struct WriteFailCase {
  const char* name;
  // Makes the place in the folder and gives the name the dialog answers.
  std::function<std::string(const TempDir&)> target;
};

TEST_F(SkImageTest, AJpegThatCannotBeWrittenSaysSoAndLeavesNothing) {
  const WriteFailCase cases[] = {
      {"folder missing", [](const TempDir& d) { return d.Sub("missing/out.jpg"); }},
      {"folder is a file", [](const TempDir& d) { return d.Write("plain", "x") + "/out.jpg"; }},
      {"name is a folder", [](const TempDir& d) {
         QDir().mkpath(ToQ(d.Sub("taken.jpg")));
         return d.Sub("taken.jpg");
       }},
  };
  auto engine = Build("[frm]\ntype=form\n[img]\ntype=image\nload=pics/small.png\n");
  for (const WriteFailCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir out;
    FakePlatform p;
    p.save_answer = c.target(out);
    const QStringList before = QDir(ToQ(out.path())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    engine->ExecuteCommand("img_save_as*img");
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].rfind(msg::PictureNotWritten(p.save_answer, ""), 0), 0u) << p.messages[0];
    EXPECT_EQ(p.kinds[0], MessageKind::Error);
    EXPECT_EQ(QDir(ToQ(out.path())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
  }
}

TEST_F(SkImageTest, AWallpaperThatCannotBeWrittenLeavesTheSettingsAlone) {
  TempDir data;
  DataHome home(data.path());
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // wallp.bmp is taken by a folder.
  ASSERT_TRUE(QDir().mkpath(QDir(folder).filePath("wallp.bmp")));
  auto engine = Build("[frm]\ntype=form\n[img]\ntype=image\nload=pics/small.png\n");
  engine->ExecuteCommand("img_wallpaper*img");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].rfind(msg::PictureNotWritten(FromQ(QDir(folder).filePath("wallp.bmp")), ""), 0), 0u);
  EXPECT_TRUE(platform.settings.empty());
  EXPECT_TRUE(platform.wallpapers.empty());
  EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"wallp.bmp"});
}

TEST_F(SkImageTest, ImgPrintWithoutAPrinterSaysSoAndLeavesNoPageBehind) {
  auto engine = Build("[frm]\ntype=form\n[img]\ntype=image\nload=pics/small.png\n");
  QWidget* image = engine->GetImage("img");
  ASSERT_NE(image, nullptr);
  platform.printer.clear();
  engine->ExecuteCommand("img_print*img");
  EXPECT_EQ(platform.messages, Texts{Ru("Принтер не найден.")});
  EXPECT_TRUE(image->parentWidget()->findChildren<TSkHtml*>().isEmpty());
}

}  // namespace
}  // namespace remont
