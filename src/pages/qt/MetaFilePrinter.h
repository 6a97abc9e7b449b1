// The page view's document cut into printer pages: laid out for the printer's
// printable area at the print scale and drawn page by page into pictures,
// which the preview shows and the printer replays.
//
// Units: the pictures are recorded in their own dots (UnitDpi per inch), each
// page's origin at the top-left corner of the printable area. A print scale s
// lays the document out on a page s times the printable size and draws it
// 1/s as large: 1.25 prints at 80 %.
#pragma once

#include <QPicture>
#include <QRectF>
#include <functional>
#include <vector>

class QPrinter;
class QTextDocument;

namespace remont {

class TMetaFilePrinter {
 public:
  // Page progress: 0 while the document is laid out, then each page drawn;
  // setting stop ends the run.
  using Progress = std::function<void(int page, bool& stop)>;
  // Draws a page's header (the page numbers) in the page's units.
  using Header = std::function<void(QPainter& painter, int page, double width, double height)>;

  // Takes the printer's paper and printable area (its orientation included).
  void SetPrinter(QPrinter& printer);
  // Cuts the document; false when stopped (the pages made so far stay). With
  // a header, header_band (page units) is kept free above each page's text
  // so the header never covers it.
  bool Paginate(const QTextDocument& document, double print_scale, const Header& header, const Progress& progress,
                double header_band = 0);
  enum class EPrintEnd { Done, Stopped, Failed };
  // Prints pages first..last (from 1; clamped to the pages made). A printer
  // that writes a file writes it beside under another name and renames it
  // once complete, so a stopped or failed print leaves no partial file.
  EPrintEnd Print(QPrinter& printer, int first, int last, const Progress& progress) const;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  const QPicture& Page(int i) const { return pages_[static_cast<size_t>(i)]; }
  // Paper and printable area, in inches; the area's offsets from the paper's corner.
  QSizeF PaperInches() const { return paper_.size(); }
  QRectF PrintableInches() const { return printable_; }
  static double UnitDpi();

 private:
  QRectF paper_{0, 0, 8.27, 11.69};
  QRectF printable_{0, 0, 8.27, 11.69};
  std::vector<QPicture> pages_;
};

}  // namespace remont
