// Colour files: sixteen lines "0x00bbggrr", the dialog rules of saving and loading.
#include "join_fixture.h"

namespace lumora::test {
namespace {

using ColourFilesTest = FilesTest;

void set_user_colours(int window) {
    for (int i = 0; i < 16; ++i) {
        lu_set_colour_entry_in_window(window, lu_make_rgb_colour(255 - i, 128 + i, 64 + 3 * i),
                                      20 + i);
    }
}

TEST_F(ColourFilesTest, SavedColoursLoadIntoAnotherWindow) {
    const std::string path = temp_file("colours.clr");
    start(path);
    set_user_colours(1);
    EXPECT_EQ(lu_save_colours(path.c_str()), 16);
    EXPECT_EQ(dialog_starts.at(0), path);  // saving always asks, starting from the name
    const std::string text = contents(path);
    EXPECT_EQ(text.substr(0, 11), "0x004080ff\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16);
    ASSERT_EQ(open(2), 2);
    EXPECT_EQ(lu_load_colours(path.c_str()), 16);
    EXPECT_EQ(dialog_starts.size(), 1u);  // an existing file is loaded without asking
    for (int entry = 20; entry <= 35; ++entry) {
        int r1 = -1, g1 = -1, b1 = -1, r2 = -2, g2 = -2, b2 = -2;
        lu_get_colour_entry_in_window(1, entry, &r1, &g1, &b1);
        lu_get_colour_entry_in_window(2, entry, &r2, &g2, &b2);
        EXPECT_EQ(r1, r2);
        EXPECT_EQ(g1, g2);
        EXPECT_EQ(b1, b2);
    }
}

TEST_F(ColourFilesTest, TheTopByteIsReplacedOnLoad) {
    const std::string path = temp_file("top.clr");
    std::ofstream out(path);
    for (int i = 0; i < 16; ++i) out << "0xff004080\n";
    out.close();
    start("");
    fake().deliveries.clear();
    EXPECT_EQ(lu_load_colours(path.c_str()), 16);
    ASSERT_EQ(fake().deliveries.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(fake().deliveries[static_cast<std::size_t>(i)].param2, 0x02004080);
        EXPECT_EQ(fake().deliveries[static_cast<std::size_t>(i)].param3, 20 + i);
    }
    int r = 0, g = 0, b = 0;
    lu_get_colour_entry(20, &r, &g, &b);
    EXPECT_EQ(r, 0x80);
    EXPECT_EQ(g, 0x40);
    EXPECT_EQ(b, 0x00);
}

TEST_F(ColourFilesTest, LoadingAMissingFileAsksAndACancelSetsNothing) {
    const std::string path = temp_file("asked.clr");
    std::ofstream(path) << "0x000000ff 0x0000ff00\n";  // short: the rest is black
    start(path + "|");
    EXPECT_EQ(lu_load_colours("missing.clr"), 16);
    EXPECT_EQ(dialog_starts.at(0), "missing.clr");
    int r = 0, g = 0, b = 0;
    lu_get_colour_entry(21, &r, &g, &b);
    EXPECT_EQ(g, 255);
    fake().deliveries.clear();
    int result = -1;
    EXPECT_EQ(lu_load_colours_(&result, "   ", 3), 0);  // the dialog on "*.clr", cancelled
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialog_starts.at(1), "*.clr");
    EXPECT_EQ(fake().deliveries.size(), 1u);  // the dialog only
}

TEST_F(ColourFilesTest, SavingWithoutANameAsksFromThePatternAndAnUnwritablePathFails) {
    start("|/no/such/directory/x.clr");
    EXPECT_EQ(lu_save_colours(nullptr), 0);
    EXPECT_EQ(dialog_starts.at(0), "*.clr");
    EXPECT_EQ(lu_save_colours(""), 0);
    EXPECT_EQ(lu_save_colours_in_window(7, "x.clr"), 0);  // no such window
}

}  // namespace
}  // namespace lumora::test
