// The HTML text scanner on arbitrary bytes, with every event assigned.
// Byte 0: the event index (0-based) from whose handler StopParse is called
// (255: never). Byte 1: bit 0 Translate off, bit 1 the rest is one raw Content
// line (CR and LF kept inside it) instead of the lines of a page, bit 2 the
// error handler aborts at the first error. The rest: the page.
// Checked: a page's lines are those of SplitLines, every error position lies in 1..length+1, the scan ends (each step
// moves on, so events stay within a bound of the length), no event follows
// StopParse, and a second Parse of the same text repeats the same events. Then,
// scanning to the end: the page taken as bytes (LoadBytes) holds the text and
// gives the events of its lines, and a scan with OnText alone (the fast path)
// gives exactly the text events of the full scan.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Helpers.h"
#include "shell/LegHtmlParser.h"

using remont::TLegHtmlParser;

namespace {

struct Log {
  std::vector<std::string> events;
  size_t stop_at = SIZE_MAX;
  bool stopped = false;
  bool abort = false;
  std::int64_t length = 0;

  void Add(TLegHtmlParser& p, char kind, const std::string& token) {
    if (stopped) std::abort();  // an event after StopParse
    events.push_back(kind + token);
    if (events.size() - 1 == stop_at) {
      stopped = true;
      p.StopParse();
    }
    // Steps move on by at least one byte every two steps and raise at most
    // three events each.
    if (static_cast<std::int64_t>(events.size()) > 6 * (length + 2)) std::abort();
  }
};

void Attach(TLegHtmlParser& p, Log& log) {
  const auto token = [&log](char kind) {
    return [&log, kind](TLegHtmlParser& s, const std::string& t) { log.Add(s, kind, t); };
  };
  p.OnBlock = token('b');
  p.OnText = token('t');
  p.OnComment = token('c');
  p.OnScript = token('s');
  p.OnDTDTag = token('d');
  p.OnTag = [&log](TLegHtmlParser& s, const std::string& name, TLegHtmlParser::Attributes attrs) {
    std::string line = name;
    for (const auto& a : attrs) {
      line += '\t';
      line += a;
    }
    log.Add(s, 'g', line);
  };
  p.OnError = [&log](TLegHtmlParser& s, int code, std::int64_t pos, bool& abort) {
    if (pos < 1 || pos > log.length + 1) std::abort();
    if (code != 1 && code != 2 && code != 4 && code != 5 && code != 6) std::abort();
    log.Add(s, 'e', std::to_string(code) + ":" + std::to_string(pos));
    abort = log.abort;
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t stop_at = data[0] == 255 ? SIZE_MAX : data[0];
  const uint8_t flags = data[1];
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);

  TLegHtmlParser p;
  p.SetTranslate((flags & 1) == 0);
  if (flags & 2) p.SetContent({bytes});
  else p.LoadContent(bytes);
  if (!(flags & 2) && p.Content() != remont::SplitLines(bytes)) std::abort();  // the page's lines

  Log first;
  first.stop_at = stop_at;
  first.abort = (flags & 4) != 0;
  Attach(p, first);
  // The joined text's length, known before the scan: lines plus CR LF between.
  std::int64_t length = 0;
  for (const auto& line : p.Content()) length += static_cast<std::int64_t>(line.size()) + 2;
  first.length = p.Content().empty() ? 0 : length - 2;
  p.Parse();
  if (p.Text().size() != static_cast<size_t>(first.length)) std::abort();
  if (first.stopped && p.Length() != -1) std::abort();

  Log second;
  second.abort = first.abort;
  second.length = first.length;
  Attach(p, second);
  p.Parse();
  const size_t common = first.stopped ? first.events.size() : SIZE_MAX;
  if (!first.stopped && second.events != first.events) std::abort();
  if (first.stopped) {
    if (second.events.size() < common) std::abort();
    for (size_t i = 0; i < common; ++i)
      if (second.events[i] != first.events[i]) std::abort();
  }
  // The byte path and the text-only path against the full scan of the lines.
  TLegHtmlParser full;
  full.SetTranslate(p.Translate());
  Log full_log;
  full_log.length = first.length;
  if (flags & 2) full.SetContent({bytes});
  else full.LoadContent(bytes);
  Attach(full, full_log);
  full.Parse();
  if (!(flags & 2)) {
    TLegHtmlParser direct;
    direct.SetTranslate(p.Translate());
    direct.LoadBytes(bytes);
    if (direct.Text() != full.Text()) std::abort();
    Log direct_log;
    direct_log.length = first.length;
    Attach(direct, direct_log);
    direct.Parse();
    if (direct_log.events != full_log.events || direct.Length() != full.Length()) std::abort();
  }
  std::vector<std::string> full_texts;
  for (const auto& e : full_log.events)
    if (e[0] == 't') full_texts.push_back(e);
  for (const bool as_bytes : {false, true}) {
    if (as_bytes && (flags & 2)) break;
    TLegHtmlParser fast;
    fast.SetTranslate(p.Translate());
    if (flags & 2) fast.SetContent({bytes});
    else if (as_bytes) fast.LoadBytes(bytes);
    else fast.LoadContent(bytes);
    std::vector<std::string> texts;
    fast.OnText = [&texts](TLegHtmlParser&, const std::string& t) { texts.push_back('t' + t); };
    fast.Parse();
    if (texts != full_texts) std::abort();
  }

  // Decoding never lengthens a text.
  if (TLegHtmlParser::Decode(bytes).size() > bytes.size()) std::abort();
  return 0;
}
