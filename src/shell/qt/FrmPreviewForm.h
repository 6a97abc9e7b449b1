// TfrmPreviewForm ("Предварительный просмотр"): a page view cut into printer
// pages and shown as the printed sheets, one or two side by side, at a chosen
// zoom; printed whole or as a page range, in portrait or landscape, with or
// without page numbers. Its tool bar comes from struct_print.txt; every
// element is optional.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "common/HelpAction.h"
#include "elements/qt/SkForm.h"
#include "pages/qt/MetaFilePrinter.h"

class QScrollArea;
class QFrame;

namespace remont {

class TSkHtml;
class TSkStract;
class TSkSpeedButton;
class TSkComboBox;
class TSkLabel;
class TfrmPreviewForm;

// A sheet of the preview: draws its page's picture mapped from the paper to
// the box; the first one also takes the mouse.
class TPreviewBox : public QWidget {
  Q_OBJECT

 public:
  TPreviewBox(TfrmPreviewForm* form, int offset, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TfrmPreviewForm* form_;
  int offset_;  // 0 the current page, 1 the page after it
};

class TfrmPreviewForm : public TSkForm {
  Q_OBJECT

 public:
  // Paginates the view; aborted tells whether the user cancelled that first
  // pagination (then the window is not to be shown). Without a view the
  // window stays empty (the copy made at start-up is never shown).
  explicit TfrmPreviewForm(QWidget* owner = nullptr, TSkHtml* viewer = nullptr, bool* aborted = nullptr);
  ~TfrmPreviewForm() override;

  // Cuts the view into pages again; true when the user cancelled.
  bool Repaginate();
  void ShowPreviewPage(int i);
  void UpdateButtons();
  // The layout of the sheets in the scroll area (the form's resize, "zoom").
  void FormResize();

  int CurrentPage() const { return current_page_; }
  int PageCount() const { return pages_.PageCount(); }
  double ViewZoom() const { return view_zoom_; }
  bool PageNumbers() const { return page_numbers_; }
  bool PrintZoomMode() const { return print_zoom_mode_; }
  TSkStract* Engine() const { return engine_.get(); }
  const TMetaFilePrinter& Pages() const { return pages_; }
  QWidget* PageBox(int i) const;

  // Mouse on the first sheet: print zoom, view zoom or moving, by mode.
  void BoxPress(QMouseEvent* event);
  void BoxMove(QMouseEvent* event);
  void BoxRelease();
  void PaintBox(QPainter& painter, const QSize& size, int offset) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void HelpAction(const RHelpAction& request);
  // The owner commands of the preview's description.
  void CmdZoom(const RHelpAction&);
  void CmdPrint(const RHelpAction&);
  void CmdOrientPage(const RHelpAction&);
  void CmdFirstPage(const RHelpAction&);
  void CmdPrevPage(const RHelpAction&);
  void CmdNextPage(const RHelpAction&);
  void CmdLastPage(const RHelpAction&);
  void CmdGotoPage(const RHelpAction&);
  void CmdZoomPage(const RHelpAction&);
  void CmdMovePage(const RHelpAction&);
  void CmdOnePage(const RHelpAction&);
  void CmdTwoPage(const RHelpAction&);
  void CmdFitPage(const RHelpAction&);
  void CmdFitWidthPage(const RHelpAction&);
  void CmdPrintZoom(const RHelpAction&);
  void CmdNumPage(const RHelpAction&);

  TSkSpeedButton* Button(const char* name) const;
  QWidget* Control(const char* name) const;
  void SetBoxCursors(int cursor);
  void ShowPrintScale();
  void Restore();

  TSkHtml* viewer_ = nullptr;
  TMetaFilePrinter pages_;
  std::unique_ptr<TSkStract> engine_;
  std::string number_format_, zoom_format_, print_scale_format_;
  bool print_zoom_mode_ = false;
  bool page_numbers_ = false;
  bool dragging_ = false;
  QPoint drag_start_;
  int current_page_ = 0;
  QScrollArea* scroll_ = nullptr;
  QFrame* holder_ = nullptr;
  QFrame* page_panel_[2] = {nullptr, nullptr};
  TPreviewBox* box_[2] = {nullptr, nullptr};
  TSkComboBox* zoom_ = nullptr;
  TSkLabel* label_number_ = nullptr;
  TSkLabel* label_zoom_ = nullptr;
  TSkLabel* label_zoom_print_ = nullptr;
  double view_zoom_ = 1.0;
  bool orient_landscape_ = false;  // orient_page's tag
};

// Opens the modal preview of a view, as ShowPrintPreview does once a printer
// is found (installed as the page view's preview opener at start).
void OpenPrintPreview(QWidget* owner, TSkHtml* viewer);

}  // namespace remont
