// The HTML text scanner: an explicit state machine (normal, script, script
// comment) that jumps with memchr to the next "<", ">", "&", quote or dash
// instead of testing byte by byte. See LegHtmlParser.h for the events and the
// error codes.
#include "shell/LegHtmlParser.h"

#include <array>
#include <cstring>

#include "common/Cp1251.h"

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

struct EntityTable {
  std::array<std::string_view, 256> names{};
  // Codes grouped by the first letter of their name, in code order, so that a
  // lookup compares only the few names that can match.
  std::array<std::vector<unsigned char>, 128> by_first{};

  EntityTable() {
    names[34] = "quot";
    names[38] = "amp";
    names[60] = "lt";
    names[62] = "gt";
    for (int i = 0; i < 96; ++i) names[160 + i] = kLatin1Names[i];
    for (int code = 0; code < 256; ++code)
      if (!names[code].empty()) by_first[static_cast<unsigned char>(names[code][0])].push_back(code);
  }

  int Find(std::string_view name) const {
    if (name.empty() || static_cast<unsigned char>(name[0]) >= 128) return -1;
    for (unsigned char code : by_first[static_cast<unsigned char>(name[0])])
      if (names[code] == name) return code;
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
int ResolveEntity(std::string_view entity) {
  if (!entity.empty() && entity[0] == '#') {
    unsigned long long value = 0;
    const bool hex = entity.size() >= 2 && (entity[1] == 'x' || entity[1] == 'X');
    if (!ReadNumber(entity.substr(hex ? 2 : 1), hex ? 16 : 10, value)) return -1;
    return static_cast<int>(value & 0xFF);
  }
  return Entities().Find(entity);
}

inline const char* Find(const std::string& s, char c, size_t from, size_t to) {
  if (from >= to) return nullptr;
  return static_cast<const char*>(std::memchr(s.data() + from, c, to - from));
}

inline bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

// "</SCRIPT>" at index i, compared in upper case.
bool IsScriptEnd(const std::string& s, size_t i) {
  static constexpr std::string_view kEnd = "</SCRIPT>";
  if (s.size() - i < kEnd.size()) return false;
  for (size_t k = 1; k < kEnd.size(); ++k) {
    char c = s[i + k];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kEnd[k]) return false;
  }
  return true;
}

}  // namespace

TLegHtmlParser::TLegHtmlParser() { attributes_.reserve(200); }

// ---- Content --------------------------------------------------------------

void TLegHtmlParser::DropText() {
  if (scanning_) {
    // The running scan reads the held text: end it and drop the text afterwards.
    length_ = -1;
    drop_after_scan_ = true;
  } else {
    text_.clear();
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
  // long lines, and the search loads every page.
  std::vector<std::string> lines;
  const char* data = bytes.data();
  const size_t n = bytes.size();
  size_t pos = 0;
  size_t lf = 0;  // the next LF at or after pos (n: none); kept between lines
  bool lf_known = false;
  while (pos < n) {
    if (!lf_known || lf < pos) {
      const void* hit = std::memchr(data + pos, '\n', n - pos);
      lf = hit ? static_cast<size_t>(static_cast<const char*>(hit) - data) : n;
      lf_known = true;
    }
    const void* cr = std::memchr(data + pos, '\r', lf - pos);
    if (cr) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(cr) - data);
      lines.emplace_back(data + pos, at - pos);
      pos = at + 1;
      if (pos < n && data[pos] == '\n') ++pos;
    } else {
      lines.emplace_back(data + pos, lf - pos);
      pos = lf + 1;
    }
  }
  SetContent(std::move(lines));
}

// ---- Scan -----------------------------------------------------------------

void TLegHtmlParser::Parse() {
  if (scanning_) return;
  if (text_.empty() && !end_parser_) {
    size_t total = 0;
    for (const auto& line : content_) total += line.size() + 2;
    text_.reserve(total);
    for (size_t i = 0; i < content_.size(); ++i) {
      if (i) text_ += "\r\n";
      text_ += content_[i];
    }
  }
  length_ = static_cast<std::int64_t>(text_.size());
  pos_ = 0;
  state_ = State::Normal;
  error_ = 0;
  attribute_count_ = 0;

  struct Guard {
    TLegHtmlParser& p;
    ~Guard() {
      p.scanning_ = false;
      if (p.drop_after_scan_) {
        p.drop_after_scan_ = false;
        p.text_.clear();
      }
    }
  } guard{*this};
  scanning_ = true;

  while (static_cast<std::int64_t>(pos_) < length_) {
    Step();
    if (error_ == 0) continue;
    const int code = error_;
    error_ = 0;
    if (OnError && !Stopped()) {
      bool abort = false;
      OnError(*this, code, error_pos_, abort);
      if (abort) break;
    }
  }
}

void TLegHtmlParser::StopParse() { length_ = -1; }

void TLegHtmlParser::SetError(int code, size_t index) {
  error_ = code;
  error_pos_ = static_cast<std::int64_t>(index) + 1;
}

void TLegHtmlParser::Step() {
  attribute_count_ = 0;
  switch (state_) {
    case State::Normal: StepNormal(); break;
    case State::Script: StepScript(); break;
    case State::ScriptComment: StepScriptComment(); break;
  }
}

// Normal state: "<" starts a comment or a tag, anything else a text piece.
void TLegHtmlParser::StepNormal() {
  const size_t from = pos_;
  if (text_[from] != '<') {
    ReadText();
    return;
  }
  if (text_.size() - from > 3 && text_.compare(from + 1, 3, "!--") == 0) {
    ReadComment(from);
  } else {
    ReadTag(from);
  }
}

// Script state: a body up to "</SCRIPT>" (any case), or a script comment.
void TLegHtmlParser::StepScript() {
  const size_t n = text_.size();
  const size_t start = pos_;
  size_t p = start;
  while (p < n && Is(text_[p], kBlank)) ++p;
  if (p >= n) {
    SetError(6, n);
    EndScan();
    return;
  }
  if (text_.compare(p, 4, "<!--") == 0) {
    state_ = State::ScriptComment;
    pos_ = p;
    return;
  }
  size_t end = start;
  for (;;) {
    const char* lt = Find(text_, '<', end, n);
    if (!lt) {
      SetError(6, n);
      EndScan();
      return;
    }
    end = static_cast<size_t>(lt - text_.data());
    if (IsScriptEnd(text_, end)) break;
    ++end;
  }
  const std::string_view body(text_.data() + start, end - start);
  RaiseToken(OnBlock, block_buffer_, body);
  RaiseToken(OnScript, token_buffer_, body);
  pos_ = end;
  state_ = State::Normal;
}

// Script-comment state: the "<!--" at the position is read as a comment whose
// content goes to OnScript.
void TLegHtmlParser::StepScriptComment() { StepNormal(); }

// A comment: "<!--" up to a run of dashes followed (after blanks) by ">".
void TLegHtmlParser::ReadComment(size_t from) {
  const size_t n = text_.size();
  const size_t content = from + 4;
  size_t search = content;
  for (;;) {
    size_t dashes = std::string::npos;
    for (size_t p = search; p + 1 < n;) {
      const char* dash = Find(text_, '-', p, n - 1);
      if (!dash) break;
      p = static_cast<size_t>(dash - text_.data());
      if (text_[p + 1] == '-') {
        dashes = p;
        break;
      }
      p += 2;
    }
    if (dashes == std::string::npos) {
      SetError(2, n);
      EndScan();
      return;
    }
    size_t e = dashes;
    while (e < n && text_[e] == '-') ++e;
    while (e < n && Is(text_[e], kBlank)) ++e;
    if (e >= n) {
      SetError(1, n);
      EndScan();
      return;
    }
    if (text_[e] != '>') {
      search = e;
      continue;
    }
    RaiseToken(OnBlock, block_buffer_, std::string_view(text_.data() + from, e + 1 - from));
    const std::string_view body(text_.data() + content, dashes - content);
    RaiseToken(state_ == State::ScriptComment ? OnScript : OnComment, token_buffer_, body);
    state_ = State::Normal;
    pos_ = e + 1;
    SkipLineBreak();
    return;
  }
}

// A tag or a "<!" document-type tag, reported only when it closes with ">" and
// holds no other "<".
void TLegHtmlParser::ReadTag(size_t from) {
  const size_t n = text_.size();
  size_t p = from + 1;
  while (p < n && Is(text_[p], kBlank)) ++p;
  if (p >= n) {
    SetError(1, n);
    EndScan();
    return;
  }
  const bool dtd = text_[p] == '!';
  size_t name_start;
  size_t name_end;
  if (dtd) {
    name_start = p + 1;
    const char* gt = Find(text_, '>', name_start, n);
    if (!gt) {
      SetError(1, n);
      EndScan();
      return;
    }
    name_end = static_cast<size_t>(gt - text_.data());
    p = name_end;
  } else {
    name_start = p;
    while (p < n && !Is(text_[p], kTagNameEnd)) ++p;
    if (p >= n) {
      SetError(1, n);
      EndScan();
      return;
    }
    name_end = p;
    if (name_end > name_start && !ReadAttributes(p)) {
      SetError(1, n);
      EndScan();
      return;
    }
  }
  const char* gt = Find(text_, '>', p, n);
  if (!gt) {
    SetError(1, n);
    EndScan();
    return;
  }
  const size_t close = static_cast<size_t>(gt - text_.data());
  if (const char* lt = Find(text_, '<', from + 1, close)) {
    // A bad tag is skipped; its ">" then starts a text piece.
    SetError(4, static_cast<size_t>(lt - text_.data()));
    pos_ = close;
    return;
  }

  const std::string_view name(text_.data() + name_start, name_end - name_start);
  RaiseToken(OnBlock, block_buffer_, std::string_view(text_.data() + from, close + 1 - from));
  if (dtd) {
    if (OnDTDTag && !Stopped()) {
      name_buffer_.clear();
      AppendText(name_buffer_, name);
      OnDTDTag(*this, name_buffer_);
    }
  } else {
    if (OnTag && !Stopped()) {
      name_buffer_.clear();
      AppendText(name_buffer_, name);
      OnTag(*this, name_buffer_, Attributes(attributes_.data(), attribute_count_));
    }
    if (SameText(name, "script")) state_ = State::Script;
  }
  pos_ = close + 1;
  SkipLineBreak();
}

// The attribute list after a tag name: name=value pairs, quoted or not; a name
// without "=" is dropped. False when the text ends inside it.
bool TLegHtmlParser::ReadAttributes(size_t& p) {
  const size_t n = text_.size();
  const bool keep = static_cast<bool>(OnTag);  // lines are only built for a listener
  while (p < n && text_[p] != '>') {
    while (p < n && Is(text_[p], kBlank)) ++p;
    if (p >= n) return false;
    const size_t name_start = p;
    while (p < n && !Is(text_[p], kAttrNameEnd)) ++p;
    if (p >= n) return false;
    if (p == name_start) break;
    const std::string_view name(text_.data() + name_start, p - name_start);
    while (p < n && Is(text_[p], kBlank)) ++p;
    if (p >= n) return false;
    if (text_[p] != '=') continue;
    ++p;
    while (p < n && Is(text_[p], kBlank)) ++p;
    if (p >= n) return false;
    std::string_view value;
    const char quote = text_[p];
    if (quote == '"' || quote == '\'') {
      const char* end = Find(text_, quote, p + 1, n);
      if (!end) {
        p = n;
        return false;
      }
      const size_t close = static_cast<size_t>(end - text_.data());
      value = std::string_view(text_.data() + p + 1, close - p - 1);
      p = close + 1;
    } else {
      const size_t value_start = p;
      while (p < n && !Is(text_[p], kValueEnd)) ++p;
      value = std::string_view(text_.data() + value_start, p - value_start);
    }
    if (!keep) continue;
    if (attribute_count_ == attributes_.size()) attributes_.emplace_back();
    std::string& line = attributes_[attribute_count_++];
    line.clear();
    AppendText(line, name);
    line.push_back('=');
    AppendText(line, value);
  }
  return true;
}

// A text piece up to the next "<"; a ">" in it makes it an error 5 and no text.
void TLegHtmlParser::ReadText() {
  const size_t n = text_.size();
  const size_t start = pos_;
  const char* lt = Find(text_, '<', start, n);
  const size_t end = lt ? static_cast<size_t>(lt - text_.data()) : n;
  pos_ = end;
  if (const char* gt = Find(text_, '>', start, end)) {
    SetError(5, static_cast<size_t>(gt - text_.data()));
    return;
  }
  size_t piece_end = end;
  if (piece_end > start && text_[piece_end - 1] == '\n') {
    --piece_end;
    if (piece_end > start && text_[piece_end - 1] == '\r') --piece_end;
  } else if (piece_end > start && text_[piece_end - 1] == '\r') {
    --piece_end;
  }
  if (piece_end == start) return;
  RaiseToken(OnBlock, block_buffer_, std::string_view(text_.data() + start, piece_end - start));
  if (!OnText || Stopped()) return;
  size_t a = start;
  size_t b = piece_end;
  while (a < b && IsTrimmed(text_[a])) ++a;
  while (b > a && IsTrimmed(text_[b - 1])) --b;
  token_buffer_.clear();
  AppendText(token_buffer_, std::string_view(text_.data() + a, b - a));
  if (!token_buffer_.empty()) OnText(*this, token_buffer_);
}

void TLegHtmlParser::SkipLineBreak() {
  const size_t n = text_.size();
  if (pos_ < n && text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < n && text_[pos_] == '\n') ++pos_;
  }
}

void TLegHtmlParser::RaiseToken(const THtmlTokenEvent& event, std::string& buffer,
                                std::string_view token) {
  if (!event || Stopped()) return;
  buffer.assign(token);
  event(*this, buffer);
}

// ---- Decoding -------------------------------------------------------------

void TLegHtmlParser::AppendText(std::string& out, std::string_view in) const {
  if (translate_) AppendDecoded(out, in);
  else out.append(in);
}

void TLegHtmlParser::AppendDecoded(std::string& out, std::string_view in) {
  const size_t n = in.size();
  const auto find = [&](char c, size_t from, size_t to) -> size_t {
    if (from >= to) return std::string_view::npos;
    const void* hit = std::memchr(in.data() + from, c, to - from);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - in.data()) : std::string_view::npos;
  };
  size_t amp = find('&', 0, n);
  if (amp == std::string_view::npos) {
    out.append(in);
    return;
  }
  out.append(in.substr(0, amp));
  // The first ";" after the current "&"; it stays valid while "&"s before it are copied.
  size_t semi = std::string_view::npos;
  while (amp < n) {
    if (semi == std::string_view::npos || semi <= amp) semi = find(';', amp + 1, n);
    if (semi == std::string_view::npos) {
      out.append(in.substr(amp));
      return;
    }
    const size_t next = find('&', amp + 1, semi);
    if (next != std::string_view::npos) {
      out.append(in.substr(amp, next - amp));
      amp = next;
      continue;
    }
    const int code = ResolveEntity(in.substr(amp + 1, semi - amp - 1));
    if (code >= 0) out.push_back(static_cast<char>(code));
    else out.append(in.substr(amp, semi + 1 - amp));
    const size_t after = semi + 1;
    amp = find('&', after, n);
    if (amp == std::string_view::npos) {
      out.append(in.substr(after));
      return;
    }
    out.append(in.substr(after, amp - after));
  }
}

std::string TLegHtmlParser::Decode(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  AppendDecoded(out, in);
  return out;
}

std::string_view TLegHtmlParser::EntityName(unsigned char code) { return Entities().names[code]; }

}  // namespace remont
