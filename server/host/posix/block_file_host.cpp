#include "block_file_host.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>

#include "client/platform/posix/runtime_names.h"
#include "owners.h"

namespace luwnd::posix {
namespace {

bool is_window_block(const std::string& name) {
    return name.find(':') != std::string::npos;
}

}  // namespace

// Window blocks go before their process block: a window block without its process block
// counts as left over, and another process could otherwise remove it, or take the
// number and make its own, which we would then remove.
BlockFileHost::~BlockFileHost() {
    while (!blocks_.empty()) destroy_block(std::prev(blocks_.end())->first);
}

std::string BlockFileHost::block_file(const std::string& name) const {
    return lumora::platform::posix::block_path(directory_, name);
}

// We hold the process block of a number, so a window block of the same number can only
// be left over from an earlier holder.
bool BlockFileHost::remove_if_stale(const std::string& path, bool window_block) {
    if (file_is_missing(path)) return true;  // vanished meanwhile: free again
    const bool stale = window_block ? is_own_file(path) : owner_is_gone(path);
    return stale && unlink(path.c_str()) == 0;
}

// O_EXCL never follows a symbolic link: whatever is at the path already makes it fail.
std::uint8_t* BlockFileHost::create_file(const std::string& path, std::size_t size) {
    const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    void* data = MAP_FAILED;
    if (fchmod(fd, 0600) == 0 && ftruncate(fd, static_cast<off_t>(size)) == 0)
        data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int failure = errno;
    close(fd);
    if (data == MAP_FAILED) {
        unlink(path.c_str());
        errno = failure;
        return nullptr;
    }
    return static_cast<std::uint8_t*>(data);
}

std::uint8_t* BlockFileHost::create_block(const std::string& name, std::size_t size) {
    const std::string path = block_file(name);
    if (blocks_.count(name) != 0 || size == 0 || path.empty()) return nullptr;
    const bool window_block = is_window_block(name);
    const std::size_t total = window_block ? size : size + kOwnerTail;
    std::uint8_t* data = create_file(path, total);
    if (data == nullptr && errno == EEXIST && remove_if_stale(path, window_block))
        data = create_file(path, total);
    if (data == nullptr) return nullptr;
    if (!window_block) write_owner(data, size);
    blocks_[name] = Mapping{data, total};
    return data;
}

void BlockFileHost::unlink_all() const {
    for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it)
        unlink(block_file(it->first).c_str());
}

void BlockFileHost::destroy_block(const std::string& name) {
    auto it = blocks_.find(name);
    if (it == blocks_.end()) return;
    munmap(it->second.data, it->second.size);
    unlink(block_file(name).c_str());
    blocks_.erase(it);
}

}  // namespace luwnd::posix
