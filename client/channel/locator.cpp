#include "locator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/platform/platform.h"
#include "client_state.h"
#include "messages.h"

namespace lumora {

namespace {

using platform::SearchConventions;

constexpr std::uint32_t kVariableSize = 260;

char g_located[kPathSize];

// The program's directory: its file name cut at the last separator. A program in the root
// keeps the separator, so the root is still a place to look.
void own_directory(char (&directory)[kPathSize], char separator) {
    std::memcpy(directory, client_state().program_file_name, kPathSize);
    directory[kPathSize - 1] = '\0';
    char* last = std::strrchr(directory, separator);
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

// Where the window program is installed beside the library; empty when nowhere.
void library_programs(char (&directory)[kPathSize]) {
    directory[0] = '\0';
    if (platform::current().installed_program_directory(directory, kPathSize) >= kPathSize)
        directory[0] = '\0';
}

// The catalogue text; where the system lists them, the places searched on a line of
// their own.
[[noreturn]] void fail_not_found(const char* name, const std::string& searched,
                                 const SearchConventions& conventions) {
    if (!conventions.lists_places_searched) {
        report_message(kLevelError, localized(MessageId::NotOnSearchPath), name);
        end_program(1);
    }
    char first[kMessageBufferSize];
    std::snprintf(first, sizeof first, localized(MessageId::NotOnSearchPath), name);
    report_message(kLevelError, "%s\nSearched: %s", first, searched.c_str());
    end_program(1);
}

[[noreturn]] void fail_without_path() {
    report_message(kLevelError, "%s", localized(MessageId::GetPathFailed));
    end_program(1);
}

void append(char* list, const char* text) {
    std::strcat(list, text);
}

void append_separator(char* list, char separator) {
    const std::size_t length = std::strlen(list);
    list[length] = separator;
    list[length + 1] = '\0';
}

// The places to look, separated: LUMORADIR, the own directory, "." where programs are
// looked for in the current directory (Windows), then PATH. Ends the program when there
// is no place at all or no memory for the list.
char* search_list(const char* own, const char* lumora_dir, const SearchConventions& conventions) {
    platform::Platform& os = platform::current();
    const char separator = conventions.list_separator;
    const std::uint32_t path_size = os.get_environment("PATH", nullptr, 0);
    if (*own == '\0' && *lumora_dir == '\0' && path_size == 0) fail_without_path();
    const std::size_t size = std::strlen(own) + std::strlen(lumora_dir) + path_size + 5;
    auto* list = static_cast<char*>(std::malloc(size));
    if (list == nullptr) fail_without_path();
    list[0] = '\0';
    if (*lumora_dir != '\0') {
        append(list, lumora_dir);
        append_separator(list, separator);
    }
    if (*own != '\0') {
        append(list, own);
        append_separator(list, separator);
    }
    if (conventions.searches_current_directory) {
        append(list, ".");
        append_separator(list, separator);
    }
    if (path_size == 0) return list;
    char* path = list + std::strlen(list);
    // A PATH that changed since it was measured is left out rather than cut.
    if (os.get_environment("PATH", path, path_size) >= path_size) *path = '\0';
    return list;
}

// Element, a separator unless it ends with one, and the name into g_located; false when
// that would not fit.
bool form_candidate(const char* element, std::size_t length, const char* name, char separator) {
    const bool ends_with_separator = element[length - 1] == separator;
    const std::size_t total = length + (ends_with_separator ? 0 : 1) + std::strlen(name);
    if (total >= kPathSize) return false;
    std::memcpy(g_located, element, length);
    std::size_t at = length;
    if (!ends_with_separator) g_located[at++] = separator;
    std::strcpy(g_located + at, name);
    return true;
}

// The list's places in their order, and the place beside the library.
std::string searched_places(const char* list, const char* beside_library, char separator) {
    std::string places;
    const char* element = list;
    while (true) {
        const char* end = std::strchr(element, separator);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(end - element) : std::strlen(element);
        if (length > 0) places.append(places.empty() ? "" : ", ").append(element, length);
        if (end == nullptr) break;
        element = end + 1;
    }
    if (*beside_library != '\0') places.append(places.empty() ? "" : ", ").append(beside_library);
    return places;
}

bool find_in(const char* list, const char* name, const SearchConventions& conventions) {
    const char* element = list;
    while (*element != '\0') {
        const char* end = std::strchr(element, conventions.list_separator);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(end - element) : std::strlen(element);
        if (length > 0 && form_candidate(element, length, name, conventions.directory_separator) &&
            platform::current().is_program_file(g_located)) {
            return true;
        }
        if (end == nullptr) break;
        element = end + 1;
    }
    return false;
}

// The one place beside the library, tried as a list of its own.
bool find_beside_library(const char* directory, const char* name,
                         const SearchConventions& conventions) {
    const std::size_t length = std::strlen(directory);
    return length > 0 && form_candidate(directory, length, name, conventions.directory_separator) &&
           platform::current().is_program_file(g_located);
}

}  // namespace

const char* locate_executable(const char* name) {
    if (name == nullptr) name = "";
    const SearchConventions& conventions = platform::current().search_conventions();
    char own[kPathSize];
    char lumora_dir[kVariableSize];
    char beside_library[kPathSize];
    own_directory(own, conventions.directory_separator);
    lumora_directory(lumora_dir);
    char* list = search_list(own, lumora_dir, conventions);
    library_programs(beside_library);
    const bool found =
        find_in(list, name, conventions) || find_beside_library(beside_library, name, conventions);
    if (!found) {
        g_located[0] = '\0';
        const std::string searched =
            searched_places(list, beside_library, conventions.list_separator);
        std::free(list);
        fail_not_found(name, searched, conventions);
    }
    std::free(list);
    return g_located;
}

}  // namespace lumora
