// Saved coordinate systems and the view query: commands whose state the window process
// keeps.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kSaveView = 24;
constexpr std::int32_t kRestoreView = 25;
constexpr std::int32_t kQueryB31 = 31;

}  // namespace

extern "C" {

int lu_save_view(int view) {
    const CallLock call;
    return command_with_2int(current_window(), 'B', kSaveView, view);
}

int lu_save_view_(int* result, const int* view) {
    const CallLock call;
    return store_result(result, lu_save_view(value_at(view)));
}

int lu_restore_view(int view) {
    const CallLock call;
    return command_with_2int(current_window(), 'B', kRestoreView, view);
}

int lu_restore_view_(int* result, const int* view) {
    const CallLock call;
    return store_result(result, lu_restore_view(value_at(view)));
}

int lu_query_b31(int window, int* a, int* b, int* c, int* d) {
    const CallLock call;
    const std::int32_t r = command_with_int(window, 'B', kQueryB31);
    const std::uint8_t* block = window_block(window);
    if (r == 0 || block == nullptr) return r;  // the answer may have ended the connection
    int* outputs[] = {a, b, c, d};
    for (std::size_t i = 0; i < 4; ++i) {
        if (outputs[i] != nullptr) *outputs[i] = layout::read_i32(block, layout::kResult1 + 4 * i);
    }
    return r;
}

int lu_query_b31_(int* result, const int* window, int* a, int* b, int* c, int* d) {
    const CallLock call;
    return store_result(result, lu_query_b31(value_at(window), a, b, c, d));
}

}  // extern "C"
