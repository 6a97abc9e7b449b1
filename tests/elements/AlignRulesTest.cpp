#include "elements/AlignRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace remont {
namespace {

using A = EAlign;

std::string Show(const TRect& r) {
  std::ostringstream s;
  s << r.left << "," << r.top << " " << r.width << "x" << r.height;
  return s.str();
}

RAlignChild Child(A align, TRect rect, bool visible = true) {
  RAlignChild c;
  c.align = align;
  c.rect = rect;
  c.visible = visible;
  return c;
}

TEST(ParseAlign, ValuesInAnyCaseOthersGiveNone) {
  const std::pair<const char*, A> cases[] = {
      {"top", A::Top},       {"BOTTOM", A::Bottom}, {"Left", A::Left},  {" right ", A::Right},
      {"cLiEnt", A::Client}, {"custom", A::Custom}, {"none", A::None}, {"alClient", A::None},
      {"", A::None},         {"middle", A::None},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseAlign(text), want) << text;
}

// Each case: the children in creation order and where each must end up in a
// 400 x 300 client area.
struct LayoutCase {
  const char* name;
  std::vector<RAlignChild> children;
  std::vector<TRect> want;
};

TEST(AlignChildren, Table) {
  const TRect client{0, 0, 400, 300};
  const std::vector<LayoutCase> cases = {
      {"a reading page: bar top, tree left, splitter left, page client, status bottom",
       {Child(A::Top, {0, 0, 50, 40}), Child(A::Left, {0, 0, 120, 10}), Child(A::Left, {0, 0, 3, 10}),
        Child(A::Client, {0, 0, 10, 10}), Child(A::Bottom, {0, 0, 50, 20})},
       {{0, 0, 400, 40}, {0, 40, 120, 240}, {120, 40, 3, 240}, {123, 40, 277, 240}, {0, 280, 400, 20}}},
      {"the same page with the client made first",
       {Child(A::Client, {0, 0, 10, 10}), Child(A::Bottom, {0, 0, 50, 20}), Child(A::Left, {0, 0, 120, 10}),
        Child(A::Top, {0, 0, 50, 40})},
       {{120, 40, 280, 240}, {0, 280, 400, 20}, {0, 40, 120, 240}, {0, 0, 400, 40}}},
      {"two tops, equal current tops: the one made first goes higher",
       {Child(A::Top, {0, 0, 10, 30}), Child(A::Top, {0, 0, 10, 20})},
       {{0, 0, 400, 30}, {0, 30, 400, 20}}},
      {"two tops made in one order, ordered by their current tops",
       {Child(A::Top, {0, 100, 10, 30}), Child(A::Top, {0, 5, 10, 20})},
       {{0, 20, 400, 30}, {0, 0, 400, 20}}},
      {"the same two tops made in the other order",
       {Child(A::Top, {0, 5, 10, 20}), Child(A::Top, {0, 100, 10, 30})},
       {{0, 0, 400, 20}, {0, 20, 400, 30}}},
      {"two bottoms, equal current bottoms: the one made later goes lower",
       {Child(A::Bottom, {0, 0, 10, 20}), Child(A::Bottom, {0, 10, 10, 10})},
       {{0, 270, 400, 20}, {0, 290, 400, 10}}},
      {"two bottoms ordered by their current bottoms, lowest first",
       {Child(A::Bottom, {0, 250, 10, 40}), Child(A::Bottom, {0, 100, 10, 30})},
       {{0, 260, 400, 40}, {0, 230, 400, 30}}},
      {"lefts and rights fill inward; rights rightmost first, ties to the later",
       {Child(A::Right, {0, 0, 30, 10}), Child(A::Left, {50, 0, 40, 10}), Child(A::Left, {10, 0, 20, 10}),
        Child(A::Right, {0, 0, 50, 10})},
       {{320, 0, 30, 300}, {20, 0, 40, 300}, {0, 0, 20, 300}, {350, 0, 50, 300}}},
      {"hidden children take no space and are not moved",
       {Child(A::Top, {7, 7, 10, 30}, false), Child(A::Top, {0, 0, 10, 20}), Child(A::Client, {1, 2, 3, 4}, false),
        Child(A::Left, {0, 0, 60, 10})},
       {{7, 7, 10, 30}, {0, 0, 400, 20}, {1, 2, 3, 4}, {0, 20, 60, 280}}},
      {"none and custom stay where their keys put them",
       {Child(A::None, {5, 6, 7, 8}), Child(A::Custom, {9, 10, 11, 12}), Child(A::Client, {0, 0, 1, 1})},
       {{5, 6, 7, 8}, {9, 10, 11, 12}, {0, 0, 400, 300}}},
      {"several clients each take the whole remainder",
       {Child(A::Client, {0, 0, 1, 1}), Child(A::Top, {0, 0, 1, 100}), Child(A::Client, {0, 0, 1, 1})},
       {{0, 100, 400, 200}, {0, 0, 400, 100}, {0, 100, 400, 200}}},
      {"stacks taller than the client: a left child keeps its own height",
       {Child(A::Top, {0, 0, 1, 200}), Child(A::Bottom, {0, 0, 1, 150}), Child(A::Left, {0, 0, 30, 77}),
        Child(A::Client, {0, 0, 5, 6})},
       {{0, 0, 400, 200}, {0, 150, 400, 150}, {0, 200, 30, 77}, {30, 200, 370, 6}}},
  };
  for (const auto& c : cases) {
    const auto got = AlignChildren(client, c.children);
    ASSERT_EQ(got.size(), c.want.size()) << c.name;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(Show(got[i]), Show(c.want[i])) << c.name << ", child " << i;
  }
}

TEST(AlignChildren, EachOrderOfCreationGivesTheSameWindow) {
  // Distinct current positions decide, whatever order the sections came in.
  std::vector<RAlignChild> base = {Child(A::Top, {0, 0, 1, 40}),     Child(A::Top, {0, 40, 1, 20}),
                                   Child(A::Bottom, {0, 280, 1, 20}), Child(A::Left, {0, 60, 100, 1}),
                                   Child(A::Right, {370, 60, 30, 1}), Child(A::Client, {0, 0, 1, 1})};
  const TRect client{0, 0, 400, 300};
  const auto reference = AlignChildren(client, base);
  std::vector<size_t> perm = {0, 1, 2, 3, 4, 5};
  int orders = 0;
  do {
    std::vector<RAlignChild> made;
    for (size_t i : perm) made.push_back(base[i]);
    const auto got = AlignChildren(client, made);
    for (size_t k = 0; k < perm.size(); ++k)
      ASSERT_EQ(Show(got[k]), Show(reference[perm[k]])) << "order " << orders << ", child " << perm[k];
    ++orders;
  } while (std::next_permutation(perm.begin(), perm.end()));
  EXPECT_EQ(Show(reference[5]), Show({100, 60, 270, 220}));
}

TEST(AlignChildren, ResizingTheContainerKeepsOwnSizesAndStretchesTheRest) {
  std::vector<RAlignChild> page = {Child(A::Top, {0, 0, 1, 40}), Child(A::Left, {0, 0, 150, 1}),
                                   Child(A::Client, {0, 0, 1, 1})};
  for (const auto& [w, h] : {std::pair{800, 600}, std::pair{200, 100}, std::pair{1920, 1040}}) {
    const auto got = AlignChildren({0, 0, w, h}, page);
    EXPECT_EQ(Show(got[0]), Show({0, 0, w, 40}));
    EXPECT_EQ(Show(got[1]), Show({0, 40, 150, h - 40}));
    EXPECT_EQ(Show(got[2]), Show({150, 40, w - 150, h - 40}));
    // Laid out again from its own result, the page stays as it is.
    for (size_t i = 0; i < page.size(); ++i) page[i].rect = got[i];
    const auto again = AlignChildren({0, 0, w, h}, page);
    for (size_t i = 0; i < page.size(); ++i) EXPECT_EQ(Show(again[i]), Show(got[i]));
  }
}

TEST(AlignChildren, NestedContainersAlignInTheirOwnClientArea) {
  // A left panel holding a caption on top and its tree below; its client area
  // is the rectangle the window gave it, less a one-pixel frame.
  const auto outer = AlignChildren({0, 0, 500, 400}, {Child(A::Top, {0, 0, 1, 30}), Child(A::Left, {0, 0, 200, 1})});
  const TRect panel = outer[1];
  EXPECT_EQ(Show(panel), Show({0, 30, 200, 370}));
  const TRect inner{1, 1, panel.width - 2, panel.height - 2};
  const auto got = AlignChildren(inner, {Child(A::Top, {0, 0, 1, 24}), Child(A::Client, {0, 0, 1, 1})});
  EXPECT_EQ(Show(got[0]), Show({1, 1, 198, 24}));
  EXPECT_EQ(Show(got[1]), Show({1, 25, 198, 344}));
}

TEST(AlignChildren, SizeLimitsWinAndTheRemainderFollows) {
  RAlignChild tree = Child(A::Left, {0, 0, 100, 1});
  tree.max_height = 120;  // a tree with max_height
  RAlignChild page = Child(A::Client, {0, 0, 1, 1});
  page.max_width = 250;
  RAlignChild bar = Child(A::Top, {0, 0, 1, 10});
  bar.min_width = 500;
  const auto got = AlignChildren({0, 0, 400, 300}, {bar, tree, page});
  EXPECT_EQ(Show(got[0]), Show({0, 0, 500, 10}));
  EXPECT_EQ(Show(got[1]), Show({0, 10, 100, 120}));
  EXPECT_EQ(Show(got[2]), Show({100, 10, 250, 290}));
}

TEST(Splitter, FindsItsNeighbourAndHoldsItBetweenTheLimits) {
  // tree (left, 150), splitter (left, 4), page (client), in a 600-wide area.
  const std::vector<RAlignChild> kids = {Child(A::Left, {0, 0, 150, 400}), Child(A::Left, {150, 0, 4, 400}),
                                         Child(A::Client, {154, 0, 446, 400})};
  EXPECT_EQ(SplitterNeighbour(A::Left, kids[1].rect, kids), 0);
  EXPECT_EQ(SplitterNeighbour(A::Right, kids[1].rect, kids), 2);
  EXPECT_EQ(SplitterNeighbour(A::None, kids[1].rect, kids), -1);
  const TRect client{0, 0, 600, 400};
  const int max = SplitterMaxSize(A::Left, client, 30, 0, kids);
  EXPECT_EQ(max, 600 - 30 - 4);  // the page keeps at least the minimum
  EXPECT_EQ(SplitterNewSize(A::Left, 150, 40, 30, max), 190);
  EXPECT_EQ(SplitterNewSize(A::Left, 150, -200, 30, max), 30);
  EXPECT_EQ(SplitterNewSize(A::Left, 150, 1000, 30, max), max);
  EXPECT_EQ(SplitterNewSize(A::Right, 150, 40, 30, max), 110);  // a right panel shrinks when dragged right

  // A neighbour without width still counts as one pixel on the splitter's side.
  const std::vector<RAlignChild> thin = {Child(A::Left, {0, 0, 0, 400}), Child(A::Left, {0, 0, 4, 400})};
  EXPECT_EQ(SplitterNeighbour(A::Left, thin[1].rect, thin), 0);
  // Hidden elements are not neighbours.
  const std::vector<RAlignChild> hidden = {Child(A::Top, {0, 0, 600, 50}, false), Child(A::Top, {0, 50, 600, 4})};
  EXPECT_EQ(SplitterNeighbour(A::Top, hidden[1].rect, hidden), -1);
}

}  // namespace
}  // namespace remont
