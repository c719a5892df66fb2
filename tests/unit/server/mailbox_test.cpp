// Requests to the process as a whole through the process block: 'E', blank, blank.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

class MailboxTest : public CoreFixture {
  protected:
    std::int32_t ask(const std::string& request) {
        std::memcpy(process_block(), request.c_str(), request.size() + 1);
        return send({'E', ' ', ' ', 0});
    }
};

TEST_F(MailboxTest, PageSizeQueryIsAnsweredInTheProcessBlock) {
    EXPECT_EQ(ask("1;3;-1;-1;"), 1);
    EXPECT_EQ(process_text(), "3;640;480;");
    EXPECT_EQ(ask("10;0;0;0;"), 1);
    EXPECT_EQ(process_text(), "3;96;96;");
}

TEST_F(MailboxTest, SettingTheWindowSizeChangesNewWindows) {
    EXPECT_EQ(ask("-3;3;800;600;"), 1);
    EXPECT_EQ(process_text(), "3;800;600;");
    EXPECT_EQ(ask("-3;2;0;-5;"), 1);  // only the second value given, and out of range
    EXPECT_EQ(process_text(), "3;800;600;");
    EXPECT_EQ(ask("-3;3;16384;16384;"), 1);  // a 1 GiB picture: refused as a whole
    EXPECT_EQ(process_text(), "3;800;600;");
    EXPECT_EQ(ask("-3;3;16384;4096;"), 1);
    EXPECT_EQ(process_text(), "3;16384;4096;");
    EXPECT_EQ(ask("-3;3;800;600;"), 1);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(layout::read_i32(window_block(1), layout::kPageWidth), 800);
    EXPECT_EQ(layout::read_i32(window_block(1), layout::kUnitLength), 600);
}

TEST_F(MailboxTest, UnknownCodesAndBadRequestsLeaveAnEmptyReply) {
    EXPECT_EQ(ask("15;3;0;0;"), 0);
    EXPECT_EQ(process_text(), "");
    EXPECT_EQ(ask("0;0;0;0;"), 0);
    EXPECT_EQ(ask("1;3;0;"), 0);
    EXPECT_EQ(process_text(), "");
    EXPECT_EQ(ask("1,3,0,0,"), 0);
    std::memset(process_block(), 'x', layout::kProcessBlockSize);  // no NUL anywhere
    EXPECT_EQ(send({'E', ' ', ' ', 0}), 0);
    EXPECT_EQ(process_text(), "");
}

TEST_F(MailboxTest, OnlyWindowZeroWithABlankIsTheMailbox) {
    EXPECT_EQ(ask("1;3;0;0;"), 1);
    std::memcpy(process_block(), "1;3;0;0;", 9);
    EXPECT_EQ(send({'E', '!', ' ', 0}), 0);
    EXPECT_EQ(send({'E', ' ', '!', 0}), 0);
    EXPECT_EQ(process_text(), "1;3;0;0;");
}

}  // namespace
}  // namespace luwnd::test
