// The window process's end of one client's command page; the design is told in
// client/platform/posix/command_page_layout.h.
#pragma once

#include <array>
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
    // Handles one posted command: letter, window character, slots; the result.
    using PostedHandler =
        std::function<std::int32_t(std::uint8_t, std::uint8_t, const std::array<std::int32_t, 3>&)>;
    // How many commands the client may post after an answer.
    using Room = std::function<std::uint32_t()>;

    // A command waits, or posted ones do.
    bool pending() const;
    // Handles the posted commands, then the client's latest command when it waits, and
    // answers it; rings when the client sleeps.
    void answer(const Handler& handle, const PostedHandler& posted, const Room& room,
                int socket_fd);
    // Handles the posted commands only (a client that hung up left them).
    void handle_posted(const PostedHandler& posted, int socket_fd);
    // Tells the client whether to ring before it expects us to look at the page.
    void set_waiting(bool waiting);

  private:
    // Rings when the client sleeps.
    void wake_client(int socket_fd);

    std::uint8_t* page_ = nullptr;
    std::uint32_t answered_ = 0;
    std::uint32_t handled_ = 0;  // posted entries handled
};

}  // namespace luwnd::posix
