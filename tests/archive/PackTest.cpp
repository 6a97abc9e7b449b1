#include "archive/Pack.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "archive/ArchiveBuilder.h"
#include "archive/PackUtils.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

using test::ArchiveBuilder;
using test::RawEntry;

int OpenDescriptors() {
  int n = 0;
  DIR* d = opendir("/proc/self/fd");
  while (dirent* e = readdir(d))
    if (e->d_name[0] != '.') ++n;
  closedir(d);
  return n;
}

// The lookup as a plain scan from the last entry, the reference for the index.
int ScanFromLast(const std::vector<TData>& dir, const std::string& name) {
  auto fold = [](std::string s) {
    for (char& c : s)
      if (c == '\\') c = '/';
    return s;
  };
  const std::string key = fold(LowerCase(name));
  for (int i = static_cast<int>(dir.size()) - 1; i >= 0; --i)
    if (fold(dir[static_cast<size_t>(i)].name) == key) return i;
  return -1;
}

class PackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPack();
    SetProgramDir(dir.path());
  }
  void TearDown() override {
    ResetPack();
    SetProgramDir("");
  }
  std::string Archive(const std::string& bytes, const std::string& rel = "interface.dat") {
    return dir.Write(rel, bytes);
  }

  test::TempDir dir;
  test::FakePlatform platform;
};

const std::string kCyrillicStored = Ru("кириллица/файл.htm");

std::string LookupArchive() {
  return ArchiveBuilder()
      .Add("pages/intro.htm", "intro")
      .Add("Pages/Cap.htm", "capital")
      .Add("dup.txt", "first")
      .Add("dup.txt", "second")
      .Add("dir\\back.htm", "back")
      .Add(kCyrillicStored, "cyr")
      .Add("mixed/slash.htm", "old")
      .Add("mixed\\slash.htm", "new")
      .Build();
}

TEST_F(PackTest, LookupFollowsLastToFirstScan) {
  ASSERT_TRUE(OpenPack(Archive(LookupArchive())));
  struct Case {
    std::string request;
    int index;
  };
  const std::vector<Case> cases = {
      {"pages/intro.htm", 0},
      {"Pages/Intro.HTM", 0},
      {"pages\\intro.htm", 0},
      {"Pages/Cap.htm", -1},  // a stored capital is never found
      {"pages/cap.htm", -1},
      {"dup.txt", 3},  // the later of two equal names
      {"DUP.TXT", 3},
      {"dir/back.htm", 4},
      {"DIR\\BACK.HTM", 4},
      {Ru("КИРИЛЛИЦА/ФАЙЛ.HTM"), 5},
      {"mixed/slash.htm", 7},  // "\\" and "/" are one character
      {"pages/../pages/intro.htm", -1},
      {"/pages/intro.htm", -1},
      {"", -1},
      {std::string(300, 'a'), -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IndexOfPackFile(c.request), c.index) << c.request;
    EXPECT_EQ(IndexOfPackFile(c.request), ScanFromLast(PackDirectory(), c.request)) << c.request;
  }
  EXPECT_EQ(TPack("dup.txt").Bytes(), "second");
  EXPECT_EQ(TPack("MIXED/SLASH.HTM").Bytes(), "new");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PackTest, IndexAgreesWithScanOnManyNames) {
  ArchiveBuilder b;
  std::vector<std::string> requests;
  for (int i = 0; i < 3000; ++i) {
    const std::string name = "p" + std::to_string(i % 1700) + (i % 3 ? "/x" : "\\x") + std::to_string(i % 7) + ".htm";
    b.Add(i % 11 == 0 ? "P" + name : name, std::to_string(i));
    requests.push_back(name);
    requests.push_back("P" + name);
    requests.push_back(name + "x");
  }
  ASSERT_TRUE(OpenPack(Archive(b.Build())));
  for (const auto& r : requests) ASSERT_EQ(IndexOfPackFile(r), ScanFromLast(PackDirectory(), r)) << r;
}

TEST_F(PackTest, OnlyFlagOneIsUnscrambled) {
  const std::string plain = "<html>\x01\xFF z";
  struct Case {
    uint8_t flag;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {0, plain}, {1, plain}, {2, test::Scrambled(plain)}, {255, test::Scrambled(plain)}};
  ArchiveBuilder b;
  for (const auto& c : cases) {
    // Store the scrambled form for flags other than 1, to see it come back as stored.
    b.Add(RawEntry{"f" + std::to_string(c.flag), c.flag == 1 || c.flag == 0 ? plain : test::Scrambled(plain),
                   c.flag, {}, {}});
  }
  ASSERT_TRUE(OpenPack(Archive(b.Build())));
  for (const auto& c : cases) {
    EXPECT_EQ(TPack("f" + std::to_string(c.flag)).Bytes(), c.expected) << int(c.flag);
    EXPECT_EQ(PackDirectory()[&c - cases.data()].flag, c.flag);
  }
}

TEST_F(PackTest, EntriesOutsideTheFileAreRefused) {
  struct Case {
    const char* what;
    std::optional<int32_t> size, offset;
    bool readable;
    std::string bytes;
  };
  // The archive body is "abcdef" at 15..20; the directory follows at 21.
  const std::vector<Case> cases = {
      {"whole", {}, {}, true, "abcdef"},
      {"empty", 0, {}, true, ""},
      {"negative size", -1, {}, false, ""},
      {"negative offset", 3, -5, false, ""},
      {"offset past end", 1, 1 << 30, false, ""},
      {"size past end", 1 << 30, {}, false, ""},
      {"largest size", INT32_MAX, {}, false, ""},
      {"into the directory", 8, {}, true, ""},
  };
  ArchiveBuilder b;
  for (size_t i = 0; i < cases.size(); ++i)
    b.Add(RawEntry{"e" + std::to_string(i), i == 0 ? "abcdef" : "", 0, cases[i].size,
                   i == 0 ? std::nullopt : std::optional<int32_t>(cases[i].offset.value_or(15))});
  const std::string bytes = b.Build();
  ASSERT_TRUE(OpenPack(Archive(bytes)));
  for (size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    const std::string name = "e" + std::to_string(i);
    platform.messages.clear();
    std::string got;
    EXPECT_EQ(ReadPackEntry(static_cast<int>(i), got), c.readable) << c.what;
    EXPECT_EQ(IndexOfPackFile(name), static_cast<int>(i)) << c.what;
    EXPECT_EQ(PackFileExists(name), c.readable) << c.what;
    const std::string loaded = TPack(name).Bytes();
    if (std::string(c.what) == "into the directory") {
      EXPECT_EQ(loaded, bytes.substr(15, 8));
    } else {
      EXPECT_EQ(loaded, c.bytes) << c.what;
    }
    EXPECT_EQ(platform.messages.size(), c.readable ? 0u : 1u) << c.what;
  }
  // A refused entry gives way to the loose file of that name.
  dir.Write("e2", "loose");
  EXPECT_EQ(TPack("e2").Bytes(), "loose");
  EXPECT_TRUE(PackFileExists("e2"));
}

TEST_F(PackTest, OpenResultsForDamagedFiles) {
  const std::string good = ArchiveBuilder().Add("a.txt", "x").Build();
  std::string cut_flag = good.substr(0, good.size() - 1);
  std::string long_name = good;
  long_name[16] = '\x7F';  // name length byte of the one entry, after 15 + 1 bytes
  std::string header_only = ArchiveBuilder().Add("a", "").Build().substr(0, 15);
  struct Case {
    const char* what;
    std::string bytes;
    bool opens;
    bool signature_message;
  };
  const std::vector<Case> cases = {
      {"valid", good, true, false},
      {"0 bytes", "", true, false},
      {"1 byte", "B", false, true},
      {"BM", "BM", false, true},
      {"BMA then short header", "BMA\0\0\0\0\0", false, false},
      {"14 bytes", good.substr(0, 14), false, false},
      {"wrong signature", "BMX" + good.substr(3), false, true},
      {"lower-case signature", "bma" + good.substr(3), false, true},
      {"directory offset at the end", ArchiveBuilder().DirectoryOffset(16).Add("", "").Build().substr(0, 16),
       false, false},
      {"header only, offset at end", header_only, false, false},
      {"negative directory offset", ArchiveBuilder().DirectoryOffset(-1).Add("a", "x").Build(), false, false},
      {"directory offset past end", ArchiveBuilder().DirectoryOffset(1000).Add("a", "x").Build(), false, false},
      {"last entry cut short", cut_flag, false, false},
      {"name reaching past end", long_name, false, false},
      {"trailing byte after entry", good + "\x01", false, false},
  };
  for (const auto& c : cases) {
    ResetPack();
    platform.messages.clear();
    const std::string path = Archive(c.bytes);
    EXPECT_EQ(OpenPack(path), c.opens) << c.what;
    EXPECT_EQ(PackIsOpen(), c.opens) << c.what;
    if (c.signature_message) {
      EXPECT_EQ(platform.messages, std::vector<std::string>{msg::BadSignature()}) << c.what;
    } else {
      EXPECT_TRUE(platform.messages.empty()) << c.what;
    }
    if (!c.opens) {
      EXPECT_TRUE(PackDirectory().empty()) << c.what;
      EXPECT_EQ(IndexOfPackFile("a.txt"), -1) << c.what;
    }
  }
}

TEST_F(PackTest, EmptyArchiveFallsBackToLooseFiles) {
  ASSERT_TRUE(OpenPack(Archive("")));
  dir.Write("Pages/Intro.htm", "loose page");
  EXPECT_TRUE(PackDirectory().empty());
  EXPECT_EQ(IndexOfPackFile("pages/intro.htm"), -1);
  EXPECT_EQ(TPack("pages\\intro.htm").Bytes(), "loose page");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PackTest, MissingArchiveLeavesTheOpenOneOpen) {
  ASSERT_TRUE(OpenPack(Archive(ArchiveBuilder().Add("a.txt", "x").Build())));
  EXPECT_FALSE(OpenPack(dir.Sub("absent.dat")));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(IndexOfPackFile("a.txt"), 0);
}

TEST_F(PackTest, SecondOpenOfTheSamePathKeepsOneHandle) {
  const std::string path = Archive(LookupArchive());
  ASSERT_TRUE(OpenPack(path));
  const int descriptors = OpenDescriptors();
  ASSERT_TRUE(OpenPack(path));
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(IndexOfPackFile("dup.txt"), 3);
  EXPECT_EQ(TPack("dup.txt").Bytes(), "second");
  // Another archive replaces the first, still with one handle.
  ASSERT_TRUE(OpenPack(Archive(ArchiveBuilder().Add("other.txt", "o").Build(), "sub/other.dat")));
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(IndexOfPackFile("dup.txt"), -1);
  EXPECT_EQ(PackFolder(), dir.path() + "/sub/");
  ClosePack();
  EXPECT_EQ(OpenDescriptors(), descriptors - 1);
}

TEST_F(PackTest, ArchiveChangedOnDiskWhileOpen) {
  const std::string path = Archive(ArchiveBuilder().Add("a.txt", "first content").Add("b.txt", "bee").Build());
  ASSERT_TRUE(OpenPack(path));
  // Renamed over: the open handle still reads the old file.
  const std::string replacement = dir.Write("new.dat", ArchiveBuilder().Add("a.txt", "other").Build());
  ASSERT_EQ(std::rename(replacement.c_str(), path.c_str()), 0);
  EXPECT_EQ(TPack("a.txt").Bytes(), "first content");
  ClosePack();

  ASSERT_TRUE(OpenPack(path));
  ASSERT_EQ(truncate(path.c_str(), 10), 0);  // cut in place, under the open handle
  platform.messages.clear();
  EXPECT_TRUE(TPack("a.txt").Empty());
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::FileNotFound("a.txt")});
}

TEST_F(PackTest, ClosedArchiveKeepsItsFolderForLooseFiles) {
  ASSERT_TRUE(OpenPack(Archive(ArchiveBuilder().Add("a.txt", "packed").Build(), "data/interface.dat")));
  dir.Write("data/loose.txt", "beside the archive");
  dir.Write("loose.txt", "in the program folder");
  EXPECT_EQ(TPack("LOOSE.TXT").Bytes(), "beside the archive");
  ClosePack();
  EXPECT_FALSE(PackIsOpen());
  EXPECT_EQ(IndexOfPackFile("a.txt"), -1);
  EXPECT_EQ(PackFolder(), dir.path() + "/data/");
  EXPECT_EQ(TPack("loose.txt").Bytes(), "beside the archive");
  EXPECT_TRUE(platform.messages.empty());
  TPack missing("a.txt");
  EXPECT_EQ(platform.messages, std::vector<std::string>{msg::FileNotFound("a.txt")});
}

TEST_F(PackTest, BeforeAnyOpenLooseFilesComeFromTheProgramFolder) {
  dir.Write(Cp1251ToUtf8(Ru("Страницы/Начало.htm")), "start");
  EXPECT_EQ(PackFolder(), "");
  EXPECT_EQ(IndexOfPackFile("x"), -1);
  EXPECT_EQ(TPack(Ru("страницы\\начало.htm")).Bytes(), "start");
  EXPECT_TRUE(PackFileExists(Ru("Страницы/Начало.htm")));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PackTest, LoadPackFileNamesAndMessages) {
  const std::string path = Archive(ArchiveBuilder().Add("pages/a.htm", "page a").Build(), "data/interface.dat");
  ASSERT_TRUE(OpenPack(path));
  dir.Write("other/f.txt", "up and over");
  struct Case {
    std::string request;
    std::string bytes;
    bool message;
  };
  const std::vector<Case> cases = {
      {"pages/a.htm", "page a", false},
      {dir.path() + "/data/pages/a.htm", "page a", false},  // the archive folder is cut off
      {dir.path() + "/DATA/Pages\\A.htm", "page a", false},
      {"/elsewhere/pages/a.htm", "", true},
      {"..\\other\\F.TXT", "up and over", false},  // loose, against the archive folder
      {"", "", false},
      {"Pages/Missing.HTM", "", true},
  };
  for (const auto& c : cases) {
    platform.messages.clear();
    std::string target = "old";
    LoadPackFile(target, c.request);
    EXPECT_EQ(target, c.bytes) << c.request;
    if (c.message) {
      // The name exactly as requested, capitals and folder included.
      EXPECT_EQ(platform.messages, std::vector<std::string>{Ru("Не найден файл \r\n") + c.request});
    } else {
      EXPECT_TRUE(platform.messages.empty()) << c.request;
    }
  }
}

TEST_F(PackTest, PackFileExistsIsSilent) {
  ASSERT_TRUE(OpenPack(Archive(ArchiveBuilder().Add("pages/a.htm", "a").Build())));
  dir.Write("Loose.txt", "l");
  struct Case {
    std::string name;
    bool exists;
  };
  const std::vector<Case> cases = {
      {"pages/a.htm", true}, {"PAGES/A.HTM", true}, {dir.path() + "/pages/a.htm", true},
      {"loose.txt", true},   {"\\Loose.txt", true}, {"nothing.txt", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PackFileExists(c.name), c.exists) << c.name;
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PackTest, DirectoryInFileOrder) {
  ASSERT_TRUE(OpenPack(Archive(ArchiveBuilder().Add("b", "12345").Add("a", "xy", 1).Build())));
  const auto& d = PackDirectory();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "b");
  EXPECT_EQ(d[0].name_length, 1);
  EXPECT_EQ(d[0].size, 5);
  EXPECT_EQ(d[0].offset, 15);
  EXPECT_EQ(d[0].flag, 0);
  EXPECT_EQ(d[1].offset, 20);
  EXPECT_EQ(d[1].flag, 1);
  EXPECT_EQ(ReadPackEntry(1), "xy");
  EXPECT_EQ(ReadPackEntry(2), "");
  EXPECT_EQ(ReadPackEntry(-1), "");
  TPack p("b");
  EXPECT_EQ(p.Size(), 5u);
  EXPECT_EQ(std::string(p.Data(), p.Size()), "12345");
}

TEST(StripPackFolder, CutsOnlyARealPrefix) {
  struct Case {
    std::string name, folder, expected;
  };
  const std::vector<Case> cases = {
      {"/data/pages/a.htm", "/data/", "pages/a.htm"},
      {"/DATA/Pages/a.htm", "/data/", "Pages/a.htm"},
      {"/data\\pages\\a.htm", "/data/", "pages\\a.htm"},
      {"C:\\data\\pages\\a.htm", "C:\\data\\", "pages\\a.htm"},
      {"D:\\x\\y.htm", "C:\\data\\", "D:\\x\\y.htm"},  // no cut without the prefix
      {"/x/y.htm", "/data/", "/x/y.htm"},
      {"/dat", "/data/", "/dat"},
      {"pages/a.htm", "pages/", "pages/a.htm"},  // relative names are never cut
      {"", "/data/", ""},
      {"/data/a.htm", "", "/data/a.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripPackFolder(c.name, c.folder), c.expected) << c.name;
}

TEST(CopyStreamBytes, ReadsExactlyOrFails) {
  test::TempDir dir;
  const std::string path = dir.Write("f", "0123456789");
  const int fd = open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  std::string target = "old";
  EXPECT_TRUE(CopyStreamBytes(fd, 2, target, 3));
  EXPECT_EQ(target, "234");
  EXPECT_FALSE(CopyStreamBytes(fd, 8, target, 3));
  EXPECT_EQ(target, "");
  EXPECT_FALSE(CopyStreamBytes(fd, -1, target, 1));
  EXPECT_TRUE(CopyStreamBytes(fd, 10, target, 0));
  close(fd);
}

}  // namespace
}  // namespace remont
