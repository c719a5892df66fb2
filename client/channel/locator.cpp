#include "locator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/platform/conventions.h"
#include "client_state.h"
#include "messages.h"

namespace lumora {

namespace {

using platform::kDirectorySeparator;
using platform::kListSeparator;

constexpr std::uint32_t kVariableSize = 260;

#ifndef LUMORA_INSTALL_BINDIR
#define LUMORA_INSTALL_BINDIR ""
#endif
// The directory the library was installed for: tried last, when no place on the list has
// the window program.
constexpr const char* kInstallDirectory = LUMORA_INSTALL_BINDIR;

char g_located[kPathSize];

// The program's directory: its file name cut at the last separator. A program in the root
// keeps the separator, so the root is still a place to look.
void own_directory(char (&directory)[kPathSize]) {
    std::memcpy(directory, client_state().program_file_name, kPathSize);
    directory[kPathSize - 1] = '\0';
    char* last = std::strrchr(directory, kDirectorySeparator);
    if (last == nullptr) return;
    last[last == directory ? 1 : 0] = '\0';
}

// LUMORADIR without its leading blanks; empty when it is absent, empty or too long.
void lumora_directory(char (&value)[kVariableSize]) {
    value[0] = '\0';
    platform::Platform& os = platform::current();
    const std::uint32_t needed = os.get_environment("LUMORADIR", nullptr, 0);
    if (needed < 1 || needed > kVariableSize - 1) return;
    const std::uint32_t length = os.get_environment("LUMORADIR", value, kVariableSize);
    if (length >= kVariableSize) value[0] = '\0';  // it grew since it was measured
    const std::size_t blanks = std::strspn(value, " ");
    std::memmove(value, value + blanks, std::strlen(value + blanks) + 1);
}

// The catalogue text, and on a second line the places that were searched.
[[noreturn]] void fail_not_found(const char* name, const char* searched) {
    char first[kMessageBufferSize];
    std::snprintf(first, sizeof first, localized(MessageId::NotOnSearchPath), name);
    report_message(kLevelError, "%s\nSearched: %s", first, searched);
    end_program(1);
}

[[noreturn]] void fail(MessageId id, const char* name) {
    if (id == MessageId::GetPathFailed) {
        report_message(kLevelError, "%s", localized(id));
    } else {
        report_message(kLevelError, localized(id), name);
    }
    end_program(1);
}

void append(char* list, const char* text) {
    std::strcat(list, text);
}

void append_separator(char* list) {
    const std::size_t length = std::strlen(list);
    list[length] = kListSeparator;
    list[length + 1] = '\0';
}

// The places to look, separated: LUMORADIR, the own directory, ".", then PATH. Ends the
// program when there is no place at all or no memory for the list.
char* search_list(const char* own, const char* lumora_dir) {
    platform::Platform& os = platform::current();
    const std::uint32_t path_size = os.get_environment("PATH", nullptr, 0);
    if (*own == '\0' && *lumora_dir == '\0' && path_size == 0) fail(MessageId::GetPathFailed, "");
    const std::size_t size = std::strlen(own) + std::strlen(lumora_dir) + path_size + 5;
    auto* list = static_cast<char*>(std::malloc(size));
    if (list == nullptr) fail(MessageId::GetPathFailed, "");
    list[0] = '\0';
    if (*lumora_dir != '\0') {
        append(list, lumora_dir);
        append_separator(list);
    }
    if (*own != '\0') {
        append(list, own);
        append_separator(list);
    }
    append(list, ".");
    if (path_size == 0) return list;
    append_separator(list);
    char* path = list + std::strlen(list);
    // A PATH that changed since it was measured is left out rather than cut.
    if (os.get_environment("PATH", path, path_size) >= path_size) *path = '\0';
    return list;
}

// Element, a separator unless it ends with one, and the name into g_located; false when
// that would not fit.
bool form_candidate(const char* element, std::size_t length, const char* name) {
    const bool ends_with_separator = element[length - 1] == kDirectorySeparator;
    const std::size_t total = length + (ends_with_separator ? 0 : 1) + std::strlen(name);
    if (total >= kPathSize) return false;
    std::memcpy(g_located, element, length);
    std::size_t at = length;
    if (!ends_with_separator) g_located[at++] = kDirectorySeparator;
    std::strcpy(g_located + at, name);
    return true;
}

// The list's places in their order, and the install directory.
std::string searched_places(const char* list) {
    std::string places;
    const char* element = list;
    while (true) {
        const char* end = std::strchr(element, kListSeparator);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(end - element) : std::strlen(element);
        if (length > 0) places.append(places.empty() ? "" : ", ").append(element, length);
        if (end == nullptr) break;
        element = end + 1;
    }
    if (*kInstallDirectory != '\0')
        places.append(places.empty() ? "" : ", ").append(kInstallDirectory);
    return places;
}

bool find_in(const char* list, const char* name) {
    const char* element = list;
    while (*element != '\0') {
        const char* end = std::strchr(element, kListSeparator);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(end - element) : std::strlen(element);
        if (length > 0 && form_candidate(element, length, name) &&
            platform::current().file_exists(g_located)) {
            return true;
        }
        if (end == nullptr) break;
        element = end + 1;
    }
    return false;
}

}  // namespace

const char* install_directory() {
    return kInstallDirectory;
}

const char* locate_executable(const char* name) {
    if (name == nullptr) name = "";
    char own[kPathSize];
    char lumora_dir[kVariableSize];
    own_directory(own);
    lumora_directory(lumora_dir);
    char* list = search_list(own, lumora_dir);
    const bool found =
        find_in(list, name) || (*kInstallDirectory != '\0' && find_in(kInstallDirectory, name));
    if (!found) {
        g_located[0] = '\0';
        std::string searched = searched_places(list);
        std::free(list);
        fail_not_found(name, searched.c_str());
    }
    std::free(list);
    return g_located;
}

}  // namespace lumora
