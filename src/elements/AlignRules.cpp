#include "elements/AlignRules.h"

#include <algorithm>

#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {

EAlign ParseAlign(const std::string& value) {
  const std::string a = LowerCase(Trim(value));
  if (a == "top") return EAlign::Top;
  if (a == "bottom") return EAlign::Bottom;
  if (a == "left") return EAlign::Left;
  if (a == "right") return EAlign::Right;
  if (a == "client") return EAlign::Client;
  if (a == "custom") return EAlign::Custom;
  return EAlign::None;
}

const char* AlignName(EAlign align) {
  switch (align) {
    case EAlign::None: return "none";
    case EAlign::Top: return "top";
    case EAlign::Bottom: return "bottom";
    case EAlign::Left: return "left";
    case EAlign::Right: return "right";
    case EAlign::Client: return "client";
    case EAlign::Custom: return "custom";
  }
  return "none";
}

namespace {

// Whether a goes before b in the stack of one alignment; a is the one made
// later, so the comparison decides ties too.
bool GoesBefore(const TRect& a, const TRect& b, EAlign align) {
  switch (align) {
    case EAlign::Top: return a.top < b.top;
    case EAlign::Bottom: return a.Bottom() >= b.Bottom();
    case EAlign::Left: return a.left < b.left;
    case EAlign::Right: return a.Right() >= b.Right();
    default: return false;
  }
}

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

// Places one child in the remaining rectangle and takes its share of it.
void Position(const RAlignChild& c, EAlign align, TRect& remaining, TRect& out) {
  int left = remaining.left;
  int top = remaining.top;
  int right = remaining.Right();
  int bottom = remaining.Bottom();
  int width = right - left;
  if (width < 0 || align == EAlign::Left || align == EAlign::Right) width = c.rect.width;
  int height = bottom - top;
  if (height < 0 || align == EAlign::Top || align == EAlign::Bottom) height = c.rect.height;
  int new_left = left;
  int new_top = top;
  switch (align) {
    case EAlign::Top: top += height; break;
    case EAlign::Bottom: bottom -= height; new_top = bottom; break;
    case EAlign::Left: left += width; break;
    case EAlign::Right: right -= width; new_left = right; break;
    default: break;
  }
  // The child's size limits win where it stands; the rectangle left for the
  // others follows the size it really took.
  const int got_width = Clamp(width, c.min_width, c.max_width);
  const int got_height = Clamp(height, c.min_height, c.max_height);
  switch (align) {
    case EAlign::Top: top -= height - got_height; break;
    case EAlign::Bottom: bottom += height - got_height; break;
    case EAlign::Left: left -= width - got_width; break;
    case EAlign::Right: right += width - got_width; break;
    default: break;
  }
  out = {new_left, new_top, got_width, got_height};
  if (align != EAlign::Client) remaining = {left, top, right - left, bottom - top};
}

}  // namespace

std::vector<TRect> AlignChildren(const TRect& client, const std::vector<RAlignChild>& children) {
  std::vector<TRect> out;
  out.reserve(children.size());
  for (const auto& c : children) out.push_back(c.rect);
  TRect remaining = client;
  for (EAlign align : {EAlign::Top, EAlign::Bottom, EAlign::Left, EAlign::Right, EAlign::Client}) {
    // Insertion in creation order, each child going before the first one it
    // precedes: the platform's order, ties included.
    std::vector<size_t> order;
    for (size_t i = 0; i < children.size(); ++i) {
      if (children[i].align != align || !children[i].visible) continue;
      size_t j = 0;
      while (j < order.size() && !GoesBefore(children[i].rect, children[order[j]].rect, align)) ++j;
      order.insert(order.begin() + static_cast<std::ptrdiff_t>(j), i);
    }
    for (size_t i : order) Position(children[i], align, remaining, out[i]);
  }
  return out;
}

int SplitterNeighbour(EAlign splitter_align, const TRect& s, const std::vector<RAlignChild>& children) {
  int px = s.left;
  int py = s.top;
  switch (splitter_align) {
    case EAlign::Left: --px; break;
    case EAlign::Right: px += s.width; break;
    case EAlign::Top: --py; break;
    case EAlign::Bottom: py += s.height; break;
    default: return -1;
  }
  const bool near_side = splitter_align == EAlign::Left || splitter_align == EAlign::Top;
  for (size_t i = 0; i < children.size(); ++i) {
    const RAlignChild& c = children[i];
    if (!c.visible) continue;
    int l = c.rect.left, t = c.rect.top, r = c.rect.Right(), b = c.rect.Bottom();
    if (r == l) (near_side ? l : r) += near_side ? -1 : 1;
    if (b == t) (near_side ? t : b) += near_side ? -1 : 1;
    if (px >= l && px < r && py >= t && py < b) return static_cast<int>(i);
  }
  return -1;
}

int SplitterMaxSize(EAlign splitter_align, const TRect& client, int min_size, int neighbour_index,
                    const std::vector<RAlignChild>& children) {
  const bool across = splitter_align == EAlign::Left || splitter_align == EAlign::Right;
  int max = (across ? client.width : client.height) - min_size;
  for (size_t i = 0; i < children.size(); ++i) {
    const RAlignChild& c = children[i];
    if (!c.visible || static_cast<int>(i) == neighbour_index) continue;
    const bool same = across ? (c.align == EAlign::Left || c.align == EAlign::Right)
                             : (c.align == EAlign::Top || c.align == EAlign::Bottom);
    if (same) max -= across ? c.rect.width : c.rect.height;
  }
  return max;
}

int SplitterNewSize(EAlign splitter_align, int size_at_press, int delta, int min_size, int max_size) {
  const bool far_side = splitter_align == EAlign::Right || splitter_align == EAlign::Bottom;
  const int size = far_side ? size_at_press - delta : size_at_press + delta;
  if (size < min_size) return min_size;
  if (size > max_size) return std::max(min_size, max_size);
  return size;
}

}  // namespace remont
