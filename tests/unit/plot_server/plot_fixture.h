// A window process core with window 1 open, and helpers that send plot batches the way
// the library does: the bytes into the plot block, h and c into words 240 and 244, then
// 'B' with the batch command and the byte count.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "plotcore/batch_format.h"
#include "plotcore/batch_writer.h"
#include "plotcore/plot_commands.h"
#include "tests/unit/server/core_fixture.h"

namespace luwnd::test {

namespace plotcore = lumora::plotcore;

class PlotFixture : public CoreFixture {
  protected:
    using CoreFixture::CoreFixture;

    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }

    std::uint8_t* plot_block(int n = 1, std::size_t* size = nullptr) {
        return host_.find("LuWnd1:" + std::to_string(n) + ":plot", size);
    }
    std::int32_t make_block(int n = 1) { return slot('B', n, plotcore::kPlotBlock); }

    std::int32_t send_bytes(const plotcore::Bytes& bytes, std::int32_t h = 0, std::int32_t c = 0,
                            int n = 1) {
        if (std::uint8_t* block = plot_block(n)) std::memcpy(block, bytes.data(), bytes.size());
        words(n, layout::kResult1, {h, c});
        return slot('B', n, plotcore::kPlotBatch, static_cast<std::int32_t>(bytes.size()));
    }
    std::int32_t send_batch(const plotcore::Items& items, std::int32_t h = 0, std::int32_t c = 0) {
        return send_bytes(plotcore::encode_batch(items), h, c);
    }

    // A line from (x, y) to (x + 10, y + 5) in the colour.
    static plotcore::Item line(float x, float y, std::uint32_t rgb = 0) {
        plotcore::Item item;
        item.kind = plotcore::ItemKind::kPolyline;
        item.stroke.rgb = rgb;
        item.points = {{x, y}, {x + 10, y + 5}};
        return item;
    }
    // The x where the first line of each display item starts (-1 for an item that is no
    // batch or has no points): which batches stand where.
    std::vector<float> starts(int n = 1) {
        std::vector<float> out;
        for (const DrawItem& item : items(n)) {
            const bool drawn = item.kind == ItemKind::kBatch && item.batch &&
                               !item.batch->empty() && !item.batch->front().points.empty();
            out.push_back(drawn ? item.batch->front().points.front().x : -1.0f);
        }
        return out;
    }
};

}  // namespace luwnd::test
