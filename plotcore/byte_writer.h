// Writes the little-endian fields of a plot batch in order.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "batch_format.h"
#include "items.h"

namespace lumora::plotcore {

using Bytes = std::vector<std::uint8_t>;

class Writer {
  public:
    explicit Writer(Bytes& out) : out_(out) {}
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void f32(float v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void point(PointF p) {
        f32(p.x);
        f32(p.y);
    }
    void points(const std::vector<PointF>& ps) {
        u32(static_cast<std::uint32_t>(ps.size()));
        for (const PointF& p : ps) point(p);
    }
    void f64(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void bytes(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        for (char c : s) u8(static_cast<std::uint8_t>(c));
    }
    void stroke(const Stroke& s) {
        u32(s.rgb);
        f32(s.width);
        u8(static_cast<std::uint8_t>(s.dash));
        u8(0);
        u16(0);
    }
    // The sets of hatch lines, without their count.
    void hatch(const Hatch& h) {
        for (const HatchLines& set : h) {
            f32(set.angle);
            f32(set.spacing);
        }
    }

  private:
    Bytes& out_;
};

}  // namespace lumora::plotcore
