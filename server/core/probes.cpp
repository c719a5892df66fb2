#include "probes.h"

#include <cstring>

#include "client/channel/block_layout.h"

namespace luwnd {
namespace {

namespace layout = lumora::layout;

constexpr std::size_t kValueOffset = 4;

std::uint64_t read_u64(const std::uint8_t* p) {
    auto low = static_cast<std::uint32_t>(layout::read_i32(p, 0));
    auto high = static_cast<std::uint32_t>(layout::read_i32(p, 4));
    return static_cast<std::uint64_t>(high) << 32 | low;
}

double read_f64(const std::uint8_t* p) {
    std::uint64_t bits = read_u64(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t answer_float(const std::uint8_t* data, float expected, std::int32_t answer) {
    return layout::read_f32(data, kValueOffset) == expected ? answer : 0;
}

}  // namespace

bool looks_like_probe(const std::uint8_t* data, std::size_t length) {
    return length >= 4 && data[0] == 'O' && data[1] == ',' && data[2] >= '0' && data[2] <= '9' &&
           data[3] == 0;
}

ProbeAnswer answer_probe(const std::uint8_t* data, std::size_t length) {
    ProbeAnswer answer;
    if (!looks_like_probe(data, length)) return answer;
    answer.probe = data[2] - '0';
    switch (answer.probe) {
        case 0:
            if (length == 8 && layout::read_i32(data, kValueOffset) ==
                                   static_cast<std::int32_t>(layout::kWindowBlockSize))
                answer.result = static_cast<std::int32_t>(layout::kParam1);
            break;
        case 1:
            if (length == 8)
                answer.result = answer_float(data, -3.1415920257568359375f,
                                             static_cast<std::int32_t>(layout::kText));
            break;
        case 2:
            if (length == 12 && read_f64(data + kValueOffset) == -3.141592653589793)
                answer.result = INT32_MAX;
            break;
        case 3:
            if (length == 8) answer.result = answer_float(data, 9.869602203369140625f, INT32_MIN);
            break;
        default:
            answer.probe = -1;
            break;
    }
    return answer;
}

}  // namespace luwnd
