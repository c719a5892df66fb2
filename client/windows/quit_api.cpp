// The three ways to end the graphics run, in both calling forms.
#include "client/channel/call_lock.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "quit.h"

using namespace lumora;

extern "C" {

int lu_quit(void) {
    const CallLock call;
    return quit_with_mode(1);
}
int lu_quit_(int* result) {
    const CallLock call;
    return store_result(result, lu_quit());
}

int lu_quit_with_flag(int flag) {
    const CallLock call;
    return quit_with_mode(flag != 0 ? 1 : 0);
}
int lu_quit_with_flag_(int* result, const int* flag) {
    const CallLock call;
    return store_result(result, lu_quit_with_flag(logical_at(flag)));
}

int lu_detach(void) {
    const CallLock call;
    return detach();
}
int lu_detach_(int* result) {
    const CallLock call;
    return store_result(result, lu_detach());
}

}  // extern "C"
