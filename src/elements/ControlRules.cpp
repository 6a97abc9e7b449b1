#include "elements/ControlRules.h"

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {

std::string ShortenCaption(const std::string& text, int limit) {
  if (limit <= 0 || static_cast<int>(text.size()) < limit) return text;
  const std::string head = text.substr(0, static_cast<size_t>(limit - 1));
  const auto space = head.rfind(' ');
  if (space == std::string::npos) return head;
  return head.substr(0, space) + "...";
}

const char kListValueSeparator[] = "#;#";

std::string ListStoreLine(const std::string& caption, const std::string& value) {
  return caption + kListValueSeparator + value;
}

std::pair<std::string, std::string> SplitListLine(const std::string& line) {
  const auto p = line.find(kListValueSeparator);
  if (p == std::string::npos) return {line, std::string()};
  return {line.substr(0, p), line.substr(p + 3)};
}

std::pair<std::string, std::string> SplitComboLine(const std::string& line) {
  std::string rest = line;
  std::string caption = CutToken(rest, ";");
  return {caption, rest};
}

namespace {

// One anchor field: "*" is absent, anything else must be a number.
std::optional<int> AnchorField(std::string& spec) {
  const std::string field = CutToken(spec, " ");
  if (field == "*") return std::nullopt;
  return StrToInt(field);
}

struct Axis {
  int start = 0;
  int end = 0;
  bool anchor_start = false;
  bool anchor_end = false;
  bool centre = false;
};

// One direction of the anchor rule: near and far distances, parent client
// and outer sizes, the element's own position and size.
Axis AnchorAxis(std::optional<int> near, std::optional<int> far, int client, int outer, int pos,
                int size, bool panel) {
  Axis a;
  if (near || far) {
    a.start = near ? *near : client - *far - size;
    a.end = far ? client - *far : *near + size;
    a.anchor_start = near.has_value();
    a.anchor_end = far.has_value();
    return a;
  }
  a.start = pos;
  if (panel) {
    a.centre = true;
    a.start = CenteredPos(outer, size);
  }
  a.end = a.start + size;
  return a;
}

}  // namespace

TAnchorResult ApplyAnchor(const TAnchorInput& in) {
  std::string spec = in.spec;
  const auto l = AnchorField(spec);
  const auto t = AnchorField(spec);
  const auto r = AnchorField(spec);
  const auto b = AnchorField(spec);
  const Axis h = AnchorAxis(l, r, in.client_width, in.outer_width, in.rect.left, in.rect.width, in.panel);
  const Axis v = AnchorAxis(t, b, in.client_height, in.outer_height, in.rect.top, in.rect.height, in.panel);
  TAnchorResult out;
  out.rect = {h.start, v.start, h.end - h.start, v.end - v.start};
  out.anchors = {h.anchor_start, v.anchor_start, h.anchor_end, v.anchor_end};
  out.center_horz = h.centre;
  out.center_vert = v.centre;
  return out;
}

TAnchors FinalAnchors(const TAnchors& before, const TAnchors& after) {
  if (!before.Empty() && after.Empty()) return before;
  return after;
}

namespace {

void FollowAxis(bool near, bool far, int& pos, int& size, int old_parent, int new_parent) {
  if (near && far) {
    size += new_parent - old_parent;
    if (size < 0) size = 0;
  } else if (far) {
    pos += new_parent - old_parent;
  } else if (!near && old_parent > 0) {
    const long long centre2 = 2LL * pos + size;  // twice the centre, to stay in integers
    pos = static_cast<int>((centre2 * new_parent / old_parent - size) / 2);
  }
}

}  // namespace

TRect FollowAnchors(const TAnchors& anchors, const TRect& rect, int old_width, int old_height,
                    int new_width, int new_height) {
  TRect r = rect;
  FollowAxis(anchors.left, anchors.right, r.left, r.width, old_width, new_width);
  FollowAxis(anchors.top, anchors.bottom, r.top, r.height, old_height, new_height);
  return r;
}

TFontChange ParseFont(const std::string& spec) {
  std::string rest = spec;
  const std::string name = CutToken(rest, "*");
  const std::string size = CutToken(rest, "*");
  const std::string colour = CutToken(rest, "*");
  TFontChange change;
  if (!name.empty()) change.name = name;
  if (!size.empty()) change.size = StrToInt(size);
  if (!colour.empty()) change.colour = ParseColor(colour);
  if (!rest.empty()) {
    const std::string letters = LowerLatinCase(rest);
    TFontStyle style;
    style.bold = letters.find('b') != std::string::npos;
    style.italic = letters.find('i') != std::string::npos;
    style.underline = letters.find('u') != std::string::npos;
    change.style = style;
  }
  return change;
}

bool SetSizeText(const std::string& text, int& pixels, int& percent) {
  const auto p = text.find('%');
  if (p != std::string::npos) {
    percent = StrToInt(text.substr(0, p));
    return true;
  }
  pixels = StrToInt(text);
  return false;
}

std::optional<int> PercentOf(int percent, int parent_client) {
  if (percent == 0 || parent_client == 0) return std::nullopt;
  return (parent_client / 100) * percent;
}

int RemeasurePercent(int percent, int own, int parent) {
  if (percent == 0) return 0;
  const int unit = parent / 100;
  if (unit == 0) return percent;
  return own / unit;
}

int CenteredPos(int parent_outer, int own) { return (parent_outer - own) / 2; }

bool TNumberRule::KeyAccepted(char32_t c) { return c >= U'0' && c <= U'9'; }

int32_t TNumberRule::GetNumber() const {
  if (!numeric_) return 0;
  const std::string text = NumberText();
  if (text.empty()) return 0;
  return StrToIntDef(text, 0);
}

void TNumberRule::SetNumber(int32_t n) {
  if (!numeric_) return;
  SetNumberText(std::to_string(n));
  PushLimit();
}

void TNumberRule::PushLimit() {
  if (link_) link_->SetLowerLimit(GetNumber());
}

void TNumberRule::SetLowerLimit(int32_t n) {
  lower_limit_ = n;
  if (GetNumber() < n) SetNumber(n);
}

void TNumberRule::KeyReleased() {
  if (!numeric_) return;
  if (GetNumber() < lower_limit_)
    SetNumber(lower_limit_);
  else
    PushLimit();
}

void TNumberRule::SetMinLink(TNumberRule* box) {
  link_ = (box && box->Numeric()) ? box : nullptr;
}

long double TSpinBounds::Clamp(long double value) const {
  if (value < lower) value = lower;
  if (value > upper) value = upper;
  return value;
}

long double TSpinBounds::SetUpperBound(long double n, long double value) {
  upper = n;
  return value > n ? n : value;
}

long double TSpinBounds::SetLowerBound(long double n, long double value) {
  lower = n;
  return n > value ? n : value;
}

void AddControlledNames(const std::string& text, std::vector<std::string>& names) {
  std::string rest = text;
  do {
    names.push_back(LowerCase(CutToken(rest, ";")));
  } while (!rest.empty());
}

int NextSplashPosition(int position, int step) {
  const int next = position + step;
  return next > 100 ? step : next;
}

}  // namespace remont
