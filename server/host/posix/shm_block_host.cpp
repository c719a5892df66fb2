#include "shm_block_host.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "client/platform/posix/runtime_names.h"
#include "owners.h"

namespace luwnd::posix {
namespace {

bool is_window_block(const std::string& name) {
    return name.find(':') != std::string::npos;
}

}  // namespace

ShmBlockHost::~ShmBlockHost() {
    while (!blocks_.empty()) destroy_block(blocks_.begin()->first);
}

std::string ShmBlockHost::object_name(const std::string& name) const {
    return lumora::platform::posix::block_object_name(ns_, token_, name.c_str());
}

// We hold the process block of a number, so a window block of the same number can only
// be left over from an earlier holder.
bool ShmBlockHost::remove_if_stale(const std::string& object, bool window_block) {
    if (object_is_missing(object)) return true;  // vanished meanwhile: free again
    const bool stale = window_block ? is_own_object(object) : owner_is_gone(object);
    return stale && shm_unlink(object.c_str()) == 0;
}

std::uint8_t* ShmBlockHost::create_object(const std::string& object, std::size_t size) {
    int fd = shm_open(object.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
    if (fd < 0) return nullptr;
    void* data = MAP_FAILED;
    if (ftruncate(fd, static_cast<off_t>(size)) == 0)
        data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (data == MAP_FAILED) {
        shm_unlink(object.c_str());
        return nullptr;
    }
    return static_cast<std::uint8_t*>(data);
}

std::uint8_t* ShmBlockHost::create_block(const std::string& name, std::size_t size) {
    if (blocks_.count(name) != 0 || size == 0) return nullptr;
    bool window_block = is_window_block(name);
    std::size_t total = window_block ? size : size + kOwnerTail;
    std::string object = object_name(name);
    std::uint8_t* data = create_object(object, total);
    if (data == nullptr && errno == EEXIST && remove_if_stale(object, window_block))
        data = create_object(object, total);
    if (data == nullptr) return nullptr;
    if (!window_block) write_owner(data, size);
    blocks_[name] = Mapping{data, total};
    return data;
}

void ShmBlockHost::unlink_all() const {
    for (const auto& [name, mapping] : blocks_) shm_unlink(object_name(name).c_str());
}

void ShmBlockHost::destroy_block(const std::string& name) {
    auto it = blocks_.find(name);
    if (it == blocks_.end()) return;
    munmap(it->second.data, it->second.size);
    shm_unlink(object_name(name).c_str());
    blocks_.erase(it);
}

}  // namespace luwnd::posix
