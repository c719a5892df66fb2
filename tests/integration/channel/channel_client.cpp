// A client that drives a real window process through the library's channel, one scenario
// per command-line argument, and prints what it saw, one "key=value" line per step.
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "client/channel/block_ops.h"
#include "client/channel/client_state.h"
#include "client/channel/primitives.h"
#include "client/channel/transport.h"
#include "client/channel/version_checks.h"
#include "client/windows/quit.h"
#include "lumora.h"
#include "process_killer.h"

using namespace lumora;

namespace {

void connect() {
    client_state().use_message_box = 0;  // a console program: messages on the error stream
    const bool found = find_window_process() != 0;
    std::printf("connect=%d\n", found ? 1 : 0);
    std::fflush(stdout);
    if (!found) check_system_compatibility();  // not connected: the first probe fails
    std::printf("process=%d\n", block_table().process_number);
    std::printf("version=%d\n", check_window_program_version());
    check_system_compatibility();
    const std::int32_t r = deliver_formatted("%c,%d,%s;%s;%s", 'K', block_table().connection_id,
                                             "C:\\work", "C:\\work\\client.exe", kVersionBanner);
    std::printf("handshake=%d\n", r == block_table().connection_id ? 1 : 0);
    std::fflush(stdout);
}

int open_window() {
    const std::int32_t n = check_result(deliver_formatted("I,%d,0,0,-1,-1,-1,", 0));
    char name[64];
    std::snprintf(name, sizeof name, "LuWnd%d:%d", block_table().process_number, n);
    block_table().blocks[n] = map_block(name);
    ++block_table().open_count;
    std::printf("window=%d mapped=%d\n", n, make_current(n) ? 1 : 0);
    return n;
}

int session() {
    connect();
    const int w = open_window();
    std::printf("channel=%d\n", test_channel());
    std::vector<std::int32_t> points(2000);
    for (std::size_t i = 0; i < points.size(); ++i) points[i] = static_cast<std::int32_t>(i);
    layout::write_i32(window_block(w), layout::kParam2, 1000);
    std::printf("polyline=%d\n", command_with_data(w, 30, points.data(), 8000));
    int a = 0;
    int b = 0;
    const std::int32_t exchanged = exchange_process_block(2, &a, &b);
    std::printf("exchange=%d a=%d b=%d\n", exchanged > 0 ? 1 : 0, a, b);
    std::printf("quit=%d\n", quit_with_mode(1));
    return 0;
}

std::uint32_t fnv1a(const std::vector<std::int32_t>& values) {
    std::uint32_t hash = 2166136261u;
    for (std::int32_t v : values) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) hash = (hash ^ ((u >> (8 * i)) & 0xFF)) * 16777619u;
    }
    return hash;
}

// Large arrays through the public window forms: each must arrive whole and in order.
int arrays() {
    connect();
    const int w = open_window();
    std::vector<std::int32_t> polyline(200000);
    for (std::size_t i = 0; i < polyline.size(); ++i) {
        polyline[i] = static_cast<std::int32_t>((i * 2654435761u) % 100003u) - 50000;
    }
    std::vector<std::int32_t> polygon(20000);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        polygon[i] = static_cast<std::int32_t>(i % 2 == 0 ? i : 20000 - i);
    }
    std::printf("polyline=%d sum=%08x\n", lu_draw_polyline_in_window(w, polyline.data(), 100000),
                static_cast<unsigned>(fnv1a(polyline)));
    std::printf("polygon=%d sum=%08x\n", lu_draw_polygon_in_window(w, polygon.data(), 10000, 1),
                static_cast<unsigned>(fnv1a(polygon)));
    std::printf("quit=%d\n", quit_with_mode(1));
    return 0;
}

// The window process is killed after the window is open; the next command must end this
// program with status 1 and say that the window was closed.
int die() {
    connect();
    const int w = open_window();
    std::fflush(stdout);
    kill_window_process(block_table().window_handle);
    command_with_int(w, 'A', 2);
    std::printf("survived\n");
    return 0;
}

}  // namespace

// Sets a transform of its own window that only this round uses and reads it back; the
// rounds whose answer was not its own.
int wrong_round_trips(int window, int thread) {
    int wrong = 0;
    for (int i = 0; i < 5000; ++i) {
        const int x = thread * 1000000 + i;
        if (lu_set_transform_in_window(window, x, -x, 65536, thread, i, 65536) <= 0) ++wrong;
        int got_x = 0, got_y = 0;
        float factors[4] = {};
        if (lu_get_transform_in_window(window, &got_x, &got_y, factors) <= 0) ++wrong;
        if (got_x != x || got_y != -x || factors[2] * 65536.0f != static_cast<float>(i)) ++wrong;
    }
    return wrong;
}

// Two threads of one program call at the same time, each in its own window.
int threads() {
    connect();
    const int one = open_window();
    const int two = open_window();
    int wrong_one = 0, wrong_two = 0;
    std::thread a([&] { wrong_one = wrong_round_trips(one, 1); });
    std::thread b([&] { wrong_two = wrong_round_trips(two, 2); });
    a.join();
    b.join();
    std::printf("wrong=%d,%d\n", wrong_one, wrong_two);
    std::printf("quit=%d\n", quit_with_mode(1));
    return 0;
}

int main(int argc, char** argv) {
    const std::string scenario = argc > 1 ? argv[1] : "";
    if (scenario == "session") return session();
    if (scenario == "die") return die();
    if (scenario == "arrays") return arrays();
    if (scenario == "threads") return threads();
    if (scenario == "connect") {
        connect();
        std::printf("quit=%d\n", quit_with_mode(1));
        return 0;
    }
    std::fprintf(stderr, "usage: channel_client session|die|arrays|connect\n");
    return 2;
}
