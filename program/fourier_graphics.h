// The graphics steps of the Fourier program, at the places the main routine and the
// coefficient loop call them. Every step does nothing here; a plotting subclass overrides
// them with the library's drawing calls.
#pragma once

#include <cstdint>

namespace lumora::fourier {

// View numbers under which the frames keep their coordinate systems.
inline constexpr std::int32_t kUpperView = 1;  // a_k
inline constexpr std::int32_t kLowerView = 2;  // b_k

class FourierGraphics {
  public:
    virtual ~FourierGraphics() = default;
    // Opens the graphics window; the result goes into the program's result variable.
    virtual std::int32_t open() { return 0; }
    // Draws both frames for coefficients 0 ... m and record length t, saving their views.
    virtual void draw_frames(std::int32_t /*m*/, double /*t*/, std::int32_t /*upper_view*/,
                             std::int32_t /*lower_view*/) {}
    // Draws the bars of coefficient k in both frames.
    virtual void draw_bars(std::int32_t /*upper_view*/, std::int32_t /*lower_view*/,
                           std::int32_t /*k*/, float /*a_k*/, float /*b_k*/) {}
    // Ends the graphics run; may wait for the user at the console.
    virtual std::int32_t end() { return 0; }
    // Ends the graphics run after a failure, without waiting for anybody: the window
    // process is told that this program is done with it.
    virtual void abandon() {}
};

}  // namespace lumora::fourier
