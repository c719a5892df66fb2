#include "command_page.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
           word(page_, page::kRequest).load(std::memory_order_acquire) != answered_;
}

void CommandPage::set_waiting(bool waiting) {
    if (page_ != nullptr) word(page_, page::kServerWaiting).store(waiting ? 1 : 0);
}

void CommandPage::answer(const Handler& handle, int socket_fd) {
    // The client may change the page at any time: every word is read once, the bytes are
    // copied out, and the length is bounded before anything uses it.
    const std::uint32_t request = word(page_, page::kRequest).load(std::memory_order_acquire);
    const std::uint32_t tag = word(page_, page::kTag).load(std::memory_order_relaxed);
    std::uint32_t length = word(page_, page::kLength).load(std::memory_order_relaxed);
    if (length > page::kCommandSpace) length = page::kCommandSpace;
    std::uint8_t command[page::kCommandSpace];
    std::memcpy(command, page_ + page::kCommand, length);
    const std::int32_t result = handle(tag, command, length);
    word(page_, page::kResult).store(static_cast<std::uint32_t>(result), std::memory_order_relaxed);
    answered_ = request;
    word(page_, page::kAnswer).store(request);
    if (word(page_, page::kClientWaiting).load() != 0) {
        const std::uint8_t bell = 0;
        (void)send(socket_fd, &bell, page::kDoorbellSize, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}

}  // namespace luwnd::posix
