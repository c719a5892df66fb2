// The command channel of the window process on POSIX: a SOCK_SEQPACKET Unix socket.
// Each request datagram is a 4-byte little-endian tag followed by the command bytes;
// each reply is the 4-byte little-endian result. A client may move its commands onto a
// shared command page (command_page.h); its socket then carries only doorbells and the
// hang-up, and the serving loop spins over the pages between its waits.
#pragma once

#include <poll.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/platform/posix/adaptive_spin.h"
#include "command_page.h"
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

    // Called after each command the core handled, and after the client went away.
    std::function<void()> on_command;
    // Asked after a command that came through a page: true lets on_command wait until the
    // result is published (it still runs before the next command), because nothing the
    // client can look at once answered depends on it.
    std::function<bool()> may_settle_after_answer;
    // A further descriptor to wake up for (the display's), -1 for none.
    int extra_fd = -1;
    // Called before each wait, when every request that arrived was answered.
    std::function<void()> on_idle;
    // Asked before each sleep: the milliseconds within which on_idle has work again (a
    // picture held back to be shown later), or -1 for none.
    std::function<int()> idle_work_within_ms;
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
    struct Client {
        int fd = -1;
        std::unique_ptr<CommandPage> page;
        long peer = 0;  // its process id, 0 when unknown
        // The slots of the window the latest slot command named, fetched while we spin:
        // the client writes them before the command, so they then come over early.
        const std::uint8_t* slots = nullptr;
    };

    void accept_client();
    // False when the client has gone.
    bool answer_request(Core& core, Client& client);
    bool finished(const Core& core) const;
    // After a command whose answer waits in the process block, only its client is served
    // until it sends its next command or hangs up, for at most kHoldLimit: another
    // program's command would write over the answer before it was read.
    void hold_if_reply_waits(const Core& core, const Client& client);
    // Hands the commands a client posted to the core, noting that some were.
    CommandPage::PostedHandler posted_handler(Core& core);
    void release_hold(Core& core);
    bool served(const Client& client) const { return held_fd_ < 0 || client.fd == held_fd_; }
    // Answers page commands while they keep coming. True when it stopped only to let the
    // socket, the display and the other clients have their turn.
    bool serve_pages(Core& core, const volatile std::sig_atomic_t& stop);
    // With fetch_slots, also asks for the slots each client will write next.
    bool any_page_pending(bool fetch_slots = false) const;
    // Before a sleep: true when the pages may be slept on (none has a command waiting).
    bool arm_pages(bool waiting);
    // The number of ready descriptors; 0 also when a sleep ended after give_up_check_ms
    // or when idle work became due.
    int wait(std::vector<pollfd>& fds, bool sleep, bool timed, const sigset_t& wait_mask);

    int listener_ = -1;
    std::string path_;
    std::vector<Client> clients_;
    long current_peer_ = 0;
    int held_fd_ = -1;  // the client served alone, -1 for none
    std::chrono::steady_clock::time_point held_until_;
    bool abandoned_ = false;
    bool posted_ = false;  // posted commands were handled since the pictures last followed
    // The next command of a drawing loop comes within microseconds; a thinking client
    // lets us sleep after this.
    lumora::page::AdaptiveSpin spin_{5'000, 200'000};
};

}  // namespace luwnd::posix
