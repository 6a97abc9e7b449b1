#include "common/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "common/Cp1251.h"

namespace remont {
namespace {

bool IsRegular(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of dir whose name equals want without regard to letter case.
std::optional<std::string> MatchEntry(const std::string& dir, const std::string& want_cp1251) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return std::nullopt;
  const std::string want = LowerCase(want_cp1251);
  std::optional<std::string> found;
  while (dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (LowerCase(Utf8ToCp1251(name)) == want) {
      found = name;
      break;
    }
  }
  closedir(d);
  return found;
}

}  // namespace

std::optional<std::string> FindLooseFile(const std::string& name) {
  if (name.empty()) return std::nullopt;
  std::string path = name;
  for (char& c : path)
    if (c == '\\') c = '/';
  const std::string direct = Cp1251ToUtf8(path);
  if (IsRegular(direct)) return direct;

  // Walk the components, matching each one case-insensitively.
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const auto p = path.find('/', start);
    const std::string part = path.substr(start, p == std::string::npos ? std::string::npos : p - start);
    if (!part.empty() && part != ".") parts.push_back(part);
    if (p == std::string::npos) break;
    start = p + 1;
  }
  if (parts.empty()) return std::nullopt;
  std::string current = path[0] == '/' ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::string next;
    if (part == "..") {
      next = current + "..";
    } else {
      const std::string exact = current + Cp1251ToUtf8(part);
      const bool last = i + 1 == parts.size();
      if ((last && IsRegular(exact)) || (!last && IsDirectory(exact))) {
        next = exact;
      } else {
        auto m = MatchEntry(current.empty() ? "." : current, part);
        if (!m) return std::nullopt;
        next = current + *m;
      }
    }
    current = i + 1 == parts.size() ? next : next + "/";
  }
  if (IsRegular(current)) return current;
  return std::nullopt;
}

bool LooseFileExists(const std::string& name) { return FindLooseFile(name).has_value(); }

std::optional<std::string> ReadFileBytes(const std::string& utf8_path) {
  const int fd = open(utf8_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string data;
  struct stat st {};
  if (fstat(fd, &st) == 0 && st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  close(fd);
  return data;
}

std::optional<std::string> ReadLooseFile(const std::string& name) {
  auto path = FindLooseFile(name);
  if (!path) return std::nullopt;
  return ReadFileBytes(*path);
}

bool WriteFileBytes(const std::string& utf8_path, const std::string& bytes) {
  const int fd = open(utf8_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return close(fd) == 0;
}

}  // namespace remont
