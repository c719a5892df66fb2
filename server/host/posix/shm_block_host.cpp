#include "shm_block_host.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/platform/posix/runtime_names.h"

namespace luwnd::posix {
namespace {

namespace layout = lumora::layout;

// Process blocks carry the owner's pid after the part the client reads, so that a block
// left by a crashed process is recognised even when its header line was overwritten by a
// reply at the time of the crash.
constexpr std::size_t kOwnerTail = 8;
constexpr std::uint32_t kOwnerMagic = 0x6F57754Cu;  // "LuWo"

bool is_window_block(const std::string& name) {
    return name.find(':') != std::string::npos;
}

bool process_is_gone(long pid) {
    return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// The pid that owns a process block: the tail record, else the header's handle field.
long owner_pid(const std::uint8_t* data, std::size_t size) {
    std::size_t text_size = layout::kProcessBlockSize;
    if (size >= text_size + kOwnerTail &&
        static_cast<std::uint32_t>(layout::read_i32(data, text_size)) == kOwnerMagic)
        return layout::read_i32(data, text_size + 4);
    char header[64] = {};
    std::memcpy(header, data, size < sizeof header - 1 ? size : sizeof header - 1);
    int state = 0;
    long handle = 0;
    if (std::sscanf(header, "%d,%ld,", &state, &handle) != 2) return 0;
    return handle;
}

}  // namespace

ShmBlockHost::~ShmBlockHost() {
    while (!blocks_.empty()) destroy_block(blocks_.begin()->first);
}

std::string ShmBlockHost::object_name(const std::string& name) const {
    return lumora::platform::posix::block_object_name(ns_, name.c_str());
}

bool ShmBlockHost::remove_if_stale(const std::string& object, bool window_block) {
    int fd = shm_open(object.c_str(), O_RDONLY, 0);
    if (fd < 0) return errno == ENOENT;  // vanished meanwhile: free again
    struct stat info {};
    bool ours = fstat(fd, &info) == 0 && info.st_uid == geteuid();
    bool stale = false;
    if (ours && window_block) {
        // We hold the process block of this number, so a window block of the same number
        // can only be left over from an earlier holder.
        stale = true;
    } else if (ours && info.st_size > 0) {
        auto size = static_cast<std::size_t>(info.st_size);
        void* data = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        if (data != MAP_FAILED) {
            stale = process_is_gone(owner_pid(static_cast<const std::uint8_t*>(data), size));
            munmap(data, size);
        }
    }
    close(fd);
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
    if (!window_block) {
        layout::write_i32(data, size, static_cast<std::int32_t>(kOwnerMagic));
        layout::write_i32(data, size + 4, static_cast<std::int32_t>(getpid()));
    }
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
