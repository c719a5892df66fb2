// The one platform instance of the process: the native backend unless a test installed
// a replacement.
#include "platform.h"

#ifdef _WIN32
#include "win32/win32_platform.h"
#else
#include "posix/posix_platform.h"
#endif

namespace lumora::platform {

namespace {
Platform* installed = nullptr;
}  // namespace

Platform& native() {
#ifdef _WIN32
    static Win32Platform backend;
#else
    static PosixPlatform backend;
#endif
    return backend;
}

Platform& current() {
    return installed != nullptr ? *installed : native();
}

void install(Platform* replacement) {
    installed = replacement;
}

}  // namespace lumora::platform
