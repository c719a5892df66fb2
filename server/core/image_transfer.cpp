#include "image_transfer.h"

#include "client/channel/block_layout.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

std::int32_t header_word(const std::uint8_t* text, std::size_t index) {
    return layout::read_i32(text, 4 * index);
}

bool side_fits(std::int32_t side) {
    return side >= 1 && side <= kMaxImageSide;
}

std::vector<std::uint32_t> resolve_palette(const std::vector<std::int32_t>& values,
                                           const ColourTable& colours) {
    // Indices the palette does not have are drawn black.
    std::vector<std::uint32_t> palette(kMaxImageColours, 0);
    for (std::size_t i = 0; i < values.size(); ++i)
        palette[i] = colours.resolve(values[i]).value_or(0);
    return palette;
}

}  // namespace

std::size_t ImageHeader::data_size() const {
    std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    return format == kImageRgb ? 3 * pixels : pixels;
}

std::optional<ImageHeader> read_image_header(const std::uint8_t* text, std::int32_t width,
                                             std::int32_t height) {
    ImageHeader header;
    header.format = header_word(text, 0);
    std::int32_t smooth = header_word(text, 1);
    std::int32_t count = header_word(text, 6);
    if (header.format != kImageRgb && header.format != kImageIndexed) return std::nullopt;
    if (smooth != 0 && smooth != 1) return std::nullopt;
    if (!side_fits(width) || !side_fits(height)) return std::nullopt;
    if (std::int64_t{width} * height > kMaxImagePixels) return std::nullopt;
    bool indexed = header.format == kImageIndexed;
    if (indexed ? count < 1 || count > kMaxImageColours : count != 0) return std::nullopt;
    header.smooth = smooth == 1;
    for (std::size_t i = 0; i < 4; ++i) header.corners[i] = header_word(text, 2 + i);
    for (std::int32_t i = 0; i < count; ++i)
        header.colours.push_back(header_word(text, 8 + static_cast<std::size_t>(i)));
    header.width = width;
    header.height = height;
    return header;
}

void ImageTransfer::announce(ImageHeader header) {
    header_ = std::move(header);
    bytes_.clear();
    bytes_.shrink_to_fit();
    bytes_.reserve(header_.data_size());
    pending_ = true;
}

bool ImageTransfer::add_chunk(std::int64_t offset, std::int64_t length, const std::uint8_t* chunk) {
    if (!pending_ || length <= 0) return false;
    if (length > static_cast<std::int64_t>(layout::kTextSize)) return false;
    auto received = static_cast<std::int64_t>(bytes_.size());
    if (offset != received) return false;
    if (length > static_cast<std::int64_t>(header_.data_size()) - received) return false;
    bytes_.insert(bytes_.end(), chunk, chunk + length);
    return true;
}

std::optional<ImagePixels> ImageTransfer::complete(const ColourTable& colours) {
    std::optional<ImagePixels> result;
    if (pending_ && bytes_.size() == header_.data_size()) {
        ImagePixels pixels;
        pixels.width = header_.width;
        pixels.height = header_.height;
        std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
        pixels.rgb.resize(count);
        if (header_.format == kImageRgb) {
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t* p = bytes_.data() + 3 * i;
                pixels.rgb[i] = std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
            }
        } else {
            std::vector<std::uint32_t> palette = resolve_palette(header_.colours, colours);
            for (std::size_t i = 0; i < count; ++i) pixels.rgb[i] = palette[bytes_[i]];
        }
        result = std::move(pixels);
    }
    discard();
    return result;
}

bool ImageTransfer::discard() {
    bool was_pending = pending_;
    pending_ = false;
    header_ = ImageHeader{};
    bytes_.clear();
    bytes_.shrink_to_fit();
    return was_pending;
}

}  // namespace luwnd
