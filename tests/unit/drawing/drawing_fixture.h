// A connected client with one open window whose drawing state the tests set directly, and
// a record of the block words each command carried.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/include/lumora.h"
#include "tests/unit/channel/channel_fixture.h"

namespace lumora::test {

struct DrawingState {
    std::int32_t origin_x = 0, origin_y = 600;
    float x_scale = 60.0f, y_scale = 60.0f;
    float world_x1 = 0.0f, world_y1 = 0.0f, world_x2 = 10.0f, world_y2 = 10.0f;
    float view_x1 = 0.0f, view_y1 = 0.0f, view_x2 = 1.0f, view_y2 = 1.0f;
    std::int32_t width = 600, height = 600, unit = 600;
    std::int32_t pixel_mode = 0;
};

class DrawingTest : public ChannelTest {
  protected:
    void SetUp() override {
        ChannelTest::SetUp();
        connect();
        window_ = open(2);
        fake().on_deliver = [this](const platform::Delivery& d) { capture(d); };
    }

    int window() const { return window_; }
    std::uint8_t* block() { return window_block(window_); }

    void set_state(const DrawingState& s) {
        std::uint8_t* b = block();
        layout::write_i32(b, layout::kOriginX, s.origin_x);
        layout::write_i32(b, layout::kOriginY, s.origin_y);
        layout::write_f32(b, layout::kXScale, s.x_scale);
        layout::write_f32(b, layout::kYScale, s.y_scale);
        layout::write_f32(b, layout::kWorldX1, s.world_x1);
        layout::write_f32(b, layout::kWorldY1, s.world_y1);
        layout::write_f32(b, layout::kWorldX2, s.world_x2);
        layout::write_f32(b, layout::kWorldY2, s.world_y2);
        layout::write_f32(b, layout::kViewX1, s.view_x1);
        layout::write_f32(b, layout::kViewY1, s.view_y1);
        layout::write_f32(b, layout::kViewX2, s.view_x2);
        layout::write_f32(b, layout::kViewY2, s.view_y2);
        layout::write_i32(b, layout::kPageWidth, s.width);
        layout::write_i32(b, layout::kPageHeight, s.height);
        layout::write_i32(b, layout::kUnitLength, s.unit);
        layout::write_i32(b, layout::kPixelMode, s.pixel_mode);
    }

    float f32(std::size_t offset) { return layout::read_f32(block(), offset); }
    std::int32_t i32(std::size_t offset) { return layout::read_i32(block(), offset); }

    void set_position(std::int32_t x, std::int32_t y) {
        layout::write_i32(block(), layout::kPenX, x);
        layout::write_i32(block(), layout::kPenY, y);
    }

    // The deliveries since the count `from`, as (letter, sub-code) pairs.
    std::vector<std::pair<char, int>> commands_since(std::size_t from) {
        std::vector<std::pair<char, int>> out;
        for (std::size_t i = from; i < fake().deliveries.size(); ++i) {
            const auto& d = fake().deliveries[i];
            out.emplace_back(static_cast<char>(d.bytes.at(0)), d.param1);
        }
        return out;
    }

    // Answers the next n commands with the window number, whatever the core knows.
    void answer(int n = 1) {
        for (int i = 0; i < n; ++i) fake().results.push_back(window_);
    }

    // The eight figure words (result1 ... result4 and the first four text words) as they
    // were when each command was delivered.
    std::vector<std::array<std::int32_t, 8>> words;
    // Run at delivery, before the answer: a test can write the window process's reply.
    std::function<void(std::uint8_t*, const platform::Delivery&)> reply;

  private:
    void capture(const platform::Delivery& d) {
        std::uint8_t* b = window_block(d.bytes.size() > 1 ? d.bytes[1] - 32 : 0);
        std::array<std::int32_t, 8> w{};
        if (b != nullptr) {
            for (std::size_t i = 0; i < 8; ++i)
                w[i] = layout::read_i32(b, layout::kResult1 + 4 * i);
            if (reply) reply(b, d);
        }
        words.push_back(w);
    }

    int window_ = 0;
};

}  // namespace lumora::test
