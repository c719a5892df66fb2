// Pen and marker presets of the process ('B' 32 saves, 'B' 33 applies), numbered 1 .. 16.
#pragma once

#include <array>
#include <optional>

#include "drawing_attributes.h"

namespace luwnd {

struct Preset {
    PenState pen;
    MarkerState marker;
};

class PresetTable {
  public:
    static constexpr int kPresets = 16;

    // False for a number outside 1 .. 16.
    bool save(int number, const Preset& preset);
    // The saved preset, or nullptr when the number is out of range or nothing was saved.
    const Preset* find(int number) const;
    int saved() const;

  private:
    std::array<std::optional<Preset>, kPresets> presets_{};
};

}  // namespace luwnd
