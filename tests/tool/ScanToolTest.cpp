// Runs the real `remont-tool scan` on files and checks its output byte for byte.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "common/Cp1251.h"
#include "support/TempDir.h"

namespace remont {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::string& args, const test::TempDir& dir) {
  const std::string err_file = dir.Sub("stderr.txt");
  const std::string command = std::string("'") + REMONT_TOOL_PATH + "' " + args + " 2>'" + err_file + "'";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (auto err = ReadFileBytes(err_file)) run.err = *err;
  return run;
}

TEST(ScanTool, PrintsOneEscapedLinePerEvent) {
  test::TempDir dir;
  // Mixed breaks: the file becomes the lines "<p a='1\t2'>", "x\\y &amp;", "",
  // Russian text, "<!-- c -->", "a > b"; the scanner joins them with CR LF.
  const std::string page = "<p a='1\t2'>\r\nx\\y &amp;\n\r" + Ru("Ремонт&nbsp;") + "\r<!-- c -->\na > b\r\n";
  const std::string file = dir.Write("page.htm", page);
  const ToolRun run = RunTool("scan '" + file + "'", dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string expected =
      "block\t<p a='1\\t2'>\n"
      "tag\tp\ta=1\\t2\n"
      "block\tx\\\\y &amp;\\r\\n\\r\\n" + Ru("Ремонт&nbsp;") + "\n"
      "text\tx\\\\y &\\r\\n\\r\\n" + Ru("Ремонт") + "\xA0\n"
      "block\t<!-- c -->\n"
      "comment\t c \n"
      "error\t5\t55\n";
  EXPECT_EQ(run.out, expected);
}

TEST(ScanTool, NoTranslateAndScriptsAndDocumentType) {
  test::TempDir dir;
  const std::string file = dir.Write("p.htm",
                                     "<!DOCTYPE x &amp;>\n<script>a<b</script>&lt;\n<i t=&amp;>\n<b");
  const ToolRun plain = RunTool("scan --no-translate '" + file + "'", dir);
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out,
            "block\t<!DOCTYPE x &amp;>\n"
            "dtd\tDOCTYPE x &amp;\n"
            "block\t<script>\n"
            "tag\tscript\n"
            "block\ta<b\n"
            "script\ta<b\n"
            "block\t</script>\n"
            "tag\t/script\n"
            "block\t&lt;\n"
            "text\t&lt;\n"
            "block\t<i t=&amp;>\n"
            "tag\ti\tt=&amp;\n"
            "error\t1\t62\n");
  const ToolRun decoded = RunTool("scan '" + file + "'", dir);
  EXPECT_EQ(decoded.status, 0);
  EXPECT_NE(decoded.out.find("dtd\tDOCTYPE x &\n"), std::string::npos) << decoded.out;
  EXPECT_NE(decoded.out.find("text\t<\n"), std::string::npos) << decoded.out;
  EXPECT_NE(decoded.out.find("tag\ti\tt=&\n"), std::string::npos) << decoded.out;
}

TEST(ScanTool, EmptyFilePrintsNothing) {
  test::TempDir dir;
  const ToolRun run = RunTool("scan '" + dir.Write("empty.htm", "") + "'", dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST(ScanTool, MissingFileAndUsage) {
  test::TempDir dir;
  const ToolRun missing = RunTool("scan '" + dir.Sub("none.htm") + "'", dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "Не найден файл \r\n" + dir.Sub("none.htm") + "\n");

  for (const char* args : {"scan", "scan a b", "scan --bogus a", "scan a --no-translate"}) {
    const ToolRun usage = RunTool(args, dir);
    EXPECT_EQ(usage.status, 2) << args;
    EXPECT_NE(usage.err.find("usage: remont-tool scan [--no-translate] FILE"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace remont
