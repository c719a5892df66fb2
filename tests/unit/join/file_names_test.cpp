// The file-name dialog and the text query through the caller's buffers, and data files.
#include "join_fixture.h"

namespace lumora::test {
namespace {

using FileNamesTest = FilesTest;

TEST_F(FileNamesTest, APathFitsATenCharacterBufferOnlyWithRoomForItsNul) {
    start("abcdefghi|abcdefghij");
    char buffer[10] = "start";
    EXPECT_EQ(lu_choose_file_name(buffer, 10), 9);
    EXPECT_EQ(std::string(buffer, 10), std::string("abcdefghi\0", 10));
    EXPECT_EQ(dialog_starts.at(0), "start");
    std::memcpy(buffer, "0123456789", 10);
    EXPECT_EQ(lu_choose_file_name(buffer, 10), -10);
    EXPECT_EQ(std::string(buffer, 10), "0123456789");  // left alone
    EXPECT_EQ(dialog_starts.at(1), "0123456789");      // only len characters were read
}

TEST_F(FileNamesTest, ValueFormPadsWithNulsAndCancelLeavesTheBuffer) {
    start("ab||");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    buffer[3] = '\0';
    EXPECT_EQ(lu_choose_file_name(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 8), std::string("ab\0\0\0\0\0\0", 8));
    std::memcpy(buffer, "keep", 5);
    EXPECT_EQ(lu_choose_file_name(buffer, 8), 0);  // an empty answer cancels
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(lu_choose_file_name(nullptr, 8), 0);
    EXPECT_EQ(lu_choose_file_name(buffer, 0), 0);
    EXPECT_EQ(lu_choose_file_name_in_window(5, buffer, 8), 0);  // not open
}

TEST_F(FileNamesTest, ReferenceFormPadsWithBlanks) {
    start("a.clr");
    char buffer[12];
    std::memcpy(buffer, "start.txt   ", 12);
    int result = -1;
    EXPECT_EQ(lu_choose_file_name_(&result, buffer, sizeof buffer), 5);
    EXPECT_EQ(result, 5);
    EXPECT_EQ(std::string(buffer, 12), "a.clr       ");
    EXPECT_EQ(dialog_starts.at(0), "start.txt");
    std::memcpy(buffer, "*.txt       ", 12);  // a pattern and no answer left: cancelled
    EXPECT_EQ(lu_choose_file_name_(&result, buffer, sizeof buffer), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::string(buffer, 12), "*.txt       ");
}

TEST_F(FileNamesTest, QueryAnswersOfLenCharactersDoNotFit) {
    start("", "hello|hell|");
    char buffer[5] = "old";
    EXPECT_EQ(lu_query_string("Name?", buffer, 5), 0);
    EXPECT_STREQ(buffer, "old");
    EXPECT_EQ(lu_query_string("Name?", buffer, 5), 4);
    EXPECT_EQ(std::string(buffer, 5), std::string("hell\0", 5));
    EXPECT_EQ(lu_query_string("Name?", buffer, 5), 0);  // cancelled
    EXPECT_EQ(std::string(buffer, 5), std::string("hell\0", 5));
}

TEST_F(FileNamesTest, ReferenceQueryPadsWithBlanksAndStoresZeroToo) {
    start("", "yes|toolong");
    char buffer[6];
    std::memset(buffer, '#', sizeof buffer);
    int result = -1;
    EXPECT_EQ(lu_query_string_(&result, "Go on?  ", buffer, 8, sizeof buffer), 3);
    EXPECT_EQ(std::string(buffer, 6), "yes   ");
    EXPECT_EQ(lu_query_string_(&result, "Again?", buffer, 6, sizeof buffer), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::string(buffer, 6), "yes   ");
}

TEST_F(FileNamesTest, DataFilesOpenWithoutDialogWhenTheyExist) {
    const std::string path = temp_file("plot.lmd");
    std::ofstream(path) << "LMD 1\nline 0 0 10 10\nbox 1 2 3 4\nnonsense\ntext 5 6 hi there\n";
    start(path);
    EXPECT_EQ(lu_open_data_file(0, path.c_str()), 1);
    EXPECT_TRUE(dialog_starts.empty());
    EXPECT_EQ(fake().core()->window_state(1)->display.size(), 3u);
    EXPECT_EQ(layout::read_i32(block_table().current_block, layout::kResult2), 1);  // skipped
    EXPECT_EQ(lu_open_data_file(1, nullptr), 1);  // the dialog from "*.lmd" gives the path
    EXPECT_EQ(dialog_starts.at(0), "*.lmd");
    EXPECT_EQ(fake().core()->window_state(1)->display.size(), 3u);  // replaced
    int result = -1;
    const int two = 2;
    EXPECT_EQ(lu_open_data_file_(&result, &two, path.c_str(), path.size()), 0);  // bad value
    EXPECT_EQ(result, 0);
}

TEST_F(FileNamesTest, AMissingDataFileGoesThroughTheDialogAndACancelSendsNothing) {
    start("");
    fake().deliveries.clear();
    int result = -1;
    const int zero = 0;
    EXPECT_EQ(lu_open_data_file_(&result, &zero, "    ", 4), 0);
    EXPECT_EQ(dialog_starts.at(0), "*.lmd");
    EXPECT_EQ(b_commands(11), 0);
}

}  // namespace
}  // namespace lumora::test
