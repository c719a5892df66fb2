// Measures the command channel against the machine's floor: the cost of one command
// round trip (send_command_a2) and the throughput of draw_polyline through the real
// transport, next to a minimal ping-pong over the same kind of channel (a SOCK_SEQPACKET
// socket pair natively, WM_COPYDATA between two processes on Windows) and, natively, a
// shared-memory ping-pong that spins and then sleeps in futex(), the floor of the page,
// measured in rounds that alternate with ours.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "lumora.h"
#ifdef LUMORA_SHM_FLOOR
#include "shm_floor.h"
#endif

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/socket.h>
#include <unistd.h>

#include <thread>
#endif

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRoundTrips = 20000;

constexpr int kRounds = 7;

double micros_since(Clock::time_point start, int count) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

#ifdef _WIN32
constexpr char kEchoClass[] = "LumoraEchoFloor";

LRESULT CALLBACK echo_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_COPYDATA) return 1;
    return DefWindowProcA(window, message, w, l);
}

int run_echo() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = echo_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kEchoClass;
    RegisterClassA(&wc);
    CreateWindowExA(0, kEchoClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

// Round trip of a 3-byte WM_COPYDATA to a second process; microseconds.
double floor_round_trip(const char* self) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    char line[MAX_PATH + 16];
    std::snprintf(line, sizeof line, "\"%s\" --echo", self);
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return -1;
    }
    HWND echo = nullptr;
    for (int i = 0; i < 500 && echo == nullptr; ++i) {
        Sleep(10);
        echo = FindWindowExA(HWND_MESSAGE, nullptr, kEchoClass, nullptr);
    }
    double result = -1;
    if (echo != nullptr) {
        char text[4] = "A\"";
        COPYDATASTRUCT record{1, 3, text};
        const auto start = Clock::now();
        for (int i = 0; i < kRoundTrips; ++i) {
            SendMessageA(echo, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
        }
        result = micros_since(start, kRoundTrips);
    }
    TerminateProcess(info.hProcess, 0);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return result;
}
#else
// Round trip of a 7-byte datagram and a 4-byte answer over a socket pair; microseconds.
double floor_round_trip(const char*) {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET, 0, pair) != 0) return -1;
    std::thread echo([fd = pair[1]] {
        char buffer[64];
        while (recv(fd, buffer, sizeof buffer, 0) > 0) send(fd, buffer, 4, MSG_NOSIGNAL);
    });
    const char request[7] = {1, 0, 0, 0, 'A', '"', 0};
    char reply[4];
    const auto start = Clock::now();
    for (int i = 0; i < kRoundTrips; ++i) {
        send(pair[0], request, sizeof request, MSG_NOSIGNAL);
        recv(pair[0], reply, sizeof reply, 0);
    }
    const double result = micros_since(start, kRoundTrips);
    shutdown(pair[0], SHUT_RDWR);
    echo.join();
    close(pair[0]);
    close(pair[1]);
    return result;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    if (argc > 1 && std::strcmp(argv[1], "--echo") == 0) return run_echo();
#else
    (void)argc;
#endif
    if (lu_open_window(0) <= 0) return 1;
    lu_set_world(0.0f, 0.0f, 1000.0f, 1000.0f);

    // Rounds of our round trips and of the shared-memory floor take turns, so that both
    // meet the same placement of the two processes on the cores; the medians are compared.
    std::vector<double> commands, shm_floors;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kRoundTrips; ++i) lu_send_command_a2();
        commands.push_back(micros_since(start, kRoundTrips));
#ifdef LUMORA_SHM_FLOOR
        shm_floors.push_back(shm_futex_round_trip(kRoundTrips));
#endif
    }
    const double command_us = median(commands);

    constexpr int kPoints = 100000;
    constexpr int kRepeats = 5;
    std::vector<float> points(2 * kPoints);
    for (int i = 0; i < kPoints; ++i) {
        points[2 * i] = static_cast<float>(i % 1000);
        points[2 * i + 1] = static_cast<float>((i * 7) % 1000);
    }
    const auto start = Clock::now();
    for (int r = 0; r < kRepeats; ++r) lu_draw_polyline(points.data(), kPoints);
    const double polyline_s =
        std::chrono::duration<double>(Clock::now() - start).count() / kRepeats;
    lu_quit_with_flag(0);

    const double floor_us = floor_round_trip(argv[0]);
    std::printf("command_round_trip_us=%.2f floor_round_trip_us=%.2f ratio=%.2f\n", command_us,
                floor_us, command_us / floor_us);
#ifdef LUMORA_SHM_FLOOR
    const double shm_us = median(shm_floors);
    std::printf("shm_floor_round_trip_us=%.2f ratio_to_shm_floor=%.2f\n", shm_us,
                command_us / shm_us);
    std::printf("rounds=%d command_us=%.2f..%.2f shm_floor_us=%.2f..%.2f\n", kRounds,
                *std::min_element(commands.begin(), commands.end()),
                *std::max_element(commands.begin(), commands.end()),
                *std::min_element(shm_floors.begin(), shm_floors.end()),
                *std::max_element(shm_floors.begin(), shm_floors.end()));
    // Each round against the floor round beside it, which met the same placement.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < commands.size() && i < shm_floors.size(); ++i)
        ratios.push_back(commands[i] / shm_floors[i]);
    std::printf("round_ratios=%.2f..%.2f..%.2f\n", *std::min_element(ratios.begin(), ratios.end()),
                median(ratios), *std::max_element(ratios.begin(), ratios.end()));
#endif
    std::printf(
        "polyline_points_per_s=%.0f polyline_commands=%d floor_bound_points_per_s=%.0f "
        "ratio=%.2f\n",
        kPoints / polyline_s, 3 + (2 * kPoints + 511) / 512,
        kPoints / ((3 + (2 * kPoints + 511) / 512) * floor_us * 1e-6),
        (kPoints / ((3 + (2 * kPoints + 511) / 512) * floor_us * 1e-6)) / (kPoints / polyline_s));
    return 0;
}
