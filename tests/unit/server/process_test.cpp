// Publication of the process block, the handshake and quit.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

using ProcessTest = CoreFixture;

TEST_F(ProcessTest, PublishesIdleHeaderInFirstFreeBlock) {
    std::size_t size = 0;
    ASSERT_NE(host_.find("LuWnd1", &size), nullptr);
    EXPECT_EQ(size, layout::kProcessBlockSize);
    EXPECT_EQ(process_text(), "0,655,4711,0,9,9,9a");
    EXPECT_EQ(core_->process_number(), 1);

    CoreConfig second = config();
    second.window_handle = 900;
    Core other(host_, second);
    EXPECT_EQ(other.publish(), 2);
    EXPECT_EQ(process_text(2), "0,900,4711,0,9,9,9a");
    EXPECT_EQ(process_text(1), "0,655,4711,0,9,9,9a");
}

TEST_F(ProcessTest, PublishFailsWhenAllSixteenNamesAreTaken) {
    for (int k = 2; k <= 16; ++k) host_.create_block("LuWnd" + std::to_string(k), 16);
    Core other(host_, config());
    EXPECT_EQ(other.publish(), 0);
    EXPECT_EQ(other.process_number(), 0);
}

TEST_F(ProcessTest, DestroyingTheCoreRemovesItsBlocks) {
    ASSERT_EQ(open(3), 3);
    core_.reset();
    EXPECT_EQ(process_block(), nullptr);
    EXPECT_EQ(window_block(3), nullptr);
}

TEST_F(ProcessTest, HandshakeWithOwnIdMarksTheProcessBusy) {
    EXPECT_EQ(send_text("K,4711,C:\\work;C:\\work\\fourier.exe;Version  0.99.9a"), kId);
    EXPECT_EQ(process_text(), "1,655,4711,0,9,9,9a");
}

TEST_F(ProcessTest, HandshakeWithOtherIdOrBadSyntaxIsRefused) {
    EXPECT_EQ(send_text("K,4712,dir;prog;Version  0.99.9a"), 0);
    EXPECT_EQ(send_text("K,4711"), 0);
    EXPECT_EQ(send_text("K,x4711,dir"), 0);
    EXPECT_EQ(send_text("K,99999999999,dir"), 0);
    EXPECT_EQ(process_text(), "0,655,4711,0,9,9,9a");
}

// Programs that read the idle header at the same moment all send the handshake: the
// process must go to one of them only, and only while it is idle.
TEST_F(ProcessTest, OnlyOneHandshakeTakesTheIdleProcess) {
    ASSERT_EQ(send_text("K,4711,a;first;v"), kId);
    EXPECT_EQ(send_text("K,4711,b;second;v"), 0);
    EXPECT_EQ(process_text(), "1,655,4711,0,9,9,9a");
    ASSERT_EQ(send_text("L,1,"), 1);
    EXPECT_EQ(send_text("K,4711,b;second;v"), kId);  // idle again: the next one may take it
    EXPECT_TRUE(core_->claimed_once());

    CoreConfig ending = config();
    ending.ends_after_quit = true;
    MemoryBlockHost other_host;
    Core core(other_host, ending);
    ASSERT_EQ(core.publish(), 1);
    const std::string k = "K,4711,d;p;v";
    const std::uint8_t quit[] = {'L', ',', '1', ',', 0};
    EXPECT_FALSE(core.claimed_once());
    EXPECT_EQ(core.handle(1, reinterpret_cast<const std::uint8_t*>(k.c_str()), k.size() + 1), kId);
    EXPECT_EQ(core.handle(1, quit, sizeof quit), 1);
    // Ending: nobody may take it any more.
    EXPECT_EQ(core.handle(1, reinterpret_cast<const std::uint8_t*>(k.c_str()), k.size() + 1), 0);
}

TEST_F(ProcessTest, AHandshakeTheHostDoesNotAdmitIsRefused) {
    bool admit = false;
    CoreConfig reserved = config();
    reserved.admits_handshake = [&admit] { return admit; };
    MemoryBlockHost other_host;
    Core core(other_host, reserved);
    ASSERT_EQ(core.publish(), 1);
    const std::string k = "K,4711,d;p;v";
    auto handshake = [&] {
        return core.handle(1, reinterpret_cast<const std::uint8_t*>(k.c_str()), k.size() + 1);
    };
    EXPECT_EQ(handshake(), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(other_host.find("LuWnd1"))),
              "0,655,4711,0,9,9,9a");
    admit = true;
    EXPECT_EQ(handshake(), kId);
}

TEST_F(ProcessTest, QuitAnswersOneAndGoesBackToIdle) {
    ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
    EXPECT_FALSE(core_->quit_requested());
    EXPECT_EQ(send_text("L,1,"), 1);
    EXPECT_TRUE(core_->quit_requested());
    EXPECT_EQ(process_text(), "0,655,4711,0,9,9,9a");
}

// A process that ends with its client must not look idle while it ends: the next
// program would pick it and find nobody answering.
TEST_F(ProcessTest, AProcessThatEndsWithItsClientSaysSoAfterTheQuit) {
    CoreConfig ending = config();
    ending.ends_after_quit = true;
    MemoryBlockHost other_host;
    Core core(other_host, ending);
    ASSERT_EQ(core.publish(), 1);
    const std::uint8_t quit[] = {'L', ',', '1', ',', 0};
    EXPECT_EQ(core.handle(1, quit, sizeof quit), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(other_host.find("LuWnd1"))),
              "2,655,4711,0,9,9,9a");
    Core left(other_host, ending);  // a second process: its client leaves without quitting
    ASSERT_EQ(left.publish(), 2);
    left.client_gone();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(other_host.find("LuWnd2"))),
              "2,655,4711,0,9,9,9a");
}

TEST_F(ProcessTest, QuitWithOtherModeOrSyntaxIsRefused) {
    EXPECT_EQ(send_text("L,2,"), 0);
    EXPECT_EQ(send_text("L,1"), 0);
    EXPECT_EQ(send_text("L,"), 0);
    EXPECT_FALSE(core_->quit_requested());
    EXPECT_EQ(send_text("L,0,"), 1);
}

TEST_F(ProcessTest, ClientGoneMakesTheProcessIdleAgain) {
    ASSERT_EQ(send_text("K,4711,d;p;v"), kId);
    core_->client_gone();
    EXPECT_EQ(process_text(), "0,655,4711,0,9,9,9a");
    EXPECT_FALSE(core_->quit_requested());
}

TEST_F(ProcessTest, WrongTagIsRefused) {
    std::string k = "K,4711,d;p;v";
    std::vector<std::uint8_t> bytes(k.begin(), k.end());
    bytes.push_back(0);
    EXPECT_EQ(send(bytes, 2), 0);
    EXPECT_EQ(send(bytes, 1), kId);
}

}  // namespace
}  // namespace luwnd::test
