// Only one viewer runs per user: an exclusive lock on a file named after the
// program's mark "ЖУМ" in the user's runtime folder. The system drops the lock
// when the process ends, so a crashed copy leaves no stale lock.
#pragma once

#include <string>

namespace remont {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process holds the lock; false when another copy runs.
  bool Acquire();
  // Lets a new copy start (the restart key) before this one ends.
  void Release();
  bool Held() const { return fd_ >= 0; }

  // The lock file's path (UTF-8).
  static std::string LockPath();

 private:
  int fd_ = -1;
};

}  // namespace remont
