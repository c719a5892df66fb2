// The Linux backend: POSIX shared memory for the blocks, a Unix-domain socket to the
// window process for commands, the error stream for messages, termios for keys.
#pragma once

#include <cstdint>

#include "../platform.h"
#include "command_socket.h"

namespace lumora::platform {

class PosixPlatform : public Platform {
  public:
    MappedView open_block(const char* name) override;
    bool unmap_block(const MappedView& view) override;
    std::uint32_t last_error() override;

    bool is_window_alive(WindowHandle handle) override;
    std::int32_t deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                 std::uint32_t length) override;

    int message_box(const char* text, std::uint32_t style) override;
    void write_error_line(const char* text) override;
    void write_output(const char* text) override;
    int read_input_char() override;

    int poll_key() override;
    int read_key(bool echo) override;

    [[noreturn]] void exit_program(int status) override;

  private:
    int error_ = 0;
    posix::CommandSocket socket_;
};

}  // namespace lumora::platform
