#include "command_page.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "command_page_layout.h"
#include "standard_streams.h"

namespace lumora::platform::posix {
namespace {

using page::word;

// The page must be ours alone, like the blocks: our owner, nobody else's access, its size,
// and a size that cannot shrink under our mapping.
bool acceptable_page(int fd) {
    struct stat info {};
    const int seals = fcntl(fd, F_GET_SEALS);
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & 077) == 0 && info.st_size == static_cast<off_t>(page::kPageSize) &&
           seals >= 0 && (seals & F_SEAL_SHRINK) != 0;
}

// Closes every descriptor a control message carried; returns the only one, or -1.
int received_descriptor(msghdr& message) {
    int kept = -1;
    int count = 0;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS) continue;
        const std::size_t n = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < n; ++i) {
            int fd;
            std::memcpy(&fd, CMSG_DATA(c) + i * sizeof(int), sizeof fd);
            if (count++ == 0) {
                kept = fd;
            } else {
                ::close(fd);
            }
        }
    }
    if (count > 1 || (message.msg_flags & MSG_CTRUNC) != 0) {
        if (kept >= 0) ::close(kept);
        return -1;
    }
    return kept;
}

// One request, and the answer with the page's descriptor: 1 and the descriptor, or -1.
int request_page(int socket_fd) {
    std::uint8_t request[4];
    for (int i = 0; i < 4; ++i)
        request[i] = static_cast<std::uint8_t>(page::kPageRequestTag >> (8 * i));
    if (send(socket_fd, request, sizeof request, MSG_NOSIGNAL) != sizeof request) return -1;
    std::uint8_t reply[8];
    iovec io{reply, sizeof reply};
    alignas(cmsghdr) char control[CMSG_SPACE(2 * sizeof(int))];
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t received;
    do {
        received = recvmsg(socket_fd, &message, MSG_CMSG_CLOEXEC);
    } while (received < 0 && errno == EINTR);
    if (received < 0) return -1;
    const int fd = received_descriptor(message);
    const bool agreed =
        received == 4 && reply[0] == 1 && reply[1] == 0 && reply[2] == 0 && reply[3] == 0;
    if (!agreed && fd >= 0) ::close(fd);
    return agreed ? fd : -1;
}

void ring(int socket_fd) {
    const std::uint8_t bell = 0;
    // A full queue already wakes the window process; nothing else can go wrong that the
    // wait would not see as a hang-up.
    (void)send(socket_fd, &bell, page::kDoorbellSize, MSG_NOSIGNAL | MSG_DONTWAIT);
}

// Reads the doorbells that arrived; false when the window process closed its end.
bool drain_doorbells(int socket_fd) {
    std::uint8_t bells[16];
    for (;;) {
        const ssize_t n = recv(socket_fd, bells, sizeof bells, MSG_DONTWAIT);
        if (n > 0) continue;
        if (n == 0) return false;
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
}

}  // namespace

CommandPage::~CommandPage() {
    close();
}

void CommandPage::close() {
    if (page_ != nullptr) munmap(page_, page::kPageSize);
    page_ = nullptr;
    sequence_ = 0;
}

bool CommandPage::open(int socket_fd) {
    close();
    const int fd = above_standard_streams(request_page(socket_fd));
    if (fd < 0) return false;
    void* mapped = MAP_FAILED;
    if (acceptable_page(fd))
        mapped = mmap(nullptr, page::kPageSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) return false;
    if (word(mapped, page::kMagicWord).load() != page::kMagic) {
        munmap(mapped, page::kPageSize);
        return false;
    }
    page_ = mapped;
    sequence_ = word(page_, page::kRequest).load();
    posted_ = word(page_, page::kRingHead).load();
    room_ = free_ = 0;
    return true;
}

int CommandPage::deliver(int socket_fd, std::uint32_t tag, const void* data, std::uint32_t length,
                         std::int32_t& result) {
    if (length > page::kCommandSpace) return EMSGSIZE;
    auto* bytes = static_cast<std::uint8_t*>(page_);
    if (data != nullptr && length > 0) std::memcpy(bytes + page::kCommand, data, length);
    word(page_, page::kTag).store(tag, std::memory_order_relaxed);
    word(page_, page::kLength).store(data != nullptr ? length : 0, std::memory_order_relaxed);
    word(page_, page::kRequest).store(++sequence_);
    if (word(page_, page::kServerWaiting).load() != 0) ring(socket_fd);
    const int failure = wait_until(socket_fd, [this] {
        return word(page_, page::kAnswer).load(std::memory_order_acquire) == sequence_;
    });
    if (failure != 0) return failure;
    result = static_cast<std::int32_t>(word(page_, page::kResult).load(std::memory_order_relaxed));
    // Granted with this answer, after every entry posted before it was handled.
    room_ = word(page_, page::kRingRoom).load(std::memory_order_relaxed);
    return 0;
}

int CommandPage::post(int socket_fd, const std::uint8_t (&command)[2],
                      const std::int32_t (&slots)[3]) {
    if (room_ == 0 || word(page_, page::kRingFault).load(std::memory_order_relaxed) != 0) return 0;
    if (free_ == 0) {
        const int failure = wait_until(socket_fd, [this] {
            const std::uint32_t used =
                posted_ - word(page_, page::kRingTail).load(std::memory_order_acquire);
            free_ = used < page::kRingCapacity ? page::kRingCapacity - used : 0;
            return free_ != 0;
        });
        if (failure != 0) return -failure;
    }
    --free_;
    std::uint8_t entry[page::kEntrySize] = {command[0], command[1], 0, 0};
    std::memcpy(entry + 4, slots, sizeof slots);
    auto* bytes = static_cast<std::uint8_t*>(page_);
    std::memcpy(bytes + page::kRingEntries + (posted_ % page::kRingCapacity) * page::kEntrySize,
                entry, sizeof entry);
    word(page_, page::kRingHead).store(++posted_);
    --room_;
    if (word(page_, page::kServerWaiting).load() != 0) ring(socket_fd);
    return 1;
}

// Spins, then sleeps on the socket until ready() holds: 0, or the error number when the
// window process has gone.
template <class Ready>
int CommandPage::wait_until(int socket_fd, Ready ready) {
    if (spin_.spin(ready)) return 0;
    int failure = 0;
    for (;;) {
        word(page_, page::kClientWaiting).store(1);
        if (ready()) break;
        pollfd state{socket_fd, POLLIN, 0};
        if (poll(&state, 1, -1) < 0) {
            if (errno == EINTR) continue;
            failure = errno;
            break;
        }
        // The answer may have come just before the window process ended (quit does that).
        const bool open = (state.revents & POLLIN) == 0 || drain_doorbells(socket_fd);
        if (ready()) break;
        if (!open || (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            failure = ECONNRESET;
            break;
        }
    }
    word(page_, page::kClientWaiting).store(0, std::memory_order_relaxed);
    return failure;
}

}  // namespace lumora::platform::posix
