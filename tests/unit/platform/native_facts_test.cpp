// What the native backend tells about the program's surroundings, with the conventions
// the client relies on: sizes with and without the NUL, cut names, file reads by offset.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "client/platform/platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>

#include "client/platform/posix/process_facts.h"
#endif

namespace lumora::platform {
namespace {

namespace fs = std::filesystem;

void set_variable(const char* name, const char* value) {
#ifdef _WIN32
    SetEnvironmentVariableA(name, value);
#else
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

Platform& os() {
    return native();
}

TEST(NativeFacts, EnvironmentSizesFollowTheWindowsConvention) {
    set_variable("LUMORA_FACTS_TEST", "abc");
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(os().get_environment("LUMORA_FACTS_TEST", nullptr, 0), 4u);
    EXPECT_EQ(os().get_environment("LUMORA_FACTS_TEST", buffer, 3), 4u);
    EXPECT_EQ(os().get_environment("LUMORA_FACTS_TEST", buffer, 4), 3u);
    EXPECT_STREQ(buffer, "abc");
    set_variable("LUMORA_FACTS_TEST", nullptr);
    EXPECT_EQ(os().get_environment("LUMORA_FACTS_TEST", buffer, sizeof buffer), 0u);
}

// Only a file the user may run counts: a directory, or on POSIX a file without execute
// permission, of the program's name must not hide the real program further on.
TEST(NativeFacts, OnlyRunnableRegularFilesArePrograms) {
    const fs::path file = fs::temp_directory_path() / "lumora-facts-program";
    const fs::path directory = fs::temp_directory_path() / "lumora-facts-directory";
    std::ofstream(file) << "x";
    fs::create_directory(directory);
    fs::permissions(directory, fs::perms::owner_all);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
#ifdef _WIN32
    EXPECT_TRUE(os().is_program_file(file.string().c_str()));
#else
    EXPECT_FALSE(os().is_program_file(file.string().c_str()));
#endif
    fs::permissions(file, fs::perms::owner_all);
    EXPECT_TRUE(os().is_program_file(file.string().c_str()));
    EXPECT_FALSE(os().is_program_file(directory.string().c_str()));
    fs::remove(file);
    fs::remove(directory);
    EXPECT_FALSE(os().is_program_file(file.string().c_str()));
    EXPECT_FALSE(os().is_program_file(directory.string().c_str()));
}

TEST(NativeFacts, ModuleFileNameIsCutToTheBuffer) {
    char name[1024];
    const std::uint32_t length = os().module_file_name(name, sizeof name);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, std::strlen(name));
    EXPECT_NE(std::string(name).find("platform_tests"), std::string::npos) << name;
    EXPECT_TRUE(fs::path(name).is_absolute());

    char cut[6];
    EXPECT_EQ(os().module_file_name(cut, sizeof cut), 6u);
    EXPECT_EQ(std::string(cut), std::string(name, 5));
}

TEST(NativeFacts, CurrentDirectoryAndCommandLine) {
    char directory[1024];
    const std::uint32_t length = os().current_directory(directory, sizeof directory);
    EXPECT_EQ(std::string(directory), fs::current_path().string());
    EXPECT_EQ(length, std::strlen(directory));
    EXPECT_EQ(os().current_directory(directory, length), length + 1);
    EXPECT_NE(std::string(os().command_line()).find("platform_tests"), std::string::npos)
        << os().command_line();
}

TEST(NativeFacts, CodePageLeavesTheProgramLocaleAlone) {
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    const int code_page = os().ansi_code_page();
    EXPECT_GT(code_page, 0);
    EXPECT_EQ(std::string(std::setlocale(LC_CTYPE, nullptr)), before);
}

TEST(NativeFacts, FilesAreReadFromAbsoluteOffsets) {
    const fs::path path = fs::temp_directory_path() / "lumora-facts-read";
    std::ofstream(path, std::ios::binary) << "0123456789";
    const FileHandle file = os().open_file(path.string().c_str());
    ASSERT_NE(file, kNoFile);
    char buffer[16] = {};
    std::uint32_t got = 99;
    ASSERT_TRUE(os().seek_file(file, 4));
    ASSERT_TRUE(os().read_file(file, buffer, 10, got));
    EXPECT_EQ(got, 6u);
    EXPECT_STREQ(buffer, "456789");
    ASSERT_TRUE(os().seek_file(file, 1000));
    ASSERT_TRUE(os().read_file(file, buffer, 4, got));
    EXPECT_EQ(got, 0u);
    EXPECT_FALSE(os().seek_file(file, -8));
    EXPECT_NE(os().last_error(), 0u);
    os().close_file(file);
    fs::remove(path);
    EXPECT_EQ(os().open_file(path.string().c_str()), kNoFile);
    EXPECT_EQ(os().last_error(), 2u);  // ENOENT and ERROR_FILE_NOT_FOUND alike
}

TEST(NativeFacts, SystemColoursOfTheClassicScheme) {
    EXPECT_EQ(os().system_colour(5), 0xFFFFFFu);  // window background
    EXPECT_EQ(os().system_colour(8), 0x000000u);  // window text
    EXPECT_EQ(os().system_colour(-1), 0u);
    EXPECT_EQ(os().system_colour(21), 0u);
#ifndef _WIN32
    EXPECT_EQ(os().system_colour(1), 0x808000u);   // desktop
    EXPECT_EQ(os().system_colour(13), 0x800000u);  // highlight
    EXPECT_EQ(os().system_colour(20), 0xFFFFFFu);  // button highlight
#endif
}

#ifdef _WIN32

TEST(NativeFacts, ScreenSizeComesFromTheScreen) {
    int width = 0, height = 0;
    ASSERT_TRUE(os().screen_size(width, height));
    EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
}

#else

TEST(NativeFacts, NoDisplayNoScreen) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    int width = -5, height = -5;
    EXPECT_FALSE(os().screen_size(width, height));
    EXPECT_EQ(width, -5);
    if (display != nullptr) setenv("DISPLAY", saved.c_str(), 1);
}

TEST(NativeFacts, ShiftJisCodesetNames) {
    for (const char* name : {"SHIFT_JIS", "Shift-JIS", "sjis", "CP932", "WINDOWS-31J"})
        EXPECT_TRUE(posix::is_shift_jis_codeset(name)) << name;
    for (const char* name : {"UTF-8", "EUC-JP", "ANSI_X3.4-1968", "", "SJIS2"})
        EXPECT_FALSE(posix::is_shift_jis_codeset(name)) << name;
    EXPECT_FALSE(posix::is_shift_jis_codeset(nullptr));
}

TEST(NativeFacts, ACLocaleIsNotJapanese) {
    const char* saved = std::getenv("LC_ALL");
    const std::string value = saved != nullptr ? saved : "";
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(os().ansi_code_page(), 1252);
    if (saved != nullptr) {
        setenv("LC_ALL", value.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

#endif

}  // namespace
}  // namespace lumora::platform
