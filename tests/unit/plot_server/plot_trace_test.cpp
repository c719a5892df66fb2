// The trace lines of the plot commands: the block's size, a batch's bytes and items, and
// the reader's reason when it refused one.
#include <filesystem>
#include <fstream>

#include "plot_fixture.h"

namespace luwnd::test {
namespace {

std::string trace_file_path() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::temp_directory_path() /
            (std::string("luwnd-plot-trace-") + info->name() + ".txt"))
        .string();
}

class PlotTraceTest : public PlotFixture {
  protected:
    PlotTraceTest() : PlotFixture(trace_file_path()) { std::filesystem::remove(trace_path_); }
    ~PlotTraceTest() override {
        core_.reset();
        std::filesystem::remove(trace_path_);
    }
    std::vector<std::string> lines() {
        std::ifstream in(trace_path_);
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }
};

TEST_F(PlotTraceTest, BatchesTraceTheirBytesItemsAndRefusals) {
    words(1, layout::kResult1, {0, 0});
    slot('B', 1, plotcore::kPlotBatch, 40);  // no block yet
    make_block();
    const plotcore::Bytes good = plotcore::encode_batch({line(1, 2), line(3, 4)});
    const std::string size = std::to_string(good.size());
    send_bytes(good, 5, 1);
    plotcore::Bytes bad = good;
    bad[0] ^= 0xFF;
    send_bytes(bad);
    send_bytes(plotcore::encode_batch({line(2e6f, 0)}));
    slot('B', 1, plotcore::kRemoveElement, 5);
    put_text(1, "Sans \"x\"");
    slot('B', 1, plotcore::kFontWidths, 2);
    const std::string batch = "cmd=B win=1 p1=" + std::to_string(plotcore::kPlotBatch);
    const std::vector<std::string> got = lines();
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[1], batch + " p2=40 p3=0 h=0 c=0 bytes=40 ret=0 err=order");
    EXPECT_EQ(got[2], "cmd=B win=1 p1=" + std::to_string(plotcore::kPlotBlock) + " p2=0 p3=0 r1=" +
                          std::to_string(plotcore::kPlotBlockSize) + " r2=0 r3=0 r4=0 ret=1");
    EXPECT_EQ(got[3], batch + " p2=" + size + " p3=0 h=5 c=1 bytes=" + size + " items=2 ret=1");
    EXPECT_EQ(got[4], batch + " p2=" + size + " p3=0 h=0 c=0 bytes=" + size +
                          " error=\"not a plot batch\" ret=0 err=value");
    EXPECT_EQ(got[5].substr(got[5].find(" error=")),
              " error=\"coordinate out of range\" ret=0 err=value");
    EXPECT_EQ(got[6], "cmd=B win=1 p1=" + std::to_string(plotcore::kRemoveElement) +
                          " p2=5 p3=0 removed=1 ret=1");
    EXPECT_EQ(got[7], "cmd=B win=1 p1=" + std::to_string(plotcore::kFontWidths) +
                          " p2=2 p3=0 face=\"Sans \\\"x\\\"\" ret=1");
}

}  // namespace
}  // namespace luwnd::test
