// A program that goes away inside a buffered frame, without ending it: killed, it leaves
// no connection whose end luwnd.exe could see, yet its window then shows the frame as the
// program drew it.
#include "program_on_screen.h"

namespace lumora::test {
namespace {

constexpr std::uint32_t kBlue = 0x0000FF, kRed = 0xFF0000, kWhite = 0xFFFFFF;

class ProgramEndScreenTest : public ProgramScreenTest {};

// held_frame draws frame A (a blue box), begins a frame, erases and draws part of frame B
// (a red box) and waits for its input: the window shows A. Killed then, it never ends the
// frame; the window shows B.
TEST_F(ProgramEndScreenTest, AFrameLeftByAProgramThatWasKilledIsShown) {
    InputPipe input(ns_);
    ChildProcess program;
    const HWND window = start_program(HELD_FRAME_PATH, input, program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wait_for_trace_line({"x1=150", "y1=100", "x2=250", "y2=180"})) << "B not drawn";
    EXPECT_TRUE(wait_for_pixel(window, 70, 50, kBlue));
    EXPECT_EQ(capture_client(window).at(200, 140), kWhite) << "B seen before the frame ended";

    program.kill();
    EXPECT_TRUE(wait_for_pixel(window, 200, 140, kRed)) << "the frame is still held";
    EXPECT_EQ(capture_client(window).at(70, 50), kWhite);
    input.close();
    // No program quit, so the window process stays for the next one once the window is
    // closed: it is ended here.
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    HANDLE luwnd = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, owner);
    ASSERT_NE(luwnd, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(wait_until([&] { return !IsWindow(window); }));
    TerminateProcess(luwnd, 0);
    WaitForSingleObject(luwnd, 20000);
    CloseHandle(luwnd);
}

}  // namespace
}  // namespace lumora::test
