// A temporary folder removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/FileSystem.h"

namespace remont::test {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "remont-test-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }  // UTF-8, no trailing "/"
  std::string Sub(const std::string& rel) const { return path_ + "/" + rel; }
  // Writes a file (UTF-8 relative name), creating its folders.
  std::string Write(const std::string& rel, const std::string& bytes) const {
    const std::filesystem::path p = std::filesystem::u8path(Sub(rel));
    std::filesystem::create_directories(p.parent_path());
    WriteFileBytes(p.string(), bytes);
    return p.string();
  }

 private:
  std::string path_;
};

}  // namespace remont::test
