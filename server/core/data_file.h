// The window process's own data files ("*.lmd"), loaded into a window by 'B' 11. A data
// file is a text file, one item per line, in device units of the window:
//
//   LMD 1                      the first line, exactly: the signature
//   # any text                 a comment; blank lines are skipped too
//   line <x1> <y1> <x2> <y2>   a line in the window's pen
//   box <x1> <y1> <x2> <y2>    a rectangle outline between the two corners, as 'A' 21
//   text <x> <y> <text>        the rest of the line (after one blank) in the text font
//
// Numbers are decimal integers from -1000000 to 1000000. A line that is none of these,
// or longer than 4095 characters, is skipped and counted. The items take the window's
// attributes at the time of loading. At most the first 64 MiB of a file are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

#include "display_list.h"

namespace luwnd {

struct DataFile {
    std::vector<DrawItem> items;  // without attributes
    std::int32_t skipped = 0;     // lines that were not understood
};

inline constexpr std::size_t kMaxDataLine = 4095;
inline constexpr std::int32_t kMaxDataCoordinate = 1000000;
inline constexpr std::uint64_t kMaxDataFileBytes = std::uint64_t{64} << 20;

// Reads a data file; nothing when the signature line is missing. At most max_items items
// are read; the rest of the file is ignored.
std::optional<DataFile> read_data_file(std::istream& in, std::size_t max_items);

}  // namespace luwnd
