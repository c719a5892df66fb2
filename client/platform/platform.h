// The one door between the client and the operating system.
//
// Everything above this layer is portable C++. Each operation is named after what the
// client needs, not after one operating system's call. There is one instance per process:
// the native backend by default, a fake one in the unit tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "conventions.h"

namespace lumora::platform {

// Handle of the window process's command endpoint, as published in its header line:
// an HWND on Windows, the process id on POSIX.
using WindowHandle = std::intptr_t;

// A view of a named shared block. size is the number of bytes that may be touched.
struct MappedView {
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// An open file for reading, and the value that means none.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// What one delivery brought back. answered is false when no answer came: the window
// process had gone, or hung up while it had the command. result is then 0, what
// SendMessageA gives for a window that has gone.
struct Reply {
    std::int32_t result = 0;
    bool answered = false;
};

// What became of a command offered for posting (see Platform::post_slot_command).
enum class Posting { kDeliver, kPosted, kGone };

// Yields the full path of the window program. The launch calls it at the moment it starts
// the program, so that locating and starting happen together.
using ProgramLocator = const char* (*)();
// The longest wait for a started window program to become ready for input.
inline constexpr int kLaunchWaitMs = 60000;

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
    // Delivers one command synchronously and waits for the window process's 32-bit
    // result; any value is a result, 0x80000000 included, as long as it was answered.
    virtual Reply deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                  std::uint32_t length) = 0;
    // Posts a slot command (its letter and window character, its three slots) whose answer
    // is its window's number, without waiting for that answer, where the channel can:
    // kPosted then, kDeliver when the caller must deliver it, kGone when the window process
    // has gone. The command's slots must be in the block as for a delivery.
    virtual Posting post_slot_command(WindowHandle, const std::uint8_t (&)[2],
                                      const std::int32_t (&)[3]) {
        return Posting::kDeliver;
    }

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
    // Sleeps about ms milliseconds, so that a program waiting for news of the window
    // process asks again without keeping a core busy.
    virtual void pause(int ms) = 0;

    // The program's environment, with the conventions of GetEnvironmentVariableA: the
    // length without the NUL when the value fits into size bytes, the size it needs (NUL
    // included) when it does not, 0 when the variable is absent.
    virtual std::uint32_t get_environment(const char* name, char* buffer, std::uint32_t size) = 0;
    // True when the path names a regular file that this user may run: a directory or a
    // file without execute permission of that name does not hide the real program.
    virtual bool is_program_file(const char* path) = 0;
    // The full file name of the running program: its length when it fits, size when it was
    // cut to size - 1 characters, 0 on failure. The buffer always ends with a NUL.
    virtual std::uint32_t module_file_name(char* buffer, std::uint32_t size) = 0;
    // How the window program is looked for on this system.
    virtual const SearchConventions& search_conventions() { return kNativeSearch; }
    // Where the window program is installed beside this library, found from where the
    // library itself is: the bin folder next to the lib folder that holds it as a shared
    // library. The length conventions of get_environment; 0 when there is none (a library
    // linked into the program, one outside a lib folder, and on Windows).
    virtual std::uint32_t installed_program_directory(char* buffer, std::uint32_t size) = 0;
    // The ANSI code page the messages are shown in: 932 (Shift-JIS) or another one.
    virtual int ansi_code_page() = 0;
    // The program's command line as one text.
    virtual const char* command_line() = 0;
    // This program's process number, for the window process to watch; 0 when unknown.
    virtual std::uint32_t process_id() { return 0; }
    // The current directory, with the length conventions of get_environment.
    virtual std::uint32_t current_directory(char* buffer, std::uint32_t size) = 0;

    // Opens an existing file for reading (others may read it too); kNoFile on failure.
    virtual FileHandle open_file(const char* path) = 0;
    // Moves to an absolute offset from the start of the file; false on failure.
    virtual bool seek_file(FileHandle file, std::int32_t offset) = 0;
    // Reads up to count bytes and stores how many it read (fewer only at the end of the
    // file); false on failure.
    virtual bool read_file(FileHandle file, void* buffer, std::uint32_t count,
                           std::uint32_t& bytes_read) = 0;
    virtual void close_file(FileHandle file) = 0;

    // Starts the window program that locate yields with the option text, and waits at most
    // 60000 ms until it is ready for input. Returns 0; whether it runs is for the caller
    // to find out.
    virtual int launch_window_process(const char* options, ProgramLocator locate) = 0;

    // The screen size in pixels, without any window process; false when there is no screen.
    virtual bool screen_size(int& width, int& height) = 0;
    // The colour (0x00bbggrr) of system colour index 0 ... 20; 0 for any other index.
    virtual std::uint32_t system_colour(int index) = 0;

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
