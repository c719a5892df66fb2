// What the library says about itself.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "client/include/lumora.h"

namespace lumora::test {
namespace {

TEST(LibraryInfo, ItemsAndTheirLengths) {
    char buffer[100];
    EXPECT_EQ(lu_get_library_info(0, buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "5");
    EXPECT_EQ(lu_get_library_info(1, buffer, sizeof buffer), 8);
    EXPECT_STREQ(buffer, "0,9,9,9a");
    EXPECT_EQ(lu_get_library_info(3, buffer, sizeof buffer), 28);
    EXPECT_EQ(lu_get_library_info(4, buffer, sizeof buffer), 49);
    EXPECT_EQ(lu_get_library_info(5, buffer, sizeof buffer), 10);
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(buffer[i] >= '0' && buffer[i] <= '9');
    EXPECT_EQ(lu_get_library_info(6, buffer, sizeof buffer), 0);
    EXPECT_EQ(lu_get_library_info(-1, buffer, sizeof buffer), 0);
}

TEST(LibraryInfo, BufferNeedsRoomForTextNulAndOneMore) {
    char buffer[18];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(lu_get_library_info(2, buffer, 18), 16);
    EXPECT_STREQ(buffer, "Version  0.99.9a");
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(lu_get_library_info(2, buffer, 17), -16);
    EXPECT_EQ(buffer[0], 'z');
}

TEST(LibraryInfo, ReferenceFormPadsWithBlanks) {
    char buffer[80];
    int result = 0;
    const int item = 1;
    EXPECT_EQ(lu_get_library_info_(&result, &item, buffer, sizeof buffer), 8);
    EXPECT_EQ(result, 8);
    EXPECT_EQ(std::string(buffer, 80), "0,9,9,9a" + std::string(72, ' '));
    char small[8];
    std::memset(small, 'q', sizeof small);
    EXPECT_EQ(lu_get_library_info_(&result, &item, small, sizeof small), -8);
    EXPECT_EQ(std::string(small, 8), std::string(8, 'q'));
}

}  // namespace
}  // namespace lumora::test
