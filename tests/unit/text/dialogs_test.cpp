// The message and the yes/no question.
#include "text_fixture.h"

namespace lumora::test {
namespace {

using DialogTest = TextTest;

TEST_F(DialogTest, YesNoAnswersComeFromTheFirstReplyWord) {
    struct Case {
        std::int32_t command_result;
        std::int32_t answer;
        int expected;
    };
    const Case cases[] = {
        {1, 6, 1},    // yes
        {1, 7, -1},   // no
        {1, 2, 0},    // cancel, or anything else
        {1, 1, 0},    //
        {0, 6, 0},    // the command failed: the word is not looked at
        {-5, 7, -1},  // any other answer still lets the word decide
    };
    for (const Case& c : cases) {
        reply_with(c.answer, 0, 0, 0);
        fake().results = {c.command_result};
        EXPECT_EQ(lu_ask_yes_no("Continue?"), c.expected) << c.command_result << " " << c.answer;
        EXPECT_EQ(last_command(), command('B'));
        EXPECT_EQ(last().param1, 3);
        EXPECT_EQ(last().param2, 0);
        EXPECT_EQ(last_text(), "Continue?");
    }
}

TEST_F(DialogTest, YesNoReferenceFormReturnsTheAnswerItself) {
    reply_with(7, 0, 0, 0);
    fake().results = {1};
    EXPECT_EQ(lu_ask_yes_no_("Quit now?   ", 12), -1);
    EXPECT_EQ(last_text(), "Quit now?");
}

TEST_F(DialogTest, MessageGivesTheWindowOrZero) {
    fake().results = {9, 0};
    EXPECT_EQ(lu_show_message("Done."), window());
    EXPECT_EQ(last_command(), command('B'));
    EXPECT_EQ(last().param1, 2);
    EXPECT_EQ(last_text(), "Done.");
    int result = -1;
    EXPECT_EQ(lu_show_message_(&result, "abc     ", 8), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(last_text(), "abc");
}

TEST_F(DialogTest, WindowFormsNameTheirWindowAndRefuseClosedOnes) {
    const int other = open(6);
    make_current(window());
    fake().deliveries.clear();
    fake().results = {1, 1};
    layout::write_i32(window_block(other), layout::kResult1, 6);
    EXPECT_EQ(lu_show_message_in_window(other, "m"), other);
    EXPECT_EQ(last_command(), std::string({'B', layout::window_char(other), '\0'}));
    EXPECT_EQ(lu_ask_yes_no_in_window(other, "q"), 1);
    EXPECT_EQ(lu_show_message_in_window(62, "m"), 0);
    EXPECT_EQ(lu_ask_yes_no_in_window(64, "q"), 0);
    EXPECT_EQ(sent_count(), 2u);
}

}  // namespace
}  // namespace lumora::test
