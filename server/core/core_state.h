// Inside of the core, shared by the files that handle the command families.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core.h"
#include "process_metrics.h"
#include "trace.h"
#include "window_store.h"

namespace luwnd {

// The three parameter slots of a window block.
struct Slots {
    std::int32_t p1 = 0, p2 = 0, p3 = 0;
};

struct Core::State {
    State(BlockHost& block_host, CoreConfig core_config);

    BlockHost& host;
    CoreConfig config;
    TraceFile trace;
    WindowStore windows;
    ProcessMetrics metrics;
    std::uint8_t* process_block = nullptr;
    std::string process_name;
    int process_number = 0;
    bool quit = false;
    const char* refusal = nullptr;  // why the current command got 0, for the trace

    std::int32_t refuse(const char* reason) {
        refusal = reason;
        return 0;
    }
    void write_header(int state);
    std::int32_t dispatch(std::uint32_t tag, const std::uint8_t* data, std::size_t length,
                          TraceLine& line);

    // Comma forms and probes (text_commands.cpp).
    std::int32_t comma_command(char letter, std::string_view text, TraceLine& line);
    std::int32_t handshake(std::string_view text, TraceLine& line);
    std::int32_t open_window(std::string_view text, TraceLine& line);
    std::int32_t quit_command(std::string_view text, TraceLine& line);
    std::int32_t probe(const std::uint8_t* data, std::size_t length, TraceLine& line);

    // Slot and character forms (slot_commands.cpp).
    std::int32_t slot_command(char letter, int n, TraceLine& line);
    std::int32_t char_command(char letter, int n, int arg, TraceLine& line);
    std::int32_t close_window(int n);
    std::int32_t a_command(Window& window, int n, const Slots& slots);
    std::int32_t b_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t window_metrics(Window& window, int n, const Slots& slots);
    std::int32_t channel_test(const Slots& slots);
    std::int32_t mailbox(TraceLine& line);

    // Arrays in chunks (array_commands.cpp).
    std::int32_t announce_array(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t array_chunk(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t complete_array(Window& window, int n, TraceLine& line);
    std::int32_t discard_array(Window& window, int n);
};

}  // namespace luwnd
