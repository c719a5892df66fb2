// How what a window draws next is laid over what lies under it ('B' 47).
#include <cstdint>
#include <string>

#include "client/channel/primitives.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/plot/entry.h"

using namespace lumora;

namespace {

constexpr std::int32_t kCompositingCommand = 47;

int set_compositing(const char* entry, int window, int mode) {
    return plot::guarded(entry, [&] {
        if (mode < LU_COMPOSE_OVER || mode > LU_COMPOSE_XOR)
            return plot::refuse("mode " + std::to_string(mode) +
                                " is not LU_COMPOSE_OVER, LU_COMPOSE_REPLACE or LU_COMPOSE_XOR");
        if (!is_open_window(window)) return plot::refuse_closed_window(window);
        return command_with_3int(window, 'B', kCompositingCommand, mode, 0);
    });
}

}  // namespace

extern "C" {

int lu_set_compositing_in_window(int window, int mode) {
    return set_compositing("lu_set_compositing_in_window", window, mode);
}
int lu_set_compositing(int mode) {
    return set_compositing("lu_set_compositing", current_window(), mode);
}
int lu_set_compositing_(int* result, const int* mode) {
    return plot::store(result, lu_set_compositing(value_at(mode)));
}

}  // extern "C"
