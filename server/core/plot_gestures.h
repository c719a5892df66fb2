// What the pointer and the keys do to a window's plots on screen, the same on every
// platform: the host turns its own events into these calls, paints what band() and help()
// say over the picture, and shows readout() (in the title).
//   wheel                    zooms about the pointer, 1.25 times a step
//   dragging (first button)  pans the plot under the pointer
//   dragging (third button)  zooms to the rectangle dragged (with a band while dragging)
//   + and -                  zoom about the pointer in and out
//   r or Home                the program's ranges again
//   F1, ? or h               shows or hides the list of these
// The pointer's place in the plot under it is read out all the while.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core.h"

namespace luwnd {

class PlotGestures {
  public:
    static constexpr double kWheelStep = 1.25;

    explicit PlotGestures(Core& core) : core_(core) {}

    enum class Drag { kPan, kZoomBox };
    // Device pixels of the window, from its top left.
    void press(int window, Drag drag, std::int32_t x, std::int32_t y);
    void move(int window, std::int32_t x, std::int32_t y);
    void release(int window, std::int32_t x, std::int32_t y);
    // steps > 0 zoom in (the wheel turned away from the user), < 0 out.
    void wheel(int window, std::int32_t x, std::int32_t y, int steps);
    // The keys above other than the help's, at the pointer's last place: '+', '-', 'r'.
    void key(int window, char key);
    void toggle_help(int window);
    void forget(int window) { states_.erase(window); }

    // Does what came since the last call, one layout a window however many events came;
    // the windows whose pictures changed.
    std::vector<int> apply();

    struct Band {
        std::int32_t x0, y0, x1, y1;
    };
    // The rectangle being dragged out, if any.
    std::optional<Band> band(int window) const;
    bool help(int window) const;
    // The place under the pointer in the plot there; empty when it is over none.
    std::string readout(int window) const;
    // The lines the help shows.
    static const std::vector<std::string>& help_lines();

  private:
    struct State {
        std::int32_t x = 0, y = 0;  // the pointer, as last seen
        std::optional<Drag> drag;
        std::int32_t from_x = 0, from_y = 0;  // where the drag started
        std::int32_t pan_x = 0, pan_y = 0;    // panned so far, not yet applied
        int zoom_steps = 0;                   // wheel steps so far, not yet applied
        std::optional<Band> zoom_to;          // a rectangle to zoom to, not yet applied
        bool reset = false, help = false, moved = false;
        std::string readout;
    };
    bool apply(int window, State& s);

    Core& core_;
    std::map<int, State> states_;
};

}  // namespace luwnd
