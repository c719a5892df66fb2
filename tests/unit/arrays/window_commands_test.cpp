// The thin window commands: what each places in the slots and words, and 'B' 6 over
// one, none or all windows.
#include <functional>
#include <string>

#include "arrays_fixture.h"

namespace lumora::test {
namespace {

using WindowCommandsTest = ArraysTest;

struct Sent {
    char letter;
    int window, p1, p2, p3;
    bool operator==(const Sent&) const = default;
};

TEST_F(WindowCommandsTest, SlotCommandsPlaceTheirValues) {
    int r = 0;
    const int a = 3, b = -4;
    const int w = window();
    const std::vector<std::pair<std::function<int()>, Sent>> cases = {
        {[] { return lu_send_command_b4(); }, {'B', w, 4, 0, 0}},
        {[&] { return lu_send_command_b4_(&r); }, {'B', w, 4, 0, 0}},
        {[&] { return lu_send_command_b5(a, b); }, {'B', w, 5, a, b}},
        {[&] { return lu_send_command_b5_(&r, &a, &b); }, {'B', w, 5, a, b}},
        {[&] { return lu_send_command_b10_in_window(w, 2, -1); }, {'B', w, 10, 2, -1}},
        {[&] { return lu_send_command_b10_(&r, &a, &b); }, {'B', w, 10, a, b}},
        {[&] { return lu_send_command_b23_(&r, &a, &b); }, {'B', w, 23, a, b}},
        {[&] { return lu_send_command_b26_(&r, &a); }, {'B', w, 26, a, 0}},
        {[&] { return lu_send_command_b29_(&r, &b); }, {'B', w, 29, b, 0}},
        {[&] { return lu_send_command_b34_in_window(w, 8); }, {'B', w, 34, 8, 0}},
        {[&] { return lu_send_command_b34_(&r, &a); }, {'B', w, 34, a, 0}},
    };
    int answer_value = 40;
    for (const auto& [call, expected] : cases) {
        layout::write_i32(block(), layout::kParam2, 0);
        layout::write_i32(block(), layout::kParam3, 0);
        fake().results.push_back(++answer_value);
        r = 0;
        EXPECT_EQ(call(), answer_value) << expected.p1;
        const auto& d = fake().deliveries.back();
        EXPECT_EQ((Sent{static_cast<char>(d.bytes.at(0)), window_of(fake().deliveries.size() - 1),
                        d.param1, d.param2, d.param3}),
                  expected)
            << expected.p1;
        if (r != 0) {
            EXPECT_EQ(r, answer_value) << expected.p1;
        }
    }
    EXPECT_EQ(lu_send_command_b26_in_window(40, 1), 0);  // not open: nothing sent
    EXPECT_EQ(fake().deliveries.back().param1, 34);
}

TEST_F(WindowCommandsTest, CommandB12CarriesTextAndWords) {
    answer(2);
    layout::write_i32(block(), layout::kParam2, 0);
    int result = 0;
    const int p = 1, q = 2, a = 3, b = 4;
    EXPECT_EQ(lu_send_command_b12_(&result, &p, &q, &a, &b, "abc     ", 8), window());
    EXPECT_EQ(result, window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.param1, 12);
    EXPECT_EQ(d.param2, 3);
    EXPECT_EQ(d.param3, 4);
    EXPECT_EQ(words.back()[0], 1);
    EXPECT_EQ(words.back()[1], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(block() + layout::kText)), "abc");

    EXPECT_EQ(lu_send_command_b12_text("hello"), window());
    EXPECT_EQ(words.back()[0], 0);
    EXPECT_EQ(words.back()[1], 0);
    EXPECT_EQ(fake().deliveries.back().param2, 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(block() + layout::kText)), "hello");
}

TEST_F(WindowCommandsTest, CommandA14LeavesTheSlotsAlone) {
    layout::write_i32(block(), layout::kParam2, 77);
    layout::write_i32(block(), layout::kParam3, 78);
    answer();
    EXPECT_EQ(lu_send_command_a14_in_window(window(), 5, 6), window());
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(static_cast<char>(d.bytes.at(0)), 'A');
    EXPECT_EQ(d.param1, 14);
    EXPECT_EQ(d.param2, 77);
    EXPECT_EQ(d.param3, 78);
    EXPECT_EQ(words.back()[1], 5);
    EXPECT_EQ(words.back()[2], 6);
}

TEST_F(WindowCommandsTest, CommandB6GoesToOneNoneOrAllWindows) {
    const int second = open(5);
    ASSERT_EQ(second, 5);
    fake().results = {2, 5};
    std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_send_command_b6(-1, 9), 5);
    ASSERT_EQ(fake().deliveries.size(), before + 2);
    EXPECT_EQ(window_of(before), 2);
    EXPECT_EQ(window_of(before + 1), 5);
    EXPECT_EQ(fake().deliveries[before].param1, 6);
    EXPECT_EQ(fake().deliveries[before + 1].param2, 9);

    fake().results = {-3};  // the first window refuses: the loop stops with 0
    before = fake().deliveries.size();
    EXPECT_EQ(lu_send_command_b6(-1, 9), 0);
    EXPECT_EQ(fake().deliveries.size(), before + 1);

    EXPECT_EQ(lu_send_command_b6(7, 1), 0);
    EXPECT_EQ(lu_send_command_b6(64, 1), 0);
    EXPECT_EQ(fake().deliveries.size(), before + 1);

    fake().results = {31, 32};
    int result = 0;
    const int zero = 0, two = 2, a = 1;
    EXPECT_EQ(lu_send_command_b6_(&result, &zero, &a), 31);
    EXPECT_EQ(window_of(fake().deliveries.size() - 1), 5);  // the current window
    EXPECT_EQ(result, 31);
    EXPECT_EQ(lu_send_command_b6_(&result, &two, &a), 32);
    EXPECT_EQ(window_of(fake().deliveries.size() - 1), 2);
}

}  // namespace
}  // namespace lumora::test
