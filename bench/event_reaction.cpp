// How soon a live view sees a key pressed in its window. A program on a virtual X screen
// erases and draws its frame again and again (as fast as it can, or one every PERIOD
// milliseconds) and asks for the user's events after each frame, as a view that stops on
// 'q' does; keys are sent to its window at uneven times. For each key the frames the
// program began after the one under way when the key was sent are counted: 1 means it saw
// the key at the end of the next frame.
//   event_reaction [KEYS] [PERIOD_MS]     (LUMORADIR names the folder of luwnd)
// Prints how many keys were seen how many frames late, the milliseconds from sending to
// seeing, and the frame time.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "lumora.h"
#include "virtual_display.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPoints = 200;
constexpr int kMaxFrames = 2000000;

std::int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// What the program writes back: a frame begun (key 0) or a key seen during a frame.
struct Record {
    std::int64_t ns = 0;
    int frame = 0;
    int key = 0;
};

void draw_frame(int k, std::vector<float>& x, std::vector<float>& y) {
    lu_plot_begin_frame();
    lu_send_command_b4();
    lu_plot_frame(0, 6.3f, -1.2f, 1.2f, LU_PLOT_GRID);
    for (int i = 0; i < kPoints; ++i) {
        const auto u = static_cast<std::size_t>(i);
        x[u] = 6.3f * static_cast<float>(i) / (kPoints - 1);
        y[u] = std::sin(x[u] + 0.05f * static_cast<float>(k));
    }
    lu_plot_line(kPoints, x.data(), y.data());
    lu_plot_end_frame();
}

// The live view: frames until 'q' (or the frame limit); its records go to fd at the end.
int live_view(int fd, int period_ms) {
    if (lu_open_window(0) == 0) return 1;
    std::vector<float> x(kPoints), y(kPoints);
    std::vector<Record> records;
    bool quit = false;
    const auto period = std::chrono::milliseconds(period_ms);
    auto next = Clock::now();
    for (int k = 0; k < kMaxFrames && !quit; ++k) {
        records.push_back({now_ns(), k, 0});
        draw_frame(k, x, y);
        int kind = LU_EVENT_NONE, key = 0;
        while (lu_poll_event(&kind, nullptr, nullptr, &key) != 0 && kind != LU_EVENT_NONE) {
            if (kind != LU_EVENT_KEY) continue;
            if (key == 'q') quit = true;
            records.push_back({now_ns(), k, key});
        }
        if (period_ms > 0) std::this_thread::sleep_until(next += period);
    }
    lu_quit();
    const auto bytes = records.size() * sizeof(Record);
    return write(fd, records.data(), bytes) == static_cast<ssize_t>(bytes) ? 0 : 1;
}

std::vector<Record> read_records(int fd) {
    std::vector<Record> records;
    Record r;
    while (read(fd, &r, sizeof r) == static_cast<ssize_t>(sizeof r)) records.push_back(r);
    return records;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Sends the keys; the times each was sent (after the X server had it).
std::vector<std::int64_t> send_keys(lumora::test::VirtualDisplay& screen, unsigned long window,
                                    int keys) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gap(15, 60);
    std::vector<std::int64_t> sent;
    // The first frames are drawn while the window comes up.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (int i = 0; i < keys; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(gap(random)));
        screen.press_key(window, "a");
        sent.push_back(now_ns());
    }
    screen.press_key(window, "q");
    return sent;
}

int report(const std::vector<Record>& records, const std::vector<std::int64_t>& sent) {
    std::vector<std::int64_t> frames;
    std::vector<Record> seen;
    for (const Record& r : records) {
        if (r.key == 0)
            frames.push_back(r.ns);
        else
            seen.push_back(r);
    }
    if (seen.size() < sent.size() || frames.size() < 2) {
        std::printf("only %zu of %zu keys seen in %zu frames\n", seen.size(), sent.size(),
                    frames.size());
        return 1;
    }
    std::vector<int> late_count(4, 0);
    std::vector<double> ms, frame_ms;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const auto under_way =
            std::upper_bound(frames.begin(), frames.end(), sent[i]) - frames.begin() - 1;
        const int late = seen[i].frame - static_cast<int>(under_way);
        ++late_count[static_cast<std::size_t>(std::clamp(late, 0, 3))];
        ms.push_back(static_cast<double>(seen[i].ns - sent[i]) / 1e6);
    }
    for (std::size_t i = 1; i < frames.size(); ++i)
        frame_ms.push_back(static_cast<double>(frames[i] - frames[i - 1]) / 1e6);
    std::printf(
        "%zu keys over %zu frames (median frame %.3f ms): seen in the frame under way %d, "
        "the next %d, the one after %d, later %d; sent to seen median %.3f ms, "
        "max %.3f ms\n",
        sent.size(), frames.size(), median(frame_ms), late_count[0], late_count[1], late_count[2],
        late_count[3], median(ms), *std::max_element(ms.begin(), ms.end()));
    return late_count[2] + late_count[3] == 0 ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    const int keys = argc > 1 ? std::atoi(argv[1]) : 50;
    const int period_ms = argc > 2 ? std::atoi(argv[2]) : 0;
    if (keys <= 0 || period_ms < 0 || std::getenv("LUMORADIR") == nullptr) {
        std::fprintf(stderr, "usage: LUMORADIR=<luwnd folder> event_reaction [KEYS] [PERIOD_MS]\n");
        return 2;
    }
    lumora::test::VirtualDisplay screen;
    if (!screen.ready()) {
        std::fprintf(stderr, "no virtual X screen (Xvfb)\n");
        return 2;
    }
    setenv("DISPLAY", screen.name().c_str(), 1);
    int fds[2];
    if (pipe(fds) != 0) return 2;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        _exit(live_view(fds[1], period_ms));
    }
    close(fds[1]);
    const unsigned long window = screen.wait_for_window();
    if (window == 0) {
        std::fprintf(stderr, "the live view's window did not come up\n");
        kill(child, SIGTERM);
        return 2;
    }
    const std::vector<std::int64_t> sent = send_keys(screen, window, keys);
    const std::vector<Record> records = read_records(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return report(records, sent);
}
