#include "archive/PackWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(GlobMatch, Table) {
  struct Case {
    std::string glob, name;
    bool match;
  };
  const std::vector<Case> cases = {
      {"*.txt", "a.txt", true},
      {"*.txt", "dir/a.txt", false},  // "*" stays within one folder name
      {"**/*.txt", "a.txt", true},    // "**/" may match no folder
      {"**/*.txt", "dir/sub/a.txt", true},
      {"**/*.TXT", "dir/a.txt", true},  // letters without regard to case
      {"*.txt", "A.TXT", true},
      {"pages/*", "pages/a.htm", true},
      {"pages/*", "pages/x/a.htm", false},
      {"pages/**", "pages/x/a.htm", true},
      {"**", "anything/at/all", true},
      {"a?c", "abc", true},
      {"a?c", "a/c", false},
      {"*.htm", "a.html", false},
      {"struct_*.txt", "struct_main.txt", true},
      {"x/**/y", "x/y", true},
      {"x/**/y", "x/a/b/y", true},
      {"x/**/y", "xy", false},
      {"", "", true},
      {"", "a", false},
      {Ru("**/СТРАНИЦА*"), Ru("глава/страница1.htm"), true},
  };
  for (const auto& c : cases) EXPECT_EQ(GlobMatch(c.glob, c.name), c.match) << c.glob << " ~ " << c.name;
}

class PackWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPack(); }
  void TearDown() override {
    ResetPack();
    SetProgramDir("");
  }
  bool Pack(const PackOptions& options) {
    error.clear();
    warnings.clear();
    return PackFolderToArchive(out, dir.Sub("src"), options, error, warnings);
  }
  std::vector<std::string> Leftovers() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
      if (e.path().filename() != "src") names.push_back(e.path().filename().string());
    return names;
  }

  test::TempDir dir;
  test::FakePlatform platform;
  std::string out = dir.Sub("out.dat");
  std::string error;
  std::vector<std::string> warnings;
};

TEST_F(PackWriterTest, PackedFolderReadsBack) {
  dir.Write("src/Struct_Main.txt", "Окно");
  dir.Write("src/Pages/Глава/Стр1.HTM", "<p>Текст</p>");
  dir.Write("src/pics/a.jpg", std::string("\x00\xFF\x5A", 3));
  dir.Write("src/b.bin", "");
  PackOptions options;
  options.recode = {"**/*.txt", "**/*.htm"};
  options.scramble = {"pages/**"};
  ASSERT_TRUE(Pack(options)) << error;
  EXPECT_TRUE(warnings.empty());

  SetProgramDir(dir.path());
  ASSERT_TRUE(OpenPack(out));
  const auto& d = PackDirectory();
  std::vector<std::string> names;
  for (const auto& e : d) names.push_back(e.name);
  // Lower-cased Windows-1251 names in byte order (Cyrillic sorts after Latin).
  const std::vector<std::string> expected = {"b.bin", Ru("pages/глава/стр1.htm"), "pics/a.jpg",
                                             "struct_main.txt"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(d[1].flag, 1);
  EXPECT_EQ(d[0].flag, 0);
  EXPECT_EQ(d[0].offset, 15);
  EXPECT_EQ(TPack(Ru("Pages/Глава/Стр1.htm")).Bytes(), Ru("<p>Текст</p>"));
  EXPECT_EQ(TPack("struct_main.txt").Bytes(), Ru("Окно"));
  EXPECT_EQ(TPack("pics/a.jpg").Bytes(), std::string("\x00\xFF\x5A", 3));  // not recoded
  EXPECT_EQ(d[3].size, 4);
  EXPECT_TRUE(platform.messages.empty());

  // The same folder always gives the same archive.
  const auto first = ReadFileBytes(out);
  ClosePack();
  ASSERT_TRUE(Pack(options)) << error;
  EXPECT_EQ(ReadFileBytes(out), first);
}

TEST_F(PackWriterTest, EmptyFolderGivesAnArchiveThatOpens) {
  std::filesystem::create_directories(dir.Sub("src/empty"));
  ASSERT_TRUE(Pack({})) << error;
  EXPECT_EQ(ReadFileBytes(out), std::string());
  EXPECT_TRUE(OpenPack(out));
}

TEST_F(PackWriterTest, FailuresNameTheFileAndLeaveNothing) {
  struct Case {
    const char* what;
    std::string file;
    std::string content;
    std::string named;
  };
  // 255 bytes is the most an entry name holds; one folder name on disk holds as many.
  const std::string long_name = std::string(200, 'a') + "/" + std::string(50, 'b') + ".txt";
  const std::vector<Case> cases = {
      {"name of 256 bytes", "d" + long_name, "x", "d" + long_name},
      {"name outside the code page", "中文.txt", "x", "中文.txt"},
      {"content outside the code page", "page.txt", "日本", "page.txt"},
      {"content not UTF-8", "bad.txt", "\xC0\x20", "bad.txt"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir.Sub("src"));
    std::filesystem::remove(out);
    dir.Write("src/ok.txt", "fine");
    dir.Write("src/" + c.file, c.content);
    PackOptions options;
    options.recode = {"**/*.txt"};
    EXPECT_FALSE(Pack(options)) << c.what;
    EXPECT_NE(error.find(c.named), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(Leftovers(), std::vector<std::string>{}) << c.what;
  }
  // 255 bytes is still a name.
  std::filesystem::remove_all(dir.Sub("src"));
  dir.Write("src/" + long_name, "x");
  EXPECT_TRUE(Pack({})) << error;
}

TEST_F(PackWriterTest, FailureKeepsThePreviousArchive) {
  dir.Write("src/a.txt", "one");
  ASSERT_TRUE(Pack({})) << error;
  const auto before = ReadFileBytes(out);
  dir.Write("src/b.txt", "\xFF");
  PackOptions options;
  options.recode = {"*.txt"};
  EXPECT_FALSE(Pack(options));
  EXPECT_EQ(ReadFileBytes(out), before);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{"out.dat"});
}

TEST_F(PackWriterTest, NamesEqualOnceLowerCasedAreReported) {
  dir.Write("src/A.txt", "upper");
  dir.Write("src/a.txt", "lower");
  ASSERT_TRUE(Pack({})) << error;
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("A.txt"), std::string::npos);
  ASSERT_TRUE(OpenPack(out));
  EXPECT_EQ(PackDirectory().size(), 2u);
  EXPECT_EQ(TPack("a.txt").Bytes(), "lower");  // the later in byte order of the paths
}

TEST_F(PackWriterTest, ArchiveInsideTheFolderIsNotPackedIntoItself) {
  dir.Write("src/a.txt", "one");
  out = dir.Sub("src/interface.dat");
  ASSERT_TRUE(Pack({})) << error;
  ASSERT_TRUE(Pack({})) << error;
  ASSERT_TRUE(OpenPack(out));
  ASSERT_EQ(PackDirectory().size(), 1u);
  EXPECT_EQ(PackDirectory()[0].name, "a.txt");
}

}  // namespace
}  // namespace remont
