#include "pages/qt/SkImage.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "common/Messages.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkForm.h"
#include "pages/qt/PrintPreview.h"
#include "pages/qt/SkHtml.h"

namespace remont {

namespace {

constexpr int kJpegQuality = 90;
constexpr char kWallpaperFile[] = "wallp.bmp";
constexpr char kDesktopGroup[] = "Control Panel/Desktop";

// Writes the image whole or not at all: into a temporary file beside the
// target, renamed over it only when everything was written. A failure is
// shown and gives false.
bool WriteImage(const QImage& image, const QString& path, const char* format, int quality) {
  QSaveFile file(path);
  QString reason;
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
  } else if (!image.save(&file, format, quality)) {
    reason = file.error() != QFileDevice::NoError ? file.errorString() : QString::fromUtf8("ошибка записи рисунка");
    file.cancelWriting();
  } else if (!file.commit()) {
    reason = file.errorString();
  }
  if (reason.isEmpty()) return true;
  CurrentPlatform().ShowMessage(msg::PictureNotWritten(FromQ(QDir::toNativeSeparators(path)), FromQ(reason)),
                                MessageKind::Error);
  return false;
}

}  // namespace

QImage LoadPackPicture(const std::string& name) {
  const TPack pack(name);
  const bool bitmap = LowerCase(ExtractFileExt(name)) == ".bmp";
  QImage image;
  const QByteArray bytes = QByteArray::fromRawData(pack.Data(), static_cast<qsizetype>(pack.Size()));
  if (!image.loadFromData(bytes, bitmap ? "BMP" : nullptr)) {
    CurrentPlatform().ShowErrorBox(msg::PictureUnreadable(name));
    return {};
  }
  return image;
}

void SetDesktopWallpaper(const std::string& file, bool tiled) {
  CurrentPlatform().WriteSetting(kDesktopGroup, "Wallpaper", file);
  CurrentPlatform().WriteSetting(kDesktopGroup, "TileWallpaper", tiled ? "1" : "0");
  CurrentPlatform().SetWallpaper(file);
}

TSkImage::TSkImage(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setScaledContents(false);
}

void TSkImage::ShowBitmap(const QImage& bitmap) {
  picture_ = bitmap;
  setPixmap(QPixmap::fromImage(bitmap));
}

void TSkImage::LoadPicture(const std::string& name) {
  if (name.empty() || name == picture_name_) return;
  // The name is taken first: a picture that cannot be read is not read again
  // until another one was loaded.
  picture_name_ = name;
  QImage bitmap = LoadPackPicture(name);
  if (bitmap.isNull()) return;
  natural_ = bitmap.size();
  if (FitPicture(bitmap)) resize(bitmap.size());
  ShowBitmap(bitmap);
  // A parent that fills its own parent lays its children out again.
  if (QWidget* p = parentWidget(); p && GetAlign(p) == EAlign::Client) {
    RequestAlign(p);
    RelayoutChildren(p);
  }
}

std::optional<RPictureFit> TSkImage::FitTo(QImage& bitmap) {
  if (!fit_) return std::nullopt;
  const QSize parent = OuterSize(parentWidget());
  const auto fit = remont::FitPicture(bitmap.width(), bitmap.height(), parent.width(), parent.height(), bounds_);
  if (!fit) return fit;
  {
    // The resize handler leaves a picture that is being fitted alone.
    const QScopedValueRollback<bool> guard(fitting_, true);
    resize(fit->width, fit->height);
  }
  // An aligned element resized while its container lays it out is not laid
  // out again by that pass: it is, once the pass is over.
  if (IsLaidOut(GetAlign(this))) QTimer::singleShot(0, this, [this] { RequestAlign(this); });
  // A changed size always comes with a multiplier other than 1: resampled linearly.
  if (fit->changed) bitmap = bitmap.scaled(fit->width, fit->height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return fit;
}

bool TSkImage::FitPicture(QImage& bitmap) {
  const auto fit = FitTo(bitmap);
  return fit && fit->changed;
}

void TSkImage::Refit() {
  QImage bitmap = LoadPackPicture(picture_name_);
  if (bitmap.isNull()) return;
  const auto fit = FitTo(bitmap);
  // A fit back at the natural size shows the natural picture again.
  if (fit && (fit->changed || bitmap.size() != picture_.size())) ShowBitmap(bitmap);
}

bool TSkImage::NeedsRefit() const {
  if (!ElementVisible(this) || !fit_) return false;
  const QSize parent = OuterSize(parentWidget());
  return remont::NeedsRefit(natural_.width(), natural_.height(), picture_.width(), picture_.height(), parent.width(),
                            parent.height(), bounds_);
}

void TSkImage::SetFit(bool on) {
  fit_ = on;
  // Fitted from the natural picture: a copy of one shown smaller would come
  // back blurred, and the scale bounds are meant for the natural size.
  if (on && !picture_.isNull()) Refit();
}

void TSkImage::SaveFitState() {
  saved_fit_ = fit_;
  SetFit(false);
  saved_fit_valid_ = true;
}

void TSkImage::RestoreFitState() {
  if (!saved_fit_valid_) return;
  SetFit(saved_fit_);
  saved_fit_valid_ = false;
}

void TSkImage::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (QWidget* p = parentWidget()) {
    const QSize parent = OuterSize(p);
    move((parent.width() - width()) / 2, (parent.height() - height()) / 2);
  }
  if (fitting_ || picture_name_.empty() || !NeedsRefit()) return;
  Refit();
}

void TSkImage::SavePictureAs() {
  if (picture_name_.empty()) return;
  std::string file = CurrentPlatform().SaveFileDialog("*.jpg");
  if (file.empty()) return;
  if (ExtractFileExt(ExtractFileName(file)).empty()) file += ".jpg";
  const QImage bitmap = LoadPackPicture(picture_name_);
  if (bitmap.isNull()) return;
  WriteImage(bitmap, ToQ(file), "JPG", kJpegQuality);
}

void TSkImage::SetAsWallpaper() {
  if (picture_name_.empty()) return;
  const QImage bitmap = LoadPackPicture(picture_name_);
  if (bitmap.isNull()) return;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!QDir().mkpath(folder)) {
    CurrentPlatform().ShowMessage(msg::PictureNotWritten(FromQ(folder), FromQ(QString::fromUtf8("папка не создаётся"))),
                                  MessageKind::Error);
    return;
  }
  const QString path = QDir(folder).filePath(kWallpaperFile);
  // The settings are left as they were when the file could not be written.
  if (!WriteImage(bitmap, path, "BMP", -1)) return;
  SetDesktopWallpaper(FromQ(path), false);
}

void TSkImage::PrintPicture() {
  if (picture_name_.empty()) return;
  // A page holding only the picture, on the image's parent, hidden; it goes
  // when the preview is closed.
  auto view = std::make_unique<TSkHtml>(parentWidget());
  view->hide();
  view->ShowPicture(GetProgramDir(), picture_name_);
  ShowPrintPreview(window(), view.get());
}

void TSkImage::SetCenter(bool on) { setAlignment(on ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop); }

void TSkImage::SetContextMenu(QMenu* menu) { context_menu_ = menu; }

QMenu* TSkImage::ContextMenu() const { return context_menu_; }

void TSkImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) RaiseClick();
}

void TSkImage::contextMenuEvent(QContextMenuEvent* event) {
  if (context_menu_) {
    context_menu_->popup(event->globalPos());
    event->accept();
    return;
  }
  QLabel::contextMenuEvent(event);
}

namespace {

double Percent(const TKeyValue& v) { return v.Number() / 100.0; }

RElementClass MakeImageClass() {
  using I = TSkImage;
  RElementClass c;
  c.Type = "image";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkImage(parent); };
  c.Keys = {
      ActionKey(),
      Key<I>("load", [](I& i, const TKeyValue& v) { i.LoadPicture(v.Text()); }),
      Key<I>("scale", [](I& i, const TKeyValue& v) { i.SetFit(v.Bool()); }),
      Key<I>("min_scale", [](I& i, const TKeyValue& v) { i.SetMinScale(Percent(v)); }),
      Key<I>("max_scale", [](I& i, const TKeyValue& v) { i.SetMaxScale(Percent(v)); }),
      Key<I>("center", [](I& i, const TKeyValue& v) { i.SetCenter(v.Bool()); }),
      Key<I>("menu", [](I& i, const TKeyValue& v) {
        if (auto* m = v.ElementAs<QMenu>()) i.SetContextMenu(m);
      }),
      // A press moves the window (when the window's moving key is on).
      Key<I>("move", [](I& i, const TKeyValue& v) {
        TSkForm* window = v.Host().Window();
        if (v.Bool()) i.SetPressToMove([window](Qt::MouseButton b) { window->FormMouseDown(b); });
        else i.SetPressToMove(nullptr);
      }),
      AnchorKey(),
  };
  c.Commands = {
      Command<I>("img_load", [](I& i, const RCommandCall& call) { i.LoadPicture(call.P2); }),
      Command<I>("img_save_as", [](I& i, const RCommandCall&) { i.SavePictureAs(); }),
      Command<I>("img_wallpaper", [](I& i, const RCommandCall&) { i.SetAsWallpaper(); }),
      Command<I>("img_visible", [](I& i, const RCommandCall& call) {
        i.setVisible(ParseBool(call.P2, true));
        RequestAlign(&i);
      }),
      Command<I>("img_print", [](I& i, const RCommandCall&) { i.PrintPicture(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeImageClass());

}  // namespace remont
