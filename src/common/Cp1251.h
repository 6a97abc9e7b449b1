// Windows-1251 text. Every content string of the system (archive names,
// description keys and values, command strings, page text, queries) is held as
// Windows-1251 bytes in std::string; these helpers are the one case table and
// the one pair of conversions to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace remont {

// Locale lower/upper case: Latin A-Z and every Cyrillic capital of the code page.
char LowerChar(char c);
char UpperChar(char c);
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);

// Latin-only folding, for names compared "without regard to the case of Latin letters".
char LowerLatin(char c);
std::string LowerLatinCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);        // Latin letters folded
bool SameTextLocale(std::string_view a, std::string_view b);  // Latin and Cyrillic folded

char32_t Cp1251ToCodePoint(unsigned char b);
int CodePointToCp1251(char32_t cp);  // -1 when the code page has no such character
std::string Cp1251ToUtf8(std::string_view s);
// Characters the code page lacks become '?'; *ok tells whether any did.
std::string Utf8ToCp1251(std::string_view s, bool* ok = nullptr);

// Russian literals are written in the source as UTF-8 and converted once.
inline std::string Ru(std::string_view utf8) { return Utf8ToCp1251(utf8); }

}  // namespace remont
