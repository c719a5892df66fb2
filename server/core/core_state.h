// Inside of the core, shared by the files that handle the command families.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "answer_script.h"
#include "core.h"
#include "display_list.h"
#include "event_script.h"
#include "font_widths_cache.h"
#include "plotcore/item_canvas.h"
#include "presets.h"
#include "process_metrics.h"
#include "trace.h"
#include "window_store.h"

namespace luwnd {

// The three parameter slots of a window block.
struct Slots {
    std::int32_t p1 = 0, p2 = 0, p3 = 0;
};

// Writes result1 .. result4 of the block and traces them as r1= .. r4=.
void write_results(std::uint8_t* block, const std::array<std::int32_t, 4>& words, TraceLine& line);

struct Core::State {
    State(BlockHost& block_host, CoreConfig core_config);

    BlockHost& host;
    CoreConfig config;
    TraceFile trace;
    DrawingBudget budget;  // before the windows, whose display lists draw on it
    WindowStore windows;
    ProcessMetrics metrics;
    ProcessSettings settings;
    AnswerScript answers;
    EventScript event_script;
    PresetTable presets;
    std::uint8_t* process_block = nullptr;
    std::string process_name;
    int process_number = 0;
    int last_slot_window = 0;  // the window the latest slot command named
    // The slots of a posted command, in place of its block's while it is handled.
    std::optional<Slots> posted_slots;
    bool quit = false;
    bool offering = false;       // a window is offered for joining (join_offer.h)
    bool connected = false;      // between a handshake and the client's quit or going away
    bool end_requested = false;  // the user closed a window: the client is to quit
    bool claimable = false;      // the header says idle: one handshake may take the process
    bool claimed_once = false;   // a handshake was accepted since the process started
    bool reply_unread = false;   // an answer in the process block waits for its reader
    int held_header = -1;        // the header state to write once it is read, -1 for none
    ScriptedDialogs scripted_dialogs;
    FontWidthsCache font_widths;    // 'B' 73's answers, per face and style
    const char* refusal = nullptr;  // why the current command got 0, for the trace

    // The font widths the plot layout measures texts with, per style.
    lumora::plotcore::StyleWidths style_widths() {
        return [this](int style) -> const lumora::plotcore::FontWidths& {
            return font_widths.get("", style);
        };
    }
    // Lays window's plots out again for its page and the ranges it shows; the batches changed.
    std::size_t relay_plots(Window& window);

    std::int32_t refuse(const char* reason) {
        refusal = reason;
        return 0;
    }
    void write_header(int state);
    // An answer to one program was written into the process block.
    void reply_written();
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
    std::int32_t a_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t b_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t window_metrics(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t channel_test(const Slots& slots);
    std::int32_t mailbox(TraceLine& line);

    // Coordinate systems and views (view_commands.cpp).
    std::int32_t coordinates_changed(Window& window, int n, TraceLine& line);
    std::int32_t restore_view(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t viewport_query(Window& window, int n, TraceLine& line);

    // Window settings (setting_commands.cpp).
    void apply_open_parameters(Window& window, const std::int32_t* values);
    std::int32_t switch_command(int n, const Slots& slots, TraceLine& line);
    std::int32_t g_command(Window& window, int n, const Slots& slots);
    std::int32_t b16_command(Window& window, int n, const Slots& slots);
    std::int32_t window_closed(int n);
    std::int32_t display_counts(Window& window, int n, TraceLine& line);

    // Colours, pen, marker, transform and rectangle (attribute_commands.cpp).
    std::int32_t set_colour_entry(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t colour_entry_query(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t apply_attributes(Window& window, int n, TraceLine& line);
    std::int32_t set_transform(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t transform_query(Window& window, int n);
    std::int32_t set_rectangle(Window& window, int n, const Slots& slots, TraceLine& line);

    // Lines, figures and markers (figure_commands.cpp).
    std::int32_t move(Window& window, int n, const Slots& slots);
    std::int32_t line_to(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t figure(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t marker(Window& window, int n, const Slots& slots);
    // Adds the item with the window's attributes; false when the list is full.
    bool record(Window& window, DrawItem item, bool text_colour = false);

    // Fonts, texts and symbols (font_commands.cpp).
    std::int32_t set_font(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t draw_text(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t draw_symbol(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t text_extent_query(Window& window, int n, TraceLine& line);
    std::int32_t symbol_extent_query(Window& window, int n, TraceLine& line);

    // Offering windows for joining (join_offer.cpp): true when an offer is now published.
    bool offer_windows();
    int offered_window();
    void refresh_offer();

    // Data files, the file-name dialog and the text query (file_commands.cpp).
    std::int32_t load_data_file(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t file_name_dialog(Window& window, TraceLine& line);
    std::int32_t text_query(Window& window, int n, TraceLine& line);
    TextDialogs& dialogs() {
        return config.dialogs != nullptr ? *config.dialogs : scripted_dialogs;
    }

    // Dialogs (dialog_commands.cpp).
    std::int32_t show_message(Window& window, TraceLine& line);
    std::int32_t ask_yes_no(Window& window, int n, TraceLine& line);

    // Arrays in chunks (array_commands.cpp).
    std::int32_t announce_array(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t array_chunk(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t complete_array(Window& window, int n, TraceLine& line);
    std::int32_t discard_array(Window& window, int n);

    // Pictures in chunks, 'B' 60 .. 63 (image_commands.cpp).
    std::int32_t announce_image(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t image_chunk(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t complete_image(Window& window, int n, TraceLine& line);
    std::int32_t discard_image(Window& window, int n);

    // Further window commands, told in further_commands.h (further_commands.cpp).
    std::int32_t further_a_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t further_b_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t grid(Window& window, int n, TraceLine& line);
    std::int32_t erase(Window& window, int n, TraceLine& line);
    std::int32_t set_title(Window& window, int n, TraceLine& line);
    std::int32_t save_picture(Window& window, int n, TraceLine& line);
    std::int32_t set_background(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t remove_last(Window& window, int n, const Slots& slots, TraceLine& line);
    // Buffered frames 'B' 72 (frame_commands.cpp).
    std::int32_t buffered_frame(Window& window, int n, const Slots& slots, TraceLine& line);
    // The program is done with every frame it began: each window shows as it is.
    void end_frames();
    // Marker colour 'A' 18, 'B' 27, 'B' 28 (marker_commands.cpp).
    std::int32_t set_marker_colour(Window& window, int n, TraceLine& line);
    std::int32_t marker_colour_query(Window& window, int n, TraceLine& line);
    // Points 'A' 19 and 'F' (point_commands.cpp).
    std::int32_t point(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t point_query(Window& window, int n, const Slots& slots, TraceLine& line);
    // Queries 'B' 1, 'B' 15 and 'P' (query_commands.cpp).
    std::int32_t window_query(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t value_query(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t process_query(int n, int code);
    // The plot extension 'B' 70, 71, 73, 74 (plot_commands.cpp).
    std::int32_t plot_command(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t make_plot_block(Window& window, int n, TraceLine& line);
    std::int32_t draw_batch(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t font_widths_reply(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t remove_element(Window& window, int n, const Slots& slots, TraceLine& line);
    // What the user does on screen (screen_events.cpp).
    bool resize_window(int window, std::int32_t width, std::int32_t height);
    bool window_closed_by_user(int window);
    // Events 'B' 80 (event_commands.cpp).
    std::int32_t next_event(Window& window, int n, const Slots& slots, TraceLine& line);
    std::optional<WindowEvent> take_event(Window& window, int n);
    // The frames of the window's plots as laid out on its page now (cursor_position.h).
    std::vector<lumora::plotcore::Frame> window_frames_now(const Window& window);
    // Whether the command asks window n for its next event while a close waits there: it
    // is answered even after the close ended the program's other commands.
    bool reports_close(char letter, const std::uint8_t* data, std::size_t length);
    // Presets 'B' 32, 'B' 33 (preset_commands.cpp).
    std::int32_t save_preset(Window& window, int n, const Slots& slots, TraceLine& line);
    std::int32_t apply_preset(Window& window, int n, const Slots& slots, TraceLine& line);
};

}  // namespace luwnd
