#include "description/BuildPlan.h"

#include <cstddef>
#include <unordered_set>

#include "common/Cp1251.h"
#include "elements/ElementTypes.h"

namespace remont {
namespace {

struct RPending {
  std::string Section;
  std::string Master;
  size_t Order = 0;  // place in the file, kept while entries are removed
};

class TPlanner {
 public:
  TPlanner(const TProfileReader& reader, RBuildPlan& plan) : reader_(reader), plan_(plan) {}

  void Run() {
    const std::vector<std::string> names = reader_.ReadSectionNames();
    if (names.empty()) {
      plan_.NoSections = true;
      return;
    }
    for (const auto& n : names) {
      pending_.push_back({n, reader_.ReadString(n, "master"), pending_.size()});
      seen_.insert(LowerLatinCase(n));
    }
    FormPass();
    MenuPass();
    MainPass();
    Report();
  }

 private:
  std::string TypeOf(const std::string& section) const {
    return LowerCase(reader_.ReadString(section, "type"));
  }

  void AddStep(EBuildPass pass, const std::string& section, const std::string& type,
               const std::string& parent, std::string color = {}) {
    if (FindElementType(type) == nullptr) plan_.UnknownTypes.push_back({section, type});
    plan_.Steps.push_back({pass, section, type, parent, std::move(color)});
  }

  void FormPass() {
    for (size_t i = 0; i < pending_.size();) {
      const std::string section = pending_[i].Section;
      if (TypeOf(section) != "form") {
        ++i;
        continue;
      }
      plan_.FormName = LowerCase(section);
      plan_.HasPage = true;
      AddStep(EBuildPass::Form, section, "form", {}, reader_.ReadString(section, "color"));
      pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }

  void MenuPass() {
    for (size_t i = 0; i < pending_.size();) {
      const std::string section = pending_[i].Section;
      if (TypeOf(section) != "pop_menu") {
        ++i;
        continue;
      }
      AddStep(EBuildPass::PopMenu, section, "pop_menu", {});
      pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }

  // Made (step and removal) under parent; its children follow when it holds any.
  void Make(size_t i, const std::string& parent) {
    const std::string section = pending_[i].Section;
    const std::string type = TypeOf(section);
    AddStep(EBuildPass::Main, section, type, parent);
    pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
    if (IsContainerType(type)) MakeChildren(section);
  }

  void MakeChildren(const std::string& container) {
    // The walk goes on with the entry that followed the made one, wherever it
    // now stands: the nested walk may have removed entries on either side.
    for (size_t i = 0; i < pending_.size();) {
      if (!SameText(pending_[i].Master, container)) {
        ++i;
        continue;
      }
      const size_t order = pending_[i].Order;
      Make(i, container);
      i = 0;
      while (i < pending_.size() && pending_[i].Order < order) ++i;
    }
  }

  void MainPass() {
    // Without a page there is nowhere to put anything.
    if (!plan_.HasPage) return;
    size_t position = 0;
    bool placed_in_cycle = false;
    while (!pending_.empty()) {
      if (position >= pending_.size()) {
        if (!placed_in_cycle) break;  // a whole cycle placed nothing: it never will
        position = 0;
        placed_in_cycle = false;
        continue;
      }
      const std::string& master = pending_[position].Master;
      if (master.empty() || LowerCase(master) == plan_.FormName) {
        Make(position, {});
        placed_in_cycle = true;
      } else {
        ++position;
      }
    }
  }

  void Report() {
    for (const auto& e : pending_) {
      RUnplaced u{e.Section, e.Master, EUnplacedReason::NoPage};
      if (plan_.HasPage) {
        if (seen_.count(LowerLatinCase(e.Master)) == 0) {
          u.Reason = EUnplacedReason::MasterMissing;
        } else if (!IsContainerType(TypeOf(e.Master))) {
          u.Reason = EUnplacedReason::MasterNotContainer;
        } else {
          u.Reason = EUnplacedReason::MasterNeverPlaced;
        }
      }
      plan_.Unplaced.push_back(std::move(u));
    }
  }

  const TProfileReader& reader_;
  RBuildPlan& plan_;
  std::vector<RPending> pending_;
  std::unordered_set<std::string> seen_;  // Latin-folded names of the listed sections
};

}  // namespace

RBuildPlan MakeBuildPlan(const TProfileReader& reader) {
  RBuildPlan plan;
  TPlanner(reader, plan).Run();
  return plan;
}

const char* UnplacedReasonName(EUnplacedReason reason) {
  switch (reason) {
    case EUnplacedReason::NoPage: return "no page";
    case EUnplacedReason::MasterMissing: return "master missing";
    case EUnplacedReason::MasterNotContainer: return "master not a container";
    case EUnplacedReason::MasterNeverPlaced: return "master never placed";
  }
  return "";
}

}  // namespace remont
