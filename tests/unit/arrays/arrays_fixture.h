// A window with the drawing fixture's state, and readers for what an array transfer
// delivered: the chunk commands and the array the window process assembled.
#pragma once

#include <utility>
#include <vector>

#include "tests/unit/drawing/drawing_fixture.h"

namespace lumora::test {

using Commands = std::vector<std::pair<char, int>>;
using Chunks = std::vector<std::pair<int, int>>;

class ArraysTest : public DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        set_state({});  // origin (0, 600), 60 pixels per world unit
    }

    // (byte offset, byte length) of every 'B' 36 since delivery `from`.
    Chunks chunks_since(std::size_t from) {
        Chunks out;
        for (std::size_t i = from; i < fake().deliveries.size(); ++i) {
            const auto& d = fake().deliveries[i];
            if (d.bytes.at(0) == 'B' && d.param1 == 36) out.emplace_back(d.param2, d.param3);
        }
        return out;
    }

    // The 32-bit values of the last array the window process completed for window w.
    std::vector<std::int32_t> assembled(int w) {
        std::vector<std::int32_t> out;
        const luwnd::ArrayData* array = fake().core()->completed_array(w);
        if (array == nullptr) return out;
        for (std::size_t i = 0; i + 4 <= array->bytes.size(); i += 4) {
            out.push_back(layout::read_i32(array->bytes.data(), i));
        }
        return out;
    }

    // Window number that delivery i was addressed to.
    int window_of(std::size_t i) { return fake().deliveries.at(i).bytes.at(1) - 32; }
};

}  // namespace lumora::test
