// A window process core on plain memory whose commands also keep the window pictures
// current, the way the host does, and a recording canvas to paint them on.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"
#include "server/render/painter.h"
#include "server/render/record/recording_canvas.h"
#include "server/render/window_pictures.h"

namespace luwnd::render::test {

namespace layout = lumora::layout;

class RenderFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        CoreConfig config;
        config.connection_id = 7;
        config.answers = std::string();
        core_ = std::make_unique<Core>(memory_, config);
        ASSERT_EQ(core_->publish(), 1);
    }

    std::int32_t send(const std::vector<std::uint8_t>& bytes) {
        std::int32_t result = core_->handle(1, bytes.data(), bytes.size());
        pictures_.after_command(*core_);
        return result;
    }
    int open(const std::string& title = "Plot") {
        std::string text = "I,0,0,0,-1,-1,-1," + title;
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return send(bytes);
    }
    std::uint8_t* block(int n) { return memory_.find("LuWnd1:" + std::to_string(n)); }
    void words(int n, std::size_t offset, const std::vector<std::int32_t>& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(block(n), offset + 4 * i, values[i]);
    }
    void put_text(int n, const std::string& text) {
        std::memcpy(block(n) + layout::kText, text.c_str(), text.size() + 1);
    }
    std::int32_t slot(char letter, int n, std::int32_t p1, std::int32_t p2 = 0,
                      std::int32_t p3 = 0) {
        words(n, layout::kParam1, {p1, p2, p3});
        return send({static_cast<std::uint8_t>(letter), static_cast<std::uint8_t>(n + 32), 0});
    }
    // 'A' 6 with the pen words and the change bits of all four.
    void pen(int n, std::int32_t colour, std::int32_t style, std::int32_t width, std::int32_t mix) {
        words(n, layout::kPenStyle, {style, width, colour, mix});
        words(n, layout::kChanged, {0xF});
        ASSERT_EQ(slot('A', n, 6), n);
    }
    void line(int n, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        ASSERT_EQ(slot('A', n, 11, x1, y1), n);
        ASSERT_EQ(slot('A', n, 20, x2, y2), n);
    }
    // Figure 21 .. 27 with the corners and, for arcs, the ray points.
    std::int32_t figure(int n, std::int32_t code, const std::vector<std::int32_t>& coords,
                        std::int32_t p2 = 0, std::int32_t p3 = 0) {
        words(n, layout::kResult1, coords);
        return slot('A', n, code, p2, p3);
    }
    // A whole array in one chunk: 'N', 'B' 36, 'B' 37.
    std::int32_t array(int n, std::int32_t kind, std::int32_t count, std::int32_t mode,
                       const std::vector<std::int32_t>& values,
                       const std::vector<std::int32_t>& plot_words = {}) {
        words(n, layout::kResult1,
              plot_words.empty() ? std::vector<std::int32_t>{0, 0, 0, 0} : plot_words);
        if (slot('N', n, kind, count, mode) != n) return 0;
        words(n, layout::kText, values);
        if (slot('B', n, 36, 0, static_cast<std::int32_t>(4 * values.size())) != n) return 0;
        return slot('B', n, 37);
    }
    void font(int n, std::int32_t height, std::int32_t angle, std::int32_t align,
              std::int32_t style, std::int32_t colour, const std::string& face = {}) {
        words(n, layout::kFontAngle, {angle, height, align, style, colour});
        put_text(n, face);
        ASSERT_EQ(slot('A', n, 9, 1), n);
    }

    // The calls that paint window n, without the page's clear.
    std::vector<std::string> calls(int n) {
        RecordingCanvas canvas;
        paint(pictures_.open().at(n), canvas);
        std::vector<std::string> list = canvas.calls();
        list.erase(list.begin());
        return list;
    }

    MemoryBlockHost memory_;
    WindowPictures pictures_;
    std::unique_ptr<Core> core_;
};

}  // namespace luwnd::render::test
