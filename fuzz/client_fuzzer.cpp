// Fuzz target: the client library against a hostile window process (see
// hostile_window_process.h), through the fake platform. The input first publishes the
// process blocks, then names the operations the program calls, each followed by the
// bytes that answer the commands it sends. A program end (the library's exit) ends the run.
#include <cstddef>
#include <cstdint>
#include <string>

#include "client/channel/client_state.h"
#include "client/include/lumora.h"
#include "client/platform/fake/fake_platform.h"
#include "fuzz_input.h"
#include "hostile_window_process.h"

namespace {

using luwnd::fuzz::FuzzInput;

constexpr int kMaxCalls = 48;

float any_float(FuzzInput& in) {
    switch (in.u8() % 4) {
        case 0:
            return static_cast<float>(static_cast<std::int8_t>(in.u8()));
        case 1:
            return static_cast<float>(in.i32()) / 256.0f;
        case 2: {
            const std::uint32_t bits = in.u32();
            float value;
            static_assert(sizeof value == sizeof bits);
            __builtin_memcpy(&value, &bits, sizeof value);
            return value;  // NaN and infinities too
        }
        default:
            return 0.5f;
    }
}

int small(FuzzInput& in) {
    return static_cast<std::int8_t>(in.u8());
}

std::string text(FuzzInput& in) {
    auto bytes = in.bytes(in.u8() % 64);
    return std::string(bytes.begin(), bytes.end());
}

void drawing_call(FuzzInput& in, int op) {
    float f[8];
    int out[4];
    char buffer[40] = {};
    switch (op) {
        case 0:
            lu_move_to(any_float(in), any_float(in));
            break;
        case 1:
            lu_line_to(any_float(in), any_float(in));
            break;
        case 2:
            lu_set_world(any_float(in), any_float(in), any_float(in), any_float(in));
            break;
        case 3: {
            const int count = in.u8() % 5;
            for (float& v : f) v = any_float(in);
            lu_draw_polyline(f, count);
            break;
        }
        case 4:
            lu_draw_text(any_float(in), any_float(in), text(in).c_str());
            break;
        case 5:
            lu_get_text_extent(&f[0], &f[1], &f[2], &f[3], text(in).c_str());
            break;
        case 6:
            lu_get_metrics(small(in), &out[0], &out[1]);
            break;
        case 7:
            lu_get_colour_entry(small(in), &out[0], &out[1], &out[2]);
            break;
        case 8:
            lu_query_string(text(in).c_str(), buffer, in.u8() % (sizeof buffer + 1));
            break;
        case 9:
            lu_get_world(&f[0], &f[1], &f[2], &f[3]);
            break;
        case 10:
            lu_set_pen(small(in), small(in), small(in), small(in));
            break;
        case 11:
            lu_query_e14(&out[0], &out[1]);
            break;
        case 12:
            lu_restore_view(small(in));
            break;
        case 13:
            lu_get_device_position(small(in), &out[0], &out[1]);
            break;
        case 14:
            lu_query_b31(small(in), &out[0], &out[1], &out[2], &out[3]);
            break;
        case 15:
            lu_get_symbol_extent(&f[0], &f[1], small(in));
            break;
        case 16:
            lu_show_message(text(in).c_str());
            break;
        default:
            lu_query_point(any_float(in), any_float(in));
            break;
    }
}

void window_call(FuzzInput& in, int op) {
    char description[48] = {};
    switch (op) {
        case 0:
            lu_initialize(small(in), small(in), small(in), small(in), small(in), small(in),
                          small(in), small(in), small(in));
            break;
        case 1:
            lu_open_window(small(in));
            break;
        case 2:
            lu_open_window_full(small(in), small(in), small(in), small(in), small(in), small(in),
                                text(in).c_str());
            break;
        case 3:
            lu_select_window(small(in));
            break;
        case 4:
            lu_close_window(small(in));
            break;
        case 5:
            lu_join_window(small(in), small(in), small(in),
                           (in.u8() & 1) != 0 ? description : nullptr);
            break;
        case 6:
            lu_quit_with_flag(small(in));
            break;
        case 7:
            lu_detach();
            break;
        default:
            lu_next_window(in.i32());
            break;
    }
}

void call(FuzzInput& in) {
    const std::uint8_t op = in.u8();
    if (op < 64)
        window_call(in, op % 9);
    else
        drawing_call(in, op % 18);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    lumora::reset_client_state();
    lumora::platform::FakePlatformScope scope;
    scope.fake.command = (input.u8() & 1) != 0 ? "\"program\"" : "program";
    scope.fake.environment["PATH"] = "/bin";
    luwnd::fuzz::HostileWindowProcess process(input, scope.fake);
    process.publish();
    try {
        for (int i = 0; i < kMaxCalls && !input.done(); ++i) call(input);
    } catch (const lumora::platform::FakeExit&) {
        // The library ended the program: as far as a hostile process may take it.
    }
    lumora::reset_client_state();
    return 0;
}
