// Text markup: what stays literal, how scripts, symbols, fonts and spaces become runs, and
// that no text, however broken, gets the parser to crash or lose the text's characters.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "plotcore/markup.h"
#include "plotcore/markup_symbols.h"

namespace lumora::plotcore {
namespace {

std::string joined(const std::vector<MarkupRun>& runs) {
    std::string all;
    for (const MarkupRun& r : runs) all += r.bytes;
    return all;
}

const std::string kMinus = "\xE2\x88\x92", kOmega = "\xCF\x89", kPropto = "\xE2\x88\x9D";

TEST(Markup, TextsWithoutAPairOfDollarsStayAsTheyAre) {
    for (const std::string text : {"file_name", "x^2 and \\alpha", "costs $5", "", "a}b{"}) {
        EXPECT_FALSE(has_markup(text)) << text;
        const std::vector<MarkupRun> runs = parse_markup(text);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0], MarkupRun{text}) << text;
    }
    EXPECT_EQ(joined(parse_markup("\\$5 to \\$10")), "$5 to $10") << "an escaped dollar";
    EXPECT_EQ(joined(parse_markup("C:\\data \\$")), "C:\\data $") << "other backslashes stay";
}

TEST(Markup, ASubscriptIsASmallerLowerRunOfItsOwn) {
    const std::vector<MarkupRun> runs = parse_markup("Energy $E_{kin}$ (J)");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0], (MarkupRun{"Energy "}));
    EXPECT_EQ(runs[1].bytes, "E");
    EXPECT_EQ(runs[1].style, 2) << "letters of a formula are italic";
    EXPECT_EQ(runs[2].bytes, "kin");
    EXPECT_EQ(runs[2].level, 1);
    EXPECT_LT(runs[2].raise, 0);
    EXPECT_EQ(runs[2].place, RunPlace::kScriptStart);
    EXPECT_EQ(runs[3], (MarkupRun{" (J)"}));
    EXPECT_LT(level_scale(1), 1);
    EXPECT_LT(level_scale(2), level_scale(1));
}

TEST(Markup, TheIssuesLabelLeavesNoMarkupCharacters) {
    const std::vector<MarkupRun> runs = parse_markup("$E_{kin} \\propto e^{-\\omega/2}$");
    const std::string all = joined(runs);
    EXPECT_EQ(all, "Ekin" + kPropto + "e" + kMinus + kOmega + "/2");
    for (const char* left : {"_{", "\\", "$", "^"}) EXPECT_EQ(all.find(left), std::string::npos);
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_TRUE(runs[2].utf8) << "a named symbol";
    EXPECT_GT(runs[2].space, 0) << "a relation has room on its left";
    EXPECT_GT(runs[3].space, 0) << "and on its right";
    EXPECT_EQ(runs[4].bytes, kMinus + kOmega) << "a sign in a script takes no room";
    EXPECT_EQ(runs[4].space, 0);
    EXPECT_GT(runs[4].raise, 0);
    EXPECT_EQ(runs[4].level, 1);
    EXPECT_EQ(runs[5].bytes, "/2");
    EXPECT_EQ(runs[5].raise, runs[4].raise);
}

TEST(Markup, BinaryOperatorsTakeRoomOnlyBetweenOperands) {
    const std::vector<MarkupRun> sign = parse_markup("$-x$");
    ASSERT_EQ(sign.size(), 2u);
    EXPECT_EQ(sign[0].bytes, kMinus);
    EXPECT_EQ(sign[1].space, 0);
    const std::vector<MarkupRun> difference = parse_markup("$a - b$");
    ASSERT_EQ(difference.size(), 3u);
    EXPECT_GT(difference[1].space, 0);
    EXPECT_EQ(difference[2].space, difference[1].space);
    EXPECT_EQ(joined(parse_markup("$a   b$")), "ab") << "spaces in a formula are ignored";
    EXPECT_EQ(joined(parse_markup("$\\text{a b}$")), "a b") << "but kept in \\text";
}

TEST(Markup, TwoScriptsOfOneBaseStandOneAboveTheOther) {
    const std::vector<MarkupRun> runs = parse_markup("$x_i^2 y$");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[1].place, RunPlace::kScriptStart);
    EXPECT_EQ(runs[2].place, RunPlace::kBesideScript);
    EXPECT_GT(runs[2].raise, 0);
    EXPECT_LT(runs[1].raise, 0);
    EXPECT_EQ(runs[3].place, RunPlace::kAfterStack);
}

TEST(Markup, ScriptsOfScriptsAreSmallerAndHigherStill) {
    const std::vector<MarkupRun> runs = parse_markup("$e^{x^2}$");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2].level, 2);
    EXPECT_GT(runs[2].raise, runs[1].raise);
    EXPECT_EQ(parse_markup("$a^{b^{c^{d}}}$").back().level, kMaxScriptLevel);
}

TEST(Markup, FontsFunctionsAndEscapes) {
    const std::vector<MarkupRun> runs = parse_markup("$\\mathrm{kg}\\,\\mathbf{v}\\sin x$");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0], (MarkupRun{"kg"}));
    EXPECT_EQ(runs[1].bytes, "v");
    EXPECT_EQ(runs[1].style, 1);
    EXPECT_GT(runs[1].space, 0) << "\\, is a thin space";
    EXPECT_EQ(runs[2].bytes, "sin");
    EXPECT_EQ(runs[2].style, 0) << "function names are upright";
    EXPECT_GT(runs[2].space, 0) << "with a thin space before";
    EXPECT_GT(runs[3].space, 0) << "and after";
    EXPECT_EQ(joined(parse_markup("$\\{\\}\\$\\_\\^\\%\\#\\&\\\\$")), "{}$_^%#&\\");
    EXPECT_EQ(joined(parse_markup("$\\unknown x$")), "\\unknownx") << "kept as written";
    EXPECT_EQ(joined(parse_markup("$\\Omega\\infty\\pm$")), "\xCE\xA9\xE2\x88\x9E\xC2\xB1");
}

TEST(Markup, EverySymbolHasAUniqueNameAndACharacter) {
    for (const MarkupSymbol& s : markup_symbols()) {
        EXPECT_EQ(find_symbol(s.name), &s) << s.name;
        std::size_t length = 0;
        EXPECT_EQ(decode_utf8(utf8_of(s.code), 0, length), s.code) << s.name;
        EXPECT_GT(length, 1u) << s.name;
    }
    EXPECT_EQ(find_symbol("nothing"), nullptr);
}

TEST(Markup, BrokenTextsEndWithoutLosingTheirLetters) {
    EXPECT_EQ(joined(parse_markup("${{{x$ y")), "x y");
    EXPECT_EQ(joined(parse_markup("$x^$")), "x");
    EXPECT_EQ(joined(parse_markup("$a}b$")), "a}b");
    EXPECT_EQ(joined(parse_markup("$x\\$")), "$x$") << "the only pair is escaped";
    EXPECT_EQ(joined(parse_markup("$x$\\")), "x\\");
    const std::string deep = "$" + std::string(100000, '{') + "x" + std::string(100000, '}') + "$";
    EXPECT_NE(joined(parse_markup(deep)).find('x'), std::string::npos) << "no stack overflow";
    const std::string fonts = "$" + [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) s += "\\mathrm";
        return s;
    }() + " x$";
    EXPECT_NE(joined(parse_markup(fonts)).find('x'), std::string::npos);
}

TEST(Markup, RandomTextsParseWithinBounds) {
    std::mt19937 random(7);
    const std::string alphabet = "$\\{}^_ ab1-+=\xCF\x89\xFF";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        const std::vector<MarkupRun> runs = parse_markup(text);
        std::size_t bytes = 0;
        for (const MarkupRun& r : runs) {
            bytes += r.bytes.size();
            ASSERT_GE(r.level, 0);
            ASSERT_LE(r.level, kMaxScriptLevel);
        }
        // A minus sign grows from one byte to three, an unknown name keeps its backslash.
        ASSERT_LE(bytes, 3 * text.size()) << text;
    }
}

}  // namespace
}  // namespace lumora::plotcore
