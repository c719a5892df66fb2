// The folder beside the library where the window program is installed: only for the
// shared library, and only when it lives in a lib folder.
#include <gtest/gtest.h>

#include "client/platform/posix/library_location.h"
#include "client/platform/posix/posix_platform.h"

namespace lumora::platform {
namespace {

TEST(PosixLibraryLocation, TheBinFolderBesideALibFolder) {
    EXPECT_EQ(posix::programs_beside("/usr/local/lib/liblumora.so.1"), "/usr/local/bin");
    EXPECT_EQ(posix::programs_beside("/home/u/lumora/lib64/liblumora.so"), "/home/u/lumora/bin");
    EXPECT_EQ(posix::programs_beside("/usr/lib/x86_64-linux-gnu/liblumora.so.0.99.9"), "/usr/bin");
    EXPECT_EQ(posix::programs_beside("/lib/liblumora.so"), "/bin");
}

TEST(PosixLibraryLocation, NoFolderForOtherFilesOrFolders) {
    EXPECT_EQ(posix::programs_beside("/home/u/build/client/liblumora.so"), "");
    EXPECT_EQ(posix::programs_beside("/home/u/lib/plots/liblumora.so"), "");
    EXPECT_EQ(posix::programs_beside("/usr/lib/fourier"), "");  // a program: the static library
    EXPECT_EQ(posix::programs_beside("/usr/lib/liblumora.sox"), "");
    EXPECT_EQ(posix::programs_beside("lib/liblumora.so"), "");
    EXPECT_EQ(posix::programs_beside("/liblumora.so"), "");
    EXPECT_EQ(posix::programs_beside(""), "");
}

// These tests have the library linked in: there is no folder beside it.
TEST(PosixLibraryLocation, ALibraryLinkedIntoTheProgramHasNone) {
    PosixPlatform backend;
    char directory[260] = "x";
    EXPECT_EQ(backend.installed_program_directory(directory, sizeof directory), 0u);
    EXPECT_EQ(posix::programs_beside_library(), "");
}

}  // namespace
}  // namespace lumora::platform
