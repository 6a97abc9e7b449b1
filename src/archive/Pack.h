// The content archive reader: one read-only archive file per process, its
// directory kept in memory, every stored file handed out by name; names the
// archive lacks are read as loose files from the archive's folder.
//
// Layout (integers little-endian, offsets from the start of the file):
//   0  3  signature "BMA"
//   3  4  not interpreted
//   7  4  directory offset (signed 32-bit)
//  11  4  second header word (held, not interpreted)
//  15 ..  stored files
//  directory offset .. end of file: entries, one after another:
//     1 name length n, n name bytes (Windows-1251), 4 size, 4 offset, 1 flag
//     (flag 1: every stored byte XORed with kScrambleKey; any other: plain)
//
// Names: requests are lower-cased (Windows-1251 table) and compared byte for
// byte with the stored names, "\" and "/" counting as one character; a stored
// name with a capital is never found; of two equal names the later entry wins.
// Lookups go through a hash index made once at open; they give exactly what a
// scan from the last entry towards the first would give.
//
// Damaged archives: an entry whose offset or size is negative, or whose bytes
// reach past the end of the file as it was when opened, is refused: it stays
// in the directory (IndexOfPackFile and PackDirectory still show it) but reads
// of it count as "not in the archive", so the loose file is tried and then the
// not-found message shown. A read that comes up short because the file was cut
// on disk while open is refused the same way. Entries are read with positioned
// reads of the open handle: an archive renamed over or deleted while open keeps
// giving its old bytes, and nothing ever reads outside the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace remont {

// The archive's fixed one-byte key, shared by the reader and the packer.
constexpr unsigned char kScrambleKey = 0x5A;

// One directory entry as read.
struct TData {
  uint8_t name_length = 0;
  std::string name;
  int32_t offset = 0;
  int32_t size = 0;
  uint8_t flag = 0;
};

bool OpenPack(const std::string& path);
void ClosePack();
// Position in the directory (the last entry of that name wins), -1 when absent
// or no archive is open.
int IndexOfPackFile(const std::string& name);
// Fills target with the stored file, else the loose file, else shows
// "Не найден файл \r\n" + name and leaves it empty.
void LoadPackFile(std::string& target, const std::string& name);
// Fills target like LoadPackFile but without a message: false (and target
// empty) when neither the archive nor the folder holds the name. Safe to call
// from several threads while the archive stays open.
bool TryLoadPackFile(std::string& target, const std::string& name);
// True when the archive holds the name or a loose file exists; never a message.
bool PackFileExists(const std::string& name);
// The name without the archive folder when it is an absolute path inside it.
std::string StripPackFolder(const std::string& name, const std::string& folder);
// Closes the archive and forgets the archive folder too, as at program start.
void ResetPack();
// True between a successful OpenPack and ClosePack (a 0-byte archive included).
bool PackIsOpen();

// The open archive's directory in file order (empty when none is open).
const std::vector<TData>& PackDirectory();
// The archive folder: where loose files are looked for (trailing "/").
std::string PackFolder();
// Reads entry i of the directory, unscrambled; empty for an index out of range.
std::string ReadPackEntry(int index);
// Same, telling whether the entry could be read (false: out of range or refused).
bool ReadPackEntry(int index, std::string& target);

// A file read by name: the caller owns the bytes.
class TPack {
 public:
  explicit TPack(const std::string& name);
  const std::string& Bytes() const { return bytes_; }
  std::string& Bytes() { return bytes_; }
  const char* Data() const { return bytes_.data(); }
  size_t Size() const { return bytes_.size(); }
  bool Empty() const { return bytes_.empty(); }

 private:
  std::string bytes_;
};

}  // namespace remont
