#include "description/SavedState.h"

#include <algorithm>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {

bool TFavoriteList::Add(const std::string& entry) {
  const std::string folded = LowerCase(entry);
  for (const std::string& e : entries_)
    if (LowerCase(e) == folded) return false;
  entries_.insert(entries_.begin(), entry);
  if (Count() > kMax) entries_.pop_back();
  return true;
}

int TFavoriteList::FindContaining(const std::string& text) const {
  const std::string folded = LowerCase(text);
  for (int i = 0; i < Count(); ++i)
    if (LowerCase(entries_[static_cast<size_t>(i)]).find(folded) != std::string::npos) return i;
  return -1;
}

void TFavoriteList::Remove(int index) {
  if (index >= 0 && index < Count()) entries_.erase(entries_.begin() + index);
}

std::pair<std::string, std::string> SplitFavorite(const std::string& entry) {
  std::string value = entry;
  std::string caption = CutToken(value, "=");
  return {caption, value};
}

std::string FavoriteValueName(int n) { return "favorite_" + std::to_string(n); }

std::string PositionText(const RWindowPos& pos) {
  return std::to_string(pos.top) + ";" + std::to_string(pos.left) + ";" + std::to_string(pos.width) + ";" +
         std::to_string(pos.height) + ";" + (pos.maximised ? "1" : "0");
}

std::optional<RWindowPos> ParsePosition(const std::string& text) {
  std::string rest = text;
  int fields[4] = {};
  for (int& f : fields) {
    if (rest.empty()) return std::nullopt;
    if (!TryStrToInt(CutToken(rest, ";"), f)) return std::nullopt;
  }
  RWindowPos pos;
  pos.top = fields[0];
  pos.left = fields[1];
  pos.width = fields[2];
  pos.height = fields[3];
  return pos;
}

namespace {

// How much of the window's top edge (its caption, where it is grabbed) a screen shows.
int TopEdgeShown(const TRect& w, const TRect& s) {
  const int band = std::min(w.height, 30);
  const int left = std::max(w.left, s.left), right = std::min(w.Right(), s.Right());
  const int top = std::max(w.top, s.top), bottom = std::min(w.top + band, s.Bottom());
  return right > left && bottom > top ? right - left : 0;
}

}  // namespace

TRect FitOnScreens(const TRect& window, const std::vector<TRect>& screens) {
  if (screens.empty()) return window;
  constexpr int kEnough = 100;  // pixels of the top edge that let the user take the window
  for (const TRect& s : screens)
    if (TopEdgeShown(window, s) >= std::min(kEnough, window.width)) return window;
  const TRect& s = screens.front();
  TRect r = window;
  r.width = std::min(std::max(r.width, 1), s.width);
  r.height = std::min(std::max(r.height, 1), s.height);
  r.left = std::clamp(r.left, s.left, s.Right() - r.width);
  r.top = std::clamp(r.top, s.top, s.Bottom() - r.height);
  return r;
}

}  // namespace remont
