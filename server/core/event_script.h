// Scripted events for windows nobody can click (tests, headless runs): LUMORA_EVENTS holds
// a comma-separated list, taken in order by whichever window asks for its next event
// once its own queue is empty. Items, words separated by blanks, case not minded:
//   click B X Y   mouse button B (1 left, 2 middle, 3 right) at pixel X, Y of the window
//                 (from its upper left corner, 0 .. 16384)
//   key C [X Y]   a key, with the pointer at pixel X, Y (else 0, 0); C is one printable
//                 character, one of the names space, enter, tab, esc, backspace, or a
//                 decimal code 1 .. 255 (two or more digits, or #N for any: "key #7")
//   resize W H    the window is resized to a drawing area of W x H pixels (1 .. 16384)
//   close         the user closes the window
//   none          one ask finds nothing
// An item that is none of these (or has a value out of range) is skipped and counted as
// malformed. At most kMaxItems items are read; the rest of a longer list is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "window_events.h"

namespace luwnd {

class EventScript {
  public:
    static constexpr std::size_t kMaxItems = 4096;

    explicit EventScript(std::string_view text = {});
    // The next scripted event (kind kNone for a "none" item); nullopt when used up.
    std::optional<WindowEvent> next();
    bool used_up() const { return next_ >= events_.size(); }
    std::size_t size() const { return events_.size(); }
    std::size_t malformed() const { return malformed_; }

  private:
    std::vector<WindowEvent> events_;
    std::size_t next_ = 0, malformed_ = 0;
};

// One item of the list, or nullopt when it is malformed.
std::optional<WindowEvent> parse_event_item(std::string_view item);

}  // namespace luwnd
