#include "common/SiblingLink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace remont {

std::string EncodeSiblingRequest(uint16_t kind, std::string_view path) {
  std::string block(kSiblingBlockSize, '\0');
  block[0] = static_cast<char>(kind & 0xFF);
  block[1] = static_cast<char>(kind >> 8);
  const size_t n = std::min(path.size(), kSiblingPathSize);
  std::memcpy(block.data() + kSiblingPathOffset, path.data(), n);
  return block;
}

RSiblingRequest DecodeSiblingRequest(std::string_view block) {
  RSiblingRequest r;
  if (block.size() < kSiblingBlockSize) return r;
  r.Kind = static_cast<uint16_t>(static_cast<unsigned char>(block[0]) | (static_cast<unsigned char>(block[1]) << 8));
  const std::string_view field = block.substr(kSiblingPathOffset, kSiblingPathSize);
  r.Path = std::string(field.substr(0, field.find('\0')));
  return r;
}

std::string SiblingPageReply() {
  std::string reply(4, '\0');
  for (int i = 0; i < 4; ++i) reply[static_cast<size_t>(i)] = static_cast<char>((kSiblingPageReply >> (8 * i)) & 0xFF);
  return reply;
}

std::string RuntimeDir() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return runtime;
  const std::string dir = "/tmp/remont-" + std::to_string(getuid());
  mkdir(dir.c_str(), 0700);
  // Another user could have made it first: then it is not ours to use.
  struct stat st {};
  if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() || (st.st_mode & 077) != 0)
    return {};
  return dir;
}

std::string ViewerSocketPath() {
  const std::string dir = RuntimeDir();
  return dir.empty() ? std::string() : dir + "/remont-viewer.sock";
}

std::string SiblingSocketPath() {
  const std::string dir = RuntimeDir();
  return dir.empty() ? std::string() : dir + "/remont-sibling.sock";
}

}  // namespace remont
