#include "shell/qt/FrmPreviewForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/Cursors.h"
#include "common/qt/QtText.h"
#include "common/qt/SystemPrinter.h"
#include "description/qt/SkStract.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkComboBox.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkSpeedButton.h"
#include "pages/PreviewRules.h"
#include "pages/qt/GoPageForm.h"
#include "pages/qt/PrintPreview.h"
#include "pages/qt/PrnStatusForm.h"
#include "pages/qt/SkHtml.h"
#include "shell/qt/OwnerCommands.h"

namespace remont {
namespace {

constexpr int kZoomCursor = 140;
constexpr int kHandCursor = 143;

// The preview opens from any page view once a printer is found.
const bool kOpenerInstalled = (SetPrintPreviewOpener(OpenPrintPreview), true);

}  // namespace

void OpenPrintPreview(QWidget* owner, TSkHtml* viewer) {
  (void)kOpenerInstalled;
  bool aborted = false;
  auto* form = new TfrmPreviewForm(owner, viewer, &aborted);
  if (!aborted) form->exec();
  delete form;
}

TPreviewBox::TPreviewBox(TfrmPreviewForm* form, int offset, QWidget* parent)
    : QWidget(parent), form_(form), offset_(offset) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  form_->PaintBox(painter, size(), offset_);
}

void TPreviewBox::mousePressEvent(QMouseEvent* event) {
  if (offset_ == 0) form_->BoxPress(event);
}

void TPreviewBox::mouseMoveEvent(QMouseEvent* event) {
  if (offset_ == 0) form_->BoxMove(event);
}

void TPreviewBox::mouseReleaseEvent(QMouseEvent*) {
  if (offset_ == 0) form_->BoxRelease();
}

TfrmPreviewForm::TfrmPreviewForm(QWidget* owner, TSkHtml* viewer, bool* aborted) : TSkForm(owner), viewer_(viewer) {
  setObjectName("frmPreviewForm");
  setWindowTitle(ToQ(Ru("Предварительный просмотр")));
  if (aborted) *aborted = false;
  if (!viewer_) return;
  RegisterCursors();
  engine_ = std::make_unique<TSkStract>(this, "struct_print.txt");
  engine_->LoadStruct();
  engine_->OnHelpAction = [this](const RHelpAction& r) { HelpAction(r); };
  engine_->ShowPage();
  moving = true;

  // The sheets lie in the description's scroll box (or in one of our own).
  scroll_ = qobject_cast<QScrollArea*>(engine_->FindComponent("ScrollBox", "scroll_box"));
  if (!scroll_) {
    scroll_ = new QScrollArea(engine_->Page() ? engine_->Page() : this);
    SetAlign(scroll_, EAlign::Client);
  }
  scroll_->setWidgetResizable(false);
  holder_ = new QFrame;
  holder_->setAutoFillBackground(true);
  QPalette shadow = holder_->palette();
  shadow.setColor(QPalette::Window, shadow.color(QPalette::Dark));
  holder_->setPalette(shadow);
  holder_->resize(553, 353);
  for (int i = 0; i < 2; ++i) {
    page_panel_[i] = new QFrame(holder_);
    page_panel_[i]->setAutoFillBackground(true);
    QPalette white = page_panel_[i]->palette();
    white.setColor(QPalette::Window, Qt::white);
    page_panel_[i]->setPalette(white);
    page_panel_[i]->setGeometry(i == 0 ? 44 : 260, 32, 209, 265);
    box_[i] = new TPreviewBox(this, i, page_panel_[i]);
    box_[i]->setGeometry(page_panel_[i]->rect());
  }
  page_panel_[1]->hide();
  scroll_->setWidget(holder_);

  const bool cancelled = Repaginate();
  if (aborted) *aborted = cancelled;

  zoom_ = dynamic_cast<TSkComboBox*>(engine_->FindComponent("zoom", "combo_box"));
  label_number_ = dynamic_cast<TSkLabel*>(engine_->FindComponent("label_number", "label"));
  label_zoom_ = dynamic_cast<TSkLabel*>(engine_->FindComponent("label_zoom", "label"));
  label_zoom_print_ = dynamic_cast<TSkLabel*>(engine_->FindComponent("label_zoom_print", "label"));
  if (label_number_) number_format_ = FromQ(label_number_->text());
  if (label_zoom_) zoom_format_ = FromQ(label_zoom_->text());
  if (label_zoom_print_) print_scale_format_ = FromQ(label_zoom_print_->text());
  struct Group {
    const char* name;
    int group;
    bool down;
  };
  for (const Group& g : {Group{"one_page", 2, true}, Group{"two_page", 2, false}, Group{"fit_page", 3, false},
                         Group{"fit_width_page", 3, false}, Group{"zoom_page", 1, true}, Group{"move_page", 1, false},
                         Group{"num_page", -3, false}, Group{"print_zoom", -2, false}, Group{"orient_page", -1, false}}) {
    if (TSkSpeedButton* b = Button(g.name)) {
      b->SetGroup(g.group);
      b->SetDownRemembered(g.down);
    }
  }
  SetBoxCursors(kZoomCursor);
  if (zoom_) {
    const QSignalBlocker quiet(zoom_);
    zoom_->ClearListItems();
    for (const char* text : kZoomChoices) zoom_->AddListItem(Utf8ToCp1251(text), Utf8ToCp1251(text));
    zoom_->SetComboReadOnly(true);
    zoom_->setCurrentIndex(1);
  }
}

TfrmPreviewForm::~TfrmPreviewForm() { engine_.reset(); }

TSkSpeedButton* TfrmPreviewForm::Button(const char* name) const {
  return engine_ ? dynamic_cast<TSkSpeedButton*>(engine_->FindComponent(name, "sp_button")) : nullptr;
}

QWidget* TfrmPreviewForm::Control(const char* name) const {
  return engine_ ? qobject_cast<QWidget*>(engine_->FindElement(name)) : nullptr;
}

QWidget* TfrmPreviewForm::PageBox(int i) const { return box_[i]; }

void TfrmPreviewForm::SetBoxCursors(int cursor) {
  for (TPreviewBox* box : box_)
    if (box) box->setCursor(ProgramCursor(cursor));
}

bool TfrmPreviewForm::Repaginate() {
  TPrnStatusForm status(this);
  status.StatusLabel()->setFont(font());
  TMetaFilePrinter::Header header;
  double band = 0;
  if (page_numbers_) {
    // The text starts below the number's line.
    band = PageNumberY(viewer_->PrintScale()) + 6;
    const double scale = viewer_->PrintScale();
    header = [scale](QPainter& painter, int page, double width, double) {
      QFont font("Arial", 8);
      painter.setFont(font);
      painter.setPen(Qt::black);
      const QString text = QString::number(page);
      const int x = PageNumberX(static_cast<int>(width), painter.fontMetrics().horizontalAdvance(text), scale);
      painter.drawText(x, PageNumberY(scale), text);
    };
  }
  return status.Preview(viewer_, pages_, header, band);
}

void TfrmPreviewForm::ShowPreviewPage(int i) {
  current_page_ = i;
  if (PageCount() < i + 1 && i > 0) {
    ShowPreviewPage(PageCount() - 1);
    UpdateButtons();
    return;
  }
  if (label_number_) {
    const double values[] = {static_cast<double>(i + 1), static_cast<double>(PageCount())};
    label_number_->SetCaption(FillTemplate(number_format_, values, 2));
  }
  for (TPreviewBox* box : box_)
    if (box) box->update();
}

void TfrmPreviewForm::UpdateButtons() {
  const bool next = current_page_ + 1 < PageCount();
  const bool prev = current_page_ > 0;
  if (QWidget* w = Control("next_page")) w->setEnabled(next);
  if (QWidget* w = Control("prev_page")) w->setEnabled(prev);
  if (QWidget* w = Control("first_page")) w->setEnabled(prev);
  if (QWidget* w = Control("last_page")) w->setEnabled(next);
  if (QWidget* w = Control("goto_page")) w->setEnabled(PageCount() > 1);
}

void TfrmPreviewForm::PaintBox(QPainter& painter, const QSize& size, int offset) const {
  if (offset == 1) {
    TSkSpeedButton* two = Button("two_page");
    if (!two || !two->Down()) return;
  }
  const int page = current_page_ + offset;
  if (page < 0 || page >= PageCount()) return;
  // The paper in the page's dots, mapped onto the box; the picture's origin
  // is the printable area's corner.
  const double dpi = TMetaFilePrinter::UnitDpi();
  const QSizeF paper = pages_.PaperInches();
  const QRectF printable = pages_.PrintableInches();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.scale(size.width() / (paper.width() * dpi), size.height() / (paper.height() * dpi));
  painter.translate(printable.x() * dpi, printable.y() * dpi);
  painter.drawPicture(0, 0, pages_.Page(page));
}

void TfrmPreviewForm::FormResize() {
  if (!scroll_) return;
  TSkSpeedButton* one = Button("one_page");
  TSkSpeedButton* two = Button("two_page");
  TSkSpeedButton* fit = Button("fit_page");
  TSkSpeedButton* fit_width = Button("fit_width_page");
  if (one && two && !one->Down() && !two->Down()) one->SetDownRemembered(true);
  int choice = zoom_ ? zoom_->currentIndex() : 0;
  if (!(two && two->Down())) {
    if (fit) fit->SetDownRemembered(choice == 0);
    if (fit_width) fit_width->SetDownRemembered(choice == 1);
  }
  if (choice == -1) choice = 0;
  RPreviewInput in;
  // The room without scroll bars, less the bars the sheets will need.
  const QSize full = scroll_->maximumViewportSize();
  in.client_width = full.width();
  in.client_height = full.height();
  in.ppi = logicalDpiX();
  in.paper_width = pages_.PaperInches().width();
  in.paper_height = pages_.PaperInches().height();
  in.choice = choice;
  in.has_zoom_list = zoom_ != nullptr;
  in.current_zoom = view_zoom_;
  in.two_pages = two && two->Down();
  RPreviewLayout l = LayoutPreview(in);
  const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
  for (int pass = 0; pass < 2; ++pass) {
    const bool vertical = l.holder_height > full.height() - (l.holder_width > in.client_width ? bar : 0);
    const bool horizontal = l.holder_width > full.width() - (vertical ? bar : 0);
    const int width = full.width() - (vertical ? bar : 0);
    const int height = full.height() - (horizontal ? bar : 0);
    if (width == in.client_width && height == in.client_height) break;
    in.client_width = width;
    in.client_height = height;
    l = LayoutPreview(in);
  }
  if (l.one_page_forced && one && two) {
    one->SetDownRemembered(true);
    two->SetDownRemembered(false);
  }
  holder_->resize(l.holder_width, l.holder_height);
  page_panel_[0]->setGeometry(l.page1_left, l.page_top, l.page_width, l.page_height);
  page_panel_[1]->setGeometry(l.page2_left, l.page_top, l.page_width, l.page_height);
  page_panel_[1]->setVisible(l.page2_visible);
  for (int i = 0; i < 2; ++i) box_[i]->setGeometry(page_panel_[i]->rect());
  view_zoom_ = l.zoom;
  if (label_zoom_) {
    const double value = l.zoom * 100;
    label_zoom_->SetCaption(FillTemplate(zoom_format_, &value, 1) + "%");
  }
}

void TfrmPreviewForm::ShowPrintScale() {
  if (!label_zoom_print_) return;
  const double value = 100 / viewer_->PrintScale();
  label_zoom_print_->SetCaption(FillTemplate(print_scale_format_, &value, 1) + "%");
}

void TfrmPreviewForm::BoxPress(QMouseEvent* event) {
  TSkSpeedButton* print_zoom = Button("print_zoom");
  TSkSpeedButton* zoom_page = Button("zoom_page");
  TSkSpeedButton* move_page = Button("move_page");
  if (print_zoom && print_zoom->Down()) {
    const double before = viewer_->PrintScale();
    const double after = NextPrintScale(before, event->button() == Qt::RightButton);
    if (event->button() != Qt::RightButton && event->button() != Qt::LeftButton) return;
    if (after == before) return;
    viewer_->SetPrintScale(after);
    Repaginate();
    box_[0]->update();
    UpdateButtons();
    ShowPreviewPage(current_page_);
    ShowPrintScale();
  } else if (zoom_page && zoom_page->Down()) {
    const double rx = event->position().x() / page_panel_[0]->width();
    const double ry = event->position().y() / page_panel_[0]->height();
    if (event->buttons() & Qt::LeftButton) view_zoom_ = NextViewZoom(view_zoom_, true);
    else if (event->buttons() & Qt::RightButton) view_zoom_ = NextViewZoom(view_zoom_, false);
    if (zoom_) {
      const QSignalBlocker quiet(zoom_);
      zoom_->setCurrentIndex(2);
    }
    FormResize();
    // The clicked point comes to the middle of the scroll area.
    scroll_->horizontalScrollBar()->setValue(static_cast<int>(page_panel_[0]->width() * rx) - scroll_->width() / 2);
    scroll_->verticalScrollBar()->setValue(static_cast<int>(page_panel_[0]->height() * ry) - scroll_->height() / 2);
  } else if (move_page && move_page->Down()) {
    drag_start_ = event->position().toPoint();
    dragging_ = true;
    SetBoxCursors(144);
  }
}

void TfrmPreviewForm::BoxMove(QMouseEvent* event) {
  if (!dragging_) return;
  const QPoint p = event->position().toPoint();
  scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->value() + drag_start_.x() - p.x());
  scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->value() + drag_start_.y() - p.y());
}

void TfrmPreviewForm::BoxRelease() {
  if (dragging_) SetBoxCursors(kHandCursor);
  dragging_ = false;
}

void TfrmPreviewForm::resizeEvent(QResizeEvent* event) {
  TSkForm::resizeEvent(event);
  // Twice, as the commands do: the first pass may show or hide a scroll
  // bar, which changes the room the second pass fits the sheet into.
  FormResize();
  FormResize();
}

void TfrmPreviewForm::showEvent(QShowEvent* event) {
  TSkForm::showEvent(event);
  if (!engine_) return;
  FormResize();
  FormResize();
  ShowPreviewPage(0);
  UpdateButtons();
  ShowPrintScale();
}

void TfrmPreviewForm::closeEvent(QCloseEvent* event) {
  Restore();
  TSkForm::closeEvent(event);
}

// The printer goes back to portrait whenever a preview closes.
void TfrmPreviewForm::Restore() {
  QPrinter& printer = SystemPrinter();
  if (printer.pageLayout().orientation() == QPageLayout::Landscape) printer.setPageOrientation(QPageLayout::Portrait);
}

// ------------------------------------------------------------------ commands

void TfrmPreviewForm::HelpAction(const RHelpAction& request) {
  using F = TfrmPreviewForm;
  static constexpr ROwnerCommand<F> kCommands[] = {
      {"zoom", &F::CmdZoom},
      {"print", &F::CmdPrint},
      {"orient_page", &F::CmdOrientPage},
      {"first_page", &F::CmdFirstPage},
      {"prev_page", &F::CmdPrevPage},
      {"next_page", &F::CmdNextPage},
      {"last_page", &F::CmdLastPage},
      {"goto_page", &F::CmdGotoPage},
      {"zoom_page", &F::CmdZoomPage},
      {"move_page", &F::CmdMovePage},
      {"one_page", &F::CmdOnePage},
      {"two_page", &F::CmdTwoPage},
      {"fit_page", &F::CmdFitPage},
      {"fit_width_page", &F::CmdFitWidthPage},
      {"print_zoom", &F::CmdPrintZoom},
      {"num_page", &F::CmdNumPage},
  };
  RunOwnerCommand<F>(*this, kCommands, request);
}

void TfrmPreviewForm::CmdZoom(const RHelpAction&) {
  FormResize();
  FormResize();
}

void TfrmPreviewForm::CmdPrint(const RHelpAction&) {
  RPrintRange range;
  range.max_page = 9999;
  range.to = std::max(1, PageCount());
  if (!CurrentPlatform().PrintDialog(range)) return;
  TPrnStatusForm status(this);
  status.StatusLabel()->setFont(font());
  status.Print(pages_, range.from, range.all ? 9999 : range.to);
}

void TfrmPreviewForm::CmdOrientPage(const RHelpAction&) {
  QPrinter& printer = SystemPrinter();
  const QPageLayout::Orientation wanted = orient_landscape_ ? QPageLayout::Portrait : QPageLayout::Landscape;
  if (!printer.setPageOrientation(wanted)) orient_landscape_ = wanted == QPageLayout::Landscape;
  else orient_landscape_ = printer.pageLayout().orientation() == QPageLayout::Landscape;
  if (TSkSpeedButton* b = Button("orient_page")) b->SetDownRemembered(orient_landscape_);
  if (Repaginate()) return;
  FormResize();
  current_page_ = std::min(current_page_, PageCount() - 1);
  ShowPreviewPage(current_page_);
  UpdateButtons();
}

void TfrmPreviewForm::CmdFirstPage(const RHelpAction&) {
  ShowPreviewPage(0);
  UpdateButtons();
}

void TfrmPreviewForm::CmdPrevPage(const RHelpAction&) {
  ShowPreviewPage(current_page_ - 1);
  UpdateButtons();
}

void TfrmPreviewForm::CmdNextPage(const RHelpAction&) {
  ShowPreviewPage(current_page_ + 1);
  UpdateButtons();
}

void TfrmPreviewForm::CmdLastPage(const RHelpAction&) {
  ShowPreviewPage(PageCount() - 1);
  UpdateButtons();
}

void TfrmPreviewForm::CmdGotoPage(const RHelpAction&) {
  TGoPageForm dialog(this);
  dialog.MessageLabel()->setFont(font());
  dialog.PageNum()->setMaximum(std::max(1, PageCount()));
  dialog.PageNum()->setValue(current_page_ + 1);
  if (dialog.exec() != QDialog::Accepted) return;
  ShowPreviewPage(dialog.PageNum()->value() - 1);
  UpdateButtons();
}

void TfrmPreviewForm::CmdZoomPage(const RHelpAction&) {
  SetBoxCursors(kZoomCursor);
  if (TSkSpeedButton* b = Button("zoom_page")) b->SetDownRemembered(true);
  if (TSkSpeedButton* b = Button("move_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("print_zoom")) b->SetDownRemembered(false);
}

void TfrmPreviewForm::CmdMovePage(const RHelpAction&) {
  SetBoxCursors(kHandCursor);
  if (TSkSpeedButton* b = Button("move_page")) b->SetDownRemembered(true);
  if (TSkSpeedButton* b = Button("zoom_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("print_zoom")) b->SetDownRemembered(false);
}

void TfrmPreviewForm::CmdOnePage(const RHelpAction&) {
  if (zoom_) {
    const QSignalBlocker quiet(zoom_);
    zoom_->setCurrentIndex(2);
  }
  FormResize();
  FormResize();
  if (TSkSpeedButton* b = Button("fit_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("fit_width_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("two_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("one_page")) b->SetDownRemembered(true);
  FormResize();
}

void TfrmPreviewForm::CmdTwoPage(const RHelpAction&) {
  if (zoom_) {
    const QSignalBlocker quiet(zoom_);
    zoom_->setCurrentIndex(2);
  }
  FormResize();
  FormResize();
  if (TSkSpeedButton* b = Button("fit_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("fit_width_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("one_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("two_page")) b->SetDownRemembered(true);
  FormResize();
}

void TfrmPreviewForm::CmdFitPage(const RHelpAction&) {
  if (TSkSpeedButton* b = Button("fit_page")) b->SetDownRemembered(true);
  if (TSkSpeedButton* b = Button("fit_width_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("two_page")) b->SetDownRemembered(false);
  if (zoom_) {
    const QSignalBlocker quiet(zoom_);
    zoom_->setCurrentIndex(0);
  }
  FormResize();
  FormResize();
}

void TfrmPreviewForm::CmdFitWidthPage(const RHelpAction&) {
  if (TSkSpeedButton* b = Button("fit_width_page")) b->SetDownRemembered(true);
  if (TSkSpeedButton* b = Button("fit_page")) b->SetDownRemembered(false);
  if (TSkSpeedButton* b = Button("two_page")) b->SetDownRemembered(false);
  if (zoom_) {
    const QSignalBlocker quiet(zoom_);
    zoom_->setCurrentIndex(1);
  }
  FormResize();
  FormResize();
}

void TfrmPreviewForm::CmdPrintZoom(const RHelpAction&) {
  print_zoom_mode_ = !print_zoom_mode_;
  if (TSkSpeedButton* b = Button("print_zoom")) b->SetDownRemembered(print_zoom_mode_);
  if (TSkSpeedButton* b = Button("zoom_page")) b->SetDownRemembered(true);
  SetBoxCursors(kZoomCursor);
}

void TfrmPreviewForm::CmdNumPage(const RHelpAction&) {
  page_numbers_ = !page_numbers_;
  if (TSkSpeedButton* b = Button("num_page")) b->SetDownRemembered(page_numbers_);
  Repaginate();
  // Both sheets and the indicator: the band kept for the numbers may change
  // the page count, and the second sheet shows a repaginated page too.
  ShowPreviewPage(current_page_);
  UpdateButtons();
}

}  // namespace remont
