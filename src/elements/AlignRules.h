// Alignment of elements in their container, the way the descriptions' home
// platform aligns controls, and the splitter that resizes an aligned element.
//
// Within one container, of the visible children:
//   1. those aligned top are stacked from the top edge down, ordered by their
//      current top (ties: the one made first goes higher);
//   2. those aligned bottom from the bottom edge up, ordered by their current
//      bottom, lowest first (ties: the one made later goes lower);
//   3. those aligned left and right fill, from the left and right edges
//      inward, the height that the two stacks leave (left: by current left,
//      ties in creation order; right: by current right, rightmost first, ties:
//      the one made later goes further right);
//   4. the one aligned client takes the rectangle that remains (several:
//      each takes it, in creation order).
// Each child keeps its own height (top, bottom) or width (left, right) and is
// stretched along the other direction; a size that the remaining rectangle
// cannot hold (it went negative) is the child's own. Size limits of a child
// are obeyed, and the remaining rectangle then follows the size it took.
// "none" and "custom" children, and hidden ones, are not moved and take no
// space.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "elements/ControlRules.h"

namespace remont {

enum class EAlign { None, Top, Bottom, Left, Right, Client, Custom };

// The align key: matched without regard to case (and surrounding blanks);
// any other value gives none.
EAlign ParseAlign(const std::string& value);
const char* AlignName(EAlign align);
// Top, bottom, left, right and client are laid out; none and custom are not.
inline bool IsLaidOut(EAlign a) { return a != EAlign::None && a != EAlign::Custom; }

struct RAlignChild {
  EAlign align = EAlign::None;
  bool visible = true;
  TRect rect;  // current bounds, in the container's coordinates
  int min_width = 0;
  int min_height = 0;
  int max_width = INT_MAX;
  int max_height = INT_MAX;
};

// The bounds of every child after alignment in the container's client
// rectangle; children are given in creation order, and those the layout does
// not move keep their rect.
std::vector<TRect> AlignChildren(const TRect& client, const std::vector<RAlignChild>& children);

// The splitter's drag. The neighbour is the visible element the splitter
// resizes: for a left-aligned splitter the one whose bounds hold the point
// just left of the splitter's top-left corner (right: just right of its
// right edge; top: just above; bottom: just below); an element with no width
// or height counts as one pixel on the splitter's side. -1 when none.
int SplitterNeighbour(EAlign splitter_align, const TRect& splitter, const std::vector<RAlignChild>& children);
// Largest size the neighbour may take: the container's client size along the
// split less the minimum size and the sizes of every visible element aligned
// along the same direction (left and right, or top and bottom), the neighbour
// excepted.
int SplitterMaxSize(EAlign splitter_align, const TRect& client, int min_size, int neighbour_index,
                    const std::vector<RAlignChild>& children);
// The neighbour's size after the mouse moved delta pixels from where it was
// pressed (right or down positive), held between min_size and max_size.
int SplitterNewSize(EAlign splitter_align, int size_at_press, int delta, int min_size, int max_size);

}  // namespace remont
