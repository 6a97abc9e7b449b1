// Arbitrary description bytes -> profile reader -> build plan. Traps when a
// section is planned twice, when a section comes before its parent, or when
// the reader breaks its own limits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "common/Cp1251.h"
#include "description/BuildPlan.h"
#include "elements/ElementTypes.h"
#include "description/ProfileReader.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const remont::TProfileReader reader(bytes);

  size_t list_bytes = 1;
  for (const auto& name : reader.ReadSectionNames()) {
    Check(!name.empty() && reader.SectionExists(name));
    list_bytes += name.size() + 1;
    for (const auto& key : reader.ReadSectionKeys(name)) {
      Check(reader.ReadString(name, key).size() <= remont::TProfileReader::kMaxValue);
    }
  }
  Check(list_bytes <= remont::TProfileReader::kSectionNamesBuffer);

  const remont::RBuildPlan plan = remont::MakeBuildPlan(reader);
  Check(plan.NoSections == reader.ReadSectionNames().empty());
  std::unordered_set<std::string> planned;  // Latin-folded
  std::unordered_set<std::string> containers;
  for (const auto& step : plan.Steps) {
    const std::string key = remont::LowerLatinCase(step.Section);
    Check(planned.insert(key).second);
    Check(remont::LowerCase(step.Type) == step.Type);
    if (step.Pass != remont::EBuildPass::Main) {
      Check(step.Parent.empty());
    } else {
      Check(plan.HasPage);
      if (!step.Parent.empty()) {
        Check(containers.count(remont::LowerLatinCase(step.Parent)) == 1);
        Check(remont::SameText(reader.ReadString(step.Section, "master"), step.Parent));
      }
      if (remont::IsContainerType(step.Type)) containers.insert(key);
    }
  }
  for (const auto& u : plan.Unplaced) {
    Check(planned.insert(remont::LowerLatinCase(u.Section)).second);
  }
  // Every listed section is either planned or reported.
  Check(planned.size() == reader.ReadSectionNames().size());
  return 0;
}
