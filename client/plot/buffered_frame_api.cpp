// Buffered frames: between begin and end the window keeps showing what it showed before,
// and at the end it shows the new frame at once. Nesting counts; the window process keeps
// the depth, so that a frame begun in one call is ended in another.
#include "client/channel/block_layout.h"
#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora_plot.h"
#include "client/platform/platform.h"
#include "entry.h"
#include "plotcore/plot_commands.h"

using namespace lumora;
using namespace lumora::plot;

namespace {

// A begin names this program's process: a window process with no connection that ends
// when the program does (Windows) watches it, so that a frame the program leaves when it
// crashes is shown.
int frame_command(int window, std::int32_t what) {
    if (!is_open_window(window)) return refuse_no_window();
    const auto process =
        what == plotcore::kFrameBegin
            ? static_cast<std::int32_t>(lumora::platform::current().process_id() & 0x7FFFFFFF)
            : 0;
    if (command_with_3int(window, 'B', plotcore::kBufferedFrame, what, process) <= 0) {
        return refuse(what == plotcore::kFrameEnd ? "no buffered frame was begun"
                                                  : "the window process keeps no buffered frames");
    }
    return 1;
}

}  // namespace

extern "C" {

int lu_plot_begin_frame_in_window(int window) {
    return guarded(__func__, [&] { return frame_command(window, plotcore::kFrameBegin); });
}
int lu_plot_begin_frame(void) {
    return guarded(__func__, [&] { return lu_plot_begin_frame_in_window(current_window()); });
}
int lu_plot_begin_frame_(int* result) {
    return guarded(__func__, [&] { return store(result, lu_plot_begin_frame()); });
}

int lu_plot_end_frame_in_window(int window) {
    return guarded(__func__, [&] { return frame_command(window, plotcore::kFrameEnd); });
}
int lu_plot_end_frame(void) {
    return guarded(__func__, [&] { return lu_plot_end_frame_in_window(current_window()); });
}
int lu_plot_end_frame_(int* result) {
    return guarded(__func__, [&] { return store(result, lu_plot_end_frame()); });
}

}  // extern "C"
