// A lock on a runtime directory (flock). A window process holds it from reading the
// directory's token until its socket listens there; whoever removes a token holds it
// too. So a token is never removed between a window process reading it and its socket
// showing that the token is in use.
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

  private:
    int fd_ = -1;
};

}  // namespace luwnd::posix
