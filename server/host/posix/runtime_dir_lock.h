// A lock on a runtime directory (flock). A window process holds it from choosing the
// directory until its first block is there; whoever removes a directory holds it too.
// So a directory is never removed between a window process choosing it and putting
// something into it.
#pragma once

#include <string>

namespace luwnd::posix {

class DirectoryLock {
  public:
    DirectoryLock() = default;
    ~DirectoryLock() { release(); }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // Takes the lock on the directory, waiting at most wait_ms for another holder. False
    // when it stays taken, or when path is no longer the private directory we locked (it
    // was removed or replaced meanwhile).
    bool hold(const std::string& path, int wait_ms);
    void release();
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace luwnd::posix
