// The page view's rules that need no widget: page names with anchors, the
// charset a page declares, the program-folder prefix of names handed to the
// trees, and which of the link rules a link target falls under.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace remont {

// A page load that cannot find its file. what() is the system's message
// (Windows-1251); it travels to the caller of the load, and the application's
// default error box shows it when nothing catches it.
class PageLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Splits a page name at the first "#": the file before it, the anchor after it.
void SplitAnchor(const std::string& name, std::string& file, std::string& anchor);

// True when a <meta> tag of the page declares UTF-8 (charset=utf-8 or utf8,
// quoted or not, any letter case). Pages are Windows-1251 otherwise.
bool PageDeclaresUtf8(const std::string& bytes);

// The href of every <link> whose rel is "stylesheet" (any letter case), in
// page order, as written.
std::vector<std::string> StyleSheetLinks(const std::string& bytes);

// The name without the program folder when it really begins with it (Latin
// letters folded, "\" and "/" alike); any other name unchanged.
std::string StripProgramDir(const std::string& name);

// The link rules, in the order they are tried; the first that fits decides.
enum class LinkKind {
  External,  // "http:" or "ftp:" anywhere in the lower-case target
  Command,   // first character "$"
  Movie,     // extension ".swf"
  Picture,   // extension ".jpg", ".gif", ".bmp" or ".png"
  Page,      // extension ".htm" or ".html"
  InPage,    // nothing before "#": a jump within the shown page
  Other,     // anything else: the system shell
};

// The target lower-cased (Windows-1251 table), without "#" and what follows.
std::string LinkFile(const std::string& target);
LinkKind ClassifyLink(const std::string& target);

}  // namespace remont
