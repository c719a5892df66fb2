#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "child_process.h"
#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_names.h"

extern char** environ;

namespace lumora::test {

struct ChildProcess::Impl {
    pid_t pid = -1;
    int status = -1;
    bool ended = false;
};

namespace {

// Waits until the child writes its readiness byte or closes the pipe.
bool wait_ready(int fd, int timeout_ms) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, timeout_ms) <= 0) return false;
    char byte = 0;
    return read(fd, &byte, 1) == 1 && byte == '1';
}

void redirect(posix_spawn_file_actions_t& actions, int target, const std::string& file) {
    if (file.empty()) return;
    posix_spawn_file_actions_addopen(&actions, target, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (impl_ != nullptr && running()) kill();
    delete impl_;
}

bool ChildProcess::start(const ChildOptions& options) {
    delete impl_;
    impl_ = new Impl;
    int ready[2] = {-1, -1};
    if (options.wait_until_ready) {
        if (pipe(ready) != 0) return false;
        set_environment("LUMORA_READY_FD", std::to_string(ready[1]).c_str());
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string input = options.stdin_file.empty() ? "/dev/null" : options.stdin_file;
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    redirect(actions, 1, options.stdout_file);
    redirect(actions, 2, options.stderr_file);
    if (options.wait_until_ready) posix_spawn_file_actions_addclose(&actions, ready[0]);
    std::vector<char*> argv;
    for (const auto& a : options.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int rc = posix_spawn(&impl_->pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (!options.wait_until_ready) return rc == 0;
    set_environment("LUMORA_READY_FD", nullptr);
    close(ready[1]);
    const bool ok = rc == 0 && wait_ready(ready[0], 20000);
    close(ready[0]);
    return ok;
}

int ChildProcess::wait(int timeout_ms) {
    if (impl_ == nullptr) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!impl_->ended) {
        int status = 0;
        const pid_t r = waitpid(impl_->pid, &status, WNOHANG);
        if (r == impl_->pid) {
            impl_->ended = true;
            impl_->status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return impl_->status;
}

void ChildProcess::kill() {
    if (impl_ == nullptr || impl_->ended) return;
    ::kill(impl_->pid, SIGKILL);
    wait(5000);
}

bool ChildProcess::running() {
    return impl_ != nullptr && !impl_->ended && wait(0) == -1;
}

void set_environment(const char* name, const char* value) {
    if (value == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, value, 1);
    }
}

unsigned long this_process_id() {
    return static_cast<unsigned long>(getpid());
}

std::string temp_path(const std::string& stem) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/" + stem + "-" + std::to_string(getpid());
}

std::string native_path(const std::string& path) {
    return path;
}

std::vector<std::string> block_objects_of(const std::string& name_space) {
    std::vector<std::string> files;
    const std::string directory =
        platform::posix::existing_runtime_dir(platform::posix::runtime_directories(name_space));
    DIR* dir = directory.empty() ? nullptr : opendir(directory.c_str());
    if (dir == nullptr) return files;
    while (const dirent* entry = readdir(dir)) {
        if (platform::posix::is_block_name(entry->d_name))
            files.push_back(platform::posix::block_path(directory, entry->d_name));
    }
    closedir(dir);
    return files;
}

void remove_leftover_blocks(const std::string& name_space) {
    for (const std::string& file : block_objects_of(name_space)) unlink(file.c_str());
}

}  // namespace lumora::test
