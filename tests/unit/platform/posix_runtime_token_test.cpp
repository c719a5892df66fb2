// The token of the block names: made once, kept while sound, and replaced whole when the
// file in its place is anything but a private token file of ours.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_token.h"
#include "posix_test_session.h"

namespace lumora::platform {
namespace {

class PosixRuntimeToken : public ::testing::Test {
  protected:
    void SetUp() override { directory_ = session_.make_socket_directory(0700); }
    std::string file() const { return posix::token_path(directory_); }
    std::string make() {
        std::string token, error;
        EXPECT_TRUE(posix::read_or_create_token(directory_, token, error)) << error;
        return token;
    }
    // The token file is a private regular file holding the token, and nothing is left
    // aside.
    void expect_sound_file(const std::string& token) const {
        struct stat info {};
        ASSERT_EQ(lstat(file().c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        EXPECT_EQ(info.st_uid, geteuid());
        std::string read_back;
        EXPECT_TRUE(posix::read_token(directory_, read_back));
        EXPECT_EQ(read_back, token);
        int entries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
            (void)entry;
            ++entries;
        }
        EXPECT_EQ(entries, 1);
    }
    void write_file(const std::string& text, mode_t mode) const {
        std::ofstream(file()) << text;
        chmod(file().c_str(), mode);
    }

    PosixTestSession session_;
    std::string directory_;
};

TEST_F(PosixRuntimeToken, IsMadeOnceFromRandomBitsAndThenKept) {
    const std::string token = make();
    EXPECT_EQ(token.size(), 32u);
    EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos);
    expect_sound_file(token);
    EXPECT_EQ(make(), token);
    std::filesystem::remove(file());
    EXPECT_NE(make(), token) << "a new token is not random";
}

TEST_F(PosixRuntimeToken, BadContentOrAWrongModeIsReplaced) {
    const std::string good(32, 'a');
    for (const std::string& text :
         {std::string(31, 'a'), std::string(33, 'a'), std::string(32, 'A'), std::string(),
          good + "\n\n", std::string(31, 'a') + "g"}) {
        std::filesystem::remove(file());
        write_file(text, 0600);
        std::string token;
        EXPECT_FALSE(posix::read_token(directory_, token)) << '"' << text << '"';
        const std::string made = make();
        EXPECT_NE(made, good);
        expect_sound_file(made);
    }
    std::filesystem::remove(file());
    write_file(good + "\n", 0600);
    EXPECT_EQ(make(), good);
    for (mode_t mode : {0644, 0640, 0700, 0400}) {
        write_file(good, mode);
        std::string token;
        EXPECT_FALSE(posix::read_token(directory_, token)) << std::oct << mode;
        const std::string made = make();
        EXPECT_NE(made, good);
        expect_sound_file(made);
        std::filesystem::remove(file());
    }
}

// A symbolic link is never followed, neither to read a token nor to write one.
TEST_F(PosixRuntimeToken, ASymbolicLinkInItsPlaceIsReplacedNotFollowed) {
    const std::string target = directory_ + "-target";
    std::ofstream(target) << std::string(32, 'b');
    chmod(target.c_str(), 0600);
    ASSERT_EQ(symlink(target.c_str(), file().c_str()), 0);
    std::string token;
    EXPECT_FALSE(posix::read_token(directory_, token));
    const std::string made = make();
    EXPECT_NE(made, std::string(32, 'b'));
    expect_sound_file(made);
    std::ifstream kept(target);
    std::string untouched;
    kept >> untouched;
    EXPECT_EQ(untouched, std::string(32, 'b'));
    std::filesystem::remove(target);
}

// Nor is anything that is not a regular file of ours: a FIFO must not block the reader.
TEST_F(PosixRuntimeToken, AFifoOrAnotherUsersFileIsReplaced) {
    ASSERT_EQ(mkfifo(file().c_str(), 0600), 0);
    expect_sound_file(make());
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    const std::string good(32, 'c');
    std::filesystem::remove(file());
    write_file(good, 0600);
    ASSERT_EQ(chown(file().c_str(), 65534, 65534), 0);
    const std::string made = make();
    EXPECT_NE(made, good);
    expect_sound_file(made);
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
    EXPECT_EQ(posix::session_block_name(session.name_space(), "LuWnd1"), "") << "no token yet";
}

// The library names a block as the window process does, from the same token.
TEST(PosixRuntimeDirectory, BothSidesNameABlockAlike) {
    PosixTestSession session;
    EXPECT_EQ(posix::session_block_name(session.name_space(), "LuWnd3:2"), "");
    const std::string name = session.object_name("LuWnd3:2");  // makes the token
    EXPECT_EQ(posix::session_block_name(session.name_space(), "LuWnd3:2"), name);
    std::string token;
    ASSERT_TRUE(posix::read_token(session.runtime_directory(), token));
    EXPECT_NE(name.find(token), std::string::npos);
}

}  // namespace
}  // namespace lumora::platform
