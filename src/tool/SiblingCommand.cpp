// send-page, print-picture: the sibling diagram program's requests to the
// running viewer; sibling: a stand-in for that program that listens for the
// viewer's close request.
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/SiblingLink.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

using Clock = std::chrono::steady_clock;

bool Address(const std::string& path, sockaddr_un& addr) {
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path, path.data(), path.size());
  return true;
}

int Connect(const std::string& path) {
  sockaddr_un addr;
  if (!Address(path, addr)) return -1;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Reads exactly want bytes before the deadline (a negative one waits without
// end); false on end of stream, error or time out.
bool ReadExactly(int fd, std::string& out, size_t want, int timeout_ms) {
  out.clear();
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  char buffer[64];
  while (out.size() < want) {
    int wait = -1;
    if (timeout_ms >= 0) {
      wait = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
      if (wait <= 0) return false;
    }
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, wait) <= 0) return false;
    const ssize_t n = recv(fd, buffer, std::min(sizeof buffer, want - out.size()), 0);
    if (n <= 0) return false;
    out.append(buffer, static_cast<size_t>(n));
  }
  return true;
}

int SendRequest(uint16_t kind, const std::string& utf8_path) {
  const std::string path = Utf8ToCp1251(utf8_path);
  const int fd = Connect(ViewerSocketPath());
  if (fd < 0) {
    std::fprintf(stderr, "remont-tool: no viewer is running\n");
    return kFailed;
  }
  if (path.size() > kSiblingPathSize)
    std::fprintf(stderr, "remont-tool: the path is cut to its first %zu bytes\n", kSiblingPathSize);
  int rc = kFailed;
  if (!WriteAll(fd, EncodeSiblingRequest(kind, path))) {
    std::fprintf(stderr, "remont-tool: the viewer did not take the request\n");
  } else if (kind == 0) {
    std::string reply;
    if (ReadExactly(fd, reply, 4, 10000) && reply == SiblingPageReply()) {
      std::printf("%u\n", kSiblingPageReply);
      rc = kOk;
    } else {
      std::fprintf(stderr, "remont-tool: no reply from the viewer\n");
    }
  } else {
    // The notices around the print preview, which may stay open for long.
    std::string notice;
    while (ReadExactly(fd, notice, 4, -1)) {
      std::printf("%s\n", notice == kSiblingHide ? "hide" : notice == kSiblingShow ? "show" : Escape(notice).c_str());
      std::fflush(stdout);
      if (notice == kSiblingShow) rc = kOk;
    }
    if (rc != kOk) std::fprintf(stderr, "remont-tool: the viewer did not print the picture\n");
  }
  close(fd);
  return rc;
}

int RunSendPage(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("send-page PATH");
  return SendRequest(0, args[0]);
}

int RunPrintPicture(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("print-picture PATH");
  return SendRequest(1, args[0]);
}

// Listens where the viewer looks for the sibling, prints each message it
// receives (one line per connection) and ends after the close request.
int RunSibling(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("sibling");
  const std::string path = SiblingSocketPath();
  sockaddr_un addr;
  if (!Address(path, addr)) {
    std::fprintf(stderr, "remont-tool: no runtime folder for the sibling's socket\n");
    return kFailed;
  }
  // A socket left by a sibling that ended without cleaning up; a live one keeps its place.
  if (const int other = Connect(path); other >= 0) {
    close(other);
    std::fprintf(stderr, "remont-tool: a sibling already listens on %s\n", path.c_str());
    return kFailed;
  }
  unlink(path.c_str());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const mode_t old_mask = umask(077);
  const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  umask(old_mask);
  if (!bound || listen(fd, 4) != 0) {
    std::fprintf(stderr, "remont-tool: cannot listen on %s: %s\n", path.c_str(), std::strerror(errno));
    if (fd >= 0) close(fd);
    return kFailed;
  }
  std::printf("listening on %s\n", path.c_str());
  std::fflush(stdout);
  int rc = kFailed;
  for (;;) {
    const int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR) continue;
      break;
    }
    std::string message;
    char buffer[256];
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (message.size() < 4096 && Clock::now() < deadline) {
      pollfd p{client, POLLIN, 0};
      if (poll(&p, 1, 200) < 0) break;
      if (!(p.revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      message.append(buffer, static_cast<size_t>(n));
    }
    close(client);
    std::printf("%s\n", message == kSiblingClose ? "close" : Escape(message).c_str());
    std::fflush(stdout);
    if (message == kSiblingClose) {
      rc = kOk;
      break;
    }
  }
  close(fd);
  unlink(path.c_str());
  return rc;
}

}  // namespace

REMONT_TOOL_COMMAND("send-page", "send-page PATH", RunSendPage);
REMONT_TOOL_COMMAND("print-picture", "print-picture PATH", RunPrintPicture);
REMONT_TOOL_COMMAND("sibling", "sibling", RunSibling);

}  // namespace remont::tool
