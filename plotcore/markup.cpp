#include "markup.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "markup_symbols.h"

namespace lumora::plotcore {
namespace {

constexpr double kSuperscriptRise = 0.45, kSubscriptDrop = 0.22;
constexpr double kThin = 1.0 / 6, kMedium = 2.0 / 9, kThick = 5.0 / 18;
constexpr int kMaxDepth = 16;  // groups within groups; deeper ones are read as literal text

enum class Font { kMath, kRoman, kItalic, kBold, kText };

struct State {
    int level = 0;
    double raise = 0;
    Font font = Font::kMath;
};

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

constexpr std::string_view kFunctions[] = {
    "sin",  "cos",  "tan",  "cot", "sec", "csc", "arcsin", "arccos", "arctan", "sinh",
    "cosh", "tanh", "coth", "exp", "log", "ln",  "lg",     "lim",    "max",    "min",
    "sup",  "inf",  "det",  "arg", "deg", "dim", "gcd",    "ker",    "Pr",
};

struct Space {
    std::string_view name;
    double width;
};
constexpr Space kSpaces[] = {{",", kThin},  {":", kMedium}, {";", kThick}, {" ", 1.0 / 3},
                             {"!", -kThin}, {"quad", 1.0},  {"qquad", 2.0}};

constexpr std::string_view kLiterals = "${}_^\\%#&";

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    std::vector<MarkupRun> run() {
        while (i_ < s_.size()) {
            if (s_[i_] == '\\' && i_ + 1 < s_.size() && s_[i_ + 1] == '$') {
                literal("$", kPlain);
                i_ += 2;
            } else if (s_[i_] == '$' && closing_dollar(i_ + 1) != std::string_view::npos) {
                ++i_;
                math_list({}, '$', 0);
                if (i_ < s_.size()) ++i_;  // the closing dollar
                pending_space_ = 0;        // room after a formula's last operator goes
                pending_place_ = RunPlace::kAfter;
            } else {
                literal(std::string(1, s_[i_]), kPlain);
                ++i_;
            }
        }
        return std::move(runs_);
    }

  private:
    static constexpr State kPlain{0, 0, Font::kText};  // outside the dollar signs

    std::size_t closing_dollar(std::size_t from) const {
        for (std::size_t j = from; j < s_.size(); ++j) {
            if (s_[j] == '\\')
                ++j;
            else if (s_[j] == '$')
                return j;
        }
        return std::string_view::npos;
    }

    // A list of atoms up to the end character (not taken), the formula's closing dollar or
    // the text's end.
    void math_list(const State& st, char end, int depth) {
        previous_ = SymbolClass::kRelation;  // what comes first is never a binary operator
        while (i_ < s_.size() && s_[i_] != end && s_[i_] != '$') {
            if (end == '$' && s_[i_] == '}') {
                literal("}", st);
                ++i_;
            } else {
                atom_with_scripts(st, depth);
            }
        }
    }

    void atom_with_scripts(const State& st, int depth) {
        const char c = s_[i_];
        if (c == ' ' || c == '\t') {
            if (st.font == Font::kText) literal(" ", st);
            ++i_;
            return;
        }
        if (c == '^' || c == '_') {
            scripts(st, depth);
            return;
        }
        atom(st, depth);
    }

    // One or two scripts; with two, the second stands where the first started.
    void scripts(const State& st, int depth) {
        const char first = s_[i_];
        script(st, first == '^', depth, RunPlace::kScriptStart);
        skip_spaces();
        if (i_ < s_.size() && (s_[i_] == '^' || s_[i_] == '_') && s_[i_] != first) {
            script(st, s_[i_] == '^', depth, RunPlace::kBesideScript);
            pending_place_ = RunPlace::kAfterStack;
        }
        previous_ = SymbolClass::kOrdinary;
    }

    void script(const State& st, bool up, int depth, RunPlace place) {
        ++i_;  // ^ or _
        skip_spaces();
        State inner = st;
        inner.level = std::min(st.level + 1, kMaxScriptLevel);
        inner.raise = st.raise + (up ? kSuperscriptRise : -kSubscriptDrop) * level_scale(st.level);
        pending_place_ = place;
        const SymbolClass outer = previous_;
        previous_ = SymbolClass::kRelation;
        if (i_ < s_.size() && s_[i_] != '$') atom(inner, depth);
        previous_ = outer;
    }

    void skip_spaces() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
    }

    // A group, a command or one character.
    void atom(const State& st, int depth) {
        const char c = s_[i_];
        if (depth > kMaxDepth) {
            literal(std::string(1, c), st);
            ++i_;
        } else if (c == '{') {
            group(st, depth);
        } else if (c == '\\') {
            command(st, depth);
        } else if (c == '}') {
            literal("}", st);
            ++i_;
        } else {
            character(st);
        }
    }

    void group(const State& st, int depth) {
        ++i_;
        if (depth >= kMaxDepth) {
            literal("{", st);
            return;
        }
        math_list(st, '}', depth + 1);
        if (i_ < s_.size() && s_[i_] == '}') ++i_;
        previous_ = SymbolClass::kOrdinary;  // a group is one ordinary atom
    }

    void command(const State& st, int depth) {
        std::size_t j = i_ + 1;
        while (j < s_.size() && is_letter(s_[j])) ++j;
        if (j == i_ + 1 && j < s_.size()) ++j;  // a one-character command: \, \$ ...
        const std::string_view name = s_.substr(i_ + 1, j - i_ - 1);
        i_ = j;
        if (name.empty()) {
            literal("\\", st);
        } else if (name.size() == 1 && kLiterals.find(name[0]) != std::string_view::npos) {
            ordinary(std::string(name), st, false);
        } else if (const Space* space = find_space(name)) {
            pending_space_ += space->width * level_scale(st.level);
        } else if (const MarkupSymbol* symbol = find_symbol(name)) {
            symbol_atom(*symbol, st);
        } else if (std::find(std::begin(kFunctions), std::end(kFunctions), name) !=
                   std::end(kFunctions)) {
            function_name(name, st);
        } else if (!font_group(name, st, depth)) {
            ordinary("\\" + std::string(name), st, false);
        }
    }

    // A function name is upright with a thin space on either side, as TeX sets operators.
    void function_name(std::string_view name, const State& st) {
        State roman = st;
        roman.font = Font::kRoman;
        const double thin = kThin * level_scale(st.level);
        if (previous_ == SymbolClass::kOrdinary) pending_space_ += thin;
        ordinary(std::string(name), roman, false);
        pending_space_ += thin;
    }

    static const Space* find_space(std::string_view name) {
        for (const Space& s : kSpaces)
            if (s.name == name) return &s;
        return nullptr;
    }

    bool font_group(std::string_view name, const State& st, int depth) {
        State inner = st;
        if (name == "mathrm" || name == "rm")
            inner.font = Font::kRoman;
        else if (name == "mathit" || name == "it")
            inner.font = Font::kItalic;
        else if (name == "mathbf" || name == "bf")
            inner.font = Font::kBold;
        else if (name == "text" || name == "textrm" || name == "mbox")
            inner.font = Font::kText;
        else
            return false;
        skip_spaces();
        if (i_ < s_.size() && s_[i_] == '{')
            group(inner, depth);
        else if (i_ < s_.size() && s_[i_] != '$')
            atom(inner, depth + 1);
        return true;
    }

    void symbol_atom(const MarkupSymbol& symbol, const State& st) {
        State upright = st;
        if (upright.font != Font::kBold) upright.font = Font::kRoman;
        spaced(utf8_of(symbol.code), upright, symbol.kind, true);
    }

    void character(const State& st) {
        std::size_t length = 1;
        decode_utf8(s_, i_, length);
        const std::string bytes(s_.substr(i_, length));
        i_ += length;
        if (st.font == Font::kText) return literal(bytes, st);
        if (bytes == "-") return spaced(utf8_of(U'\u2212'), st, SymbolClass::kBinary, true);
        if (bytes == "+" || bytes == "*") return spaced(bytes, st, SymbolClass::kBinary, false);
        if (bytes == "=" || bytes == "<" || bytes == ">")
            return spaced(bytes, st, SymbolClass::kRelation, false);
        ordinary(bytes, st, false);
        if (bytes == ",") pending_space_ += kThin * level_scale(st.level);
    }

    // An operator with the room TeX leaves around it in a text-size formula: none in
    // scripts, and none around a binary operator that has nothing on its left (a sign).
    void spaced(const std::string& bytes, const State& st, SymbolClass kind, bool utf8) {
        SymbolClass as = kind;
        if (kind == SymbolClass::kBinary && previous_ != SymbolClass::kOrdinary)
            as = SymbolClass::kOrdinary;
        const double room = st.level > 0                   ? 0
                            : as == SymbolClass::kBinary   ? kMedium
                            : as == SymbolClass::kRelation ? kThick
                                                           : 0;
        if (previous_ == SymbolClass::kOrdinary) pending_space_ += room;
        emit(bytes, st, utf8);
        pending_space_ += room;
        previous_ = as;
    }

    void ordinary(const std::string& bytes, const State& st, bool utf8) {
        emit(bytes, st, utf8);
        previous_ = SymbolClass::kOrdinary;
    }

    void literal(const std::string& bytes, const State& st) {
        emit(bytes, st, false);
        previous_ = SymbolClass::kOrdinary;
    }

    static int style_of(const State& st, const std::string& bytes) {
        switch (st.font) {
            case Font::kBold:
                return 1;
            case Font::kItalic:
                return 2;
            case Font::kMath:
                return bytes.size() == 1 && is_letter(bytes[0]) ? 2 : 0;
            default:
                return 0;
        }
    }

    void emit(const std::string& bytes, const State& st, bool utf8) {
        MarkupRun run{bytes, style_of(st, bytes), st.level, st.raise, pending_space_,
                      utf8,  pending_place_};
        pending_space_ = 0;
        pending_place_ = RunPlace::kAfter;
        if (!runs_.empty() && run.place == RunPlace::kAfter && run.space == 0) {
            MarkupRun& last = runs_.back();
            if (last.style == run.style && last.level == run.level && last.raise == run.raise &&
                last.utf8 == run.utf8) {
                last.bytes += bytes;
                return;
            }
        }
        runs_.push_back(std::move(run));
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::vector<MarkupRun> runs_;
    double pending_space_ = 0;
    RunPlace pending_place_ = RunPlace::kAfter;
    SymbolClass previous_ = SymbolClass::kRelation;
};

}  // namespace

double level_scale(int level) {
    constexpr std::array<double, kMaxScriptLevel + 1> kScales{1.0, 0.7, 0.5};
    return kScales[static_cast<std::size_t>(std::clamp(level, 0, kMaxScriptLevel))];
}

bool has_markup(std::string_view text) {
    int dollars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '$') return true;
        if (text[i] == '$' && ++dollars == 2) return true;
    }
    return false;
}

std::vector<MarkupRun> parse_markup(std::string_view text) {
    if (!has_markup(text)) return {MarkupRun{std::string(text)}};
    return Parser(text).run();
}

}  // namespace lumora::plotcore
