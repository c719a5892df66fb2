#include "command_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "client/channel/block_layout.h"

namespace luwnd::posix {
namespace {

// Requests longer than this are answered with 0 unread; clients send at most 4 + 256.
constexpr std::size_t kMaxRequest = 4 + 4096;
// More simultaneous clients than any real use; further ones are turned away.
constexpr std::size_t kMaxClients = 64;

}  // namespace

CommandSocket::~CommandSocket() {
    for (int fd : clients_) close(fd);
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
    peers_[fd] = getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 ? peer.pid : 0;
    clients_.push_back(fd);
}

bool CommandSocket::answer_request(Core& core, int fd) {
    static std::uint8_t buffer[kMaxRequest];
    iovec io{buffer, sizeof buffer};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    ssize_t received = recvmsg(fd, &message, 0);
    if (received < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (received <= 0) return false;
    std::int32_t result = 0;
    auto length = static_cast<std::size_t>(received);
    if ((message.msg_flags & MSG_TRUNC) == 0 && length >= 4) {
        auto tag = static_cast<std::uint32_t>(lumora::layout::read_i32(buffer, 0));
        current_peer_ = peers_[fd];
        result = core.handle(tag, buffer + 4, length - 4);
        current_peer_ = 0;
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
        if (on_idle) on_idle();
        // The idle work may have closed the last window that kept the process.
        if (finished(core)) break;
        fds.assign(1, pollfd{listener_, POLLIN, 0});
        for (int fd : clients_) fds.push_back(pollfd{fd, POLLIN, 0});
        std::size_t first_client = 1;
        if (extra_fd >= 0) {
            fds.insert(fds.begin() + 1, pollfd{extra_fd, POLLIN, 0});
            first_client = 2;
        }
        const timespec check{give_up_check_ms / 1000, (give_up_check_ms % 1000) * 1000000L};
        const bool may_give_up = give_up && clients_.empty();
        const int ready = ppoll(fds.data(), fds.size(), may_give_up ? &check : nullptr, &wait_mask);
        if (may_give_up && ready == 0 && give_up()) break;
        if (ready < 0) continue;
        bool lost = false;
        for (std::size_t i = first_client; i < fds.size(); ++i) {
            if (fds[i].revents == 0 || answer_request(core, fds[i].fd)) continue;
            close(fds[i].fd);
            clients_.erase(std::find(clients_.begin(), clients_.end(), fds[i].fd));
            peers_.erase(fds[i].fd);
            lost = true;
        }
        // Only the program that took the process abandons it by going away; one that
        // looked and went on to another process leaves it as it was.
        if (lost && clients_.empty() && core.client_connected() && !core.quit_requested()) {
            core.client_gone();
            abandoned_ = true;
        }
        if ((fds[0].revents & POLLIN) != 0) accept_client();
    }
}

bool CommandSocket::finished(const Core& core) const {
    if (!clients_.empty()) return false;
    if (!core.quit_requested() && !(abandoned_ && exit_when_abandoned)) return false;
    return !keep_serving || !keep_serving();
}

}  // namespace luwnd::posix
