// Fitting a picture to its parent, the arithmetic of the image element's
// scale key. With w × h the picture and P the parent's outer size, in 64-bit
// floats:
//   1. scale := P.width ÷ w, raised to the minimum scale and lowered to the
//      maximum scale (a bound of 0 is no bound);
//   2. w′ := w × scale, h′ := h × scale;
//   3. when P.height < h′ the picture shrinks to the parent's height, even
//      below the minimum scale: factor := P.height ÷ h′, w′ and h′ times it;
//   4. the size is ⌈w′⌉ × ⌈h′⌉; the picture is stretched unless the last
//      multiplier (the factor when step 3 ran, else the scale) is exactly 1.
// Rounding up ignores what the float steps add below a billionth of a pixel:
// 7 × (29 ÷ 7) comes out 29.000000000000004, and a picture fitted to a parent
// 29 wide must not become 30 wide.
#pragma once

#include <optional>

namespace remont {

struct RScaleBounds {
  double min_scale = 0;  // 0: no lower bound
  double max_scale = 0;  // 0: no upper bound
};

struct RPictureFit {
  int width = 0;         // rounded up
  int height = 0;
  bool stretch = false;  // the picture is resampled (the multiplier is not exactly 1)
  bool changed = false;  // the size differs from the picture's
};

// The fitted size of a width × height picture; nothing is fitted (nullopt)
// when the parent's width or height is 0 or the picture has no area.
std::optional<RPictureFit> FitPicture(int width, int height, int parent_width, int parent_height,
                                      const RScaleBounds& bounds);

// Whether a picture of natural_width × natural_height, shown at shown_width ×
// shown_height, must be fitted again for the parent: false when the natural
// size has a 0 side or the multiplier comes out 0 (a parent of no width with
// no lower bound, a parent of no height), else whether the fitted size
// differs from the one shown.
bool NeedsRefit(int natural_width, int natural_height, int shown_width, int shown_height, int parent_width,
                int parent_height, const RScaleBounds& bounds);

}  // namespace remont
