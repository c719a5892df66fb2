#include "detached_launch.h"

#include "standard_streams.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace lumora::platform::posix {

namespace {

constexpr const char* kReadyVariable = "LUMORA_READY_FD=";

std::vector<std::string> split_at_blanks(const char* program, const char* options) {
    std::vector<std::string> words{program};
    std::string word;
    for (const char* c = options != nullptr ? options : "";; ++c) {
        if (*c == ' ' || *c == '\0') {
            if (!word.empty()) words.push_back(word);
            word.clear();
            if (*c == '\0') break;
        } else {
            word += *c;
        }
    }
    return words;
}

// The client's environment with LUMORA_READY_FD naming this launch's pipe.
std::vector<std::string> environment_with_ready_fd(int fd) {
    std::vector<std::string> entries;
    const std::size_t prefix = std::strlen(kReadyVariable);
    for (char** e = environ; e != nullptr && *e != nullptr; ++e) {
        if (std::strncmp(*e, kReadyVariable, prefix) != 0) entries.emplace_back(*e);
    }
    entries.push_back(kReadyVariable + std::to_string(fd));
    return entries;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& t : texts) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Everything the spawn needs, prepared before the fork: the child only calls setsid,
// posix_spawn, write and _exit.
struct SpawnPlan {
    std::vector<std::string> argv_texts, env_texts;
    std::vector<char*> argv, envp;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;

    SpawnPlan(const char* program, const char* options, int ready_fd)
        : argv_texts(split_at_blanks(program, options)),
          env_texts(environment_with_ready_fd(ready_fd)),
          argv(pointers_to(argv_texts)),
          envp(pointers_to(env_texts)) {
        posix_spawn_file_actions_init(&actions);
        // It may outlive the client, so it must not hold the client's terminal or pipes
        // open: a pipeline reading the client's output would otherwise wait for it. The
        // error stream is shared, so that what goes wrong with the pictures is seen; the
        // window process lets go of it once it is to outlive the client.
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawnattr_init(&attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigaddset(&defaults, SIGINT);
        sigaddset(&defaults, SIGTERM);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnPlan() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnPlan(const SpawnPlan&) = delete;
    SpawnPlan& operator=(const SpawnPlan&) = delete;
};

// The intermediate child: a new session, the program spawned, and its spawn result sent
// back before it ends, so that the program is handed over to init.
[[noreturn]] void run_intermediate(SpawnPlan& plan, int status_fd) {
    setsid();
    pid_t program = 0;
    const int rc = posix_spawn(&program, plan.argv[0], &plan.actions, &plan.attributes,
                               plan.argv.data(), plan.envp.data());
    const ssize_t written = write(status_fd, &rc, sizeof rc);
    _exit(written == static_cast<ssize_t>(sizeof rc) ? 0 : 1);
}

bool read_spawn_result(int fd, int& error) {
    int rc = 0;
    ssize_t got = 0;
    do {
        got = read(fd, &rc, sizeof rc);
    } while (got < 0 && errno == EINTR);
    if (got != static_cast<ssize_t>(sizeof rc)) {
        error = got < 0 ? errno : ECHILD;
        return false;
    }
    if (rc != 0) error = rc;
    return rc == 0;
}

LaunchOutcome wait_until_ready(int fd, int timeout_ms) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return LaunchOutcome::NotReady;
        pollfd ready{fd, POLLIN, 0};
        const int n = poll(&ready, 1, static_cast<int>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return LaunchOutcome::NotReady;
        char byte = 0;
        const ssize_t got = read(fd, &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        return got == 1 && byte == '1' ? LaunchOutcome::Ready : LaunchOutcome::NotReady;
    }
}

void close_both(int (&fds)[2]) {
    for (int& fd : fds) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

}  // namespace

LaunchOutcome start_detached(const char* program, const char* options, int timeout_ms, int& error) {
    if (program == nullptr || *program == '\0') {
        error = ENOENT;
        return LaunchOutcome::NotStarted;
    }
    int ready[2] = {-1, -1}, status[2] = {-1, -1};
    const bool piped = pipe2(ready, O_CLOEXEC) == 0 && pipe2(status, O_CLOEXEC) == 0;
    for (int* fd : {&ready[0], &ready[1], &status[0], &status[1]})
        *fd = above_standard_streams(*fd);
    if (!piped || ready[0] < 0 || ready[1] < 0 || status[0] < 0 || status[1] < 0 ||
        fcntl(ready[1], F_SETFD, 0) != 0) {  // the program inherits the write end
        error = errno;
        close_both(ready);
        close_both(status);
        return LaunchOutcome::NotStarted;
    }
    SpawnPlan plan(program, options, ready[1]);
    const pid_t intermediate = fork();
    if (intermediate == 0) run_intermediate(plan, status[1]);
    if (intermediate < 0) error = errno;
    close(ready[1]);
    close(status[1]);
    ready[1] = status[1] = -1;
    LaunchOutcome outcome = LaunchOutcome::NotStarted;
    if (intermediate > 0) {
        const bool started = read_spawn_result(status[0], error);
        while (waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
        }
        if (started) outcome = wait_until_ready(ready[0], timeout_ms);
    }
    close_both(ready);
    close_both(status);
    return outcome;
}

}  // namespace lumora::platform::posix
