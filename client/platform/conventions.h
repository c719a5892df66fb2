// How this system writes search lists and paths, and what the window program is called.
#pragma once

namespace lumora::platform {

// What differs between the systems when the window program is looked for.
struct SearchConventions {
    char list_separator;
    char directory_separator;
    const char* window_program_name;
    // Programs are looked for in the current directory before PATH.
    bool searches_current_directory;
    // The not-found message names the places searched, on a line of its own.
    bool lists_places_searched;
};

// Windows looks in the current directory, and keeps the not-found message as it is known.
inline constexpr SearchConventions kWindowsSearch{';', '\\', "luwnd.exe", true, false};
// The current directory is never searched: in a shared directory such as /tmp anybody
// could leave a program there for us to run.
inline constexpr SearchConventions kPosixSearch{':', '/', "luwnd", false, true};

#ifdef _WIN32
inline constexpr const SearchConventions& kNativeSearch = kWindowsSearch;
// Executables carry a subsystem: a GUI program has no console of its own.
inline constexpr bool kProgramsHaveSubsystem = true;
#else
inline constexpr const SearchConventions& kNativeSearch = kPosixSearch;
// Every native program is a console program.
inline constexpr bool kProgramsHaveSubsystem = false;
#endif

inline constexpr char kListSeparator = kNativeSearch.list_separator;
inline constexpr char kDirectorySeparator = kNativeSearch.directory_separator;
inline constexpr const char* kWindowProgramName = kNativeSearch.window_program_name;
inline constexpr bool kSearchesCurrentDirectory = kNativeSearch.searches_current_directory;

}  // namespace lumora::platform
