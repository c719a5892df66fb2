#include "program_watch.h"

namespace luwnd::win32 {

ProgramWatch::~ProgramWatch() {
    stop();
}

void ProgramWatch::watch(std::int32_t process) {
    if (process == process_ && wait_ != nullptr) return;
    stop();
    if (process <= 0 || static_cast<DWORD>(process) == GetCurrentProcessId()) return;
    handle_ = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
    if (handle_ == nullptr) return;
    // Set before the wait: the callback reads it on a pool thread, and nothing changes it
    // until stop() has waited for the callback.
    process_ = process;
    if (!RegisterWaitForSingleObject(&wait_, handle_, ended, this, INFINITE, WT_EXECUTEONLYONCE)) {
        wait_ = nullptr;
        stop();
    }
}

void ProgramWatch::stop() {
    // Waits for a callback under way, so that none runs once the watch is gone.
    if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
    if (handle_ != nullptr) CloseHandle(handle_);
    wait_ = handle_ = nullptr;
    process_ = 0;
}

void CALLBACK ProgramWatch::ended(PVOID context, BOOLEAN) {
    const auto* self = static_cast<const ProgramWatch*>(context);
    PostMessageA(self->notify_, kEnded, static_cast<WPARAM>(self->process_), 0);
}

}  // namespace luwnd::win32
