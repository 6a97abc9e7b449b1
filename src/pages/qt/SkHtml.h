// TSkHtml: the page element (description type "html"). On top of the page
// view it turns link clicks into command strings, shell launches or the
// picture window; keeps the linked contents tree on the node of the page
// shown; shows the page's title in a linked label; finds text in the page;
// shows single pictures as a page; and scrolls by dragging with the mouse.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <string>

#include "common/HelpAction.h"
#include "elements/qt/Element.h"
#include "elements/qt/HtmlLinks.h"
#include "pages/qt/HtmlEx.h"

namespace remont {

class TSkLabel;
class TSkTree;

class TSkHtml : public THtmlEx, public TElement, public THtmlLinks {
  Q_OBJECT

 public:
  explicit TSkHtml(QWidget* parent = nullptr);
  ~TSkHtml() override;

  // Where the command strings of links go (the engine's dispatcher).
  std::function<void(const RHelpAction&)> OnCommand;
  // The enlarged-picture window, called with the current file and the link
  // target unchanged; the html elements an engine makes open TfrmViewPic.
  // Unset, a picture link shows the picture in this view (ShowPicture).
  std::function<void(const std::string& page, const std::string& picture)> OnEnlargePicture;
  // Key move: a press on the page moves the window instead of starting a drag.
  std::function<void(Qt::MouseButton)> OnMoveWindow;

  // Drag-scroll mode; text cannot be selected while it is on.
  void SetMoveCursor(bool on);
  bool MoveCursor() const { return move_cursor_; }
  void SetZoomPictures(bool on) { zoom_pictures_ = on; }
  bool ZoomPictures() const { return zoom_pictures_; }
  void SetContentsTree(TSkTree* tree) override { tree_ = tree; }
  TSkTree* ContentsTree() const { return tree_; }
  void SetTitleLabel(TSkLabel* label) override { title_label_ = label; }
  // Key menu: the page's context menu (instead of the view's own).
  void SetContextMenu(QMenu* menu);
  QMenu* ContextMenu() const { return context_menu_; }
  TSkLabel* TitleLabel() const { return title_label_; }

  // Selects the node of the linked tree that holds the page (none when no
  // node does); recorded in the tree's history, no command raised.
  void SyncTree(const std::string& page);
  // Next occurrence after the selection, case-insensitive, wrapping once to
  // the top; when absent the selection stays. Empty text finds nothing.
  bool FindText(const std::string& text);
  // Shows the picture (name resolved against the folder of base) as the only
  // content; returns the resolved path.
  std::string ShowPicture(const std::string& base, const std::string& picture);

  // A click on a link: the link rules, then, when no rule handled it, the
  // view's own following (pages are loaded, anchors scrolled to). A page that
  // cannot be found throws PageLoadError.
  void HotSpotClick(const std::string& target);

  // The html_* commands that concern only the element.
  void HtmlLoad(const std::string& page);  // SyncTree, then LoadPage
  void HtmlBack();
  void HtmlForward();
  void HtmlGoHistory(int i) { SetHistoryIndex(i); }
  void HtmlGoTop() { SetDocPos(0); }
  void HtmlCopy();
  void HtmlSelAll();

 protected:
  void HistoryChanged() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RaiseCommand(const std::string& command);
  void Follow(const std::string& target);

  int drag_x_ = 0;
  int drag_y_ = 0;
  bool dragging_ = false;
  bool move_cursor_ = false;
  bool zoom_pictures_ = true;
  TSkTree* tree_ = nullptr;
  TSkLabel* title_label_ = nullptr;
  QPointer<QMenu> context_menu_;
  QString clicked_href_;  // the raw target of the link under the last mouse release
};

}  // namespace remont
