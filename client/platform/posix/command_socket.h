// The command channel to one window process: a connected SOCK_SEQPACKET Unix socket.
// One datagram carries a command (4-byte little-endian tag, then the command bytes);
// the answer is one datagram holding the 4-byte little-endian result.
#pragma once

#include <cstdint>

namespace lumora::platform::posix {

// What a delivery returns when the window process cannot be reached.
inline constexpr std::int32_t kNoAnswer = INT32_MIN;

class CommandSocket {
  public:
    CommandSocket() = default;
    ~CommandSocket();
    CommandSocket(const CommandSocket&) = delete;
    CommandSocket& operator=(const CommandSocket&) = delete;

    // True while a connection to process pid holds (connecting when there is none yet).
    // False after a delivery to pid failed: the process has gone as far as we care.
    bool holds(long pid, int& error);

    // Sends one command to process pid and waits for its result; kNoAnswer on failure.
    std::int32_t deliver(long pid, std::uint32_t tag, const void* data, std::uint32_t length,
                         int& error);

  private:
    void address(long pid);
    bool connect_now(int& error);
    bool hung_up() const;
    void close_socket();
    std::int32_t fail(int& error, int code);

    int fd_ = -1;
    long pid_ = 0;
    bool broken_ = false;
};

}  // namespace lumora::platform::posix
