// The four compatibility probes and the channel test.
#include <cstring>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

using ProbeTest = CoreFixture;

std::vector<std::uint8_t> probe32(char digit, std::uint32_t bits) {
    std::vector<std::uint8_t> bytes = {'O', ',', static_cast<std::uint8_t>(digit), 0, 0, 0, 0, 0};
    layout::write_i32(bytes.data(), 4, static_cast<std::int32_t>(bits));
    return bytes;
}

std::vector<std::uint8_t> probe64(std::uint64_t bits) {
    std::vector<std::uint8_t> bytes = {'O', ',', '2', 0};
    bytes.resize(12);
    layout::write_i32(bytes.data(), 4, static_cast<std::int32_t>(bits & 0xFFFFFFFFu));
    layout::write_i32(bytes.data(), 8, static_cast<std::int32_t>(bits >> 32));
    return bytes;
}

TEST_F(ProbeTest, ExpectedValuesGetTheFixedAnswers) {
    EXPECT_EQ(send(probe32('0', 2304)), 224);
    EXPECT_EQ(send(probe32('1', 0xC0490FD8u)), 256);
    EXPECT_EQ(send(probe64(0xC00921FB54442D18ull)), 0x7FFFFFFF);
    EXPECT_EQ(send(probe32('3', 0x411DE9E4u)), INT32_MIN);
}

TEST_F(ProbeTest, OtherValuesOrLengthsGetZero) {
    EXPECT_EQ(send(probe32('0', 2305)), 0);
    EXPECT_EQ(send(probe32('0', 0x00090000)), 0);  // the size in the other byte order
    EXPECT_EQ(send(probe32('1', 0xC0490FD9u)), 0);
    EXPECT_EQ(send(probe32('1', 0xD80F49C0u)), 0);
    EXPECT_EQ(send(probe64(0xC00921FB54442D19ull)), 0);
    EXPECT_EQ(send(probe64(0x182D4454FB2109C0ull)), 0);
    EXPECT_EQ(send(probe32('3', 0x411DE9E5u)), 0);
    EXPECT_EQ(send(probe32('4', 2304)), 0);
    // The right value with the wrong length.
    std::vector<std::uint8_t> long_probe = probe32('0', 2304);
    long_probe.push_back(0);
    EXPECT_EQ(send(long_probe), 0);
    std::vector<std::uint8_t> short_double = probe64(0xC00921FB54442D18ull);
    short_double.resize(8);
    EXPECT_EQ(send(short_double), 0);
}

TEST_F(ProbeTest, ChannelTestOfAnOpenWindow) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(slot('O', 1, 1), static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(slot('O', 1, 2), 0x7FFFFFFF);
    EXPECT_EQ(slot('O', 1, 3), 0);
    EXPECT_EQ(slot('O', 2, 1), 0);  // window 2 is not open
}

}  // namespace
}  // namespace luwnd::test
