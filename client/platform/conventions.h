// How this system writes search lists and paths, and what the window program is called.
#pragma once

namespace lumora::platform {

#ifdef _WIN32
inline constexpr char kListSeparator = ';';
inline constexpr char kDirectorySeparator = '\\';
inline constexpr const char* kWindowProgramName = "luwnd.exe";
// Executables carry a subsystem: a GUI program has no console of its own.
inline constexpr bool kProgramsHaveSubsystem = true;
// Programs are looked for in the current directory before PATH.
inline constexpr bool kSearchesCurrentDirectory = true;
#else
inline constexpr char kListSeparator = ':';
inline constexpr char kDirectorySeparator = '/';
inline constexpr const char* kWindowProgramName = "luwnd";
// Every native program is a console program.
inline constexpr bool kProgramsHaveSubsystem = false;
// The current directory is never searched: in a shared directory such as /tmp anybody
// could leave a program there for us to run.
inline constexpr bool kSearchesCurrentDirectory = false;
#endif

}  // namespace lumora::platform
