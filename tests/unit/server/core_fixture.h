// A window process core on plain memory blocks, with helpers that send commands the way
// the client formats them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"

namespace luwnd::test {

namespace layout = lumora::layout;

class CoreFixture : public ::testing::Test {
  protected:
    static constexpr int kId = 4711;

    explicit CoreFixture(std::string trace_path = {}) : trace_path_(std::move(trace_path)) {}

    void SetUp() override {
        core_ = std::make_unique<Core>(host_, config());
        ASSERT_EQ(core_->publish(), 1);
    }

    CoreConfig config() const {
        CoreConfig c;
        c.window_handle = 655;
        c.connection_id = kId;
        c.trace_path = trace_path_;
        c.options = options_;
        c.answers = answers_;
        c.events = events_;
        c.windows_stay_shown = stay_shown_;
        c.max_items = max_items_;
        c.max_drawing_bytes = max_drawing_bytes_;
        c.screen_dpi = screen_dpi_;
        c.text_measure = text_measure_;
        c.dialogs = dialogs_;
        c.picture_saver = picture_saver_;
        c.watch_frame_program = watch_frame_program_;
        return c;
    }

    std::int32_t send(const std::vector<std::uint8_t>& bytes, std::uint32_t tag = 1) {
        return core_->handle(tag, bytes.data(), bytes.size());
    }
    // Writes consecutive words into window n's block from the byte offset on.
    void words(int n, std::size_t offset, const std::vector<std::int32_t>& values) {
        std::uint8_t* b = window_block(n);
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(b, offset + 4 * i, values[i]);
    }
    // Puts a NUL-terminated text into window n's text area.
    void put_text(int n, const std::string& text) {
        std::uint8_t* b = window_block(n);
        std::memcpy(b + layout::kText, text.c_str(), text.size() + 1);
    }
    std::int32_t word(int n, std::size_t offset) {
        return layout::read_i32(window_block(n), offset);
    }
    const WindowState& state(int n) { return *core_->window_state(n); }
    const std::vector<DrawItem>& items(int n) { return state(n).display.items(); }

    // A comma-form text, delivered with its NUL.
    std::int32_t send_text(const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return send(bytes);
    }
    // "%c%c" with the three slots of window n.
    std::int32_t slot(char letter, int n, std::int32_t p1, std::int32_t p2 = 0,
                      std::int32_t p3 = 0) {
        if (std::uint8_t* b = window_block(n)) {
            layout::write_i32(b, layout::kParam1, p1);
            layout::write_i32(b, layout::kParam2, p2);
            layout::write_i32(b, layout::kParam3, p3);
        }
        return send({static_cast<std::uint8_t>(letter), static_cast<std::uint8_t>(n + 32), 0});
    }
    int open(int n = 0, const std::string& title = {}) {
        return send_text("I," + std::to_string(n) + ",0,0,-1,-1,-1," + title);
    }

    std::uint8_t* process_block(int k = 1) { return host_.find("LuWnd" + std::to_string(k)); }
    std::string process_text(int k = 1) {
        const std::uint8_t* b = process_block(k);
        return b == nullptr ? std::string("<none>") : std::string(reinterpret_cast<const char*>(b));
    }
    std::uint8_t* window_block(int n, std::size_t* size = nullptr) {
        return host_.find("LuWnd1:" + std::to_string(n), size);
    }

    std::string trace_path_;
    std::string options_;
    std::optional<std::string> answers_ = std::string();  // no script: every answer yes
    std::optional<std::string> events_ = std::string();   // no scripted events
    bool stay_shown_ = false;
    std::size_t max_items_ = DisplayList::kMaxItems;
    std::size_t max_drawing_bytes_ = DrawingBudget::kDefaultBytes;
    std::int32_t screen_dpi_ = 96;
    TextMeasure* text_measure_ = nullptr;
    TextDialogs* dialogs_ = nullptr;
    PictureSaver* picture_saver_ = nullptr;
    std::function<void(std::int32_t)> watch_frame_program_;
    MemoryBlockHost host_;
    std::unique_ptr<Core> core_;
};

}  // namespace luwnd::test
