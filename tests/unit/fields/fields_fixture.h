// A window process without plot batches for the field operations, and what it keeps.
#pragma once

#include <vector>

#include "client/plot/colour_maps.h"
#include "client/plot/plot_lane.h"
#include "server/core/core.h"
#include "tests/unit/arrays/arrays_fixture.h"

namespace lumora::test {

class FieldsTest : public ArraysTest {
  protected:
    void SetUp() override {
        server_config_.plot_extension = false;
        ArraysTest::SetUp();
        plot::current_colour_map() = plot::ColourMap{};
        // The window is asked once whether it takes plot batches; asked here, the counts
        // below are those of the drawing.
        ASSERT_FALSE(plot::plot_lane_open(window()));
    }
    void TearDown() override {
        plot::current_colour_map() = plot::ColourMap{};
        ArraysTest::TearDown();
    }
    const std::vector<luwnd::DrawItem>& items() {
        return fake().core()->window_state(window())->display.items();
    }
    std::vector<const luwnd::DrawItem*> of_kind(luwnd::ItemKind kind, std::size_t from = 0) {
        std::vector<const luwnd::DrawItem*> out;
        for (std::size_t k = from; k < items().size(); ++k)
            if (items()[k].kind == kind) out.push_back(&items()[k]);
        return out;
    }
    // z = i over nx x ny values (i along x).
    static std::vector<float> ramp(int nx, int ny) {
        std::vector<float> z;
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j) z.push_back(static_cast<float>(i));  // row-major
        return z;
    }
};

// A colour value as the window process keeps it (red in the high byte).
inline std::uint32_t packed(std::int32_t colour_value) {
    auto v = static_cast<std::uint32_t>(colour_value);
    return (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

}  // namespace lumora::test
