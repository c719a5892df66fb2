// Starts the real luwnd.exe without a display, draws through the raw protocol
// (file mappings and WM_COPYDATA), and reads back the PNG files it writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../support/child_process.h"
#include "client/channel/block_layout.h"
#include "../support/png_reader.h"

namespace lumora::test {
namespace {

namespace layout = lumora::layout;

class LuwndGdiPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "gp" + std::to_string(GetCurrentProcessId()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 30);
        output_ = temp_path(ns_);
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr));
        set_environment("LUMORA_NAMESPACE", ns_.c_str());
        set_environment("LUMORA_OUTPUT", output_.c_str());
        std::string command = "\"" + native_path(LUWND_PATH) + "\" /s300,200";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process_))
            << "cannot start " << LUWND_PATH;
        CloseHandle(process_.hThread);
        WaitForInputIdle(process_.hProcess, 60000);
        connect();
    }
    void TearDown() override {
        if (block_ != nullptr) UnmapViewOfFile(block_);
        if (header_ != nullptr) UnmapViewOfFile(header_);
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 2);
            CloseHandle(process_.hProcess);
        }
        std::remove(picture().c_str());
        RemoveDirectoryA(output_.c_str());
    }

    static char* map(const std::string& name) {
        for (int i = 0; i < 200; ++i) {
            HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
            if (mapping != nullptr) {
                void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
                CloseHandle(mapping);
                return static_cast<char*>(view);
            }
            Sleep(50);
        }
        return nullptr;
    }
    void connect() {
        header_ = map(ns_ + ".LuWnd1");
        ASSERT_NE(header_, nullptr);
        int state = -1, handle = 0, id = 0;
        ASSERT_EQ(std::sscanf(header_, "%d,%d,%d", &state, &handle, &id), 3) << header_;
        window_ = reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
        ASSERT_EQ(text("K," + std::to_string(id) + ",C:\\;prog;banner"), id);
        ASSERT_EQ(text("I,0,0,0,-1,-1,-1,Picture"), 1);
        block_ = reinterpret_cast<std::uint8_t*>(map(ns_ + ".LuWnd1:1"));
        ASSERT_NE(block_, nullptr);
    }

    std::int32_t send(const std::vector<std::uint8_t>& bytes) {
        COPYDATASTRUCT record{};
        record.dwData = 1;
        record.cbData = static_cast<DWORD>(bytes.size());
        record.lpData = const_cast<std::uint8_t*>(bytes.data());
        return static_cast<std::int32_t>(
            SendMessageA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)));
    }
    std::int32_t text(const std::string& command) {
        std::vector<std::uint8_t> bytes(command.begin(), command.end());
        bytes.push_back(0);
        return send(bytes);
    }
    void words(std::size_t offset, const std::vector<std::int32_t>& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(block_, offset + 4 * i, values[i]);
    }
    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
        words(layout::kParam1, {p1, p2, p3});
        return send({static_cast<std::uint8_t>(letter), 1 + 32, 0});
    }
    // 'L', then the process must end by itself with its pictures written.
    void quit() {
        ASSERT_EQ(text("L,1,"), 1);
        ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0)
            << "luwnd did not end";
        DWORD code = 99;
        GetExitCodeProcess(process_.hProcess, &code);
        EXPECT_EQ(code, 0u);
    }
    std::string picture() const { return output_ + "\\luwnd-1-1.png"; }

    std::string ns_, output_;
    PROCESS_INFORMATION process_{};
    char* header_ = nullptr;
    std::uint8_t* block_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(LuwndGdiPictureTest, QuitWritesTheWindowAsPng) {
    words(layout::kPenStyle, {0, 1, 2, 0});  // red pen
    words(layout::kChanged, {0xF});
    ASSERT_EQ(slot('A', 6), 1);
    ASSERT_EQ(slot('A', 11, 10, 50), 1);
    ASSERT_EQ(slot('A', 20, 290, 50), 1);
    words(layout::kResult1, {100, 100, 200, 150});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    words(layout::kFontAngle, {0, 24, 0, 0, 0});
    ASSERT_EQ(slot('A', 9, 1), 1);
    std::memcpy(block_ + layout::kText, "Lumora", 7);
    ASSERT_EQ(slot('A', 15, 10, 160), 1);
    EXPECT_EQ(GetFileAttributesA(picture().c_str()), INVALID_FILE_ATTRIBUTES);
    quit();

    PngImage image = read_png(picture());
    ASSERT_TRUE(image.loaded()) << picture();
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.height, 200);
    EXPECT_EQ(image.at(5, 5), 0xFFFFFFu);
    EXPECT_EQ(image.at(150, 50), 0xFF0000u);
    EXPECT_EQ(image.at(150, 51), 0xFFFFFFu);
    EXPECT_EQ(image.at(150, 125), 0x0000FFu);
    EXPECT_EQ(image.at(200, 125), 0xFFFFFFu);
    int dark = 0;
    for (int y = 160; y < 190; ++y)
        for (int x = 10; x < 100; ++x) dark += image.at(x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 30);
}

TEST_F(LuwndGdiPictureTest, AClosedWindowIsWrittenWhenItCloses) {
    words(layout::kResult1, {0, 0, 300, 200});
    ASSERT_EQ(slot('A', 22, 13), 1);  // the whole page in olive
    ASSERT_EQ(send({'J', 1 + 32, 0}), 0);
    PngImage image = read_png(picture());
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.at(150, 100), 0x808000u);
    quit();
}

}  // namespace
}  // namespace lumora::test
