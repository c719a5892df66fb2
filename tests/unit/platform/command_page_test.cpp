// The command page between the library's channel and the window process's end of it, in
// one process: a thread serves the page the way the window process does, sleeping on the
// socket when no command comes.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
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

// Posted commands: their letter, window character and slots, and their answers, which
// are the window's number unless the entry's first slot is kWrongAnswer.
constexpr std::int32_t kWrongAnswer = -5;

class PageServer {
  public:
    explicit PageServer(int fd, int pause_every = 0, std::uint32_t room = 1u << 20)
        : fd_(fd), pause_every_(pause_every), room_(room) {
        thread_ = std::thread([this] { serve(); });
    }
    ~PageServer() { thread_.join(); }
    int answered() const { return answered_.load(); }
    // The posted commands handled so far, and whether each came in the order posted (its
    // second slot counting up from 0).
    int posted() const { return posted_.load(); }
    bool in_order() const { return in_order_.load(); }
    // The posted commands whose serving has ended: their fault word is set by then (the
    // page sets it after the handler returns).
    int settled() const { return settled_.load(); }

  private:
    std::int32_t take_posted(std::uint8_t letter, std::uint8_t window,
                             const std::array<std::int32_t, 3>& slots) {
        if (letter != 'A' || slots[1] != posted_ || slots[2] != 3 * slots[1]) in_order_ = false;
        ++posted_;
        return slots[0] == kWrongAnswer ? 0 : window - 32;
    }
    // The answer to a command is its fold, or, for a tag 2, how many were posted before it.
    std::int32_t take(std::uint32_t tag, const std::uint8_t* data, std::size_t length) {
        return tag == 2 ? posted_.load() : fold(tag, data, length);
    }

    void serve() {
        std::uint8_t request[8];
        if (recv(fd_, request, sizeof request, 0) != 4) return;
        if (!page_.offer(fd_)) return;
        const luwnd::posix::CommandPage::Handler handle = [this](auto tag, auto data, auto n) {
            return take(tag, data, n);
        };
        const luwnd::posix::CommandPage::PostedHandler posted = [this](auto letter, auto window,
                                                                       const auto& slots) {
            return take_posted(letter, window, slots);
        };
        const luwnd::posix::CommandPage::Room room = [this] { return room_; };
        for (;;) {
            if (page_.pending()) {
                page_.answer(handle, posted, room, fd_);
                settled_ = posted_.load();
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
    std::uint32_t room_;
    luwnd::posix::CommandPage page_;
    std::atomic<int> answered_{0}, posted_{0}, settled_{0};
    std::atomic<bool> in_order_{true};
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

// Posts entry i (slots: first, i, 3 i) to window 1.
int post(CommandPage& page, int fd, int i, std::int32_t first = 20) {
    const std::uint8_t command[2] = {'A', '!'};
    return page.post(fd, command, {first, i, 3 * i});
}

// Asks the server how many posted commands it had handled when it took this one.
std::int32_t posted_before(CommandPage& page, int fd) {
    const std::uint8_t command[3] = {'E', '!', 0};
    std::int32_t result = -1;
    return page.deliver(fd, 2, command, sizeof command, result) == 0 ? result : -1;
}

// Many more posted commands than the ring holds, with the server sleeping now and then:
// every one arrives, in order, and each command that waits comes after all posted before.
TEST_F(CommandPageChannel, PostedCommandsArriveInOrderBeforeTheNextAnswer) {
    PageServer server(pair_[1], 997);
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    EXPECT_EQ(post(page, pair_[0], 0), 0) << "no room before a first answer";
    ASSERT_EQ(posted_before(page, pair_[0]), 0);
    for (int i = 0; i < 30000; ++i) {
        ASSERT_EQ(post(page, pair_[0], i), 1) << i;
        if (i % 7001 == 7000) {
            ASSERT_EQ(posted_before(page, pair_[0]), i + 1);
        }
    }
    EXPECT_EQ(posted_before(page, pair_[0]), 30000);
    EXPECT_TRUE(server.in_order());
    page.close();
    hang_up();
}

TEST_F(CommandPageChannel, NoMoreArePostedThanTheRoomGrantedWithTheLastAnswer) {
    PageServer server(pair_[1], 0, 10);
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    ASSERT_EQ(posted_before(page, pair_[0]), 0);
    for (int i = 0; i < 10; ++i) ASSERT_EQ(post(page, pair_[0], i), 1);
    EXPECT_EQ(post(page, pair_[0], 10), 0);
    EXPECT_EQ(posted_before(page, pair_[0]), 10);
    EXPECT_EQ(post(page, pair_[0], 10), 1);
    EXPECT_EQ(posted_before(page, pair_[0]), 11);
    page.close();
    hang_up();
}

// A posted command answered otherwise than foreseen stops the posting until a command
// that waits has brought the true answer.
TEST_F(CommandPageChannel, AWrongForesightMakesTheClientWaitAgain) {
    PageServer server(pair_[1]);
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    ASSERT_EQ(posted_before(page, pair_[0]), 0);
    ASSERT_EQ(post(page, pair_[0], 0, kWrongAnswer), 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (server.settled() < 1 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    if (server.settled() != 1) {
        page.close();
        hang_up();  // lets the server's thread end before it is joined
        FAIL() << "the posted command was not handled";
    }
    EXPECT_EQ(post(page, pair_[0], 1), 0);
    EXPECT_EQ(posted_before(page, pair_[0]), 1);
    EXPECT_EQ(post(page, pair_[0], 1), 1);
    EXPECT_EQ(posted_before(page, pair_[0]), 2);
    page.close();
    hang_up();
}

TEST_F(CommandPageChannel, AServerThatEndsWhileTheClientWaitsForRoomIsAnError) {
    // Grants room with one answer, then takes nothing more and ends.
    std::thread quitter([fd = pair_[1]] {
        std::uint8_t request[8];
        if (recv(fd, request, sizeof request, 0) != 4) return;
        luwnd::posix::CommandPage page;
        page.offer(fd);
        const luwnd::posix::CommandPage::Handler handle = fold;
        const luwnd::posix::CommandPage::PostedHandler ignored = [](auto, auto, const auto&) {
            return 0;
        };
        while (!page.pending()) std::this_thread::yield();
        page.answer(
            handle, ignored, [] { return 100000u; }, fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        shutdown(fd, SHUT_RDWR);
    });
    CommandPage page;
    ASSERT_TRUE(page.open(pair_[0]));
    const std::uint8_t command[3] = {'A', '!', 0};
    std::int32_t result = 0;
    ASSERT_EQ(page.deliver(pair_[0], 1, command, 3, result), 0);
    int posted = 0;
    while (posted < 5000 && post(page, pair_[0], posted) == 1) ++posted;
    EXPECT_EQ(posted, 2048);
    EXPECT_EQ(post(page, pair_[0], posted), -ECONNRESET);
    quitter.join();
}

}  // namespace
}  // namespace lumora::platform::posix
