// Runs the real luwnd in a namespace and directory of the test's own and speaks the raw
// protocol to it over its socket; or runs a client program that starts luwnd by itself.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
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
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/platform/posix/runtime_names.h"

extern char** environ;

namespace lumora::test {

namespace layout = lumora::layout;
namespace fs = std::filesystem;

class LuwndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "lp" + std::to_string(getpid()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 30);
        char base[] = "/tmp/luwnd-pic-XXXXXX";
        ASSERT_NE(mkdtemp(base), nullptr);
        base_ = base;
    }
    void TearDown() override {
        if (block_ != nullptr) munmap(block_, layout::kWindowBlockSize);
        for (pid_t* pid : {&pid_, &client_}) {
            if (*pid <= 0) continue;
            kill(*pid, SIGKILL);
            waitpid(*pid, nullptr, 0);
        }
        // A luwnd a client started is not the test's child.
        if (pid_t other = luwnd_of_client(); other > 0) kill(other, SIGKILL);
        if (socket_ >= 0) close(socket_);
        for (const char* name : {"LuWnd1", "LuWnd1:1", "LuWnd1:2"}) unlink(object(name).c_str());
        fs::remove_all(base_);
    }

    // The environment of luwnd and of client programs.
    std::vector<std::string> environment(const std::string& display, bool headless) const {
        std::vector<std::string> env = {"LUMORA_NAMESPACE=" + ns_, "XDG_RUNTIME_DIR=" + base_,
                                        "LUMORA_OUTPUT=" + base_, "LUMORA_TRACE=" + trace_path(),
                                        "LUMORADIR=" + fs::path(LUWND_PATH).parent_path().string()};
        if (!display.empty()) env.push_back("DISPLAY=" + display);
        if (headless) env.push_back("LUMORA_HEADLESS=1");
        return env;
    }

    static pid_t spawn(const std::vector<std::string>& args, std::vector<std::string> env,
                       int stdin_fd = -1, int keep_fd = -1) {
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (stdin_fd >= 0) posix_spawn_file_actions_adddup2(&actions, stdin_fd, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        if (keep_fd >= 0) posix_spawn_file_actions_addclose(&actions, keep_fd);
        pid_t pid = -1;
        if (posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    void start(const std::string& format, const std::string& display = {}, bool headless = false,
               const std::vector<std::string>& options = {"/s300,200"}) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        std::vector<std::string> env = environment(display, headless);
        env.push_back("LUMORA_OUTPUT_FORMAT=" + format);
        env.push_back("LUMORA_READY_FD=" + std::to_string(ready[1]));
        std::vector<std::string> args = {LUWND_PATH};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = spawn(args, env, -1, ready[0]);
        ASSERT_GT(pid_, 0);
        close(ready[1]);
        pollfd wait{ready[0], POLLIN, 0};
        ASSERT_EQ(poll(&wait, 1, 10000), 1) << "luwnd did not report ready";
        char byte = 0;
        EXPECT_EQ(read(ready[0], &byte, 1), 1);
        close(ready[0]);
        connect_socket();
        ASSERT_EQ(text("K," + std::to_string(pid_) + ",/tmp;prog;banner"), pid_);
    }

    // Connects to the socket of the luwnd the test started, as a program does.
    void connect_socket() {
        socket_ = socket(AF_UNIX, SOCK_SEQPACKET, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string path = socket_dir() + "/luwnd-" + std::to_string(pid_) + ".sock";
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }

    // The text at the start of luwnd's process block ("" when there is none).
    std::string process_header() const {
        int fd = open(object("LuWnd1").c_str(), O_RDONLY | O_NOFOLLOW);
        if (fd < 0) return "";
        struct stat facts {};
        std::string text;
        if (fstat(fd, &facts) == 0 && facts.st_size > 0) {
            const auto size = static_cast<std::size_t>(facts.st_size);
            void* p = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
            if (p != MAP_FAILED) {
                text.assign(static_cast<const char*>(p),
                            strnlen(static_cast<const char*>(p), size));
                munmap(p, size);
            }
        }
        close(fd);
        return text;
    }

    std::int32_t request(const std::vector<std::uint8_t>& command) {
        std::vector<std::uint8_t> datagram(4);
        layout::write_i32(datagram.data(), 0, 1);
        datagram.insert(datagram.end(), command.begin(), command.end());
        EXPECT_EQ(send(socket_, datagram.data(), datagram.size(), 0),
                  static_cast<ssize_t>(datagram.size()));
        std::uint8_t reply[8] = {};
        EXPECT_EQ(recv(socket_, reply, sizeof reply, 0), 4);
        return layout::read_i32(reply, 0);
    }
    std::int32_t text(const std::string& command) {
        std::vector<std::uint8_t> bytes(command.begin(), command.end());
        bytes.push_back(0);
        return request(bytes);
    }
    void open_window() {
        ASSERT_EQ(text("I,0,0,0,-1,-1,-1,Picture"), 1);
        int fd = open(object("LuWnd1:1").c_str(), O_RDWR | O_NOFOLLOW);
        ASSERT_GE(fd, 0);
        void* p =
            mmap(nullptr, layout::kWindowBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        ASSERT_NE(p, MAP_FAILED);
        block_ = static_cast<std::uint8_t*>(p);
    }
    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
        layout::write_i32(block_, layout::kParam1, p1);
        layout::write_i32(block_, layout::kParam2, p2);
        layout::write_i32(block_, layout::kParam3, p3);
        return request({static_cast<std::uint8_t>(letter), 1 + 32, 0});
    }
    void words(std::size_t offset, const std::vector<std::int32_t>& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(block_, offset + 4 * i, values[i]);
    }
    std::int32_t word(std::size_t offset) const { return layout::read_i32(block_, offset); }
    // Sends 'L' with the mode, leaves, and waits for luwnd to end with status 0.
    void quit(int mode = 1) {
        ASSERT_EQ(text("L," + std::to_string(mode) + ","), 1);
        close(socket_);
        socket_ = -1;
        expect_luwnd_ends();
    }
    // With a display: 'L' with the mode, and the user closes the window, the last one
    // shown; then luwnd ends with status 0.
    template <typename Display>
    void quit_and_close(Display& display, unsigned long window, int mode = 1) {
        ASSERT_EQ(text("L," + std::to_string(mode) + ","), 1);
        close(socket_);
        socket_ = -1;
        display.close(window);
        expect_luwnd_ends();
    }
    void expect_luwnd_ends() {
        for (int i = 0; i < 1000 && pid_ > 0; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_EQ(pid_, -1) << "luwnd did not end";
    }
    std::string picture(const char* suffix) const { return base_ + "/luwnd-1-1." + suffix; }
    std::string socket_dir() const { return base_ + "/lumora-" + ns_; }
    // A block's file in luwnd's runtime directory.
    std::string object(const char* block) const {
        return lumora::platform::posix::block_path(socket_dir(), block);
    }
    std::string trace_path() const { return base_ + "/trace.txt"; }

    // The trace so far.
    std::string trace() const {
        std::ifstream file(trace_path());
        std::ostringstream all;
        all << file.rdbuf();
        return all.str();
    }
    // Waits up to 5 s for the trace to hold the text.
    bool wait_for_trace(const std::string& part) const {
        for (int i = 0; i < 500; ++i) {
            if (trace().find(part) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // The luwnd a client program started: its socket names it.
    pid_t luwnd_of_client() const {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(socket_dir(), error)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("luwnd-", 0) != 0) continue;
            pid_t pid = static_cast<pid_t>(std::atol(name.c_str() + 6));
            if (pid > 0 && pid != pid_) return pid;
        }
        return -1;
    }
    // Waits up to 10 s for a process that is not the test's child to end.
    static bool wait_gone(pid_t pid) {
        for (int i = 0; i < 1000; ++i) {
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string line;
            std::getline(stat, line);
            // An ended process may wait as a zombie for its parent.
            std::size_t state = line.rfind(')');
            if (!stat || state == std::string::npos || line.compare(state, 3, ") Z") == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Waits up to timeout_ms for the client to end: its exit status, -1 when it did not.
    int wait_client(int timeout_ms) {
        for (int i = 0; i < timeout_ms / 10; ++i) {
            int status = 0;
            if (waitpid(client_, &status, WNOHANG) == client_) {
                client_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    std::string ns_, base_;
    pid_t pid_ = -1;     // the luwnd the test started
    pid_t client_ = -1;  // a client program the test started
    int socket_ = -1;
    std::uint8_t* block_ = nullptr;
};

}  // namespace lumora::test
