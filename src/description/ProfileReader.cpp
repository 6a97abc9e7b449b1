#include "description/ProfileReader.h"

#include "common/Cp1251.h"

namespace remont {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string MakeValue(std::string_view raw) {
  std::string_view v = TrimBlanks(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  if (v.size() > TProfileReader::kMaxValue) v = v.substr(0, TProfileReader::kMaxValue);
  return std::string(v);
}

}  // namespace

TProfileReader::TProfileReader(std::string_view bytes) {
  constexpr size_t kNone = static_cast<size_t>(-1);
  size_t current_index = kNone;  // sections_ grows, so no pointer into it
  int line_no = 0;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    const std::string_view line = TrimBlanks(bytes.substr(pos, end - pos));
    ++line_no;
    pos = end;
    if (pos < bytes.size()) {
      if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
      ++pos;
    }

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::string_view name = line.substr(1);
      const size_t close = name.find(']');
      if (close != std::string_view::npos) name = name.substr(0, close);
      sections_.push_back({std::string(TrimBlanks(name)), line_no, {}});
      index_.emplace(LowerLatinCase(sections_.back().Name), sections_.size() - 1);
      current_index = sections_.size() - 1;
      continue;
    }
    if (current_index == kNone) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    if (key.empty()) continue;
    sections_[current_index].Keys.push_back({std::string(key), MakeValue(line.substr(eq + 1)), line_no});
  }
}

const RProfileSection* TProfileReader::FindSection(std::string_view section) const {
  const auto it = index_.find(LowerLatinCase(section));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

const RProfileKey* TProfileReader::FindKey(std::string_view section, std::string_view key) const {
  const RProfileSection* s = FindSection(section);
  if (s == nullptr) return nullptr;
  for (const auto& k : s->Keys) {
    if (SameText(k.Name, key)) return &k;
  }
  return nullptr;
}

std::string TProfileReader::ReadString(std::string_view section, std::string_view key) const {
  const RProfileKey* k = FindKey(section, key);
  return k == nullptr ? std::string() : k->Value;
}

std::vector<std::string> TProfileReader::ReadSectionNames() const {
  std::vector<std::string> names;
  size_t used = 1;  // the zero that closes the list
  for (size_t i = 0; i < sections_.size(); ++i) {
    const RProfileSection& s = sections_[i];
    if (index_.at(LowerLatinCase(s.Name)) != i) continue;  // a later section of a seen name
    // An empty name is a second zero: the list ends there for whoever reads it.
    if (s.Name.empty()) break;
    if (used + s.Name.size() + 1 > kSectionNamesBuffer) break;
    used += s.Name.size() + 1;
    names.push_back(s.Name);
  }
  return names;
}

std::vector<std::string> TProfileReader::ReadSectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  const RProfileSection* s = FindSection(section);
  if (s == nullptr) return keys;
  for (const auto& k : s->Keys) {
    bool repeat = false;
    for (const auto& n : keys) {
      if (SameText(n, k.Name)) {
        repeat = true;
        break;
      }
    }
    if (!repeat) keys.push_back(k.Name);
  }
  return keys;
}

bool TProfileReader::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

}  // namespace remont
