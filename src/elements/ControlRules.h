// The arithmetic and text rules of the basic controls, kept apart from the
// widgets so that they can be checked without a display: caption shortening,
// list-box and combo-box item lines, anchors, font specs, percentage sizes,
// centring, numeric edit limits, spin bounds, check-box controlled names and
// the splash step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace remont {

// Caption of a pop-up menu item: with limit 0 or a shorter text unchanged;
// otherwise the first limit-1 characters, cut before their last space with
// "..." appended, or without "..." when they hold no space.
std::string ShortenCaption(const std::string& text, int limit);

// List-box item store: one line per visible item, caption "#;#" value.
extern const char kListValueSeparator[];  // "#;#"
std::string ListStoreLine(const std::string& caption, const std::string& value);
// A line of a list-box file (or of the store): the text before the first
// "#;#" and the text after it; without one the whole line and an empty value.
std::pair<std::string, std::string> SplitListLine(const std::string& line);

// A line of a combo-box file: the text before the first ";" and the rest.
// An empty caption means the line is not shown.
std::pair<std::string, std::string> SplitComboLine(const std::string& line);

// A rectangle in the parent's client coordinates.
struct TRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const TRect&) const = default;
};

struct TAnchors {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  bool Empty() const { return !left && !top && !right && !bottom; }
  bool operator==(const TAnchors&) const = default;
};

struct TAnchorInput {
  std::string spec;       // "L T R B", each a number or "*"
  int client_width = 0;   // parent's client size
  int client_height = 0;
  int outer_width = 0;    // parent's outer size, used to centre panels
  int outer_height = 0;
  TRect rect;             // the element's bounds before the key
  bool panel = false;     // panel or parent panel: centred when both distances are "*"
};

struct TAnchorResult {
  TRect rect;
  TAnchors anchors;
  bool center_horz = false;  // the panel is to be centred and kept centred
  bool center_vert = false;
};

// The anchor key. Throws ConvertError for a field that is neither "*" nor a
// number (an empty field from two spaces in a row, or a missing field, included).
TAnchorResult ApplyAnchor(const TAnchorInput& in);

// Anchors after an element's keys: the ones it had come back when none was set.
TAnchors FinalAnchors(const TAnchors& before, const TAnchors& after);

// Where an anchored element goes when its parent's client size changes from
// the size at which its position was taken: a left-and-right anchored element
// keeps both distances and stretches, a right-only one keeps its right
// distance, a left-only one stays; with neither its centre keeps its share of
// the parent's size. The same vertically.
TRect FollowAnchors(const TAnchors& anchors, const TRect& rect, int old_width, int old_height,
                    int new_width, int new_height);

struct TFontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const TFontStyle&) const = default;
};

// A font spec name "*" size "*" colour "*" style letters, read into the
// changes it asks for; an absent field changes nothing.
struct TFontChange {
  std::optional<std::string> name;
  std::optional<int> size;
  std::optional<int> colour;  // colour number, red in the low byte
  std::optional<TFontStyle> style;
};
// Throws ConvertError for a size that is not a number or a colour that is not one.
TFontChange ParseFont(const std::string& spec);

// Percentage sizes of a parent panel.
struct TPercentSize {
  int percent = 0;  // 0: the size is in pixels
};
// A width or height key: with "%" the percentage (the integer before it) is
// set and true returned (the caller applies it); otherwise pixels gets the
// integer and false is returned. Throws ConvertError for a non-number.
bool SetSizeText(const std::string& text, int& pixels, int& percent);
// The size for a percentage of the parent's client size, dividing first;
// none when the percentage or the parent's size is 0.
std::optional<int> PercentOf(int percent, int parent_client);
// The percentage measured afresh from the current size; a parent of less than
// 100 pixels leaves the percentage as it was (the division has no result).
int RemeasurePercent(int percent, int own, int parent);

// Centring: (parent's outer size - own size) div 2, truncating towards zero.
int CenteredPos(int parent_outer, int own);

// The numeric rule of an edit box. The box's text lives in the control; the
// rule reaches it through the two accessors.
class TNumberRule {
 public:
  virtual ~TNumberRule() = default;

  // Characters a numeric box accepts from the keyboard; Backspace is not one.
  static bool KeyAccepted(char32_t c);

  bool Numeric() const { return numeric_; }
  void SetNumeric(bool on) { numeric_ = on; }
  int32_t LowerLimit() const { return lower_limit_; }
  TNumberRule* MinLink() const { return link_; }

  int32_t GetNumber() const;
  void SetNumber(int32_t n);
  void PushLimit();
  void SetLowerLimit(int32_t n);
  // After every key release.
  void KeyReleased();
  // The link is made only to a numeric box; anything else clears it.
  void SetMinLink(TNumberRule* box);

 protected:
  virtual std::string NumberText() const = 0;
  virtual void SetNumberText(const std::string& text) = 0;

 private:
  bool numeric_ = false;
  int32_t lower_limit_ = 0;
  TNumberRule* link_ = nullptr;
};

// Spin edit bounds, held as extended floats.
struct TSpinBounds {
  long double lower = -1;
  long double upper = 1000000;
  // The change handler's rule: raised to the lower bound, then lowered to the upper.
  long double Clamp(long double value) const;
  // Each returns the value after the bound is set.
  long double SetUpperBound(long double n, long double value);
  long double SetLowerBound(long double n, long double value);
};

// enable_control: the text cut at ";", each piece lower-cased and appended,
// until no text is left (an empty text adds one empty name).
void AddControlledNames(const std::string& text, std::vector<std::string>& names);

// The splash bar's next position: position + step, or step when that exceeds 100.
int NextSplashPosition(int position, int step);

}  // namespace remont
