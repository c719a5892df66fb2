// Offering a window to other programs. A window process that shows its windows on a
// screen (unless LUMORA_JOINABLE is set to anything but 1), or any process started with
// LUMORA_JOINABLE=1, keeps its windows for other programs to join when its client quits
// with mode 0 ('L,0,') while at least one window is open. Instead of the idle header it
// then publishes the two-line header
//
//   <window>,<title line>
//   <handle>,<id>,<version>
//
// naming its current window (or, when that is closed, the lowest open one) and its
// title; a window without a title is described as "Window <n>". A window the user closed
// on the screen is never offered. The offer holds, and the process keeps running without
// a display too, until a client quits with mode 1 or the last offered window is closed
// (by a client or on the screen); then the header is idle again. A process that offers
// nothing handles a quit with either mode as before.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace luwnd {

// The title line: line ends and other control bytes become blanks, at most 255 characters.
std::string offer_title(int window, std::string_view title);

// The second line of that header: "<handle>,<id>,<version>".
std::string offer_process_line(std::int64_t handle, int id, std::string_view version);

// The two-line header of a process that offers window n.
std::string join_header_line(int window, std::string_view title, std::int64_t handle, int id,
                             std::string_view version);

}  // namespace luwnd
