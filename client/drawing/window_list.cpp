// Walking the list of open windows.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/include/lumora.h"

using namespace lumora;

extern "C" {

int lu_next_window(int n) {
    const CallLock call;
    if (n < 0 || n >= layout::kMaxWindows) return 0;  // no window follows; n + 1 may overflow
    for (int m = n + 1; m <= layout::kMaxWindows; ++m) {
        if (is_open_window(m)) return m;
    }
    return 0;
}

int lu_next_window_(int* result, const int* n) {
    const CallLock call;
    return store_result(result, lu_next_window(value_at(n)));
}

int lu_first_window(void) {
    const CallLock call;
    return lu_next_window(0);
}

int lu_first_window_(int* result) {
    const CallLock call;
    return store_result(result, lu_first_window());
}

}  // extern "C"
