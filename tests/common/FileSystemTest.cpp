#include "common/FileSystem.h"

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(FileSystem, LooseFilesFoundWithoutRegardToCase) {
  test::TempDir dir;
  dir.Write("Pages/Двигатель.htm", "engine");
  const std::string base = Utf8ToCp1251(dir.path());
  EXPECT_EQ(ReadLooseFile(base + Ru("/Pages/Двигатель.htm")).value_or("-"), "engine");
  EXPECT_EQ(ReadLooseFile(base + Ru("/pages/двигатель.HTM")).value_or("-"), "engine");
  EXPECT_EQ(ReadLooseFile(base + Ru("\\PAGES\\ДВИГАТЕЛЬ.htm")).value_or("-"), "engine");
  EXPECT_FALSE(LooseFileExists(base + "/pages"));  // a folder is not a file
  EXPECT_FALSE(LooseFileExists(base + "/pages/missing.htm"));
  EXPECT_FALSE(LooseFileExists(""));
}

}  // namespace
}  // namespace remont
