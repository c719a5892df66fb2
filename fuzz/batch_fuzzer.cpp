// libFuzzer target: plot batches as a program leaves them in a window's plot block. The
// reader refuses or takes every input without a fault; what it takes encodes back into a
// batch that reads the same, and paints (on the recording canvas) like any batch luwnd
// draws.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "plotcore/batch_reader.h"
#include "plotcore/batch_writer.h"
#include "server/core/display_list.h"
#include "server/render/painter.h"
#include "server/render/record/recording_canvas.h"

namespace plotcore = lumora::plotcore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    plotcore::ReadResult batch = plotcore::read_batch(std::span<const std::uint8_t>(data, size));
    if (!batch.ok) {
        if (!batch.items.empty() || batch.error.empty()) __builtin_trap();
        return 0;
    }
    const plotcore::ReadResult again = plotcore::read_batch(plotcore::encode_batch(batch.items));
    if (!again.ok || again.items != batch.items) __builtin_trap();
    luwnd::DrawItem item;
    item.kind = luwnd::ItemKind::kBatch;
    item.batch = std::make_shared<const plotcore::Items>(std::move(batch.items));
    luwnd::render::RecordingCanvas canvas;
    luwnd::render::paint(luwnd::render::PaintItem{item, std::nullopt}, 640, 480, canvas);
    return 0;
}
