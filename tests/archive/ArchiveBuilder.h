// Writes archive bytes by hand, for layouts the packer never makes: duplicate
// and capitalised names, any flag, entries pointing outside the file, cut
// headers and directories.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/Pack.h"

namespace remont::test {

struct RawEntry {
  std::string name;   // Windows-1251, stored as given
  std::string bytes;  // plain content; scrambled here when flag is 1
  uint8_t flag = 0;
  std::optional<int32_t> size;    // stored size instead of bytes.size()
  std::optional<int32_t> offset;  // stored offset instead of the real one
};

inline void PutLe32(std::string& out, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

inline std::string Scrambled(const std::string& bytes) {
  std::string s = bytes;
  for (char& c : s) c = static_cast<char>(c ^ kScrambleKey);
  return s;
}

class ArchiveBuilder {
 public:
  ArchiveBuilder& Add(RawEntry e) {
    entries_.push_back(std::move(e));
    return *this;
  }
  ArchiveBuilder& Add(const std::string& name, const std::string& bytes, uint8_t flag = 0) {
    return Add(RawEntry{name, bytes, flag, {}, {}});
  }
  ArchiveBuilder& Signature(const std::string& sig) {
    signature_ = sig;
    return *this;
  }
  ArchiveBuilder& DirectoryOffset(int32_t offset) {
    directory_offset_ = offset;
    return *this;
  }

  std::string Build() const {
    std::string out = signature_;
    out += "\x01\x02\x03\x04";
    std::string body;
    std::vector<int32_t> offsets;
    for (const auto& e : entries_) {
      offsets.push_back(static_cast<int32_t>(15 + body.size()));
      body += e.flag == 1 ? Scrambled(e.bytes) : e.bytes;
    }
    const auto dir = static_cast<int32_t>(15 + body.size());
    PutLe32(out, directory_offset_.value_or(dir));
    PutLe32(out, 0x11223344);
    out += body;
    for (size_t i = 0; i < entries_.size(); ++i) {
      const auto& e = entries_[i];
      out += static_cast<char>(e.name.size());
      out += e.name;
      PutLe32(out, e.size.value_or(static_cast<int32_t>(e.bytes.size())));
      PutLe32(out, e.offset.value_or(offsets[i]));
      out += static_cast<char>(e.flag);
    }
    return out;
  }

 private:
  std::string signature_ = "BMA";
  std::vector<RawEntry> entries_;
  std::optional<int32_t> directory_offset_;
};

}  // namespace remont::test
