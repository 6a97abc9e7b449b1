// The conversion error: a number or colour value that does not parse. It stops
// the building of a window or a dispatch, and the application's default error
// box shows its text.
#pragma once

#include <stdexcept>
#include <string>

namespace remont {

class ConvertError : public std::runtime_error {
 public:
  // text is Windows-1251, as every message of the system.
  explicit ConvertError(const std::string& text) : std::runtime_error(text) {}
};

// Decimal integer (optional sign, leading blanks; "$" or "0x" for hexadecimal),
// as the platform's string-to-integer conversion; anything else throws.
int StrToInt(const std::string& text);
// Same, but gives fallback instead of throwing.
int StrToIntDef(const std::string& text, int fallback);
bool TryStrToInt(const std::string& text, int& value);

}  // namespace remont
