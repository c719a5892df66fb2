// Who owns what a window process leaves behind: process blocks carry their owner's pid
// after the part the client reads, sockets carry it in their name (runtime_names.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace luwnd::posix {

// The bytes a process block has after its client part for the owner record.
constexpr std::size_t kOwnerTail = 8;

// Writes this process as the owner, after the first text_size bytes of a process block.
void write_owner(std::uint8_t* data, std::size_t text_size);

// True when no process with this pid exists (false for 0 and below: unknown).
bool process_is_gone(long pid);

// Whether nothing at all is at the path (not even a dangling symbolic link).
bool file_is_missing(const std::string& path);

// Whether something at the path (a symbolic link itself included) belongs to this user.
bool is_own_file(const std::string& path);

// Whether the file is a process block of ours whose owner has ended. A block that is
// still being made (empty, or without its owner yet) counts as alive; so does anything
// that is not a regular file of ours, which is never removed as stale.
bool owner_is_gone(const std::string& path);

}  // namespace luwnd::posix
