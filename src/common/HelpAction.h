// RHelpAction: the request handed to a dispatcher or an owner's handler, by
// value: a command string and the position of the element that raised it.
#pragma once

#include <cstdint>
#include <string>

namespace remont {

struct RHelpAction {
  std::string Action;
  int32_t AnchorHeight = 0;  // height of the raising element
  int32_t AnchorX = 0;       // screen x of its client origin
  int32_t AnchorY = 0;       // screen y of its client origin
};

}  // namespace remont
