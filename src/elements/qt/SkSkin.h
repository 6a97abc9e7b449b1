// TSkSkin: the theme files (Qt style sheets) a description names, registered
// once per file name. An element's theme object is its dynamic property
// "themeObject", which style sheets select.
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace remont {

class TSkSkin {
 public:
  struct AExEngine {
    std::string file_name;  // name part of the theme file path
    std::string path;
    QString style_sheet;    // the theme's contents, read when registered
  };

  explicit TSkSkin(QWidget* window) : window_(window) {}

  // False for an empty path or a file name registered already (Latin case ignored).
  bool AddSkin(const std::string& path);
  const AExEngine* FindSkin(const std::string& path) const;
  QWidget* Window() const { return window_; }

 private:
  QWidget* window_;
  std::vector<AExEngine> entries_;
};

}  // namespace remont
