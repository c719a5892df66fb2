// The opacity of what a window draws next ('B' 44). It is sent only when it changes, so
// that a program that never makes anything translucent sends what it always sent.
#include <cmath>
#include <cstdint>

#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/plot/entry.h"

using namespace lumora;

namespace {

constexpr std::int32_t kOpacityCommand = 44;
constexpr int kOpaque = 255;

int set_alpha(const char* entry, int window, float opacity) {
    return plot::guarded(entry, [&] {
        if (!(opacity >= 0.0f && opacity <= 1.0f))
            return plot::refuse("the opacity " + plot::number_text(opacity) +
                                " is not within 0 ... 1");
        if (!is_open_window(window)) return plot::refuse_closed_window(window);
        const auto alpha = static_cast<int>(std::lround(opacity * kOpaque));
        std::uint16_t& sent = block_table().opacity[window];
        if (sent == 1 + alpha) return window;
        const int answer = command_with_3int(window, 'B', kOpacityCommand, alpha, 0);
        sent = answer == window ? static_cast<std::uint16_t>(1 + alpha) : 0;
        return answer;
    });
}

}  // namespace

extern "C" {

int lu_set_alpha_in_window(int window, float opacity) {
    return set_alpha("lu_set_alpha_in_window", window, opacity);
}
int lu_set_alpha(float opacity) {
    return set_alpha("lu_set_alpha", current_window(), opacity);
}
int lu_set_alpha_(int* result, const float* opacity) {
    return plot::store(result, lu_set_alpha(value_at(opacity)));
}

}  // extern "C"
