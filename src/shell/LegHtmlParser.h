// The HTML text scanner used by the full-text search: one left-to-right pass over
// a page, reporting tags, text pieces, comments, script bodies and document-type
// tags through events. No tree, no nesting checks, names keep their case.
//
// The held text is the Content lines joined with CR LF (between lines, no break
// after the last one), or the same text taken straight from a page's bytes
// (LoadBytes). Positions in error events are 1-based indexes into it.
// Error codes: 1 text ended inside a tag, its attributes or a comment's closing
// (position: length + 1); 2 comment never closed (length + 1); 4 "<" inside a
// tag (that "<"); 5 ">" in text (that ">"); 6 script body not closed by
// "</SCRIPT>" (length + 1).
//
// Events are std::function members: an empty one counts as not assigned, which
// matters twice: OnText pieces are only trimmed and decoded when OnText is
// assigned, and errors are ignored without OnError. Every token and the attribute
// list belong to the scanner and are valid only during the call. Nothing is built
// for an event that is not assigned; with OnText alone (the search) the scan
// runs a path that only finds the text pieces, with the same text events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace remont {

class TLegHtmlParser {
 public:
  // One line per attribute: decoded name, "=", decoded value.
  using Attributes = std::span<const std::string>;
  using THtmlTokenEvent = std::function<void(TLegHtmlParser& sender, const std::string& token)>;
  using THtmlTagEvent = std::function<void(TLegHtmlParser& sender, const std::string& html_tag,
                                           Attributes attributes)>;
  using THtmlErrorEvent = std::function<void(TLegHtmlParser& sender, int error,
                                             std::int64_t pos_error, bool& abort)>;

  TLegHtmlParser();

  bool Translate() const { return translate_; }
  void SetTranslate(bool on) { translate_ = on; }

  // The HTML source as lines. Every change drops the held text, so the next
  // Parse takes the new content.
  const std::vector<std::string>& Content() const { return content_; }
  void SetContent(std::vector<std::string> lines);
  void AddContent(std::string line);
  void ClearContent();
  // The page's bytes as Content lines: split at CR LF, LF or CR; a last line
  // without a break counts, a final break gives no extra empty line.
  void LoadContent(std::string_view bytes);
  // The page's bytes as the held text, without making lines: exactly the text
  // LoadContent then Parse would hold (every break CR LF, a final break
  // dropped), so every event and position is the same. Content is cleared.
  // When every break of the page already is CR LF the bytes are not copied:
  // they must then stay alive and unchanged while the scanner holds them (until
  // Content changes or the next LoadBytes). Called from a handler, it ends the
  // running scan and takes effect after it.
  void LoadBytes(std::string_view bytes);

  // One stored flag under two names; scanning does not depend on it.
  bool Normalize() const { return normalize_; }
  void SetNormalize(bool on) { normalize_ = on; }
  bool TextNormalize() const { return normalize_; }
  void SetTextNormalize(bool on) { normalize_ = on; }

  // When true, Parse does not take the text from Content.
  bool EndParser() const { return end_parser_; }
  void SetEndParser(bool on) { end_parser_ = on; }

  THtmlTokenEvent OnBlock;    // every raw piece: text, whole tag, whole comment, script body
  THtmlErrorEvent OnError;    // a syntax problem; setting abort ends the scan
  THtmlTagEvent OnTag;        // a tag, with its decoded name and attributes
  THtmlTokenEvent OnText;     // a text piece, trimmed and decoded, when not empty
  THtmlTokenEvent OnComment;  // the content of a comment outside a script
  THtmlTokenEvent OnScript;   // the body of a script element
  THtmlTokenEvent OnDTDTag;   // the decoded content of a "<!" tag that is no comment

  // Scans the held text (taking it from Content first when none is held and
  // EndParser is false). A call from inside a handler of a running scan is ignored.
  void Parse();
  // Ends the running scan after the current event returns; no event follows.
  void StopParse();

  // The held text and its length (-1 after StopParse until the next Parse).
  std::string_view Text() const { return std::string_view(src_, size_); }
  std::int64_t Length() const { return length_; }

  // Decodes character entities as the scanner does with Translate on.
  static std::string Decode(std::string_view in);
  // The entity name of a character code, empty when the code has none.
  static std::string_view EntityName(unsigned char code);

 private:
  enum class State { Normal, Script, ScriptComment };

  void DropText();
  void HoldBytes(std::string_view bytes);
  void AfterScan();
  // Only OnText is assigned: the steps raise nothing else.
  bool TextOnly() const;
  // Steps while the position is before the end; kTextOnly returns as soon as
  // a handler has assigned another event.
  template <bool kTextOnly>
  bool Run();
  template <bool kTextOnly>
  void Step();
  template <bool kTextOnly>
  void StepNormal();
  template <bool kTextOnly>
  void StepScript();
  template <bool kTextOnly>
  void ReadComment(size_t from);
  template <bool kTextOnly>
  void ReadTag(size_t from, size_t lt_free);
  bool ReadAttributes(size_t& p, bool keep);
  template <bool kTextOnly>
  void ReadText();
  void RaiseText(size_t start, size_t end);
  void SetError(int code, size_t index);  // index 0-based; reported 1-based
  void EndScan() { pos_ = size_; }
  bool Stopped() const { return length_ < 0; }
  void SkipLineBreak();
  // Appends in (a part of the held text) to out, decoded when Translate is on.
  void AppendText(std::string& out, std::string_view in) const {
    if (translate_) AppendDecoded(out, in, src_ + size_);
    else out.append(in);
  }
  // Bytes up to limit (at or after the end of in) may be read.
  static void AppendDecoded(std::string& out, std::string_view in, const char* limit);
  void RaiseToken(const THtmlTokenEvent& event, std::string& buffer, std::string_view token);

  bool translate_ = true;
  bool normalize_ = true;
  bool end_parser_ = false;
  std::vector<std::string> content_;

  // The held text: src_ points into own_ (Content joined, or a page's bytes
  // rewritten with CR LF breaks; kept for the next text) or into the bytes
  // given to LoadBytes.
  std::unique_ptr<char[]> own_;
  size_t own_capacity_ = 0;
  const char* src_ = "";
  size_t size_ = 0;
  // LoadBytes called during a scan: taken when the scan has ended.
  std::string_view pending_bytes_;
  bool bytes_pending_ = false;
  std::int64_t length_ = 0;
  size_t pos_ = 0;  // 0-based here; 1-based in what the events report
  State state_ = State::Normal;
  int error_ = 0;
  std::int64_t error_pos_ = 0;
  bool scanning_ = false;
  bool drop_after_scan_ = false;
  bool text_handler_ran_ = false;  // OnText was called since the last check

  // Attribute lines: the strings are kept between steps so that their buffers
  // are reused; attribute_count_ says how many belong to the current tag. Room
  // for 200 is made when the first tag is read for OnTag.
  std::vector<std::string> attributes_;
  size_t attribute_count_ = 0;
  // Token buffers reused by every event.
  std::string name_buffer_;
  std::string token_buffer_;
  std::string block_buffer_;
};

}  // namespace remont
