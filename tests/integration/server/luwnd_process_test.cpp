// Starts the real luwnd in its own namespace and runtime directory and talks to it the way
// the client's POSIX backend does.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/platform/posix/runtime_names.h"
#include "client/platform/posix/runtime_token.h"

extern char** environ;

namespace {

namespace layout = lumora::layout;
namespace fs = std::filesystem;

// A mapped shared memory object, or an empty one when it does not exist.
struct Shm {
    explicit Shm(const std::string& name) {
        int fd = shm_open(name.c_str(), O_RDWR, 0);
        if (fd < 0) return;
        struct stat info {};
        fstat(fd, &info);
        size = static_cast<std::size_t>(info.st_size);
        mode = info.st_mode & 0777;
        void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (p != MAP_FAILED) data = static_cast<std::uint8_t*>(p);
    }
    ~Shm() {
        if (data != nullptr) munmap(data, size);
    }
    std::string text() const { return data == nullptr ? "" : reinterpret_cast<char*>(data); }
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
    unsigned mode = 0;
};

bool shm_exists(const std::string& name) {
    int fd = shm_open(name.c_str(), O_RDONLY, 0);
    if (fd >= 0) close(fd);
    return fd >= 0;
}

class LuwndProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "lt" + std::to_string(getpid()) + "x" +
              std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 40);
        char base[] = "/tmp/luwnd-it-XXXXXX";
        ASSERT_NE(mkdtemp(base), nullptr);
        base_ = base;
        trace_ = base_ + "/trace.txt";
    }

    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (socket_ >= 0) close(socket_);
        for (const char* block : {"LuWnd1", "LuWnd2", "LuWnd1:1", "LuWnd2:1"})
            shm_unlink(object(block).c_str());
        fs::remove_all(base_);
    }

    // A block's object name under the token luwnd took (kept after it ended), or the one
    // the test made with make_token.
    std::string object(const std::string& block) const {
        return lumora::platform::posix::block_object_name(ns_, token_, block.c_str());
    }
    // The namespace's directory and token, as an earlier window process would have left
    // them; a test that leaves blocks behind names them with it.
    void make_token() {
        mkdir(dir().c_str(), 0700);
        std::string error;
        ASSERT_TRUE(lumora::platform::posix::read_or_create_token(dir(), token_, error)) << error;
    }
    std::string dir() const { return base_ + "/lumora-" + ns_; }
    std::string socket_path() const { return dir() + "/luwnd-" + std::to_string(pid_) + ".sock"; }

    // Starts luwnd and waits for its ready byte.
    void start() {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        std::vector<std::string> env = {"LUMORA_NAMESPACE=" + ns_, "XDG_RUNTIME_DIR=" + base_,
                                        "LUMORA_TRACE=" + trace_,
                                        "LUMORA_READY_FD=" + std::to_string(ready[1])};
        env.insert(env.end(), extra_env_.begin(), extra_env_.end());
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        char arg0[] = LUWND_PATH, arg1[] = "/t", arg2[] = "/B";
        char* argv[] = {arg0, arg1, arg2, nullptr};
        ASSERT_EQ(posix_spawn(&pid_, LUWND_PATH, &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        pollfd wait{ready[0], POLLIN, 0};
        ASSERT_EQ(poll(&wait, 1, 10000), 1) << "luwnd did not report ready";
        char byte = 0;
        EXPECT_EQ(read(ready[0], &byte, 1), 1);
        EXPECT_EQ(byte, '1');
        close(ready[0]);
        ASSERT_TRUE(lumora::platform::posix::read_token(dir(), token_));
    }

    void connect_socket() {
        socket_ = socket(AF_UNIX, SOCK_SEQPACKET, 0);
        ASSERT_GE(socket_, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string path = socket_path();
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
            << std::strerror(errno);
    }

    std::int32_t request(const std::vector<std::uint8_t>& command, std::uint32_t tag = 1) {
        std::vector<std::uint8_t> datagram(4);
        layout::write_i32(datagram.data(), 0, static_cast<std::int32_t>(tag));
        datagram.insert(datagram.end(), command.begin(), command.end());
        EXPECT_EQ(send(socket_, datagram.data(), datagram.size(), 0),
                  static_cast<ssize_t>(datagram.size()));
        std::uint8_t reply[8] = {};
        EXPECT_EQ(recv(socket_, reply, sizeof reply, 0), 4);
        return layout::read_i32(reply, 0);
    }
    std::int32_t request_text(const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return request(bytes);
    }

    // Waits up to 10 s for luwnd to end; its exit status, or -1.
    int wait_exit() {
        for (int i = 0; i < 1000; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    std::string header(int state) const {
        std::string pid = std::to_string(pid_);
        return std::to_string(state) + "," + pid + "," + pid + ",0,9,9,9a";
    }

    std::string ns_, base_, trace_, token_;
    std::vector<std::string> extra_env_;
    pid_t pid_ = -1;
    int socket_ = -1;
};

TEST_F(LuwndProcessTest, PublishesProbesOpensQuitsAndCleansUp) {
    start();
    {
        Shm process(object("LuWnd1"));
        ASSERT_NE(process.data, nullptr);
        EXPECT_GE(process.size, layout::kProcessBlockSize);
        EXPECT_EQ(process.mode, 0600u);
        EXPECT_EQ(process.text(), header(0));
    }
    struct stat info {};
    ASSERT_EQ(lstat(dir().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    connect_socket();
    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    EXPECT_EQ(request(probe), 224);
    EXPECT_EQ(request(probe, 2), 0);
    EXPECT_EQ(request_text("K," + std::to_string(pid_) + ",/tmp;prog;Version  0.99.9a"), pid_);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(1));
    EXPECT_EQ(request_text("I,0,0,0,-1,-1,-1,"), 1);
    EXPECT_EQ(Shm(object("LuWnd1:1")).size, layout::kWindowBlockSize);
    EXPECT_EQ(request_text("L,1,"), 1);
    close(socket_);
    socket_ = -1;

    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(shm_exists(object("LuWnd1")));
    EXPECT_FALSE(shm_exists(object("LuWnd1:1")));
    EXPECT_FALSE(fs::exists(socket_path()));
    EXPECT_FALSE(fs::exists(dir())) << "its empty runtime directory stays";

    std::ifstream trace(trace_);
    std::string first;
    std::getline(trace, first);
    EXPECT_EQ(first, "cmd=O win=0 probe=0 ret=224");
}

// Headless, a window process whose client went away without quitting has nobody left
// to draw for: it writes its pictures and ends, cleaning up after itself.
TEST_F(LuwndProcessTest, ClientLeavingWithoutQuitEndsAHeadlessProcess) {
    start();
    connect_socket();
    ASSERT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(1));
    close(socket_);
    socket_ = -1;
    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(shm_exists(object("LuWnd1")));
    EXPECT_FALSE(fs::exists(socket_path()));
}

TEST_F(LuwndProcessTest, SigtermEndsItCleanly) {
    start();
    connect_socket();
    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    EXPECT_EQ(request(probe), 224);
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(shm_exists(object("LuWnd1")));
    EXPECT_FALSE(fs::exists(socket_path()));
}

// Writes a process block as a crashed or living process would have left it.
void leave_block(const std::string& name, const std::string& text) {
    int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 4096), 0);
    ASSERT_EQ(write(fd, text.c_str(), text.size() + 1), static_cast<ssize_t>(text.size() + 1));
    close(fd);
}

pid_t dead_pid() {
    pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST_F(LuwndProcessTest, StaleBlockOfADeadProcessIsReusedALivingOneIsNot) {
    make_token();
    leave_block(object("LuWnd1"), "0," + std::to_string(dead_pid()) + ",5,0,9,9,9a");
    leave_block(object("LuWnd1:1"), "");
    start();
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
    connect_socket();
    EXPECT_EQ(request_text("I,1,0,0,-1,-1,-1,"), 1);  // the leftover window block is replaced
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);

    make_token();  // the directory went with the window process
    leave_block(object("LuWnd1"), "0," + std::to_string(getpid()) + ",5,0,9,9,9a");
    close(socket_);
    socket_ = -1;
    start();
    EXPECT_EQ(Shm(object("LuWnd1")).text(), "0," + std::to_string(getpid()) + ",5,0,9,9,9a");
    EXPECT_EQ(Shm(object("LuWnd2")).text(), header(0));
}

// A window process a program started for itself goes to that program: another that saw
// the idle header first is refused and looks further.
TEST_F(LuwndProcessTest, TheProgramThatStartedItTakesItFirst) {
    extra_env_ = {"LUMORA_LAUNCHER_PID=" + std::to_string(getppid())};
    start();
    connect_socket();
    const std::string handshake = "K," + std::to_string(pid_) + ",d;p;v";
    EXPECT_EQ(request_text(handshake), 0);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);
    close(socket_);
    socket_ = -1;

    extra_env_ = {"LUMORA_LAUNCHER_PID=" + std::to_string(getpid())};
    start();
    connect_socket();
    EXPECT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
    EXPECT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), 0);  // taken now
}

// Started for a program that never came (it took another one, or died), a window process
// without a display ends by itself instead of waiting for ever.
TEST_F(LuwndProcessTest, AHeadlessProcessNobodyTakesEnds) {
    extra_env_ = {"LUMORA_UNCLAIMED_SECONDS=1", "LUMORA_LAUNCHER_PID=" + std::to_string(getppid())};
    start();
    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(shm_exists(object("LuWnd1")));
    EXPECT_FALSE(fs::exists(socket_path()));
    EXPECT_FALSE(fs::exists(dir())) << "its empty runtime directory stays";
}

// Killed window processes leave sockets and runtime directories behind; the next one
// removes those of processes that are gone, in every namespace of the user.
TEST_F(LuwndProcessTest, LeftoversOfDeadProcessesAreRemoved) {
    const std::string other = base_ + "/lumora-othernamespace";
    ASSERT_EQ(mkdir(other.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(dir().c_str(), 0700), 0);
    const std::string dead = "/luwnd-" + std::to_string(dead_pid()) + ".sock";
    const std::string living = "/luwnd-" + std::to_string(getpid()) + ".sock";
    std::ofstream(other + dead) << "";
    std::string other_token, error;
    ASSERT_TRUE(lumora::platform::posix::read_or_create_token(other, other_token, error));
    std::ofstream(dir() + dead) << "";
    std::ofstream(dir() + living) << "";
    // Left long ago (a directory changed just now may be about to be used).
    fs::last_write_time(other, fs::file_time_type::clock::now() - std::chrono::hours(1));
    start();
    EXPECT_FALSE(fs::exists(other));
    EXPECT_FALSE(fs::exists(dir() + dead));
    EXPECT_TRUE(fs::exists(dir() + living));
    EXPECT_TRUE(fs::exists(socket_path()));
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);
    fs::remove(dir() + living);
}

namespace posix = lumora::platform::posix;

void settle(const std::string& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

// The blocks are named with a token only this user can read; the library finds the same
// names; and once the directory went with the last window process the token is new.
TEST_F(LuwndProcessTest, APrivateTokenNamesTheBlocksAndIsNewAfterTheDirectoryWent) {
    start();
    struct stat info {};
    ASSERT_EQ(lstat(posix::token_path(dir()).c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(token_.size(), 32u);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = runtime != nullptr ? runtime : "";
    setenv("XDG_RUNTIME_DIR", base_.c_str(), 1);
    EXPECT_EQ(posix::session_block_name(ns_, "LuWnd1:2"), object("LuWnd1:2"));
    if (runtime != nullptr)
        setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");

    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);
    EXPECT_FALSE(fs::exists(dir()));
    const std::string first = token_;
    start();
    EXPECT_NE(token_, first);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
}

// A window process killed outright leaves its blocks under its token. Once its directory
// went and the token changed, the next window process removes them; the blocks of a
// process that lives stay, whatever their token.
TEST_F(LuwndProcessTest, BlocksLeftUnderAnOldTokenAreSweptLiveOnesStay) {
    start();
    connect_socket();
    ASSERT_EQ(request_text("I,0,0,0,-1,-1,-1,"), 1);
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    const std::string old_token = token_, old_process = object("LuWnd1");
    const std::string old_window = object("LuWnd1:1");
    ASSERT_TRUE(shm_exists(old_process));
    ASSERT_TRUE(shm_exists(old_window));
    const std::string live_process = posix::block_object_name(ns_, std::string(32, 'a'), "LuWnd1");
    const std::string live_window = posix::block_object_name(ns_, std::string(32, 'a'), "LuWnd1:1");
    leave_block(live_process, "0," + std::to_string(getpid()) + ",5,0,9,9,9a");
    leave_block(live_window, "");
    settle(dir());

    start();
    EXPECT_NE(token_, old_token);
    EXPECT_FALSE(shm_exists(old_process));
    EXPECT_FALSE(shm_exists(old_window));
    EXPECT_TRUE(shm_exists(live_process));
    EXPECT_TRUE(shm_exists(live_window));
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
    shm_unlink(live_process.c_str());
    shm_unlink(live_window.c_str());
}

// Cleaning up never takes the token of a window process that lives, however long its
// directory is unchanged, nor of one that is starting (it holds the directory locked
// from reading the token until it listens).
TEST_F(LuwndProcessTest, CleaningKeepsTheTokenOfALiveOrAStartingProcess) {
    start();
    const pid_t first = pid_;
    const std::string live_token = token_;
    settle(dir());
    const std::string starting = base_ + "/lumora-starting";
    ASSERT_EQ(mkdir(starting.c_str(), 0700), 0);
    std::string starting_token, error;
    ASSERT_TRUE(posix::read_or_create_token(starting, starting_token, error));
    const int lock = open(starting.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    settle(starting);

    start();
    EXPECT_EQ(token_, live_token);
    EXPECT_EQ(Shm(object("LuWnd2")).text(), header(0));  // the first one holds LuWnd1
    std::string kept;
    EXPECT_TRUE(posix::read_token(starting, kept));
    EXPECT_EQ(kept, starting_token);
    close(lock);
    kill(first, SIGTERM);
    waitpid(first, nullptr, 0);
}

}  // namespace
