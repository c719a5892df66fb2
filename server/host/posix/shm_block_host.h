// Blocks as POSIX shared memory objects named per user, with the token of the runtime
// directory (see runtime_names.h). Objects are
// created exclusively with mode 0600 and removed again on exit; one a dead process left
// behind is taken over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "server/core/block_host.h"

namespace luwnd::posix {

class ShmBlockHost : public BlockHost {
  public:
    ShmBlockHost(std::string ns, std::string token)
        : ns_(std::move(ns)), token_(std::move(token)) {}
    ~ShmBlockHost() override;
    ShmBlockHost(const ShmBlockHost&) = delete;
    ShmBlockHost& operator=(const ShmBlockHost&) = delete;

    std::uint8_t* create_block(const std::string& name, std::size_t size) override;
    void destroy_block(const std::string& name) override;

    // The shared memory object name of a block.
    std::string object_name(const std::string& name) const;
    // Removes the names of every block, leaving the mappings: for a process that must end
    // at once (its display went away) and cannot run its destructors.
    void unlink_all() const;

  private:
    struct Mapping {
        void* data = nullptr;
        std::size_t size = 0;
    };
    std::uint8_t* create_object(const std::string& object, std::size_t size);
    bool remove_if_stale(const std::string& object, bool is_window_block);

    std::string ns_;
    std::string token_;
    std::map<std::string, Mapping> blocks_;
};

}  // namespace luwnd::posix
