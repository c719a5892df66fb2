// The graphics steps of the Fourier program, drawn through the library's reference
// forms as a Fortran 77 caller makes them.
#pragma once

#include "fourier_graphics.h"

namespace lumora::fourier {

class SpectrumPlot : public FourierGraphics {
  public:
    std::int32_t open() override;
    void draw_frames(std::int32_t m, double t, std::int32_t upper_view,
                     std::int32_t lower_view) override;
    void draw_bars(std::int32_t upper_view, std::int32_t lower_view, std::int32_t k, float a_k,
                   float b_k) override;
    std::int32_t end() override;
    void abandon() override;
};

}  // namespace lumora::fourier
