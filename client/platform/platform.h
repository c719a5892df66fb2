// The one door between the client and the operating system.
//
// Everything above this layer is portable C++. Each operation is named after what the
// client needs, not after one operating system's call. There is one instance per process:
// the native backend by default, a fake one in the unit tests.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora::platform {

// Handle of the window process's command endpoint, as published in its header line:
// an HWND on Windows, the process id on POSIX.
using WindowHandle = std::intptr_t;

// A view of a named shared block. size is the number of bytes that may be touched.
struct MappedView {
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// Message box styles and answers, with the values of the Win32 constants.
inline constexpr std::uint32_t kBoxWarning = 0x40012;  // MB_TOPMOST|MB_ICONHAND|MB_ABORTRETRYIGNORE
inline constexpr std::uint32_t kBoxError = 0x40010;    // MB_TOPMOST|MB_ICONHAND|MB_OK
inline constexpr int kAnswerAbort = 3;                 // IDABORT

class Platform {
  public:
    virtual ~Platform() = default;

    // Opens the named block for writing and maps all of it; {nullptr, 0} on failure.
    virtual MappedView open_block(const char* name) = 0;
    // Unmaps a view obtained from open_block; false on failure (see last_error).
    virtual bool unmap_block(const MappedView& view) = 0;
    // The operating system's error number of the last failed call.
    virtual std::uint32_t last_error() = 0;

    // True while the window process behind the handle is there to take commands.
    virtual bool is_window_alive(WindowHandle handle) = 0;
    // Delivers one command synchronously; returns the window process's 32-bit result.
    virtual std::int32_t deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                         std::uint32_t length) = 0;

    // Shows a modal message box with no owner and no caption; returns the answer (0 on failure).
    virtual int message_box(const char* text, std::uint32_t style) = 0;
    // Writes the text and a line end to the error stream.
    virtual void write_error_line(const char* text) = 0;
    // Writes text to standard output and flushes it.
    virtual void write_output(const char* text) = 0;
    // Reads one character from standard input (EOF gives -1).
    virtual int read_input_char() = 0;

    // Nonzero when a key is waiting at the console.
    virtual int poll_key() = 0;
    // Reads one key without waiting for Enter, echoing it when echo is true.
    virtual int read_key(bool echo) = 0;

    // Ends the program with the status. The fake throws instead, so tests can watch it.
    [[noreturn]] virtual void exit_program(int status) = 0;
};

// The instance in use: the native backend unless a test installed another.
Platform& current();
// Installs a replacement (tests); nullptr goes back to the native backend.
void install(Platform* replacement);
// The native backend of this build (win32 or posix).
Platform& native();

}  // namespace lumora::platform
