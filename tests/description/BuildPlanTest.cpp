#include "description/BuildPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "elements/ElementTypes.h"

namespace remont {
namespace {

using Strings = std::vector<std::string>;

// One step as "form:main color", "menu:pm", or "section:type@parent" ("@" alone: the page).
std::string StepText(const RBuildStep& s) {
  switch (s.Pass) {
    case EBuildPass::Form: return "form:" + s.Section + (s.Color.empty() ? "" : " " + s.Color);
    case EBuildPass::PopMenu: return "menu:" + s.Section;
    case EBuildPass::Main: break;
  }
  return s.Section + ":" + s.Type + "@" + s.Parent;
}

Strings Steps(const RBuildPlan& plan) {
  Strings out;
  for (const auto& s : plan.Steps) out.push_back(StepText(s));
  return out;
}

Strings Unplaced(const RBuildPlan& plan) {
  Strings out;
  for (const auto& u : plan.Unplaced) out.push_back(u.Section + ":" + UnplacedReasonName(u.Reason));
  return out;
}

RBuildPlan Plan(const std::string& text) { return MakeBuildPlan(TProfileReader(text)); }

TEST(MakeBuildPlan, OrdersSteps) {
  struct Case {
    const char* name;
    std::string text;
    Strings steps;
    Strings unplaced;
  } cases[] = {
      {"section before its master",
       "[f]\ntype=form\n[b]\ntype=button\nmaster=p\n[p]\ntype=panel\n",
       {"form:f", "p:panel@", "b:button@p"}, {}},
      {"same master in file order",
       "[f]\ntype=form\n[p]\ntype=panel\n[x]\ntype=label\nmaster=p\n[y]\ntype=button\nmaster=p\n",
       {"form:f", "p:panel@", "x:label@p", "y:button@p"}, {}},
      {"master in other case than the form",
       "[MainForm]\ntype=form\ncolor=#FF0000\n[b]\ntype=button\nmaster=MAINFORM\n[c]\ntype=label\n",
       {"form:MainForm #FF0000", "b:button@", "c:label@"}, {}},
      {"two forms: the last one names the page",
       "[f1]\ntype=form\n[a]\ntype=button\nmaster=f1\n[f2]\ntype=Form\n[b]\ntype=button\nmaster=f2\n",
       {"form:f1", "form:f2", "b:button@"}, {"a:master not a container"}},
      {"pop_menu with any master, before everything else",
       "[b]\ntype=button\n[f]\ntype=form\n[m1]\ntype=pop_menu\nmaster=nowhere\n[m2]\ntype=POP_MENU\nmaster=b\n",
       {"form:f", "menu:m1", "menu:m2", "b:button@"}, {}},
      {"hot_key with master is made on the page",
       "[f]\ntype=form\n[keys]\ntype=hot_key\nmaster=f\nk1=F1*help\n",
       {"form:f", "keys:hot_key@"}, {}},
      {"type letter case and misspelling",
       "[f]\ntype=form\n[a]\ntype=Button\n[b]\ntype=buton\n[c]\n",
       {"form:f", "a:button@", "b:buton@", "c:@"}, {}},
      {"none holds nothing",
       "[f]\ntype=form\n[n]\ntype=none\n[x]\ntype=button\nmaster=n\n",
       {"form:f", "n:none@"}, {"x:master not a container"}},
      {"button holds nothing",
       "[f]\ntype=form\n[b]\ntype=button\n[x]\ntype=label\nmaster=b\n",
       {"form:f", "b:button@"}, {"x:master not a container"}},
      {"master missing",
       "[f]\ntype=form\n[x]\ntype=label\nmaster=ghost\n[y]\ntype=label\n",
       {"form:f", "y:label@"}, {"x:master missing"}},
      {"self master",
       "[f]\ntype=form\n[p]\ntype=panel\nmaster=p\n",
       {"form:f"}, {"p:master never placed"}},
      {"cycle and a chain hanging on it",
       "[f]\ntype=form\n[a]\ntype=panel\nmaster=b\n[b]\ntype=scroll_box\nmaster=a\n"
       "[c]\ntype=label\nmaster=a\n[d]\ntype=button\n",
       {"form:f", "d:button@"},
       {"a:master never placed", "b:master never placed", "c:master never placed"}},
      {"nested containers, each child followed by its descendants",
       "[f]\ntype=form\n[g]\ntype=label\nmaster=c2\n[p]\ntype=panel\n[c1]\ntype=parent_panel\nmaster=p\n"
       "[c2]\ntype=flash\nmaster=c1\n[s]\ntype=button\nmaster=p\n[h]\ntype=label\nmaster=c1\n",
       {"form:f", "p:panel@", "c1:parent_panel@p", "c2:flash@c1", "g:label@c2", "h:label@c1",
        "s:button@p"},
       {}},
      {"container master matched by Latin case",
       "[f]\ntype=form\n[Box]\ntype=scroll_box\n[x]\ntype=label\nmaster=bOX\n",
       {"form:f", "Box:scroll_box@", "x:label@Box"}, {}},
      // Within a container's walk a child whose own child stands before it
      // does not make its following sibling be skipped.
      {"child listed before and after its container's siblings",
       "[f]\ntype=form\n[g]\ntype=label\nmaster=c\n[p]\ntype=panel\n[c]\ntype=panel\nmaster=p\n"
       "[d]\ntype=label\nmaster=p\n[g2]\ntype=label\nmaster=c\n[e]\ntype=label\nmaster=p\n",
       {"form:f", "p:panel@", "c:panel@p", "g:label@c", "g2:label@c", "d:label@p", "e:label@p"}, {}},
      {"the entry after a child is made by the nested walk",
       "[f]\ntype=form\n[p]\ntype=panel\n[c]\ntype=panel\nmaster=p\n[g]\ntype=label\nmaster=c\n"
       "[d]\ntype=label\nmaster=p\n",
       {"form:f", "p:panel@", "c:panel@p", "g:label@c", "d:label@p"}, {}},
      // The main pass keeps its position as an index: a container whose
      // children stood in front of it shifts what the position points at.
      {"main pass position after children in front",
       "[f]\ntype=form\n[x]\ntype=label\nmaster=a\n[y]\ntype=label\nmaster=z\n[a]\ntype=panel\n"
       "[b]\ntype=button\n[c]\ntype=button\n",
       {"form:f", "a:panel@", "x:label@a", "c:button@", "b:button@"}, {"y:master missing"}},
      // The form name folds Cyrillic letters too; a container's name only Latin ones.
      {"form master reached through the Windows-1251 lower case",
       Ru("[Окно]\ntype=form\n[a]\ntype=label\nmaster=ОКНО\n[Пан]\ntype=panel\n[b]\ntype=label\nmaster=пан\n"),
       {Ru("form:Окно"), "a:label@", Ru("Пан:panel@")}, {"b:master missing"}},
  };
  for (const auto& c : cases) {
    const RBuildPlan plan = Plan(c.text);
    EXPECT_EQ(Steps(plan), c.steps) << c.name;
    EXPECT_EQ(Unplaced(plan), c.unplaced) << c.name;
    EXPECT_FALSE(plan.NoSections) << c.name;
  }
}

TEST(MakeBuildPlan, FormNameAndPage) {
  const RBuildPlan plan = Plan("[One]\ntype=form\n[Two]\ntype=FORM\ncolor=$00FF00\n");
  EXPECT_TRUE(plan.HasPage);
  EXPECT_EQ(plan.FormName, "two");
  EXPECT_EQ(Steps(plan), (Strings{"form:One", "form:Two $00FF00"}));
}

TEST(MakeBuildPlan, WithoutAFormNothingIsPlaced) {
  const RBuildPlan plan =
      Plan("[m]\ntype=pop_menu\n[a]\ntype=button\n[p]\ntype=panel\n[b]\ntype=label\nmaster=p\n");
  EXPECT_FALSE(plan.HasPage);
  EXPECT_EQ(Steps(plan), (Strings{"menu:m"}));
  EXPECT_EQ(Unplaced(plan), (Strings{"a:no page", "p:no page", "b:no page"}));
}

TEST(MakeBuildPlan, NoSections) {
  for (const std::string text : {"", "k=v\n", ";[a]\n"}) {
    const RBuildPlan plan = Plan(text);
    EXPECT_TRUE(plan.NoSections) << text;
    EXPECT_TRUE(plan.Steps.empty()) << text;
  }
}

TEST(MakeBuildPlan, FlagsUnknownTypesLowerCased) {
  const RBuildPlan plan = Plan("[f]\ntype=form\n[a]\ntype=BUTON\n[b]\n[c]\ntype=Label\n");
  ASSERT_EQ(plan.UnknownTypes.size(), 2u);
  EXPECT_EQ(plan.UnknownTypes[0].Section, "a");
  EXPECT_EQ(plan.UnknownTypes[0].Type, "buton");
  EXPECT_EQ(plan.UnknownTypes[1].Section, "b");
  EXPECT_EQ(plan.UnknownTypes[1].Type, "");
}

TEST(MakeBuildPlan, RepeatedSectionIsPlannedOnce) {
  const RBuildPlan plan = Plan("[f]\ntype=form\n[a]\ntype=panel\n[A]\ntype=button\nmaster=a\n");
  EXPECT_EQ(Steps(plan), (Strings{"form:f", "a:panel@"}));
  EXPECT_TRUE(plan.Unplaced.empty());
}

TEST(DescriptionMessages, Texts) {
  EXPECT_EQ(msg::NoData("main.ini"), Ru("Нету данных в main.ini. Это безусловно End..."));
  EXPECT_EQ(msg::UnknownType("b1", "buton"), Ru("MakeObject. Объект b1 имеет неизвестный тип buton"));
  EXPECT_EQ(msg::GetControlNotFound("x"), Ru("GetControl. Не найден контрол: x"));
  EXPECT_EQ(msg::GetComponentNotFound("y"), Ru("GetComponent. Не найден контрол: y"));
}

TEST(ElementTypes, Table) {
  EXPECT_EQ(ElementTypes().size(), 31u);
  int makes = 0;
  for (const auto& t : ElementTypes()) {
    if (t.Kind == EElementKind::Element || t.Kind == EElementKind::PopMenu) ++makes;
  }
  EXPECT_EQ(makes, 28);  // one element list per type that makes an element
  for (const char* name : {"panel", "PARENT_PANEL", "Flash", "scroll_box"}) {
    EXPECT_TRUE(IsContainerType(name)) << name;
  }
  for (const char* name : {"form", "button", "pop_menu", "hot_key", "none", "", "buton", "media"}) {
    EXPECT_FALSE(IsContainerType(name)) << name;
  }
  ASSERT_NE(FindElementType("Tree_Ex"), nullptr);
  EXPECT_EQ(FindElementType("Tree_Ex")->Name, "tree_ex");
  EXPECT_EQ(FindElementType("HOT_KEY")->Kind, EElementKind::HotKey);
  EXPECT_EQ(FindElementType("none")->Kind, EElementKind::None);
  EXPECT_EQ(FindElementType("form")->Kind, EElementKind::Form);
  EXPECT_TRUE(FindElementType("list_box")->NamedBeforePlaced);
  EXPECT_TRUE(FindElementType("split")->ThemeDefault);
  EXPECT_FALSE(FindElementType("html")->ThemeDefault);
  EXPECT_EQ(FindElementType("buton"), nullptr);
  EXPECT_EQ(FindElementType(""), nullptr);
}

}  // namespace
}  // namespace remont
