#include <gtest/gtest.h>

#include "archive/ArchiveBuilder.h"
#include "archive/Pack.h"
#include "common/Helpers.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

TEST(PackSmoke, OpensAndReads) {
  test::TempDir dir;
  test::FakePlatform platform;
  SetProgramDir(dir.path());
  const auto path = dir.Write("interface.dat", test::ArchiveBuilder()
                                                    .Add("pages/a.htm", "one")
                                                    .Add("pages\\b.htm", "two", 1)
                                                    .Add("pages/a.htm", "three")
                                                    .Build());
  ASSERT_TRUE(OpenPack(path));
  EXPECT_EQ(IndexOfPackFile("Pages/A.htm"), 2);
  EXPECT_EQ(TPack("pages/b.htm").Bytes(), "two");
  EXPECT_EQ(TPack("pages\\a.htm").Bytes(), "three");
  EXPECT_TRUE(platform.messages.empty());
  ResetPack();
}

}  // namespace
}  // namespace remont
