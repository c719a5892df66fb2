// The command channel of the window process on POSIX: a SOCK_SEQPACKET Unix socket.
// Each request datagram is a 4-byte little-endian tag followed by the command bytes;
// each reply is the 4-byte little-endian result.
#pragma once

#include <csignal>
#include <string>
#include <vector>

#include "server/core/core.h"

namespace luwnd::posix {

class CommandSocket {
  public:
    CommandSocket() = default;
    ~CommandSocket();
    CommandSocket(const CommandSocket&) = delete;
    CommandSocket& operator=(const CommandSocket&) = delete;

    // Binds and listens at path (an old socket file there is replaced). False with a
    // description in error on failure.
    bool listen(const std::string& path, std::string& error);

    // Serves clients one request at a time until stop is set, or until the core was told
    // to quit and no client is connected any more. The signals in `blocked` are held back
    // except while waiting, so that a stop request is never missed.
    void serve(Core& core, const volatile std::sig_atomic_t& stop, const sigset_t& wait_mask);

  private:
    void accept_client();
    // False when the client has gone.
    bool answer_request(Core& core, int fd);

    int listener_ = -1;
    std::string path_;
    std::vector<int> clients_;
};

}  // namespace luwnd::posix
