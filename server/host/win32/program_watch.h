// Watches the program that draws a buffered frame. Commands come as window messages, so
// no connection ends when the program goes away: a program that crashes, or ends without
// quitting, inside a frame would leave its window showing the frame before for good. The
// watch posts a message to the command window when the process it watches ends.
#pragma once

#include <windows.h>

#include <cstdint>

namespace luwnd::win32 {

class ProgramWatch {
  public:
    // The message the command window gets, with the process number as wparam.
    static constexpr UINT kEnded = WM_APP + 1;

    explicit ProgramWatch(HWND notify) : notify_(notify) {}
    ~ProgramWatch();
    ProgramWatch(const ProgramWatch&) = delete;
    ProgramWatch& operator=(const ProgramWatch&) = delete;

    // Watches this process from now on, in place of the one before; a number that names
    // no process that can be watched leaves nothing watched.
    void watch(std::int32_t process);
    // Whether the process is the one watched (a message about one watched before is
    // stale once another program began a frame).
    bool watching(std::int32_t process) const { return process != 0 && process == process_; }

  private:
    static void CALLBACK ended(PVOID context, BOOLEAN timed_out);
    void stop();

    HWND notify_;
    std::int32_t process_ = 0;
    HANDLE handle_ = nullptr;  // the process
    HANDLE wait_ = nullptr;    // the registered wait on it
};

}  // namespace luwnd::win32
