// Starting real programs through this system's backend: the launch probe built beside
// this test, and on POSIX the real window program.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "client/platform/conventions.h"
#include "client/platform/platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "client/channel/client_state.h"
#include "client/channel/launcher.h"
#include "client/platform/posix/detached_launch.h"
#include "tests/unit/platform/posix_test_session.h"
#endif

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

// A program built beside this test.
std::string beside_this_test(const std::string& program) {
    char self[1024];
    platform::native().module_file_name(self, sizeof self);
    return (fs::path(self).parent_path() / program).string();
}

std::string probe_path() {
#ifdef _WIN32
    return beside_this_test("launch_probe.exe");
#else
    return beside_this_test("launch_probe");
#endif
}

std::string g_program;
const char* locate_probe() {
    return g_program.c_str();
}

std::string unique_marker(const char* stem) {
    return (fs::temp_directory_path() /
            (std::string(stem) +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count())))
        .string();
}

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

#ifdef _WIN32

// The launcher's window class is registered once per program and reused by a later
// start, so both calls are here.
TEST(NativeLaunch, StartsTheProgramEachTimeAndWaitsUntilItIsIdle) {
    const std::string marker = unique_marker("lumora-launch-");
    g_program = probe_path();
    const std::string options = " " + marker;
    EXPECT_EQ(platform::native().launch_window_process(options.c_str(), locate_probe), 0);
    EXPECT_FALSE(contents(marker).empty()) << "the probe had not started when the call returned";
    fs::remove(marker);

    int located = 0;
    static int* count = &located;
    const auto counting = []() -> const char* {
        ++*count;
        return g_program.c_str();
    };
    EXPECT_EQ(platform::native().launch_window_process(options.c_str(), counting), 0);
    EXPECT_EQ(located, 1);
    EXPECT_FALSE(contents(marker).empty()) << "the second start started nothing";
    fs::remove(marker);
}

#else

using platform::posix::LaunchOutcome;

// Reads "pid ppid arguments..." from the probe's marker.
struct ProbeRecord {
    long pid = 0, parent = 0;
    std::string arguments;
};

ProbeRecord record_of(const std::string& marker) {
    std::istringstream in(contents(marker));
    ProbeRecord record;
    in >> record.pid >> record.parent;
    std::getline(in, record.arguments);
    return record;
}

void stop(long pid) {
    if (pid > 0) kill(static_cast<pid_t>(pid), SIGTERM);
}

class DetachedLaunchTest : public ::testing::Test {
  protected:
    void TearDown() override {
        stop(record_of(marker_).pid);
        std::error_code ignored;
        fs::remove(marker_, ignored);
    }
    LaunchOutcome start(const std::string& extra, int timeout_ms = 20000) {
        const std::string options = "  " + marker_ + " " + extra;
        return platform::posix::start_detached(probe_path().c_str(), options.c_str(), timeout_ms,
                                               error_);
    }
    std::string marker_ = unique_marker("lumora-launch-");
    int error_ = 0;
};

TEST_F(DetachedLaunchTest, ReadyProgramRunsOnButIsNotOurChild) {
    ASSERT_EQ(start("a  b c "), LaunchOutcome::Ready);
    const ProbeRecord record = record_of(marker_);
    ASSERT_GT(record.pid, 0);
    EXPECT_EQ(record.arguments, " a b c");
    EXPECT_NE(record.parent, static_cast<long>(getpid()));
    EXPECT_EQ(kill(static_cast<pid_t>(record.pid), 0), 0) << "it should still run";
    EXPECT_EQ(waitpid(static_cast<pid_t>(record.pid), nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

// The descriptors the started program holds, by number, with what they lead to.
std::map<int, std::string> descriptors_of(long pid) {
    std::map<int, std::string> held;
    const fs::path dir = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::error_code ignored;
        held[std::stoi(entry.path().filename().string())] =
            fs::read_symlink(entry.path(), ignored).string();
    }
    return held;
}

// A pipeline waiting for the program's output must not wait for the window process too:
// only the standard streams go over (input and output on /dev/null, the error stream
// shared so that the window process's messages are seen), whatever the program has open.
TEST_F(DetachedLaunchTest, TheProgramGetsNoneOfOurDescriptors) {
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);  // inheritable, as a program's own pipes often are
    ASSERT_EQ(start("a"), LaunchOutcome::Ready);
    const long pid = record_of(marker_).pid;
    ASSERT_GT(pid, 0);
    std::map<int, std::string> held = descriptors_of(pid);
    held.erase(3);  // the ready pipe, until the probe has closed it
    std::error_code ignored;
    const std::string our_errors = fs::read_symlink("/proc/self/fd/2", ignored).string();
    const std::map<int, std::string> expected = {
        {0, "/dev/null"}, {1, "/dev/null"}, {2, our_errors}};
    EXPECT_EQ(held, expected);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
}

TEST_F(DetachedLaunchTest, APipeClosedWithoutTheByteIsNotReady) {
    EXPECT_EQ(start("silent"), LaunchOutcome::NotReady);
    EXPECT_GT(record_of(marker_).pid, 0);
}

TEST_F(DetachedLaunchTest, TheWaitEndsAtItsLimit) {
    const auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(start("hold", 300), LaunchOutcome::NotReady);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(2));
}

TEST_F(DetachedLaunchTest, AMissingProgramIsNotStarted) {
    EXPECT_EQ(
        platform::posix::start_detached((probe_path() + ".missing").c_str(), "", 20000, error_),
        LaunchOutcome::NotStarted);
    EXPECT_EQ(error_, ENOENT);
    EXPECT_EQ(platform::posix::start_detached(nullptr, "", 20000, error_),
              LaunchOutcome::NotStarted);
}

TEST(NativeLaunch, PlatformCallWaitsForTheProbe) {
    const std::string marker = unique_marker("lumora-launch-");
    g_program = probe_path();
    EXPECT_EQ(platform::native().launch_window_process((" " + marker).c_str(), locate_probe), 0);
    const ProbeRecord record = record_of(marker);
    EXPECT_GT(record.pid, 0);
    stop(record.pid);
    fs::remove(marker);
}

// The whole road: LUMORADIR leads to the real window program, which publishes its block.
TEST(NativeLaunch, StartWindowProcessStartsTheRealWindowProgram) {
    platform::PosixTestSession session;
    reset_client_state();
    setenv("LUMORADIR", LUWND_DIRECTORY, 1);
    std::strcpy(client_state().window_command_line, " /t /B");
    EXPECT_EQ(start_window_process(), 0);
    unsetenv("LUMORADIR");

    const platform::MappedView block = platform::native().open_block("LuWnd1");
    ASSERT_NE(block.data, nullptr) << "no process block after the start";
    long idle = -1, pid = 0;
    ASSERT_EQ(std::sscanf(reinterpret_cast<const char*>(block.data), "%ld,%ld", &idle, &pid), 2);
    platform::native().unmap_block(block);
    EXPECT_GT(pid, 0);
    EXPECT_EQ(waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG), -1);
    stop(pid);
    for (int i = 0; i < 200 && kill(static_cast<pid_t>(pid), 0) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    unlink(session.block_file("LuWnd1").c_str());
    reset_client_state();
}

#endif

}  // namespace
}  // namespace lumora::test
