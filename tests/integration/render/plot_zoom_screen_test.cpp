// A plot in a real luwnd window on an X screen zoomed and panned with the pointer after its
// program has ended: the frame is numbered anew for the range shown (the SVG saved with V
// says so), the title reads out the place under the pointer, and R brings the program's
// range back.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/plot_on_screen.h"
#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

class PlotZoomScreenTest : public LuwndTest {
  protected:
    // How many trace lines hold the part, waiting up to 10 s for at least `least`.
    int wait_for_trace(const std::string& part, int least) const {
        int count = 0;
        for (int i = 0; i < 1000; ++i) {
            std::istringstream lines(trace());
            count = 0;
            for (std::string line; std::getline(lines, line);)
                count += line.find(part) != std::string::npos;
            if (count >= least) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return count;
    }
    // The texts of the newest SVG saved so far, once there are `count` of them (10 s).
    std::set<std::string> saved_texts(std::size_t count) const {
        std::vector<fs::path> saved;
        for (int i = 0; i < 1000 && saved.size() < count; ++i) {
            saved.clear();
            for (const auto& entry : fs::directory_iterator(base_))
                if (entry.path().extension() == ".svg" && entry.file_size() > 0)
                    saved.push_back(entry.path());
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (saved.size() < count) return {};
        std::sort(saved.begin(), saved.end());
        std::ifstream file(saved.back());
        const std::string svg((std::istreambuf_iterator<char>(file)), {});
        std::set<std::string> texts;
        const std::regex text("<text[^>]*>([^<]*)</text>");
        for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text);
             it != std::sregex_iterator(); ++it)
            texts.insert((*it)[1]);
        return texts;
    }
};

TEST_F(PlotZoomScreenTest, APlotZoomsAndPansAfterItsProgramHasEnded) {
    VirtualDisplay display("1024x768x24");
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({RESIZED_PLOT_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    // The program draws its two lines and ends; its window stays.
    ASSERT_EQ(write(input[1], "\n", 1), 1);
    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
    Screenshot shot;
    std::optional<Box> box;
    for (int i = 0; i < 500 && !box; ++i) {
        shot = display.capture(window);
        box = find_box(shot);
        if (!box) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(box) << "no frame on the screen";

    // Three wheel steps over the middle of the box: about 2.4 ... 7.6 shown.
    for (int step = 0; step < 3; ++step)
        display.click(window, box->middle_column(), box->middle_row(), 4);
    ASSERT_GE(wait_for_trace("event=zoom", 1), 1) << trace();
    display.press_key(window, "v");
    std::set<std::string> texts = saved_texts(1);
    ASSERT_FALSE(texts.empty()) << "no SVG saved";
    EXPECT_FALSE(texts.contains("10")) << "the old numbers magnified";
    EXPECT_TRUE(texts.contains("5") || texts.contains("5.0"));

    // Dragged left by half the box: the range moves right, beyond 10 of the program's.
    display.drag(window, box->middle_column(), box->middle_row(),
                 box->middle_column() - (box->right - box->left) / 2, box->middle_row(), 1);
    ASSERT_GE(wait_for_trace("event=pan", 1), 1) << trace();
    display.press_key(window, "v");
    texts = saved_texts(2);
    EXPECT_TRUE(texts.contains("10") || texts.contains("9")) << "the range did not move";

    // R: the program's range again, numbered 0 ... 10.
    display.press_key(window, "r");
    ASSERT_GE(wait_for_trace("event=unzoom", 1), 1) << trace();
    display.press_key(window, "v");
    texts = saved_texts(3);
    EXPECT_TRUE(texts.contains("0") && texts.contains("10"));

    // The title reads out where the pointer is: x 0 ... 10 across the box, y 0 ... 1 up it.
    display.move_pointer(window, box->left + (box->right - box->left) / 4, box->middle_row());
    // (The title already reads out where the last drag ended: wait for the new place.)
    std::string title;
    std::smatch read;
    const std::regex readout("x = ([-0-9.e]+)  y = ([-0-9.e]+)");
    for (int i = 0; i < 500; ++i) {
        title = display.wait_for_title(window, "x = ");
        if (std::regex_search(title, read, readout) && std::fabs(std::stod(read[1]) - 2.5) < 0.1)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(std::regex_search(title, read, readout)) << title;
    EXPECT_NEAR(std::stod(read[1]), 2.5, 0.1) << title;
    EXPECT_NEAR(std::stod(read[2]), 0.5, 0.02);

    const pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

}  // namespace
}  // namespace lumora::test
