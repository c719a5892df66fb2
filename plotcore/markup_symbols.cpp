#include "markup_symbols.h"

#include <algorithm>
#include <array>

#include "font_widths.h"

namespace lumora::plotcore {
namespace {

constexpr auto kBin = SymbolClass::kBinary;
constexpr auto kRel = SymbolClass::kRelation;

constexpr MarkupSymbol kSymbols[] = {
    // Greek, as TeX names them (\phi is the open form, \varphi the looped one).
    {"alpha", U'\u03B1'},
    {"beta", U'\u03B2'},
    {"gamma", U'\u03B3'},
    {"delta", U'\u03B4'},
    {"epsilon", U'\u03F5'},
    {"varepsilon", U'\u03B5'},
    {"zeta", U'\u03B6'},
    {"eta", U'\u03B7'},
    {"theta", U'\u03B8'},
    {"vartheta", U'\u03D1'},
    {"iota", U'\u03B9'},
    {"kappa", U'\u03BA'},
    {"lambda", U'\u03BB'},
    {"mu", U'\u03BC'},
    {"nu", U'\u03BD'},
    {"xi", U'\u03BE'},
    {"pi", U'\u03C0'},
    {"varpi", U'\u03D6'},
    {"rho", U'\u03C1'},
    {"sigma", U'\u03C3'},
    {"varsigma", U'\u03C2'},
    {"tau", U'\u03C4'},
    {"upsilon", U'\u03C5'},
    {"phi", U'\u03D5'},
    {"varphi", U'\u03C6'},
    {"chi", U'\u03C7'},
    {"psi", U'\u03C8'},
    {"omega", U'\u03C9'},
    {"Gamma", U'\u0393'},
    {"Delta", U'\u0394'},
    {"Theta", U'\u0398'},
    {"Lambda", U'\u039B'},
    {"Xi", U'\u039E'},
    {"Pi", U'\u03A0'},
    {"Sigma", U'\u03A3'},
    {"Upsilon", U'\u03A5'},
    {"Phi", U'\u03A6'},
    {"Psi", U'\u03A8'},
    {"Omega", U'\u03A9'},
    // Binary operators.
    {"pm", U'\u00B1', kBin},
    {"mp", U'\u2213', kBin},
    {"times", U'\u00D7', kBin},
    {"div", U'\u00F7', kBin},
    {"cdot", U'\u22C5', kBin},
    {"circ", U'\u2218', kBin},
    {"bullet", U'\u2219', kBin},
    {"star", U'\u22C6', kBin},
    {"cup", U'\u222A', kBin},
    {"cap", U'\u2229', kBin},
    {"oplus", U'\u2295', kBin},
    {"otimes", U'\u2297', kBin},
    {"odot", U'\u2299', kBin},
    {"minus", U'\u2212', kBin},
    // Relations and arrows.
    {"propto", U'\u221D', kRel},
    {"approx", U'\u2248', kRel},
    {"sim", U'\u223C', kRel},
    {"simeq", U'\u2243', kRel},
    {"equiv", U'\u2261', kRel},
    {"neq", U'\u2260', kRel},
    {"ne", U'\u2260', kRel},
    {"leq", U'\u2264', kRel},
    {"le", U'\u2264', kRel},
    {"geq", U'\u2265', kRel},
    {"ge", U'\u2265', kRel},
    {"ll", U'\u226A', kRel},
    {"gg", U'\u226B', kRel},
    {"in", U'\u2208', kRel},
    {"notin", U'\u2209', kRel},
    {"subset", U'\u2282', kRel},
    {"supset", U'\u2283', kRel},
    {"perp", U'\u22A5', kRel},
    {"parallel", U'\u2225', kRel},
    {"leftarrow", U'\u2190', kRel},
    {"rightarrow", U'\u2192', kRel},
    {"to", U'\u2192', kRel},
    {"uparrow", U'\u2191', kRel},
    {"downarrow", U'\u2193', kRel},
    {"leftrightarrow", U'\u2194', kRel},
    {"Rightarrow", U'\u21D2', kRel},
    {"Leftrightarrow", U'\u21D4', kRel},
    // Ordinary symbols.
    {"infty", U'\u221E'},
    {"partial", U'\u2202'},
    {"nabla", U'\u2207'},
    {"int", U'\u222B'},
    {"oint", U'\u222E'},
    {"sum", U'\u2211'},
    {"prod", U'\u220F'},
    {"sqrt", U'\u221A'},
    {"degree", U'\u00B0'},
    {"AA", U'\u00C5'},
    {"hbar", U'\u210F'},
    {"ell", U'\u2113'},
    {"Re", U'\u211C'},
    {"Im", U'\u2111'},
    {"aleph", U'\u2135'},
    {"forall", U'\u2200'},
    {"exists", U'\u2203'},
    {"emptyset", U'\u2205'},
    {"angle", U'\u2220'},
    {"langle", U'\u27E8'},
    {"rangle", U'\u27E9'},
    {"prime", U'\u2032'},
    {"dagger", U'\u2020'},
    {"ldots", U'\u2026'},
    {"cdots", U'\u22EF'},
};

static_assert(std::size(kSymbols) == kSymbolCount, "the font widths carry one advance each");

}  // namespace

std::span<const MarkupSymbol> markup_symbols() {
    return kSymbols;
}

const MarkupSymbol* find_symbol(std::string_view name) {
    for (const MarkupSymbol& s : kSymbols)
        if (s.name == name) return &s;
    return nullptr;
}

int symbol_index(char32_t code) {
    for (std::size_t i = 0; i < std::size(kSymbols); ++i)
        if (kSymbols[i].code == code) return static_cast<int>(i);
    return -1;
}

std::string utf8_of(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

char32_t decode_utf8(std::string_view bytes, std::size_t at, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char first = byte(at);
    length = 1;
    const std::size_t need = first >= 0xF0 && first < 0xF5   ? 4
                             : first >= 0xE0 && first < 0xF0 ? 3
                             : first >= 0xC2 && first < 0xE0 ? 2
                                                             : 1;
    if (need == 1 || at + need > bytes.size()) return first;
    char32_t code = first & (0x7F >> need);
    for (std::size_t i = 1; i < need; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return first;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    length = need;
    return code;
}

}  // namespace lumora::plotcore
