// The portable heart of the window process: it owns the process block and the window
// blocks, decodes every command, keeps the drawing-state words current and answers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "array_transfer.h"
#include "block_host.h"
#include "picture_saver.h"
#include "settings.h"
#include "text_dialogs.h"
#include "text_metrics.h"
#include "window_state.h"

namespace luwnd {

// What the host tells the core when it starts.
struct CoreConfig {
    std::int64_t window_handle = 0;  // published in the header line
    int connection_id = 1;           // published in the header line, expected back by 'K'
    std::string version = "0,9,9,9a";
    std::string trace_path;  // LUMORA_TRACE: one line per command, empty for none
    std::string options;     // the command line it was started with (see settings.h)
    // Scripted yes/no answers (see answer_script.h); when not given, LUMORA_ANSWERS.
    std::optional<std::string> answers;
    // Items each window's display list holds at most; more drawing is refused.
    std::size_t max_items = DisplayList::kMaxItems;
    // Bytes all windows' display lists hold together at most (see DrawingBudget); a
    // drawing command past it is refused with 0 and what is drawn stays.
    std::size_t max_drawing_bytes = DrawingBudget::kDefaultBytes;
    // Whether windows are offered to other programs after a quit with mode 0 (see
    // join_offer.h); when not given, LUMORA_JOINABLE decides: 1 offers, any other
    // non-empty value does not, and unset or empty offers when windows_stay_shown.
    std::optional<bool> joinable;
    // The host shows every window on a screen, where it stays after the client quit
    // until the user closes it.
    bool windows_stay_shown = false;
    // Scripted answers of the file-name dialog and the text query (see text_dialogs.h);
    // when not given, LUMORA_FILE_ANSWERS and LUMORA_QUERY_ANSWERS.
    std::optional<std::string> file_answers, query_answers;
    // Scripted events (see event_script.h); when not given, LUMORA_EVENTS.
    std::optional<std::string> events;
    // Real dialogs a host with a display provides (not owned); nullptr: the scripted ones.
    TextDialogs* dialogs = nullptr;
    // Measures texts with the renderer's fonts (not owned); nullptr: the estimate of
    // text_metrics.h.
    TextMeasure* text_measure = nullptr;
    // Writes pictures to the files 'B' 50 names (not owned); nullptr: 'B' 50 is refused.
    PictureSaver* picture_saver = nullptr;
    // The host ends once its client has quit or left (headless): the header then says
    // "ending" instead of idle, so that the next program starts its own window process.
    bool ends_after_quit = false;
    // The screen's resolution as the host found it (dots per inch). Without a /dpi option
    // it is the resolution new windows get, and the default page size grows with it so
    // that text stays readable on a dense screen.
    std::int32_t screen_dpi = 96;
    // Asked at each handshake that would take the idle process: false refuses it. A host
    // started by one program for itself keeps the process for that program this way.
    std::function<bool()> admits_handshake;
    // The host calls reply_read() once the program that got an answer in the process
    // block (an open, a mailbox exchange) has had its chance to read it. Until then the
    // header is not written over that answer. A host that cannot tell its programs apart
    // leaves this off: the header is then written whenever it changes.
    bool host_tracks_replies = false;
    // Told the process number a program names when it begins a buffered frame. A host
    // with no connection whose end tells that the program went away (Windows) watches the
    // process and calls end_frames() when it ends, so that a crashed program's frame is
    // shown; the number is the program's word, so watching the wrong process only ends
    // frames early.
    std::function<void(std::int32_t process)> watch_frame_program;
    // False makes a window process of an earlier kind, which answers the plot extension's
    // commands with 0, so that the tests can take the library's road for such a process.
    bool plot_extension = true;
};

class Core {
  public:
    Core(BlockHost& host, CoreConfig config);
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // Creates the first free process block LuWnd1 ... LuWnd16 and writes the idle header.
    // Returns the process number, or 0 when all sixteen names are taken.
    int publish();

    // Handles one delivered command (tag is the copy-data record's dwData) and returns
    // its 32-bit result. Every byte of data is untrusted.
    std::int32_t handle(std::uint32_t tag, const std::uint8_t* data, std::size_t length);

    // True when the latest command answered in the process block and reply_read() has not
    // been called since (only with CoreConfig::host_tracks_replies).
    bool reply_unread() const;

    // A move, a line or an erase ('A' 11, 'A' 20, 'B' 4) that the client posted without
    // waiting for its answer (client/platform/posix/command_page_layout.h): handled as handle()
    // handles the slot command of letter and window character, with these slots in place of the
    // block's. Any other command is refused, 0, untraced.
    std::int32_t handle_posted(std::uint8_t letter, std::uint8_t window_char,
                               const std::array<std::int32_t, 3>& slots);
    // How many posted lines every open window's display list takes for certain.
    std::uint32_t posting_room();
    // The answer in the process block was read (or its reader had its chance): the header
    // held back meanwhile is written, and a window on offer is published again, so that
    // programs looking for one find it instead of the answer.
    void reply_read();

    // The client went away without 'L': the process becomes idle again, so that the next
    // client can connect, and any unfinished array is dropped.
    void client_gone();
    // No program is left that could end a buffered frame (the last connection went, also
    // one that joined a window on offer): every window shows as it is.
    void end_frames();

    // The user resized window n on screen to a drawing area of width x height: the page
    // words, the unit and the origin follow the new size, and the scales keep the world
    // window where it was. False when n is not open.
    bool resize_window(int window, std::int32_t width, std::int32_t height);
    // The user closed window n on screen. While a client is connected, every command it
    // sends afterwards except 'L' is answered 0x80000002: the client quits and ends with
    // status 0. Returns whether a client was told so.
    bool window_closed_by_user(int window);
    // The user zooms window n's plot under the pixel (x, y) (device pixels from the top
    // left) by factor (> 1 in, < 1 out) about that point: the frame is laid out anew for
    // the ranges it then shows. False when no plot frame is there or the ranges could
    // not be shown (the view stays).
    bool zoom_plot(int window, std::int32_t x, std::int32_t y, double factor);
    // The user drags the plot under (x, y) by (dx, dy) device pixels.
    bool pan_plot(int window, std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
    // The user zooms the plot under the corner (x0, y0) to the rectangle to (x1, y1).
    bool zoom_plot_to(int window, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                      std::int32_t y1);
    // Every plot of window n shows the program's ranges again; false when none was changed.
    bool reset_plot_views(int window);
    // What the plot under the pixel (x, y) of window n shows there, in its own coordinates
    // ("x = 2.51  y = 0.731"); empty when no plot frame is there.
    std::string plot_readout(int window, std::int32_t x, std::int32_t y);
    // The user pressed a key or a mouse button in window n (at a pixel of its page; the
    // event's kind says which): kept in the window's queue until the program asks for it
    // ('B' 80).
    void window_event(int window, const WindowEvent& event);
    // The program waiting in window n for a click or a key, and the band it pulls; none
    // when no program waits there.
    std::optional<CursorWait> cursor_wait(int window) const;
    // True between a handshake and the client's 'L' or its going away.
    bool client_connected() const;
    // True once any handshake was accepted.
    bool claimed_once() const;

    int process_number() const;
    // The resolution the windows are drawn for, in dots per inch (across).
    std::int32_t resolution() const;
    // Set once the client said 'L'; the host may end when no window is left to show.
    bool quit_requested() const;
    // True while a window is offered to other programs (join_offer.h): the host keeps
    // serving although the client quit.
    bool offers_join() const;
    // The last complete array of an open window, or nullptr.
    const ArrayData* completed_array(int window) const;
    // What the window process keeps for open window n (attributes, colours, display
    // list), or nullptr.
    const WindowState* window_state(int window) const;
    // Where the parameter slots of open window n lie in its block, or nullptr. A host may
    // watch them while it waits for the next command (the client writes them first).
    const std::uint8_t* slots_of(int window) const;
    // The window the latest slot command named (0 before any).
    int last_slot_window() const;
    // Changes whenever a window opens or closes (see WindowStore::changes).
    std::uint64_t window_changes() const;
    // The settings taken from the options, as changed by 'B' 10 since.
    const ProcessSettings& settings() const;

  private:
    struct State;
    // New ranges for the frame under the page point (x, y up), or none to keep its view.
    using ViewChange = std::function<std::optional<lumora::plotcore::Ranges>(
        const lumora::plotcore::Frame&, double x, double y)>;
    bool change_plot_view(int window, std::int32_t x, std::int32_t y, const char* what,
                          const ViewChange& change);
    // The window's frame under the pixel (x, y), as it is shown, with the page point there.
    std::optional<lumora::plotcore::Frame> plot_frame_at(int window, std::int32_t x, std::int32_t y,
                                                         double& px, double& py);

    std::unique_ptr<State> state_;
};

}  // namespace luwnd
