// A small manual for widget tests: files packed into an archive in a fresh
// program folder (the packer stores them as a real manual ships them), plus
// loose files beside it. The archive is closed and the program folder put
// back when the manual goes.
#pragma once

#include <QBuffer>
#include <QImage>
#include <map>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "archive/PackWriter.h"
#include "common/Helpers.h"
#include "support/TempDir.h"

namespace remont::test {

class TestManual {
 public:
  TestManual() : previous_dir_(GetProgramDir()) {}
  ~TestManual() {
    ResetPack();
    SetProgramDir(previous_dir_);
  }
  TestManual(const TestManual&) = delete;
  TestManual& operator=(const TestManual&) = delete;

  // A file stored in the archive (UTF-8 relative name, bytes as stored).
  void Add(const std::string& rel, const std::string& bytes) { source_.Write(rel, bytes); }
  // A loose file in the program folder.
  void AddLoose(const std::string& rel, const std::string& bytes) { program_.Write(rel, bytes); }

  // Packs the archive, makes the folder the program folder and opens it.
  bool Open() {
    std::string error;
    std::vector<std::string> warnings;
    if (!PackFolderToArchive(program_.Sub("interface.dat"), source_.path(), PackOptions{}, error, warnings))
      return false;
    SetProgramDir(Dir());
    return OpenPack(program_.Sub("interface.dat"));
  }

  std::string Dir() const { return program_.path() + "/"; }

 private:
  std::string previous_dir_;
  TempDir source_;
  TempDir program_;
};

// Picture bytes in a format Qt writes ("JPG", "PNG", "BMP").
inline std::string PictureBytes(int w, int h, const char* format, QColor colour = Qt::blue) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

// A 1x1 GIF (Qt reads GIF but does not write it).
inline std::string GifBytes() {
  static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                      0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                                      0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
  return std::string(reinterpret_cast<const char*>(gif), sizeof gif);
}

// A page in Windows-1251 (title and body already Windows-1251).
inline std::string Page(const std::string& title, const std::string& body) {
  return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

}  // namespace remont::test
