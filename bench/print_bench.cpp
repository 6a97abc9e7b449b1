// Printing against a reference measured in the same run: the longest page of
// the demo manual, its body repeated to about 100 printed A4 pages, loaded
// into the page view; then
//   paginate  TMetaFilePrinter::Paginate into per-page pictures (the time to
//             the first page and to the last)
//   paint     one preview sheet: a page's picture drawn at fit-page size
//   print     TMetaFilePrinter::Print of every page to a PDF file
//   reference QTextDocument::print of the same document to a PDF file
// Usage: print_bench <built demo staging folder> (default: the build's
// demo-manual, next to bin/). Runs on the offscreen platform.
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "archive/PackWriter.h"
#include "common/Helpers.h"
#include "pages/qt/MetaFilePrinter.h"
#include "pages/qt/SkHtml.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

template <typename F>
double MedianMs(int runs, F&& f) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    t.push_back(Ms(start));
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The page with its body repeated n times (case-insensitive tags).
std::string Repeated(const std::string& page, int n) {
  std::string lower = page;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  const size_t open = lower.find("<body");
  const size_t start = open == std::string::npos ? std::string::npos : lower.find('>', open);
  const size_t end = lower.rfind("</body>");
  if (start == std::string::npos || end == std::string::npos || end < start) return page;
  const std::string body = page.substr(start + 1, end - start - 1);
  std::string out = page.substr(0, start + 1);
  for (int i = 0; i < n; ++i) out += body;
  return out + page.substr(end);
}

void PdfPrinter(QPrinter& printer, const std::string& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(QString::fromStdString(file));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const fs::path exe = fs::absolute(argv[0]).parent_path();
  const fs::path staging = argc > 1 && fs::is_directory(argv[1]) ? fs::path(argv[1]) : exe.parent_path() / "demo-manual";
  if (!fs::is_directory(staging / "pages")) {
    std::fprintf(stderr, "print_bench: no demo manual at %s (build demo_archive first)\n", staging.c_str());
    return 1;
  }

  // The longest page of the manual, pictures and style sheets beside it.
  fs::path longest;
  uintmax_t size = 0;
  for (const auto& e : fs::recursive_directory_iterator(staging / "pages"))
    if (e.is_regular_file() && e.path().extension() == ".htm" && e.file_size() > size) {
      size = e.file_size();
      longest = e.path();
    }
  std::string tmpl = (fs::temp_directory_path() / "remont-print-bench-XXXXXX").string();
  const fs::path root = mkdtemp(tmpl.data());
  const fs::path src = root / "src";
  const fs::path prog = root / "prog";
  fs::copy(staging, src, fs::copy_options::recursive);
  fs::create_directories(prog);
  const std::string page = ReadAll(longest);
  const fs::path rel = fs::relative(longest, staging).parent_path() / "bench_long.htm";

  // How many copies make about 100 pages: measure one copy first.
  QPrinter screen_printer(QPrinter::HighResolution);
  PdfPrinter(screen_printer, (root / "ref.pdf").string());
  remont::TSkHtml html;
  html.resize(900, 700);
  html.show();
  app.processEvents();
  remont::TMetaFilePrinter pages;
  pages.SetPrinter(screen_printer);
  std::string error;
  std::vector<std::string> warnings;
  const std::string archive = (prog / "interface.dat").string();
  auto pack_and_load = [&](int copies) {
    std::ofstream(src / rel, std::ios::binary) << Repeated(page, copies);
    remont::ResetPack();
    if (!remont::PackFolderToArchive(archive, src.string(), remont::PackOptions{}, error, warnings)) return false;
    remont::SetProgramDir(prog.string() + "/");
    if (!remont::OpenPack(archive)) return false;
    html.LoadPage(rel.generic_string());
    return true;
  };
  if (!pack_and_load(1)) {
    std::fprintf(stderr, "print_bench: %s\n", error.c_str());
    return 1;
  }
  pages.Paginate(*html.Viewer()->document(), 1.0, {}, {});
  const int per_copy = std::max(1, pages.PageCount());
  const int copies = std::max(1, (100 + per_copy - 1) / per_copy);
  if (!pack_and_load(copies)) return 1;
  const QTextDocument& document = *html.Viewer()->document();

  // Ours: pagination, with the time to the first page.
  double first_page = 0;
  Clock::time_point run_start;
  const double paginate = MedianMs(5, [&] {
    run_start = Clock::now();
    first_page = 0;
    pages.Paginate(document, 1.0, {}, [&](int n, bool&) {
      if (n == 1 && first_page == 0) first_page = Ms(run_start);
    });
  });
  const int count = pages.PageCount();

  // One preview sheet at fit-page size (a 600-pixel-high sheet), every page in turn.
  QImage sheet(424, 600, QImage::Format_ARGB32_Premultiplied);
  const double dpi = remont::TMetaFilePrinter::UnitDpi();
  int k = 0;
  const double paint = MedianMs(51, [&] {
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(sheet.width() / (pages.PaperInches().width() * dpi), sheet.height() / (pages.PaperInches().height() * dpi));
    p.translate(pages.PrintableInches().x() * dpi, pages.PrintableInches().y() * dpi);
    p.drawPicture(0, 0, pages.Page(k++ % count));
  });

  // Ours: the pages printed to PDF; the reference: the document printed to PDF.
  QPrinter ours(QPrinter::HighResolution);
  PdfPrinter(ours, (root / "ours.pdf").string());
  const double print = MedianMs(3, [&] { pages.Print(ours, 1, count, {}); });
  QPrinter reference(QPrinter::HighResolution);
  PdfPrinter(reference, (root / "ref.pdf").string());
  const double ref = MedianMs(3, [&] {
    std::unique_ptr<QTextDocument> copy(document.clone(document.parent()));
    copy->print(&reference);
  });

  std::printf("print: %s x%d = %d A4 pages\n", rel.generic_string().c_str(), copies, count);
  std::printf("print: paginate %.1f ms (first page after %.1f ms) = %.2f x QTextDocument::print to PDF (%.1f ms)\n",
              paginate, first_page, paginate / ref, ref);
  std::printf("print: one preview sheet painted %.2f ms\n", paint);
  std::printf("print: print of the pages to PDF %.1f ms; paginate + print = %.2f x the reference\n", print,
              (paginate + print) / ref);
  remont::ResetPack();
  fs::remove_all(root);
  return count >= 90 ? 0 : 2;
}
