#include "archive/PackUtils.h"

#include <unistd.h>

#include <cerrno>

#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {

bool CopyStreamBytes(int fd, int64_t offset, std::string& target, size_t count) {
  target.clear();
  if (fd < 0 || offset < 0) return false;
  std::string bytes;
  bytes.resize(count);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = pread(fd, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;  // the file was cut short since it was opened
    done += static_cast<size_t>(n);
  }
  target.swap(bytes);
  return true;
}

namespace {
char FoldPathChar(char c) { return c == '\\' ? '/' : LowerChar(c); }
}  // namespace

std::string StripPackFolder(const std::string& name, const std::string& folder) {
  if (name.empty() || folder.empty() || folder.size() > name.size() || !IsAbsolutePath(name))
    return name;
  for (size_t i = 0; i < folder.size(); ++i)
    if (FoldPathChar(name[i]) != FoldPathChar(folder[i])) return name;
  return name.substr(folder.size());
}

}  // namespace remont
