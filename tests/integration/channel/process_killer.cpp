#include "process_killer.h"

#ifdef _WIN32
#include <windows.h>

void kill_window_process(lumora::platform::WindowHandle handle) {
    DWORD pid = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(handle), &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return;
    TerminateProcess(process, 137);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}
#else
#include <signal.h>

#include <cstdio>

#include <chrono>
#include <thread>

void kill_window_process(lumora::platform::WindowHandle handle) {
    const auto pid = static_cast<pid_t>(handle);
    // 0 or -1 would signal the process group or every process the user may signal.
    if (pid <= 1) {
        std::fprintf(stderr, "no window process to kill (pid %d)\n", static_cast<int>(pid));
        return;
    }
    ::kill(pid, SIGKILL);
    // It is not our child, so it stays in the process table until the test reaps it;
    // a moment is enough for the kernel to close its socket.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}
#endif
