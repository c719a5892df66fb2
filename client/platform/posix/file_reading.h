// Reading a file from given offsets, with the error number of the failing call.
#pragma once

#include <cstdint>

namespace lumora::platform::posix {

// A file descriptor, or -1 with error set.
int open_for_reading(const char* path, int& error);
bool seek_to(int fd, std::int32_t offset, int& error);
// Reads until count bytes are there or the file ends.
bool read_up_to(int fd, void* buffer, std::uint32_t count, std::uint32_t& bytes_read, int& error);

}  // namespace lumora::platform::posix
