#include "command_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "client/channel/block_layout.h"
#include "client/platform/posix/command_page_layout.h"

namespace luwnd::posix {
namespace {

// Requests longer than this are answered with 0 unread; clients send at most 4 + 256.
constexpr std::size_t kMaxRequest = 4 + 4096;
// More simultaneous clients than any real use; further ones are turned away.
constexpr std::size_t kMaxClients = 64;
// While page commands keep coming, the socket, the display and the datagram clients are
// looked at least this often.
constexpr auto kTurn = std::chrono::milliseconds(5);
// How long a program may take to read its answer in the process block before the others
// are served again: long enough for a busy machine, short enough that a stuck program
// does not stop the others for good.
constexpr auto kHoldLimit = std::chrono::seconds(2);

}  // namespace

CommandSocket::~CommandSocket() {
    for (const Client& c : clients_) close(c.fd);
    if (listener_ >= 0) {
        close(listener_);
        unlink(path_.c_str());
    }
}

bool CommandSocket::listen(const std::string& path, std::string& error) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        error = "socket path too long: " + path;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    unlink(path.c_str());
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0) {
        error = "cannot listen at " + path + ": " + std::strerror(errno);
        close(fd);
        return false;
    }
    listener_ = fd;
    path_ = path;
    return true;
}

void CommandSocket::accept_client() {
    int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return;
    if (clients_.size() >= kMaxClients) {
        close(fd);
        return;
    }
    ucred peer{};
    socklen_t size = sizeof peer;
    const long pid = getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 ? peer.pid : 0;
    clients_.push_back(Client{fd, nullptr, pid});
}

bool CommandSocket::answer_request(Core& core, Client& client) {
    const int fd = client.fd;
    static std::uint8_t buffer[kMaxRequest];
    iovec io{buffer, sizeof buffer};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    ssize_t received = recvmsg(fd, &message, 0);
    if (received < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (received <= 0) return false;
    auto length = static_cast<std::size_t>(received);
    if (length == lumora::page::kDoorbellSize && client.page) return true;
    if (length == 4 && static_cast<std::uint32_t>(lumora::layout::read_i32(buffer, 0)) ==
                           lumora::page::kPageRequestTag) {
        if (!client.page) client.page = std::make_unique<CommandPage>();
        if (!client.page->offer(fd)) client.page.reset();
        return true;
    }
    std::int32_t result = 0;
    if (held_fd_ == fd) release_hold(core);
    if ((message.msg_flags & MSG_TRUNC) == 0 && length >= 4) {
        auto tag = static_cast<std::uint32_t>(lumora::layout::read_i32(buffer, 0));
        current_peer_ = client.peer;
        result = core.handle(tag, buffer + 4, length - 4);
        current_peer_ = 0;
        hold_if_reply_waits(core, client);
        if (on_command) on_command();
    }
    std::uint8_t reply[4];
    lumora::layout::write_i32(reply, 0, result);
    return send(fd, reply, sizeof reply, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof reply);
}

void CommandSocket::serve(Core& core, const volatile std::sig_atomic_t& stop,
                          const sigset_t& wait_mask) {
    std::vector<pollfd> fds;
    while (stop == 0 && !finished(core)) {
        if (held_fd_ >= 0 && std::chrono::steady_clock::now() >= held_until_) release_hold(core);
        // The display's events may change the header too: they wait while a client is held.
        if (on_idle && held_fd_ < 0) on_idle();
        // The idle work may have closed the last window that kept the process.
        if (finished(core)) break;
        const bool busy = serve_pages(core, stop);
        const bool may_give_up = give_up && clients_.empty();
        const int ready = wait(fds, !busy, may_give_up, wait_mask);
        if (may_give_up && ready == 0 && give_up()) break;
        bool lost = false;
        for (std::size_t i = fds.size(); i-- > 0;) {
            if (fds[i].fd == listener_ || fds[i].fd == extra_fd || fds[i].revents == 0) continue;
            auto it = std::find_if(clients_.begin(), clients_.end(),
                                   [&](const Client& c) { return c.fd == fds[i].fd; });
            // A client held since this wait began is the only one served.
            if (!served(*it)) continue;
            if (answer_request(core, *it)) continue;
            if (it->fd == held_fd_) release_hold(core);
            // What the program posted before it went is drawn all the same.
            if (it->page) {
                it->page->handle_posted(posted_handler(core), it->fd);
                if (posted_ && on_command) on_command();
                posted_ = false;
            }
            close(it->fd);
            clients_.erase(it);
            lost = true;
        }
        // Only the program that took the process abandons it by going away; one that
        // looked and went on to another process leaves it as it was.
        if (lost && clients_.empty()) {
            if (core.client_connected() && !core.quit_requested()) {
                core.client_gone();
                abandoned_ = true;
            }
            // A frame that a program left unfinished (it may have joined a window on
            // offer without taking the process) is shown as it is.
            core.end_frames();
            if (on_command) on_command();
        }
        if ((fds[0].revents & POLLIN) != 0) accept_client();
    }
}

// Sleeps until a descriptor is ready, or only looks when sleep is false. A page client
// rings only when we said we sleep, so the pages are armed first and looked at again.
int CommandSocket::wait(std::vector<pollfd>& fds, bool sleep, bool timed,
                        const sigset_t& wait_mask) {
    fds.assign(1, pollfd{listener_, POLLIN, 0});
    if (extra_fd >= 0 && held_fd_ < 0) fds.push_back(pollfd{extra_fd, POLLIN, 0});
    for (const Client& c : clients_)
        if (served(c)) fds.push_back(pollfd{c.fd, POLLIN, 0});
    if (sleep) sleep = arm_pages(true);
    const timespec now{0, 0};
    int limit_ms = timed ? give_up_check_ms : -1;
    const int idle_ms = sleep && idle_work_within_ms ? idle_work_within_ms() : -1;
    if (idle_ms >= 0 && (limit_ms < 0 || idle_ms < limit_ms)) limit_ms = idle_ms;
    if (held_fd_ >= 0) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            held_until_ - std::chrono::steady_clock::now());
        const int held_ms = static_cast<int>(std::max<std::int64_t>(left.count(), 0));
        if (limit_ms < 0 || held_ms < limit_ms) limit_ms = held_ms;
    }
    const timespec check{limit_ms / 1000, (limit_ms % 1000) * 1000000L};
    const timespec* limit = !sleep ? &now : limit_ms >= 0 ? &check : nullptr;
    const int ready = ppoll(fds.data(), fds.size(), limit, &wait_mask);
    if (ready < 0) {
        for (pollfd& p : fds) p.revents = 0;
    }
    if (sleep) arm_pages(false);
    return ready < 0 ? -1 : ready;
}

bool CommandSocket::arm_pages(bool waiting) {
    for (Client& c : clients_)
        if (c.page) c.page->set_waiting(waiting);
    return !waiting || !any_page_pending();
}

bool CommandSocket::any_page_pending(bool fetch_slots) const {
    for (const Client& c : clients_) {
        if (!c.page || !served(c)) continue;
        // Only a hint: a prefetch never faults, even where a window was closed since.
        if (fetch_slots && c.slots != nullptr) __builtin_prefetch(c.slots);
        if (c.page->pending()) return true;
    }
    return false;
}

bool CommandSocket::serve_pages(Core& core, const volatile std::sig_atomic_t& stop) {
    if (std::none_of(clients_.begin(), clients_.end(), [](const Client& c) { return !!c.page; }))
        return false;
    // What follows a command (the pictures written at the quit above all) is done before
    // its result is published, as on the socket: once answered, the client may exit.
    // Where nothing the client can see depends on it, it is done right after publishing,
    // while the client goes on to its next command.
    bool settle_later = false;
    const CommandPage::Handler handle = [&](std::uint32_t tag, const std::uint8_t* data,
                                            std::size_t length) {
        // The pictures follow the posted commands before a command that may look at them.
        if (std::exchange(posted_, false) && on_command) on_command();
        const std::int32_t result = core.handle(tag, data, length);
        current_peer_ = 0;
        settle_later = may_settle_after_answer && may_settle_after_answer();
        if (!settle_later && on_command) on_command();
        return result;
    };
    const CommandPage::PostedHandler posted = posted_handler(core);
    const CommandPage::Room room = [&core] { return core.posting_room(); };
    const auto turn_ends = std::chrono::steady_clock::now() + kTurn;
    for (unsigned round = 1;; ++round) {
        for (Client& c : clients_) {
            if (!c.page || !c.page->pending()) continue;
            if (held_fd_ >= 0) {
                if (c.fd != held_fd_) continue;
                release_hold(core);
            }
            current_peer_ = c.peer;
            c.page->answer(handle, posted, room, c.fd);
            c.slots = core.slots_of(core.last_slot_window());
            current_peer_ = 0;
            hold_if_reply_waits(core, c);
            if ((settle_later || posted_) && on_command) on_command();
            settle_later = posted_ = false;
        }
        if (stop != 0) return false;
        if ((round & 15) == 0 && std::chrono::steady_clock::now() > turn_ends) return true;
        if (!spin_.spin([this] { return any_page_pending(true); })) return false;
    }
}

CommandPage::PostedHandler CommandSocket::posted_handler(Core& core) {
    return [this, &core](std::uint8_t letter, std::uint8_t window,
                         const std::array<std::int32_t, 3>& slots) {
        posted_ = true;
        return core.handle_posted(letter, window, slots);
    };
}

void CommandSocket::hold_if_reply_waits(const Core& core, const Client& client) {
    if (!core.reply_unread()) return;
    held_fd_ = client.fd;
    held_until_ = std::chrono::steady_clock::now() + kHoldLimit;
}

void CommandSocket::release_hold(Core& core) {
    held_fd_ = -1;
    core.reply_read();
}

bool CommandSocket::finished(const Core& core) const {
    if (!clients_.empty()) return false;
    if (!core.quit_requested() && !(abandoned_ && exit_when_abandoned)) return false;
    return !keep_serving || !keep_serving();
}

}  // namespace luwnd::posix
