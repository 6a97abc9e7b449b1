// The build plan of a description: which section the engine makes when, and
// under which parent, computed from the profile reader alone (no widgets), so
// that the order can be tested and checked without a display.
//
// Order of the steps:
//   1. Form pass: every section whose `type` is "form", in pending-list
//      (file) order, with its `color` text. The last one's name, lower-cased,
//      is the form name; each form after the first adds a notebook page.
//   2. Pop-up menu pass: every "pop_menu" section, whatever its master.
//   3. Main pass over the pending list ("section=master", file order): an
//      entry whose master, lower-cased, is the form name or empty is made on
//      the engine's page (Parent empty) and removed, the position staying;
//      otherwise the position moves on, wrapping to 0 at the end (the position
//      is an index: entries removed in front of it shift what it points at). When the
//      made section is a container (panel, parent_panel, flash, scroll_box)
//      its children follow at once (MakeChildren): the pending list is walked
//      from its start, each entry whose master is the container's name
//      (SameText) is made under it, removed and, if a container itself, gets
//      its own children before the walk goes on. The pass ends when the list
//      is empty or a whole cycle over it places nothing; what is left is
//      reported as Unplaced, in pending-list order.
//   hot_key, none and unknown types are made (a step each) but hold nothing.
//   Without any form section there is no page: the main pass makes nothing
//   and every section but the forms and menus is unplaced (NoPage).
//
// API:
//   RBuildPlan plan = MakeBuildPlan(reader);
//   plan.Steps       the steps in the order the engine performs them
//   plan.Unplaced    sections never built, with the reason
//   plan.NoSections  the description has no sections ("Нету данных в ...")
//   plan.UnknownTypes  steps whose type is not in the table (section, type)
//   plan.FormName, plan.HasPage
#pragma once

#include <string>
#include <vector>

#include "description/ProfileReader.h"

namespace remont {

enum class EBuildPass { Form, PopMenu, Main };

struct RBuildStep {
  EBuildPass Pass = EBuildPass::Main;
  std::string Section;  // the section name as the list of names gives it
  std::string Type;     // the `type` value, lower-cased
  std::string Parent;   // empty: the engine's page (the window for forms and menus);
                        // else the container section's name
  std::string Color;    // form steps: the `color` text (may be empty)
};

enum class EUnplacedReason {
  NoPage,             // the description has no form section
  MasterMissing,      // the master names no section
  MasterNotContainer, // the master's type holds no elements (form, none, unknown, ...)
  MasterNeverPlaced,  // the master is a container that is itself never built
};

struct RUnplaced {
  std::string Section;
  std::string Master;  // the `master` value as written
  EUnplacedReason Reason = EUnplacedReason::MasterMissing;
};

struct RUnknownType {
  std::string Section;
  std::string Type;  // lower-cased
};

struct RBuildPlan {
  bool NoSections = false;
  bool HasPage = false;       // at least one form section
  std::string FormName;       // the last form section's name, lower-cased
  std::vector<RBuildStep> Steps;
  std::vector<RUnplaced> Unplaced;
  std::vector<RUnknownType> UnknownTypes;
};

RBuildPlan MakeBuildPlan(const TProfileReader& reader);

const char* UnplacedReasonName(EUnplacedReason reason);  // "no page", "master missing", ...

}  // namespace remont
