// Text markup of the plotting layer's texts, a LaTeX-like subset between dollar signs:
// "$E_{kin} \propto e^{-\omega/2}$". Outside the dollar signs a text is literal (only \$ is
// a literal dollar sign there); a text without a pair of dollar signs is one run of its
// bytes as they are. Inside:
//   ^x ^{...} _x _{...}     superscript and subscript (both after one base stand one above
//                           the other); scripts are 0.7 of the size, scripts of scripts 0.5
//   \alpha ... \Omega, \infty, \pm, \times, \propto, ...   named symbols (markup_symbols.h)
//   \mathrm{} \mathit{} \mathbf{} \text{}   roman, italic, bold, roman with spaces kept
//   \sin \cos \exp \log ...                 function names in roman
//   \, \: \; \  \quad \qquad \!              spaces (and a negative thin space)
//   \$ \{ \} \_ \^ \\ \% \# \&               literal characters
// Letters are italic and digits upright, as in TeX; spaces are ignored and relations and
// binary operators get room around them; '-' is a minus sign. An unknown \name stays as
// it is written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::plotcore {

// Where a run starts along the line.
enum class RunPlace : std::uint8_t {
    kAfter,         // after the previous run
    kScriptStart,   // after the previous run, starting a script
    kBesideScript,  // where the previous script started (the second script of a base)
    kAfterStack,    // after the wider of the two scripts before it
};

inline constexpr int kMaxScriptLevel = 2;

struct MarkupRun {
    std::string bytes;
    int style = 0;      // 1 bold, 2 italic
    int level = 0;      // 0 the text's size, 1 a script, 2 a script's script
    double raise = 0;   // baseline above the text's baseline, in text heights
    double space = 0;   // room before the run, in text heights
    bool utf8 = false;  // the bytes are UTF-8 whatever the platform reads (named symbols)
    RunPlace place = RunPlace::kAfter;
    bool operator==(const MarkupRun&) const = default;
};

// The size of a script level against the text's height.
double level_scale(int level);

// Whether the text has a pair of unescaped dollar signs (or an escaped one).
bool has_markup(std::string_view text);
// The runs of the text, in order. Runs of one look that follow each other are one run.
std::vector<MarkupRun> parse_markup(std::string_view text);

}  // namespace lumora::plotcore
