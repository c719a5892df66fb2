// Programs started at the same moment find the same idle window process; only one of them
// takes it, and the others go on to the next one or start their own.
#include <climits>
#include <cstring>
#include <deque>

#include "client/include/lumora.h"
#include "launch_fixture.h"

namespace lumora::test {
namespace {

constexpr platform::WindowHandle kOther = 101;

class TakeoverTest : public LaunchTest {
  protected:
    void SetUp() override {
        LaunchTest::SetUp();
        // Where programs carry a subsystem the initialisation reads the program's own PE
        // headers first, which the fake's program does not have.
        if (platform::kProgramsHaveSubsystem) GTEST_SKIP() << "no PE headers in the fake";
        fake().environment["PATH"] = "bin";
        fake().existing_paths = {std::string("bin") + kSep + platform::kWindowProgramName};
    }
    // An idle process that another program has just taken: it passes the probes and
    // refuses the handshake.
    void publish_taken(int k) {
        const std::string name = "LuWnd" + std::to_string(k);
        std::uint8_t* block = fake().host().create_block(name, 4096);
        std::strcpy(reinterpret_cast<char*>(block), "0,101,11,0,9,9,9a");
        fake().alive.insert(kOther);
    }
    // What it answers to the four probes and the handshake.
    static std::deque<std::int32_t> taken_answers() { return {224, 256, INT_MAX, INT_MIN, 0}; }
    int handshakes() {
        int count = 0;
        for (const auto& d : fake().deliveries)
            if (!d.bytes.empty() && d.bytes[0] == 'K') ++count;
        return count;
    }
};

TEST_F(TakeoverTest, AProcessTakenByAnotherProgramIsPassedOver) {
    publish_taken(1);
    ASSERT_EQ(fake().start_server(), 2);
    fake().results = taken_answers();
    EXPECT_EQ(lu_initialize_defaults(), 2);
    EXPECT_EQ(handshakes(), 2);
    EXPECT_TRUE(fake().launches.empty());
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(TakeoverTest, WhenAllAreTakenTheProgramStartsItsOwnAndTakesThat) {
    publish_taken(1);
    fake().results = taken_answers();
    fake().on_launch = [this](const platform::Launch&) {
        fake().start_server();
        for (std::int32_t r : taken_answers()) fake().results.push_back(r);  // 1 is tried again
    };
    EXPECT_EQ(lu_initialize_defaults(), 2);
    EXPECT_EQ(fake().launches.size(), 1u);
    EXPECT_EQ(handshakes(), 3);
}

TEST_F(TakeoverTest, RefusedEverywhereEndsTheProgramAfterOneStart) {
    publish_taken(1);
    fake().results = taken_answers();
    fake().on_launch = [this](const platform::Launch&) {
        for (std::int32_t r : taken_answers()) fake().results.push_back(r);
    };
    EXPECT_EQ(exit_status_of([] { lu_initialize_defaults(); }), 1);
    EXPECT_EQ(fake().launches.size(), 1u);
    EXPECT_EQ(message(), "Failed to initialize the graphics window.");
}

// A wrong answer that is not a refusal still ends the program at once.
TEST_F(TakeoverTest, AnAnswerOtherThanTheIdOrZeroIsFatal) {
    publish_taken(1);
    fake().results = {224, 256, INT_MAX, INT_MIN, 12};
    EXPECT_EQ(exit_status_of([] { lu_initialize_defaults(); }), 1);
    EXPECT_TRUE(fake().launches.empty());
    EXPECT_EQ(message(), "Failed to initialize the graphics window.");
}

}  // namespace
}  // namespace lumora::test
