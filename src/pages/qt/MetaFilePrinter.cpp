#include "pages/qt/MetaFilePrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

namespace remont {

double TMetaFilePrinter::UnitDpi() {
  static const double dpi = QPicture().logicalDpiX();
  return dpi;
}

void TMetaFilePrinter::SetPrinter(QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  paper_ = layout.fullRect(QPageLayout::Inch);
  printable_ = layout.paintRect(QPageLayout::Inch);
}

bool TMetaFilePrinter::Paginate(const QTextDocument& document, double print_scale, const Header& header,
                                const Progress& progress, double header_band) {
  pages_.clear();
  bool stop = false;
  if (progress) progress(0, stop);
  if (stop) return false;
  const double dpi = UnitDpi();
  const double width = printable_.width() * dpi;
  const double height = printable_.height() * dpi;
  // The copy keeps the view as its parent, so pictures and style sheets come
  // from the same archive reads.
  std::unique_ptr<QTextDocument> copy(document.clone(document.parent()));
  if (header && header_band > 0) {
    // The root frame's top margin repeats on every page.
    QTextFrameFormat root = copy->rootFrame()->frameFormat();
    root.setTopMargin(root.topMargin() + header_band * print_scale);
    copy->rootFrame()->setFrameFormat(root);
  }
  copy->setPageSize(QSizeF(width * print_scale, height * print_scale));
  const int count = copy->pageCount();
  const QSizeF page = copy->pageSize();
  for (int i = 0; i < count; ++i) {
    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, static_cast<int>(width), static_cast<int>(height)));
    {
      QPainter painter(&picture);
      painter.save();
      painter.scale(1 / print_scale, 1 / print_scale);
      const QRectF view(0, i * page.height(), page.width(), page.height());
      painter.translate(0, -view.top());
      painter.setClipRect(view);
      QAbstractTextDocumentLayout::PaintContext context;
      context.clip = view;
      context.palette.setColor(QPalette::Text, Qt::black);
      copy->documentLayout()->draw(&painter, context);
      painter.restore();
      if (header) header(painter, i + 1, width, height);
    }
    pages_.push_back(std::move(picture));
    if (progress) progress(i + 1, stop);
    if (stop) return false;
  }
  return true;
}

TMetaFilePrinter::EPrintEnd TMetaFilePrinter::Print(QPrinter& printer, int first, int last,
                                                   const Progress& progress) const {
  first = std::max(first, 1);
  last = std::min(last, PageCount());
  if (first > last) return EPrintEnd::Done;
  const QString target = printer.outputFileName();
  const QString part = target.isEmpty() ? QString() : target + ".part";
  if (!part.isEmpty()) printer.setOutputFileName(part);
  // The printer keeps the name it was given, whatever the outcome.
  const int resolution = printer.resolution();
  const auto finish = [&](EPrintEnd end) {
    printer.setResolution(resolution);
    if (part.isEmpty()) return end;
    printer.setOutputFileName(target);
    if (end == EPrintEnd::Done) {
      QFile::remove(target);
      if (!QFile::rename(part, target)) end = EPrintEnd::Failed;
    }
    if (end != EPrintEnd::Done) QFile::remove(part);
    return end;
  };
  // The pages replay at the resolution they were drawn in: a picture's text
  // is measured for the device it is played on, so a finer printer resolution
  // would enlarge the text but not its positions. The output stays vector.
  printer.setResolution(static_cast<int>(UnitDpi()));
  QPainter painter;
  if (!painter.begin(&printer)) return finish(EPrintEnd::Failed);
  bool stop = false;
  for (int n = first; n <= last; ++n) {
    if (progress) progress(n, stop);
    if (stop) {
      printer.abort();
      painter.end();
      return finish(EPrintEnd::Stopped);
    }
    if (n > first && !printer.newPage()) {
      painter.end();
      return finish(EPrintEnd::Failed);
    }
    painter.drawPicture(0, 0, pages_[static_cast<size_t>(n - 1)]);
  }
  if (!painter.end()) return finish(EPrintEnd::Failed);
  return finish(EPrintEnd::Done);
}

}  // namespace remont
