// Archive reader against plain references measured in the same run:
//   open     OpenPack        vs  one read() of the directory bytes
//   lookup   IndexOfPackFile vs  a scan of the directory from the last entry
//   read     every entry     vs  `cat archive > /dev/null`, after a fresh open
//            and again while open
// Usage: archive_bench ARCHIVE
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace {
using Clock = std::chrono::steady_clock;

template <typename F>
double MedianSeconds(int runs, F&& f) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    t.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

volatile size_t g_sink;

int32_t DirectoryOffset(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  unsigned char h[15] = {};
  const ssize_t n = pread(fd, h, sizeof h, 0);
  close(fd);
  if (n != 15) return -1;
  return static_cast<int32_t>(h[7] | h[8] << 8 | h[9] << 16 | static_cast<uint32_t>(h[10]) << 24);
}

// The reference lookup: from the last entry towards the first.
int Scan(const std::vector<std::string>& names, const std::string& request) {
  std::string key = remont::LowerCase(request);
  for (char& c : key)
    if (c == '\\') c = '/';
  for (int i = static_cast<int>(names.size()) - 1; i >= 0; --i)
    if (names[static_cast<size_t>(i)] == key) return i;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: archive_bench ARCHIVE\n");
    return 2;
  }
  const std::string path = argv[1];
  remont::SetProgramDir(remont::ExtractFilePath(path));
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return 1;
  const int32_t dir_offset = DirectoryOffset(path);
  if (dir_offset < 0 || !remont::OpenPack(path)) {
    std::fprintf(stderr, "archive_bench: cannot open %s\n", path.c_str());
    return 1;
  }
  const auto& directory = remont::PackDirectory();
  const size_t entries = directory.size();
  std::printf("archive: %zu entries, %.1f MB, directory %.2f MB\n", entries, st.st_size / 1e6,
              (st.st_size - dir_offset) / 1e6);

  // Open.
  const size_t dir_bytes = static_cast<size_t>(st.st_size - dir_offset);
  const double raw = MedianSeconds(31, [&] {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::string buf(dir_bytes, '\0');
    size_t done = 0;
    while (done < dir_bytes) {
      const ssize_t n = pread(fd, buf.data() + done, dir_bytes - done, dir_offset + static_cast<off_t>(done));
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    close(fd);
    g_sink = g_sink + buf.size() + static_cast<unsigned char>(buf[done / 2]);
  });
  remont::ClosePack();
  const double open_time = MedianSeconds(31, [&] {
    remont::OpenPack(path);
    remont::ClosePack();
  });
  // Nothing is left for the first lookup to do: the index is made by OpenPack.
  const std::string first = directory.empty() ? std::string("a") : remont::UpperCase(directory.back().name);
  const double open_lookup = MedianSeconds(31, [&] {
    remont::OpenPack(path);
    g_sink = g_sink + static_cast<size_t>(remont::IndexOfPackFile(first) + 1);
    remont::ClosePack();
  });
  std::printf("open:   OpenPack %.3f ms, raw read of directory %.3f ms, ratio %.2fx (target <= 3x)\n",
              open_time * 1e3, raw * 1e3, open_time / raw);
  std::printf("        OpenPack + first lookup %.3f ms, ratio %.2fx\n", open_lookup * 1e3, open_lookup / raw);

  // Lookup.
  remont::OpenPack(path);
  std::vector<std::string> stored;
  for (const auto& e : remont::PackDirectory()) {
    std::string n = e.name;
    for (char& c : n)
      if (c == '\\') c = '/';
    stored.push_back(n);
  }
  std::vector<std::string> requests;
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    std::string n = stored[rng() % stored.size()];
    requests.push_back(i % 10 == 0 ? n + ".missing" : remont::UpperCase(n));
  }
  size_t agree = 0;
  for (const auto& r : requests) agree += remont::IndexOfPackFile(r) == Scan(stored, r);
  if (agree != requests.size()) {
    std::fprintf(stderr, "archive_bench: index and scan disagree\n");
    return 1;
  }
  const double scan = MedianSeconds(3, [&] {
    size_t s = 0;
    for (const auto& r : requests) s += static_cast<size_t>(Scan(stored, r) + 1);
    g_sink = g_sink + s;
  }) / requests.size();
  const double indexed = MedianSeconds(11, [&] {
    size_t s = 0;
    for (int k = 0; k < 50; ++k)
      for (const auto& r : requests) s += static_cast<size_t>(remont::IndexOfPackFile(r) + 1);
    g_sink = g_sink + s;
  }) / (50.0 * requests.size());
  std::printf("lookup: index %.3f us, scan from last %.1f us, %.0fx faster (target >= 100x)\n", indexed * 1e6,
              scan * 1e6, scan / indexed);

  // Reading everything.
  const std::string cat = "cat '" + path + "' > /dev/null";
  const double cat_time = MedianSeconds(5, [&] { g_sink = g_sink + static_cast<size_t>(std::system(cat.c_str())); });
  auto read_all = [&] {
    size_t total = 0;
    std::string bytes;
    for (size_t i = 0; i < entries; ++i) {
      bytes = remont::ReadPackEntry(static_cast<int>(i));
      total += bytes.size();
    }
    g_sink = g_sink + total;
  };
  // Each entry read once after a fresh open (the open included), as a viewer
  // reads a page, and the same again while the archive stays open.
  remont::ClosePack();
  const double first_time = MedianSeconds(5, [&] {
    remont::OpenPack(path);
    read_all();
    remont::ClosePack();
  });
  remont::OpenPack(path);
  const double read_time = MedianSeconds(5, read_all);
  std::printf("read:   first pass after open %.1f ms, cat %.1f ms, ratio %.2fx (target <= 2x)\n", first_time * 1e3,
              cat_time * 1e3, first_time / cat_time);
  std::printf("        again while open %.1f ms, ratio %.2fx\n", read_time * 1e3, read_time / cat_time);
  // What one system call per entry costs on this machine, whatever it does.
  const double calls = MedianSeconds(5, [&] {
    for (size_t i = 0; i < entries; ++i) g_sink = g_sink + static_cast<size_t>(getppid());
  });
  std::printf("        %zu bare system calls %.1f ms (%.2fx cat)\n", entries, calls * 1e3, calls / cat_time);
  remont::ClosePack();
  return 0;
}
