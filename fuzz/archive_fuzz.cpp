// The archive reader over arbitrary file bytes: open, read every entry and a
// few names, close. Nothing may crash, read outside the file or leak.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "archive/Pack.h"
#include "common/Helpers.h"
#include "common/Platform.h"

namespace {

class QuietPlatform : public remont::ConsolePlatform {
 public:
  void ShowMessage(const std::string&, remont::MessageKind) override {}
};

struct Setup {
  Setup() {
    char tmpl[] = "/tmp/remont-archive-fuzz-XXXXXX";
    folder = mkdtemp(tmpl);
    path = folder + "/interface.dat";
    remont::SetProgramDir(folder);
    remont::SetPlatform(&platform);
  }
  std::string folder, path;
  QuietPlatform platform;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  const int fd = open(setup.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return 0;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);

  if (remont::OpenPack(setup.path)) {
    const auto& directory = remont::PackDirectory();
    size_t total = 0;
    for (size_t i = 0; i < directory.size(); ++i) {
      std::string bytes;
      remont::ReadPackEntry(static_cast<int>(i), bytes);
      total += bytes.size();
      if (i < 64) {
        remont::TPack pack(directory[i].name);
        total += pack.Size();
        total += remont::PackFileExists(directory[i].name) ? 1 : 0;
      }
    }
    for (const char* name : {"struct_main.txt", "PAGES\\INTRO.HTM", "", "a"}) {
      remont::TPack pack(name);
      total += pack.Size() + static_cast<size_t>(remont::IndexOfPackFile(name) + 1);
    }
    if (total == SIZE_MAX) std::abort();  // keeps the reads from being optimised away
  }
  remont::ClosePack();
  return 0;
}
