// A program started while every process number of its user is taken waits for one to
// come free, and draws as soon as one does.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "../support/child_process.h"
#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_names.h"

namespace lumora::test {
namespace {

namespace posix = platform::posix;

// A process block held by this (live) test process.
void hold_block(const std::string& path) {
    const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
    ASSERT_GE(fd, 0) << path;
    const std::string header = "1," + std::to_string(getpid()) + ",5,0,9,9,9a";
    ASSERT_EQ(ftruncate(fd, 4096), 0);
    ASSERT_EQ(pwrite(fd, header.c_str(), header.size() + 1, 0),
              static_cast<ssize_t>(header.size() + 1));
    close(fd);
}

// Waits up to 30 s for the text in the file.
bool appears(const std::string& file, const std::string& text) {
    for (int i = 0; i < 3000; ++i) {
        if (read_file(file).find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(TakenNumbers, AProgramWaitsForAFreeNumberAndDrawsOnceOneIsReleased) {
    const std::string ns = "taken" + std::to_string(getpid());
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", nullptr);
    set_environment("LUMORADIR", LUWND_DIR);
    const std::string base = temp_path("taken");
    std::filesystem::create_directories(base);
    set_environment("LUMORA_OUTPUT", base.c_str());
    std::string error;
    const std::string directory = posix::choose_runtime_dir(posix::runtime_directories(ns), error);
    ASSERT_FALSE(directory.empty()) << error;
    for (int k = 1; k <= 16; ++k)
        hold_block(posix::block_path(directory, "LuWnd" + std::to_string(k)));

    std::ofstream(base + "/in") << "8\n1\n";
    ChildProcess program;
    ChildOptions options;
    options.argv = {FOURIER_PATH};
    options.stdin_file = base + "/in";
    options.stdout_file = base + "/out";
    options.stderr_file = base + "/err";
    ASSERT_TRUE(program.start(options));
    EXPECT_TRUE(appears(base + "/err", "all process blocks are taken; waiting"));
    EXPECT_TRUE(program.running());
    ASSERT_EQ(unlink(posix::block_path(directory, "LuWnd5").c_str()), 0);
    EXPECT_EQ(program.wait(60000), 0) << read_file(base + "/err");
    for (int i = 0; i < 500 && pictures_in(base) == 0; ++i) usleep(10000);
    EXPECT_EQ(pictures_in(base), 1);

    set_environment("LUMORA_OUTPUT", OUTPUT_DIR);
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
    std::filesystem::remove_all(directory, ignored);
}

}  // namespace
}  // namespace lumora::test
