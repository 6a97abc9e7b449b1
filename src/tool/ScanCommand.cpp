// remont-tool scan [--no-translate] FILE: runs the HTML text scanner over FILE as
// the full-text search does and prints one line per event, in order.
// FILE's bytes become the Content lines exactly as a page loaded by the search:
// split at CR LF, LF or CR, a last line without a break counting, a final break
// adding no empty line; the scanner joins the lines with CR LF.
#include <cstdio>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Messages.h"
#include "shell/LegHtmlParser.h"
#include "tool/ToolCommand.h"

namespace remont::tool {

namespace {

constexpr const char* kScanUsage = "scan [--no-translate] FILE";

int RunScan(const std::vector<std::string>& args) {
  bool translate = true;
  std::string file;
  bool have_file = false;
  for (const auto& arg : args) {
    if (arg == "--no-translate" && !have_file) {
      translate = false;
    } else if (!have_file && !(arg.size() > 1 && arg.compare(0, 2, "--") == 0)) {
      file = arg;
      have_file = true;
    } else {
      return UsageError(kScanUsage);
    }
  }
  if (!have_file) return UsageError(kScanUsage);

  const auto bytes = ReadFileBytes(file);
  if (!bytes) {
    const std::string message = Cp1251ToUtf8(msg::FileNotFound("")) + file + "\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    return kFailed;
  }

  TLegHtmlParser scanner;
  scanner.SetTranslate(translate);
  scanner.LoadContent(*bytes);

  std::string line;
  const auto token = [&line](const char* kind) {
    return [&line, kind](TLegHtmlParser&, const std::string& text) {
      line = kind;
      line += '\t';
      line += Escape(text);
      line += '\n';
      Out(line);
    };
  };
  scanner.OnBlock = token("block");
  scanner.OnText = token("text");
  scanner.OnComment = token("comment");
  scanner.OnScript = token("script");
  scanner.OnDTDTag = token("dtd");
  scanner.OnTag = [&line](TLegHtmlParser&, const std::string& name, TLegHtmlParser::Attributes attrs) {
    line = "tag\t";
    line += Escape(name);
    for (const auto& a : attrs) {
      line += '\t';
      line += Escape(a);
    }
    line += '\n';
    Out(line);
  };
  scanner.OnError = [&line](TLegHtmlParser&, int code, std::int64_t pos, bool&) {
    line = "error\t" + std::to_string(code) + "\t" + std::to_string(pos) + "\n";
    Out(line);
  };
  scanner.Parse();
  std::fflush(stdout);
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("scan", kScanUsage, RunScan);

}  // namespace remont::tool
