// The type table walked for consistency: each type once, each key once per
// type with a syntax that fits it, element keys naming types that exist.
#include "elements/ElementTypes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace remont {
namespace {

TEST(ElementTypes, EveryTypeOnceEveryKeyOnceAndTargetsExist) {
  std::set<std::string_view> types;
  for (const RElementType& t : ElementTypes()) {
    EXPECT_TRUE(types.insert(t.Name).second) << "type twice: " << t.Name;
    EXPECT_EQ(t.HoldsElements, t.Name == "panel" || t.Name == "parent_panel" || t.Name == "flash" ||
                                   t.Name == "scroll_box")
        << t.Name;
    std::set<std::string_view> keys;
    for (const RElementKey& k : t.Keys) {
      EXPECT_TRUE(keys.insert(k.Name).second) << t.Name << ": key twice: " << k.Name;
      EXPECT_FALSE(IsReservedKey(k.Name)) << t.Name << ": " << k.Name;
      for (char c : k.Name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << t.Name << ": " << k.Name;
      const bool names_elements = k.Syntax == ESyntax::Element || k.Syntax == ESyntax::Elements ||
                                  k.Syntax == ESyntax::ButMax;
      EXPECT_EQ(names_elements || k.Target.empty(), true) << t.Name << ": " << k.Name;
      EXPECT_TRUE(k.Target.empty() || FindElementType(k.Target) != nullptr) << t.Name << ": " << k.Name;
      EXPECT_TRUE(!k.RunTime || names_elements) << t.Name << ": " << k.Name;
      EXPECT_TRUE(k.File == EFileKind::Other || k.Syntax == ESyntax::ArchiveFile) << t.Name << ": " << k.Name;
    }
    // Hot-key sections have free keys; "none" sections make nothing and read nothing.
    const bool free_or_none = t.Kind == EElementKind::HotKey || t.Kind == EElementKind::None;
    EXPECT_TRUE(!free_or_none || t.Keys.empty()) << t.Name;
  }
  EXPECT_EQ(types.size(), 31u);
}

TEST(ElementTypes, LookupsFoldCaseAndKnowTheSharedKeys) {
  ASSERT_NE(FindElementType("Sp_Button"), nullptr);
  EXPECT_EQ(FindElementType("Sp_Button")->Name, "sp_button");
  EXPECT_EQ(FindElementType(""), nullptr);
  EXPECT_EQ(FindElementType("buton"), nullptr);
  EXPECT_TRUE(IsContainerType("PANEL"));
  EXPECT_FALSE(IsContainerType("html"));
  for (const char* k : {"top", "left", "width", "height", "enabled", "cursor", "visible", "align"})
    EXPECT_NE(FindKey(SharedKeys(), k), nullptr) << k;
  const RElementType* button = FindElementType("button");
  ASSERT_NE(FindKey(button->Keys, "Transparent"), nullptr);
  EXPECT_TRUE(FindKey(button->Keys, "Transparent")->Default);
  EXPECT_EQ(FindKey(button->Keys, "load"), nullptr);
  EXPECT_TRUE(FindElementType("parent_panel")->PercentSizes);
  EXPECT_TRUE(IsReservedKey("Master"));
}

}  // namespace
}  // namespace remont
