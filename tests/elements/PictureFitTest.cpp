#include "elements/PictureFit.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace remont {
namespace {

std::string Show(const std::optional<RPictureFit>& f) {
  if (!f) return "none";
  std::ostringstream s;
  s << f->width << "x" << f->height << (f->stretch ? " stretch" : "") << (f->changed ? " changed" : "");
  return s.str();
}

struct FitCase {
  const char* name;
  int w, h;    // the picture
  int pw, ph;  // the parent
  RScaleBounds bounds;
  const char* fitted;  // Show() of the result
};

TEST(FitPicture, SizeRule) {
  const FitCase cases[] = {
      {"wide picture takes the parent's width", 800, 400, 400, 300, {}, "400x200 stretch changed"},
      {"tall picture shrinks to the parent's height", 400, 800, 400, 300, {}, "150x300 stretch changed"},
      {"max 100%: a small picture is never enlarged", 200, 100, 800, 600, {0, 1}, "200x100"},
      {"min 50% may leave the picture wider than the parent", 400, 100, 100, 300, {0.5, 0}, "200x50 stretch changed"},
      {"fractions round up", 300, 200, 100, 100, {}, "100x67 stretch changed"},
      {"already the parent's width", 400, 200, 400, 300, {}, "400x200"},
      {"enlarged to the parent's width", 100, 50, 400, 300, {}, "400x200 stretch changed"},
      {"enlarged up to the maximum", 100, 50, 1000, 1000, {0, 2}, "200x100 stretch changed"},
      {"the height wins over the minimum", 400, 100, 100, 20, {0.5, 0}, "80x20 stretch changed"},
      {"a maximum above the scale does not bound it", 200, 100, 300, 300, {0, 2}, "300x150 stretch changed"},
      {"a minimum below the scale does not bound it", 200, 100, 300, 300, {0.5, 0}, "300x150 stretch changed"},
      {"resampled, yet rounded back to the same size", 1000, 100, 1000, 100, {0, 0.9995}, "1000x100 stretch"},
      {"the width is the parent's, not one more", 7, 7, 29, 100, {}, "29x29 stretch changed"},
      {"the height is the parent's, not one more", 50, 50, 152, 84, {}, "84x84 stretch changed"},
      {"a percentage bound is not off by one", 100, 100, 1000, 1000, {0, 0.07}, "7x7 stretch changed"},
      {"a fraction just above a whole number still rounds up", 3, 1, 1000, 1000, {0, 1.0001}, "4x2 stretch changed"},
      {"a parent of no width", 800, 400, 0, 300, {}, "none"},
      {"a parent of no height", 800, 400, 400, 0, {}, "none"},
      {"a picture of no size", 0, 0, 400, 300, {}, "none"},
      {"a picture of no width", 0, 10, 400, 300, {}, "none"},
      {"a picture of no height", 10, 0, 400, 300, {}, "none"},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(Show(FitPicture(c.w, c.h, c.pw, c.ph, c.bounds)), c.fitted) << c.name;
  }
}

struct RefitCase {
  const char* name;
  int nw, nh;  // natural size
  int sw, sh;  // shown size
  int pw, ph;  // parent
  RScaleBounds bounds;
  bool refit;
};

TEST(NeedsRefit, ComparesTheFitOfTheNaturalSizeWithTheShownOne) {
  const RefitCase cases[] = {
      {"shown at its fitted size", 800, 400, 400, 200, 400, 300, {}, false},
      {"the parent grew", 800, 400, 400, 200, 600, 300, {}, true},
      {"the parent shrank in height", 800, 400, 400, 200, 400, 100, {}, true},
      {"only the width differs", 800, 400, 399, 200, 400, 300, {}, true},
      {"only the height differs", 800, 400, 400, 199, 400, 300, {}, true},
      {"bounded by the maximum and shown at it", 200, 100, 200, 100, 800, 600, {0, 1}, false},
      {"fractions round up as in the fit", 300, 200, 100, 67, 100, 100, {}, false},
      {"no natural width", 0, 400, 1, 1, 400, 300, {}, false},
      {"no natural height", 800, 0, 1, 1, 400, 300, {}, false},
      {"a parent of no width: the scale is 0", 800, 400, 1, 1, 0, 300, {}, false},
      {"a parent of no height: the factor is 0", 800, 400, 1, 1, 400, 0, {}, false},
      {"a parent of no width with a minimum scale", 800, 400, 1, 1, 0, 300, {0.25, 0}, true},
      {"a parent of no width, shown at the minimum", 800, 400, 200, 100, 0, 300, {0.25, 0}, false},
  };
  for (const RefitCase& c : cases) {
    EXPECT_EQ(NeedsRefit(c.nw, c.nh, c.sw, c.sh, c.pw, c.ph, c.bounds), c.refit) << c.name;
  }
}

}  // namespace
}  // namespace remont
