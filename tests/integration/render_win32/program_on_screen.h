// A real program drawing in a real luwnd.exe window on the screen: its input a pipe the
// test holds, its window process's trace and pictures in a folder of the test's own.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "../support/child_process.h"
#include "screen_capture.h"

namespace lumora::test {

// The program's input: a pipe whose writing end the test holds. The program waits for a
// line on it, and for its end.
class InputPipe {
  public:
    explicit InputPipe(const std::string& name)
        : name_("\\\\.\\pipe\\" + name),
          pipe_(CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                 64, 64, 0, nullptr)) {}
    ~InputPipe() { close(); }
    InputPipe(const InputPipe&) = delete;
    InputPipe& operator=(const InputPipe&) = delete;

    bool made() const { return pipe_ != INVALID_HANDLE_VALUE; }
    // The name the program opens as its input.
    const std::string& name() const { return name_; }
    bool send_line() {
        // The program has opened the pipe already: it was its input from the start.
        if (!ConnectNamedPipe(pipe_, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
            return false;
        DWORD written = 0;
        return WriteFile(pipe_, "\n", 1, &written, nullptr) && written == 1;
    }
    void close() {
        if (made()) CloseHandle(pipe_);
        pipe_ = INVALID_HANDLE_VALUE;
    }

  private:
    std::string name_;
    HANDLE pipe_;
};

class ProgramScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ("pr" + std::to_string(GetCurrentProcessId()) + name).substr(0, 30);
        output_ = temp_path("pr-" + name);
        // Wine gives process ids again: a run before may have left the directory.
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        std::remove(trace_path().c_str());
        set_environment("LUMORA_NAMESPACE", ns_.c_str());
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", output_.c_str());
        set_environment("LUMORA_TRACE", trace_path().c_str());
        ASSERT_TRUE(graphics_windows(0).empty()) << "a window of an earlier test is left";
    }
    void TearDown() override {
        for (HWND left : graphics_windows(0)) close_and_wait(left);
        set_environment("LUMORA_TRACE", nullptr);
        std::remove(trace_path().c_str());
        RemoveDirectoryA(output_.c_str());
    }
    std::string trace_path() const { return output_ + "\\trace.txt"; }
    // Starts the program with the pipe as its input; its window, moved to the top left
    // corner (where it stays on the screen when it grows), or nullptr (a failure noted).
    static HWND start_program(const char* path, const InputPipe& input, ChildProcess& program) {
        EXPECT_TRUE(input.made());
        ChildOptions options;
        options.argv = {native_path(path)};
        options.stdin_file = input.name();
        if (!input.made() || !program.start(options)) {
            ADD_FAILURE() << "cannot start " << path;
            return nullptr;
        }
        const HWND window = wait_for_graphics_window(0);
        if (window == nullptr) {
            ADD_FAILURE() << "no window on the screen";
            return nullptr;
        }
        EXPECT_TRUE(
            SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        return window;
    }
    // Closes the window as the user does and waits for the window process to end (it
    // holds the trace open until then); its exit status, 99 when it did not end.
    static DWORD close_and_wait(HWND window) {
        DWORD owner = 0, code = 99;
        GetWindowThreadProcessId(window, &owner);
        HANDLE luwnd = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner);
        if (luwnd == nullptr) return code;
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(luwnd, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(luwnd, &code);
        CloseHandle(luwnd);
        return code;
    }

    // Waits for a trace line holding every part.
    bool wait_for_trace_line(const std::vector<std::string>& parts) const {
        return wait_until([&] {
            std::istringstream lines(read_text_file(trace_path()));
            for (std::string line; std::getline(lines, line);) {
                bool all = true;
                for (const std::string& part : parts) all = all && line.find(part) != line.npos;
                if (all) return true;
            }
            return false;
        });
    }
    // Captures the window until what it shows satisfies the test; the last capture
    // either way.
    template <typename Shows>
    static ScreenImage wait_for_image(HWND window, const Shows& shows) {
        ScreenImage image;
        wait_until([&] {
            image = capture_client(window);
            return shows(image);
        });
        return image;
    }

    std::string ns_, output_;
};

}  // namespace lumora::test
