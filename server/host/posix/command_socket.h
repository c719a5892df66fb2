// The command channel of the window process on POSIX: a SOCK_SEQPACKET Unix socket.
// Each request datagram is a 4-byte little-endian tag followed by the command bytes;
// each reply is the 4-byte little-endian result.
#pragma once

#include <csignal>
#include <functional>
#include <map>
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
    // to quit, no client is connected any more and keep_serving does not say otherwise. The signals
    // in `blocked` are held back except while waiting, so that a stop request is never missed.
    void serve(Core& core, const volatile std::sig_atomic_t& stop, const sigset_t& wait_mask);

    // Called after each command the core handled.
    std::function<void()> on_command;
    // A further descriptor to wake up for (the display's), -1 for none.
    int extra_fd = -1;
    // Called before each wait, when every request that arrived was answered.
    std::function<void()> on_idle;
    // Asked once the client quit and left: true keeps serving (windows are still shown).
    std::function<bool()> keep_serving;
    // Also ends serving when the last client went away without quitting: a window
    // process with nobody to draw for and nothing on screen has no more work.
    bool exit_when_abandoned = false;
    // Asked at least every give_up_check_ms while no client is connected: true ends
    // serving (a window process nobody took).
    std::function<bool()> give_up;
    int give_up_check_ms = 1000;

    // The process id of the client whose command the core is handling, 0 when unknown.
    long current_peer() const { return current_peer_; }

  private:
    void accept_client();
    // False when the client has gone.
    bool answer_request(Core& core, int fd);
    bool finished(const Core& core) const;

    int listener_ = -1;
    std::string path_;
    std::vector<int> clients_;
    std::map<int, long> peers_;  // the process id of each client, by descriptor
    long current_peer_ = 0;
    bool abandoned_ = false;
};

}  // namespace luwnd::posix
