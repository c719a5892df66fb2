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

  private:
    int wait_for_answer(int socket_fd);

    void* page_ = nullptr;
    std::uint32_t sequence_ = 0;
    // The answer to a drawing command takes a few microseconds; longer waits sleep.
    page::AdaptiveSpin spin_{2'000, 100'000};
};

}  // namespace lumora::platform::posix
