// The HTML text scanner: an explicit state machine (normal, script, script
// comment) that jumps to the next "<", ">", "&", quote or dash sixteen bytes at
// a time instead of testing byte by byte. The steps are written once and made
// twice: for every event, and for OnText alone, where nothing else is built.
// See LegHtmlParser.h for the events and the error codes.
#include "shell/LegHtmlParser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "common/Cp1251.h"
#include "shell/ByteSearch.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace remont {

namespace {

// Character classes of the scanner, one bit each.
enum : unsigned char {
  kBlank = 1,         // tab, LF, CR, space
  kTagNameEnd = 2,    // blank or ">"
  kAttrNameEnd = 4,   // blank, "=" or ">"
  kValueEnd = 8,      // blank or ">" (unquoted attribute value)
};

constexpr std::array<unsigned char, 256> MakeClasses() {
  std::array<unsigned char, 256> t{};
  for (unsigned char c : {'\t', '\n', '\r', ' '}) t[c] = kBlank | kTagNameEnd | kAttrNameEnd | kValueEnd;
  t['>'] = kTagNameEnd | kAttrNameEnd | kValueEnd;
  t['='] = kAttrNameEnd;
  return t;
}
constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

inline bool Is(char c, unsigned char cls) { return (kClasses[static_cast<unsigned char>(c)] & cls) != 0; }

// The entity table: the HTML 4 Latin-1 names at their code points 160..255 and
// the four markup names; every other code has no name.
constexpr const char* kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// Up to eight bytes of a name as one number (zero bytes after the name), so
// that a name is compared in one step; with eight bytes readable from the
// name's start (before limit) they are read at once.
uint64_t Packed(std::string_view name, const char* limit) {
  uint64_t v = 0;
  if (limit - name.data() >= 8) {
    std::memcpy(&v, name.data(), 8);
    if (name.size() < 8) v &= (uint64_t{1} << (8 * name.size())) - 1;
    if constexpr (std::endian::native == std::endian::little) return v;
    v = 0;
  }
  for (size_t i = 0; i < name.size(); ++i) v |= static_cast<uint64_t>(static_cast<unsigned char>(name[i])) << (8 * i);
  return v;
}

struct EntityTable {
  std::array<std::string_view, 256> names{};
  // Codes grouped by the first letter of their name, in code order, so that a
  // lookup compares only the few names that can match; with each its packed name.
  struct Candidate {
    uint64_t packed;
    unsigned char code;
  };
  std::array<std::vector<Candidate>, 128> by_first{};

  EntityTable() {
    names[34] = "quot";
    names[38] = "amp";
    names[60] = "lt";
    names[62] = "gt";
    for (int i = 0; i < 96; ++i) names[160 + i] = kLatin1Names[i];
    for (int code = 0; code < 256; ++code)
      if (!names[code].empty())
        by_first[static_cast<unsigned char>(names[code][0])].push_back(
            {Packed(names[code], names[code].data()), static_cast<unsigned char>(code)});
  }

  int Find(std::string_view name, const char* limit) const {
    // Every name has one to six letters.
    if (name.empty() || name.size() > 8 || static_cast<unsigned char>(name[0]) >= 128) return -1;
    const uint64_t packed = Packed(name, limit);
    for (const Candidate& c : by_first[static_cast<unsigned char>(name[0])])
      if (c.packed == packed) return c.code;
    return -1;
  }
};

const EntityTable& Entities() {
  static const EntityTable table;
  return table;
}

// Reads digits of the given base; false for an empty text, another character,
// or a number beyond 32 bits.
bool ReadNumber(std::string_view digits, int base, unsigned long long& value) {
  if (digits.empty()) return false;
  const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : 0x7FFFFFFFull;
  value = 0;
  for (char ch : digits) {
    int d;
    if (ch >= '0' && ch <= '9') d = ch - '0';
    else if (base == 16 && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
    else if (base == 16 && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
    else return false;
    value = value * base + d;
    if (value > limit) return false;
  }
  return true;
}

// The character an entity text (between "&" and ";") stands for, -1 when none.
// Bytes up to limit may be read.
int ResolveEntity(std::string_view entity, const char* limit) {
  if (!entity.empty() && entity[0] == '#') {
    unsigned long long value = 0;
    const bool hex = entity.size() >= 2 && (entity[1] == 'x' || entity[1] == 'X');
    if (!ReadNumber(entity.substr(hex ? 2 : 1), hex ? 16 : 10, value)) return -1;
    return static_cast<int>(value & 0xFF);
  }
  return Entities().Find(entity, limit);
}

inline bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

// "</SCRIPT>" at index i, compared in upper case.
bool IsScriptEnd(const char* s, size_t n, size_t i) {
  static constexpr std::string_view kEnd = "</SCRIPT>";
  if (n - i < kEnd.size()) return false;
  for (size_t k = 1; k < kEnd.size(); ++k) {
    char c = s[i + k];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kEnd[k]) return false;
  }
  return true;
}

// The index of the first c in s[from, to), or to.
inline size_t IndexOf(const char* s, char c, size_t from, size_t to) {
  if (from >= to) return to;
  const void* hit = std::memchr(s + from, c, to - from);
  return hit ? static_cast<size_t>(static_cast<const char*>(hit) - s) : to;
}

// The first c in s[from, to), or to, reading no further than s[limit - 1]:
// for short runs, where a call to memchr costs more than the search.
inline size_t ShortIndexOf(const char* s, char c, size_t from, size_t to, size_t limit) {
  if (from >= to) return to;
  return static_cast<size_t>(FindFirstOfWithin(s + from, s + to, s + limit, c) - s);
}

// Room for at least `need` bytes, contents not kept.
void Reserve(std::unique_ptr<char[]>& buffer, size_t& capacity, size_t need) {
  if (capacity >= need) return;
  buffer.reset(new char[need]);
  capacity = need;
}

// Writes the text the bytes' lines joined with CR LF make: each break (CR LF,
// LF or CR) becomes CR LF and a final break is dropped. Returns its length;
// out has room for two bytes per byte read. Runs without a break are copied
// sixteen bytes at a time; a copy may write up to sixteen bytes past the text
// written so far, which the room allows.
size_t JoinLines(std::string_view bytes, char* out) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  char* w = out;
  for (;;) {
    const char* b = p;
#if defined(__SSE2__)
    for (;;) {
      if (end - b < 16) {
        const char* from = b;
        b = FindFirstOf(b, end, '\r', '\n');
        w = std::copy(from, b, w);
        break;
      }
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
      const unsigned m = static_cast<unsigned>(_mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n')))));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(w), v);
      if (m) {
        const int k = std::countr_zero(m);
        w += k;
        b += k;
        break;
      }
      w += 16;
      b += 16;
    }
#else
    b = FindFirstOf(p, end, '\r', '\n');
    w = std::copy(p, b, w);
#endif
    if (b == end) break;
    const size_t length = (*b == '\r' && end - b >= 2 && b[1] == '\n') ? 2 : 1;
    if (b + length == end) break;
    *w++ = '\r';
    *w++ = '\n';
    p = b + length;
  }
  return static_cast<size_t>(w - out);
}

// A tag name equal to "script", Latin letters of any case.
inline bool IsScriptName(const char* p, size_t n) {
  if (n != 6) return false;
  static constexpr char kName[] = "script";
  for (size_t i = 0; i < 6; ++i)
    if ((p[i] | 0x20) != kName[i]) return false;
  return true;
}

}  // namespace

TLegHtmlParser::TLegHtmlParser() = default;

inline void TLegHtmlParser::SkipLineBreak() {
  const size_t n = size_;
  if (pos_ < n && src_[pos_] == '\r') {
    ++pos_;
    if (pos_ < n && src_[pos_] == '\n') ++pos_;
  }
}

// ---- Content --------------------------------------------------------------

void TLegHtmlParser::DropText() {
  bytes_pending_ = false;
  if (scanning_) {
    // The running scan reads the held text: end it and drop the text afterwards.
    length_ = -1;
    drop_after_scan_ = true;
  } else {
    src_ = "";
    size_ = 0;
  }
}

void TLegHtmlParser::SetContent(std::vector<std::string> lines) {
  content_ = std::move(lines);
  DropText();
}

void TLegHtmlParser::AddContent(std::string line) {
  content_.push_back(std::move(line));
  DropText();
}

void TLegHtmlParser::ClearContent() {
  content_.clear();
  DropText();
}

void TLegHtmlParser::LoadContent(std::string_view bytes) {
  // The same lines as SplitLines, found with memchr: pages are long and have
  // long lines.
  std::vector<std::string> lines;
  const char* data = bytes.data();
  const size_t n = bytes.size();
  size_t pos = 0;
  size_t lf = 0;  // the next LF at or after pos (n: none); kept between lines
  bool lf_known = false;
  while (pos < n) {
    if (!lf_known || lf < pos) {
      lf = IndexOf(data, '\n', pos, n);
      lf_known = true;
    }
    const size_t cr = IndexOf(data, '\r', pos, lf);
    if (cr < lf) {
      lines.emplace_back(data + pos, cr - pos);
      pos = cr + 1;
      if (pos < n && data[pos] == '\n') ++pos;
    } else {
      lines.emplace_back(data + pos, lf - pos);
      pos = lf + 1;
    }
  }
  SetContent(std::move(lines));
}

void TLegHtmlParser::LoadBytes(std::string_view bytes) {
  if (scanning_) {
    content_.clear();
    DropText();
    pending_bytes_ = bytes;
    bytes_pending_ = true;
    return;
  }
  HoldBytes(bytes);  // before the lines go: the bytes may be anywhere
  content_.clear();
}

void TLegHtmlParser::HoldBytes(std::string_view bytes) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  // Bytes inside the scanner's own buffer (its held text) are read while
  // another buffer is written.
  const bool inside_own = own_ && begin >= own_.get() && begin < own_.get() + own_capacity_;
  if (!inside_own && EveryBreakIsCrLf(begin, end)) {
    src_ = begin;
    size_ = bytes.size() >= 2 && end[-1] == '\n' ? bytes.size() - 2 : bytes.size();  // less a final CR LF
    return;
  }
  std::unique_ptr<char[]> fresh;
  size_t fresh_capacity = 0;
  std::unique_ptr<char[]>& buffer = inside_own ? fresh : own_;
  size_t& capacity = inside_own ? fresh_capacity : own_capacity_;
  Reserve(buffer, capacity, bytes.size() * 2);
  size_ = JoinLines(bytes, buffer.get());
  if (inside_own) {
    own_ = std::move(fresh);
    own_capacity_ = fresh_capacity;
  }
  src_ = own_.get();
}

// ---- Scan -----------------------------------------------------------------

void TLegHtmlParser::Parse() {
  if (scanning_) return;
  if (size_ == 0 && !end_parser_) {
    size_t total = 0;
    for (const auto& line : content_) total += line.size() + 2;
    src_ = "";
    size_ = 0;
    if (total > 0) {
      Reserve(own_, own_capacity_, total);
      char* const w = own_.get();
      for (size_t i = 0; i < content_.size(); ++i) {
        if (i) {
          w[size_++] = '\r';
          w[size_++] = '\n';
        }
        std::memcpy(w + size_, content_[i].data(), content_[i].size());
        size_ += content_[i].size();
      }
      src_ = w;
    }
  }
  length_ = static_cast<std::int64_t>(size_);
  pos_ = 0;
  state_ = State::Normal;
  error_ = 0;
  attribute_count_ = 0;

  struct Guard {
    TLegHtmlParser& p;
    ~Guard() { p.AfterScan(); }
  } guard{*this};
  scanning_ = true;
  text_handler_ran_ = false;
  while (!(TextOnly() ? Run<true>() : Run<false>())) {
  }
}

void TLegHtmlParser::AfterScan() {
  scanning_ = false;
  if (drop_after_scan_) {
    drop_after_scan_ = false;
    src_ = "";
    size_ = 0;
  }
  if (bytes_pending_) {
    bytes_pending_ = false;
    HoldBytes(pending_bytes_);
  }
}

bool TLegHtmlParser::TextOnly() const {
  return OnText && !OnBlock && !OnError && !OnTag && !OnComment && !OnScript && !OnDTDTag;
}

template <bool kTextOnly>
bool TLegHtmlParser::Run() {
  while (static_cast<std::int64_t>(pos_) < length_) {
    Step<kTextOnly>();
    if (error_ != 0) {
      const int code = error_;
      error_ = 0;
      if (OnError && !Stopped()) {
        bool abort = false;
        OnError(*this, code, error_pos_, abort);
        if (abort) return true;
      }
    }
    if (kTextOnly && text_handler_ran_) {
      // OnText is the only handler that ran: it may have assigned others.
      text_handler_ran_ = false;
      if (OnBlock || OnError || OnTag || OnComment || OnScript || OnDTDTag) return false;
    }
  }
  return true;
}

void TLegHtmlParser::StopParse() { length_ = -1; }

void TLegHtmlParser::SetError(int code, size_t index) {
  error_ = code;
  error_pos_ = static_cast<std::int64_t>(index) + 1;
}

template <bool kTextOnly>
inline void TLegHtmlParser::Step() {
  if constexpr (!kTextOnly) attribute_count_ = 0;
  // The script-comment state reads the "<!--" at the position as a comment
  // whose content goes to OnScript: the normal step does that.
  if (state_ == State::Script) StepScript<kTextOnly>();
  else StepNormal<kTextOnly>();
}

// Normal state: "<" starts a comment or a tag, anything else a text piece.
template <bool kTextOnly>
inline void TLegHtmlParser::StepNormal() {
  const size_t from = pos_;
  const char* s = src_;
  const size_t n = size_;
  if (s[from] != '<') {
    ReadText<kTextOnly>();
    return;
  }
  if (n - from > 3 && s[from + 1] == '!' && s[from + 2] == '-' && s[from + 3] == '-') {
    ReadComment<kTextOnly>(from);
    return;
  }
  const bool listing = !kTextOnly && OnTag;  // attribute lines are only built for a listener
  // No "<" lies before the first quote or ">" (lt_free: the index of that one).
  size_t lt_free = from + 1;
  if (!listing) {
    // With no quote and no "<" before the first ">", that ">" closes the tag:
    // names, values and the attribute list all end at a ">".
    const char* hit = FindFirstOf(s + from + 1, s + n, '>', '<', '"', '\'');
    if (hit != s + n && *hit != '<') lt_free = static_cast<size_t>(hit - s);
    if (hit != s + n && *hit == '>') {
      const size_t close = static_cast<size_t>(hit - s);
      size_t p = from + 1;
      while (Is(s[p], kBlank)) ++p;
      if (s[p] == '!') {
        if constexpr (!kTextOnly) {
          RaiseToken(OnBlock, block_buffer_, std::string_view(s + from, close + 1 - from));
          if (OnDTDTag && !Stopped()) {
            name_buffer_.clear();
            AppendText(name_buffer_, std::string_view(s + p + 1, close - p - 1));
            OnDTDTag(*this, name_buffer_);
          }
        }
      } else {
        if constexpr (!kTextOnly) RaiseToken(OnBlock, block_buffer_, std::string_view(s + from, close + 1 - from));
        if (close - p >= 6 && Is(s[p + 6], kTagNameEnd) && IsScriptName(s + p, 6)) state_ = State::Script;
      }
      pos_ = close + 1;
      SkipLineBreak();
      return;
    }
  }

  ReadTag<kTextOnly>(from, lt_free);
}

// Script state: a body up to "</SCRIPT>" (any case), or a script comment.
template <bool kTextOnly>
void TLegHtmlParser::StepScript() {
  const char* s = src_;
  const size_t n = size_;
  const size_t start = pos_;
  size_t p = start;
  while (p < n && Is(s[p], kBlank)) ++p;
  if (p >= n) {
    SetError(6, n);
    EndScan();
    return;
  }
  if (n - p >= 4 && std::memcmp(s + p, "<!--", 4) == 0) {
    state_ = State::ScriptComment;
    pos_ = p;
    return;
  }
  size_t end = start;
  for (;;) {
    end = IndexOf(s, '<', end, n);
    if (end == n) {
      SetError(6, n);
      EndScan();
      return;
    }
    if (IsScriptEnd(s, n, end)) break;
    ++end;
  }
  if constexpr (!kTextOnly) {
    const std::string_view body(s + start, end - start);
    RaiseToken(OnBlock, block_buffer_, body);
    RaiseToken(OnScript, token_buffer_, body);
  }
  pos_ = end;
  state_ = State::Normal;
}

// A comment: "<!--" up to a run of dashes followed (after blanks) by ">".
template <bool kTextOnly>
void TLegHtmlParser::ReadComment(size_t from) {
  const char* s = src_;
  const size_t n = size_;
  const size_t content = from + 4;
  size_t search = content;
  for (;;) {
    size_t dashes = n;
    for (size_t p = search; p + 1 < n;) {
      p = IndexOf(s, '-', p, n - 1);
      if (p == n - 1) break;
      if (s[p + 1] == '-') {
        dashes = p;
        break;
      }
      p += 2;
    }
    if (dashes == n) {
      SetError(2, n);
      EndScan();
      return;
    }
    size_t e = dashes;
    while (e < n && s[e] == '-') ++e;
    while (e < n && Is(s[e], kBlank)) ++e;
    if (e >= n) {
      SetError(1, n);
      EndScan();
      return;
    }
    if (s[e] != '>') {
      search = e;
      continue;
    }
    if constexpr (!kTextOnly) {
      RaiseToken(OnBlock, block_buffer_, std::string_view(s + from, e + 1 - from));
      const std::string_view body(s + content, dashes - content);
      RaiseToken(state_ == State::ScriptComment ? OnScript : OnComment, token_buffer_, body);
    }
    state_ = State::Normal;
    pos_ = e + 1;
    SkipLineBreak();
    return;
  }
}

// A tag or a "<!" document-type tag, reported only when it closes with ">" and
// holds no other "<"; no "<" lies in [from + 1, lt_free). The plain tags of the
// normal step (no quote, no "<") never come here.
template <bool kTextOnly>
[[gnu::noinline]]
void TLegHtmlParser::ReadTag(size_t from, size_t lt_free) {
  const char* s = src_;
  const size_t n = size_;
  const bool listing = !kTextOnly && OnTag;  // attribute lines are only built for a listener
  size_t p = from + 1;
  while (p < n && Is(s[p], kBlank)) ++p;
  if (p >= n) {
    SetError(1, n);
    EndScan();
    return;
  }
  const bool dtd = s[p] == '!';
  size_t name_start;
  size_t name_end;
  if (dtd) {
    name_start = p + 1;
    name_end = IndexOf(s, '>', name_start, n);
    if (name_end == n) {
      SetError(1, n);
      EndScan();
      return;
    }
    p = name_end;
  } else {
    name_start = p;
    while (p < n && !Is(s[p], kTagNameEnd)) ++p;
    if (p >= n) {
      SetError(1, n);
      EndScan();
      return;
    }
    name_end = p;
    if (name_end > name_start && !ReadAttributes(p, listing)) {
      SetError(1, n);
      EndScan();
      return;
    }
  }
  const size_t close = p < n && s[p] == '>' ? p : IndexOf(s, '>', p, n);
  if (close == n) {
    SetError(1, n);
    EndScan();
    return;
  }
  if (const size_t lt = ShortIndexOf(s, '<', std::min(lt_free, close), close, n); lt < close) {
    // A bad tag is skipped; its ">" then starts a text piece.
    SetError(4, lt);
    pos_ = close;
    return;
  }

  const std::string_view name(s + name_start, name_end - name_start);
  if constexpr (!kTextOnly) {
    RaiseToken(OnBlock, block_buffer_, std::string_view(s + from, close + 1 - from));
    if (dtd) {
      if (OnDTDTag && !Stopped()) {
        name_buffer_.clear();
        AppendText(name_buffer_, name);
        OnDTDTag(*this, name_buffer_);
      }
    } else if (OnTag && !Stopped()) {
      name_buffer_.clear();
      AppendText(name_buffer_, name);
      OnTag(*this, name_buffer_, Attributes(attributes_.data(), attribute_count_));
    }
  }
  if (!dtd && IsScriptName(name.data(), name.size())) state_ = State::Script;
  pos_ = close + 1;
  SkipLineBreak();
}

// The attribute list after a tag name: name=value pairs, quoted or not; a name
// without "=" is dropped. False when the text ends inside it. The lines are
// only made when keep is set.
bool TLegHtmlParser::ReadAttributes(size_t& p, bool keep) {
  const char* s = src_;
  const size_t n = size_;
  if (keep && attributes_.capacity() < 200) attributes_.reserve(200);
  while (p < n && s[p] != '>') {
    while (p < n && Is(s[p], kBlank)) ++p;
    if (p >= n) return false;
    const size_t name_start = p;
    while (p < n && !Is(s[p], kAttrNameEnd)) ++p;
    if (p >= n) return false;
    if (p == name_start) break;
    const std::string_view name(s + name_start, p - name_start);
    while (p < n && Is(s[p], kBlank)) ++p;
    if (p >= n) return false;
    if (s[p] != '=') continue;
    ++p;
    while (p < n && Is(s[p], kBlank)) ++p;
    if (p >= n) return false;
    std::string_view value;
    const char quote = s[p];
    if (quote == '"' || quote == '\'') {
      const size_t close = ShortIndexOf(s, quote, p + 1, n, n);
      if (close == n) {
        p = n;
        return false;
      }
      value = std::string_view(s + p + 1, close - p - 1);
      p = close + 1;
    } else {
      const size_t value_start = p;
      while (p < n && !Is(s[p], kValueEnd)) ++p;
      value = std::string_view(s + value_start, p - value_start);
    }
    if (!keep) continue;
    if (attribute_count_ == attributes_.size()) attributes_.emplace_back();
    std::string& line = attributes_[attribute_count_++];
    // Without an "&" in the name and the value, the line is their bytes.
    const char* const from = s + name_start;
    const char* const to = value.data() + value.size();
    if (!translate_ || FindFirstOfWithin(from, to, s + n, '&') == to) {
      line.resize(name.size() + 1 + value.size());
      std::memcpy(line.data(), name.data(), name.size());
      line[name.size()] = '=';
      std::memcpy(line.data() + name.size() + 1, value.data(), value.size());
      continue;
    }
    line.clear();
    AppendText(line, name);
    line.push_back('=');
    AppendText(line, value);
  }
  return true;
}

// A text piece up to the next "<"; a ">" in it makes it an error 5 and no text.
template <bool kTextOnly>
void TLegHtmlParser::ReadText() {
  const char* s = src_;
  const size_t n = size_;
  const size_t start = pos_;
  const char* hit = FindFirstOf(s + start, s + n, '<', '>');
  if (hit != s + n && *hit == '>') {
    SetError(5, static_cast<size_t>(hit - s));
    pos_ = IndexOf(s, '<', static_cast<size_t>(hit - s) + 1, n);
    return;
  }
  const size_t end = static_cast<size_t>(hit - s);
  pos_ = end;
  size_t piece_end = end;
  if (piece_end > start && s[piece_end - 1] == '\n') {
    --piece_end;
    if (piece_end > start && s[piece_end - 1] == '\r') --piece_end;
  } else if (piece_end > start && s[piece_end - 1] == '\r') {
    --piece_end;
  }
  if (piece_end == start) return;
  if constexpr (!kTextOnly) RaiseToken(OnBlock, block_buffer_, std::string_view(s + start, piece_end - start));
  if (!OnText || Stopped()) return;
  RaiseText(start, piece_end);
}

// OnText with the piece s[start, end), trimmed and decoded, when not empty.
void TLegHtmlParser::RaiseText(size_t start, size_t end) {
  const char* s = src_;
  while (start < end && IsTrimmed(s[start])) ++start;
  while (end > start && IsTrimmed(s[end - 1])) --end;
  if (start == end) return;
  token_buffer_.clear();
  AppendText(token_buffer_, std::string_view(s + start, end - start));
  if (token_buffer_.empty()) return;
  text_handler_ran_ = true;
  OnText(*this, token_buffer_);
}

void TLegHtmlParser::RaiseToken(const THtmlTokenEvent& event, std::string& buffer,
                                std::string_view token) {
  if (!event || Stopped()) return;
  buffer.clear();
  buffer.append(token);
  event(*this, buffer);
}

// ---- Decoding -------------------------------------------------------------

void TLegHtmlParser::AppendDecoded(std::string& out, std::string_view in, const char* limit) {
  const char* p = in.data();
  const char* const end = p + in.size();
  for (;;) {
    const char* amp = FindFirstOfWithin(p, end, limit, '&');
    out.append(p, static_cast<size_t>(amp - p));
    if (amp == end) return;
    // The entity runs to the next ";"; with no ";" before the next "&" (or
    // none at all) the text up to that "&" (or the end) is copied as it is.
    const char* stop = FindFirstOfWithin(amp + 1, end, limit, ';', '&');
    if (stop == end || *stop == '&') {
      out.append(amp, static_cast<size_t>(stop - amp));
      p = stop;
      continue;
    }
    const int code = ResolveEntity(std::string_view(amp + 1, static_cast<size_t>(stop - amp - 1)), limit);
    if (code >= 0) out.push_back(static_cast<char>(code));
    else out.append(amp, static_cast<size_t>(stop + 1 - amp));
    p = stop + 1;
  }
}

std::string TLegHtmlParser::Decode(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  AppendDecoded(out, in, in.data() + in.size());
  return out;
}

std::string_view TLegHtmlParser::EntityName(unsigned char code) { return Entities().names[code]; }

}  // namespace remont
