#include "pages/PreviewRules.h"

#include <gtest/gtest.h>

namespace remont {
namespace {

TEST(PreviewRules, PrintZoomClicksAndTheirBounds) {
  // From 1.0: two left clicks reach 0.64 (156.25 %) and a third changes nothing.
  double s = 1.0;
  s = NextPrintScale(s, false);
  s = NextPrintScale(s, false);
  EXPECT_DOUBLE_EQ(s, 0.64);
  EXPECT_DOUBLE_EQ(100 / s, 156.25);
  EXPECT_DOUBLE_EQ(NextPrintScale(s, false), 0.64);
  // Right clicks: 1.25, 1.5625, 1.953125 (51.2 %), 2.44140625 (40.96 %), then nothing.
  s = 1.0;
  const double want[] = {1.25, 1.5625, 1.953125, 2.44140625};
  for (double w : want) {
    s = NextPrintScale(s, true);
    EXPECT_DOUBLE_EQ(s, w);
  }
  EXPECT_DOUBLE_EQ(100 / 1.953125, 51.2);
  EXPECT_DOUBLE_EQ(100 / s, 40.96);
  EXPECT_DOUBLE_EQ(NextPrintScale(s, true), s);
}

TEST(PreviewRules, ViewZoomStopsAtTwentyAndATenth) {
  double z = 1.0;
  for (int i = 0; i < 40; ++i) z = NextViewZoom(z, true);
  EXPECT_GE(z, 20.0);
  EXPECT_LT(z, 20.0 * 1.25);
  EXPECT_DOUBLE_EQ(NextViewZoom(z, true), z);
  for (int i = 0; i < 80; ++i) z = NextViewZoom(z, false);
  EXPECT_LE(z, 0.1);
  EXPECT_GT(z, 0.1 / 1.25);
  EXPECT_DOUBLE_EQ(NextViewZoom(z, false), z);
}

TEST(PreviewRules, LayoutOfTheSheets) {
  RPreviewInput in;
  in.client_width = 620;
  in.client_height = 520;
  in.ppi = 100;
  in.paper_width = 8;
  in.paper_height = 10;
  struct Case {
    int choice;
    bool two;
    double zoom;
    int page_w, page_h, holder_w, holder_h, left, top, left2;
    bool second;
  };
  const Case cases[] = {
      // Whole page: the smaller of 500/100/10 and 600/100/8; 20 pixels to spare;
      // centred with integer halves (619 div 2 - 400 div 2).
      {0, false, 0.5, 400, 500, 619, 520, 109, 10, 529, false},
      // Page width.
      {1, false, 0.75, 600, 750, 620, 770, 10, 10, 630, false},
      // 25 %: a quarter of the real size, centred.
      {3, false, 0.25, 200, 250, 619, 519, 209, 134, 429, false},
      // Two sheets side by side at 25 %.
      {3, true, 0.25, 200, 250, 619, 519, 99, 134, 319, true},
      // Whole page forces one sheet even when two were asked for.
      {0, true, 0.5, 400, 500, 619, 520, 109, 10, 529, false},
      // Any other choice: 100 %.
      {42, false, 1.0, 800, 1000, 820, 1020, 10, 10, 830, false},
  };
  for (const auto& c : cases) {
    in.choice = c.choice;
    in.two_pages = c.two;
    const RPreviewLayout l = LayoutPreview(in);
    SCOPED_TRACE(c.choice);
    EXPECT_DOUBLE_EQ(l.zoom, c.zoom);
    EXPECT_EQ(l.page_width, c.page_w);
    EXPECT_EQ(l.page_height, c.page_h);
    EXPECT_EQ(l.holder_width, c.holder_w);
    EXPECT_EQ(l.holder_height, c.holder_h);
    EXPECT_EQ(l.page1_left, c.left);
    EXPECT_EQ(l.page_top, c.top);
    EXPECT_EQ(l.page2_left, c.left2);
    EXPECT_EQ(l.page2_visible, c.second);
  }
  in.choice = 2;
  in.current_zoom = 1.5625;
  EXPECT_DOUBLE_EQ(LayoutPreview(in).zoom, 1.5625);  // as the clicks set it
  in.has_zoom_list = false;
  EXPECT_DOUBLE_EQ(LayoutPreview(in).zoom, 0.5);  // without a list, the whole page
}

TEST(PreviewRules, IndicatorTemplatesAndThePageNumber) {
  const double page[] = {3, 12};
  EXPECT_EQ(FillTemplate("Страница %d из %d", page, 2), "Страница 3 из 12");
  const double zoom[] = {156.25};
  EXPECT_EQ(FillTemplate("%g", zoom, 1) + "%", "156.25%");
  EXPECT_EQ(FillTemplate("Масштаб %.0f", zoom, 1), "Масштаб 156");
  EXPECT_EQ(FillTemplate("100%% %d", page, 1), "100% 3");
  EXPECT_EQ(FillTemplate("no fields %d %d %d", page, 2), "no fields 3 12 %d");
  EXPECT_EQ(PageNumberX(600, 10, 1.25), 600 - 5 - 13);  // 12.5 rounds up
  EXPECT_EQ(PageNumberY(1.25), 38 + 10);               // 37.5 rounds up
}

}  // namespace
}  // namespace remont
