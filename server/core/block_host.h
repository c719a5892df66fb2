// Where the window process's shared blocks live: named file mappings on Windows, POSIX
// shared memory on Linux, plain memory in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace luwnd {

class BlockHost {
  public:
    virtual ~BlockHost() = default;
    // Creates a new zero-filled block of the given size under the name (as the client
    // spells it, e.g. "LuWnd1:2"). Fails with nullptr when the name is taken.
    virtual std::uint8_t* create_block(const std::string& name, std::size_t size) = 0;
    // Removes a block made by create_block; unknown names are ignored.
    virtual void destroy_block(const std::string& name) = 0;
};

}  // namespace luwnd
