// POSIX console keys when standard input is a pipe, as in scripted runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include "client/platform/posix/posix_platform.h"

namespace lumora::platform {
namespace {

// Puts a pipe in place of standard input for its lifetime.
class PipedInput {
  public:
    PipedInput() {
        saved_ = dup(STDIN_FILENO);
        int ends[2];
        if (pipe(ends) != 0) return;
        dup2(ends[0], STDIN_FILENO);
        close(ends[0]);
        writer_ = ends[1];
    }
    ~PipedInput() {
        close_writer();
        dup2(saved_, STDIN_FILENO);
        close(saved_);
    }
    PipedInput(const PipedInput&) = delete;
    PipedInput& operator=(const PipedInput&) = delete;

    bool write_text(const char* text, std::size_t length) {
        return write(writer_, text, length) == static_cast<ssize_t>(length);
    }
    void close_writer() {
        if (writer_ >= 0) close(writer_);
        writer_ = -1;
    }

  private:
    int saved_ = -1;
    int writer_ = -1;
};

TEST(PosixConsole, KeysArePolledAndReadOneByOneUntilTheEnd) {
    PipedInput input;
    PosixPlatform backend;
    EXPECT_EQ(backend.poll_key(), 0);
    ASSERT_TRUE(input.write_text("qx", 2));
    EXPECT_NE(backend.poll_key(), 0);
    EXPECT_EQ(backend.read_key(false), 'q');
    EXPECT_EQ(backend.read_key(false), 'x');
    EXPECT_EQ(backend.poll_key(), 0);
    input.close_writer();
    EXPECT_EQ(backend.read_key(false), -1);
}

}  // namespace
}  // namespace lumora::platform
