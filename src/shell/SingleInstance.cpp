#include "shell/SingleInstance.h"

#include "common/SiblingLink.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace remont {

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() { Release(); }

std::string SingleInstance::LockPath() {
  const std::string dir = RuntimeDir();
  return dir.empty() ? std::string() : dir + "/ЖУМ.lock";
}

bool SingleInstance::Acquire() {
  if (fd_ >= 0) return true;
  const int fd = open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // no runtime folder to lock in: do not refuse to start
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void SingleInstance::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace remont
