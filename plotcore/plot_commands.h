// The command codes and sizes of the plot extension, shared by the library and the window
// process. What each command carries and answers is listed with the window process's
// other commands (server/core/further_commands.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora::plotcore {

// Sub-codes of the letter 'B' ('B' 60 .. 63 carry pictures, see server/core/image_transfer.h).
inline constexpr std::int32_t kPlotBlock = 70;
inline constexpr std::int32_t kPlotBatch = 71;
inline constexpr std::int32_t kBufferedFrame = 72;
inline constexpr std::int32_t kFontWidths = 73;
inline constexpr std::int32_t kRemoveElement = 74;

// 'B' 72 slot 2.
inline constexpr std::int32_t kFrameBegin = 1;
inline constexpr std::int32_t kFrameEnd = 0;
inline constexpr std::int32_t kFrameAsk = -1;

// The plot block of a window: its name from the process and window numbers, its size.
inline constexpr const char* kPlotBlockFormat = "LuWnd%d:%d:plot";
inline constexpr std::size_t kPlotBlockSize = std::size_t{1} << 20;
// Element handles run from 1 to this.
inline constexpr std::int32_t kMaxElement = 0x3FFFFFFF;

}  // namespace lumora::plotcore
