#include "console_keys.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lumora::platform::posix {

namespace {

// Puts a terminal on standard input into single-key mode for its lifetime; does nothing
// when standard input is not a terminal.
class SingleKeyMode {
  public:
    SingleKeyMode() {
        if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved_) != 0) return;
        termios keys = saved_;
        keys.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        keys.c_cc[VMIN] = 1;
        keys.c_cc[VTIME] = 0;
        active_ = tcsetattr(STDIN_FILENO, TCSANOW, &keys) == 0;
    }
    ~SingleKeyMode() {
        if (active_) tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
    }
    SingleKeyMode(const SingleKeyMode&) = delete;
    SingleKeyMode& operator=(const SingleKeyMode&) = delete;

  private:
    termios saved_{};
    bool active_ = false;
};

}  // namespace

int key_waiting() {
    SingleKeyMode mode;
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) > 0 && (input.revents & (POLLIN | POLLHUP)) != 0 ? 1 : 0;
}

int read_one_key(bool echo) {
    unsigned char key = 0;
    ssize_t got;
    {
        SingleKeyMode mode;
        do {
            got = read(STDIN_FILENO, &key, 1);
        } while (got < 0 && errno == EINTR);
    }
    if (got != 1) return -1;
    if (echo) {
        std::fputc(key, stdout);
        std::fflush(stdout);
    }
    return key;
}

}  // namespace lumora::platform::posix
