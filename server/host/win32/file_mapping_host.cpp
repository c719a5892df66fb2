#include "file_mapping_host.h"

namespace luwnd::win32 {

FileMappingHost::~FileMappingHost() {
    while (!blocks_.empty()) destroy_block(blocks_.begin()->first);
}

std::string FileMappingHost::mapping_name(const std::string& name) const {
    return ns_.empty() ? name : ns_ + "." + name;
}

std::uint8_t* FileMappingHost::create_block(const std::string& name, std::size_t size) {
    if (blocks_.count(name) != 0 || size == 0 || size > 0x7FFFFFFF) return nullptr;
    HANDLE handle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       static_cast<DWORD>(size), mapping_name(name).c_str());
    if (handle == nullptr) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return nullptr;
    }
    void* view = MapViewOfFile(handle, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (view == nullptr) {
        CloseHandle(handle);
        return nullptr;
    }
    blocks_[name] = Mapping{handle, view};
    return static_cast<std::uint8_t*>(view);
}

void FileMappingHost::destroy_block(const std::string& name) {
    auto it = blocks_.find(name);
    if (it == blocks_.end()) return;
    UnmapViewOfFile(it->second.view);
    CloseHandle(it->second.handle);
    blocks_.erase(it);
}

}  // namespace luwnd::win32
