#include "list_directed_input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace lumora::fourier {
namespace {

// Reads one integer from the text and returns what is left for the next read.
std::string rest_after_integer(const std::string& text, ReadResult& result, std::int32_t& value) {
    std::istringstream in(text);
    StreamSource source(in);
    result = read_integer(source, value);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ListDirectedInput, SkipsBlanksAndEmptyLinesAndDiscardsTheRestOfTheLine) {
    struct Case {
        const char* text;
        std::int32_t value;
        const char* rest;
    };
    for (const Case& c :
         {Case{"8\n1\n", 8, "1\n"}, Case{"   8\n1\n", 8, "1\n"},
          Case{"\n\n \t\n  8  9 junk\nnext", 8, "next"}, Case{"8,9\nnext", 8, "next"},
          Case{"8/\nnext", 8, "next"}, Case{"-3\r\nnext", -3, "next"}, Case{"2*5 x\n", 5, ""},
          Case{"8", 8, ""}}) {
        ReadResult result;
        std::int32_t value = 0;
        EXPECT_EQ(rest_after_integer(c.text, result, value), c.rest) << c.text;
        EXPECT_EQ(result.status, ReadStatus::ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(ListDirectedInput, NullValueKeepsTheItem) {
    for (const char* text : {",\nnext", "  / 9\nnext", "3*\nnext"}) {
        ReadResult result;
        std::int32_t value = 17;
        EXPECT_EQ(rest_after_integer(text, result, value), "next") << text;
        EXPECT_EQ(result.status, ReadStatus::null_value) << text;
        EXPECT_EQ(value, 17) << text;
    }
}

TEST(ListDirectedInput, ReportsEndOfInputAndBadValues) {
    struct Case {
        const char* text;
        ReadStatus status;
        const char* typed;
    };
    for (const Case& c :
         {Case{"", ReadStatus::end_of_input, ""}, Case{" \n\n  \n", ReadStatus::end_of_input, ""},
          Case{"abc\n", ReadStatus::bad_value, "abc"}, Case{"1.5\n", ReadStatus::bad_value, "1.5"},
          Case{"0*4\n", ReadStatus::bad_value, "0*4"}, Case{"x*4\n", ReadStatus::bad_value, "x*4"},
          Case{"3000000000\n", ReadStatus::out_of_range, "3000000000"}}) {
        ReadResult result;
        std::int32_t value = 17;
        rest_after_integer(c.text, result, value);
        EXPECT_EQ(result.status, c.status) << c.text;
        EXPECT_EQ(result.text, c.typed) << c.text;
        EXPECT_EQ(value, 17) << c.text;
    }
}

TEST(ListDirectedInput, ReadsRealsWithFortranExponents) {
    std::istringstream in("1.0D-2\n  2.5d0 rest\n\n0.37,\n8\nabc\n");
    StreamSource source(in);
    double value = 0.0;
    for (const double expected : {1.0e-2, 2.5, 0.37, 8.0}) {
        EXPECT_EQ(read_real(source, value).status, ReadStatus::ok);
        EXPECT_EQ(value, expected);
    }
    const ReadResult bad = read_real(source, value);
    EXPECT_EQ(bad.status, ReadStatus::bad_value);
    EXPECT_EQ(bad.text, "abc");
    EXPECT_EQ(read_real(source, value).status, ReadStatus::end_of_input);
    EXPECT_EQ(value, 8.0);
}

TEST(ListDirectedInput, FileSourceLeavesTheNextLineInTheStream) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("\n  4096 trailing words\nnext\n", file);
    std::rewind(file);
    FileSource source(file);
    std::int32_t value = 0;
    EXPECT_EQ(read_integer(source, value).status, ReadStatus::ok);
    EXPECT_EQ(value, 4096);
    EXPECT_EQ(std::fgetc(file), 'n');
    std::fclose(file);
}

}  // namespace
}  // namespace lumora::fourier
