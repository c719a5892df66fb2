#include "command_page.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/platform/posix/command_page_layout.h"

namespace luwnd::posix {
namespace {

using lumora::page::word;
namespace page = lumora::page;

// An anonymous file only we can open: nothing to name, nothing left behind by a crash.
// Its size is sealed, so that a client cannot shrink it under our mapping.
int make_page_file() {
    int fd = memfd_create("luwnd-command-page", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) return -1;
    if (fchmod(fd, 0600) != 0 || ftruncate(fd, static_cast<off_t>(page::kPageSize)) != 0 ||
        fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool send_answer(int socket_fd, std::int32_t result, int page_fd) {
    std::uint8_t reply[4];
    lumora::layout::write_i32(reply, 0, result);
    iovec io{reply, sizeof reply};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    if (page_fd >= 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&message);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(c), &page_fd, sizeof page_fd);
    }
    return sendmsg(socket_fd, &message, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof reply);
}

}  // namespace

CommandPage::~CommandPage() {
    if (page_ != nullptr) munmap(page_, page::kPageSize);
}

bool CommandPage::offer(int socket_fd) {
    // One page per connection; a second request keeps the first.
    if (page_ != nullptr) {
        send_answer(socket_fd, 0, -1);
        return true;
    }
    int fd = make_page_file();
    void* mapped = MAP_FAILED;
    if (fd >= 0) mapped = mmap(nullptr, page::kPageSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        if (fd >= 0) close(fd);
        send_answer(socket_fd, 0, -1);
        return false;
    }
    page_ = static_cast<std::uint8_t*>(mapped);
    word(page_, page::kMagicWord).store(page::kMagic);
    const bool sent = send_answer(socket_fd, 1, fd);
    close(fd);
    if (!sent) {
        munmap(page_, page::kPageSize);
        page_ = nullptr;
    }
    return sent;
}

bool CommandPage::pending() const {
    return page_ != nullptr &&
           (word(page_, page::kRequest).load(std::memory_order_acquire) != answered_ ||
            word(page_, page::kRingHead).load(std::memory_order_acquire) != handled_);
}

void CommandPage::set_waiting(bool waiting) {
    if (page_ != nullptr) word(page_, page::kServerWaiting).store(waiting ? 1 : 0);
}

void CommandPage::handle_posted(const PostedHandler& posted, int socket_fd) {
    // The client may write anything here: an entry is copied out before it is looked at,
    // and no more than a ring's worth is taken at a time.
    const std::uint32_t head = word(page_, page::kRingHead).load(std::memory_order_acquire);
    const std::uint32_t count = std::min(head - handled_, page::kRingCapacity);
    if (count == 0) return;
    for (std::uint32_t i = 0; i < count; ++i, ++handled_) {
        std::uint8_t entry[page::kEntrySize];
        std::memcpy(
            entry, page_ + page::kRingEntries + (handled_ % page::kRingCapacity) * page::kEntrySize,
            sizeof entry);
        std::array<std::int32_t, 3> slots{};
        for (std::size_t k = 0; k < slots.size(); ++k)
            slots[k] = lumora::layout::read_i32(entry, 4 + 4 * k);
        const std::int32_t result = posted(entry[0], entry[1], slots);
        // The client foresaw its window's number; from now on it waits for the answers.
        if (result != entry[1] - 32) word(page_, page::kRingFault).store(1);
    }
    word(page_, page::kRingTail).store(handled_);
    wake_client(socket_fd);
}

void CommandPage::answer(const Handler& handle, const PostedHandler& posted, const Room& room,
                         int socket_fd) {
    // Everything posted before the command was posted before its sequence.
    const std::uint32_t request = word(page_, page::kRequest).load(std::memory_order_acquire);
    handle_posted(posted, socket_fd);
    if (request == answered_) return;
    // The client may change the page at any time: every word is read once, the bytes are
    // copied out, and the length is bounded before anything uses it.
    const std::uint32_t tag = word(page_, page::kTag).load(std::memory_order_relaxed);
    std::uint32_t length = word(page_, page::kLength).load(std::memory_order_relaxed);
    if (length > page::kCommandSpace) length = page::kCommandSpace;
    std::uint8_t command[page::kCommandSpace];
    std::memcpy(command, page_ + page::kCommand, length);
    const std::int32_t result = handle(tag, command, length);
    word(page_, page::kResult).store(static_cast<std::uint32_t>(result), std::memory_order_relaxed);
    // A command that waited brings the windows' true state: posting may go on after it.
    word(page_, page::kRingFault).store(0, std::memory_order_relaxed);
    word(page_, page::kRingRoom).store(room(), std::memory_order_relaxed);
    answered_ = request;
    word(page_, page::kAnswer).store(request);
    wake_client(socket_fd);
}

void CommandPage::wake_client(int socket_fd) {
    if (word(page_, page::kClientWaiting).load() != 0) {
        const std::uint8_t bell = 0;
        (void)send(socket_fd, &bell, page::kDoorbellSize, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}

}  // namespace luwnd::posix
