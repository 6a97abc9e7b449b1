// TSkImage: the picture element (description type "image"). It shows one
// picture of the manual at the top-left of its bounds at the picture's own
// size (centred with the center key), optionally fitted to its parent within
// a lower and an upper scale (elements/PictureFit.h), and answers the picture
// commands: load another picture, save it as a JPEG file, make it the desktop
// wallpaper, print it through the print preview. A click raises its action.
//
// Every resize centres the element in its parent and, when the parent's size
// asks for another fit, reads the picture afresh and fits it again.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <optional>
#include <string>

#include "elements/PictureFit.h"
#include "elements/qt/Element.h"

class QMenu;

namespace remont {


// A picture read through the archive reader: a ".bmp" name as a bitmap, any
// other decoded by its content (JPEG, PNG, GIF). A name neither the archive
// nor the folder holds shows the reader's message; content that does not
// decode shows PictureUnreadable. Both give a null image.
QImage LoadPackPicture(const std::string& name);

// Makes the file the desktop wallpaper: its path and "TileWallpaper" ("1"
// tiled, "0" not) go under "Control Panel/Desktop" in the settings store,
// then the platform applies it.
void SetDesktopWallpaper(const std::string& file, bool tiled);

class TSkImage : public QLabel, public TElement {
  Q_OBJECT

 public:
  explicit TSkImage(QWidget* parent = nullptr);

  // Shows the picture of that archive name; an empty name, or the name
  // already shown, changes nothing (the archive is not read again).
  void LoadPicture(const std::string& name);
  const std::string& PictureName() const { return picture_name_; }
  // The picture's size as read, before fitting.
  QSize NaturalSize() const { return natural_; }
  // The picture shown (fitted or not).
  const QImage& Picture() const { return picture_; }

  // Key scale: fits the picture shown at once; off leaves it as it is.
  void SetFit(bool on);
  bool Fit() const { return fit_; }
  // Scale bounds as fractions (the keys give percentages); 0 is no bound.
  void SetMinScale(double scale) { bounds_.min_scale = scale; }
  void SetMaxScale(double scale) { bounds_.max_scale = scale; }
  const RScaleBounds& Bounds() const { return bounds_; }
  // Fits bitmap to the parent (replacing it when resampled) and gives the
  // element the fitted size; true when the size changed. False, and nothing
  // touched, when fitting is off or there is nothing to fit.
  bool FitPicture(QImage& bitmap);
  // The parent's size asks for another fit of the natural picture.
  bool NeedsRefit() const;

  // Fitting put aside while the window is maximised or closed, and back.
  void SaveFitState();
  void RestoreFitState();

  // img_save_as: the save dialog, then the picture at its natural size as a
  // JPEG file of quality 90 (".jpg" added to a name without extension).
  void SavePictureAs();
  // img_wallpaper: the picture as wallp.bmp in the application's data folder,
  // made the desktop wallpaper, not tiled.
  void SetAsWallpaper();
  // img_print: the print preview of a page holding only the picture.
  void PrintPicture();

  // Key center: the picture centred in the element's bounds.
  void SetCenter(bool on);
  // Key menu: the element's context menu.
  void SetContextMenu(QMenu* menu);
  QMenu* ContextMenu() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowBitmap(const QImage& bitmap);
  // Fits bitmap and sizes the element; the fit, or none when nothing is fitted.
  std::optional<RPictureFit> FitTo(QImage& bitmap);
  // Reads the picture afresh and shows it fitted to the parent.
  void Refit();

  std::string picture_name_;
  QSize natural_{0, 0};
  QImage picture_;
  bool fit_ = false;
  RScaleBounds bounds_;
  bool saved_fit_ = false;
  bool saved_fit_valid_ = false;
  bool fitting_ = false;
  QPointer<QMenu> context_menu_;
};

}  // namespace remont
