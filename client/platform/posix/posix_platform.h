// The Linux backend: POSIX shared memory for the blocks, a Unix-domain socket to the
// window process for commands, the error stream for messages, termios for keys.
#pragma once

#include <cstdint>
#include <string>

#include "../platform.h"
#include "command_socket.h"

namespace lumora::platform {

class PosixPlatform : public Platform {
  public:
    MappedView open_block(const char* name) override;
    bool unmap_block(const MappedView& view) override;
    std::uint32_t last_error() override;

    bool is_window_alive(WindowHandle handle) override;
    Posting post_slot_command(WindowHandle handle, const std::uint8_t (&command)[2],
                              const std::int32_t (&slots)[3]) override;
    Reply deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                          std::uint32_t length) override;

    int message_box(const char* text, std::uint32_t style) override;
    void write_error_line(const char* text) override;
    void write_output(const char* text) override;
    int read_input_char() override;

    int poll_key() override;
    int read_key(bool echo) override;
    void pause(int ms) override;

    std::uint32_t get_environment(const char* name, char* buffer, std::uint32_t size) override;
    bool is_program_file(const char* path) override;
    std::uint32_t module_file_name(char* buffer, std::uint32_t size) override;
    std::uint32_t installed_program_directory(char* buffer, std::uint32_t size) override;
    int ansi_code_page() override;
    std::uint32_t process_id() override;
    const char* command_line() override;
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
    int error_ = 0;
    std::string command_line_;
    posix::CommandSocket socket_;
};

}  // namespace lumora::platform
