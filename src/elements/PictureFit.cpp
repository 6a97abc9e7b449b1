#include "elements/PictureFit.h"

#include <cmath>

namespace remont {
namespace {

constexpr double kNoise = 1e-9;

struct RScaled {
  double width = 0;
  double height = 0;
  double multiplier = 0;  // the scale, or the height factor when it ran
};

RScaled Scale(int width, int height, int parent_width, int parent_height, const RScaleBounds& bounds) {
  const double w = width;
  const double h = height;
  double scale = parent_width / w;
  if (bounds.min_scale != 0 && scale < bounds.min_scale) scale = bounds.min_scale;
  if (bounds.max_scale != 0 && scale > bounds.max_scale) scale = bounds.max_scale;
  RScaled r{w * scale, h * scale, scale};
  if (parent_height < r.height) {
    const double factor = parent_height / r.height;
    r.width *= factor;
    r.height *= factor;
    r.multiplier = factor;
  }
  return r;
}

// Up to the next whole pixel; what lies within kNoise of a whole number is
// that number (the rounding of the float steps, not a fraction of a pixel).
int RoundUp(double size) { return static_cast<int>(std::ceil(size - kNoise)); }

}  // namespace

std::optional<RPictureFit> FitPicture(int width, int height, int parent_width, int parent_height,
                                      const RScaleBounds& bounds) {
  if (parent_width == 0 || parent_height == 0 || width <= 0 || height <= 0) return std::nullopt;
  const RScaled s = Scale(width, height, parent_width, parent_height, bounds);
  RPictureFit fit;
  fit.width = RoundUp(s.width);
  fit.height = RoundUp(s.height);
  fit.stretch = s.multiplier != 1;
  fit.changed = fit.width != width || fit.height != height;
  return fit;
}

bool NeedsRefit(int natural_width, int natural_height, int shown_width, int shown_height, int parent_width,
                int parent_height, const RScaleBounds& bounds) {
  if (natural_width <= 0 || natural_height <= 0) return false;
  const RScaled s = Scale(natural_width, natural_height, parent_width, parent_height, bounds);
  if (s.multiplier == 0) return false;
  return RoundUp(s.width) != shown_width || RoundUp(s.height) != shown_height;
}

}  // namespace remont
