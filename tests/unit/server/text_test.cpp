// Fonts, texts, symbols, their extents, and the two dialogs.
#include "core_fixture.h"
#include "server/core/answer_script.h"

namespace luwnd::test {
namespace {

class TextTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
};

TEST_F(TextTest, FontWordsAndFaceAreAppliedWhenValid) {
    EXPECT_EQ(state(1).text_font.size, 16);  // 480 / 30
    words(1, layout::kFontAngle, {900, 30, 4, 2, 0x020000FF});
    put_text(1, "Courier");
    EXPECT_EQ(slot('A', 1, 9, 3), 1);
    const FontState& f = state(1).text_font;
    EXPECT_EQ(f.angle, 900);
    EXPECT_EQ(f.size, 30);
    EXPECT_EQ(f.align, 4);
    EXPECT_EQ(f.style, 2);
    EXPECT_EQ(f.colour, 0x020000FF);
    EXPECT_EQ(f.face, "Courier");

    words(1, layout::kFontAngle, {3600, 0, 9, 5, -999});
    put_text(1, "");
    EXPECT_EQ(slot('A', 1, 9, 0), 1);
    EXPECT_EQ(f.angle, 900);
    EXPECT_EQ(f.size, 30);
    EXPECT_EQ(f.align, 4);
    EXPECT_EQ(f.style, 5);
    EXPECT_EQ(f.colour, 0x020000FF);
    EXPECT_EQ(f.face, "Courier");              // an empty face keeps the face
    EXPECT_EQ(state(1).symbol_font.size, 16);  // the symbol font is separate
}

TEST_F(TextTest, SymbolFontReadsItsOwnWords) {
    words(1, layout::kFont2Angle, {1800, 65, 44, 3, 7, 1});  // 184 holds the symbol code
    put_text(1, "Symbol");
    EXPECT_EQ(slot('A', 1, 10, 2), 1);
    const FontState& f = state(1).symbol_font;
    EXPECT_EQ(f.angle, 1800);
    EXPECT_EQ(f.size, 44);
    EXPECT_EQ(f.align, 3);
    EXPECT_EQ(f.style, 7);
    EXPECT_EQ(f.colour, 1);
    EXPECT_EQ(f.face, "Symbol");
    EXPECT_EQ(state(1).text_font.face, "");
}

TEST_F(TextTest, TextAndSymbolItemsCarryTheirFont) {
    words(1, layout::kFontAngle, {0, 24, 0, 0, 2});
    put_text(1, "a_k");
    ASSERT_EQ(slot('A', 1, 9, 1), 1);
    EXPECT_EQ(slot('A', 1, 15, 100, 50), 1);
    std::memcpy(window_block(1) + layout::kText, "\xB7junk", 5);  // no NUL after the code
    EXPECT_EQ(slot('A', 1, 16, 7, 8), 1);
    ASSERT_EQ(items(1).size(), 2u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kText);
    EXPECT_EQ(items(1)[0].text, "a_k");
    EXPECT_EQ(items(1)[0].font.size, 24);
    EXPECT_EQ(items(1)[0].rgb, 0xFF0000u);  // the text colour, entry 2
    EXPECT_EQ(items(1)[0].coords[0], 100);
    EXPECT_EQ(items(1)[1].kind, ItemKind::kSymbol);
    EXPECT_EQ(items(1)[1].arg1, 0xB7);
    EXPECT_EQ(items(1)[1].font.size, 16);
}

TEST_F(TextTest, TextWithoutNulIsBoundedToTheTextArea) {
    std::memset(window_block(1) + layout::kText, 'x', layout::kTextSize);
    EXPECT_EQ(slot('A', 1, 15, 1, 1), 1);
    EXPECT_EQ(items(1).back().text.size(), 2048u);
    EXPECT_EQ(slot('B', 1, 17), 1);
    EXPECT_EQ(word(1, layout::kResult1), 19661);  // 0.6 * 16 * 2048 rounded
}

TEST_F(TextTest, ExtentsFollowTheFontSize) {
    words(1, layout::kFontAngle, {0, 20, 0, 0, 0});
    put_text(1, "");
    ASSERT_EQ(slot('A', 1, 9, 1), 1);
    put_text(1, "Hello");
    EXPECT_EQ(slot('B', 1, 17), 1);
    EXPECT_EQ(word(1, layout::kResult1), 60);
    EXPECT_EQ(word(1, layout::kResult2), 20);
    EXPECT_EQ(word(1, layout::kResult3), 12);
    EXPECT_EQ(word(1, layout::kResult4), 16);
    words(1, layout::kResult1, {-1, -1, -1, -1});
    EXPECT_EQ(slot('B', 1, 18, 65), 1);
    EXPECT_EQ(word(1, layout::kResult1), -1);
    EXPECT_EQ(word(1, layout::kResult2), 10);  // 0.6 * 16 rounded
    EXPECT_EQ(word(1, layout::kResult3), 16);
    EXPECT_EQ(word(1, layout::kResult4), -1);
}

// A renderer that measures: the font and the bytes reach it, its words are the answer,
// and when it cannot measure the estimate stands.
class RulerMeasure : public TextMeasure {
  public:
    std::optional<std::array<std::int32_t, 4>> measure(const FontState& font,
                                                       std::string_view bytes) override {
        seen_font = font;
        seen_bytes = std::string(bytes);
        if (bytes == "unmeasurable") return std::nullopt;
        return std::array<std::int32_t, 4>{7 * static_cast<std::int32_t>(bytes.size()), 23, 9, 17};
    }
    FontState seen_font;
    std::string seen_bytes;
};

TEST_F(TextTest, ARendererThatMeasuresAnswersTheExtent) {
    RulerMeasure ruler;
    text_measure_ = &ruler;
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    words(1, layout::kFontAngle, {900, 20, 4, 1, 0});
    put_text(1, "Serif");
    ASSERT_EQ(slot('A', 1, 9, 1), 1);
    put_text(1, "\x93\xfa\x96\x7b");  // Shift-JIS bytes go as they are
    EXPECT_EQ(slot('B', 1, 17), 1);
    EXPECT_EQ(ruler.seen_bytes, "\x93\xfa\x96\x7b");
    EXPECT_EQ(ruler.seen_font.size, 20);
    EXPECT_EQ(ruler.seen_font.face, "Serif");
    EXPECT_EQ(word(1, layout::kResult1), 28);
    EXPECT_EQ(word(1, layout::kResult2), 23);
    EXPECT_EQ(word(1, layout::kResult3), 9);
    EXPECT_EQ(word(1, layout::kResult4), 17);
    put_text(1, "unmeasurable");
    EXPECT_EQ(slot('B', 1, 17), 1);
    EXPECT_EQ(word(1, layout::kResult1), 144);  // 0.6 * 20 * 12

    // A symbol is measured as itself, in the symbol font.
    EXPECT_EQ(slot('B', 1, 18, 0xB7), 1);
    EXPECT_EQ(ruler.seen_bytes, "\xB7");
    EXPECT_EQ(ruler.seen_font.size, 16);
    EXPECT_EQ(word(1, layout::kResult2), 7);
    EXPECT_EQ(word(1, layout::kResult3), 23);
    EXPECT_EQ(slot('B', 1, 18, 10), 1);  // no glyph: the estimate
    EXPECT_EQ(word(1, layout::kResult2), 10);
    EXPECT_EQ(word(1, layout::kResult3), 16);
}

// A host with a display: the user sees the messages and answers the questions, unless
// the answers are scripted.
class UserDialogs : public ScriptedDialogs {
  public:
    UserDialogs() : ScriptedDialogs("", "") {}
    bool show_message(std::string_view text) override {
        shown.emplace_back(text);
        return true;
    }
    std::optional<std::int32_t> ask_yes_no(std::string_view text) override {
        asked.emplace_back(text);
        return answers.at(asked.size() - 1);
    }
    std::vector<std::string> shown, asked;
    std::vector<std::optional<std::int32_t>> answers;
};

TEST_F(TextTest, WithADisplayTheUserSeesMessagesAndAnswersQuestions) {
    UserDialogs user;
    user.answers = {7, 42, std::nullopt};
    dialogs_ = &user;
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    put_text(1, "Data written.");
    EXPECT_EQ(slot('B', 1, 2), 1);
    EXPECT_EQ(user.shown, std::vector<std::string>{"Data written."});
    EXPECT_EQ(state(1).messages.size(), 1u);  // kept as well
    put_text(1, "Again?");
    EXPECT_EQ(slot('B', 1, 3), 1);
    EXPECT_EQ(word(1, layout::kResult1), 7);
    EXPECT_EQ(slot('B', 1, 3), 1);
    EXPECT_EQ(word(1, layout::kResult1), 2);  // not an answer: cancelled
    EXPECT_EQ(slot('B', 1, 3), 1);
    EXPECT_EQ(word(1, layout::kResult1), 6);  // could not ask: the script's yes
    EXPECT_EQ(user.asked.size(), 3u);

    answers_ = "no";  // scripted: nobody is asked, even with a display
    core_ = std::make_unique<Core>(host_, config());
    ASSERT_EQ(core_->publish(), 1);
    ASSERT_EQ(open(), 1);
    put_text(1, "Asked?");
    EXPECT_EQ(slot('B', 1, 3), 1);
    EXPECT_EQ(word(1, layout::kResult1), 7);
    EXPECT_EQ(slot('B', 1, 2), 1);
    EXPECT_EQ(user.asked.size(), 3u);
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(TextTest, MessagesAreKeptAndAnsweredOne) {
    put_text(1, "Data written.");
    EXPECT_EQ(slot('B', 1, 2), 1);
    ASSERT_EQ(state(1).messages.size(), 1u);
    EXPECT_EQ(state(1).messages[0], "Data written.");
    EXPECT_EQ(state(1).message_count, 1);
}

class ScriptedTextTest : public TextTest {
  protected:
    ScriptedTextTest() { answers_ = "no, YES ,cancel"; }
};

TEST_F(ScriptedTextTest, QuestionsTakeTheScriptedAnswersInOrderThenYes) {
    put_text(1, "Join?");
    const std::int32_t expected[] = {7, 6, 2, 6, 6};
    for (std::int32_t answer : expected) {
        EXPECT_EQ(slot('B', 1, 3), 1);
        EXPECT_EQ(word(1, layout::kResult1), answer);
    }
    EXPECT_EQ(state(1).question_count, 5);
}

TEST(AnswerScriptText, WordsAndDefaults) {
    AnswerScript empty;
    EXPECT_EQ(empty.next(), kAnswerYes);
    AnswerScript script("y,n,1,0,,maybe");
    const std::int32_t expected[] = {6, 7, 6, 7, 2, 2, 6};
    for (std::int32_t answer : expected) EXPECT_EQ(script.next(), answer);
}

}  // namespace
}  // namespace luwnd::test
