// The client's whole connection state: the block table, the one command buffer and
// copy-data record, and the connection-wide settings. Plain data, one instance per
// program, resettable by the tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "block_layout.h"
#include "client/platform/platform.h"

namespace lumora {

inline constexpr std::size_t kCommandBufferSize = 256;
inline constexpr std::size_t kNameSize = 256;
inline constexpr std::size_t kPathSize = 260;
// BlockTable::opacity of a window that draws opaquely.
inline constexpr std::uint16_t kOpaqueWindow = 1 + 255;

struct BlockTable {
    platform::MappedView blocks[layout::kTableSize] = {};  // window n at index n; 0 unused
    int open_count = 0;
    int current_window = 0;
    std::uint8_t* current_block = nullptr;
    char* current_text = nullptr;          // the current block's text area, as characters
    std::uint8_t* current_data = nullptr;  // the same area, as 32-bit words (via layout::)
    platform::MappedView process_block = {};
    int process_number = 0;
    platform::WindowHandle window_handle = 0;
    int connection_id = 0;
    char process_version[kNameSize] = {};
    char block_name[kNameSize] = {};
    // 1 + the opacity (0 ... 255) each window draws with now, 0 when it is not known (a
    // window joined from another program); a new window's is opaque.
    std::uint16_t opacity[layout::kTableSize] = {};
};

// The one copy-data record: tag (dwData), and the length of the next delivery.
struct CopyDataRecord {
    std::uint32_t tag = 0;
    const void* data = nullptr;
    std::uint32_t length = 0;
};

struct ClientState {
    BlockTable table;
    char command_buffer[kCommandBufferSize] = {};
    CopyDataRecord copy_data;
    int use_message_box = 1;  // until the program's kind is known, messages go to a box
    int ansi_code_page = 0;   // 0 until connected: English texts
    int quoted_command_line = 0;
    int has_quit = 0;
    int join_pending = 0;
    char program_file_name[kPathSize] = {};
    char window_command_line[kCommandBufferSize] = {};
};

ClientState& client_state();
// Back to the state of a freshly started program (tests).
void reset_client_state();

// Shorthands for the block table and a mapped window's block (nullptr when not mapped
// or when the number is outside 1 ... 63).
BlockTable& block_table();
std::uint8_t* window_block(int window);

}  // namespace lumora
