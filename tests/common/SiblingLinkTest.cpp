// The sibling link's request block and reply, and the runtime folder the
// sockets live in.
#include "common/SiblingLink.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace remont {
namespace {

TEST(SiblingLink, RequestBlockRoundTripsAndThePathFieldEndsAtZeroOrItsSize) {
  struct Case {
    uint16_t kind;
    std::string path;
    std::string read_back;
  };
  const std::string full(274, 'p');
  const Case cases[] = {
      {0, "pages/brakes/pads_front.htm", "pages/brakes/pads_front.htm"},
      {1, "\xCF\xE0\xE4/\xF1\xF5\xE5\xEC\xE0.bmp", "\xCF\xE0\xE4/\xF1\xF5\xE5\xEC\xE0.bmp"},  // Windows-1251 kept
      {0x0102, "", ""},
      {0, full, full},              // all 274 bytes, no zero
      {0, full + "tail", full},     // cut to the field
      {0, std::string("a\0b", 3), "a"},  // the first zero ends it
  };
  for (const Case& c : cases) {
    const std::string block = EncodeSiblingRequest(c.kind, c.path);
    ASSERT_EQ(block.size(), 290u);
    const RSiblingRequest r = DecodeSiblingRequest(block);
    EXPECT_EQ(r.Kind, c.kind);
    EXPECT_EQ(r.Path, c.read_back);
  }
  // Little-endian kind; the 14 bytes after it are not read.
  std::string block = EncodeSiblingRequest(0x0102, "x");
  EXPECT_EQ(block[0], '\x02');
  EXPECT_EQ(block[1], '\x01');
  for (size_t i = 2; i < 16; ++i) block[i] = '\xFF';
  EXPECT_EQ(DecodeSiblingRequest(block).Path, "x");
  EXPECT_EQ(DecodeSiblingRequest(block).Kind, 0x0102);
  // A short block is no request.
  EXPECT_EQ(DecodeSiblingRequest(block.substr(0, 289)).Path, "");
  EXPECT_EQ(SiblingPageReply(), std::string("\x9A\x06\x00\x00", 4));
}

TEST(SiblingLink, SocketsLieInTheUsersOwnRuntimeFolder) {
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string previous = saved ? saved : "";
  setenv("XDG_RUNTIME_DIR", "/run/user/test", 1);
  EXPECT_EQ(ViewerSocketPath(), "/run/user/test/remont-viewer.sock");
  EXPECT_EQ(SiblingSocketPath(), "/run/user/test/remont-sibling.sock");
  // Without one: a folder of the user's own in /tmp, closed to others.
  unsetenv("XDG_RUNTIME_DIR");
  const std::string dir = RuntimeDir();
  EXPECT_EQ(dir, "/tmp/remont-" + std::to_string(getuid()));
  struct stat st {};
  ASSERT_EQ(lstat(dir.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(st.st_uid, getuid());
  if (saved) setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
}

}  // namespace
}  // namespace remont
