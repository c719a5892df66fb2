// A window process core on plain memory blocks, with helpers that send commands the way
// the client formats them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
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
        return c;
    }

    std::int32_t send(const std::vector<std::uint8_t>& bytes, std::uint32_t tag = 1) {
        return core_->handle(tag, bytes.data(), bytes.size());
    }
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
    MemoryBlockHost host_;
    std::unique_ptr<Core> core_;
};

}  // namespace luwnd::test
