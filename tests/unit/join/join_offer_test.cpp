// The window process offering its windows for joining, and its file commands, as the
// trace and the process block show them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/join_offer.h"
#include "server/core/memory_block_host.h"

namespace luwnd::test {
namespace {

namespace layout = lumora::layout;

// Sets (or with nullptr removes) a variable of this process's environment.
void set_variable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

class OfferTest : public ::testing::Test {
  protected:
    void TearDown() override { set_variable("LUMORA_JOINABLE", nullptr); }

    // joinable unset: the environment and whether the windows stay on a screen decide.
    void start(std::optional<bool> joinable, bool shown = false) {
        CoreConfig config;
        config.window_handle = 655;
        config.connection_id = 9;
        config.joinable = joinable;
        config.windows_stay_shown = shown;
        config.answers = "";
        config.file_answers = "";
        config.query_answers = "";
        core_ = std::make_unique<Core>(host_, config);
        ASSERT_EQ(core_->publish(), 1);
        ASSERT_EQ(send("K,9,d;p;v"), 9);
    }
    std::int32_t send(const std::string& text) {
        return core_->handle(1, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                             text.size() + 1);
    }
    std::string header() { return reinterpret_cast<const char*>(host_.find("LuWnd1")); }

    MemoryBlockHost host_;
    std::unique_ptr<Core> core_;
};

TEST_F(OfferTest, QuitWithModeZeroOffersTheCurrentWindowWithItsTitle) {
    start(true);
    ASSERT_EQ(send("I,2,0,0,-1,-1,-1,Plot"), 2);
    ASSERT_EQ(send("I,5,0,0,-1,-1,-1,"), 5);
    EXPECT_EQ(send("L,0,"), 1);
    EXPECT_TRUE(core_->offers_join());
    EXPECT_FALSE(core_->quit_requested());
    EXPECT_EQ(header(), "5,Window 5\n655,9,0,9,9,9a");
    core_->client_gone();
    EXPECT_EQ(header(), "5,Window 5\n655,9,0,9,9,9a");  // still offered
    EXPECT_EQ(send(std::string("J") + static_cast<char>(5 + 32)), 2);
    EXPECT_EQ(header(), "2,Plot\n655,9,0,9,9,9a");  // the remaining window
    EXPECT_EQ(send(std::string("J") + static_cast<char>(2 + 32)), 0);
    EXPECT_EQ(header(), "0,655,9,0,9,9,9a");  // nothing left to offer
    EXPECT_FALSE(core_->offers_join());
}

TEST_F(OfferTest, QuitWithModeOneOrWithoutTheOptionEndsAsBefore) {
    start(true);
    ASSERT_EQ(send("I,1,0,0,-1,-1,-1,Plot"), 1);
    ASSERT_EQ(send("L,0,"), 1);
    EXPECT_EQ(send("L,1,"), 1);  // the joined program ends it
    EXPECT_FALSE(core_->offers_join());
    EXPECT_TRUE(core_->quit_requested());
    EXPECT_EQ(header(), "0,655,9,0,9,9,9a");
    start(false);
    ASSERT_EQ(send("I,1,0,0,-1,-1,-1,Plot"), 1);
    EXPECT_EQ(send("L,0,"), 1);
    EXPECT_FALSE(core_->offers_join());
    EXPECT_TRUE(core_->quit_requested());
}

// Windows that stay on a screen are offered without being asked; a headless process
// offers only with LUMORA_JOINABLE=1, and any other value keeps the screen's from it.
TEST_F(OfferTest, WindowsOnAScreenAreOfferedByDefaultAndHeadlessOnesWhenAsked) {
    const struct {
        const char* variable;
        bool shown;
        bool offered;
    } cases[] = {
        {nullptr, true, true}, {nullptr, false, false}, {"", true, true},
        {"1", false, true},    {"1", true, true},       {"0", true, false},
    };
    for (const auto& c : cases) {
        set_variable("LUMORA_JOINABLE", c.variable);
        start(std::nullopt, c.shown);
        ASSERT_EQ(send("I,1,0,0,-1,-1,-1,Plot"), 1);
        EXPECT_EQ(send("L,0,"), 1);
        const std::string variable = c.variable != nullptr ? c.variable : "unset";
        EXPECT_EQ(core_->offers_join(), c.offered) << variable << " shown " << c.shown;
        EXPECT_EQ(core_->quit_requested(), !c.offered) << variable << " shown " << c.shown;
        EXPECT_FALSE(core_->client_connected());  // the quitting program is gone either way
    }
}

// What the user closed on the screen is gone for good: it is never offered, and when the
// last offered window goes the offer ends and the process is done.
TEST_F(OfferTest, WindowsClosedOnTheScreenAreNotOfferedAndTheLastOneEndsTheOffer) {
    start(std::nullopt, true);
    ASSERT_EQ(send("I,1,0,0,-1,-1,-1,One"), 1);
    ASSERT_EQ(send("I,2,0,0,-1,-1,-1,Two"), 2);
    ASSERT_EQ(send("I,3,0,0,-1,-1,-1,Three"), 3);
    EXPECT_TRUE(core_->window_closed_by_user(3));   // the program is told to end ...
    EXPECT_EQ(send("L,0,"), 1);                     // ... and quits with mode 0
    EXPECT_EQ(header(), "1,One\n655,9,0,9,9,9a");   // the current window 3 is not offered
    EXPECT_FALSE(core_->window_closed_by_user(1));  // nobody to tell now
    EXPECT_EQ(header(), "2,Two\n655,9,0,9,9,9a");
    EXPECT_FALSE(core_->quit_requested());
    core_->window_closed_by_user(2);
    EXPECT_FALSE(core_->offers_join());
    EXPECT_EQ(header(), "0,655,9,0,9,9,9a");
    EXPECT_TRUE(core_->quit_requested());  // the host ends once nothing is shown
    EXPECT_FALSE(core_->client_connected());

    // With every window closed before the quit there is nothing to offer at all.
    start(std::nullopt, true);
    ASSERT_EQ(send("I,1,0,0,-1,-1,-1,One"), 1);
    core_->window_closed_by_user(1);
    EXPECT_EQ(send("L,0,"), 1);
    EXPECT_FALSE(core_->offers_join());
    EXPECT_TRUE(core_->quit_requested());
}

TEST_F(OfferTest, TitleLinesHaveNoLineEndsAndAreCut) {
    EXPECT_EQ(offer_title(3, "a\nb\tc"), "a b c");
    EXPECT_EQ(offer_title(3, "  "), "Window 3");
    EXPECT_EQ(offer_title(3, std::string(300, 'x')).size(), 255u);
    EXPECT_EQ(join_header_line(4, "T", -7, 2, "v,1"), "4,T\n-7,2,v,1");
}

TEST_F(OfferTest, FileDialogAnswersOneWithThePathOrNothing) {
    start(false);
    ASSERT_EQ(send("I,1,0,0,-1,-1,-1,"), 1);
    std::uint8_t* block = host_.find("LuWnd1:1");
    std::memcpy(block + layout::kText, "chosen.clr", 11);
    layout::write_i32(block, layout::kParam1, 13);
    EXPECT_EQ(send(std::string("B") + static_cast<char>(33)), 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(block + layout::kText), "chosen.clr");
    std::memcpy(block + layout::kText, "*.clr", 6);
    EXPECT_EQ(send(std::string("B") + static_cast<char>(33)), 0);
    layout::write_i32(block, layout::kParam1, 14);
    EXPECT_EQ(send(std::string("B") + static_cast<char>(33)), 0);  // nobody answers
    layout::write_i32(block, layout::kParam1, 11);
    layout::write_i32(block, layout::kParam2, 0);
    std::memcpy(block + layout::kText, "/no/such/file.lmd", 18);
    EXPECT_EQ(send(std::string("B") + static_cast<char>(33)), 0);
}

}  // namespace
}  // namespace luwnd::test
