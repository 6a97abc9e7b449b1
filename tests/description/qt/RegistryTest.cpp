// The element registry walked for consistency: every type that makes an
// element has its class, every key setter belongs to a key of the type table
// (and every key of a finished class has its setter), every command has one
// handler, and no name comes twice.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "description/qt/SkStract.h"
#include "elements/ElementTypes.h"
#include "elements/qt/ElementClass.h"

namespace remont {
namespace {

TEST(ElementRegistry, EveryTypeItsClassEveryKeyItsSetterEveryCommandOneHandler) {
  std::set<std::string_view> commands;
  for (std::string_view c : TSkStract::EngineCommandNames())
    EXPECT_TRUE(commands.insert(c).second) << "engine command twice: " << c;

  for (const RElementType& type : ElementTypes()) {
    const RElementClass* cls = FindElementClass(type.Name);
    const bool makes = type.Kind == EElementKind::Element || type.Kind == EElementKind::PopMenu;
    if (!makes) {
      EXPECT_EQ(cls, nullptr) << type.Name << " makes nothing, yet has a class";
      continue;
    }
    ASSERT_NE(cls, nullptr) << type.Name << " has no class";
    EXPECT_TRUE(static_cast<bool>(cls->Make)) << type.Name;
    std::set<std::string_view> setters;
    for (const RKeySetter& k : cls->Keys) {
      EXPECT_TRUE(setters.insert(k.Name).second) << type.Name << ": setter twice: " << k.Name;
      EXPECT_NE(FindKey(type.Keys, k.Name), nullptr) << type.Name << ": no syntax for key " << k.Name;
      EXPECT_TRUE(static_cast<bool>(k.Set)) << type.Name << ": " << k.Name;
    }
    // A menu's keys are read by the menu builder; a pending class sets only some.
    if (type.Kind == EElementKind::Element && !cls->KeysPending) {
      for (const RElementKey& k : type.Keys) EXPECT_EQ(setters.count(k.Name), 1u) << type.Name << ": no setter for " << k.Name;
    }
    for (const RCommandHandler& c : cls->Commands) {
      EXPECT_TRUE(commands.insert(c.Name).second) << type.Name << ": command answered twice: " << c.Name;
      EXPECT_TRUE(static_cast<bool>(c.Run)) << type.Name << ": " << c.Name;
    }
  }
  for (const RElementClass& cls : ElementClasses())
    EXPECT_NE(FindElementType(cls.Type), nullptr) << "a class for no type: " << cls.Type;

  // The window's keys: the engine's table and the type table name the same keys.
  const RElementType* form = FindElementType("form");
  ASSERT_NE(form, nullptr);
  const std::vector<std::string_view> form_keys = TSkStract::FormKeyNames();
  const std::set<std::string_view> engine_form(form_keys.begin(), form_keys.end());
  EXPECT_EQ(engine_form.size(), form_keys.size()) << "a form key twice";
  for (const RElementKey& k : form->Keys) EXPECT_EQ(engine_form.count(k.Name), 1u) << "form: no setter for " << k.Name;
  for (std::string_view k : form_keys) EXPECT_NE(FindKey(form->Keys, k), nullptr) << "form: no syntax for " << k;
}

}  // namespace
}  // namespace remont
