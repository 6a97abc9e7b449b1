#include "elements/ControlRules.h"

#include <gtest/gtest.h>

#include "common/ConvertError.h"
#include "common/Cp1251.h"

namespace remont {
namespace {

TEST(ShortenCaption, Table) {
  struct Case {
    const char* text;
    int limit;
    const char* want;
  };
  const Case cases[] = {
      {"Hello world foo", 8, "Hello..."},
      {"Hello wo", 8, "Hello..."},         // exactly the limit is shortened too
      {"Hello w", 8, "Hello w"},           // shorter than the limit
      {"Abcdefghijk", 8, "Abcdefg"},       // no space among the first 7: tail cut, no "..."
      {"Abcdefg hij", 8, "Abcdefg"},       // the space is the 8th character, not kept
      {"a b c d e f g", 8, "a b c..."},    // the last space of the kept part
      {" leading", 8, "..."},              // a space at the start leaves only "..."
      {"Hello world foo", 0, "Hello world foo"},
      {"", 1, ""},
      {"x", 1, ""},                        // limit 1 keeps nothing
  };
  for (const auto& c : cases) EXPECT_EQ(ShortenCaption(c.text, c.limit), c.want) << c.text << " " << c.limit;
}

TEST(ShortenCaption, CyrillicCountsBytesOfTheCodePage) {
  EXPECT_EQ(ShortenCaption(Ru("Двигатель и коробка"), 12), Ru("Двигатель..."));
}

TEST(ListLines, SplitAndStore) {
  struct Case {
    const char* line;
    const char* caption;
    const char* value;
  };
  const Case cases[] = {
      {"Engine#;#engine.htm", "Engine", "engine.htm"},
      {"No value here", "No value here", ""},
      {"#;#only value", "", "only value"},
      {"a#;#b#;#c", "a", "b#;#c"},   // the first separator splits
      {"a#;", "a#;", ""},            // a partial separator is text
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const auto [caption, value] = SplitListLine(c.line);
    EXPECT_EQ(caption, c.caption) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
    if (caption.find('#') == std::string::npos) {
      EXPECT_EQ(SplitListLine(ListStoreLine(caption, value)).second, value) << c.line;
    }
  }
  EXPECT_EQ(ListStoreLine("Cap", "v"), "Cap#;#v");
  // The store is read at its first separator, so a caption ending in "#;" shifts the value.
  EXPECT_EQ(SplitListLine(ListStoreLine("a#;", "")).second, ";#");
}

TEST(ComboLines, Split) {
  struct Case {
    const char* line;
    const char* caption;
    const char* value;
  };
  const Case cases[] = {
      {"Audi;audi.txt", "Audi", "audi.txt"},
      {"Whole line", "Whole line", ""},
      {";hidden", "", "hidden"},
      {"a;b;c", "a", "b;c"},
      {"a;", "a", ""},
  };
  for (const auto& c : cases) {
    const auto [caption, value] = SplitComboLine(c.line);
    EXPECT_EQ(caption, c.caption) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
  }
}

// Anchors: parent client 400x300 (outer 410x330), element at 20,30 sized 100x50.
TAnchorInput Input(const char* spec, bool panel = false) {
  TAnchorInput in;
  in.spec = spec;
  in.client_width = 400;
  in.client_height = 300;
  in.outer_width = 410;
  in.outer_height = 330;
  in.rect = {20, 30, 100, 50};
  in.panel = panel;
  return in;
}

TEST(ApplyAnchor, Table) {
  struct Case {
    const char* spec;
    bool panel;
    TRect rect;
    TAnchors anchors;
    bool centre_h, centre_v;
  };
  const Case cases[] = {
      {"10 10 10 10", false, {10, 10, 380, 280}, {true, true, true, true}, false, false},
      {"10 10 10 *", false, {10, 10, 380, 50}, {true, true, true, false}, false, false},
      {"* 5 5 *", false, {295, 5, 100, 50}, {false, true, true, false}, false, false},
      {"* * 5 5", false, {295, 245, 100, 50}, {false, false, true, true}, false, false},
      {"7 8 * *", false, {7, 8, 100, 50}, {true, true, false, false}, false, false},
      {"* * * *", false, {20, 30, 100, 50}, {}, false, false},
      // A panel is centred by the parent's outer size: (410-100)/2, (330-50)/2.
      {"* * * *", true, {155, 140, 100, 50}, {}, true, true},
      {"* 10 * 10", true, {155, 10, 100, 280}, {false, true, false, true}, true, false},
      {"* 10 * 10", false, {20, 10, 100, 280}, {false, true, false, true}, false, false},
      {"-5 0 0 0", false, {-5, 0, 405, 300}, {true, true, true, true}, false, false},
  };
  for (const auto& c : cases) {
    const TAnchorResult r = ApplyAnchor(Input(c.spec, c.panel));
    EXPECT_EQ(r.rect, c.rect) << c.spec << " panel " << c.panel;
    EXPECT_EQ(r.anchors, c.anchors) << c.spec << " panel " << c.panel;
    EXPECT_EQ(r.center_horz, c.centre_h) << c.spec;
    EXPECT_EQ(r.center_vert, c.centre_v) << c.spec;
  }
}

TEST(ApplyAnchor, BadFieldsRaiseTheConversionError) {
  for (const char* spec : {"10  10 10", "10 x 10 10", "10 10 10", "", "** 1 1 1", "1 1 1 1.5"}) {
    EXPECT_THROW(ApplyAnchor(Input(spec)), ConvertError) << '"' << spec << '"';
  }
}

TEST(FinalAnchors, PutBackOnlyWhenNoneWasSet) {
  const TAnchors left_top{true, true, false, false};
  const TAnchors right{false, false, true, false};
  EXPECT_EQ(FinalAnchors(left_top, TAnchors{}), left_top);
  EXPECT_EQ(FinalAnchors(left_top, right), right);
  EXPECT_EQ(FinalAnchors(TAnchors{}, TAnchors{}), TAnchors{});
}

TEST(FollowAnchors, FourTensFollowTheParent) {
  const TAnchorResult r = ApplyAnchor(Input("10 10 10 10"));
  const TRect grown = FollowAnchors(r.anchors, r.rect, 400, 300, 600, 500);
  EXPECT_EQ(grown, (TRect{10, 10, 580, 480}));
  const TRect shrunk = FollowAnchors(r.anchors, r.rect, 400, 300, 15, 12);
  EXPECT_EQ(shrunk, (TRect{10, 10, 0, 0}));  // never a negative size
}

TEST(FollowAnchors, SingleSidesAndNone) {
  const TRect rect{295, 5, 100, 50};
  EXPECT_EQ(FollowAnchors({false, true, true, false}, rect, 400, 300, 500, 400), (TRect{395, 5, 100, 50}));
  EXPECT_EQ(FollowAnchors({true, true, false, false}, rect, 400, 300, 500, 400), rect);
  // Neither side: the centre (150,40) keeps its share of the parent (300,80 at double size).
  EXPECT_EQ(FollowAnchors({}, TRect{100, 15, 100, 50}, 400, 300, 800, 600), (TRect{250, 55, 100, 50}));
}

TEST(ParseFont, Table) {
  struct Case {
    const char* spec;
    std::optional<std::string> name;
    std::optional<int> size;
    std::optional<int> colour;
    std::optional<TFontStyle> style;
  };
  const Case cases[] = {
      {"Arial", "Arial", {}, {}, {}},
      {"Arial*10", "Arial", 10, {}, {}},
      {"**#FF0000", {}, {}, 0x0000FF, {}},
      {"**FF0000", {}, {}, 0xFF0000, {}},
      {"***", {}, {}, {}, {}},
      {"***UB", {}, {}, {}, TFontStyle{true, false, true}},
      {"***bi", {}, {}, {}, TFontStyle{true, true, false}},
      {"***x", {}, {}, {}, TFontStyle{}},  // a style text without letters clears the style
      {"Tahoma*8*$000080*i*u", "Tahoma", 8, 0x000080, TFontStyle{false, true, true}},
      {"", {}, {}, {}, {}},
  };
  for (const auto& c : cases) {
    const TFontChange f = ParseFont(c.spec);
    EXPECT_EQ(f.name, c.name) << c.spec;
    EXPECT_EQ(f.size, c.size) << c.spec;
    EXPECT_EQ(f.colour, c.colour) << c.spec;
    EXPECT_EQ(f.style, c.style) << c.spec;
  }
}

TEST(ParseFont, BadNumbersRaise) {
  EXPECT_THROW(ParseFont("Arial*big"), ConvertError);
  EXPECT_THROW(ParseFont("**#GG0000"), ConvertError);
}

TEST(PercentSize, SetSizeTextAndApply) {
  struct Case {
    const char* text;
    int parent;
    bool is_percent;
    int pixels;  // the size after the key (applied when a percentage)
  };
  const Case cases[] = {
      {"50%", 250, true, 100},  // divide first: 250 div 100 * 50
      {"50%", 99, true, 0},     // a parent below 100 gives 0
      {"100%", 399, true, 300},
      {"50%", 0, true, 77},     // a parent of size 0 leaves the size
      {"0%", 500, true, 77},    // percentage 0 means pixels
      {"120", 250, false, 120},
  };
  for (const auto& c : cases) {
    int pixels = 77;
    int percent = 0;
    EXPECT_EQ(SetSizeText(c.text, pixels, percent), c.is_percent) << c.text;
    if (c.is_percent) {
      if (auto size = PercentOf(percent, c.parent)) pixels = *size;
    }
    EXPECT_EQ(pixels, c.pixels) << c.text << " in " << c.parent;
  }
  int pixels = 0, percent = 0;
  EXPECT_THROW(SetSizeText("abc%", pixels, percent), ConvertError);
  EXPECT_THROW(SetSizeText("", pixels, percent), ConvertError);
}

TEST(PercentSize, Remeasure) {
  EXPECT_EQ(RemeasurePercent(50, 100, 250), 50);  // 100 div (250 div 100)
  EXPECT_EQ(RemeasurePercent(50, 150, 300), 50);
  EXPECT_EQ(RemeasurePercent(50, 200, 300), 66);
  EXPECT_EQ(RemeasurePercent(0, 200, 300), 0);    // pixel sizes stay pixel sizes
  EXPECT_EQ(RemeasurePercent(40, 30, 99), 40);    // no unit: left as it was
}

TEST(CenteredPos, TruncatesTowardsZero) {
  EXPECT_EQ(CenteredPos(410, 100), 155);
  EXPECT_EQ(CenteredPos(101, 100), 0);
  EXPECT_EQ(CenteredPos(100, 103), -1);  // -3 div 2
  EXPECT_EQ(CenteredPos(100, 105), -2);
}

// A number rule over a plain string.
class StringBox : public TNumberRule {
 public:
  std::string text;

 protected:
  std::string NumberText() const override { return text; }
  void SetNumberText(const std::string& t) override { text = t; }
};

TEST(NumberRule, KeysAccepted) {
  for (char32_t c = 0; c < 0x80; ++c) EXPECT_EQ(TNumberRule::KeyAccepted(c), c >= '0' && c <= '9') << int(c);
  EXPECT_FALSE(TNumberRule::KeyAccepted(U'\b'));
  EXPECT_FALSE(TNumberRule::KeyAccepted(U'٣'));  // other scripts' digits are not digits here
}

TEST(NumberRule, GetNumber) {
  struct Case {
    bool numeric;
    const char* text;
    int want;
  };
  const Case cases[] = {{true, "", 0}, {true, "42", 42}, {true, "4x", 0}, {false, "42", 0},
                        {true, "99999999999", 0}, {true, "-7", -7}};
  for (const auto& c : cases) {
    StringBox b;
    b.SetNumeric(c.numeric);
    b.text = c.text;
    EXPECT_EQ(b.GetNumber(), c.want) << c.text;
  }
}

TEST(NumberRule, SetNumberOnlyWhenNumeric) {
  StringBox b;
  b.text = "abc";
  b.SetNumber(5);
  EXPECT_EQ(b.text, "abc");
  b.SetNumeric(true);
  b.SetNumber(5);
  EXPECT_EQ(b.text, "5");
}

TEST(NumberRule, LowerLimitOnKeyRelease) {
  StringBox b;
  b.SetNumeric(true);
  b.SetLowerLimit(10);
  EXPECT_EQ(b.text, "10");  // an empty box counts as 0 and is raised at once
  b.text = "5";
  b.KeyReleased();
  EXPECT_EQ(b.text, "10");
  b.text = "25";
  b.KeyReleased();
  EXPECT_EQ(b.text, "25");
}

TEST(NumberRule, LinkedBoxesRaiseButNeverLower) {
  StringBox from, to;
  from.SetNumeric(true);
  to.SetNumeric(true);
  from.SetMinLink(&to);
  ASSERT_EQ(from.MinLink(), &to);
  to.text = "20";
  from.text = "30";
  from.KeyReleased();
  EXPECT_EQ(to.text, "30");
  EXPECT_EQ(to.LowerLimit(), 30);
  from.text = "3";
  from.KeyReleased();
  EXPECT_EQ(to.text, "30");  // lowering the first leaves the second
  EXPECT_EQ(to.LowerLimit(), 3);
  to.text = "4";
  to.KeyReleased();
  EXPECT_EQ(to.text, "4");
}

TEST(NumberRule, LinkOnlyToANumericBox) {
  StringBox a, plain, numeric;
  a.SetNumeric(true);
  numeric.SetNumeric(true);
  a.SetMinLink(&numeric);
  EXPECT_EQ(a.MinLink(), &numeric);
  a.SetMinLink(&plain);
  EXPECT_EQ(a.MinLink(), nullptr);
  a.SetMinLink(nullptr);
  EXPECT_EQ(a.MinLink(), nullptr);
}

TEST(NumberRule, LinksInACircleSettle) {
  StringBox a, b;
  a.SetNumeric(true);
  b.SetNumeric(true);
  a.SetMinLink(&b);
  b.SetMinLink(&a);
  a.SetNumber(7);
  EXPECT_EQ(a.text, "7");
  EXPECT_EQ(b.text, "7");
}

TEST(SpinBounds, DefaultsAndSetters) {
  TSpinBounds s;
  const struct {
    long double in, out;
  } clamp[] = {{-5, -1}, {-1, -1}, {0, 0}, {1000000, 1000000}, {1000001, 1000000}};
  for (const auto& c : clamp) EXPECT_EQ(s.Clamp(c.in), c.out) << static_cast<double>(c.in);
  EXPECT_EQ(s.SetUpperBound(50, 70), 50);
  EXPECT_EQ(s.upper, 50);
  EXPECT_EQ(s.SetUpperBound(80, 70), 70);
  EXPECT_EQ(s.SetLowerBound(10, 5), 10);
  EXPECT_EQ(s.lower, 10);
  EXPECT_EQ(s.SetLowerBound(3, 5), 5);
  // A lower bound above the upper one: the lower is applied last by Clamp.
  s.lower = 90;
  s.upper = 80;
  EXPECT_EQ(s.Clamp(85), 80);
}

TEST(ControlledNames, Table) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"EdFrom;EdTo", {"edfrom", "edto"}},
      {"One", {"one"}},
      {"", {""}},
      {"a;b;", {"a", "b"}},
      {"a;;b", {"a", "", "b"}},
      {Ru("ПолеА"), {Ru("полеа")}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> names{"kept"};
    AddControlledNames(c.text, names);
    std::vector<std::string> want{"kept"};
    want.insert(want.end(), c.names.begin(), c.names.end());
    EXPECT_EQ(names, want) << c.text;
  }
}

TEST(SplashStep, StepTenWrapsAfterAHundred) {
  std::vector<int> seen;
  int pos = 0;
  for (int i = 0; i < 12; ++i) seen.push_back(pos = NextSplashPosition(pos, 10));
  EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 10, 20}));
  EXPECT_EQ(NextSplashPosition(95, 7), 7);
  EXPECT_EQ(NextSplashPosition(93, 7), 100);
}

}  // namespace
}  // namespace remont
