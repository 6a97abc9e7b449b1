#include "pages/qt/HtmlEx.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextDocument>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "pages/PageRules.h"

namespace remont {

QVariant TPageBrowser::loadResource(int type, const QUrl& name) {
  return resource_loader ? resource_loader(type, name) : QVariant();
}

THtmlEx::THtmlEx(QWidget* parent) : QWidget(parent) {
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);

  vbar_ = new QScrollBar(Qt::Vertical, this);
  hbar_ = new QScrollBar(Qt::Horizontal, this);
  viewer_ = new TPageBrowser(this);
  viewer_->setFrameShape(QFrame::NoFrame);
  viewer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewer_->setOpenLinks(false);
  viewer_->setOpenExternalLinks(false);
  viewer_->resource_loader = [this](int type, const QUrl& name) { return LoadResource(type, name); };
  resource_base_ = GetProgramDir();

  // Our bars drive the browser; the browser's own (hidden) bars, which it keeps
  // up to date on every scroll, key, wheel turn and relayout, drive ours.
  connect(vbar_, &QScrollBar::valueChanged, this, [this](int v) {
    if (!updating_) viewer_->verticalScrollBar()->setValue(v);
  });
  connect(hbar_, &QScrollBar::valueChanged, this, [this](int v) {
    if (!updating_) viewer_->horizontalScrollBar()->setValue(v);
  });
  for (QScrollBar* own : {viewer_->verticalScrollBar(), viewer_->horizontalScrollBar()}) {
    connect(own, &QScrollBar::valueChanged, this, [this] { UpdateBars(); });
    connect(own, &QScrollBar::rangeChanged, this, [this] { UpdateBars(); });
  }
  hbar_->hide();
  vbar_->hide();
  LayoutChildren();
  UpdateBars();
}

THtmlEx::~THtmlEx() {
  // The document may still ask for resources while it is torn down.
  viewer_->resource_loader = nullptr;
  for (QScrollBar* own : {viewer_->verticalScrollBar(), viewer_->horizontalScrollBar()}) disconnect(own, nullptr, this, nullptr);
}

void THtmlEx::LayoutChildren() {
  const int w = width();
  const int h = height();
  const int bar = hbar_->sizeHint().height();
  const int hh = hbar_->isHidden() ? 0 : bar;
  const int vw = vbar_->isHidden() ? 0 : bar;  // as wide as the horizontal bar is high
  hbar_->setGeometry(0, h - hh, w, hh);
  vbar_->setGeometry(w - vw, 0, vw, h - hh);
  viewer_->setGeometry(0, 0, std::max(0, w - vw), std::max(0, h - hh));
}

void THtmlEx::UpdateBars() {
  if (updating_) return;
  updating_ = true;
  QScrollBar* V = viewer_->verticalScrollBar();
  QScrollBar* H = viewer_->horizontalScrollBar();
  // Showing one bar narrows the view and may reflow the page: settle in a few passes.
  for (int pass = 0; pass < 3; ++pass) {
    const bool hs = BarShows(horz_allowed_, H->maximum() + H->pageStep(), viewer_->viewport()->width());
    const bool vs = BarShows(vert_allowed_, V->maximum() + V->pageStep(), viewer_->viewport()->height());
    if (hs == !hbar_->isHidden() && vs == !vbar_->isHidden()) break;
    hbar_->setHidden(!hs);
    vbar_->setHidden(!vs);
    LayoutChildren();
  }
  if (!vbar_->isHidden()) {
    vbar_->setRange(V->minimum(), V->maximum());
    vbar_->setPageStep(V->pageStep());
    vbar_->setSingleStep(V->singleStep());
    vbar_->setValue(V->value());
  }
  if (!hbar_->isHidden()) {
    hbar_->setRange(H->minimum(), H->maximum());
    hbar_->setPageStep(H->pageStep());
    hbar_->setSingleStep(H->singleStep());
    hbar_->setValue(H->value());
  }
  updating_ = false;
}

void THtmlEx::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutChildren();
  UpdateBars();
  update();
}

void THtmlEx::ShowHorzBar(bool on) {
  horz_allowed_ = on;
  UpdateBars();
}

void THtmlEx::ShowVertBar(bool on) {
  vert_allowed_ = on;
  UpdateBars();
}

int THtmlEx::GetHorzPos() const { return viewer_->horizontalScrollBar()->value(); }

void THtmlEx::SetHorzPos(int pos) {
  viewer_->horizontalScrollBar()->setValue(pos);
  UpdateBars();
}

int THtmlEx::GetDocPos() const { return viewer_->verticalScrollBar()->value(); }

void THtmlEx::SetDocPos(int pos) {
  viewer_->verticalScrollBar()->setValue(pos);
  UpdateBars();
}

std::string THtmlEx::DocumentTitle() const {
  return FromQ(viewer_->document()->metaInformation(QTextDocument::DocumentTitle));
}

void THtmlEx::ShowBytes(const std::string& bytes) {
  const QString html = PageDeclaresUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                                               : ToQ(bytes);
  // clear() also drops the resources cached for the previous page.
  viewer_->document()->clear();
  resources_.clear();
  // Style sheets are linked by rel, which the browser does not look at: read
  // them here, through the archive, and hand them over as the page's default sheet.
  QString css;
  for (const std::string& href : StyleSheetLinks(bytes)) {
    const std::string path = JoinPath(href, resource_base_);
    auto it = resources_.find(path);
    if (it == resources_.end()) {
      const TPack pack(path);
      it = resources_.emplace(path, ToQ(pack.Bytes())).first;
    }
    css += it->second.toString() + "\n";
  }
  viewer_->document()->setDefaultStyleSheet(css);
  viewer_->setHtml(html);
  // Lay the page out now, so that anchors and positions are known.
  viewer_->document()->documentLayout()->documentSize();
}

void THtmlEx::SavePosition() {
  if (history_index_ < 0 || history_index_ >= HistoryCount()) return;
  HistoryEntry& e = history_[static_cast<size_t>(history_index_)];
  if (e.file != current_file_) return;
  e.vpos = GetDocPos();
  e.hpos = GetHorzPos();
}

void THtmlEx::RestorePosition(int vpos, int hpos) {
  viewer_->verticalScrollBar()->setValue(vpos);
  viewer_->horizontalScrollBar()->setValue(hpos);
}

void THtmlEx::LoadPage(const std::string& name) {
  std::string file, anchor;
  SplitAnchor(name, file, anchor);
  if (!PackFileExists(file)) throw PageLoadError(msg::PageNotFound(file));
  const std::string previous_folder = current_file_.empty() ? GetProgramDir() : ExtractFilePath(current_file_);
  std::string current = JoinPath(file, previous_folder);
  if (!PackFileExists(current)) current = JoinPath(file, GetProgramDir());
  const TPack pack(file);

  SavePosition();
  const bool new_entry = history_.empty() || !SamePageName(current, current_file_);
  current_file_ = current;
  resource_base_ = ExtractFilePath(current);
  ShowBytes(pack.Bytes());
  RestorePosition(0, 0);
  if (!anchor.empty()) viewer_->scrollToAnchor(ToQ(anchor));
  if (new_entry) {
    // A load drops the entries ahead of the one shown.
    history_.erase(history_.begin(), history_.begin() + std::min(history_index_, HistoryCount()));
    history_.insert(history_.begin(), HistoryEntry{current, DocumentTitle(), GetDocPos(), GetHorzPos()});
    if (HistoryCount() > kHistoryMax) history_.resize(kHistoryMax);
    history_index_ = 0;
  } else if (history_index_ < HistoryCount()) {
    history_[static_cast<size_t>(history_index_)].title = DocumentTitle();
  }
  HistoryChanged();
  UpdateBars();
}

void THtmlEx::SetHistoryIndex(int i) {
  if (i < 0 || i >= HistoryCount() || i == history_index_) return;
  SavePosition();
  history_index_ = i;
  const HistoryEntry& e = history_[static_cast<size_t>(i)];
  if (e.file != current_file_) {
    const TPack pack(e.file);
    current_file_ = e.file;
    resource_base_ = ExtractFilePath(e.file);
    ShowBytes(pack.Bytes());
  }
  RestorePosition(e.vpos, e.hpos);
  HistoryChanged();
  UpdateBars();
}

void THtmlEx::HistoryChanged() {}

void THtmlEx::LoadBuffer(const std::string& bytes) {
  SavePosition();
  current_file_.clear();
  resource_base_ = GetProgramDir();
  ShowBytes(bytes);
}

void THtmlEx::LoadHtmlText(const std::string& text) {
  LoadBuffer(text);
  UpdateBars();
}

void THtmlEx::LoadLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  LoadBuffer(text);
  UpdateBars();
}

void THtmlEx::ShowCentered(const std::string& fragment, const std::string& align) {
  const std::string a = align.empty() ? "center" : align;
  LoadLines({"<table width=\"100%\" height=\"100%\" border=\"0\"><tr><td><div align=\"" + a + "\">", fragment,
             "</div></td></tr></table>"});
}

QVariant THtmlEx::LoadResource(int type, const QUrl& url) {
  const std::string name = FromQ(QUrl::fromPercentEncoding(url.toEncoded()));
  if (name.empty()) return {};
  const std::string path = JoinPath(name, resource_base_);
  // One read per file and page, as the page names it: a missing GIF says so once.
  if (type == QTextDocument::StyleSheetResource) return QString();  // read with the page, see ShowBytes
  if (type != QTextDocument::ImageResource) return {};
  if (auto it = resources_.find(path); it != resources_.end()) return it->second;
  QVariant& slot = resources_[path];
  // A GIF is always asked of the archive, so a missing one shows its message;
  // other pictures only when present, else the missing-picture mark.
  if (LowerCase(ExtractFileExt(path)) != ".gif" && !PackFileExists(path)) return slot;
  const TPack pack(path);
  QImage image;
  if (!pack.Empty() && image.loadFromData(reinterpret_cast<const uchar*>(pack.Data()), static_cast<int>(pack.Size())))
    slot = image;
  return slot;
}

}  // namespace remont
