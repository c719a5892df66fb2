// The window process offering its windows for joining, and its file commands, as the
// trace and the process block show them.
#include <gtest/gtest.h>

#include <string>

#include "client/channel/block_layout.h"
#include "server/core/core.h"
#include "server/core/join_offer.h"
#include "server/core/memory_block_host.h"

namespace luwnd::test {
namespace {

namespace layout = lumora::layout;

class OfferTest : public ::testing::Test {
  protected:
    void start(bool joinable) {
        CoreConfig config;
        config.window_handle = 655;
        config.connection_id = 9;
        config.joinable = joinable;
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
