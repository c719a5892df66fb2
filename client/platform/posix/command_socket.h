// The command channel to one window process: a connected SOCK_SEQPACKET Unix socket.
// One datagram carries a command (4-byte little-endian tag, then the command bytes);
// the answer is one datagram holding the 4-byte little-endian result. Right after
// connecting, the channel moves the commands onto a shared command page when the window
// process offers one (command_page_layout.h); LUMORA_FAST_PATH=0 keeps the datagrams.
#pragma once

#include <cstdint>

#include "../platform.h"
#include "command_page.h"

namespace lumora::platform::posix {

class CommandSocket {
  public:
    CommandSocket() = default;
    ~CommandSocket();
    CommandSocket(const CommandSocket&) = delete;
    CommandSocket& operator=(const CommandSocket&) = delete;

    // True while a connection to process pid holds (connecting when there is none yet).
    // False after a delivery to pid failed: the process has gone as far as we care.
    bool holds(long pid, int& error);

    // True while commands to pid go through the page and nothing has failed: the page's
    // waits notice a hang-up themselves, so there is nothing to ask the system.
    bool on_page(long pid) const { return pid == pid_ && !broken_ && page_.is_open(); }

    // Sends one command to process pid and waits for its result. No answer when it could
    // not be sent or the window process hung up before it answered.
    Reply deliver(long pid, std::uint32_t tag, const void* data, std::uint32_t length, int& error);
    // Posts a slot command to process pid through the page (see CommandPage::post).
    Posting post(long pid, const std::uint8_t (&command)[2], const std::int32_t (&slots)[3],
                 int& error);

  private:
    void address(long pid);
    bool connect_now(int& error);
    bool hung_up() const;
    void close_socket();
    Reply fail(int& error, int code);

    int fd_ = -1;
    long pid_ = 0;
    bool broken_ = false;
    CommandPage page_;
};

}  // namespace lumora::platform::posix
