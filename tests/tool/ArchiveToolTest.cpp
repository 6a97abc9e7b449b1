// remont-tool pack, list, cat and extract, run as the real program.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/ArchiveBuilder.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace remont {
namespace {

class ArchiveToolTest : public ::testing::Test {
 protected:
  test::ToolResult Tool(const std::vector<std::string>& args) { return test::RunTool(args, dir); }
  test::TempDir dir;
};

TEST_F(ArchiveToolTest, PackThenList) {
  dir.Write("m/Struct_Main.txt", "Окно");
  dir.Write("m/Pages/Глава.htm", "<p>Да</p>");
  const auto r = Tool({"pack", "--scramble", "PAGES/*", "--recode", "**/*.txt", dir.Sub("a.dat"), dir.Sub("m")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto l = Tool({"list", dir.Sub("a.dat")});
  EXPECT_EQ(l.code, 0);
  // Struct_Main.txt recoded: 4 Cyrillic letters are 4 bytes; the page kept its 11 UTF-8 bytes.
  EXPECT_EQ(l.out, Ru("pages/глава.htm") + "\t11\t15\t1\nstruct_main.txt\t4\t26\t0\n");
  const auto c = Tool({"cat", dir.Sub("a.dat"), "PAGES/ГЛАВА.HTM"});
  EXPECT_EQ(c.code, 0);
  EXPECT_EQ(c.out, "<p>Да</p>");
}

TEST_F(ArchiveToolTest, ListEscapesNamesAndReportsRefusals) {
  dir.Write("e.dat", test::ArchiveBuilder().Add("a\tb\\c\n\x01", "xy", 7).Build());
  auto r = Tool({"list", dir.Sub("e.dat")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "a\\tb\\\\c\\n\\x01\t2\t15\t7\n");

  dir.Write("empty.dat", "");
  r = Tool({"list", dir.Sub("empty.dat")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");

  dir.Write("bad.dat", "XYZ" + std::string(20, '\0'));
  r = Tool({"list", dir.Sub("bad.dat")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Неверная сигнатура архива\n");

  dir.Write("cut.dat", test::ArchiveBuilder().Add("a", "x").Build() + "\x05");
  r = Tool({"list", dir.Sub("cut.dat")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "");

  r = Tool({"list", dir.Sub("absent.dat")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(Tool({"list"}).code, 2);
  EXPECT_EQ(Tool({"list", "a", "b"}).code, 2);
}

TEST_F(ArchiveToolTest, CatReadsAsTheViewer) {
  dir.Write("data/a.dat", test::ArchiveBuilder().Add("s.txt", "secret", 1).Add("p.txt", "plain").Build());
  dir.Write("data/Loose/Файл.TXT", "loose beside");
  struct Case {
    std::string name;
    int code;
    std::string out, err;
  };
  const std::vector<Case> cases = {
      {"s.txt", 0, "secret", ""},
      {"P.TXT", 0, "plain", ""},
      {"loose\\файл.txt", 0, "loose beside", ""},
      {"Нет/Файла.htm", 1, "", "Не найден файл \r\nНет/Файла.htm\n"},
      {"", 0, "", ""},
  };
  for (const auto& c : cases) {
    const auto r = Tool({"cat", dir.Sub("data/a.dat"), c.name});
    EXPECT_EQ(r.code, c.code) << c.name;
    EXPECT_EQ(r.out, c.out) << c.name;
    EXPECT_EQ(r.err, c.err) << c.name;
  }
  // A refused archive shows its message; loose files are still read.
  dir.Write("data/bad.dat", "NOPE" + std::string(20, '\0'));
  const auto r = Tool({"cat", dir.Sub("data/bad.dat"), "loose/файл.txt"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "loose beside");
  EXPECT_EQ(r.err, "Неверная сигнатура архива\n");
  EXPECT_EQ(Tool({"cat", dir.Sub("data/a.dat")}).code, 2);
}

TEST_F(ArchiveToolTest, ExtractWritesEntriesAndRefusesEscapes) {
  dir.Write("x.dat", test::ArchiveBuilder()
                         .Add("dup.txt", "first")
                         .Add(Ru("папка\\Файл.txt"), "cyr", 1)
                         .Add("../evil.txt", "no")
                         .Add("/abs.txt", "no")
                         .Add("a/../../up.txt", "no")
                         .Add("dup.txt", "second")
                         .Build());
  const auto r = Tool({"extract", dir.Sub("x.dat"), dir.Sub("out")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("../evil.txt"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("/abs.txt"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("a/../../up.txt"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFileBytes(dir.Sub("out/dup.txt")), "second");
  EXPECT_EQ(ReadFileBytes(dir.Sub("out/папка/Файл.txt")), "cyr");
  EXPECT_FALSE(std::filesystem::exists(dir.Sub("evil.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.Sub("up.txt")));
  EXPECT_FALSE(std::filesystem::exists("/abs.txt"));

  dir.Write("ok.dat", test::ArchiveBuilder().Add("a/b.txt", "b").Build());
  const auto ok = Tool({"extract", dir.Sub("ok.dat"), dir.Sub("out2")});
  EXPECT_EQ(ok.code, 0) << ok.err;
  EXPECT_EQ(ReadFileBytes(dir.Sub("out2/a/b.txt")), "b");

  dir.Write("badentry.dat", test::ArchiveBuilder().Add(test::RawEntry{"big", "x", 0, 1000, {}}).Build());
  EXPECT_EQ(Tool({"extract", dir.Sub("badentry.dat"), dir.Sub("out3")}).code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.Sub("out3/big")));
}

TEST_F(ArchiveToolTest, PackErrorsAndUsage) {
  dir.Write("m/" + std::string(200, 'a') + "/" + std::string(60, 'b'), "x");
  auto r = Tool({"pack", dir.Sub("o.dat"), dir.Sub("m")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find(std::string(60, 'b')), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Sub("o.dat")));

  r = Tool({"pack", dir.Sub("o.dat"), dir.Sub("absent")});
  EXPECT_EQ(r.code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.Sub("o.dat")));

  const std::vector<std::vector<std::string>> usage = {
      {"pack"}, {"pack", "out"}, {"pack", "--scramble"}, {"pack", "--bogus", "x", "o", "d"}, {"pack", "o", "d", "e"}};
  for (const auto& u : usage) EXPECT_EQ(Tool(u).code, 2) << u.size();
}

}  // namespace
}  // namespace remont
