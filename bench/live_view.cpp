// A live view through the real window process: the window is erased and a frame with a
// grid and a 200-point curve (a sine moving along) is drawn again, FRAMES times (400
// unless given), each time inside a buffered frame, so that the screen only ever shows
// whole frames. "unbuffered" draws the same without the frames, to compare; "polled" also
// looks for the user's events after each frame (lu_poll_event), as a view that stops on
// 'q' does.
//   live_view [FRAMES] [unbuffered|polled]
// Prints the seconds in all and the milliseconds per frame, and the calls refused.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lumora.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPoints = 200;
constexpr float kPi = 3.14159265f;

// The curve of frame k: one period of a sine, shifted a little further each frame.
void curve(int k, std::vector<float>& x, std::vector<float>& y) {
    for (int i = 0; i < kPoints; ++i) {
        x[static_cast<std::size_t>(i)] = 2 * kPi * static_cast<float>(i) / (kPoints - 1);
        y[static_cast<std::size_t>(i)] =
            std::sin(x[static_cast<std::size_t>(i)] + 0.05f * static_cast<float>(k));
    }
}

// One frame; the number of calls refused.
int draw_frame(int k, bool buffered, std::vector<float>& x, std::vector<float>& y) {
    int refused = 0;
    if (buffered && lu_plot_begin_frame() == 0) ++refused;
    if (lu_send_command_b4() == 0) ++refused;
    if (lu_plot_frame(0, 2 * kPi, -1.2f, 1.2f, LU_PLOT_GRID) == 0) ++refused;
    curve(k, x, y);
    if (lu_plot_line(kPoints, x.data(), y.data()) == 0) ++refused;
    if (buffered && lu_plot_end_frame() == 0) ++refused;
    return refused;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 400;
    const bool buffered = !(argc > 2 && std::strcmp(argv[2], "unbuffered") == 0);
    const bool polled = argc > 2 && std::strcmp(argv[2], "polled") == 0;
    if (frames <= 0) {
        std::fprintf(stderr, "usage: live_view [FRAMES] [unbuffered|polled]\n");
        return 2;
    }
    if (lu_open_window(0) == 0) return 1;
    std::vector<float> x(kPoints), y(kPoints);
    int refused = 0;
    const auto start = Clock::now();
    for (int k = 0; k < frames; ++k) {
        refused += draw_frame(k, buffered, x, y);
        int kind = LU_EVENT_NONE;
        if (polled && lu_poll_event(&kind, nullptr, nullptr, nullptr) == 0) ++refused;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%d frames %s: %.3f s, %.3f ms a frame, %d calls refused\n", frames,
                polled     ? "polled"
                : buffered ? "buffered"
                           : "unbuffered",
                seconds, 1000 * seconds / frames, refused);
    lu_quit();
    return refused == 0 ? 0 : 1;
}
