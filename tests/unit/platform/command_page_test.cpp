// The command page between the library's channel and the window process's end of it, in
// one process: a thread serves the page the way the window process does, sleeping on the
// socket when no command comes.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>

#include "client/platform/posix/command_page.h"
#include "server/host/posix/command_page.h"

namespace lumora::platform::posix {
namespace {

// The result of a command: its tag, length and bytes folded together.
std::int32_t fold(std::uint32_t tag, const std::uint8_t* data, std::size_t length) {
    std::uint32_t h = tag ^ static_cast<std::uint32_t>(length) * 2654435761u;
    for (std::size_t i = 0; i < length; ++i) h = (h ^ data[i]) * 16777619u;
    return static_cast<std::int32_t>(h);
}

class PageServer {
  public:
    explicit PageServer(int fd, int pause_every = 0) : fd_(fd), pause_every_(pause_every) {
        thread_ = std::thread([this] { serve(); });
    }
    ~PageServer() { thread_.join(); }
    int answered() const { return answered_.load(); }

  private:
    void serve() {
        std::uint8_t request[8];
        if (recv(fd_, request, sizeof request, 0) != 4) return;
        if (!page_.offer(fd_)) return;
        const luwnd::posix::CommandPage::Handler handle = fold;
        for (;;) {
            if (page_.pending()) {
                page_.answer(handle, fd_);
                // Now and then think for a while, so that the client has to sleep.
                if (pause_every_ != 0 && ++answered_ % pause_every_ == 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            page_.set_waiting(true);
            if (!page_.pending()) {
                pollfd state{fd_, POLLIN, 0};
                poll(&state, 1, -1);
                std::uint8_t bell[8];
                if ((state.revents & POLLIN) != 0 &&
                    recv(fd_, bell, sizeof bell, MSG_DONTWAIT) == 0)
                    return;  // the client hung up
                if ((state.revents & (POLLHUP | POLLERR)) != 0 && !page_.pending()) return;
            }
            page_.set_waiting(false);
        }
    }

    int fd_;
    int pause_every_;
    luwnd::posix::CommandPage page_;
    std::atomic<int> answered_{0};
    std::thread thread_;
};

class CommandPageChannel : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, pair_), 0); }
    void TearDown() override {
        if (pair_[0] >= 0) close(pair_[0]);
        close(pair_[1]);
    }
    void hang_up() {
        close(pair_[0]);
        pair_[0] = -1;
    }
    int pair_[2] = {-1, -1};
};

TEST_F(CommandPageChannel, EveryCommandGetsItsOwnAnswerAwakeOrAsleep) {
    PageServer server(pair_[1], 97);
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    std::uint8_t command[300];
    for (int i = 0; i < 20000; ++i) {
        const auto length = static_cast<std::uint32_t>(3 + i % 250);
        for (std::uint32_t j = 0; j < length; ++j) command[j] = static_cast<std::uint8_t>(i + j);
        std::int32_t result = 0;
        ASSERT_EQ(page.deliver(pair_[0], 1, command, length, result), 0) << i;
        ASSERT_EQ(result, fold(1, command, length)) << i;
    }
    page.close();
    hang_up();
}

TEST_F(CommandPageChannel, AnOverlongCommandIsRefusedBeforeAnythingIsSent) {
    PageServer server(pair_[1]);
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    static std::uint8_t big[8192];
    std::int32_t result = 0;
    EXPECT_EQ(page.deliver(pair_[0], 1, big, sizeof big, result), EMSGSIZE);
    EXPECT_EQ(page.deliver(pair_[0], 1, big, 3, result), 0);
    EXPECT_EQ(result, fold(1, big, 3));
    page.close();
    hang_up();
}

TEST_F(CommandPageChannel, APeerThatOffersNoPageLeavesTheSocket) {
    std::thread refuser([fd = pair_[1]] {
        std::uint8_t request[8];
        if (recv(fd, request, sizeof request, 0) != 4) return;
        const std::uint8_t no[4] = {0, 0, 0, 0};
        send(fd, no, sizeof no, MSG_NOSIGNAL);
    });
    CommandPage page;
    EXPECT_FALSE(page.open(pair_[0]));
    EXPECT_FALSE(page.is_open());
    refuser.join();
}

TEST_F(CommandPageChannel, AServerThatEndsWhileTheClientWaitsIsAnError) {
    // Takes the page, then ends without answering: the waiting client must not hang.
    std::thread quitter([fd = pair_[1]] {
        std::uint8_t request[8];
        if (recv(fd, request, sizeof request, 0) != 4) return;
        luwnd::posix::CommandPage page;
        page.offer(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        shutdown(fd, SHUT_RDWR);
    });
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    const std::uint8_t command[3] = {'A', '!', 0};
    std::int32_t result = 0;
    EXPECT_EQ(page.deliver(pair_[0], 1, command, 3, result), ECONNRESET);
    quitter.join();
}

}  // namespace
}  // namespace lumora::platform::posix
