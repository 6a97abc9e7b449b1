// What an engine keeps between runs, without the store itself: the list of
// favourites and the saved window position.
//
// Favourites: entries "caption=value", newest first, at most 20, none twice in
// any letter case (Latin and Cyrillic folded). They are stored as the values
// "favorite_0" (the newest) to "favorite_19" under the window's reg_dat path.
// The position is stored as "pos_" + window name: top;left;width;height;flag,
// the flag "1" for a maximised window (written, not read back).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "elements/ControlRules.h"

namespace remont {

class TFavoriteList {
 public:
  static constexpr int kMax = 20;

  // Inserts entry at the top unless the list holds it already (then false and
  // nothing changes, not even its place); beyond 20 the oldest goes.
  bool Add(const std::string& entry);
  // The newest entry that contains text (letter case aside); -1 for none.
  int FindContaining(const std::string& text) const;
  void Remove(int index);
  const std::vector<std::string>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::string> entries_;
};

// An entry's caption (up to its first "=") and value (the rest; empty without "=").
std::pair<std::string, std::string> SplitFavorite(const std::string& entry);
// "favorite_" + n.
std::string FavoriteValueName(int n);

struct RWindowPos {
  int top = 0;
  int left = 0;
  int width = 0;
  int height = 0;
  bool maximised = false;
};

std::string PositionText(const RWindowPos& pos);
// The first four fields as numbers; nothing when any of them is missing or
// not a number. The flag is not read.
std::optional<RWindowPos> ParsePosition(const std::string& text);

// A window restored onto screens that no longer show it comes back onto one:
// when no screen shows a good part of its top edge (where it is taken to be
// moved), it goes onto the first screen, as large as fits, as near its old
// place as it can be. screens are the usable areas, the primary one first.
TRect FitOnScreens(const TRect& window, const std::vector<TRect>& screens);

}  // namespace remont
