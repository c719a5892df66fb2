// The client's end of the command page (see command_page_layout.h for the design).
#pragma once

#include <cstdint>

#include "adaptive_spin.h"

namespace lumora::platform::posix {

class CommandPage {
  public:
    CommandPage() = default;
    ~CommandPage();
    CommandPage(const CommandPage&) = delete;
    CommandPage& operator=(const CommandPage&) = delete;

    // Asks the window process at the other end of the connected socket for a page. False
    // leaves the connection on datagrams (nothing was mapped).
    bool open(int socket_fd);
    bool is_open() const { return page_ != nullptr; }
    void close();

    // Sends one command through the page and waits for its result, sleeping on the socket
    // after the spin. Returns 0, or the error number when the window process has gone.
    int deliver(int socket_fd, std::uint32_t tag, const void* data, std::uint32_t length,
                std::int32_t& result);

    // Posts a slot command (letter and window character, its three slots) that is answered
    // with its window's number, without waiting for the answer: 1 when posted, 0 when it
    // must be delivered (no room granted, or a posted command went otherwise than
    // foreseen), or minus the error number when the window process has gone.
    int post(int socket_fd, const std::uint8_t (&command)[2], const std::int32_t (&slots)[3]);

  private:
    template <class Ready>
    int wait_until(int socket_fd, Ready ready);

    void* page_ = nullptr;
    std::uint32_t sequence_ = 0;
    std::uint32_t posted_ = 0;  // entries posted so far
    std::uint32_t free_ = 0;    // entries the ring had room for when last looked at
    std::uint32_t room_ = 0;    // entries that may still be posted before the next answer
    // The answer to a drawing command takes a few microseconds; longer waits sleep.
    page::AdaptiveSpin spin_{2'000, 100'000};
};

}  // namespace lumora::platform::posix
