// A platform for unit tests: blocks live in process memory, commands go straight to an
// in-process window-process core, and everything the client shows or asks is recorded
// or scripted.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "client/platform/platform.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"

namespace lumora::platform {

// Thrown by the fake's exit_program so a test can watch a program end.
struct FakeExit {
    int status;
};

// One command as it was delivered.
struct Delivery {
    WindowHandle handle = 0;
    std::uint32_t tag = 0;
    std::vector<std::uint8_t> bytes;  // exactly the delivered bytes
    std::uint32_t length = 0;         // the length the client gave
    std::int32_t result = 0;          // 0 when unanswered
    bool answered = false;
    bool has_params = false;  // the addressed window block existed when it was delivered
    std::int32_t param1 = 0, param2 = 0, param3 = 0;  // its slots at that moment
};

// One start of the window program as the client asked for it.
struct Launch {
    std::string program;  // what the locator yielded ("" for nullptr)
    std::string options;
};

struct ShownBox {
    std::string text;
    std::uint32_t style;
};

class FakePlatform : public Platform {
  public:
    static constexpr WindowHandle kServerHandle = 0x4C57;

    FakePlatform();
    ~FakePlatform() override;

    // Starts the in-process core and publishes its process block; returns the process
    // number. The config's window handle defaults to kServerHandle.
    int start_server(luwnd::CoreConfig config = {});
    luwnd::Core* core() { return core_.get(); }
    luwnd::MemoryBlockHost& host() { return host_; }

    // Scripts and records, all public so tests read and set them directly.
    std::deque<std::int32_t> results;  // answers, taken before asking the core
    // Runs before each command is answered: a test can play the window process's part.
    std::function<void(const Delivery&)> on_deliver;
    std::vector<Delivery> deliveries;
    std::set<WindowHandle> alive;  // handles that count as alive besides the core's
    std::set<WindowHandle> dead;   // handles that count as gone whatever else holds
    std::deque<int> box_answers;   // default answer 0
    std::vector<ShownBox> boxes;
    std::vector<std::string> error_lines;
    std::string output;
    std::string input;                // read by read_input_char, then -1
    std::deque<int> keys;             // poll_key sees them, read_key takes them
    long long paused_ms = 0;          // what pause was asked for, in all
    std::vector<std::string> opened;  // names asked of open_block
    int unmapped = 0;                 // successful unmap_block calls
    bool fail_unmap = false;
    std::uint32_t error = 0;  // what last_error reports

    // The process's surroundings.
    std::map<std::string, std::string> environment;
    std::set<std::string> existing_paths;   // what is_program_file finds
    std::vector<std::string> probed_paths;  // what it was asked, in order
    std::string module_file;
    SearchConventions conventions = kNativeSearch;  // tests may pick the other system's
    std::string library_programs;                   // installed_program_directory ("": none)
    int code_page = 1252;
    std::string command = "program";
    std::string directory = "work";
    // Files open_file can open, by path; seek_file and read_file fail when told to.
    std::map<std::string, std::vector<std::uint8_t>> files;
    bool fail_seek = false;
    bool fail_read = false;
    int open_files = 0;  // opened and not yet closed
    // Starts of the window program; on_launch can play the started program's part.
    std::vector<Launch> launches;
    std::function<void(const Launch&)> on_launch;
    bool has_screen = false;
    int screen_width = 0, screen_height = 0;
    std::map<int, std::uint32_t> system_colours;  // missing indexes give 0

    MappedView open_block(const char* name) override;
    bool unmap_block(const MappedView& view) override;
    std::uint32_t last_error() override { return error; }

    bool is_window_alive(WindowHandle handle) override;
    Reply deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                          std::uint32_t length) override;

    int message_box(const char* text, std::uint32_t style) override;
    void write_error_line(const char* text) override;
    void write_output(const char* text) override;
    int read_input_char() override;

    int poll_key() override { return keys.empty() ? 0 : 1; }
    int read_key(bool echo) override;
    // Sleeps not at all: the pauses only add up.
    void pause(int ms) override { paused_ms += ms; }

    std::uint32_t get_environment(const char* name, char* buffer, std::uint32_t size) override;
    bool is_program_file(const char* path) override;
    std::uint32_t module_file_name(char* buffer, std::uint32_t size) override;
    const SearchConventions& search_conventions() override { return conventions; }
    std::uint32_t installed_program_directory(char* buffer, std::uint32_t size) override;
    int ansi_code_page() override { return code_page; }
    const char* command_line() override { return command.c_str(); }
    std::uint32_t current_directory(char* buffer, std::uint32_t size) override;

    FileHandle open_file(const char* path) override;
    bool seek_file(FileHandle file, std::int32_t offset) override;
    bool read_file(FileHandle file, void* buffer, std::uint32_t count,
                   std::uint32_t& bytes_read) override;
    void close_file(FileHandle file) override;

    int launch_window_process(const char* options, ProgramLocator locate) override;

    bool screen_size(int& width, int& height) override;
    std::uint32_t system_colour(int index) override;

    [[noreturn]] void exit_program(int status) override;

  private:
    struct OpenFile {
        std::vector<std::uint8_t> content;
        std::size_t position = 0;
        bool open = false;
    };
    OpenFile* file_at(FileHandle file);

    void snapshot_params(Delivery& delivery);

    luwnd::MemoryBlockHost host_;
    std::unique_ptr<luwnd::Core> core_;
    WindowHandle server_handle_ = 0;
    std::size_t input_read_ = 0;
    std::vector<OpenFile> open_;
};

// Installs a FakePlatform for its lifetime, then puts the native backend back.
class FakePlatformScope {
  public:
    FakePlatformScope() { install(&fake); }
    ~FakePlatformScope() { install(nullptr); }
    FakePlatformScope(const FakePlatformScope&) = delete;
    FakePlatformScope& operator=(const FakePlatformScope&) = delete;

    FakePlatform fake;
};

}  // namespace lumora::platform
