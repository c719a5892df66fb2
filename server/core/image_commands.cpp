// Pictures sent in chunks, one display item each (the header is told in image_transfer.h):
//
//  command  carries                              does                               answers
//  'B' 60   text area: the header; slot 2 the    starts a picture, dropping any     n
//           width, slot 3 the height (1 .. 8192  unfinished one; refused before
//           each, at most 16M pixels)            anything is allocated when a value
//                                                is out of range or the window has
//                                                no room for the pixels
//  'B' 61   slot 2 the byte offset, slot 3 the   the chunk from the text area; the  n
//           length (1 .. 2048)                   offset must be the number of bytes
//                                                received so far, and the chunk
//                                                must end within the picture
//  'B' 62   -                                    ends the transfer: a picture with  n
//                                                every byte draws, scaled into the
//                                                box of its corners; one cut short
//                                                is dropped (0)
//  'B' 63   -                                    abandons the transfer              n, 0 when
//                                                                                   none was
//                                                                                   going on
// The picture is drawn under the window's transform and clip like every other item.
#include "checksum.h"
#include "client/channel/block_layout.h"
#include "core_state.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

void trace_header(const ImageHeader& header, TraceLine& line) {
    line.add("fmt", header.format);
    line.add("smooth", header.smooth ? 1 : 0);
    static constexpr const char* kCorners[4] = {"x1", "y1", "x2", "y2"};
    for (std::size_t i = 0; i < 4; ++i) line.add(kCorners[i], header.corners[i]);
    line.add("colours", static_cast<std::int64_t>(header.colours.size()));
}

}  // namespace

std::int32_t Core::State::announce_image(Window& window, int n, const Slots& slots,
                                         TraceLine& line) {
    window.image_transfer.discard();
    std::optional<ImageHeader> header =
        read_image_header(window.block + layout::kText, slots.p2, slots.p3);
    if (!header) return refuse("value");
    trace_header(*header, line);
    std::size_t pixels = static_cast<std::size_t>(header->width) * header->height;
    if (!window.state.display.has_room_for_image(pixels)) return refuse("bounds");
    line.add("bytes", static_cast<std::int64_t>(header->data_size()));
    window.image_transfer.announce(std::move(*header));
    return n;
}

std::int32_t Core::State::image_chunk(Window& window, int n, const Slots& slots, TraceLine& line) {
    line.add("off", slots.p2);
    line.add("bytes", slots.p3);
    if (!window.image_transfer.pending()) return refuse("order");
    if (slots.p2 != static_cast<std::int64_t>(window.image_transfer.received()))
        return refuse("order");
    if (!window.image_transfer.add_chunk(slots.p2, slots.p3, window.block + layout::kText))
        return refuse("bounds");
    return n;
}

std::int32_t Core::State::complete_image(Window& window, int n, TraceLine& line) {
    ImageTransfer& transfer = window.image_transfer;
    if (!transfer.pending()) return refuse("order");
    line.add("bytes", static_cast<std::int64_t>(transfer.received()));
    line.add_word("sum", fnv1a_hex(transfer.bytes()));
    const ImageHeader header = transfer.header();
    std::optional<ImagePixels> pixels = transfer.complete(window.state.colours);
    if (!pixels) return refuse("bounds");
    DrawItem item;
    item.kind = ItemKind::kImage;
    item.coords = {header.corners[0], header.corners[1], header.corners[2], header.corners[3]};
    item.point_count = 2;
    item.arg1 = header.smooth ? 1 : 0;
    item.image = std::make_shared<const ImagePixels>(std::move(*pixels));
    return record(window, std::move(item)) ? n : refuse("bounds");
}

std::int32_t Core::State::discard_image(Window& window, int n) {
    return window.image_transfer.discard() ? n : refuse("order");
}

}  // namespace luwnd
