// What the user did to a window, kept for the program to read with 'B' 80: keys, mouse
// buttons, resizes and the close. Each window keeps its own queue; it holds at most
// kMaxEvents, and an event that finds it full pushes out the oldest, so that a program
// that reads late sees what happened last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace luwnd {

// The kinds as the program sees them (result1 of 'B' 80).
enum class EventKind : std::int32_t { kNone = 0, kKey = 1, kButton = 2, kResize = 3, kClose = 4 };

// The codes of the mouse buttons, as keys: left, middle, right.
inline constexpr std::int32_t kButtonLeft = 'A';
inline constexpr std::int32_t kButtonMiddle = 'D';
inline constexpr std::int32_t kButtonRight = 'X';

struct WindowEvent {
    EventKind kind = EventKind::kNone;
    std::int32_t key = 0;  // key: the character code; button: kButton...
    std::int32_t x = 0;    // key, button: the pixel (from the left); resize: the width
    std::int32_t y = 0;    // key, button: the pixel (from the top); resize: the height
    bool operator==(const WindowEvent&) const = default;
};

// A program waiting in 'B' 80 for a click or a key, and the rubber band its cursor pulls
// on screen meanwhile (mode as 'B' 80's slot 2, from the anchor pixel).
struct CursorWait {
    std::int32_t mode = 0;
    std::int32_t anchor_x = 0, anchor_y = 0;
    bool anchored = false;            // the anchor has a pixel
    double world_x = 0, world_y = 0;  // the anchor as the program gave it
};

class EventQueue {
  public:
    static constexpr std::size_t kMaxEvents = 64;

    void push(const WindowEvent& event) {
        if (events_.size() == kMaxEvents) {
            events_.pop_front();
            ++dropped_;
        }
        events_.push_back(event);
    }
    std::optional<WindowEvent> pop() {
        if (events_.empty()) return std::nullopt;
        WindowEvent event = events_.front();
        events_.pop_front();
        return event;
    }
    bool holds(EventKind kind) const {
        for (const WindowEvent& event : events_)
            if (event.kind == kind) return true;
        return false;
    }
    std::size_t size() const { return events_.size(); }
    std::size_t dropped() const { return dropped_; }

  private:
    std::deque<WindowEvent> events_;
    std::size_t dropped_ = 0;
};

}  // namespace luwnd
