// A connected client with one open window whose coordinate system the test sets itself,
// and a record of the text area as each command found it.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "tests/unit/channel/channel_fixture.h"

namespace lumora::test {

class TextTest : public ChannelTest {
  protected:
    void SetUp() override {
        ChannelTest::SetUp();
        connect();
        window_ = open(3);
        // World 0 ... 10 both ways on a 600 x 600 area: 60 pixels per unit, y upward.
        set_world(0.0f, 0.0f, 10.0f, 10.0f, 60.0f, 60.0f);
        layout::write_i32(block(), layout::kOriginX, 0);
        layout::write_i32(block(), layout::kOriginY, 600);
        layout::write_i32(block(), layout::kPageHeight, 600);
        fake().on_deliver = [this](const platform::Delivery&) {
            const char* area = reinterpret_cast<const char*>(block() + layout::kText);
            texts_.emplace_back(area, strnlen(area, layout::kTextSize));
            if (replying_) {
                for (std::size_t i = 0; i < 4; ++i) {
                    layout::write_i32(block(), layout::kResult1 + 4 * i, reply_[i]);
                }
            }
        };
        fake().deliveries.clear();
    }

    void set_world(float x1, float y1, float x2, float y2, float sx, float sy) {
        layout::write_f32(block(), layout::kWorldX1, x1);
        layout::write_f32(block(), layout::kWorldY1, y1);
        layout::write_f32(block(), layout::kWorldX2, x2);
        layout::write_f32(block(), layout::kWorldY2, y2);
        layout::write_f32(block(), layout::kXScale, sx);
        layout::write_f32(block(), layout::kYScale, sy);
    }

    // The reply words result1 ... result4 the window process writes to every command.
    void reply_with(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
        reply_[0] = a;
        reply_[1] = b;
        reply_[2] = c;
        reply_[3] = d;
        replying_ = true;
    }

    std::uint8_t* block() { return window_block(window_); }
    std::int32_t word(std::size_t offset) { return layout::read_i32(block(), offset); }
    int window() const { return window_; }
    const platform::Delivery& last() { return fake().deliveries.back(); }
    // The text area as the last command found it.
    const std::string& last_text() { return texts_.back(); }
    std::size_t sent_count() { return fake().deliveries.size(); }
    // The command text of the last delivery: letter and window character.
    std::string last_command() { return sent(fake().deliveries.size() - 1); }
    std::string command(char letter) const {
        return std::string{letter, layout::window_char(window_), '\0'};
    }

  private:
    int window_ = 0;
    std::vector<std::string> texts_;
    std::int32_t reply_[4] = {};
    bool replying_ = false;
};

}  // namespace lumora::test
