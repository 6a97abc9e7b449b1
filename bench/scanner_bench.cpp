// The HTML text scanner against lexbor's tokenizer, in one process over the
// same pages held in memory, taking turns: every round runs each side once over
// all pages. Sides:
//   bytes, all events   a scanner per page, the page's bytes as its text
//                       (LoadBytes, as the search does), every event assigned
//   bytes, text only    the same with only OnText assigned (the search's case)
//   lines, all events   a scanner per page, the bytes as Content lines
//                       (LoadContent), every event assigned
//   lines, text only    the same with only OnText assigned
//   lexbor tokenizer    one tokenizer, cleaned per page, a token callback that
//                       counts tags, text and comments (and switches to the raw
//                       text states after script and style, as a tree would)
// Handlers count events and token bytes, so nothing is optimised away. Every
// side's work is what it does per page: nothing is prepared outside the timer.
//
// usage: scanner_bench DIR... [--rounds R] [--limit N] [--once SIDE]
//        scanner_bench --sides
// Pages: the files of each DIR named *.htm or *.html, in name order.
// Prints per side the best and median MB/s (MB = 10^6 bytes) over R rounds and
// the ratio to lexbor. --once SIDE runs that side once: bench_pass() is the
// whole timed work, for callgrind. --sides lists the sides' names.
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

#ifdef REMONT_WITH_LEXBOR
#include <lexbor/html/tokenizer.h>
#endif

using remont::TLegHtmlParser;

namespace {

struct Counts {
  unsigned long long events = 0;
  unsigned long long token_bytes = 0;
};

void CountToken(Counts& c, size_t bytes) {
  ++c.events;
  c.token_bytes += bytes;
}

void AttachAll(TLegHtmlParser& p, Counts& c) {
  const auto token = [&c](TLegHtmlParser&, const std::string& t) { CountToken(c, t.size()); };
  p.OnBlock = token;
  p.OnText = token;
  p.OnComment = token;
  p.OnScript = token;
  p.OnDTDTag = token;
  p.OnTag = [&c](TLegHtmlParser&, const std::string& name, TLegHtmlParser::Attributes attrs) {
    size_t bytes = name.size();
    for (const auto& a : attrs) bytes += a.size();
    CountToken(c, bytes);
  };
  p.OnError = [&c](TLegHtmlParser&, int, std::int64_t, bool&) { CountToken(c, 0); };
}

void AttachText(TLegHtmlParser& p, Counts& c) {
  p.OnText = [&c](TLegHtmlParser&, const std::string& t) { CountToken(c, t.size()); };
}

using Pages = std::vector<std::string>;

// A scanner per page, the page taken as bytes or as lines, events attached.
template <bool kBytes, void (*kAttach)(TLegHtmlParser&, Counts&)>
void ScanEach(const Pages& pages, Counts& c) {
  for (const std::string& page : pages) {
    TLegHtmlParser scanner;
    kAttach(scanner, c);
    if (kBytes) scanner.LoadBytes(page);
    else scanner.LoadContent(page);
    scanner.Parse();
  }
}

#ifdef REMONT_WITH_LEXBOR
lxb_html_token_t* LexborToken(lxb_html_tokenizer_t* tkz, lxb_html_token_t* token, void* ctx) {
  Counts& c = *static_cast<Counts*>(ctx);
  switch (token->tag_id) {
    case LXB_TAG__END_OF_FILE:
      break;
    case LXB_TAG__TEXT:
    case LXB_TAG__EM_COMMENT:
      CountToken(c, static_cast<size_t>(token->text_end - token->text_start));
      break;
    default:
      CountToken(c, static_cast<size_t>(token->end - token->begin));
      if (!(token->type & LXB_HTML_TOKEN_TYPE_CLOSE))
        lxb_html_tokenizer_set_state_by_tag(tkz, true, token->tag_id, LXB_NS_HTML);
  }
  return token;
}

struct Lexbor {
  lxb_html_tokenizer_t* tkz = lxb_html_tokenizer_create();
  Lexbor() {
    if (lxb_html_tokenizer_init(tkz) != LXB_STATUS_OK) std::abort();
  }
  ~Lexbor() { lxb_html_tokenizer_destroy(tkz); }
};

void LexborPass(const Pages& pages, Counts& c) {
  static Lexbor lexbor;
  lxb_html_tokenizer_t* tkz = lexbor.tkz;
  lxb_html_tokenizer_callback_token_done_set(tkz, LexborToken, &c);
  for (const std::string& page : pages) {
    lxb_html_tokenizer_clean(tkz);
    if (lxb_html_tokenizer_begin(tkz) != LXB_STATUS_OK ||
        lxb_html_tokenizer_chunk(tkz, reinterpret_cast<const lxb_char_t*>(page.data()), page.size()) !=
            LXB_STATUS_OK ||
        lxb_html_tokenizer_end(tkz) != LXB_STATUS_OK)
      std::abort();
  }
}
#endif

struct Side {
  const char* name;  // for --once
  const char* title;
  void (*pass)(const Pages&, Counts&);
  std::vector<double> seconds;
  Counts counts;
};

double Best(const std::vector<double>& s) { return *std::min_element(s.begin(), s.end()); }
double Median(std::vector<double> s) {
  std::sort(s.begin(), s.end());
  return s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
}

}  // namespace

// The whole timed work of one side over all pages, apart for callgrind.
extern "C" __attribute__((noinline)) void bench_pass(void (*pass)(const Pages&, Counts&), const Pages& pages,
                                                     Counts& counts) {
  pass(pages, counts);
}

int main(int argc, char** argv) {
  std::vector<std::string> dirs;
  size_t limit = SIZE_MAX;
  int rounds = 7;
  std::string once;
  std::vector<Side> sides = {
      {"bytes-all", "scanner, bytes, all events", ScanEach<true, AttachAll>, {}, {}},
      {"bytes-text", "scanner, bytes, text only", ScanEach<true, AttachText>, {}, {}},
      {"lines-all", "scanner, lines, all events", ScanEach<false, AttachAll>, {}, {}},
      {"lines-text", "scanner, lines, text only", ScanEach<false, AttachText>, {}, {}},
#ifdef REMONT_WITH_LEXBOR
      {"lexbor", "lexbor tokenizer", LexborPass, {}, {}},
#endif
  };
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--sides") == 0) {
      for (const Side& s : sides) std::printf("%s\n", s.name);
      return 0;
    }
    if (std::strcmp(argv[i], "--once") == 0 && i + 1 < argc) once = argv[++i];
    else if (std::strcmp(argv[i], "--limit") == 0 && i + 1 < argc) limit = std::strtoull(argv[++i], nullptr, 10);
    else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));
    else dirs.emplace_back(argv[i]);
  }
  if (dirs.empty()) {
    std::fprintf(stderr, "usage: scanner_bench DIR... [--rounds R] [--limit N] [--once SIDE]\n");
    return 2;
  }

  std::vector<std::filesystem::path> names;
  for (const std::string& dir : dirs)
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
      const auto ext = e.path().extension();
      if (e.is_regular_file() && (ext == ".htm" || ext == ".html")) names.push_back(e.path());
    }
  std::sort(names.begin(), names.end());
  if (names.size() > limit) names.resize(limit);
  Pages pages;
  unsigned long long bytes = 0;
  for (const auto& n : names) {
    std::ifstream in(n, std::ios::binary);
    pages.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    bytes += pages.back().size();
  }
  if (pages.empty()) {
    std::fprintf(stderr, "scanner_bench: no .htm or .html pages\n");
    return 1;
  }

  if (!once.empty()) {
    for (Side& s : sides)
      if (once == s.name) {
        bench_pass(s.pass, pages, s.counts);
        std::printf("pages %zu\nbytes %llu\nevents %llu\n", pages.size(), bytes, s.counts.events);
        return 0;
      }
    std::fprintf(stderr, "scanner_bench: no side %s\n", once.c_str());
    return 2;
  }

  for (int r = 0; r < rounds; ++r)
    for (Side& s : sides) {
      Counts c;
      const auto t0 = std::chrono::steady_clock::now();
      s.pass(pages, c);
      s.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
      s.counts = c;
    }

  std::printf("pages %zu\nbytes %llu\nrounds %d (best and median)\n", pages.size(), bytes, rounds);
  const Side* lexbor = nullptr;
  for (const Side& s : sides)
    if (std::strcmp(s.name, "lexbor") == 0) lexbor = &s;
  for (const Side& s : sides) {
    std::printf("  %-34s best %7.1f MB/s  median %7.1f MB/s  %9llu events", s.title, bytes / Best(s.seconds) / 1e6,
                bytes / Median(s.seconds) / 1e6, s.counts.events);
    if (lexbor && &s != lexbor)
      std::printf("  = %.2fx lexbor (median %.2fx)", Best(lexbor->seconds) / Best(s.seconds),
                  Median(lexbor->seconds) / Median(s.seconds));
    std::printf("\n");
  }
  for (const Side& s : sides)
    std::printf("mbps %s %.1f %.1f\n", s.name, bytes / Best(s.seconds) / 1e6, bytes / Median(s.seconds) / 1e6);
  if (!lexbor) std::printf("  lexbor not built in (no peers folder): compared with nothing\n");
  return 0;
}
