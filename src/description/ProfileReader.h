// The profile (INI) reader of description files: Windows-1251 bytes in,
// plain ordered records out, read the way the profile-string reading of the
// original platform reads them.
//
// Layout, one line at a time (lines end at CR, LF or CR LF):
//   [name]        opens a section (blanks around the line and the name dropped;
//                 text after "]" ignored; without "]" the rest of the line)
//   key=value     a key of the current section (key trimmed of blanks)
//   ;text         a comment (after leading blanks)
//   anything else (a line without "=", lines before the first section,
//   a line whose key is empty) is no key.
//
// Reading rules:
//   - section and key names compare with SameText (Latin letters folded);
//     of two sections with the same name the first counts entirely (the keys
//     of the later one are not seen); of two keys in a section the first counts;
//   - a value is the text after the first "=", trimmed of blanks (space, tab),
//     with one enclosing pair of '...' or "..." removed, then cut to
//     kMaxValue (2047) characters;
//   - a missing section or key reads as the empty text;
//   - ReadSectionNames() gives the names as a 16384-byte list of
//     zero-terminated names (ending with one more zero) would hold them:
//     names that do not fit whole, and every name after an empty name, are
//     not seen.
//
// API:
//   TProfileReader reader(bytes);
//   reader.ReadString(section, key)    -> value ("" when missing)
//   reader.ReadSectionNames()          -> distinct section names, file order
//   reader.ReadSectionKeys(section)    -> distinct key names, file order
//   reader.SectionExists(section)
//   reader.Sections()                  -> every record, duplicates included,
//                                         with 1-based line numbers
//   reader.FindSection(section)        -> the record that counts, or nullptr
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace remont {

struct RProfileKey {
  std::string Name;   // as written, trimmed
  std::string Value;  // after trimming, unquoting and the cut
  int Line = 0;       // 1-based
};

struct RProfileSection {
  std::string Name;  // as written, trimmed
  int Line = 0;      // 1-based line of the "[name]" line
  std::vector<RProfileKey> Keys;  // every key line in file order, repeats included
};

class TProfileReader {
 public:
  static constexpr size_t kMaxValue = 2047;         // a 2048-byte value buffer
  static constexpr size_t kSectionNamesBuffer = 16384;

  TProfileReader() = default;
  explicit TProfileReader(std::string_view bytes);

  std::string ReadString(std::string_view section, std::string_view key) const;
  std::vector<std::string> ReadSectionNames() const;
  std::vector<std::string> ReadSectionKeys(std::string_view section) const;
  bool SectionExists(std::string_view section) const;

  const std::vector<RProfileSection>& Sections() const { return sections_; }
  // The section that counts for this name (the first one), or nullptr.
  const RProfileSection* FindSection(std::string_view section) const;
  // The key that counts in that section, or nullptr.
  const RProfileKey* FindKey(std::string_view section, std::string_view key) const;

 private:
  std::vector<RProfileSection> sections_;
  // Latin-folded name -> index of the first section of that name.
  std::unordered_map<std::string, size_t> index_;
};

}  // namespace remont
