// POSIX shared blocks: mapped whole when private to this user, refused otherwise.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "client/platform/posix/posix_platform.h"
#include "posix_test_session.h"

namespace lumora::platform {
namespace {

class PosixBlocks : public ::testing::Test {
  protected:
    // Creates the object as the window process would, with the given mode and size.
    void create(const std::string& block, mode_t mode, off_t size) {
        const std::string name = session_.object_name(block);
        const int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        names_.push_back(name);
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
        for (const auto& name : names_) shm_unlink(name.c_str());
    }

    PosixTestSession session_;
    PosixPlatform backend_;
    std::vector<std::string> names_;
    char* creator_view_ = nullptr;
    std::size_t creator_size_ = 0;
};

TEST_F(PosixBlocks, PrivateBlockIsMappedWholeAndShared) {
    create("LuWnd1:2", 0600, 2304);
    std::strcpy(creator_view_, "0,1234,7,0,9,9,9a");
    const MappedView view = backend_.open_block("LuWnd1:2");
    ASSERT_NE(view.data, nullptr);
    EXPECT_EQ(view.size, 2304u);
    EXPECT_STREQ(reinterpret_cast<const char*>(view.data), "0,1234,7,0,9,9,9a");
    view.data[2303] = 'z';
    EXPECT_EQ(creator_view_[2303], 'z');
    EXPECT_TRUE(backend_.unmap_block(view));
}

TEST_F(PosixBlocks, BlocksOthersMayTouchOrEmptyOnesAreRefused) {
    create("LuWnd1", 0644, 4096);
    const MappedView open_to_others = backend_.open_block("LuWnd1");
    EXPECT_EQ(open_to_others.data, nullptr);
    EXPECT_EQ(open_to_others.size, 0u);
    EXPECT_EQ(backend_.last_error(), static_cast<std::uint32_t>(EACCES));

    create("LuWnd2", 0600, 0);
    EXPECT_EQ(backend_.open_block("LuWnd2").data, nullptr);
    EXPECT_EQ(backend_.last_error(), static_cast<std::uint32_t>(EINVAL));
}

TEST_F(PosixBlocks, MissingBlockGivesNothingAndTheErrorNumber) {
    const MappedView view = backend_.open_block("LuWnd16");
    EXPECT_EQ(view.data, nullptr);
    EXPECT_EQ(view.size, 0u);
    EXPECT_EQ(backend_.last_error(), static_cast<std::uint32_t>(ENOENT));
    EXPECT_FALSE(backend_.unmap_block(MappedView{}));
}

}  // namespace
}  // namespace lumora::platform
