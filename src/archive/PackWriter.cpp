#include "archive/PackWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"

namespace remont {
namespace fs = std::filesystem;

bool GlobMatch(const std::string& glob_in, const std::string& name_in) {
  const std::string g = LowerCase(glob_in);
  const std::string n = LowerCase(name_in);
  // matches[i][j]: glob from i matches name from j; filled from the ends.
  const size_t G = g.size(), N = n.size();
  std::vector<char> m((G + 1) * (N + 1), 0);
  auto at = [&](size_t i, size_t j) -> char& { return m[i * (N + 1) + j]; };
  at(G, N) = 1;
  for (size_t i = G; i-- > 0;) {
    for (size_t j = N + 1; j-- > 0;) {
      char r = 0;
      if (g[i] == '*' && i + 1 < G && g[i + 1] == '*') {
        const bool slash = i + 2 < G && g[i + 2] == '/';
        const size_t after = slash ? i + 3 : i + 2;
        if (slash) {
          // "**/": no folder at all, or any run ending in "/".
          r = at(after, j);
          for (size_t k = j; !r && k < N; ++k)
            if (n[k] == '/') r = at(after, k + 1);
        } else {
          for (size_t k = j; !r && k <= N; ++k) r = at(after, k);
        }
      } else if (g[i] == '*') {
        for (size_t k = j; !r && k <= N; ++k) {
          r = at(i + 1, k);
          if (k < N && n[k] == '/') break;
        }
      } else if (j < N) {
        if (g[i] == '?') r = n[j] != '/' && at(i + 1, j + 1);
        else r = g[i] == n[j] && at(i + 1, j + 1);
      }
      at(i, j) = r;
    }
  }
  return at(0, 0) != 0;
}

namespace {

bool MatchesAny(const std::vector<std::string>& globs, const std::string& name) {
  for (const auto& g : globs) {
    bool ok = true;
    const std::string glob = Utf8ToCp1251(g, &ok);
    // A glob the code page cannot hold matches no entry name.
    if (ok && GlobMatch(glob, name)) return true;
  }
  return false;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void PutLe32(std::string& out, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

bool CollectPackSources(const std::string& dir, const PackOptions& options, const std::string& exclude,
                        std::vector<PackSource>& sources, std::string& error,
                        std::vector<std::string>& warnings) {
  sources.clear();
  std::error_code ec;
  const fs::path root(dir);  // paths on disk are UTF-8 bytes
  if (!fs::is_directory(root, ec)) {
    error = "not a folder: " + dir;
    return false;
  }
  fs::path excluded;
  if (!exclude.empty()) excluded = fs::weakly_canonical(fs::path(exclude), ec);
  fs::recursive_directory_iterator it(root, ec), end;
  if (ec) {
    error = "cannot read folder " + dir + ": " + ec.message();
    return false;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    std::error_code fec;
    if (!it->is_regular_file(fec)) continue;
    if (!excluded.empty() && fs::weakly_canonical(it->path(), fec) == excluded) continue;
    PackSource s;
    s.path = it->path().string();
    s.relative = it->path().lexically_relative(root).generic_string();
    bool ok = true;
    const std::string cp = Utf8ToCp1251(s.relative, &ok);
    if (!ok) {
      error = "name cannot be stored in Windows-1251: " + s.relative;
      return false;
    }
    if (cp.size() > 255) {
      error = "name longer than 255 bytes: " + s.relative;
      return false;
    }
    s.name = LowerCase(cp);
    s.scramble = MatchesAny(options.scramble, s.name);
    s.recode = MatchesAny(options.recode, s.name);
    sources.push_back(std::move(s));
  }
  if (ec) {
    error = "cannot read folder " + dir + ": " + ec.message();
    return false;
  }
  std::sort(sources.begin(), sources.end(), [](const PackSource& a, const PackSource& b) {
    return a.name != b.name ? a.name < b.name : a.relative < b.relative;
  });
  for (size_t i = 1; i < sources.size(); ++i)
    if (sources[i].name == sources[i - 1].name)
      warnings.push_back("same entry name for " + sources[i - 1].relative + " and " + sources[i].relative +
                         ": the later one is what the viewer reads");
  return true;
}

bool WritePack(const std::string& out, const std::vector<PackSource>& sources, std::string& error) {
  std::string tmpl = out + ".tmp-XXXXXX";
  const int fd = mkstemp(tmpl.data());
  if (fd < 0) {
    error = "cannot create " + out + ": " + std::strerror(errno);
    return false;
  }
  auto fail = [&](const std::string& text) {
    error = text;
    close(fd);
    unlink(tmpl.c_str());
    return false;
  };

  std::string directory;
  int64_t position = 0;
  if (!sources.empty()) {
    std::string header(15, '\0');
    header.replace(0, 3, "BMA");
    if (!WriteAll(fd, header.data(), header.size())) return fail("cannot write " + out);
    position = 15;
  }
  for (const auto& s : sources) {
    auto bytes = ReadFileBytes(s.path);
    if (!bytes) return fail("cannot read " + s.relative);
    if (s.recode) {
      std::string_view text = *bytes;
      if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 mark is no content
      bool ok = true;
      std::string converted = Utf8ToCp1251(text, &ok);
      if (!ok) return fail("content cannot be recoded to Windows-1251: " + s.relative);
      bytes->swap(converted);
    }
    if (static_cast<int64_t>(bytes->size()) > std::numeric_limits<int32_t>::max() - position)
      return fail("archive would pass 2 GiB at " + s.relative);
    if (s.scramble)
      for (char& c : *bytes) c = static_cast<char>(c ^ kScrambleKey);
    if (!WriteAll(fd, bytes->data(), bytes->size())) return fail("cannot write " + out);
    directory += static_cast<char>(s.name.size());
    directory += s.name;
    PutLe32(directory, static_cast<int32_t>(bytes->size()));
    PutLe32(directory, static_cast<int32_t>(position));
    directory += static_cast<char>(s.scramble ? 1 : 0);
    position += static_cast<int64_t>(bytes->size());
  }
  if (!sources.empty()) {
    if (position > std::numeric_limits<int32_t>::max()) return fail("archive would pass 2 GiB");
    if (!WriteAll(fd, directory.data(), directory.size())) return fail("cannot write " + out);
    std::string words;
    PutLe32(words, static_cast<int32_t>(position));
    PutLe32(words, 0);
    if (pwrite(fd, words.data(), words.size(), 7) != static_cast<ssize_t>(words.size()))
      return fail("cannot write " + out);
  }
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(fd, 0666 & ~mask) != 0) return fail("cannot write " + out);
  if (close(fd) != 0) {
    unlink(tmpl.c_str());
    error = "cannot write " + out;
    return false;
  }
  if (rename(tmpl.c_str(), out.c_str()) != 0) {
    error = "cannot create " + out + ": " + std::strerror(errno);
    unlink(tmpl.c_str());
    return false;
  }
  return true;
}

bool PackFolderToArchive(const std::string& out, const std::string& dir, const PackOptions& options,
                         std::string& error, std::vector<std::string>& warnings) {
  std::vector<PackSource> sources;
  return CollectPackSources(dir, options, out, sources, error, warnings) && WritePack(out, sources, error);
}

}  // namespace remont
