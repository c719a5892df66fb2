// The window process's data-file format and its scripted dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "server/core/data_file.h"
#include "server/core/text_dialogs.h"

namespace luwnd::test {
namespace {

std::optional<DataFile> read(const std::string& text, std::size_t max_items = 100) {
    std::istringstream in(text);
    return read_data_file(in, max_items);
}

TEST(DataFileTest, ReadsLinesBoxesAndTextsAndCountsWhatItSkips) {
    auto file = read(
        "LMD 1\r\n# comment\n\nline -5 0 10 1000000\nbox 1 2 3 4\ntext 7 8  two  blanks\n"
        "line 1 2 3\nline 1 2 3 4 5\nbox 1 2 3 1000001\ncircle 1 2 3\ntext 1 x y\n");
    ASSERT_TRUE(file);
    ASSERT_EQ(file->items.size(), 3u);
    EXPECT_EQ(file->items[0].kind, ItemKind::kLine);
    EXPECT_EQ(file->items[0].coords[0], -5);
    EXPECT_EQ(file->items[0].coords[3], 1000000);
    EXPECT_EQ(file->items[1].kind, ItemKind::kBox21);
    EXPECT_EQ(file->items[1].point_count, 2);
    EXPECT_EQ(file->items[2].kind, ItemKind::kText);
    EXPECT_EQ(file->items[2].text, " two  blanks");
    EXPECT_EQ(file->skipped, 5);
}

TEST(DataFileTest, WithoutTheSignatureNothingIsRead) {
    EXPECT_FALSE(read(""));
    EXPECT_FALSE(read("LMD 2\nline 0 0 1 1\n"));
    EXPECT_FALSE(read("line 0 0 1 1\n"));
}

TEST(DataFileTest, StopsAtTheItemLimitAndSkipsOverlongLines) {
    auto file =
        read("LMD 1\nline 0 0 1 1 " + std::string(5000, ' ') + "\nline 0 0 1 1\nline 0 0 2 2\n", 1);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->items.size(), 1u);
    EXPECT_EQ(file->skipped, 1);
}

// Endless bytes without a line end, as /dev/zero gives them; counts what it handed out.
class EndlessSource : public std::streambuf {
  public:
    std::uint64_t served = 0;

  protected:
    int_type underflow() override {
        std::fill(std::begin(chunk_), std::end(chunk_), 'x');
        served += sizeof chunk_;
        setg(chunk_, chunk_, chunk_ + sizeof chunk_);
        return traits_type::to_int_type('x');
    }

  private:
    char chunk_[1 << 16];
};

TEST(DataFileTest, AFileWithoutLineEndsIsReadOnlyToItsBound) {
    EndlessSource endless;
    std::istream in(&endless);
    EXPECT_FALSE(read_data_file(in, 100));  // no signature line: nothing more is read
    EXPECT_LE(endless.served, std::uint64_t{1} << 16);

    EndlessSource after_signature;
    std::string start = "LMD 1\n";
    std::istringstream head(start);
    struct Joined : std::streambuf {
        std::streambuf *first, *second;
        int_type underflow() override {
            int_type c = first->sgetc();
            if (c != traits_type::eof()) return c;
            return second->sgetc();
        }
        int_type uflow() override {
            int_type c = first->sbumpc();
            return c != traits_type::eof() ? c : second->sbumpc();
        }
    } joined;
    joined.first = head.rdbuf();
    joined.second = &after_signature;
    std::istream both(&joined);
    auto file = read_data_file(both, 100);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->items.empty());
    EXPECT_EQ(file->skipped, 1);  // one overlong line, cut off at the bound
    EXPECT_LE(after_signature.served, kMaxDataFileBytes + (1 << 16));
}

TEST(TextDialogsTest, ScriptsAnswerInOrderThenTheInitialNameOrCancel) {
    ScriptedDialogs dialogs("first.clr||c:\\x y.lmd", "");
    EXPECT_EQ(dialogs.choose_file("*.clr"), "first.clr");
    EXPECT_EQ(dialogs.choose_file("*.clr"), std::nullopt);  // empty: cancelled
    EXPECT_EQ(dialogs.choose_file("*.clr"), "c:\\x y.lmd");
    EXPECT_EQ(dialogs.choose_file("*.clr"), std::nullopt);   // a pattern
    EXPECT_EQ(dialogs.choose_file("a?.clr"), std::nullopt);  // a pattern
    EXPECT_EQ(dialogs.choose_file(""), std::nullopt);
    EXPECT_EQ(dialogs.choose_file("given.clr"), "given.clr");
    EXPECT_EQ(dialogs.ask_text("Name?"), std::nullopt);
}

}  // namespace
}  // namespace luwnd::test
