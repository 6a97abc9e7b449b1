// Page view and contents tree against references measured in the same run:
//   page  LoadPage of a 20 KB page with 20 pictures, from the archive to the
//         document laid out   vs  `remont-tool cat` of the same 21 files
//   tree  LoadTree of a 10,000-node tree file (widget items included)
//                             vs  `remont-tool tree` of the same file
// Usage: pages_bench [ignored archive argument of bench/run.sh]
// Runs on the offscreen platform; makes its own manual in a temporary folder.
#include <stdlib.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "archive/PackWriter.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"

namespace {
using Clock = std::chrono::steady_clock;

template <typename F>
double MedianMs(int runs, F&& f) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    t.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

void Write(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  remont::WriteFileBytes(path, bytes);
}

std::string Jpeg(int i) {
  QImage image(160, 120, QImage::Format_RGB32);
  image.fill(QColor::fromHsv((i * 17) % 360, 200, 220));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 85);
  return bytes.toStdString();
}

std::string PageBytes(size_t target) {
  std::string body;
  int n = 0;
  while (body.size() < target) {
    body += remont::Ru("<p>Снимите крышку головки блока и проверьте зазоры клапанов. Check the valve clearance ") +
            std::to_string(n) + ".</p>";
    if (n < 20) body += "<p><img src=\"../pics/p" + std::to_string(n) + ".jpg\"></p>";
    if (n % 10 == 0) body += "<table border=\"1\"><tr><td>A</td><td>0,20 mm</td></tr><tr><td>B</td><td>0,25 mm</td></tr></table>";
    ++n;
  }
  return "<html><head><title>" + remont::Ru("Зазоры клапанов") + "</title></head><body>" + body + "</body></html>";
}

double ToolRunsMs(const std::vector<std::string>& commands, int runs) {
  return MedianMs(runs, [&] {
    for (const std::string& c : commands)
      if (std::system(c.c_str()) != 0) std::fprintf(stderr, "pages_bench: failed: %s\n", c.c_str());
  });
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  std::string tmpl = (std::filesystem::temp_directory_path() / "remont-pages-bench-XXXXXX").string();
  const std::string root = mkdtemp(tmpl.data());
  const std::string src = root + "/src";
  const std::string prog = root + "/prog/";

  // The manual: two copies of the page (loads alternate, so each one is a new
  // history entry), 20 pictures, a 10,000-node tree.
  const std::string page = PageBytes(20 * 1024);
  Write(src + "/pages/a.htm", page);
  Write(src + "/pages/b.htm", page);
  for (int i = 0; i < 20; ++i) Write(src + "/pics/p" + std::to_string(i) + ".jpg", Jpeg(i));
  std::string tree;
  for (int i = 0; i < 10000; ++i) {
    const int level = i % 10 == 0 ? 0 : (i % 10 < 5 ? 1 : 2);
    tree += std::string(static_cast<size_t>(level), '\t') + remont::Ru("Раздел ") + std::to_string(i) + ";pages/p" +
            std::to_string(i) + ".htm\r\n";
  }
  Write(src + "/tree.txt", tree);
  std::string error;
  std::vector<std::string> warnings;
  const std::string archive = prog + "interface.dat";
  std::filesystem::create_directories(prog);
  if (!remont::PackFolderToArchive(archive, src, remont::PackOptions{}, error, warnings)) {
    std::fprintf(stderr, "pages_bench: %s\n", error.c_str());
    return 1;
  }
  remont::SetProgramDir(prog);
  if (!remont::OpenPack(archive)) return 1;

  // Page.
  remont::TSkHtml html;
  html.resize(800, 600);
  html.show();
  app.processEvents();
  int k = 0;
  bool ok = true;
  const double load = MedianMs(41, [&] {
    html.LoadPage(k++ % 2 ? "pages/a.htm" : "pages/b.htm");
    ok = ok && html.Viewer()->document()->documentLayout()->documentSize().height() > 2000;
  });
  if (!ok) {
    std::fprintf(stderr, "pages_bench: page not laid out\n");
    return 1;
  }
  std::vector<std::string> cats = {std::string(REMONT_TOOL_PATH) + " cat '" + archive + "' pages/a.htm > /dev/null"};
  for (int i = 0; i < 20; ++i)
    cats.push_back(std::string(REMONT_TOOL_PATH) + " cat '" + archive + "' pics/p" + std::to_string(i) + ".jpg > /dev/null");
  const double cat_page = ToolRunsMs({cats[0]}, 11);
  const double cat_all = ToolRunsMs(cats, 5);
  std::printf("page:  LoadPage to layout %.2f ms (target < 30 ms); remont-tool cat of the page %.2f ms, "
              "of page + 20 pictures (21 runs) %.2f ms; ratio to the 21 runs %.2fx\n",
              load, cat_page, cat_all, load / cat_all);

  // Tree.
  remont::TSkTree widget;
  widget.resize(300, 600);
  widget.show();
  app.processEvents();
  const double tree_ms = MedianMs(11, [&] { widget.LoadTree("tree.txt"); });
  if (widget.Nodes().size() != 10000) {
    std::fprintf(stderr, "pages_bench: tree has %zu nodes\n", widget.Nodes().size());
    return 1;
  }
  std::vector<std::string> trees = {std::string(REMONT_TOOL_PATH) + " tree '" + src + "/tree.txt' > /dev/null"};
  const double tool_tree = ToolRunsMs(trees, 11);
  std::printf("tree:  LoadTree of 10,000 nodes %.2f ms (target < 150 ms); remont-tool tree of the file %.2f ms; "
              "ratio %.2fx\n",
              tree_ms, tool_tree, tree_ms / tool_tree);

  remont::ClosePack();
  std::filesystem::remove_all(root);
  return 0;
}
