// Another local user who creates, ahead of us, every shared-memory name they can compute
// for our blocks must not stop a program from drawing. Acting as another user needs root;
// elsewhere the test is skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

constexpr uid_t kNobody = 65534;

// The names an attacker can compute: the uid and namespace are public, a token is not,
// so it is guessed.
std::vector<std::string> guessable_names(const std::string& ns) {
    const std::string uid = std::to_string(geteuid());
    const std::vector<std::string> prefixes = {
        "/lumora-" + uid + ".", "/lumora-" + uid + "-" + std::string(32, '0') + ".",
        "/lumora-" + uid + "-" + std::string(32, 'f') + ".",
        "/lumora-" + uid + "-0123456789abcdef0123456789abcdef."};
    std::vector<std::string> names;
    for (const std::string& prefix : prefixes) {
        for (int k = 1; k <= 16; ++k) {
            const std::string block = "LuWnd" + std::to_string(k);
            names.push_back(prefix + ns + "." + block);
            names.push_back(prefix + ns + "." + block + ":1");
        }
    }
    return names;
}

// Creates the objects as user nobody, open to everyone, and reports how many it made.
int squat(const std::vector<std::string>& names) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        int made = 0;
        if (setgid(kNobody) == 0 && setuid(kNobody) == 0) {
            for (const std::string& name : names) {
                const int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0666);
                if (fd < 0) continue;
                if (fchmod(fd, 0666) == 0 && ftruncate(fd, 4096) == 0) ++made;
                close(fd);
            }
        }
        (void)!write(pipe_ends[1], &made, sizeof made);
        _exit(0);
    }
    close(pipe_ends[1]);
    int made = -1;
    if (read(pipe_ends[0], &made, sizeof made) != sizeof made) made = -1;
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    return made;
}

TEST(SquattedNames, AProgramStillDrawsWhenAnotherUserHoldsEveryGuessableName) {
    if (geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    const std::string ns = "squat" + std::to_string(getpid());
    const std::vector<std::string> names = guessable_names(ns);
    ASSERT_EQ(squat(names), static_cast<int>(names.size()));

    const std::string base = temp_path("squat");
    std::filesystem::create_directories(base);
    std::ofstream(base + "/in") << "8\n1\n";
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", nullptr);
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

    for (const std::string& name : names) shm_unlink(name.c_str());
    set_environment("LUMORA_OUTPUT", OUTPUT_DIR);
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
}

}  // namespace
}  // namespace lumora::test
