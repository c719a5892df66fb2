// Settings of the window process taken from the command line it was started with:
//
//   /t /T  /b /B  /r /R  /i /I  /l /L   the five switches 1..5, lower case on, upper case off
//   /p<x>,<y>     position of new windows, both >= 0
//   /s<w>,<h>     drawing-area size of new windows, both > 0
//   /a<n>         value 1..4 given to each new window as its 'B' 16 value
//   /m<n>         code 0..14 given to each new window as its 'G' code
//   /z<n>         zoom 1..4, given to each new window as the 'G' code n + 10 (after /m)
//   /dpi<n>       resolution 1..1200 dots per inch, both directions
//
// Options are separated by blanks. Unknown options, malformed numbers and values out of
// range are ignored; a later option overrides an earlier one. Switches not given are off.
// Switch 4 (i) asks for a confirmation before another program joins a window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace luwnd {

struct Point2 {
    std::int32_t x = 0, y = 0;
};

struct ProcessSettings {
    static constexpr int kSwitches = 5;
    std::array<bool, kSwitches> switches{};  // index 0..4 for switch code 1..5 (t b r i l)
    std::optional<Point2> position;
    std::optional<Point2> size;
    std::optional<std::int32_t> a, m, z, dpi;

    // Switch code 1..5; false for any other code.
    bool switch_on(int code) const;
    // Sets switch code 1..5; false for any other code.
    bool set_switch(int code, bool on);
    // The 'G' code a new window starts with: z + 10 when given, else m, else -1 (none).
    std::int32_t initial_g_code() const;
};

ProcessSettings parse_options(std::string_view text);

}  // namespace luwnd
