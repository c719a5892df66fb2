// Writes fuzz inputs in the format of fuzz_format.h, operation by operation, so that the
// seed corpus is real command sequences a client sends.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "fuzz_format.h"

namespace luwnd::fuzz {

class SeedWriter {
  public:
    explicit SeedWriter(std::uint8_t flags = 0, const std::string& options = {}) {
        u8(flags);
        u8(static_cast<std::uint8_t>(options.size()));
        bytes(options);
    }

    // A comma-form text command, sent with its NUL.
    SeedWriter& send_text(const std::string& text) {
        op(Op::kSend);
        u8(static_cast<std::uint8_t>(text.size() + 1));
        bytes(text);
        u8(0);
        return *this;
    }
    SeedWriter& send_raw(const std::vector<std::uint8_t>& data) {
        op(Op::kSend);
        u8(static_cast<std::uint8_t>(data.size()));
        for (std::uint8_t b : data) u8(b);
        return *this;
    }
    SeedWriter& tagged(std::uint32_t tag, const std::string& text) {
        op(Op::kTagged);
        u32(tag);
        u8(static_cast<std::uint8_t>(text.size() + 1));
        bytes(text);
        u8(0);
        return *this;
    }
    SeedWriter& slot(char letter, int w, std::int32_t p1, std::int32_t p2 = 0,
                     std::int32_t p3 = 0) {
        op(Op::kSlot);
        return letter_window_slots(letter, w, p1, p2, p3);
    }
    // A command posted through the ring to window w.
    SeedWriter& posted(char letter, int w, std::int32_t p1, std::int32_t p2 = 0,
                       std::int32_t p3 = 0) {
        op(Op::kPosted);
        return letter_window_slots(letter, w + 32, p1, p2, p3);
    }
    SeedWriter& poke(int w, std::uint16_t offset, const std::string& data) {
        op(Op::kPoke);
        u8(static_cast<std::uint8_t>(w));
        u16(offset);
        u8(static_cast<std::uint8_t>(data.size()));
        bytes(data);
        return *this;
    }
    SeedWriter& text(int w, const std::string& data) {
        op(Op::kText);
        u8(static_cast<std::uint8_t>(w));
        u16(static_cast<std::uint16_t>(data.size()));
        bytes(data);
        return *this;
    }
    // Little-endian words written as one text of the text area.
    SeedWriter& text_words(int w, const std::vector<std::int32_t>& values) {
        std::string data;
        for (std::int32_t v : values) {
            for (int shift = 0; shift < 32; shift += 8)
                data += static_cast<char>(static_cast<std::uint32_t>(v) >> shift & 0xFF);
        }
        return text(w, data);
    }
    // Header words from the byte offset on.
    SeedWriter& words(int w, std::size_t offset, const std::vector<std::int32_t>& values) {
        op(Op::kWords);
        u8(static_cast<std::uint8_t>(w));
        u8(static_cast<std::uint8_t>(offset / 4));
        u8(static_cast<std::uint8_t>(values.size()));
        for (std::int32_t v : values) u32(static_cast<std::uint32_t>(v));
        return *this;
    }
    SeedWriter& floats(int w, std::size_t offset, const std::vector<float>& values) {
        std::vector<std::int32_t> bits;
        for (float v : values) bits.push_back(std::bit_cast<std::int32_t>(v));
        return words(w, offset, bits);
    }
    // A picture: the header fields, then the pixel bytes.
    SeedWriter& image(int w, std::uint8_t format, std::uint8_t smooth, std::uint8_t width,
                      std::uint8_t height, const std::vector<std::int32_t>& corners,
                      std::uint8_t colours, const std::string& pixels) {
        op(Op::kImage);
        for (std::uint8_t v : {static_cast<std::uint8_t>(w), format, smooth, width, height}) u8(v);
        for (std::int32_t c : corners) u32(static_cast<std::uint32_t>(c));
        u8(colours);
        bytes(pixels);
        return *this;
    }
    SeedWriter& gone() { return op(Op::kGone); }
    SeedWriter& paint() { return op(Op::kPaint); }
    SeedWriter& file(const std::string& data) {
        op(Op::kFile);
        u16(static_cast<std::uint16_t>(data.size()));
        bytes(data);
        return *this;
    }

    // The usual start: handshake with the published id, then window w opened.
    SeedWriter& connect_and_open(int w = 1, const std::string& title = "Plot") {
        send_text("K," + std::to_string(kConnectionId) + ",/home/user;demo;Lumora demo");
        return send_text("I," + std::to_string(w) + ",0,0,-1,-1,-1," + title);
    }
    SeedWriter& quit(int mode = 1) { return send_text("L," + std::to_string(mode) + ","); }

    const std::vector<std::uint8_t>& data() const { return data_; }

  private:
    SeedWriter& letter_window_slots(char letter, int window, std::int32_t p1, std::int32_t p2,
                                    std::int32_t p3) {
        u8(static_cast<std::uint8_t>(letter));
        u8(static_cast<std::uint8_t>(window));
        u32(static_cast<std::uint32_t>(p1));
        u32(static_cast<std::uint32_t>(p2));
        u32(static_cast<std::uint32_t>(p3));
        return *this;
    }
    SeedWriter& op(Op o) {
        u8(static_cast<std::uint8_t>(o));
        return *this;
    }
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void bytes(const std::string& s) { data_.insert(data_.end(), s.begin(), s.end()); }

    std::vector<std::uint8_t> data_;
};

}  // namespace luwnd::fuzz
