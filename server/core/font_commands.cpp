// Text and symbol fonts ('A' 9, 'A' 10), drawing texts and symbols ('A' 15, 'A' 16) and
// their extents ('B' 17, 'B' 18).
#include "block_text.h"
#include "client/channel/block_layout.h"
#include "core_state.h"
#include "text_metrics.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kSymbolFontCode = 10;
constexpr std::int32_t kLastAngle = 3599;
constexpr std::int32_t kLastAlign = 8;
// Longest face name taken; a longer one is ignored.
constexpr std::size_t kMaxFace = 255;

struct FontWords {
    std::size_t angle, size, align, style, colour;
};
constexpr FontWords kTextFontWords{layout::kFontAngle, layout::kFontSize, layout::kFontAlign,
                                   layout::kFontAttr4, layout::kFontAttr5};
constexpr FontWords kSymbolFontWords{layout::kFont2Angle, layout::kFont2Size, layout::kFont2Align,
                                     layout::kFont2Attr4, layout::kFont2Attr5};

void take_if(std::int32_t& target, std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value >= low && value <= high) target = value;
}

// Takes the valid words; an empty face keeps the face, as does a colour that is none.
void read_font(const std::uint8_t* block, const FontWords& words, const ColourTable& colours,
               FontState& font) {
    take_if(font.angle, layout::read_i32(block, words.angle), 0, kLastAngle);
    take_if(font.size, layout::read_i32(block, words.size), 1, kMaxDeviceLength);
    take_if(font.align, layout::read_i32(block, words.align), 0, kLastAlign);
    font.style = layout::read_i32(block, words.style);
    std::int32_t colour = layout::read_i32(block, words.colour);
    if (colours.resolve(colour)) font.colour = colour;
    std::string_view face = block_text(block);
    if (!face.empty() && face.size() <= kMaxFace) font.face = std::string(face);
}

void trace_font(const FontState& font, TraceLine& line) {
    line.add("angle", font.angle);
    line.add("size", font.size);
    line.add("align", font.align);
    line.add("style", font.style);
    line.add("colour", font.colour);
    line.add_text("face", font.face);
}

}  // namespace

// Slot 2 carries how many shaping attributes the client changed; the words themselves
// decide what is applied.
std::int32_t Core::State::set_font(Window& window, int n, const Slots& slots, TraceLine& line) {
    bool symbol = slots.p1 == kSymbolFontCode;
    FontState& font = symbol ? window.state.symbol_font : window.state.text_font;
    read_font(window.block, symbol ? kSymbolFontWords : kTextFontWords, window.state.colours, font);
    trace_font(font, line);
    return n;
}

// Slots 2, 3 the position (32767 for both when the client found it far outside).
std::int32_t Core::State::draw_text(Window& window, int n, const Slots& slots, TraceLine& line) {
    DrawItem item;
    item.kind = ItemKind::kText;
    item.coords = {slots.p2, slots.p3};
    item.point_count = 1;
    item.font = window.state.text_font;
    item.text = std::string(block_text(window.block));
    line.add_text("text", item.text);
    return record(window, std::move(item), true) ? n : refuse("bounds");
}

// The symbol code is the first byte of the text area; no NUL follows it.
std::int32_t Core::State::draw_symbol(Window& window, int n, const Slots& slots, TraceLine& line) {
    DrawItem item;
    item.kind = ItemKind::kSymbol;
    item.coords = {slots.p2, slots.p3};
    item.point_count = 1;
    item.arg1 = window.block[layout::kText];
    item.font = window.state.symbol_font;
    line.add("code", item.arg1);
    return record(window, std::move(item), true) ? n : refuse("bounds");
}

std::int32_t Core::State::text_extent_query(Window& window, int n, TraceLine& line) {
    std::string_view text = block_text(window.block);
    line.add_text("text", text);
    const FontState& font = window.state.text_font;
    std::optional<std::array<std::int32_t, 4>> measured;
    if (config.text_measure != nullptr) measured = config.text_measure->measure(font, text);
    write_results(window.block, measured ? *measured : text_extent(font, text.size()), line);
    return n;
}

// Slot 2 names the symbol. A renderer that measures gives that symbol's own width and
// height in the symbol font; the estimate measures every symbol alike.
std::int32_t Core::State::symbol_extent_query(Window& window, int n, TraceLine& line) {
    const FontState& font = window.state.symbol_font;
    SymbolExtent extent = symbol_extent(font);
    const std::int32_t code = layout::read_i32(window.block, layout::kParam2);
    const bool drawable = (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF);
    if (config.text_measure != nullptr && drawable) {
        const char byte = static_cast<char>(code);
        if (auto measured = config.text_measure->measure(font, std::string_view(&byte, 1)))
            extent = {(*measured)[0], (*measured)[1]};
    }
    layout::write_i32(window.block, layout::kResult2, extent.width);
    layout::write_i32(window.block, layout::kResult3, extent.height);
    line.add("r2", extent.width);
    line.add("r3", extent.height);
    return n;
}

}  // namespace luwnd
