// Queries answered through the block: 'B' 15 with its text reply and the 'P' path, the
// result-word queries 'B' 1, 'B' 32 and 'B' 33, and the point commands 'A' 19 and 'F'.
#include <cstring>
#include <string>

#include "arrays_fixture.h"

namespace lumora::test {
namespace {

class WindowQueriesTest : public ArraysTest {
  protected:
    // The next command is answered with the window number and leaves `text` in the area.
    void reply_text(const std::string& text) {
        answer();
        reply = [text](std::uint8_t* b, const platform::Delivery&) {
            std::memcpy(b + layout::kText, text.c_str(), text.size() + 1);
        };
    }

    // The next command finds its result words 1 ... 4 set to 11, 22, 33, 44.
    void reply_words(std::int32_t result) {
        fake().results.push_back(result);
        reply = [](std::uint8_t* b, const platform::Delivery&) {
            for (std::size_t i = 0; i < 4; ++i)
                layout::write_i32(b, layout::kResult1 + 4 * i,
                                  static_cast<std::int32_t>(11 * (i + 1)));
        };
    }
};

TEST_F(WindowQueriesTest, B15ReadsTheNumberAtTheStartOfTheReply) {
    reply_text("12,34");
    EXPECT_EQ(lu_query_value_b15(5), 12);
    EXPECT_EQ(fake().deliveries.back().param1, 15);
    EXPECT_EQ(fake().deliveries.back().param2, 5);
    reply_text(" -7");
    EXPECT_EQ(lu_query_value_b15_in_window(window(), 5), -7);
    reply_text("x12");
    EXPECT_EQ(lu_query_value_b15(5), 0);
    reply_text("");
    int result = 0;
    const int a = 5;
    EXPECT_EQ(lu_query_value_b15_(&result, &a), 5);
    EXPECT_EQ(result, 5);

    fake().results = {0};  // a refused command gives 0 whatever the text says
    EXPECT_EQ(lu_query_value_b15(5), 0);
}

TEST_F(WindowQueriesTest, B15ReplyIsBoundedToTheArea) {
    answer();
    reply = [](std::uint8_t* b, const platform::Delivery&) {
        std::memset(b + layout::kText, '9', layout::kTextSize);  // no terminator anywhere
    };
    EXPECT_EQ(lu_query_value_b15(5), INT32_MAX);  // saturates, reads no further
}

TEST_F(WindowQueriesTest, WithoutAWindowB15AsksTheProcess) {
    block_table().current_window = 0;
    fake().results = {123};
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_query_value_b15(5), 123);
    ASSERT_EQ(fake().deliveries.size(), before + 1);
    EXPECT_EQ(sent(before), std::string("P %\0", 4));
    fake().results = {1};
    EXPECT_EQ(lu_query_value_b15_in_window(0, 240), 1);
    EXPECT_EQ(sent(before + 1), std::string("P \x10\0", 4));  // (240 + 32) & 0xFF

    block_table().process_number = 0;  // not connected: nothing is sent
    EXPECT_EQ(lu_query_value_b15(5), 0);
    EXPECT_EQ(fake().deliveries.size(), before + 2);
}

TEST_F(WindowQueriesTest, B1MapsTheKindAndReadsThreeWords) {
    const std::pair<int, int> kinds[] = {{1, 128}, {2, 64}, {3, 32}, {5, 5}, {0, 0}};
    for (const auto& [kind, sent_kind] : kinds) {
        reply_words(window());
        int a = 0, b = 0, c = 0;
        EXPECT_EQ(lu_query_b1_in_window(window(), &a, &b, &c, kind), window());
        EXPECT_EQ(fake().deliveries.back().param1, 1);
        EXPECT_EQ(fake().deliveries.back().param2, sent_kind) << kind;
        EXPECT_EQ(a, 22);
        EXPECT_EQ(b, 33);
        EXPECT_EQ(c, 44);
    }
    reply_words(0);
    int a = -1;
    EXPECT_EQ(lu_query_b1_in_window(window(), &a, nullptr, nullptr, 1), 0);
    EXPECT_EQ(a, -1);  // outputs are left alone on failure
}

TEST_F(WindowQueriesTest, B32AndB33PresetTheirInOutWords) {
    reply_words(9);
    EXPECT_EQ(lu_query_b32_in_window(window(), nullptr, nullptr, nullptr, 3), 9);
    EXPECT_EQ(words.back()[2], -1);
    EXPECT_EQ(words.back()[3], -1);
    EXPECT_EQ(fake().deliveries.back().param1, 32);
    EXPECT_EQ(fake().deliveries.back().param2, 3);

    reply_words(8);
    int r = 0, u = 7, v = 6;
    EXPECT_EQ(lu_query_b33_in_window(window(), &r, &u, &v, 4), 8);
    EXPECT_EQ(fake().deliveries.back().param1, 33);
    EXPECT_EQ(words.back()[2], 7);
    EXPECT_EQ(words.back()[3], 6);
    EXPECT_EQ(r, 22);
    EXPECT_EQ(u, 33);
    EXPECT_EQ(v, 44);

    reply_words(0);
    r = u = v = 5;
    EXPECT_EQ(lu_query_b32_in_window(window(), &r, &u, &v, 4), 0);
    EXPECT_EQ(r + u + v, 15);
}

TEST_F(WindowQueriesTest, QueryPointGivesWordOneOrMinusOne) {
    reply_words(window());
    int result = 0;
    const float x = 1.0f, y = 2.0f;
    EXPECT_EQ(lu_query_point_(&result, &x, &y), 11);
    EXPECT_EQ(result, 11);
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(static_cast<char>(d.bytes.at(0)), 'F');
    EXPECT_EQ(d.param1, 60);
    EXPECT_EQ(d.param2, 480);

    reply_words(0);
    EXPECT_EQ(lu_query_point(1.0f, 2.0f), -1);
    reply_words(0);
    EXPECT_EQ(lu_query_point_(&result, &x, &y), -1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(lu_query_point_in_window(30, 1, 2), -1);  // not open
}

TEST_F(WindowQueriesTest, PointCommandA19ReturnsTheWindow) {
    fake().results = {77};
    int result = 0;
    const float x = 0.5f, y = 1.0f;
    const int value = 42;
    EXPECT_EQ(lu_send_point_command_a19_(&result, &x, &y, &value), window());
    EXPECT_EQ(result, window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 19);
    EXPECT_EQ(d.param2, 30);
    EXPECT_EQ(d.param3, 540);
    EXPECT_EQ(words.back()[0], 42);

    fake().results = {0};
    EXPECT_EQ(lu_send_point_command_a19_in_window(window(), 1, 2, 3), 0);
}

}  // namespace
}  // namespace lumora::test
