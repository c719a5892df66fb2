// Random and hostile input: every command gets a defined answer and nothing breaks.
#include <cstdlib>
#include <iterator>
#include <random>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

using GarbageTest = CoreFixture;

std::vector<std::uint8_t> random_command(std::mt19937& rng) {
    static const std::uint8_t kLetters[] = {'A', 'B', 'E', 'F', 'I', 'J', 'K', 'L', 'N', 'O', 'P'};
    std::uniform_int_distribution<int> byte(0, 255), len(0, 300), pick(0, 3);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(len(rng)));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(rng));
    if (!bytes.empty() && pick(rng) != 0)
        bytes[0] = kLetters[static_cast<std::size_t>(byte(rng)) % std::size(kLetters)];
    if (bytes.size() > 2 && pick(rng) == 0) bytes[1] = ',';
    if (bytes.size() > 1 && pick(rng) == 0) bytes[1] = static_cast<std::uint8_t>(32 + pick(rng));
    if (pick(rng) == 0) bytes.resize(static_cast<std::size_t>(pick(rng)) + 2, 0);
    return bytes;
}

// Fills the window's slots and text area with random words, as a hostile client could.
void scramble(std::uint8_t* block, std::mt19937& rng) {
    std::uniform_int_distribution<int> word(-5, 70), chooser(0, 2);
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    for (std::size_t off = 0; off < 2304; off += 4) {
        std::int32_t v = chooser(rng) == 0 ? any(rng) : word(rng);
        if (off == layout::kParam1) v = word(rng) % 45;
        lumora::layout::write_i32(block, off, v);
    }
}

TEST_F(GarbageTest, RandomBytesNeverBreakTheCore) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 20000; ++round) {
        if (round % 500 == 0) {
            open();
            for (int n = 1; n <= 63; ++n)
                if (std::uint8_t* b = window_block(n)) scramble(b, rng);
        }
        std::vector<std::uint8_t> bytes = random_command(rng);
        core_->handle(round % 7 == 0 ? 0 : 1, bytes.data(), bytes.size());
        if (round % 997 == 0) std::memset(process_block(), 'z', layout::kProcessBlockSize);
    }
    // Still serving: the probe and a fresh window answer as usual.
    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    EXPECT_EQ(send(probe), 224);
    int n = open();
    EXPECT_GE(n, 0);
}

TEST_F(GarbageTest, HostileSlotValuesGetZero) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(slot('B', 1, 36, INT32_MIN, INT32_MIN), 0);
    EXPECT_EQ(slot('N', 1, INT32_MIN, INT32_MAX), 0);
    EXPECT_EQ(slot('E', 1, INT32_MIN), 0);
    EXPECT_EQ(slot('B', 1, 25, INT32_MIN), 0);
    EXPECT_EQ(send({'I', ',', 0}), 0);  // a slot command to window 12, which is not open
    EXPECT_EQ(core_->handle(1, nullptr, 10), 0);
    std::vector<std::uint8_t> unterminated = {'I', ',', '0', ',', '0', ',', '0', ',', '0', ','};
    EXPECT_EQ(send(unterminated), 0);
    std::vector<std::uint8_t> too_long(257, 'K');
    too_long[1] = ',';
    too_long.back() = 0;
    EXPECT_EQ(send(too_long), 0);
}

TEST_F(GarbageTest, HostileSlotsForDrawingCommandsAreHandled) {
    ASSERT_EQ(open(), 1);
    const std::int32_t extremes[] = {INT32_MIN, -1, 0, 36, INT32_MAX};
    for (std::int32_t p1 = 0; p1 <= 45; ++p1) {
        for (std::int32_t v : extremes) {
            words(1, 0, std::vector<std::int32_t>(layout::kWindowBlockSize / 4, v));
            std::int32_t a = slot('A', 1, p1, v, v);
            std::int32_t b = slot('B', 1, p1, v, v);
            std::int32_t g = slot('G', 1, v);
            std::int32_t f = slot('F', 1, v, p1);
            EXPECT_TRUE(f == 0 || f == 1) << p1 << " " << v;
            EXPECT_TRUE(a == 0 || a == 1) << p1 << " " << v;
            EXPECT_TRUE(b == 0 || b == 1) << p1 << " " << v;
            EXPECT_TRUE(g == 0 || g == 1);
        }
    }
    // Nothing out of range was applied.
    const WindowState& s = state(1);
    EXPECT_TRUE(s.pen.style >= 0 && s.pen.style <= 9);
    EXPECT_TRUE(s.pen.mix >= 0 && s.pen.mix <= 31);
    EXPECT_TRUE(s.text_font.size >= 1 && s.text_font.size <= 16384);
    EXPECT_LE(s.text_font.face.size(), 255u);
    EXPECT_EQ(slot('B', 1, 19), 1);  // the page words are the window's own again
    EXPECT_EQ(word(1, layout::kPageWidth), 640);
    EXPECT_EQ(word(1, layout::kUnitLength), 480);
}

// Arrays of every kind with random counts, modes, words and chunk positions: whatever is
// drawn holds exactly the points its announcement promised.
TEST_F(GarbageTest, RandomArrayTransfersDrawOnlyWholeArrays) {
    ASSERT_EQ(open(), 1);
    std::mt19937 rng(777);
    std::uniform_int_distribution<int> kind(27, 33), count(-8, 8), mode(-3, 8), step(0, 5);
    std::uniform_int_distribution<std::int32_t> any(-100, 3000), small(-1, 12);
    for (int round = 0; round < 3000; ++round) {
        words(1, layout::kResult1, {any(rng), any(rng), any(rng) % 40, any(rng)});
        slot('N', 1, kind(rng), count(rng), mode(rng));
        for (int k = step(rng); k > 0; --k) slot('B', 1, 36, 4 * small(rng), 4 * small(rng));
        slot('B', 1, step(rng) == 0 ? 38 : 37);
    }
    EXPECT_GT(items(1).size(), 5u);  // some did complete
    for (const DrawItem& item : items(1)) {
        if (item.kind == ItemKind::kPlot) {
            EXPECT_EQ(item.points.size(), 2u * static_cast<std::size_t>(std::abs(item.arg2)));
        } else {
            EXPECT_FALSE(item.points.empty());
            EXPECT_EQ(item.points.size() % 2, 0u);
        }
    }
}

}  // namespace
}  // namespace luwnd::test
