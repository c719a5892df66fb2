#include "command_socket.h"

#include "standard_streams.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "private_dir.h"
#include "runtime_names.h"

namespace lumora::platform::posix {

namespace {

int check_peer(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return errno;
    return peer.uid == geteuid() ? 0 : EACCES;
}

int open_connection(const std::string& path, int& fd) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return ENAMETOOLONG;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    fd = above_standard_streams(socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
    if (fd < 0) return errno;
    int failure =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ? 0 : errno;
    if (failure == 0) failure = check_peer(fd);
    if (failure != 0) {
        close(fd);
        fd = -1;
    }
    return failure;
}

// Returns 0 or the error number.
int send_request(int fd, std::uint32_t tag, const void* data, std::uint32_t length) {
    std::uint8_t head[4];
    for (int i = 0; i < 4; ++i) head[i] = static_cast<std::uint8_t>(tag >> (8 * i));
    const bool has_data = data != nullptr && length > 0;
    iovec parts[2] = {{head, sizeof head}, {const_cast<void*>(data), has_data ? length : 0}};
    msghdr message{};
    message.msg_iov = parts;
    message.msg_iovlen = has_data ? 2 : 1;
    ssize_t sent;
    do {
        sent = sendmsg(fd, &message, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) return errno;
    return static_cast<std::size_t>(sent) == sizeof head + parts[1].iov_len ? 0 : EMSGSIZE;
}

// Returns 0 or the error number. A reply that is not exactly four bytes is as good as none.
int receive_result(int fd, std::int32_t& result) {
    std::uint8_t reply[8];
    ssize_t received;
    do {
        received = recv(fd, reply, sizeof reply, 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0) return errno;
    if (received == 0) return ECONNRESET;
    if (received != 4) return EPROTO;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(reply[i]) << (8 * i);
    result = static_cast<std::int32_t>(value);
    return 0;
}

}  // namespace

CommandSocket::~CommandSocket() {
    close_socket();
}

void CommandSocket::close_socket() {
    page_.close();
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

// A new process starts with a clean slate.
void CommandSocket::address(long pid) {
    if (pid == pid_) return;
    close_socket();
    pid_ = pid;
    broken_ = false;
}

bool CommandSocket::connect_now(int& error) {
    std::string ns;
    if (!session_namespace(ns)) {
        error = EINVAL;
        return false;
    }
    // The first place whose directory is ours (nobody else may enter it) and holds the
    // process's socket.
    int failure = ENOENT;
    for (const std::string& directory : runtime_directories(ns)) {
        failure = private_directory_status(directory);
        if (failure == 0) failure = open_connection(socket_path(directory, pid_), fd_);
        if (failure == 0) break;
    }
    if (failure != 0) {
        error = failure;
        return false;
    }
    const char* fast = std::getenv("LUMORA_FAST_PATH");
    if (fast == nullptr || std::strcmp(fast, "0") != 0) page_.open(fd_);
    return true;
}

// The window process closed its end while we were not talking to it.
bool CommandSocket::hung_up() const {
    pollfd state{fd_, POLLIN, 0};
    return poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

bool CommandSocket::holds(long pid, int& error) {
    address(pid);
    if (broken_) return false;
    if (fd_ >= 0 && hung_up()) close_socket();
    return fd_ >= 0 || connect_now(error);
}

Reply CommandSocket::fail(int& error, int code) {
    error = code;
    close_socket();
    broken_ = true;
    return {};
}

Reply CommandSocket::deliver(long pid, std::uint32_t tag, const void* data, std::uint32_t length,
                             int& error) {
    address(pid);
    if (broken_) return fail(error, ECONNRESET);
    if (fd_ < 0 && !connect_now(error)) return fail(error, error);
    std::int32_t result = 0;
    int failure = 0;
    if (page_.is_open()) {
        failure = page_.deliver(fd_, tag, data, length, result);
    } else {
        failure = send_request(fd_, tag, data, length);
        if (failure == 0) failure = receive_result(fd_, result);
    }
    if (failure != 0) return fail(error, failure);
    return {result, true};
}

Posting CommandSocket::post(long pid, const std::uint8_t (&command)[2],
                            const std::int32_t (&slots)[3], int& error) {
    if (!on_page(pid)) return Posting::kDeliver;
    const int posted = page_.post(fd_, command, slots);
    if (posted < 0) {
        fail(error, -posted);
        return Posting::kGone;
    }
    return posted == 1 ? Posting::kPosted : Posting::kDeliver;
}

}  // namespace lumora::platform::posix
