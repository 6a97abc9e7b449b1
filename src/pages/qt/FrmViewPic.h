// TfrmViewPic: the enlarged-picture window ("Увеличенное изображение"). A
// picture link of a page opens it modally; it shows the one picture at its
// own size in a page view that scrolls by dragging, takes its caption from the
// picture's ".cap" file, grows to fit the picture or, for a picture larger
// than the screen's work area, fills the screen. A caption panel carries the
// print, full-screen and close buttons; Ctrl+P prints, Esc closes, and a press
// on the caption panel drags the window.
#pragma once

#include <string>

#include "elements/qt/SkForm.h"

class QAction;
class QFrame;
class QLabel;
class QToolButton;

namespace remont {

class TSkHtml;

class TfrmViewPic : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmViewPic(QWidget* owner = nullptr);
  ~TfrmViewPic() override;

  // The window while one exists (there is one at a time: it is modal).
  static TfrmViewPic* Current();

  // Shows the picture (name resolved against the folder of base; an empty
  // base is the program folder), takes the caption from the first line of the
  // picture's ".cap" file and sizes the window for the picture.
  void ViewPicture(const std::string& base, const std::string& name);

  // Full screen, or back to a normal window (the full-screen button).
  void sbFullScrinClick();
  // The print preview of the picture (the print buttons; Ctrl+P).
  void sbPrintClick();
  void mnuPRINTClick();
  bool FullScreen() const;

  TSkHtml* View() const { return view_; }
  QFrame* CaptionPanel() const { return panel_caption_; }
  QFrame* ToolBar() const { return tool_bar_; }
  QToolButton* PrintButton() const { return but_print_; }
  QToolButton* FullScreenButton() const { return but_full_; }
  QToolButton* CloseButton() const { return but_close_; }
  QToolButton* ToolPrintButton() const { return sb_print_; }
  QToolButton* ToolFullScreenButton() const { return sb_full_; }
  QAction* PrintAction() const { return mnu_print_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The full-screen button's hints and picture for the state entered.
  void ShowFullScreenState(bool full);

  QFrame* tool_bar_ = nullptr;
  QToolButton* sb_print_ = nullptr;
  QToolButton* sb_full_ = nullptr;
  QFrame* panel_caption_ = nullptr;
  QLabel* caption_label_ = nullptr;
  QToolButton* but_print_ = nullptr;
  QToolButton* but_full_ = nullptr;
  QToolButton* but_close_ = nullptr;
  QAction* mnu_print_ = nullptr;
  TSkHtml* view_ = nullptr;
};

// Makes the window (owner: the window of the page that asks, for stacking and
// skin), shows the picture in it modally and frees it when it closes.
void ShowEnlargedPicture(const std::string& base, const std::string& name, QWidget* owner = nullptr);

}  // namespace remont
