#include "pages/PageRules.h"

#include <algorithm>

#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {

void SplitAnchor(const std::string& name, std::string& file, std::string& anchor) {
  const auto p = name.find('#');
  if (p == std::string::npos) {
    file = name;
    anchor.clear();
  } else {
    file = name.substr(0, p);
    anchor = name.substr(p + 1);
  }
}

bool PageDeclaresUtf8(const std::string& bytes) {
  const std::string lower = LowerLatinCase(bytes);
  size_t pos = 0;
  while ((pos = lower.find("<meta", pos)) != std::string::npos) {
    const size_t end = lower.find('>', pos);
    const std::string tag = lower.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    size_t c = tag.find("charset");
    while (c != std::string::npos) {
      size_t v = c + 7;
      while (v < tag.size() && (tag[v] == ' ' || tag[v] == '\t' || tag[v] == '=' || tag[v] == '"' || tag[v] == '\''))
        ++v;
      if (tag.compare(v, 5, "utf-8") == 0 || tag.compare(v, 4, "utf8") == 0) return true;
      c = tag.find("charset", c + 7);
    }
    if (end == std::string::npos) break;
    pos = end;
  }
  return false;
}

namespace {
// The value of attribute name in one tag (tag and name in lower case; the
// value is taken from original, the same tag as written).
bool TagAttribute(const std::string& tag, const std::string& original, const std::string& name, std::string& value) {
  size_t p = 0;
  while ((p = tag.find(name, p)) != std::string::npos) {
    const bool starts = p > 0 && (tag[p - 1] == ' ' || tag[p - 1] == '\t' || tag[p - 1] == '\n' || tag[p - 1] == '\r');
    size_t v = p + name.size();
    while (v < tag.size() && (tag[v] == ' ' || tag[v] == '\t')) ++v;
    if (!starts || v >= tag.size() || tag[v] != '=') {
      p += name.size();
      continue;
    }
    ++v;
    while (v < tag.size() && (tag[v] == ' ' || tag[v] == '\t')) ++v;
    if (v < tag.size() && (tag[v] == '"' || tag[v] == '\'')) {
      const size_t e = tag.find(tag[v], v + 1);
      value = original.substr(v + 1, (e == std::string::npos ? tag.size() : e) - v - 1);
    } else {
      size_t e = v;
      while (e < tag.size() && tag[e] != ' ' && tag[e] != '\t' && tag[e] != '>' && tag[e] != '/') ++e;
      value = original.substr(v, e - v);
    }
    return true;
  }
  return false;
}
}  // namespace

std::vector<std::string> StyleSheetLinks(const std::string& bytes) {
  std::vector<std::string> hrefs;
  const std::string lower = LowerLatinCase(bytes);
  size_t pos = 0;
  while ((pos = lower.find("<link", pos)) != std::string::npos) {
    const size_t end = std::min(lower.find('>', pos), lower.size());
    const std::string tag = lower.substr(pos, end - pos);
    const std::string original = bytes.substr(pos, end - pos);
    std::string rel, href;
    if (TagAttribute(tag, original, "rel", rel) && Trim(LowerLatinCase(rel)) == "stylesheet" &&
        TagAttribute(tag, original, "href", href))
      hrefs.push_back(href);
    pos = end;
  }
  return hrefs;
}

std::string StripProgramDir(const std::string& name) {
  const std::string dir = GetProgramDir();
  if (name.size() >= dir.size() && SamePageName(name.substr(0, dir.size()), dir))
    return name.substr(dir.size());
  return name;
}

std::string LinkFile(const std::string& target) {
  const std::string lower = LowerCase(target);
  return lower.substr(0, lower.find('#'));
}

LinkKind ClassifyLink(const std::string& target) {
  const std::string lower = LowerCase(target);
  if (lower.find("http:") != std::string::npos || lower.find("ftp:") != std::string::npos) return LinkKind::External;
  if (!target.empty() && target[0] == '$') return LinkKind::Command;
  const std::string file = LinkFile(target);
  const std::string ext = ExtractFileExt(file);
  if (ext == ".swf") return LinkKind::Movie;
  if (ext == ".jpg" || ext == ".gif" || ext == ".bmp" || ext == ".png") return LinkKind::Picture;
  if (ext == ".htm" || ext == ".html") return LinkKind::Page;
  if (file.empty() && target.find('#') != std::string::npos) return LinkKind::InPage;
  return LinkKind::Other;
}

}  // namespace remont
