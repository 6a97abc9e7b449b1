// An engine built from a description written (UTF-8, stored as Windows-1251)
// into a loose program folder, with its page shown.
#pragma once

#include <memory>
#include <string>

#include "common/Cp1251.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "support/qt/LooseProgram.h"

namespace remont::test {

inline std::unique_ptr<TSkStract> BuildDescription(TSkForm& form, const LooseProgram& program, const std::string& name,
                                                   const std::string& utf8) {
  program.Write(name, Utf8ToCp1251(utf8));
  auto engine = std::make_unique<TSkStract>(&form, name);
  engine->LoadStruct();
  engine->ShowPage();
  return engine;
}

}  // namespace remont::test
