// What the library tells about itself: version texts, build date, notice, and a number.
#include <cstring>

#include "client/channel/call_lock.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "version_checks.h"

#ifndef LUMORA_BUILD_DATE
// Builds are reproducible unless the build asks for a date (LUMORA_BUILD_DATE in CMake).
#define LUMORA_BUILD_DATE "Build date 0000-00-00 00:00Z"
#endif

using namespace lumora;

namespace {

constexpr char kBuildDate[] = LUMORA_BUILD_DATE;
constexpr char kNotice[] = "Lumora graphics client library; C and Fortran 77.";
constexpr char kInterfaceNumber[] = "2026120801";

static_assert(sizeof kBuildDate - 1 == 28, "the build-date text has 28 characters");
static_assert(sizeof kNotice - 1 == 49, "the notice has 49 characters");
static_assert(sizeof kInterfaceNumber - 1 == 10, "the number has 10 digits");

const char* item_text(int item) {
    switch (item) {
        case 0:
            return "5";
        case 1:
            return kLibraryVersion;
        case 2:
            return kVersionBanner;
        case 3:
            return kBuildDate;
        case 4:
            return kNotice;
        case 5:
            return kInterfaceNumber;
        default:
            return nullptr;
    }
}

}  // namespace

extern "C" {

int lu_get_library_info(int item, char* buffer, int size) {
    const CallLock call;
    const char* text = item_text(item);
    if (text == nullptr) return 0;
    const int length = static_cast<int>(std::strlen(text));
    // Room for the text, its NUL and one more byte.
    if (buffer == nullptr || length >= size - 1) return -length;
    std::memcpy(buffer, text, static_cast<std::size_t>(length) + 1);
    return length;
}

int lu_get_library_info_(int* result, const int* item, char* buffer, size_t buffer_length) {
    const CallLock call;
    const int size = buffer_length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(buffer_length);
    const int length = lu_get_library_info(value_at(item), buffer, size);
    if (length > 0) std::memset(buffer + length, ' ', buffer_length - static_cast<size_t>(length));
    return store_result(result, length);
}

}  // extern "C"
