#include "description/SavedState.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"

namespace remont {
namespace {

TEST(FavoriteList, NewestFirstAtMostTwentyNoneTwiceInAnyCase) {
  TFavoriteList list;
  EXPECT_TRUE(list.Add("A=a.htm"));
  EXPECT_TRUE(list.Add("B=b.htm"));
  EXPECT_FALSE(list.Add("a=A.HTM"));  // already there, in other letter case: nothing moves
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"B=b.htm", "A=a.htm"}));
  EXPECT_TRUE(list.Add(Ru("Тормоза=brakes.htm")));
  EXPECT_FALSE(list.Add(Ru("ТОРМОЗА=BRAKES.HTM")));  // Cyrillic folds too
  for (int i = 0; i < 17; ++i) list.Add("N" + std::to_string(i) + "=n.htm");
  ASSERT_EQ(list.Count(), 20);
  EXPECT_EQ(list.Entries().back(), "A=a.htm");
  EXPECT_TRUE(list.Add("last=z.htm"));  // the 21st
  EXPECT_EQ(list.Count(), 20);
  EXPECT_EQ(list.Entries().front(), "last=z.htm");
  EXPECT_EQ(list.Entries().back(), "B=b.htm");  // the oldest went
}

TEST(FavoriteList, TheNewestEntryHoldingATextAnyCase) {
  TFavoriteList list;
  list.Add("Old=html_load*h*pages/a.htm");
  list.Add("New=html_load*h*pages/a.htm#part");
  list.Add("Other=html_load*h*pages/b.htm");
  EXPECT_EQ(list.FindContaining("PAGES/A.HTM"), 1);  // the newest of the two
  list.Remove(1);
  EXPECT_EQ(list.FindContaining("pages/a.htm"), 1);
  EXPECT_EQ(list.FindContaining("nowhere"), -1);
  list.Remove(7);  // outside: nothing
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(SplitFavorite("Cap=x=y"), (std::pair<std::string, std::string>{"Cap", "x=y"}));
  EXPECT_EQ(SplitFavorite("bare"), (std::pair<std::string, std::string>{"bare", ""}));
  EXPECT_EQ(FavoriteValueName(19), "favorite_19");
}

TEST(WindowPosition, TextAndGarbage) {
  RWindowPos p;
  p.top = 40;
  p.left = -8;
  p.width = 800;
  p.height = 600;
  p.maximised = true;
  EXPECT_EQ(PositionText(p), "40;-8;800;600;1");
  const auto back = ParsePosition("40;-8;800;600;1");
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->top, 40);
  EXPECT_EQ(back->left, -8);
  EXPECT_EQ(back->width, 800);
  EXPECT_EQ(back->height, 600);
  EXPECT_TRUE(ParsePosition("1;2;3;4").has_value());  // the flag is not read
  for (const char* bad : {"", "1;2;3", "1;2;x;4;0", ";;;;", "1;2;3;4x;0", "garbage"})
    EXPECT_FALSE(ParsePosition(bad).has_value()) << bad;
}

TEST(WindowPosition, BackOntoAScreenThatShowsIt) {
  const std::vector<TRect> one = {{0, 0, 1280, 1024}};
  const std::vector<TRect> two = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
  struct Case {
    const char* name;
    TRect window;
    std::vector<TRect> screens;
    TRect want;
  };
  const Case cases[] = {
      {"on the screen", {100, 50, 800, 600}, one, {100, 50, 800, 600}},
      {"partly off but its top edge shown", {900, 500, 800, 600}, one, {900, 500, 800, 600}},
      {"on the second monitor", {1500, 100, 800, 600}, two, {1500, 100, 800, 600}},
      {"the second monitor removed", {1500, 100, 800, 600}, one, {480, 100, 800, 600}},
      {"above the screen", {100, -700, 800, 600}, one, {100, 0, 800, 600}},
      {"larger than the smaller screen", {-50, 3000, 2000, 1500}, one, {0, 0, 1280, 1024}},
  };
  for (const auto& c : cases) {
    const TRect r = FitOnScreens(c.window, c.screens);
    EXPECT_EQ(r, c.want) << c.name << ": " << r.left << "," << r.top << " " << r.width << "x" << r.height;
  }
}

}  // namespace
}  // namespace remont
