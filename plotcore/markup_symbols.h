// The named symbols of text markup (\alpha, \infty, \propto, ...): their characters and
// how much room they leave around them, as TeX spaces relations and binary operators.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace lumora::plotcore {

enum class SymbolClass : unsigned char { kOrdinary, kBinary, kRelation };

struct MarkupSymbol {
    std::string_view name;  // without the backslash
    char32_t code;
    SymbolClass kind = SymbolClass::kOrdinary;
};

// Every named symbol, in a fixed order: the window process measures their advances in this
// order (font_widths.h).
std::span<const MarkupSymbol> markup_symbols();
// The symbol of that name, or nothing.
const MarkupSymbol* find_symbol(std::string_view name);
// The index of the code in markup_symbols(), or -1.
int symbol_index(char32_t code);

// The character in UTF-8.
std::string utf8_of(char32_t code);
// The character that starts at bytes[at] in UTF-8 and its length in bytes (at least 1; a
// byte that starts no valid sequence is one character of its own value).
char32_t decode_utf8(std::string_view bytes, std::size_t at, std::size_t& length);

}  // namespace lumora::plotcore
