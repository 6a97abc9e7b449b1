#include "pages/qt/FrmViewPic.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#include "archive/Pack.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementSupport.h"
#include "pages/PageRules.h"
#include "pages/qt/PrintPreview.h"
#include "pages/qt/SkHtml.h"

namespace remont {
namespace {

TfrmViewPic* g_current = nullptr;

const char kCaption[] = "Увеличенное изображение";
const char kPrintHint[] = "Печать";
const char kFullHint[] = "Развернуть на весь экран";
const char kWindowHint[] = "Свернуть в окно";
const char kCloseHint[] = "Закрыть";

// The buttons' pictures, drawn once: a printer, a frame to fill the screen,
// two frames to go back to a window, a cross.
enum class EGlyph { Print, Max, Restore, Close };

QIcon Glyph(EGlyph glyph) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(0x1E, 0x2A, 0x40), 1));
  switch (glyph) {
    case EGlyph::Print:
      p.drawRect(4, 1, 7, 5);
      p.drawRect(1, 6, 13, 5);
      p.fillRect(4, 10, 8, 5, Qt::white);
      p.drawRect(4, 10, 7, 4);
      break;
    case EGlyph::Max:
      p.drawRect(2, 2, 11, 11);
      p.drawLine(2, 3, 13, 3);
      break;
    case EGlyph::Restore:
      p.drawRect(5, 1, 9, 8);
      p.fillRect(1, 5, 10, 9, Qt::white);
      p.drawRect(1, 5, 9, 8);
      p.drawLine(1, 6, 10, 6);
      break;
    case EGlyph::Close:
      p.setPen(QPen(QColor(0x1E, 0x2A, 0x40), 2));
      p.drawLine(3, 3, 12, 12);
      p.drawLine(12, 3, 3, 12);
      break;
  }
  return QIcon(pixmap);
}

QToolButton* MakeButton(QWidget* parent, const char* name, const char* hint, EGlyph glyph) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(QString::fromUtf8(hint));
  b->setIcon(Glyph(glyph));
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  // The skin's tool-button padding would leave the picture no room in a caption button.
  b->setStyleSheet("QToolButton { padding: 1px; }");
  return b;
}

// A theme object changed on a shown button: the style sheet selects it afresh.
void Retheme(QWidget* w, const char* theme) {
  SetThemeObject(w, theme);
  w->style()->unpolish(w);
  w->style()->polish(w);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  return path.substr(0, path.size() - ExtractFileExt(path).size()) + ext;
}

}  // namespace

TfrmViewPic::TfrmViewPic(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmViewPic");
  setWindowTitle(QString::fromUtf8(kCaption));
  // Close and maximise only.
  setWindowFlag(Qt::WindowMinimizeButtonHint, false);
  esc_close = true;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  tool_bar_ = new QFrame(this);
  tool_bar_->setObjectName("ToolBar");
  tool_bar_->setFixedHeight(33);
  auto* tools = new QHBoxLayout(tool_bar_);
  tools->setContentsMargins(2, 2, 2, 2);
  sb_print_ = MakeButton(tool_bar_, "sbPrint", kPrintHint, EGlyph::Print);
  sb_full_ = MakeButton(tool_bar_, "sbFullScrin", kFullHint, EGlyph::Max);
  tools->addWidget(sb_print_);
  tools->addWidget(sb_full_);
  tools->addStretch();
  tool_bar_->hide();
  layout->addWidget(tool_bar_);

  panel_caption_ = new QFrame(this);
  panel_caption_->setObjectName("panelCaption");
  panel_caption_->setFixedHeight(25);
  panel_caption_->setAutoFillBackground(true);
  auto* bar = new QHBoxLayout(panel_caption_);
  bar->setContentsMargins(6, 1, 2, 1);
  bar->setSpacing(1);
  // The caption stays readable when the window fills the screen and has no title bar.
  caption_label_ = new QLabel(windowTitle(), panel_caption_);
  caption_label_->setObjectName("labelCaption");
  caption_label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  bar->addWidget(caption_label_, 1);
  but_print_ = MakeButton(panel_caption_, "butPrint", kPrintHint, EGlyph::Print);
  but_full_ = MakeButton(panel_caption_, "butFullScrin", kFullHint, EGlyph::Max);
  but_close_ = MakeButton(panel_caption_, "butClose", kCloseHint, EGlyph::Close);
  SetThemeObject(but_print_, "ButtonPrint");
  SetThemeObject(but_full_, "ButtonMax");
  SetThemeObject(but_close_, "ButtonClose");
  for (QToolButton* b : {but_print_, but_full_, but_close_}) {
    b->setFixedSize(23, 21);
    bar->addWidget(b);
  }
  panel_caption_->installEventFilter(this);
  layout->addWidget(panel_caption_);

  view_ = new TSkHtml(this);
  view_->setObjectName("html");
  QPalette pal = view_->Viewer()->palette();
  pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
  view_->Viewer()->setPalette(pal);
  view_->SetMoveCursor(true);
  layout->addWidget(view_, 1);

  // The hidden menu's one item: Ctrl+P, wherever the focus is in the window.
  mnu_print_ = new QAction(QString::fromUtf8("PRINT"), this);
  mnu_print_->setObjectName("mnuPRINT");
  mnu_print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  mnu_print_->setShortcutContext(Qt::WindowShortcut);
  addAction(mnu_print_);

  connect(sb_print_, &QToolButton::clicked, this, &TfrmViewPic::sbPrintClick);
  connect(but_print_, &QToolButton::clicked, this, &TfrmViewPic::sbPrintClick);
  connect(sb_full_, &QToolButton::clicked, this, &TfrmViewPic::sbFullScrinClick);
  connect(but_full_, &QToolButton::clicked, this, &TfrmViewPic::sbFullScrinClick);
  connect(but_close_, &QToolButton::clicked, this, &QWidget::close);
  connect(mnu_print_, &QAction::triggered, this, &TfrmViewPic::mnuPRINTClick);

  resize(234, 156);
  setMinimumSize(250, 200);
  g_current = this;
}

TfrmViewPic::~TfrmViewPic() {
  if (g_current == this) g_current = nullptr;
}

TfrmViewPic* TfrmViewPic::Current() { return g_current; }

bool TfrmViewPic::FullScreen() const { return isFullScreen(); }

void TfrmViewPic::ViewPicture(const std::string& base, const std::string& name) {
  // A picture link may carry an anchor: it names no part of a picture.
  std::string picture, anchor;
  SplitAnchor(name, picture, anchor);
  const std::string path = view_->ShowPicture(base.empty() ? GetProgramDir() : base, picture);

  const std::string caption_file = ChangeFileExt(path, ".cap");
  if (PackFileExists(caption_file)) {
    const TPack pack(caption_file);
    const std::vector<std::string> lines = SplitLines(pack.Bytes());
    if (!lines.empty()) setWindowTitle(ToQ(lines.front()));
  }

  // The sizes as laid out now: the page view's share of the window and the
  // picture's extent in it.
  layout()->activate();
  QTextDocument* doc = view_->Viewer()->document();
  // A browser that was never shown has not given its page a width yet.
  doc->setTextWidth(view_->Viewer()->viewport()->width());
  const int picture_width = static_cast<int>(std::ceil(doc->idealWidth()));
  const int picture_height = static_cast<int>(std::ceil(doc->size().height()));
  const int need_width = picture_width + (width() - view_->width()) + 1;
  const int need_height = picture_height + (height() - view_->height()) + 1;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect work = screen->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  SetFramePainting(false);
  if (need_width + frame.width() <= work.width() && need_height + frame.height() <= work.height()) {
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    setMinimumSize(need_width, need_height);
    ShowFullScreenState(false);
  } else {
    setWindowState(windowState() | Qt::WindowFullScreen);
    ShowFullScreenState(true);
  }
  SetFramePainting(true);
}

void TfrmViewPic::ShowFullScreenState(bool full) {
  const QString hint = QString::fromUtf8(full ? kWindowHint : kFullHint);
  sb_full_->setToolTip(hint);
  but_full_->setToolTip(hint);
  const QIcon icon = Glyph(full ? EGlyph::Restore : EGlyph::Max);
  sb_full_->setIcon(icon);
  but_full_->setIcon(icon);
  Retheme(but_full_, full ? "ButtonRes" : "ButtonMax");
}

void TfrmViewPic::sbFullScrinClick() {
  SetFramePainting(false);
  if (!FullScreen()) {
    ShowFullScreenState(true);
    showFullScreen();
  } else {
    ShowFullScreenState(false);
    showNormal();
  }
  SetFramePainting(true);
}

void TfrmViewPic::sbPrintClick() { ShowPrintPreview(this, view_); }

void TfrmViewPic::mnuPRINTClick() { ShowPrintPreview(this, view_); }

bool TfrmViewPic::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_caption_ && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::LeftButton && !isMaximized() && !isFullScreen())
      if (QWindow* w = windowHandle()) w->startSystemMove();
    return false;
  }
  return TSkForm::eventFilter(watched, event);
}

void TfrmViewPic::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowTitleChange && caption_label_) caption_label_->setText(windowTitle());
  TSkForm::changeEvent(event);
}

void ShowEnlargedPicture(const std::string& base, const std::string& name, QWidget* owner) {
  TfrmViewPic form(owner);
  form.ViewPicture(base, name);
  form.exec();
}

}  // namespace remont
