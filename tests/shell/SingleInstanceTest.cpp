#include "shell/SingleInstance.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TempDir.h"

namespace remont {
namespace {

TEST(SingleInstance, SecondHolderRefusedUntilFirstReleases) {
  test::TempDir runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  SingleInstance first, second;
  EXPECT_TRUE(first.Acquire());
  EXPECT_FALSE(second.Acquire());
  first.Release();
  EXPECT_TRUE(second.Acquire());
  EXPECT_EQ(SingleInstance::LockPath(), runtime.path() + "/ЖУМ.lock");
  unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace remont
