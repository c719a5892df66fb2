// Reads the little-endian fields of a plot batch in order; any read past the end, or a
// value out of bounds, marks the reader failed with the first reason, and every later read
// yields 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "batch_format.h"
#include "items.h"

namespace lumora::plotcore {

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    std::size_t left() const { return bytes_.size() - at_; }
    std::size_t at() const { return at_; }
    void fail(const char* why) {
        if (error_.empty()) error_ = why;
        at_ = bytes_.size();
    }

    std::uint8_t u8() {
        if (left() < 1) {
            fail("truncated");
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint16_t u16() {
        const std::uint16_t lo = u8();
        return static_cast<std::uint16_t>(lo | (u8() << 8));
    }
    std::uint32_t u32() {
        const std::uint32_t lo = u16();
        return lo | (static_cast<std::uint32_t>(u16()) << 16);
    }
    float f32() {
        const std::uint32_t bits = u32();
        float v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    float coordinate() {
        const float v = f32();
        if (!std::isfinite(v) || std::fabs(v) > kMaxCoordinate) fail("coordinate out of range");
        return v;
    }
    // A size: positive, finite, at most most.
    float size(float most) {
        const float v = f32();
        if (!(v > 0 && v <= most)) fail("size out of range");
        return v;
    }
    PointF point() {
        const float x = coordinate();
        return {x, coordinate()};
    }
    void points(std::vector<PointF>& out, std::size_t least, std::size_t multiple) {
        const std::uint32_t n = u32();
        if (n < least || n % multiple != 0) return fail("wrong point count");
        if (n > left() / kPointBytes) return fail("truncated");
        out.resize(n);
        for (PointF& p : out) p = point();
    }
    Stroke stroke() {
        Stroke s;
        s.rgb = colour();
        s.width = size(kMaxWidth);
        const std::uint8_t dash = u8();
        if (dash > kMaxDash) fail("unknown dash");
        s.dash = static_cast<Dash>(dash);
        skip(3);
        return s;
    }
    // n sets of hatch lines (n has been read: 1 .. kMaxHatchSets), spacings up to most.
    Hatch hatch(std::uint32_t n, float most) {
        if (n < 1 || n > kMaxHatchSets) {
            fail("hatch line sets out of range");
            return {};
        }
        Hatch h(n);
        for (HatchLines& set : h) {
            set.angle = f32();
            set.spacing = f32();
            if (!(std::fabs(set.angle) <= kMaxHatchAngle)) fail("hatch angle out of range");
            if (!(set.spacing >= kMinHatchSpacing && set.spacing <= most))
                fail("hatch spacing out of range");
        }
        return h;
    }
    std::uint32_t colour() {
        const std::uint32_t v = u32();
        const bool value = is_colour_value(v) && is_valid_colour_value(v & ~kColourValueFlag);
        if (v > 0xFFFFFFu && !value) fail("colour out of range");
        return v;
    }
    void skip(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) u8();
    }
    std::string text(std::size_t n) {
        if (n > left()) {
            fail("truncated");
            return {};
        }
        std::string s(reinterpret_cast<const char*>(bytes_.data() + at_), n);
        at_ += n;
        return s;
    }

    double f64() {
        const std::uint64_t lo = u32();
        const std::uint64_t bits = lo | (static_cast<std::uint64_t>(u32()) << 32);
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

}  // namespace lumora::plotcore
