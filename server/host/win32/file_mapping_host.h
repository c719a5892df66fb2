// Blocks as named file mappings backed by the paging file: "LuWnd1", "LuWnd1:2", or
// "<ns>.LuWnd1" with a namespace (LUMORA_NAMESPACE) that keeps test runs apart.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "server/core/block_host.h"

namespace luwnd::win32 {

class FileMappingHost : public BlockHost {
  public:
    explicit FileMappingHost(std::string ns) : ns_(std::move(ns)) {}
    ~FileMappingHost() override;
    FileMappingHost(const FileMappingHost&) = delete;
    FileMappingHost& operator=(const FileMappingHost&) = delete;

    // A name that already exists belongs to another process: it is not taken over.
    std::uint8_t* create_block(const std::string& name, std::size_t size) override;
    void destroy_block(const std::string& name) override;

    std::string mapping_name(const std::string& name) const;

  private:
    struct Mapping {
        HANDLE handle = nullptr;
        void* view = nullptr;
    };
    std::string ns_;
    std::map<std::string, Mapping> blocks_;
};

}  // namespace luwnd::win32
