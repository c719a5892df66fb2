// Measures what connecting costs a program: the time from its first open_window (which
// finds or starts the window process, checks it and shakes hands) to the return, and the
// time of the quit that follows. Prints both in milliseconds.
#include <chrono>
#include <cstdio>

#include "lumora.h"

int main() {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const int window = lu_open_window(0);
    const auto opened = Clock::now();
    lu_quit_with_flag(0);
    const auto quitted = Clock::now();
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::printf("window=%d open_ms=%.2f quit_ms=%.2f\n", window, ms(opened - start),
                ms(quitted - opened));
    return window > 0 ? 0 : 1;
}
