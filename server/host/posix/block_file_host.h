// Blocks as files in the user's private runtime directory (see runtime_names.h), named
// as the client spells them ("LuWnd1", "LuWnd1:2"), mapped shared. Files are created
// exclusively with mode 0600 and removed again on exit; one a dead process left behind
// is taken over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "server/core/block_host.h"

namespace luwnd::posix {

class BlockFileHost : public BlockHost {
  public:
    explicit BlockFileHost(std::string directory) : directory_(std::move(directory)) {}
    ~BlockFileHost() override;
    BlockFileHost(const BlockFileHost&) = delete;
    BlockFileHost& operator=(const BlockFileHost&) = delete;

    std::uint8_t* create_block(const std::string& name, std::size_t size) override;
    void destroy_block(const std::string& name) override;

    // The file of a block.
    std::string block_file(const std::string& name) const;
    // Removes the files of every block, leaving the mappings: for a process that must end
    // at once (its display went away) and cannot run its destructors.
    void unlink_all() const;

  private:
    struct Mapping {
        void* data = nullptr;
        std::size_t size = 0;
    };
    std::uint8_t* create_file(const std::string& path, std::size_t size);
    bool remove_if_stale(const std::string& path, bool is_window_block);

    std::string directory_;
    std::map<std::string, Mapping> blocks_;
};

}  // namespace luwnd::posix
