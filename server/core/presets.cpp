#include "presets.h"

namespace luwnd {

bool PresetTable::save(int number, const Preset& preset) {
    if (number < 1 || number > kPresets) return false;
    presets_[static_cast<std::size_t>(number - 1)] = preset;
    return true;
}

const Preset* PresetTable::find(int number) const {
    if (number < 1 || number > kPresets) return nullptr;
    const std::optional<Preset>& preset = presets_[static_cast<std::size_t>(number - 1)];
    return preset ? &*preset : nullptr;
}

int PresetTable::saved() const {
    int count = 0;
    for (const std::optional<Preset>& preset : presets_) count += preset ? 1 : 0;
    return count;
}

}  // namespace luwnd
