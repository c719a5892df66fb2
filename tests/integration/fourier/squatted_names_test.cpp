// Another local user who creates, ahead of us, every shared-memory name we ever used or
// might use for our blocks, and our runtime directory in /tmp with blocks in it, must not
// stop a program from drawing. Acting as another user needs root; elsewhere the test is
// skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

constexpr uid_t kNobody = 65534;

// Shared-memory names an attacker can compute: with the uid, the namespace and a token
// (earlier versions put a token there), or none.
std::vector<std::string> guessable_names(const std::string& ns) {
    const std::string uid = std::to_string(geteuid());
    const std::vector<std::string> prefixes = {
        "/lumora-" + uid + "." + ns + ".",
        "/lumora-" + uid + "-" + std::string(32, '0') + "." + ns + ".",
        "/lumora-" + uid + "-0123456789abcdef0123456789abcdef." + ns + "."};
    std::vector<std::string> names;
    for (const std::string& prefix : prefixes) {
        for (int k = 1; k <= 16; ++k) {
            const std::string block = "LuWnd" + std::to_string(k);
            names.push_back(prefix + block);
            names.push_back(prefix + block + ":1");
        }
    }
    return names;
}

// The runtime directory a program of ours would use in /tmp.
std::string tmp_runtime_dir(const std::string& ns) {
    return "/tmp/lumora-" + std::to_string(geteuid()) + "-" + ns;
}

// As user nobody: the directory, open to everyone, with every process block in it.
bool squat_directory(const std::string& directory) {
    if (mkdir(directory.c_str(), 0777) != 0 || chmod(directory.c_str(), 0777) != 0) return false;
    for (int k = 1; k <= 16; ++k) {
        const std::string file = directory + "/LuWnd" + std::to_string(k);
        const int fd = open(file.c_str(), O_CREAT | O_EXCL | O_RDWR, 0666);
        if (fd < 0 || fchmod(fd, 0666) != 0 || ftruncate(fd, 4096) != 0) return false;
        close(fd);
    }
    return true;
}

// What an attacker who lists /dev/shm learns of a running window process of ours: the
// names there that carry our namespace, up to the block name.
std::vector<std::string> seen_prefixes(const std::string& ns) {
    std::vector<std::string> prefixes;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm")) {
        const std::string name = entry.path().filename();
        const std::size_t at = name.find("." + ns + ".LuWnd");
        if (at != std::string::npos) prefixes.push_back("/" + name.substr(0, at + ns.size() + 2));
    }
    return prefixes;
}

// Every block name under the prefixes seen.
void take_seen_names(const std::string& ns) {
    for (const std::string& prefix : seen_prefixes(ns)) {
        for (int k = 1; k <= 16; ++k) {
            for (int n = 0; n <= 63; ++n) {
                std::string name = prefix + "LuWnd" + std::to_string(k);
                if (n > 0) name += ":" + std::to_string(n);
                const int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0666);
                if (fd >= 0) close(fd);
            }
        }
    }
}

// Runs work as user nobody in a child process; what it returns, or -1.
int as_nobody(const std::function<int()>& work) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        int result = -1;
        if (setresgid(kNobody, kNobody, kNobody) == 0 && setresuid(kNobody, kNobody, kNobody) == 0)
            result = work();
        (void)!write(pipe_ends[1], &result, sizeof result);
        _exit(0);
    }
    close(pipe_ends[1]);
    int result = -1;
    if (read(pipe_ends[0], &result, sizeof result) != sizeof result) result = -1;
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    return result;
}

// Creates the objects open to everyone; how many it made.
int create_objects(const std::vector<std::string>& names) {
    int made = 0;
    for (const std::string& name : names) {
        const int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0666);
        if (fd < 0) continue;
        if (fchmod(fd, 0666) == 0 && ftruncate(fd, 4096) == 0) ++made;
        close(fd);
    }
    return made;
}

TEST(SquattedNames, AProgramStillDrawsWhenAnotherUserHoldsEveryGuessableName) {
    if (geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    const std::string ns = "squat" + std::to_string(getpid());
    const std::vector<std::string> names = guessable_names(ns);
    const std::string taken = tmp_runtime_dir(ns);
    struct Cleanup {
        const std::vector<std::string>& names;
        const std::string& ns;
        const std::string& taken;
        ~Cleanup() {
            for (const std::string& name : names) shm_unlink(name.c_str());
            for (const std::string& prefix : seen_prefixes(ns)) {
                for (const auto& entry : std::filesystem::directory_iterator("/dev/shm")) {
                    if (entry.path().filename().string().rfind(prefix.substr(1), 0) == 0)
                        shm_unlink(("/" + entry.path().filename().string()).c_str());
                }
            }
            std::error_code ignored;
            std::filesystem::remove_all(taken, ignored);
            // Where our window processes went instead (the one killed leaves its files).
            const char* home = std::getenv("HOME");
            if (home != nullptr)
                std::filesystem::remove_all(std::string(home) + "/.lumora-runtime-" + ns, ignored);
        }
    } cleanup{names, ns, taken};
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved_runtime = runtime != nullptr ? runtime : "";
    set_environment("XDG_RUNTIME_DIR", nullptr);  // so that our directory is in /tmp
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", nullptr);
    // A window process of ours runs, kept for a program that never comes, so that the
    // program below starts its own; the other user looks for its names first.
    set_environment("LUMORA_LAUNCHER_PID", "1");
    ASSERT_EQ(as_nobody([&] { return squat_directory(taken) ? create_objects(names) : -1; }),
              static_cast<int>(names.size()));
    ChildProcess running;
    ChildOptions idle;
    idle.argv = {LUWND_DIR "/luwnd"};
    idle.wait_until_ready = true;
    ASSERT_TRUE(running.start(idle));
    set_environment("LUMORA_LAUNCHER_PID", nullptr);
    as_nobody([&] {
        take_seen_names(ns);
        return 0;
    });

    const std::string base = temp_path("squat");
    std::filesystem::create_directories(base);
    std::ofstream(base + "/in") << "8\n1\n";
    set_environment("LUMORADIR", LUWND_DIR);
    set_environment("LUMORA_OUTPUT", base.c_str());
    ChildProcess program;
    ChildOptions options;
    options.argv = {FOURIER_PATH};
    options.stdin_file = base + "/in";
    options.stdout_file = base + "/out";
    options.stderr_file = base + "/err";
    ASSERT_TRUE(program.start(options));
    EXPECT_EQ(program.wait(60000), 0) << read_file(base + "/err");
    // The window process writes the picture at the quit, just after the program ends.
    for (int i = 0; i < 500 && pictures_in(base) == 0; ++i) usleep(10000);
    EXPECT_EQ(pictures_in(base), 1);
    // Nothing of ours went into the other user's directory or took their names.
    for (const auto& entry : std::filesystem::directory_iterator(taken)) {
        struct stat info {};
        ASSERT_EQ(lstat(entry.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kNobody) << entry.path();
    }
    for (const std::string& name : names) {
        struct stat info {};
        EXPECT_EQ(stat(("/dev/shm" + name).c_str(), &info), 0) << name;
        EXPECT_EQ(info.st_uid, kNobody) << name;
    }

    running.kill();
    set_environment("XDG_RUNTIME_DIR", runtime != nullptr ? saved_runtime.c_str() : nullptr);
    set_environment("LUMORA_OUTPUT", OUTPUT_DIR);
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
}

}  // namespace
}  // namespace lumora::test
