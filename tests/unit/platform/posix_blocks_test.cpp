// POSIX shared blocks: files in the private runtime directory, mapped whole when they are
// private to this user, refused (never followed) otherwise.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "client/platform/posix/posix_platform.h"
#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_names.h"
#include "posix_test_session.h"

namespace lumora::platform {
namespace {

constexpr uid_t kNobody = 65534;

class PosixBlocks : public ::testing::Test {
  protected:
    // Creates the block file as the window process would, with the given mode and size.
    void create(const std::string& block, mode_t mode, off_t size) {
        const std::string path = session_.block_file(block);
        const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        ASSERT_EQ(fchmod(fd, mode), 0);
        ASSERT_EQ(ftruncate(fd, size), 0);
        if (size > 0) {
            creator_view_ = static_cast<char*>(mmap(nullptr, static_cast<std::size_t>(size),
                                                    PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
            ASSERT_NE(creator_view_, MAP_FAILED);
            creator_size_ = static_cast<std::size_t>(size);
        }
        close(fd);
    }
    void TearDown() override {
        if (creator_view_ != nullptr) munmap(creator_view_, creator_size_);
    }
    void expect_refused(const char* block, int error) {
        const MappedView view = backend_.open_block(block);
        EXPECT_EQ(view.data, nullptr) << block;
        EXPECT_EQ(view.size, 0u);
        EXPECT_EQ(backend_.last_error(), static_cast<std::uint32_t>(error)) << block;
    }

    PosixTestSession session_;
    PosixPlatform backend_;
    char* creator_view_ = nullptr;
    std::size_t creator_size_ = 0;
};

// What the program maps is the file in the runtime directory, and nothing in /dev/shm.
std::vector<std::string> mapped_files_named(const std::string& part) {
    std::ifstream maps("/proc/self/maps");
    std::vector<std::string> files;
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.find('/');
        if (slash != std::string::npos && line.find(part) != std::string::npos)
            files.push_back(line.substr(slash));
    }
    return files;
}

TEST_F(PosixBlocks, PrivateBlockIsMappedWholeAndSharedFromTheRuntimeDirectory) {
    create("LuWnd1:2", 0600, 2304);
    std::strcpy(creator_view_, "0,1234,7,0,9,9,9a");
    const MappedView view = backend_.open_block("LuWnd1:2");
    ASSERT_NE(view.data, nullptr);
    EXPECT_EQ(view.size, 2304u);
    EXPECT_STREQ(reinterpret_cast<const char*>(view.data), "0,1234,7,0,9,9,9a");
    view.data[2303] = 'z';
    EXPECT_EQ(creator_view_[2303], 'z');
    const std::string file = session_.block_file("LuWnd1:2");
    EXPECT_EQ(mapped_files_named("LuWnd1:2"), (std::vector<std::string>{file, file}))
        << "the test's view and the program's";
    EXPECT_TRUE(backend_.unmap_block(view));
}

TEST_F(PosixBlocks, BlocksOthersMayTouchOrEmptyOnesAreRefused) {
    create("LuWnd1", 0644, 4096);
    expect_refused("LuWnd1", EACCES);
    create("LuWnd3", 0660, 4096);
    expect_refused("LuWnd3", EACCES);
    create("LuWnd2", 0600, 0);
    expect_refused("LuWnd2", EINVAL);
}

// A symbolic link at a block's path is not followed, even to a sound block of ours; a
// FIFO or a directory there is refused without blocking.
TEST_F(PosixBlocks, LinksAndOtherKindsOfFileAreRefused) {
    create("LuWnd1", 0600, 4096);
    const std::string directory = session_.runtime_directory();
    ASSERT_EQ(symlink((directory + "/LuWnd1").c_str(), (directory + "/LuWnd2").c_str()), 0);
    expect_refused("LuWnd2", ELOOP);
    ASSERT_EQ(symlink("/nonexistent", (directory + "/LuWnd4").c_str()), 0);
    expect_refused("LuWnd4", ELOOP);
    ASSERT_EQ(mkfifo((directory + "/LuWnd5").c_str(), 0600), 0);
    expect_refused("LuWnd5", EACCES);
    ASSERT_EQ(mkdir((directory + "/LuWnd6").c_str(), 0700), 0);
    EXPECT_EQ(backend_.open_block("LuWnd6").data, nullptr);
}

// Names that are no block names never reach the file system.
TEST_F(PosixBlocks, OnlyBlockNamesAreLookedUp) {
    create("LuWnd1", 0600, 4096);
    for (const char* name : {"../LuWnd1", "LuWnd1/", "LuWnd", "LuWndx", "token", "", "LuWnd1 "})
        expect_refused(name, EINVAL);
    const std::string directory = session_.runtime_directory();
    EXPECT_EQ(posix::block_path(directory, "LuWnd12:63"), directory + "/LuWnd12:63");
    EXPECT_EQ(posix::block_path(directory, "LuWnd1/.."), "");
}

// A block file of another user is refused, even in our directory; a runtime directory
// that is not private to us is not looked into at all.
TEST_F(PosixBlocks, AnotherUsersFileOrDirectoryIsRefused) {
    create("LuWnd1", 0600, 4096);
    ASSERT_EQ(chmod(session_.runtime_directory().c_str(), 0755), 0);
    expect_refused("LuWnd1", ENOENT);
    ASSERT_EQ(chmod(session_.runtime_directory().c_str(), 0700), 0);
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ASSERT_EQ(chown(session_.block_file("LuWnd1").c_str(), kNobody, kNobody), 0);
    expect_refused("LuWnd1", EACCES);
    ASSERT_EQ(chown(session_.block_file("LuWnd1").c_str(), 0, 0), 0);
    ASSERT_EQ(chown(session_.runtime_directory().c_str(), kNobody, kNobody), 0);
    expect_refused("LuWnd1", ENOENT);
}

// Another user can neither list the runtime directory nor make a file in it.
TEST_F(PosixBlocks, AnotherUserCannotListOrCreateBlocks) {
    if (geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    create("LuWnd1", 0600, 4096);
    const std::string directory = session_.runtime_directory();
    const pid_t child = fork();
    if (child == 0) {
        if (setresgid(kNobody, kNobody, kNobody) != 0 || setresuid(kNobody, kNobody, kNobody) != 0)
            _exit(2);
        const bool listed = opendir(directory.c_str()) != nullptr;
        const int made = open((directory + "/LuWnd2").c_str(), O_CREAT | O_RDWR, 0666);
        const int opened = open((directory + "/LuWnd1").c_str(), O_RDWR);
        _exit(!listed && made < 0 && opened < 0 ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(PosixBlocks, MissingBlockGivesNothingAndTheErrorNumber) {
    expect_refused("LuWnd16", ENOENT);
    session_.make_socket_directory(0700);
    expect_refused("LuWnd16", ENOENT);
    EXPECT_FALSE(backend_.unmap_block(MappedView{}));
}

// The library looks where the window process would make its directory, without making
// anything: a missing directory means no window process, a foreign one is passed over.
TEST(PosixRuntimeDirectory, TheLibraryFindsTheDirectoryTheWindowProcessChooses) {
    PosixTestSession session;
    const std::string base = std::filesystem::path(session.runtime_directory()).parent_path();
    const std::string first = base + "/first", second = base + "/second";
    const std::vector<std::string> places = {first, second};
    EXPECT_EQ(posix::existing_runtime_dir(places), "");
    ASSERT_EQ(mkdir(second.c_str(), 0700), 0);
    EXPECT_EQ(posix::existing_runtime_dir(places), "") << "the window process would make first";
    std::string error;
    EXPECT_EQ(posix::choose_runtime_dir(places, error), first);
    EXPECT_EQ(posix::existing_runtime_dir(places), first);
    ASSERT_EQ(chmod(first.c_str(), 0755), 0);  // as if another user's
    EXPECT_EQ(posix::existing_runtime_dir(places), second);
    EXPECT_EQ(posix::choose_runtime_dir(places, error), second);
}

}  // namespace
}  // namespace lumora::platform
