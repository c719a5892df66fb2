#include "array_transfer.h"

#include <cstdlib>
#include <cstring>

#include "client/channel/block_layout.h"

namespace luwnd {

std::size_t array_size(std::int32_t kind, std::int32_t count) {
    std::int64_t bytes = 0;
    switch (kind) {
        case kArrayPolygon:
        case kArrayBezier:
        case kArrayPolyline:
            if (count > 0) bytes = std::int64_t{count} * 8;
            break;
        case kArrayPlot:
            bytes = std::llabs(std::int64_t{count}) * 4;
            break;
        default:
            break;
    }
    if (bytes > static_cast<std::int64_t>(kMaxArrayBytes)) return 0;
    return static_cast<std::size_t>(bytes);
}

void ArrayTransfer::reset() {
    pending_ = false;
    data_ = ArrayData{};
    covered_.clear();
    covered_count_ = 0;
}

bool ArrayTransfer::announce(std::int32_t kind, std::int32_t count, std::int32_t mode,
                             const std::array<std::int32_t, 4>& words, std::int32_t fill_rule) {
    reset();
    std::size_t bytes = array_size(kind, count);
    if (bytes == 0) return false;
    data_.kind = kind;
    data_.count = count;
    data_.mode = mode;
    data_.words = words;
    data_.fill_rule = fill_rule;
    data_.bytes.assign(bytes, 0);
    covered_.assign(bytes, false);
    pending_ = true;
    return true;
}

bool ArrayTransfer::add_chunk(std::int64_t offset, std::int64_t length, const std::uint8_t* chunk) {
    if (!pending_ || length <= 0 || offset < 0) return false;
    if (length > static_cast<std::int64_t>(lumora::layout::kTextSize)) return false;
    auto total = static_cast<std::int64_t>(data_.bytes.size());
    if (offset > total || length > total - offset) return false;
    auto start = static_cast<std::size_t>(offset);
    auto count = static_cast<std::size_t>(length);
    std::memcpy(data_.bytes.data() + start, chunk, count);
    for (std::size_t i = start; i < start + count; ++i) {
        if (!covered_[i]) {
            covered_[i] = true;
            ++covered_count_;
        }
    }
    return true;
}

std::optional<ArrayData> ArrayTransfer::complete() {
    std::optional<ArrayData> result;
    if (pending_ && covered_count_ == data_.bytes.size()) result = std::move(data_);
    reset();
    return result;
}

bool ArrayTransfer::discard() {
    bool was_pending = pending_;
    reset();
    return was_pending;
}

}  // namespace luwnd
