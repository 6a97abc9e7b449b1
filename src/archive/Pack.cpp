#include "archive/Pack.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "archive/PackUtils.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"

namespace remont {
namespace {

constexpr size_t kHeaderSize = 15;
constexpr size_t kEntryFixedSize = 1 + 4 + 4 + 1;  // length, size, offset, flag

// A directory entry as kept for lookups: the name stays in the directory bytes.
struct Entry {
  uint32_t name_pos;
  uint32_t hash;
  uint8_t name_length;
  uint8_t flag;
  bool readable;  // offset and size lie inside the file as it was opened
  int32_t size;
  int32_t offset;
};

struct Slot {
  uint32_t hash;
  int32_t index;  // -1: empty
};

// The one archive state of the process.
struct TDatPack {
  int32_t directory_offset = 0;
  int32_t second_word = 0;
  int count = 0;
  int fd = -1;
  bool open = false;
  int64_t file_size = 0;
  std::string path;
  std::string folder;
  std::string directory_bytes;
  std::vector<Entry> entries;
  std::vector<Slot> table;
  uint32_t table_mask = 0;
  // The directory as TData records, made on first request: lookups and reads
  // never need it, so opening a large archive does not pay for it.
  std::vector<TData> directory;
  bool directory_made = false;
};

TDatPack& State() {
  static TDatPack state;
  return state;
}

int32_t ReadLe32(const char* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return static_cast<int32_t>(v);
}

// "\" and "/" are one character in archive names: the hash and the comparison
// both see "\" as "/". Eight bytes at a time, since opening hashes every name.
uint64_t LoadWord(const char* p, size_t n) {
  uint64_t w = 0;
  std::memcpy(&w, p, n);
  return w;
}

uint64_t NormaliseWord(uint64_t x) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const uint64_t y = x ^ (kOnes * '\\');
  // High bit set exactly in the bytes of y that are zero (the backslashes).
  const uint64_t zero = ~(((y & kLow7) + kLow7) | y | kLow7);
  const uint64_t mask = (zero >> 7) * 0xFF;
  return (x & ~mask) | ((kOnes * '/') & mask);
}

inline uint32_t HashName(const char* p, size_t n) {
  constexpr uint64_t kMul = 0x9E3779B97F4A7C15ULL;
  uint64_t h = 0x243F6A8885A308D3ULL ^ (n * kMul);
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    h = (h ^ NormaliseWord(LoadWord(p + i, 8))) * kMul;
    h ^= h >> 32;
  }
  if (i < n) {
    h = (h ^ NormaliseWord(LoadWord(p + i, n - i))) * kMul;
    h ^= h >> 32;
  }
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ULL;
  h ^= h >> 32;
  return static_cast<uint32_t>(h);
}

char Separator(char c) { return c == '\\' ? '/' : c; }

bool SameName(const char* a, size_t an, const char* b, size_t bn) {
  if (an != bn) return false;
  for (size_t i = 0; i < an; ++i)
    if (Separator(a[i]) != Separator(b[i])) return false;
  return true;
}

void BuildIndex(TDatPack& s) {
  size_t capacity = 16;
  while (capacity < s.entries.size() * 2) capacity <<= 1;
  s.table.assign(capacity, Slot{0, -1});
  s.table_mask = static_cast<uint32_t>(capacity - 1);
  const char* names = s.directory_bytes.data();
  const size_t count = s.entries.size();
  // The table is larger than the caches: fetch slots a little ahead, since
  // the hashes are known already.
  constexpr size_t kAhead = 16;
  for (size_t i = 0; i < count; ++i) {
    if (i + kAhead < count) __builtin_prefetch(&s.table[s.entries[i + kAhead].hash & s.table_mask], 1);
    const Entry& e = s.entries[i];
    const uint32_t h = e.hash;
    for (uint32_t j = h & s.table_mask;; j = (j + 1) & s.table_mask) {
      Slot& slot = s.table[j];
      if (slot.index < 0) {
        slot = Slot{h, static_cast<int32_t>(i)};
        break;
      }
      const Entry& other = s.entries[static_cast<size_t>(slot.index)];
      if (slot.hash == h &&
          SameName(names + other.name_pos, other.name_length, names + e.name_pos, e.name_length)) {
        slot.index = static_cast<int32_t>(i);  // the later entry of a name wins
        break;
      }
    }
  }
}

// Reads the header and the directory of the open file; false fails the open.
bool ReadDirectory(TDatPack& s) {
  struct stat st {};
  if (fstat(s.fd, &st) != 0) return false;
  s.file_size = st.st_size;
  if (s.file_size == 0) return true;  // an empty archive: open, nothing in it

  std::string header;
  const size_t want = s.file_size < static_cast<int64_t>(kHeaderSize) ? static_cast<size_t>(s.file_size)
                                                                       : kHeaderSize;
  if (!CopyStreamBytes(s.fd, 0, header, want)) return false;
  if (header.size() < 3 || std::memcmp(header.data(), "BMA", 3) != 0) {
    CurrentPlatform().ShowMessage(msg::BadSignature(), MessageKind::Plain);
    return false;
  }
  if (header.size() < kHeaderSize) return false;
  s.directory_offset = ReadLe32(header.data() + 7);
  s.second_word = ReadLe32(header.data() + 11);
  s.count = 0;
  // At least one entry is always read, so an offset at the end fails.
  if (s.directory_offset < 0 || s.directory_offset >= s.file_size) return false;

  const size_t length = static_cast<size_t>(s.file_size - s.directory_offset);
  if (!CopyStreamBytes(s.fd, s.directory_offset, s.directory_bytes, length)) return false;
  const char* d = s.directory_bytes.data();
  // Count first: growing the list while parsing would copy it over and over.
  size_t count = 0;
  for (size_t p = 0; p < length; p += kEntryFixedSize + static_cast<unsigned char>(d[p])) ++count;
  s.entries.reserve(count);
  size_t pos = 0;
  do {
    const size_t n = static_cast<unsigned char>(d[pos]);
    if (length - pos < kEntryFixedSize + n) return false;  // a directory cut short
    Entry e{};
    e.name_pos = static_cast<uint32_t>(pos + 1);
    e.name_length = static_cast<uint8_t>(n);
    e.size = ReadLe32(d + pos + 1 + n);
    e.offset = ReadLe32(d + pos + 5 + n);
    e.flag = static_cast<uint8_t>(d[pos + 9 + n]);
    e.hash = HashName(d + pos + 1, n);
    e.readable = e.size >= 0 && e.offset >= 0 &&
                 static_cast<int64_t>(e.offset) + e.size <= s.file_size;
    s.entries.push_back(e);
    ++s.count;
    pos += kEntryFixedSize + n;
  } while (pos < length);
  BuildIndex(s);
  return true;
}

// Undoes the one-byte scramble, a word at a time.
void Unscramble(std::string& bytes);

bool ReadEntry(const TDatPack& s, const Entry& e, std::string& target) {
  target.clear();
  if (!s.open || !e.readable) return false;
  if (!CopyStreamBytes(s.fd, e.offset, target, static_cast<size_t>(e.size))) return false;
  if (e.flag == 1) Unscramble(target);
  return true;
}

void Unscramble(std::string& bytes) {
  constexpr uint64_t kWord = 0x0101010101010101ULL * kScrambleKey;
  char* p = bytes.data();
  const size_t n = bytes.size();
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    w ^= kWord;
    std::memcpy(p + i, &w, 8);
  }
  for (; i < n; ++i) p[i] = static_cast<char>(p[i] ^ kScrambleKey);
}

const Entry* FindEntry(const std::string& name) {
  const int i = IndexOfPackFile(name);
  return i < 0 ? nullptr : &State().entries[static_cast<size_t>(i)];
}

}  // namespace

bool OpenPack(const std::string& path) {
  TDatPack& s = State();
  s.folder = GetProgramDir();
  const auto real = FindLooseFile(path);
  if (!real) return false;

  std::string folder = ExtractFilePath(path);
  for (char& c : folder)
    if (c == '\\') c = '/';
  // The archive that is already open stays as it is: no second handle.
  if (s.open && path == s.path) {
    if (!folder.empty()) s.folder = folder;
    return true;
  }
  if (s.open) ClosePack();

  s.path = path;
  if (!folder.empty()) s.folder = folder;
  s.fd = open(real->c_str(), O_RDONLY | O_CLOEXEC);
  if (s.fd < 0 || !ReadDirectory(s)) {
    ClosePack();
    return false;
  }
  s.open = true;
  return true;
}

void ClosePack() {
  TDatPack& s = State();
  s.entries = {};
  s.table = {};
  s.table_mask = 0;
  s.directory_bytes = {};
  s.directory = {};
  s.directory_made = false;
  if (s.fd >= 0) close(s.fd);
  s.fd = -1;
  s.open = false;
  s.count = 0;
  s.file_size = 0;
  s.directory_offset = 0;
  s.second_word = 0;
  s.path.clear();
}

void ResetPack() {
  ClosePack();
  State().folder.clear();
}

int IndexOfPackFile(const std::string& name) {
  const TDatPack& s = State();
  if (!s.open || s.entries.empty()) return -1;
  const std::string key = LowerCase(name);
  if (key.size() > 255) return -1;
  const uint32_t h = HashName(key.data(), key.size());
  const char* names = s.directory_bytes.data();
  for (uint32_t j = h & s.table_mask;; j = (j + 1) & s.table_mask) {
    const Slot& slot = s.table[j];
    if (slot.index < 0) return -1;
    if (slot.hash != h) continue;
    const Entry& e = s.entries[static_cast<size_t>(slot.index)];
    if (SameName(names + e.name_pos, e.name_length, key.data(), key.size())) return slot.index;
  }
}

void LoadPackFile(std::string& target, const std::string& name) {
  target.clear();
  if (name.empty()) return;
  const TDatPack& s = State();
  const std::string key = LowerCase(StripPackFolder(name, s.folder));
  if (const Entry* e = FindEntry(key); e && ReadEntry(s, *e, target)) return;
  if (auto bytes = ReadLooseFile(JoinPath(key, s.folder))) {
    target.swap(*bytes);
    return;
  }
  CurrentPlatform().ShowMessage(msg::FileNotFound(name), MessageKind::Plain);
}

TPack::TPack(const std::string& name) { LoadPackFile(bytes_, name); }

bool PackFileExists(const std::string& name) {
  const TDatPack& s = State();
  if (const Entry* e = FindEntry(StripPackFolder(name, s.folder)); e && e->readable) return true;
  return LooseFileExists(GetProgramPath(name));
}

const std::vector<TData>& PackDirectory() {
  TDatPack& s = State();
  if (!s.directory_made) {
    s.directory.clear();
    s.directory.reserve(s.entries.size());
    for (const Entry& e : s.entries) {
      TData t;
      t.name_length = e.name_length;
      t.name.assign(s.directory_bytes, e.name_pos, e.name_length);
      t.offset = e.offset;
      t.size = e.size;
      t.flag = e.flag;
      s.directory.push_back(std::move(t));
    }
    s.directory_made = true;
  }
  return s.directory;
}

std::string PackFolder() { return State().folder; }

bool PackIsOpen() { return State().open; }

bool ReadPackEntry(int index, std::string& target) {
  const TDatPack& s = State();
  target.clear();
  if (index < 0 || static_cast<size_t>(index) >= s.entries.size()) return false;
  return ReadEntry(s, s.entries[static_cast<size_t>(index)], target);
}

std::string ReadPackEntry(int index) {
  std::string bytes;
  ReadPackEntry(index, bytes);
  return bytes;
}

}  // namespace remont
