// Starts the real luwnd.exe in its own namespace and talks to it the way the client's
// Win32 backend does: file mappings and WM_COPYDATA.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"

namespace {

namespace layout = lumora::layout;

class LuwndWin32Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "lw" + std::to_string(GetCurrentProcessId());
        SetEnvironmentVariableA("LUMORA_NAMESPACE", ns_.c_str());
        std::string command = std::string("\"") + LUWND_PATH + "\" /t /B";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process_))
            << "cannot start " << LUWND_PATH << " error " << GetLastError();
        CloseHandle(process_.hThread);
        WaitForInputIdle(process_.hProcess, 60000);
    }
    void TearDown() override {
        if (view_ != nullptr) UnmapViewOfFile(view_);
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 2);
            CloseHandle(process_.hProcess);
        }
    }

    // Maps the process block, retrying while the new process is still starting.
    std::string header() {
        std::string name = ns_ + ".LuWnd1";
        for (int i = 0; i < 200 && view_ == nullptr; ++i) {
            HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, TRUE, name.c_str());
            if (mapping != nullptr) {
                view_ = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
                CloseHandle(mapping);
            } else {
                Sleep(50);
            }
        }
        return view_ == nullptr ? std::string() : std::string(view_);
    }

    std::int32_t send(HWND window, const std::vector<std::uint8_t>& bytes) {
        COPYDATASTRUCT record{};
        record.dwData = 1;
        record.cbData = static_cast<DWORD>(bytes.size());
        record.lpData = const_cast<std::uint8_t*>(bytes.data());
        return static_cast<std::int32_t>(
            SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)));
    }
    std::int32_t send_text(HWND window, const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return send(window, bytes);
    }

    std::string ns_;
    PROCESS_INFORMATION process_{};
    char* view_ = nullptr;
};

TEST_F(LuwndWin32Test, PublishesAnswersOverCopyDataAndEndsAfterQuit) {
    std::string text = header();
    int state = -1, handle = 0, id = 0;
    char version[64] = {};
    ASSERT_EQ(std::sscanf(text.c_str(), "%d,%d,%d,%63[^\n]", &state, &handle, &id, version), 4)
        << text;
    EXPECT_EQ(state, 0);
    EXPECT_STREQ(version, "0,9,9,9a");
    HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
    ASSERT_TRUE(IsWindow(window));

    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    EXPECT_EQ(send(window, probe), 224);
    EXPECT_EQ(send_text(window, "K," + std::to_string(id) + ",C:\\;prog;Version  0.99.9a"), id);
    EXPECT_EQ(view_[0], '1');
    EXPECT_EQ(send_text(window, "I,0,0,0,-1,-1,-1,Plot"), 1);
    EXPECT_STREQ(view_, "1,Plot");
    HANDLE block = OpenFileMappingA(FILE_MAP_WRITE, TRUE, (ns_ + ".LuWnd1:1").c_str());
    EXPECT_NE(block, nullptr);
    if (block != nullptr) CloseHandle(block);
    EXPECT_EQ(send_text(window, "L,1,"), 1);

    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

}  // namespace
