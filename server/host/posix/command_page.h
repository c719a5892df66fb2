// The window process's end of one client's command page; the design is told in
// client/platform/posix/command_page_layout.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace luwnd::posix {

class CommandPage {
  public:
    CommandPage() = default;
    ~CommandPage();
    CommandPage(const CommandPage&) = delete;
    CommandPage& operator=(const CommandPage&) = delete;

    // Makes the page and sends it to the client behind socket_fd with the result 1, or
    // answers 0 when it cannot. False when the page is not in use afterwards.
    bool offer(int socket_fd);

    // Handles one command: tag, bytes, length; the result.
    using Handler = std::function<std::int32_t(std::uint32_t, const std::uint8_t*, std::size_t)>;

    bool pending() const;
    // Handles the client's latest command and answers it, ringing when the client sleeps.
    void answer(const Handler& handle, int socket_fd);
    // Tells the client whether to ring before it expects us to look at the page.
    void set_waiting(bool waiting);

  private:
    std::uint8_t* page_ = nullptr;
    std::uint32_t answered_ = 0;
};

}  // namespace luwnd::posix
