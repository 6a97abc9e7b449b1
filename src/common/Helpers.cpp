#include "common/Helpers.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "common/Cp1251.h"
#include "common/ConvertError.h"

namespace remont {

std::string CutToken(std::string& text, const std::string& separator) {
  const auto p = separator.empty() ? std::string::npos : text.find(separator);
  if (p == std::string::npos) {
    std::string token;
    token.swap(text);
    return token;
  }
  std::string token = text.substr(0, p);
  text.erase(0, p + separator.size());
  return token;
}

std::string Trim(const std::string& text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

bool ParseBool(const std::string& text, bool fallback) {
  const std::string t = LowerCase(Trim(text));
  if (t == "true" || t == "1") return true;
  if (t == "false" || t == "0") return false;
  return fallback;
}

std::string BoolText(bool b) { return b ? "1" : "0"; }

bool TryStrToInt(const std::string& text, int& value) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v * base + d;
    // Hexadecimal colours use the full 32 bits; decimals must fit a signed int.
    if (v > (base == 16 ? 0xFFFFFFFFLL : static_cast<long long>(INT_MAX) + 1)) return false;
  }
  if (negative) v = -v;
  if (base == 10 && (v > INT_MAX || v < INT_MIN)) return false;
  value = static_cast<int>(static_cast<unsigned int>(v));
  return true;
}

int StrToInt(const std::string& text) {
  int v = 0;
  if (!TryStrToInt(text, v)) throw ConvertError("'" + text + "' is not a valid integer value");
  return v;
}

int StrToIntDef(const std::string& text, int fallback) {
  int v = 0;
  return TryStrToInt(text, v) ? v : fallback;
}

int ParseColor(const std::string& input) {
  if (input.empty()) return 0;
  std::string text = input;
  if (text[0] == '#') {
    std::string rest = text.substr(1);
    if (rest.size() > 5) rest = rest.substr(4, 2) + rest.substr(2, 2) + rest.substr(0, 2);
    text = "$" + rest;
  }
  if (text[0] != '$') text = "$" + text;
  int v = 0;
  // Only the "$" form is a colour: a sign or blanks after it are not hexadecimal.
  const bool plain = text.size() > 1 && text.find_first_of(" \t+-", 1) == std::string::npos;
  if (!plain || !TryStrToInt(text, v)) throw ConvertError("'" + input + "' is not a valid integer value");
  return v;
}

namespace {
std::string& ProgramDirOverride() {
  static std::string dir;
  return dir;
}
}  // namespace

void SetProgramDir(const std::string& dir) { ProgramDirOverride() = AddBackslash(dir); }

std::string GetProgramDir() {
  if (!ProgramDirOverride().empty()) return ProgramDirOverride();
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string exe(buf, static_cast<size_t>(n));
  // File names on disk are UTF-8; inside the system they are Windows-1251.
  return Utf8ToCp1251(exe.substr(0, exe.rfind('/') + 1));
}

bool IsAbsolutePath(const std::string& name) {
  return (!name.empty() && name[0] == '/') || (name.size() > 1 && name[1] == ':');
}

std::string GetProgramPath(const std::string& name) {
  if (name.empty()) return name;
  if (name.size() > 1 && name[1] == ':') return name;
  if (name[0] == '/') return name;
  std::string rest = name;
  if (rest[0] == '\\') rest.erase(0, 1);
  return GetProgramDir() + rest;
}

std::string AddBackslash(const std::string& t) {
  if (!t.empty() && t.back() != '/') return t + "/";
  return t;
}

std::string DelBackslash(const std::string& t) {
  if (!t.empty() && t.back() == '/') return t.substr(0, t.size() - 1);
  return t;
}

std::string JoinPath(const std::string& name, const std::string& base_in) {
  std::string base = base_in.empty() ? GetProgramDir() : base_in;
  if (name.empty() || IsAbsolutePath(name)) return name;
  for (char& c : base)
    if (c == '\\') c = '/';
  std::string dir = AddBackslash(base);
  std::string n = name;
  for (char& c : n)
    if (c == '\\') c = '/';
  int steps = 0;
  std::string relative;
  while (!n.empty()) {
    relative = CutToken(n, "../");
    if (!n.empty()) ++steps;
  }
  if (steps > 0) {
    const bool rooted = dir[0] == '/';
    dir = DelBackslash(dir);
    for (int i = 0; i < steps; ++i) {
      const auto p = dir.rfind('/');
      if (p == std::string::npos) dir.clear();
      else if (p == 0) dir.assign(1, '/');
      else dir.erase(p);
    }
    if (rooted && dir.empty()) dir.assign(1, '/');
    dir = AddBackslash(dir);
  }
  return dir + relative;
}

std::string ExtractFilePath(const std::string& path) {
  const auto p = path.find_last_of("/\\:");
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExtractFileName(const std::string& path) {
  const auto p = path.find_last_of("/\\:");
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFileExt(const std::string& path) {
  const auto p = path.find_last_of("./\\:");
  if (p == std::string::npos || path[p] != '.') return {};
  return path.substr(p);
}

bool IsEven(int n) { return n % 2 == 0; }

bool IsIdentifier(const std::string& name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (const char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c >= '0' && c <= '9') && c != '_') return false;
  }
  return true;
}

void HtmlHeader(std::vector<std::string>& list, const std::string& attributes) {
  list.insert(list.begin(), {"<html>", "<head></head>", "<body " + attributes + ">"});
}

void HtmlFooter(std::vector<std::string>& list) {
  list.push_back("</body>");
  list.push_back("</html>");
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool SamePageName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] == '\\' ? '/' : LowerLatin(a[i]);
    const char y = b[i] == '\\' ? '/' : LowerLatin(b[i]);
    if (x != y) return false;
  }
  return true;
}

}  // namespace remont
