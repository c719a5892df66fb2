// Console keys: whether one is waiting, and reading one without Enter.
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "client/platform/platform.h"

using namespace lumora;

extern "C" {

int lu_poll_key(void) {
    return platform::current().poll_key();
}
int lu_poll_key_(void) {
    return lu_poll_key();
}

int lu_read_key(int echo) {
    return platform::current().read_key(echo != 0);
}
int lu_read_key_(const int* echo) {
    return lu_read_key(value_at(echo));
}

}  // extern "C"
