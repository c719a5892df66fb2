// Memory running out inside a plotting call: the call returns 0 and says so, no C++
// exception reaches the caller through the C interface, and the layer works afterwards.
#include <gtest/gtest.h>

#include <string>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "failing_allocations.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::test {
namespace {

class PlotOutOfMemoryTest : public ::testing::Test {
  protected:
    PlotOutOfMemoryTest() : window_(640, 480) { plot::reset_plot_state(); }
    ~PlotOutOfMemoryTest() override { plot::reset_plot_state(); }

    // Makes each allocation of call fail in turn (prepare runs before each, unharmed). Failures in
    // the library return 0 with the message; those in the in-process window process (its pictures,
    // its display list) refuse a command or come back through the library as well. Returns how many
    // runs the library reported.
    template <class Call, class Prepare = void (*)()>
    int expect_each_failure_reported(
        const std::string& name, Call call, Prepare prepare = [] {}) {
        int reported = 0;
        const std::string message = name + ": out of memory\n";
        with_each_allocation_failing(
            prepare,
            [&] {
                int result = -1;
                EXPECT_NO_THROW(result = call());
                return result;
            },
            [&](int result, bool failed) {
                const std::string errors = window_.errors();
                if (!failed) {
                    EXPECT_EQ(result, window_.number()) << name << " without a failure";
                    return;
                }
                if (errors.size() == seen_) return;
                EXPECT_EQ(result, 0) << name;
                EXPECT_EQ(errors.substr(seen_), message);
                seen_ = errors.size();
                ++reported;
            });
        return reported;
    }

    gallery::GalleryWindow window_;
    std::size_t seen_ = 0;
};

TEST_F(PlotOutOfMemoryTest, EveryKindOfCallReturnsZeroAndSaysSo) {
    ASSERT_GT(window_.number(), 0);
    const float x[] = {1, 2, 3, 4}, y[] = {3, 1, 4, 1};
    EXPECT_GT(expect_each_failure_reported("lu_plot_frame",
                                           [] { return lu_plot_frame(0, 5, 0, 5, LU_PLOT_GRID); }),
              10);
    EXPECT_GT(expect_each_failure_reported("lu_plot_line", [&] { return lu_plot_line(4, x, y); }),
              2);
    EXPECT_GT(expect_each_failure_reported(
                  "lu_plot_histogram",
                  [&] { return lu_plot_histogram(4, y, 0, 5, 5, LU_PLOT_HIST_FRAME); }),
              10);
    // Longer than a string keeps without allocating.
    static constexpr char kText[] = "the measured values  ";
    const int one = 1;
    int result = 0;
    EXPECT_GT(expect_each_failure_reported("lu_plot_legend_entry",
                                           [&] {
                                               return lu_plot_legend_entry_(&result, kText, &one,
                                                                            &one, &one,
                                                                            sizeof kText - 1);
                                           }),
              0);
    // An entry for each run, in a fresh frame: a legend that failed is not forgotten, and
    // a legend holds 32 entries at most.
    EXPECT_GT(expect_each_failure_reported(
                  "lu_plot_legend", [] { return lu_plot_legend(1); },
                  [] {
                      lu_plot_frame(0, 5, 0, 5, 0);
                      lu_plot_legend_entry("data", -1, 0, 3);
                  }),
              2);
    EXPECT_GT(expect_each_failure_reported(
                  "lu_plot_box", [] { return lu_plot_box("bcnstg", 0, 0, "bcnstl", 0, 0); }),
              10);
}

}  // namespace
}  // namespace lumora::test
