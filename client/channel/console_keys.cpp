// Console keys: whether one is waiting, and reading one without Enter.
#include "client/channel/call_lock.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/platform/platform.h"

using namespace lumora;

extern "C" {

int lu_poll_key(void) {
    const CallLock call;
    return platform::current().poll_key();
}
int lu_poll_key_(void) {
    const CallLock call;
    return lu_poll_key();
}

int lu_read_key(int echo) {
    const CallLock call;
    return platform::current().read_key(echo != 0);
}
int lu_read_key_(const int* echo) {
    const CallLock call;
    return lu_read_key(value_at(echo));
}

}  // extern "C"
