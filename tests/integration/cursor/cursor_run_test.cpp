// A program reads scripted events through a real window process: looks in passing find
// nothing and then the key, clicks come back in the world of the frame under them (a
// linear and a log one) within a pixel, and a wait with nothing left returns at once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

struct Point {
    std::string what;
    int result = 0;
    double x = 0, y = 0;
    int key = 0, px = 0, py = 0;
};

class CursorRun : public ::testing::Test {
  protected:
    void SetUp() override {
        set_environment("LUMORA_NAMESPACE", ("cur" + std::to_string(this_process_id())).c_str());
        set_environment("LUMORA_HEADLESS", "1");
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT_FORMAT", "none");
        set_environment("LUMORA_TRACE", nullptr);
    }
    void TearDown() override { set_environment("LUMORA_EVENTS", nullptr); }

    // Runs the client with the events; what it printed.
    std::string run(const char* events) {
        set_environment("LUMORA_EVENTS", events);
        ChildProcess child;
        ChildOptions options;
        options.argv = {native_path(CURSOR_CLIENT_PATH)};
        options.stdout_file = temp_path("cursor-out");
        options.stderr_file = temp_path("cursor-err");
        EXPECT_TRUE(child.start(options));
        EXPECT_EQ(child.wait(60000), 0);
        errors_ = read_text_file(options.stderr_file);
        return read_text_file(options.stdout_file);
    }
    std::string errors_;
};

Point point_in(std::istringstream& lines) {
    Point p;
    lines >> p.what >> p.result >> p.x >> p.y >> p.key >> p.px >> p.py;
    return p;
}

TEST_F(CursorRun, ScriptedEventsComeBackInTheFramesUnderThem) {
    std::istringstream lines(run("none,key q,click 1 150 200,click 3 470 260"));
    std::string what;
    int result = 0, kind = 0, key = 0;
    lines >> what >> result >> kind >> key;
    EXPECT_EQ(what + " " + std::to_string(result) + " " + std::to_string(kind), "poll 1 0");
    lines >> what >> result >> kind >> key;
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(key, 'q');

    const Point linear = point_in(lines);
    EXPECT_EQ(linear.what, "linear");
    EXPECT_EQ(linear.result, 1);
    EXPECT_EQ(linear.key, 'A');
    EXPECT_GT(linear.x, 0);
    EXPECT_LT(linear.x, 10);
    EXPECT_LE(std::abs(linear.px - 150), 1) << linear.x;
    EXPECT_LE(std::abs(linear.py - 200), 1) << linear.y;

    const Point log = point_in(lines);
    EXPECT_EQ(log.what, "log");
    EXPECT_EQ(log.key, 'X');
    EXPECT_GT(log.x, 1);  // data values, not their logarithms (0 ... 3)
    EXPECT_LT(log.x, 1000);
    EXPECT_GT(log.y, 0.01);
    EXPECT_LE(std::abs(log.px - 470), 1) << log.x;
    EXPECT_LE(std::abs(log.py - 260), 1) << log.y;

    lines >> what >> result >> key;
    EXPECT_EQ(what, "left");
    EXPECT_EQ(result, 0);
    EXPECT_NE(errors_.find("lu_get_cursor: no event can come"), std::string::npos) << errors_;
}

}  // namespace
}  // namespace lumora::test
