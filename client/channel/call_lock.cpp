#include "call_lock.h"

#include <mutex>

namespace lumora {
namespace {

// Never destroyed: a program may end (exit) from inside a call, while other threads wait.
std::recursive_mutex& call_mutex() {
    static auto* mutex = new std::recursive_mutex;
    return *mutex;
}

}  // namespace

CallLock::CallLock() {
    call_mutex().lock();
}

CallLock::~CallLock() {
    call_mutex().unlock();
}

}  // namespace lumora
