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

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/platform/posix/runtime_names.h"

extern char** environ;

namespace {

namespace layout = lumora::layout;
namespace fs = std::filesystem;

// A mapped block file, or an empty one when it does not exist.
struct Shm {
    explicit Shm(const std::string& name) {
        int fd = open(name.c_str(), O_RDWR | O_NOFOLLOW);
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
    struct stat info {};
    return lstat(name.c_str(), &info) == 0;
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
        errors_ = base_ + "/errors.txt";
    }

    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (socket_ >= 0) close(socket_);
        if (ready_ >= 0) close(ready_);
        fs::remove_all(base_);
    }

    // A block's file in the namespace's runtime directory.
    std::string object(const std::string& block) const {
        return lumora::platform::posix::block_path(dir(), block);
    }
    // The namespace's directory, as an earlier window process would have left it.
    void make_dir() const { mkdir(dir().c_str(), 0700); }
    std::string dir() const { return base_ + "/lumora-" + ns_; }
    std::string socket_path() const { return dir() + "/luwnd-" + std::to_string(pid_) + ".sock"; }

    // Starts luwnd and waits for its ready byte.
    void start() {
        ASSERT_NO_FATAL_FAILURE(spawn());
        ASSERT_TRUE(wait_ready(10000)) << "luwnd did not report ready";
    }
    // Starts luwnd, its error stream going to errors_.
    void spawn() {
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
        posix_spawn_file_actions_addopen(&actions, 2, errors_.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        char arg0[] = LUWND_PATH, arg1[] = "/t", arg2[] = "/B";
        char* argv[] = {arg0, arg1, arg2, nullptr};
        ASSERT_EQ(posix_spawn(&pid_, LUWND_PATH, &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        ready_ = ready[0];
    }
    // Whether luwnd reported ready within timeout_ms (false also when it ended first).
    bool wait_ready(int timeout_ms) {
        pollfd wait{ready_, POLLIN, 0};
        char byte = 0;
        const bool ready =
            poll(&wait, 1, timeout_ms) == 1 && read(ready_, &byte, 1) == 1 && byte == '1';
        close(ready_);
        ready_ = -1;
        return ready;
    }
    // Waits up to 10 s for text on luwnd's error stream.
    bool said(const std::string& text) const {
        for (int i = 0; i < 1000; ++i) {
            std::ifstream file(errors_);
            std::string all((std::istreambuf_iterator<char>(file)), {});
            if (all.find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
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

    std::string ns_, base_, trace_, errors_;
    std::vector<std::string> extra_env_;
    pid_t pid_ = -1;
    int socket_ = -1, ready_ = -1;
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

// A second connection to the process (as a joined program has), with a request sent
// whose answer is not waited for.
struct OtherConnection {
    explicit OtherConnection(const std::string& path) {
        fd = socket(AF_UNIX, SOCK_SEQPACKET, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~OtherConnection() { close(fd); }
    bool send_text(const std::string& text) const {
        std::vector<std::uint8_t> datagram(4);
        layout::write_i32(datagram.data(), 0, 1);
        datagram.insert(datagram.end(), text.begin(), text.end());
        datagram.push_back(0);
        return send(fd, datagram.data(), datagram.size(), 0) ==
               static_cast<ssize_t>(datagram.size());
    }
    // The answer, waiting up to 20 s; INT32_MIN when none came.
    std::int32_t answer() const {
        pollfd wait{fd, POLLIN, 0};
        std::uint8_t reply[4] = {};
        if (poll(&wait, 1, 20000) != 1 || recv(fd, reply, sizeof reply, 0) != 4) return INT32_MIN;
        return layout::read_i32(reply, 0);
    }
    int fd = -1;
    bool connected = false;
};

// The command lines of the trace, in the order the process handled them.
std::vector<std::string> trace_lines(const std::string& path) {
    std::ifstream trace(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(trace, line);) lines.push_back(line);
    return lines;
}

// Two programs on one process: the open's answer in the process block stays there for
// the program that opened until its next command, although the other program's open
// was sent earlier than that command.
TEST_F(LuwndProcessTest, AnOpenAnswerInTheProcessBlockIsKeptForItsReader) {
    start();
    connect_socket();
    ASSERT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
    OtherConnection other(socket_path());
    ASSERT_TRUE(other.connected);
    ASSERT_EQ(request_text("I,0,0,0,-1,-1,-1,Mine"), 1);
    ASSERT_TRUE(other.send_text("I,0,0,0,-1,-1,-1,Theirs"));
    EXPECT_EQ(Shm(object("LuWnd1")).text(), "1,Mine");
    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    EXPECT_EQ(request(probe), 224);  // the opener's next command: it has read its answer
    EXPECT_EQ(other.answer(), 2);
    EXPECT_EQ(Shm(object("LuWnd1")).text(), "2,Theirs");
    const std::vector<std::string> lines = trace_lines(trace_);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "cmd=O win=0 probe=0 ret=224");
    EXPECT_EQ(lines[3].rfind("cmd=I win=0", 0), 0u) << lines[3];
}

// A program that never comes back after its open holds up the others only for a while.
TEST_F(LuwndProcessTest, AProgramThatDoesNotReadItsAnswerHoldsTheOthersOnlyAWhile) {
    start();
    connect_socket();
    ASSERT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
    OtherConnection other(socket_path());
    ASSERT_TRUE(other.connected);
    ASSERT_EQ(request_text("I,0,0,0,-1,-1,-1,"), 1);
    ASSERT_TRUE(other.send_text("I,0,0,0,-1,-1,-1,"));
    EXPECT_EQ(other.answer(), 2);
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
    int fd = open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
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
    make_dir();
    leave_block(object("LuWnd1"), "0," + std::to_string(dead_pid()) + ",5,0,9,9,9a");
    leave_block(object("LuWnd1:1"), "");
    start();
    EXPECT_EQ(Shm(object("LuWnd1")).text(), header(0));
    connect_socket();
    EXPECT_EQ(request_text("I,1,0,0,-1,-1,-1,"), 1);  // the leftover window block is replaced
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 0);

    make_dir();  // the directory went with the window process
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

// Killed window processes leave blocks, sockets and runtime directories behind; the next
// one removes those of processes that are gone, in every namespace of the user, and
// keeps those of processes that live.
TEST_F(LuwndProcessTest, LeftoversOfDeadProcessesAreRemoved) {
    const std::string other = base_ + "/lumora-othernamespace";
    const std::string kept = base_ + "/lumora-keptnamespace";
    for (const std::string& path : {other, kept, dir()}) ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    const std::string dead = "/luwnd-" + std::to_string(dead_pid()) + ".sock";
    const std::string living = "/luwnd-" + std::to_string(getpid()) + ".sock";
    std::ofstream(other + dead) << "";
    leave_block(other + "/LuWnd3", "0," + std::to_string(dead_pid()) + ",5,0,9,9,9a");
    leave_block(other + "/LuWnd3:1", "");
    std::ofstream(other + "/token") << std::string(32, 'a') << "\n";  // of an earlier version
    std::ofstream(kept + living) << "";
    leave_block(kept + "/LuWnd1", "0," + std::to_string(getpid()) + ",5,0,9,9,9a");
    leave_block(kept + "/LuWnd1:1", "");
    leave_block(kept + "/LuWnd2", "0," + std::to_string(dead_pid()) + ",5,0,9,9,9a");
    leave_block(kept + "/LuWnd2:4", "");
    std::ofstream(dir() + dead) << "";
    std::ofstream(dir() + living) << "";
    // Left long ago (a directory changed just now may be about to be used).
    for (const std::string& path : {other, kept})
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
    start();
    EXPECT_FALSE(fs::exists(other));
    EXPECT_TRUE(fs::exists(kept + "/LuWnd1"));
    EXPECT_TRUE(fs::exists(kept + "/LuWnd1:1"));
    EXPECT_FALSE(fs::exists(kept + "/LuWnd2"));
    EXPECT_FALSE(fs::exists(kept + "/LuWnd2:4"));
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

// The files luwnd has mapped whose path names the part: its blocks.
std::vector<std::string> mapped_files(pid_t pid, const std::string& part) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::vector<std::string> files;
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.find('/');
        if (slash != std::string::npos && line.find(part) != std::string::npos)
            files.push_back(line.substr(slash));
    }
    return files;
}

// The blocks are files of ours, mode 0600, in the 0700 runtime directory, and none is in
// the shared-memory namespace that every user can list and create names in.
TEST_F(LuwndProcessTest, BlocksAreFilesInThePrivateDirectoryNotSharedMemory) {
    start();
    connect_socket();
    ASSERT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
    ASSERT_EQ(request_text("I,0,0,0,-1,-1,-1,"), 1);
    struct stat info {};
    ASSERT_EQ(lstat(dir().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(info.st_uid, geteuid());
    for (const char* block : {"LuWnd1", "LuWnd1:1"}) {
        ASSERT_EQ(lstat(object(block).c_str(), &info), 0) << block;
        EXPECT_TRUE(S_ISREG(info.st_mode)) << block;
        EXPECT_EQ(info.st_mode & 07777, 0600u) << block;
        EXPECT_EQ(info.st_uid, geteuid()) << block;
    }
    std::vector<std::string> blocks = mapped_files(pid_, "LuWnd");
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(blocks, (std::vector<std::string>{object("LuWnd1"), object("LuWnd1:1")}));
    EXPECT_TRUE(mapped_files(pid_, "/dev/shm").empty());
    EXPECT_FALSE(fs::exists(dir() + "/token")) << "no name needs a secret now";
}

// A link planted at a block's path is never written through, nor is a file of another
// user removed: luwnd takes the next number.
TEST_F(LuwndProcessTest, APlantedLinkOrForeignFileAtABlockPathIsLeftAlone) {
    make_dir();
    const std::string target = base_ + "/target";
    std::ofstream(target) << "untouched";
    ASSERT_EQ(symlink(target.c_str(), object("LuWnd1").c_str()), 0);
    const bool root = geteuid() == 0;
    if (root) {
        leave_block(object("LuWnd2"), "0," + std::to_string(dead_pid()) + ",5,0,9,9,9a");
        ASSERT_EQ(chown(object("LuWnd2").c_str(), 65534, 65534), 0);
    }
    start();
    const char* taken = root ? "LuWnd3" : "LuWnd2";
    EXPECT_EQ(Shm(object(taken)).text(), header(0));
    std::ifstream kept(target);
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "untouched");
    struct stat info {};
    EXPECT_EQ(lstat(object("LuWnd1").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    if (root) {
        EXPECT_TRUE(shm_exists(object("LuWnd2")));
    }
}

// Cleaning up never removes the directory of a window process that lives, however long
// it is unchanged, nor of one that is starting (it holds the directory locked from
// choosing it until its first block is there).
TEST_F(LuwndProcessTest, CleaningKeepsTheDirectoryOfALiveOrAStartingProcess) {
    start();
    const pid_t first = pid_;
    settle(dir());
    const std::string starting = base_ + "/lumora-starting";
    ASSERT_EQ(mkdir(starting.c_str(), 0700), 0);
    const int lock = open(starting.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    settle(starting);

    start();
    EXPECT_EQ(Shm(object("LuWnd2")).text(), header(0));  // the first one holds LuWnd1
    EXPECT_TRUE(fs::exists(object("LuWnd1")));
    EXPECT_TRUE(fs::exists(starting));
    close(lock);
    kill(first, SIGTERM);
    waitpid(first, nullptr, 0);
}

// With every process number held by a live process, a new window process waits for one
// to come free instead of failing, says so, and takes the first one released.
TEST_F(LuwndProcessTest, WaitsForAFreeProcessNumberAndTakesTheFirstReleased) {
    make_dir();
    const std::string holder = "0," + std::to_string(getpid()) + ",5,0,9,9,9a";
    for (int k = 1; k <= 16; ++k) leave_block(object("LuWnd" + std::to_string(k)), holder);
    ASSERT_NO_FATAL_FAILURE(spawn());
    ASSERT_TRUE(said("all process blocks are taken; waiting"));
    EXPECT_TRUE(fs::exists(dir())) << "the directory is not removed under the waiting process";
    ASSERT_EQ(unlink(object("LuWnd7").c_str()), 0);
    ASSERT_TRUE(wait_ready(20000)) << "luwnd did not take the released number";
    EXPECT_EQ(Shm(object("LuWnd7")).text(), header(0));
    EXPECT_EQ(Shm(object("LuWnd8")).text(), holder);
    connect_socket();
    EXPECT_EQ(request_text("K," + std::to_string(pid_) + ",d;p;v"), pid_);
}

// A waiting window process stops waiting when it is asked to stop, or when the program
// it was started for has ended: nobody would take it any more.
TEST_F(LuwndProcessTest, WaitingEndsWithSigtermOrWithTheProgramItWasStartedFor) {
    make_dir();
    const std::string holder = "1," + std::to_string(getpid()) + ",5,0,9,9,9a";
    for (int k = 1; k <= 16; ++k) leave_block(object("LuWnd" + std::to_string(k)), holder);
    ASSERT_NO_FATAL_FAILURE(spawn());
    ASSERT_TRUE(said("all process blocks are taken; waiting"));
    kill(pid_, SIGTERM);
    EXPECT_EQ(wait_exit(), 1);
    EXPECT_TRUE(said("luwnd: stopped while waiting for a process block"));

    const pid_t program = fork();
    if (program == 0) {
        pause();
        _exit(0);
    }
    extra_env_ = {"LUMORA_LAUNCHER_PID=" + std::to_string(program)};
    std::ofstream(errors_, std::ios::trunc).close();
    ASSERT_NO_FATAL_FAILURE(spawn());
    ASSERT_TRUE(said("waiting for one to come free"));
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    EXPECT_EQ(wait_exit(), 1);
    EXPECT_TRUE(said("luwnd: the program that started luwnd has ended"));
    EXPECT_FALSE(wait_ready(0));
    EXPECT_EQ(Shm(object("LuWnd1")).text(), holder);
}

}  // namespace
