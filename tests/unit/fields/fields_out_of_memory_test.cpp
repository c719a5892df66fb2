// Memory running out inside a field operation: the call returns 0 and says so, and no
// C++ exception reaches the caller through the C interface.
#include <string>

#include "tests/unit/arrays/arrays_fixture.h"
#include "tests/unit/plot/failing_allocations.h"

namespace lumora::test {
namespace {

constexpr const char* kWindowRefused =
    "the window refused to draw (a window keeps at most 1 000 000 items)";

class FieldsOutOfMemoryTest : public ArraysTest {
  protected:
    // Makes each allocation of call fail in turn: the runs that fail in the library return
    // 0 with the message; in the in-process window process a failure refuses the command,
    // which the call may report as such. Returns how many runs ran out in the library.
    template <class Call, class Prepare = void (*)()>
    int expect_each_failure_reported(
        const char* name, Call call, Prepare prepare = [] {}) {
        int reported = 0;
        const std::string message = std::string(name) + ": out of memory";
        with_each_allocation_failing(
            prepare,
            [&] {
                int result = -1;
                EXPECT_NO_THROW(result = call());
                return result;
            },
            [&](int result, bool failed) {
                if (!failed) {
                    EXPECT_EQ(result, window()) << name << " without a failure";
                    return;
                }
                if (fake().error_lines.empty()) return;
                EXPECT_EQ(result, 0) << name;
                const std::string& line = fake().error_lines.back();
                if (line == message)
                    ++reported;
                else
                    EXPECT_EQ(line, std::string(name) + ": " + kWindowRefused);
                fake().error_lines.clear();
            });
        return reported;
    }
};

TEST_F(FieldsOutOfMemoryTest, EveryFieldOperationReturnsZeroAndSaysSo) {
    const float z[] = {0, 1, 2, 1, 2, 3, 2, 3, 4};  // 3 x 3, rising to one corner
    const float u[] = {1, 0, 1, 0, 1, 0, 1, 0, 1};
    const float levels[] = {0.5f, 1.5f, 2.5f, 3.5f};
    EXPECT_GT(
        expect_each_failure_reported(
            "lu_draw_contours",
            [&] { return lu_draw_contours(z, 3, 3, LU_ROW_MAJOR, 0, 0, 9, 9, levels, 4, 1); }),
        10);
    EXPECT_GT(expect_each_failure_reported(
                  "lu_fill_contours",
                  [&] { return lu_fill_contours(z, 3, 3, LU_ROW_MAJOR, 0, 0, 9, 9, nullptr, 0); }),
              10);
    EXPECT_GT(
        expect_each_failure_reported("lu_draw_colour_bar",
                                     [&] { return lu_draw_colour_bar(0.02f, 0.05f, levels, 4); }),
        2);
    EXPECT_GT(expect_each_failure_reported(
                  "lu_draw_vectors",
                  [&] { return lu_draw_vectors(u, u, 3, 3, LU_ROW_MAJOR, 0, 0, 9, 9, 0); }),
              2);
    const int three = 3;
    const float zero = 0, nine = 9;
    int result = 0;
    EXPECT_GT(expect_each_failure_reported("lu_draw_field_image",
                                           [&] {
                                               return lu_draw_field_image_(&result, z, &three,
                                                                           &three, &zero, &zero,
                                                                           &nine, &nine, nullptr);
                                           }),
              2);
}

}  // namespace
}  // namespace lumora::test
