#include "archive/Pack.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// Names are hashed sixteen bytes at a time, so the directory copy carries this
// many spare bytes after its end (a name is followed by only nine).
constexpr size_t kNamePadding = 16;

struct Slot {
  uint32_t hash;
  int32_t index;  // -1: empty
};

// The one archive state of the process. An entry is only its position in the
// directory bytes: name, size, offset and flag are read from there when needed.
struct TDatPack {
  int32_t directory_offset = 0;
  int32_t second_word = 0;
  int count = 0;
  int fd = -1;
  bool open = false;
  int64_t file_size = 0;
  std::string path;
  std::string folder;
  std::unique_ptr<char[]> directory_bytes;  // the directory, then kNamePadding zeros
  size_t directory_length = 0;
  std::vector<uint32_t> entries;  // where each entry's length byte lies
  std::unique_ptr<Slot[]> table;
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

// An entry as stored at position pos of the directory bytes.
struct EntryView {
  const char* name;
  size_t name_length;
  int32_t size;
  int32_t offset;
  uint8_t flag;
};

EntryView ViewEntry(const TDatPack& s, size_t index) {
  const char* d = s.directory_bytes.get() + s.entries[index];
  const size_t n = static_cast<unsigned char>(d[0]);
  return EntryView{d + 1, n, ReadLe32(d + 1 + n), ReadLe32(d + 5 + n), static_cast<uint8_t>(d[9 + n])};
}

// Offset and size lie inside the file as it was when opened.
bool Readable(const TDatPack& s, const EntryView& e) {
  return e.size >= 0 && e.offset >= 0 && static_cast<int64_t>(e.offset) + e.size <= s.file_size;
}

// "\" and "/" are one character in archive names: the hash and the comparison
// both see "\" as "/". Reads 16 bytes at a time, up to 15 bytes past the name,
// which the caller guarantees are there; the bytes past the name are masked off.
constexpr uint64_t kMul = 0x9E3779B97F4A7C15ULL;

inline uint64_t Mix(uint64_t h, uint64_t w) {
  h = (h ^ w) * kMul;
  return h ^ (h >> 32);
}

#if defined(__SSE2__)
alignas(16) constexpr unsigned char kTailMask[32] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

inline uint64_t MixChunk(uint64_t h, __m128i v) {
  const __m128i back = _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'));
  v = _mm_xor_si128(v, _mm_and_si128(back, _mm_set1_epi8('\\' ^ '/')));
  h = Mix(h, static_cast<uint64_t>(_mm_cvtsi128_si64(v)));
  return Mix(h, static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(v, v))));
}

inline uint32_t HashName(const char* p, size_t n) {
  uint64_t h = 0x243F6A8885A308D3ULL ^ (n * kMul);
  size_t i = 0;
  for (; i + 16 <= n; i += 16) h = MixChunk(h, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
  if (i < n) {
    const __m128i mask = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kTailMask + 16 - (n - i)));
    h = MixChunk(h, _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), mask));
  }
  h *= 0xBF58476D1CE4E5B9ULL;
  h ^= h >> 29;
  return static_cast<uint32_t>(h);
}
#else
uint64_t NormaliseWord(uint64_t x) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const uint64_t y = x ^ (kOnes * '\\');
  // High bit set exactly in the bytes of y that are zero (the backslashes).
  const uint64_t zero = ~(((y & kLow7) + kLow7) | y | kLow7);
  return x ^ ((zero >> 7) * ('\\' ^ '/'));
}

inline uint64_t LoadWord(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}

inline uint32_t HashName(const char* p, size_t n) {
  uint64_t h = 0x243F6A8885A308D3ULL ^ (n * kMul);
  for (size_t i = 0; i < n; i += 8) {
    uint64_t w = LoadWord(p + i);
    if (n - i < 8) w &= ~0ULL >> (8 * (8 - (n - i)));  // little-endian: the name's bytes come first
    h = Mix(h, NormaliseWord(w));
  }
  h *= 0xBF58476D1CE4E5B9ULL;
  h ^= h >> 29;
  return static_cast<uint32_t>(h);
}
#endif

char Separator(char c) { return c == '\\' ? '/' : c; }

bool SameName(const char* a, size_t an, const char* b, size_t bn) {
  if (an != bn) return false;
  for (size_t i = 0; i < an; ++i)
    if (Separator(a[i]) != Separator(b[i])) return false;
  return true;
}

// hashes[i] is the hash of entry i's name.
void BuildIndex(TDatPack& s, const uint32_t* hashes) {
  const size_t count = s.entries.size();
  size_t capacity = 16;
  while (capacity < count * 2) capacity <<= 1;
  s.table.reset(new Slot[capacity]);
  std::memset(static_cast<void*>(s.table.get()), 0xFF, capacity * sizeof(Slot));  // index -1
  s.table_mask = static_cast<uint32_t>(capacity - 1);
  const char* d = s.directory_bytes.get();
  Slot* table = s.table.get();
  const uint32_t mask = s.table_mask;
  // The table is larger than the first-level cache: fetch slots a few
  // entries ahead, since the hashes are known already.
  constexpr size_t kAhead = 16;
  for (size_t i = 0; i < count; ++i) {
    if (i + kAhead < count) __builtin_prefetch(&table[hashes[i + kAhead] & mask], 1);
    const uint32_t h = hashes[i];
    for (uint32_t j = h & mask;; j = (j + 1) & mask) {
      Slot& slot = table[j];
      if (slot.index < 0) {
        slot = Slot{h, static_cast<int32_t>(i)};
        break;
      }
      if (slot.hash != h) continue;
      const char* e = d + s.entries[i];
      const char* other = d + s.entries[static_cast<size_t>(slot.index)];
      if (SameName(other + 1, static_cast<unsigned char>(other[0]), e + 1, static_cast<unsigned char>(e[0]))) {
        slot.index = static_cast<int32_t>(i);  // the later entry of a name wins
        break;
      }
    }
  }
}

// Reads count bytes at offset into a new buffer with kNamePadding zeros after
// them; no other filling, since every byte is overwritten.
std::unique_ptr<char[]> ReadPadded(int fd, int64_t offset, size_t count) {
  std::unique_ptr<char[]> bytes(new char[count + kNamePadding]);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = pread(fd, bytes.get() + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return nullptr;  // an error, or the file cut short since it was opened
    done += static_cast<size_t>(n);
  }
  std::memset(bytes.get() + count, 0, kNamePadding);
  return bytes;
}

// Reads the header and the directory of the open file; false fails the open.
bool ReadDirectory(TDatPack& s) {
  struct stat st {};
  if (fstat(s.fd, &st) != 0) return false;
  s.file_size = st.st_size;
  if (s.file_size == 0) return true;  // an empty archive: open, nothing in it

  char header[kHeaderSize];
  const size_t want = s.file_size < static_cast<int64_t>(kHeaderSize) ? static_cast<size_t>(s.file_size)
                                                                       : kHeaderSize;
  ssize_t got;
  do got = pread(s.fd, header, want, 0);
  while (got < 0 && errno == EINTR);
  if (got != static_cast<ssize_t>(want)) return false;
  if (want < 3 || std::memcmp(header, "BMA", 3) != 0) {
    CurrentPlatform().ShowMessage(msg::BadSignature(), MessageKind::Plain);
    return false;
  }
  if (want < kHeaderSize) return false;
  s.directory_offset = ReadLe32(header + 7);
  s.second_word = ReadLe32(header + 11);
  s.count = 0;
  // At least one entry is always read, so an offset at the end fails.
  if (s.directory_offset < 0 || s.directory_offset >= s.file_size) return false;

  const size_t length = static_cast<size_t>(s.file_size - s.directory_offset);
  s.directory_bytes = ReadPadded(s.fd, s.directory_offset, length);
  if (!s.directory_bytes) return false;
  s.directory_length = length;
  const unsigned char* d = reinterpret_cast<const unsigned char*>(s.directory_bytes.get());
  // Hashing here keeps the walk from entry to entry, which has to wait for
  // each length byte, from being the whole cost. Room for entries of 32 bytes
  // on average (manual names are longer): shorter ones only grow the lists.
  std::vector<uint32_t> hashes;
  s.entries.reserve(length / 32 + 1);
  hashes.reserve(length / 32 + 1);
  size_t pos = 0;
  do {
    const size_t n = d[pos];
    if (length - pos < kEntryFixedSize + n) return false;  // a directory cut short
    s.entries.push_back(static_cast<uint32_t>(pos));
    hashes.push_back(HashName(reinterpret_cast<const char*>(d) + pos + 1, n));
    pos += kEntryFixedSize + n;
  } while (pos < length);
  s.count = static_cast<int>(s.entries.size());
  BuildIndex(s, hashes.data());
  return true;
}

// Undoes the one-byte scramble, a word at a time.
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

bool ReadEntry(const TDatPack& s, size_t index, std::string& target) {
  target.clear();
  if (!s.open) return false;
  const EntryView e = ViewEntry(s, index);
  if (!Readable(s, e)) return false;
  if (!CopyStreamBytes(s.fd, e.offset, target, static_cast<size_t>(e.size))) return false;
  if (e.flag == 1) Unscramble(target);
  return true;
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
  s.table.reset();
  s.table_mask = 0;
  s.directory_bytes.reset();
  s.directory_length = 0;
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
  if (name.size() > 255) return -1;  // longer than any stored name
  char key[256 + kNamePadding] = {};   // the hash reads past the name
  const size_t n = name.size();
  for (size_t i = 0; i < n; ++i) key[i] = LowerChar(name[i]);
  const uint32_t h = HashName(key, n);
  const char* d = s.directory_bytes.get();
  for (uint32_t j = h & s.table_mask;; j = (j + 1) & s.table_mask) {
    const Slot& slot = s.table[j];
    if (slot.index < 0) return -1;
    if (slot.hash != h) continue;
    const char* e = d + s.entries[static_cast<size_t>(slot.index)];
    if (SameName(e + 1, static_cast<unsigned char>(e[0]), key, n)) return slot.index;
  }
}

bool TryLoadPackFile(std::string& target, const std::string& name) {
  target.clear();
  if (name.empty()) return false;
  const TDatPack& s = State();
  const std::string key = LowerCase(StripPackFolder(name, s.folder));
  if (const int i = IndexOfPackFile(key); i >= 0 && ReadEntry(s, static_cast<size_t>(i), target)) return true;
  if (auto bytes = ReadLooseFile(JoinPath(key, s.folder))) {
    target.swap(*bytes);
    return true;
  }
  return false;
}

void LoadPackFile(std::string& target, const std::string& name) {
  if (!TryLoadPackFile(target, name) && !name.empty())
    CurrentPlatform().ShowMessage(msg::FileNotFound(name), MessageKind::Plain);
}

TPack::TPack(const std::string& name) { LoadPackFile(bytes_, name); }

bool PackFileExists(const std::string& name) {
  const TDatPack& s = State();
  if (const int i = IndexOfPackFile(StripPackFolder(name, s.folder));
      i >= 0 && Readable(s, ViewEntry(s, static_cast<size_t>(i))))
    return true;
  return LooseFileExists(GetProgramPath(name));
}

const std::vector<TData>& PackDirectory() {
  TDatPack& s = State();
  if (!s.directory_made) {
    s.directory.clear();
    s.directory.reserve(s.entries.size());
    for (size_t i = 0; i < s.entries.size(); ++i) {
      const EntryView e = ViewEntry(s, i);
      TData t;
      t.name_length = static_cast<uint8_t>(e.name_length);
      t.name.assign(e.name, e.name_length);
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
  return ReadEntry(s, static_cast<size_t>(index), target);
}

std::string ReadPackEntry(int index) {
  std::string bytes;
  ReadPackEntry(index, bytes);
  return bytes;
}

}  // namespace remont
