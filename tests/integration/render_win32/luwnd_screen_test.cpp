// luwnd.exe with a display: each window is a real window on the screen, showing the
// picture, following the user's resizing into the page words, ending the drawing program
// when the user closes it, and saving its picture from its menu and with Ctrl+S.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "../support/child_process.h"
#include "../support/png_reader.h"
#include "client/channel/block_layout.h"
#include "raw_client.h"
#include "screen_capture.h"
#include "server/host/win32/screen_windows.h"

namespace lumora::test {
namespace {

namespace layout = lumora::layout;

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF;
constexpr std::int32_t kEndProgram = INT_MIN + 2;  // 0x80000002

class LuwndScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "sc" + std::to_string(GetCurrentProcessId()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 30);
        output_ = temp_path(ns_);
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr));
        ASSERT_TRUE(client_.start(native_path(LUWND_PATH), "/s300,200", ns_, output_));
        ASSERT_EQ(client_.open_window("Screen test"), 1);
        window_ = wait_for_graphics_window(client_.process_id());
        ASSERT_NE(window_, nullptr) << "no window on the screen";
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((output_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::remove((output_ + "\\" + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(output_.c_str());
    }

    // A red line across at y = 50 and a blue box from (100, 100) to (200, 150).
    void draw_line_and_box() {
        client_.words(layout::kPenStyle, {0, 1, 2, 0});  // red pen
        client_.words(layout::kChanged, {0xF});
        ASSERT_EQ(client_.slot('A', 6), 1);
        ASSERT_EQ(client_.slot('A', 11, 10, 50), 1);
        ASSERT_EQ(client_.slot('A', 20, 290, 50), 1);
        box(100, 100, 200, 150, 4);
    }
    void box(int x1, int y1, int x2, int y2, int colour) {
        client_.words(layout::kResult1, {x1, y1, x2, y2});
        ASSERT_EQ(client_.slot('A', 22, colour), 1);
    }
    std::string saved(int window, int k, const char* suffix) const {
        return output_ + "\\luwnd-" + std::to_string(client_.process_id()) + "-" +
               std::to_string(window) + "-" + std::to_string(k) + "." + suffix;
    }
    std::string ns_, output_;
    RawClient client_;
    HWND window_ = nullptr;
};

// The keys go to the window in front, as the user's would.
void press_control_s(HWND window) {
    SetForegroundWindow(window);
    wait_until([&] { return GetForegroundWindow() == window; }, 5000);
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_CONTROL, 'S', 'S', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
}

// A record with pixels in it; GDI records a plain fill of the page as a pattern blit
// without a source.
bool carries_image(const ENHMETARECORD* record) {
    switch (record->iType) {
        case EMR_BITBLT:
            return reinterpret_cast<const EMRBITBLT*>(record)->cbBitsSrc > 0;
        case EMR_STRETCHBLT:
            return reinterpret_cast<const EMRSTRETCHBLT*>(record)->cbBitsSrc > 0;
        case EMR_STRETCHDIBITS:
        case EMR_SETDIBITSTODEVICE:
        case EMR_MASKBLT:
        case EMR_PLGBLT:
            return true;
        default:
            return false;
    }
}

PngImage wait_for_png(const std::string& path) {
    PngImage image;
    wait_until([&] {
        image = read_png(path);
        return image.loaded();
    });
    return image;
}

TEST_F(LuwndScreenTest, TheWindowShowsTheTitleThePageAndTheDrawingUntilTheProgramClosesIt) {
    EXPECT_EQ(window_title(window_), "Screen test");
    SIZE size = client_size(window_);
    EXPECT_EQ(size.cx, 300);
    EXPECT_EQ(size.cy, 200);
    draw_line_and_box();
    ASSERT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    ScreenImage image = capture_client(window_);
    EXPECT_EQ(image.at(150, 50), kRed);
    EXPECT_EQ(image.at(150, 51), kWhite);
    EXPECT_EQ(image.at(5, 5), kWhite);
    EXPECT_EQ(image.at(200, 125), kWhite);

    // Closed by the program: the window goes, and with the quit the process ends.
    ASSERT_EQ(client_.send({'J', 1 + 32, 0}), 0);
    EXPECT_TRUE(wait_until([&] { return !IsWindow(window_); }));
    ASSERT_EQ(client_.text("L,1,"), 1);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

TEST_F(LuwndScreenTest, TheWindowStaysAfterTheQuitUntilTheUserClosesIt) {
    draw_line_and_box();
    ASSERT_EQ(client_.text("L,1,"), 1);
    EXPECT_EQ(client_.wait_for_exit(1000), -1) << "the process ended with its window shown";
    ASSERT_TRUE(IsWindow(window_));
    EXPECT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

// The user clicks in a message box; the command waits for the click.
void click_in_message_box(int button) {
    HWND box = nullptr;
    wait_until([&] { return (box = FindWindowA("#32770", "Lumora")) != nullptr; }, 10000);
    if (box != nullptr) PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
}

TEST_F(LuwndScreenTest, TheUserSeesMessagesAndAnswersQuestions) {
    std::thread user([] {
        click_in_message_box(IDNO);
        wait_until([] { return FindWindowA("#32770", "Lumora") == nullptr; }, 10000);
        click_in_message_box(IDOK);
    });
    std::memcpy(client_.block() + layout::kText, "Save the data?", 15);
    EXPECT_EQ(client_.slot('B', 3), 1);
    EXPECT_EQ(client_.word(layout::kResult1), IDNO);
    std::memcpy(client_.block() + layout::kText, "Data kept.", 11);
    EXPECT_EQ(client_.slot('B', 2), 1);
    user.join();
    EXPECT_EQ(FindWindowA("#32770", "Lumora"), nullptr);
    ASSERT_EQ(client_.text("L,1,"), 1);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

TEST_F(LuwndScreenTest, AWindowOpensWhereTheProgramAsks) {
    ASSERT_EQ(client_.text("I,0,200,150,-1,-1,-1,Placed"), 2);
    HWND placed = nullptr;
    wait_until([&] { return (placed = FindWindowA(nullptr, "Placed")) != nullptr; }, 5000);
    ASSERT_NE(placed, nullptr);
    RECT frame{};
    ASSERT_TRUE(GetWindowRect(placed, &frame));
    EXPECT_EQ(frame.left, 200);
    EXPECT_EQ(frame.top, 150);
    ASSERT_EQ(client_.text("L,1,"), 1);
    PostMessageA(placed, WM_CLOSE, 0, 0);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

TEST_F(LuwndScreenTest, ResizingTheWindowResizesThePageAndRepaints) {
    EXPECT_EQ(client_.word(layout::kPageWidth), 300);
    EXPECT_EQ(client_.word(layout::kPageHeight), 200);
    EXPECT_EQ(client_.word(layout::kUnitLength), 200);
    box(0, 0, 300, 200, 13);  // the whole page in olive
    ASSERT_TRUE(wait_for_pixel(window_, 150, 100, 0x808000));

    RECT outer;
    ASSERT_TRUE(GetWindowRect(window_, &outer));
    ASSERT_TRUE(SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + 100,
                             outer.bottom - outer.top + 100,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(wait_until([&] { return client_.word(layout::kPageWidth) == 400; }));
    EXPECT_EQ(client_.word(layout::kPageHeight), 300);
    EXPECT_EQ(client_.word(layout::kUnitLength), 300);
    SIZE size = client_size(window_);
    EXPECT_EQ(size.cx, 400);
    EXPECT_EQ(size.cy, 300);
    // The page now fills the window: white where it grew, the olive box where it was.
    EXPECT_TRUE(wait_for_pixel(window_, 350, 250, kWhite));
    EXPECT_EQ(capture_client(window_).at(150, 100), 0x808000u);
    // Drawing reaches the new part of the page.
    box(310, 210, 390, 290, 4);
    EXPECT_TRUE(wait_for_pixel(window_, 350, 250, kBlue));
}

TEST_F(LuwndScreenTest, ClosingTheWindowTellsTheClientToEnd) {
    draw_line_and_box();
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wait_until([&] { return !IsWindow(window_); }));
    EXPECT_EQ(client_.slot('A', 20, 10, 10), kEndProgram);
    EXPECT_EQ(client_.text("I,0,0,0,-1,-1,-1,Another"), kEndProgram);
    EXPECT_TRUE(graphics_windows(client_.process_id()).empty());
    // Its quit is taken; with nothing left to show the process ends.
    EXPECT_NE(client_.text("L,0,"), kEndProgram);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

// A window left on the screen by a program that quit with mode 0 is offered for joining
// without being asked to; another program draws into it, and when the user closes it the
// offer ends and so does the process.
TEST_F(LuwndScreenTest, AWindowLeftOnTheScreenIsOfferedUntilTheUserClosesIt) {
    ASSERT_EQ(client_.text("L,0,"), 1);
    EXPECT_EQ(client_.header().substr(0, 14), "1,Screen test\n");
    // The joining program sends no handshake: it takes the window as it is.
    box(100, 100, 200, 150, 4);
    EXPECT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    EXPECT_EQ(client_.wait_for_exit(500), -1);  // the offer keeps the process
    EXPECT_EQ(client_.header().substr(0, 14), "1,Screen test\n");
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
}

TEST_F(LuwndScreenTest, TheMenuAndControlSSaveNumberedPictures) {
    draw_line_and_box();
    ASSERT_TRUE(wait_for_pixel(window_, 150, 125, kBlue));
    // The File menu's commands (Wine does not show one process another's menu items).
    ASSERT_NE(GetMenu(window_), nullptr);
    const UINT save_png = luwnd::win32::kSavePng, save_emf = luwnd::win32::kSaveEmf;

    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(save_png, 0), 0);
    PngImage first = wait_for_png(saved(1, 1, "png"));
    ASSERT_TRUE(first.loaded()) << saved(1, 1, "png");
    EXPECT_EQ(first.width, 300);
    EXPECT_EQ(first.height, 200);
    EXPECT_EQ(first.at(150, 50), kRed);
    EXPECT_EQ(first.at(150, 125), kBlue);
    EXPECT_EQ(first.at(5, 5), kWhite);

    // Ctrl+S on the keyboard saves the next one.
    box(0, 0, 50, 50, 4);
    press_control_s(window_);
    PngImage second = wait_for_png(saved(1, 2, "png"));
    ASSERT_TRUE(second.loaded()) << saved(1, 2, "png");
    EXPECT_EQ(second.at(5, 5), kBlue);
    EXPECT_EQ(read_png(saved(1, 1, "png")).at(5, 5), kWhite) << "the first save was replaced";

    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(save_emf, 0), 0);
    HENHMETAFILE metafile = nullptr;
    wait_until([&] { return (metafile = GetEnhMetaFileA(saved(1, 1, "emf").c_str())) != nullptr; });
    ASSERT_NE(metafile, nullptr) << saved(1, 1, "emf");
    char description[64] = {};
    GetEnhMetaFileDescriptionA(metafile, sizeof description, description);
    EXPECT_EQ(std::string(description), "luwnd");
    EXPECT_EQ(std::string(description + 6), "Screen test");
    // Vectors: the box is a filled path, the line a stroked one, not an image.
    int counts[2] = {0, 0};  // paths, images
    EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM context) -> int {
            auto* found = reinterpret_cast<int*>(context);
            if (record->iType == EMR_FILLPATH || record->iType == EMR_STROKEPATH ||
                record->iType == EMR_STROKEANDFILLPATH)
                ++found[0];
            if (carries_image(record)) ++found[1];
            return 1;
        },
        counts, nullptr);
    EXPECT_GE(counts[0], 2);
    EXPECT_EQ(counts[1], 0);
    // Played back at the page's size it shows the picture.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT page{0, 0, 300, 200};
    EXPECT_TRUE(PlayEnhMetaFile(dc, metafile, &page));
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    EXPECT_EQ(pixels[125 * 300 + 150] & 0xFFFFFF, kBlue);
    EXPECT_EQ(pixels[50 * 300 + 150] & 0xFFFFFF, kRed);
    EXPECT_EQ(pixels[100 * 300 + 250] & 0xFFFFFF, kWhite);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DeleteEnhMetaFile(metafile);
}

TEST(LuwndHeadlessChoice, LumoraHeadlessKeepsTheWindowsOffTheScreen) {
    const std::string ns = "hl" + std::to_string(GetCurrentProcessId());
    const std::string output = temp_path(ns);
    ASSERT_TRUE(CreateDirectoryA(output.c_str(), nullptr));
    SetEnvironmentVariableA("LUMORA_HEADLESS", "1");
    {
        RawClient client;
        ASSERT_TRUE(client.start(native_path(LUWND_PATH), "/s300,200", ns, output));
        SetEnvironmentVariableA("LUMORA_HEADLESS", nullptr);
        ASSERT_EQ(client.open_window("Off screen"), 1);
        EXPECT_EQ(wait_for_graphics_window(client.process_id(), 1500), nullptr);
        ASSERT_EQ(client.text("L,1,"), 1);
        EXPECT_EQ(client.wait_for_exit(20000), 0);
    }
    const std::string picture = output + "\\luwnd-1-1.png";
    EXPECT_TRUE(read_png(picture).loaded()) << picture;
    std::remove(picture.c_str());
    RemoveDirectoryA(output.c_str());
}

// The user's screen resolution (Wine keeps it under the desktop settings), set for the
// test and put back after it.
class ScreenResolution {
  public:
    explicit ScreenResolution(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD size = sizeof previous_;
        had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr,
                                reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
    }
    ~ScreenResolution() {
        if (had_) {
            RegSetValueExA(key_, "LogPixels", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&previous_), sizeof previous_);
        } else {
            RegDeleteValueA(key_, "LogPixels");
        }
        RegCloseKey(key_);
    }
    ScreenResolution(const ScreenResolution&) = delete;
    ScreenResolution& operator=(const ScreenResolution&) = delete;

  private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool had_ = false;
};

TEST(LuwndScreenResolution, ADenseScreenGivesLargerDefaultPages) {
    const std::string ns = "dp" + std::to_string(GetCurrentProcessId());
    const std::string output = temp_path(ns);
    ASSERT_TRUE(CreateDirectoryA(output.c_str(), nullptr));
    {
        ScreenResolution dense(144);
        RawClient client;
        ASSERT_TRUE(client.start(native_path(LUWND_PATH), "", ns, output));
        ASSERT_EQ(client.open_window("Dense"), 1);
        EXPECT_EQ(client.word(layout::kPageWidth), 960);
        EXPECT_EQ(client.word(layout::kPageHeight), 720);
        HWND window = wait_for_graphics_window(client.process_id());
        ASSERT_NE(window, nullptr);
        SIZE size = client_size(window);
        EXPECT_EQ(size.cx, 960);
        EXPECT_EQ(size.cy, 720);
        PostMessageA(window, WM_CLOSE, 0, 0);
        client.text("L,0,");
        EXPECT_EQ(client.wait_for_exit(20000), 0);
    }
    RemoveDirectoryA(output.c_str());
}

}  // namespace
}  // namespace lumora::test
