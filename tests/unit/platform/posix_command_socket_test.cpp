// POSIX command delivery: one datagram per command to the window process's socket, a
// 4-byte answer back, and liveness that follows the process and the connection.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "client/platform/posix/posix_platform.h"
#include "client/platform/posix/runtime_names.h"
#include "posix_test_session.h"

namespace lumora::platform {
namespace {

using Answerer = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)>;

std::vector<std::uint8_t> little_endian(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

// A stand-in window process in a thread: it listens on this process's socket name,
// takes one connection and answers each request with reply(); an empty reply closes
// the connection instead, and so does reaching the given number of answers.
class SocketServer {
  public:
    SocketServer(const std::string& directory, Answerer reply, std::size_t answers = SIZE_MAX)
        : reply_(std::move(reply)), answers_(answers) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = posix::socket_path(directory, getpid());
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        listener_ = socket(AF_UNIX, SOCK_SEQPACKET, 0);
        bound_ = bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 listen(listener_, 4) == 0;
        if (bound_) thread_ = std::thread([this] { serve(); });
    }
    ~SocketServer() { stop(); }

    // Stops taking connections, waits until the served one has ended, closes the listener.
    void stop() {
        if (listener_ >= 0) shutdown(listener_, SHUT_RDWR);  // wakes a waiting accept
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) close(listener_);
        listener_ = -1;
    }
    bool bound() const { return bound_; }
    const std::vector<std::vector<std::uint8_t>>& requests() const { return requests_; }

  private:
    void serve() {
        const int connection = accept(listener_, nullptr, nullptr);
        if (connection < 0) return;
        std::vector<std::uint8_t> buffer(4096);
        for (;;) {
            const ssize_t got = recv(connection, buffer.data(), buffer.size(), 0);
            if (got <= 0) break;
            requests_.emplace_back(buffer.begin(), buffer.begin() + got);
            const auto answer = reply_(requests_.back());
            if (answer.empty()) break;
            send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
            if (requests_.size() == answers_) break;
        }
        close(connection);
    }

    Answerer reply_;
    std::size_t answers_;
    int listener_ = -1;
    bool bound_ = false;
    std::thread thread_;
    std::vector<std::vector<std::uint8_t>> requests_;
};

// These stand-ins speak datagrams only: the command page has tests of its own.
class PosixCommands : public ::testing::Test {
  protected:
    PosixCommands() { setenv("LUMORA_FAST_PATH", "0", 1); }
    ~PosixCommands() override { unsetenv("LUMORA_FAST_PATH"); }
    PosixTestSession session_;
    std::unique_ptr<PosixPlatform> backend_ = std::make_unique<PosixPlatform>();
    const WindowHandle self_ = getpid();
};

TEST_F(PosixCommands, DeliversTagAndBytesAndReturnsTheAnswer) {
    // Answers the request length, then a special value, then hangs up.
    SocketServer server(session_.make_socket_directory(0700), [](const auto& request) {
        return request.size() == 7 ? little_endian(7) : little_endian(0x80000001u);
    });
    ASSERT_TRUE(server.bound());
    ASSERT_TRUE(backend_->is_window_alive(self_));
    const std::uint8_t command[] = {'B', '#', 0};
    EXPECT_EQ(backend_->deliver_message(self_, 1, command, 3).result, 7);
    const char handshake[] = "K,7,/home/user;fourier;Version  0.99.9a";
    const platform::Reply special =
        backend_->deliver_message(self_, 0x01020304, handshake, sizeof handshake);
    EXPECT_TRUE(special.answered);
    EXPECT_EQ(special.result, INT32_MIN + 1);
    backend_.reset();  // hangs up, so the server thread ends
    server.stop();

    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[0], (std::vector<std::uint8_t>{1, 0, 0, 0, 'B', '#', 0}));
    const auto& second = server.requests()[1];
    ASSERT_EQ(second.size(), 4 + sizeof handshake);
    EXPECT_EQ(std::vector<std::uint8_t>(second.begin(), second.begin() + 4),
              (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(std::memcmp(second.data() + 4, handshake, sizeof handshake), 0);
}

// 0x80000000 is a result like any other when it comes as an answer.
TEST_F(PosixCommands, AnAnswerOfTheLowestValueIsAnAnswer) {
    SocketServer server(session_.make_socket_directory(0700),
                        [](const auto&) { return little_endian(0x80000000u); });
    ASSERT_TRUE(server.bound());
    const std::uint8_t command[] = {'L', ',', '1', ',', 0};
    const platform::Reply reply = backend_->deliver_message(self_, 1, command, 5);
    EXPECT_TRUE(reply.answered);
    EXPECT_EQ(reply.result, INT32_MIN);
    backend_.reset();
    server.stop();
}

TEST_F(PosixCommands, AFailedDeliveryMeansTheWindowProcessHasGone) {
    // Closes the connection instead of answering the first command.
    SocketServer server(session_.make_socket_directory(0700),
                        [](const auto&) { return std::vector<std::uint8_t>{}; });
    ASSERT_TRUE(server.bound());
    const std::uint8_t command[] = {'J', '!', 0};
    EXPECT_FALSE(backend_->deliver_message(self_, 1, command, 3).answered);
    EXPECT_FALSE(backend_->is_window_alive(self_));
    EXPECT_FALSE(backend_->deliver_message(self_, 1, command, 3).answered);
    server.stop();
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(PosixCommands, AWindowProcessThatHungUpIsNotAlive) {
    SocketServer server(
        session_.make_socket_directory(0700), [](const auto&) { return little_endian(5); }, 1);
    ASSERT_TRUE(server.bound());
    const std::uint8_t command[] = {'A', '!', 0};
    EXPECT_EQ(backend_->deliver_message(self_, 1, command, 3).result, 5);
    server.stop();  // the connection and the listener are closed now
    EXPECT_FALSE(backend_->is_window_alive(self_));
    EXPECT_EQ(backend_->last_error(), static_cast<std::uint32_t>(ECONNREFUSED));
}

TEST_F(PosixCommands, AnAnswerOfTheWrongSizeCountsAsNone) {
    SocketServer server(session_.make_socket_directory(0700), [](const auto&) {
        return std::vector<std::uint8_t>{1, 2};
    });
    ASSERT_TRUE(server.bound());
    const std::uint8_t command[] = {'A', '!', 0};
    EXPECT_FALSE(backend_->deliver_message(self_, 1, command, 3).answered);
}

TEST_F(PosixCommands, ADirectoryOthersMayEnterIsNotTrusted) {
    SocketServer server(session_.make_socket_directory(0755),
                        [](const auto&) { return little_endian(1); });
    ASSERT_TRUE(server.bound());
    EXPECT_FALSE(backend_->is_window_alive(self_));
    EXPECT_EQ(backend_->last_error(), static_cast<std::uint32_t>(EACCES));
    const std::uint8_t command[] = {'A', '!', 0};
    EXPECT_FALSE(backend_->deliver_message(self_, 1, command, 3).answered);
}

TEST_F(PosixCommands, NoProcessNoSocketOrNoHandleIsNotAlive) {
    session_.make_socket_directory(0700);
    EXPECT_FALSE(backend_->is_window_alive(self_));  // nobody listens
    EXPECT_FALSE(backend_->is_window_alive(0));
    EXPECT_FALSE(backend_->is_window_alive(-5));
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(backend_->is_window_alive(child));
    EXPECT_EQ(backend_->last_error(), static_cast<std::uint32_t>(ESRCH));
}

// The runtime directory follows the user and the namespace.
TEST(PosixRuntimeNames, FollowTheUserTheNamespaceAndTheRuntimeDirectory) {
    PosixTestSession session;  // puts the environment back afterwards
    const std::string uid = std::to_string(geteuid());
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(posix::runtime_directories(""), std::vector<std::string>{"/run/user/1000/lumora"});
    EXPECT_EQ(posix::runtime_directories("ci"),
              std::vector<std::string>{"/run/user/1000/lumora-ci"});
    unsetenv("XDG_RUNTIME_DIR");
    const char* home = std::getenv("HOME");
    const std::string saved_home = home != nullptr ? home : "";
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(posix::runtime_directories("ci"),
              (std::vector<std::string>{"/tmp/lumora-" + uid + "-ci",
                                        "/home/someone/.lumora-runtime-ci"}));
    setenv("HOME", saved_home.c_str(), 1);
    EXPECT_EQ(posix::socket_owner("luwnd-42.sock"), 42);
    EXPECT_EQ(posix::socket_owner("luwnd-.sock"), 0);
    EXPECT_EQ(posix::socket_owner("luwnd-4x2.sock"), 0);
    EXPECT_EQ(posix::socket_owner("other-42.sock"), 0);
    EXPECT_EQ(posix::socket_path("/d", 42), "/d/luwnd-42.sock");
    std::string ns;
    setenv("LUMORA_NAMESPACE", "a/b", 1);
    EXPECT_FALSE(posix::session_namespace(ns));
    unsetenv("LUMORA_NAMESPACE");
    EXPECT_TRUE(posix::session_namespace(ns));
    EXPECT_EQ(ns, "");
}

}  // namespace
}  // namespace lumora::platform
