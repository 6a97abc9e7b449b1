// Throughput of the HTML text scanner over a folder of pages, every event
// assigned (the handlers count events and token bytes, so nothing is optimised
// away). Pages are read into memory first; the timed part is what the full-text
// search does per page: a scanner, the bytes as Content lines, Parse.
//
// usage: scanner_bench DIR [--limit N] [--reps R] [--once]
// Prints "bytes", "pages", "events" and "scanner_mbps" (MB = 10^6 bytes, the
// best of R repetitions), plus "parse_only_mbps" (Content already loaded).
// --once scans every page exactly once (for counting instructions).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/LegHtmlParser.h"

using remont::TLegHtmlParser;

namespace {

struct Counts {
  unsigned long long events = 0;
  unsigned long long token_bytes = 0;
};

void Attach(TLegHtmlParser& p, Counts& c) {
  const auto token = [&c](TLegHtmlParser&, const std::string& t) {
    ++c.events;
    c.token_bytes += t.size();
  };
  p.OnBlock = token;
  p.OnText = token;
  p.OnComment = token;
  p.OnScript = token;
  p.OnDTDTag = token;
  p.OnTag = [&c](TLegHtmlParser&, const std::string& name, TLegHtmlParser::Attributes attrs) {
    ++c.events;
    c.token_bytes += name.size();
    for (const auto& a : attrs) c.token_bytes += a.size();
  };
  p.OnError = [&c](TLegHtmlParser&, int, std::int64_t, bool&) { ++c.events; };
}

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scanner_bench DIR [--limit N] [--reps R]\n");
    return 2;
  }
  size_t limit = SIZE_MAX;
  int reps = 3;
  bool once = false;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--once") == 0) once = true;
    else if (i + 1 < argc && std::strcmp(argv[i], "--limit") == 0) limit = std::strtoull(argv[++i], nullptr, 10);
    else if (i + 1 < argc && std::strcmp(argv[i], "--reps") == 0) reps = std::max(1, std::atoi(argv[++i]));
  }
  if (once) reps = 1;

  std::vector<std::filesystem::path> names;
  for (const auto& e : std::filesystem::directory_iterator(argv[1]))
    if (e.is_regular_file() && e.path().extension() == ".htm") names.push_back(e.path());
  std::sort(names.begin(), names.end());
  if (names.size() > limit) names.resize(limit);
  std::vector<std::string> pages;
  unsigned long long bytes = 0;
  for (const auto& n : names) {
    std::ifstream in(n, std::ios::binary);
    pages.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    bytes += pages.back().size();
  }
  if (pages.empty()) {
    std::fprintf(stderr, "scanner_bench: no .htm pages in %s\n", argv[1]);
    return 1;
  }

  double best = 1e100;
  Counts counts;
  for (int r = 0; r < reps; ++r) {
    Counts c;
    const auto t0 = std::chrono::steady_clock::now();
    for (const auto& page : pages) {
      TLegHtmlParser scanner;
      Attach(scanner, c);
      scanner.LoadContent(page);
      scanner.Parse();
    }
    best = std::min(best, Seconds(t0, std::chrono::steady_clock::now()));
    counts = c;
  }

  if (once) {
    std::printf("bytes %llu\npages %zu\nevents %llu\n", bytes, pages.size(), counts.events);
    return 0;
  }

  // The same scans with Content loaded and joined beforehand: the scanner alone.
  std::vector<TLegHtmlParser> loaded(pages.size());
  Counts c2;
  for (size_t i = 0; i < pages.size(); ++i) {
    loaded[i].LoadContent(pages[i]);
    Attach(loaded[i], c2);
    loaded[i].Parse();  // takes and joins the Content lines once
  }
  double best_parse = 1e100;
  for (int r = 0; r < reps; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    for (auto& s : loaded) s.Parse();
    best_parse = std::min(best_parse, Seconds(t0, std::chrono::steady_clock::now()));
  }

  std::printf("bytes %llu\npages %zu\nevents %llu\ntoken_bytes %llu\n", bytes, pages.size(), counts.events,
              counts.token_bytes);
  std::printf("scanner_mbps %.1f\nparse_only_mbps %.1f\n", bytes / best / 1e6, bytes / best_parse / 1e6);
  return 0;
}
