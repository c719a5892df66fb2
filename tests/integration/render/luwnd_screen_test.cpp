// The windows of luwnd on an X screen (a virtual one): what they show, and what the user
// does to them: resizing, closing while the program draws, saving with a key, answering
// questions, and the page size a dense screen gets.
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

constexpr std::uint32_t kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0x000000;
constexpr std::uint32_t kOlive = 0x808000;  // colour 13: the Fourier bars
constexpr std::int32_t kEndProgram = INT32_MIN + 2;

using LuwndScreenTest = LuwndTest;

double coefficient(int n, double dt, int k, bool cosine) {
    constexpr double kPi = 3.14159265358979323846;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double phase = 2 * kPi * k * i / n;
        sum += std::sin(0.1 * kPi * i * dt) * (cosine ? std::cos(phase) : std::sin(phase));
    }
    return 2 * sum / n;
}

// The window once it stopped changing: while drawing goes on, the screen follows the
// picture a frame at a time.
Screenshot settled_capture(VirtualDisplay& display, unsigned long window) {
    Screenshot shot = display.capture(window);
    for (int i = 0; i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Screenshot next = display.capture(window);
        if (next.rgb == shot.rgb) break;
        shot = std::move(next);
    }
    return shot;
}

// The Fourier program starts luwnd by itself, reads N and dt from a pipe, draws and quits;
// the window stays and shows the axes and the bars where the plot puts them.
TEST_F(LuwndScreenTest, TheFourierPlotIsOnTheScreen) {
    VirtualDisplay display("640x480x24", 96);  // Xvfb's own default is 100 dots per inch
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({FOURIER_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    ASSERT_EQ(write(input[1], "8\n1\n", 4), 4);
    close(input[1]);
    ASSERT_EQ(wait_client(30000), 0);
    unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(display.wait_for_window_pixel(window, 150, 120, kBlack));
    Screenshot shot = settled_capture(display, window);
    ASSERT_EQ(shot.width, 640);
    ASSERT_EQ(shot.height, 480);
    for (int row : {120, 360}) {
        int drawn = 0;
        for (int x = 107; x <= 533; ++x)
            drawn += shot.at(x, row) == kBlack || shot.at(x, row) == kOlive;
        EXPECT_EQ(drawn, 533 - 107 + 1) << row;
        EXPECT_EQ(shot.at(100, row), kWhite) << row;
        EXPECT_EQ(shot.at(320, row - 3), kWhite) << row;
    }
    for (int k = 0; k <= 4; ++k) {
        const int x = static_cast<int>((k + 1) * 640.0 / 6 + 0.5);
        const int upper =
            static_cast<int>(std::lround(240 - (coefficient(8, 1, k, true) + 2) * 60));
        const int lower =
            static_cast<int>(std::lround(480 - (coefficient(8, 1, k, false) + 2) * 60));
        if (std::abs(upper - 120) > 3) {
            EXPECT_EQ(shot.at(x, (upper + 120) / 2), kOlive) << k;
        }
        if (std::abs(lower - 360) > 3) {
            EXPECT_EQ(shot.at(x, (lower + 360) / 2), kOlive) << k;
        }
        EXPECT_EQ(shot.at(x + 3, (upper + 120) / 2), kWhite) << k;
    }
    // Closing the last window ends the window process.
    pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

// The page follows the window: the block's page words, the trace, and what is shown (the
// display list keeps its pixels; the grown page is drawn on).
TEST_F(LuwndScreenTest, ResizingTheWindowResizesThePage) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    EXPECT_EQ(word(layout::kPageWidth), 300);

    display.resize(window, 400, 320);
    ASSERT_TRUE(wait_for_trace("event=resize win=1 w=400 h=320"));
    EXPECT_EQ(word(layout::kPageWidth), 400);
    EXPECT_EQ(word(layout::kPageHeight), 320);
    // The server clears a resized window; luwnd draws it again at once, and beyond the
    // old page there is the page colour, not the grey it puts around a smaller page.
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    EXPECT_EQ(display.capture(window).at(350, 280), kWhite);
    // Drawing goes on on the whole new page.
    words(layout::kResult1, {320, 240, 390, 310});
    ASSERT_EQ(slot('A', 22, 4), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 355, 275, kBlue));

    display.resize(window, 200, 100);
    ASSERT_TRUE(wait_for_trace("event=resize win=1 w=200 h=100"));
    EXPECT_EQ(word(layout::kPageWidth), 200);
    EXPECT_EQ(word(layout::kPageHeight), 100);
    EXPECT_EQ(word(layout::kUnitLength), 100);  // the shorter side
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    EXPECT_EQ(display.capture(window).width, 200);
    quit_and_close(display, window);
}

// With a display a question and a message are windows of their own; the command waits
// for the user's key.
TEST_F(LuwndScreenTest, TheUserSeesMessagesAndAnswersQuestions) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    int dark_in_question = 0;
    std::thread user([&display, &dark_in_question] {
        unsigned long question = display.wait_for_window("Lumora");
        if (question == 0) return;
        display.wait_for_window_pixel(question, 1, 1, 0xF5F5F5);  // painted
        const Screenshot shot = display.capture(question);
        for (std::uint32_t rgb : shot.rgb) dark_in_question += rgb < 0x404040 ? 1 : 0;
        display.press_key(question, "n");
        display.wait_until_gone(question);
        unsigned long message = display.wait_for_window("Lumora");
        if (message != 0) display.press_key(message, "Return");
    });
    std::memcpy(block_ + layout::kText, "Save the data?", 15);
    EXPECT_EQ(slot('B', 3), 1);
    EXPECT_EQ(word(layout::kResult1), 7);
    std::memcpy(block_ + layout::kText, "Data kept.", 11);
    EXPECT_EQ(slot('B', 2), 1);
    user.join();
    EXPECT_GT(dark_in_question, 50);  // the question and the button labels
    quit_and_close(display, window);
}

// A window goes where the open command asks, else where the /p option puts new windows.
TEST_F(LuwndScreenTest, WindowsOpenWhereTheyAreAskedToBe) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name(), false, {"/s100,80", "/p50,60"});
    open_window();
    unsigned long first = display.wait_for_window("Picture");
    ASSERT_NE(first, 0u);
    EXPECT_EQ(display.position_of(first), std::make_pair(50, 60));
    ASSERT_EQ(text("I,0,200,150,-1,-1,-1,Second"), 2);
    unsigned long second = display.wait_for_window("Second");
    ASSERT_NE(second, 0u);
    EXPECT_EQ(display.position_of(second), std::make_pair(200, 150));
    ASSERT_EQ(request({'J', 2 + 32, 0}), 1);  // window 1 is current again
    quit_and_close(display, first);
}

// When the X server goes away, Xlib ends luwnd; its names must go with it, or the next
// program would find an idle header nobody answers.
TEST_F(LuwndScreenTest, LosingTheDisplayRemovesTheBlocksAndTheSocket) {
    auto display = std::make_unique<VirtualDisplay>();
    if (!display->ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display->name(), false);
    open_window();
    ASSERT_NE(display->wait_for_window("Picture"), 0u);
    const std::string socket_file = socket_dir() + "/luwnd-" + std::to_string(pid_) + ".sock";
    const std::vector<std::string> blocks = {object("LuWnd1"), object("LuWnd1:1")};
    display.reset();  // the X server ends
    int status = -1;
    for (int i = 0; i < 1000 && pid_ > 0; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) pid_ = -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(pid_, -1) << "luwnd did not end";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    for (const std::string& name : blocks) {
        const int fd = open(name.c_str(), O_RDONLY);
        EXPECT_LT(fd, 0) << name << " is left";
        if (fd >= 0) close(fd);
    }
    EXPECT_FALSE(std::filesystem::exists(socket_file));
    EXPECT_FALSE(std::filesystem::exists(socket_dir())) << "the directory stays";
}

// The raw client: the command after the close is answered 0x80000002, its quit is taken,
// and luwnd ends, the window having gone.
TEST_F(LuwndScreenTest, ClosingTheWindowWhileDrawingEndsTheClient) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    std::int32_t result = 1;
    int sent = 0;
    for (; sent < 100000 && result != kEndProgram; ++sent) {
        if (sent == 50) display.close(window);
        result = slot('A', 20, sent % 300, 100);
        if (result != kEndProgram) {
            ASSERT_EQ(result, 1) << sent;
        }
    }
    EXPECT_EQ(result, kEndProgram);
    EXPECT_GT(sent, 50);
    EXPECT_EQ(text("I,0,0,0,-1,-1,-1,Again"), kEndProgram);  // every command but 'L'
    // The X server destroys the window when it gets to luwnd's request, which may come
    // after luwnd's answer.
    EXPECT_TRUE(display.wait_until_gone(window));
    quit(0);
    std::string log = trace();
    EXPECT_NE(log.find("event=close win=1 ends=1"), std::string::npos);
    EXPECT_NE(log.find("ret=-2147483646"), std::string::npos);
}

// A window left on the screen by a program that quit with mode 0 is offered for joining
// without being asked to; another program draws into it, and when the user closes it the
// offer ends and so does luwnd.
TEST_F(LuwndScreenTest, AWindowLeftOnTheScreenIsOfferedUntilTheUserClosesIt) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    ASSERT_EQ(text("L,0,"), 1);
    close(socket_);
    const std::string pid = std::to_string(pid_);
    EXPECT_EQ(process_header(), "1,Picture\n" + pid + "," + pid + ",0,9,9,9a");

    connect_socket();  // the joining program: no handshake, it takes the window as it is
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);
    EXPECT_TRUE(display.wait_for_window_pixel(window, 70, 50, kBlue));
    close(socket_);
    socket_ = -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(process_header().substr(0, 10), "1,Picture\n");  // still offered

    display.close(window);
    expect_luwnd_ends();
    EXPECT_NE(trace().find("event=close win=1 ends=0"), std::string::npos) << trace();
}

// A headless luwnd offers nothing unless asked to: a quit with mode 0 ends it.
TEST_F(LuwndScreenTest, HeadlessWindowsAreNotOfferedWithoutBeingAsked) {
    start("png", "", true);
    open_window();
    ASSERT_EQ(text("L,0,"), 1);
    EXPECT_EQ(process_header().substr(0, 2), "2,");  // ending, not offering
    close(socket_);
    socket_ = -1;
    expect_luwnd_ends();
}

// A real program drawing lines forever ends with status 0 when its window is closed.
TEST_F(LuwndScreenTest, AProgramDrawingForeverEndsWellWhenItsWindowIsClosed) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    client_ = spawn({ENDLESS_LINES_PATH}, environment(display.name(), false));
    ASSERT_GT(client_, 0);
    unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(wait_for_trace("cmd=A win=1 p1=20"));
    pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_EQ(wait_client(20000), 0);
    EXPECT_TRUE(wait_gone(luwnd)) << "nothing is shown, yet luwnd goes on";
    std::string log = trace();
    std::size_t close_at = log.find("event=close win=1 ends=1");
    ASSERT_NE(close_at, std::string::npos);
    std::size_t answer = log.find("ret=-2147483646", close_at);
    ASSERT_NE(answer, std::string::npos);
    // The line after the close is that answer, and the program's last word is its quit.
    EXPECT_EQ(log.find('\n', close_at), log.rfind('\n', answer));
    EXPECT_NE(log.find("cmd=L win=0 mode=0", answer), std::string::npos);
}

// How many pixels of the window are exactly that colour.
int pixels_of(VirtualDisplay& display, unsigned long window, std::uint32_t rgb) {
    Screenshot shot = display.capture(window);
    return static_cast<int>(std::count(shot.rgb.begin(), shot.rgb.end(), rgb));
}

// While drawing goes on the window is copied at most once a frame; the picture the
// program leaves when it stops is still shown in full, with no event to bring it on.
TEST_F(LuwndScreenTest, TheLastDrawingOfABurstIsShownWhileTheProgramWaits) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({BURST_THEN_WAIT_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    int blue = 0;
    for (int i = 0; i < 1000 && blue == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        blue = pixels_of(display, window, kBlue);
    }
    EXPECT_GT(blue, 100) << "the box drawn last is not on the screen";
    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
}

bool wait_for_file(const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        if (fs::exists(path) && fs::file_size(path) > 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string head_of(const std::string& path, std::size_t n) {
    std::ifstream file(path, std::ios::binary);
    std::string head(n, '\0');
    file.read(head.data(), static_cast<std::streamsize>(n));
    return head;
}

// S (or Ctrl+S), V and P in a window save its picture as a new file each time.
TEST_F(LuwndScreenTest, KeysSaveTheWindowWithoutOverwriting) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    const std::string stem = base_ + "/luwnd-" + std::to_string(pid_) + "-1-";
    display.press_key(window, "s", true);
    ASSERT_TRUE(wait_for_file(stem + "1.png"));
    display.press_key(window, "v");
    ASSERT_TRUE(wait_for_file(stem + "1.svg"));
    display.press_key(window, "p");
    ASSERT_TRUE(wait_for_file(stem + "1.pdf"));
    display.press_key(window, "s");
    ASSERT_TRUE(wait_for_file(stem + "2.png"));
    display.press_key(window, "x");  // no binding
    EXPECT_EQ(head_of(stem + "1.png", 4), "\x89PNG");
    EXPECT_EQ(head_of(stem + "1.svg", 5), "<?xml");
    EXPECT_EQ(head_of(stem + "1.pdf", 5), "%PDF-");
    cairo_surface_t* image = cairo_image_surface_create_from_png((stem + "2.png").c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 300);
    const unsigned char* row =
        cairo_image_surface_get_data(image) + 50 * cairo_image_surface_get_stride(image);
    std::uint32_t value;
    std::memcpy(&value, row + 4 * 70, 4);
    EXPECT_EQ(value & 0xFFFFFF, kBlue);
    cairo_surface_destroy(image);
    quit_and_close(display, window);
    // The files saved are all there is: no more, and the display wrote nothing itself.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(base_))
        files += entry.path().filename().string().rfind("luwnd-", 0) == 0;
    EXPECT_EQ(files, 4);
}

// A dense screen gives new windows a larger default page (640 x 480 at 96 dots per inch).
TEST_F(LuwndScreenTest, TheScreenResolutionScalesTheDefaultPage) {
    {
        // 1920 pixels at 192 dpi: 254 mm.
        VirtualDisplay display("1920x1200x24", 192);
        if (!display.ready()) GTEST_SKIP() << "no Xvfb";
        start("png", display.name(), false, {});
        open_window();
        EXPECT_EQ(word(layout::kPageWidth), 1280);
        EXPECT_EQ(word(layout::kPageHeight), 960);
        unsigned long window = display.wait_for_window("Picture");
        ASSERT_NE(window, 0u);
        EXPECT_EQ(display.size_of(window), std::make_pair(1280, 960));
        quit_and_close(display, window);
        munmap(block_, layout::kWindowBlockSize);
        block_ = nullptr;
    }
    // The desktop's Xft.dpi setting wins over the screen's size.
    VirtualDisplay display("1920x1200x24", 192);
    ASSERT_TRUE(display.ready());
    display.set_resources("Xft.dpi:\t144\n");
    start("png", display.name(), false, {});
    open_window();
    EXPECT_EQ(word(layout::kPageWidth), 960);
    EXPECT_EQ(word(layout::kPageHeight), 720);
    unsigned long window = display.wait_for_window("Picture");
    ASSERT_NE(window, 0u);
    EXPECT_EQ(display.size_of(window), std::make_pair(960, 720));
    quit_and_close(display, window);
}

}  // namespace
}  // namespace lumora::test
