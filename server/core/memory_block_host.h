// Blocks in plain process memory: the window process core running inside a test.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "block_host.h"

namespace luwnd {

class MemoryBlockHost : public BlockHost {
  public:
    std::uint8_t* create_block(const std::string& name, std::size_t size) override {
        if (blocks_.count(name) != 0) return nullptr;
        auto& bytes = blocks_[name];
        bytes.assign(size, 0);
        return bytes.data();
    }
    void destroy_block(const std::string& name) override { blocks_.erase(name); }

    // The block of that name, or nullptr; size receives its size when found.
    std::uint8_t* find(const std::string& name, std::size_t* size = nullptr) {
        auto it = blocks_.find(name);
        if (it == blocks_.end()) return nullptr;
        if (size != nullptr) *size = it->second.size();
        return it->second.data();
    }

  private:
    std::map<std::string, std::vector<std::uint8_t>> blocks_;
};

}  // namespace luwnd
