// Runs the real luwnd without a display, draws through the raw protocol, quits, and
// reads back the picture files it wrote.
#include <cairo.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "client/channel/block_layout.h"

// Last: Xlib defines macros (None, Bool) that clash with the test framework's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

namespace layout = lumora::layout;
namespace fs = std::filesystem;

class LuwndPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ns_ = "lp" + std::to_string(getpid()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns_ = ns_.substr(0, 30);
        char base[] = "/tmp/luwnd-pic-XXXXXX";
        ASSERT_NE(mkdtemp(base), nullptr);
        base_ = base;
    }
    void TearDown() override {
        if (block_ != nullptr) munmap(block_, layout::kWindowBlockSize);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (socket_ >= 0) close(socket_);
        for (const char* name : {"LuWnd1", "LuWnd1:1", "LuWnd1:2"})
            shm_unlink(("/" + ns_ + "." + name).c_str());
        fs::remove_all(base_);
    }

    void start(const std::string& format, const std::string& display = {}, bool headless = false) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        std::vector<std::string> env = {"LUMORA_NAMESPACE=" + ns_, "XDG_RUNTIME_DIR=" + base_,
                                        "LUMORA_OUTPUT=" + base_, "LUMORA_OUTPUT_FORMAT=" + format,
                                        "LUMORA_READY_FD=" + std::to_string(ready[1])};
        if (!display.empty()) env.push_back("DISPLAY=" + display);
        if (headless) env.push_back("LUMORA_HEADLESS=1");
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        char arg0[] = LUWND_PATH, arg1[] = "/s300,200";
        char* argv[] = {arg0, arg1, nullptr};
        ASSERT_EQ(posix_spawn(&pid_, LUWND_PATH, &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        pollfd wait{ready[0], POLLIN, 0};
        ASSERT_EQ(poll(&wait, 1, 10000), 1) << "luwnd did not report ready";
        char byte = 0;
        EXPECT_EQ(read(ready[0], &byte, 1), 1);
        close(ready[0]);

        socket_ = socket(AF_UNIX, SOCK_SEQPACKET, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string path = base_ + "/lumora-" + ns_ + "/luwnd-" + std::to_string(pid_) + ".sock";
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(text("K," + std::to_string(pid_) + ",/tmp;prog;banner"), pid_);
    }

    std::int32_t request(const std::vector<std::uint8_t>& command) {
        std::vector<std::uint8_t> datagram(4);
        layout::write_i32(datagram.data(), 0, 1);
        datagram.insert(datagram.end(), command.begin(), command.end());
        EXPECT_EQ(send(socket_, datagram.data(), datagram.size(), 0),
                  static_cast<ssize_t>(datagram.size()));
        std::uint8_t reply[8] = {};
        EXPECT_EQ(recv(socket_, reply, sizeof reply, 0), 4);
        return layout::read_i32(reply, 0);
    }
    std::int32_t text(const std::string& command) {
        std::vector<std::uint8_t> bytes(command.begin(), command.end());
        bytes.push_back(0);
        return request(bytes);
    }
    void open_window() {
        ASSERT_EQ(text("I,0,0,0,-1,-1,-1,Picture"), 1);
        int fd = shm_open(("/" + ns_ + ".LuWnd1:1").c_str(), O_RDWR, 0);
        ASSERT_GE(fd, 0);
        void* p =
            mmap(nullptr, layout::kWindowBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        ASSERT_NE(p, MAP_FAILED);
        block_ = static_cast<std::uint8_t*>(p);
    }
    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
        layout::write_i32(block_, layout::kParam1, p1);
        layout::write_i32(block_, layout::kParam2, p2);
        layout::write_i32(block_, layout::kParam3, p3);
        return request({static_cast<std::uint8_t>(letter), 1 + 32, 0});
    }
    void words(std::size_t offset, const std::vector<std::int32_t>& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(block_, offset + 4 * i, values[i]);
    }
    void quit() {
        ASSERT_EQ(text("L,1,"), 1);
        close(socket_);
        socket_ = -1;
        for (int i = 0; i < 1000 && pid_ > 0; ++i) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_EQ(pid_, -1) << "luwnd did not end";
    }
    std::string picture(const char* suffix) const { return base_ + "/luwnd-1-1." + suffix; }

    std::string ns_, base_;
    pid_t pid_ = -1;
    int socket_ = -1;
    std::uint8_t* block_ = nullptr;
};

std::uint32_t pixel(cairo_surface_t* image, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(image);
    std::uint32_t value;
    std::memcpy(&value, data + y * cairo_image_surface_get_stride(image) + 4 * x, 4);
    return value & 0xFFFFFF;
}

TEST_F(LuwndPictureTest, QuitWritesEveryWindowAsPng) {
    start("png");
    open_window();
    words(layout::kPenStyle, {0, 1, 2, 0});  // red pen
    words(layout::kChanged, {0xF});
    ASSERT_EQ(slot('A', 6), 1);
    ASSERT_EQ(slot('A', 11, 10, 50), 1);
    ASSERT_EQ(slot('A', 20, 290, 50), 1);
    words(layout::kResult1, {100, 100, 200, 150});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    words(layout::kFontAngle, {0, 24, 0, 0, 0});
    ASSERT_EQ(slot('A', 9, 1), 1);
    std::memcpy(block_ + layout::kText, "Lumora", 7);
    ASSERT_EQ(slot('A', 15, 10, 160), 1);
    quit();

    cairo_surface_t* image = cairo_image_surface_create_from_png(picture("png").c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 300);
    EXPECT_EQ(cairo_image_surface_get_height(image), 200);
    EXPECT_EQ(pixel(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 150, 50), 0xFF0000u);
    EXPECT_EQ(pixel(image, 150, 51), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 150, 125), 0x0000FFu);
    int dark = 0;
    for (int y = 160; y < 190; ++y)
        for (int x = 10; x < 100; ++x) dark += pixel(image, x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 30);
    cairo_surface_destroy(image);
}

TEST_F(LuwndPictureTest, TheFormatComesFromTheEnvironment) {
    start(".SVG");
    open_window();
    ASSERT_EQ(slot('A', 11, 10, 10), 1);
    ASSERT_EQ(slot('A', 20, 100, 100), 1);
    quit();
    std::ifstream file(picture("svg"));
    std::string head(5, '\0');
    file.read(head.data(), 5);
    EXPECT_EQ(head, "<?xml");
    EXPECT_FALSE(fs::exists(picture("png")));
}

TEST_F(LuwndPictureTest, AClosedWindowIsWrittenWhenItCloses) {
    start("png");
    open_window();
    ASSERT_EQ(request({'J', 1 + 32, 0}), 0);
    EXPECT_TRUE(fs::exists(picture("png")));
    quit();
}

// An X server of its own for the test, or none when Xvfb is not installed.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        if (access(kXvfb, X_OK) != 0) return;
        name_ = ":" + std::to_string(200 + getpid() % 500);
        std::string number = name_;
        char arg0[] = "Xvfb", arg2[] = "-screen", arg3[] = "0", arg4[] = "640x480x24",
             arg5[] = "-nolisten", arg6[] = "tcp";
        char* argv[] = {arg0, number.data(), arg2, arg3, arg4, arg5, arg6, nullptr};
        if (posix_spawn(&pid_, kXvfb, nullptr, nullptr, argv, environ) != 0) return;
        for (int i = 0; i < 500 && display_ == nullptr; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            display_ = XOpenDisplay(name_.c_str());
        }
    }
    ~VirtualDisplay() {
        if (display_ != nullptr) XCloseDisplay(display_);
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool ready() const { return display_ != nullptr; }
    const std::string& name() const { return name_; }
    // The screen pixel as packed RGB.
    std::uint32_t pixel(int x, int y) {
        XImage* image =
            XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) return 0xFFFFFFFFu;
        auto value = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
        XDestroyImage(image);
        return value;
    }
    // Waits up to 5 s for the pixel to become the colour.
    bool wait_for(int x, int y, std::uint32_t rgb) {
        for (int i = 0; i < 500; ++i) {
            if (pixel(x, y) == rgb) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

  private:
    static constexpr const char* kXvfb = "/usr/bin/Xvfb";
    std::string name_;
    pid_t pid_ = -1;
    Display* display_ = nullptr;
};

TEST_F(LuwndPictureTest, WithADisplayTheWindowShowsThePictureAndOutlivesTheQuit) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    EXPECT_TRUE(display.wait_for(70, 50, 0x0000FF));
    EXPECT_EQ(display.pixel(200, 150), 0xFFFFFFu);  // the page around it
    ASSERT_EQ(text("L,1,"), 1);
    close(socket_);
    socket_ = -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(waitpid(pid_, nullptr, WNOHANG), 0) << "the window went away with the program";
    EXPECT_EQ(display.pixel(70, 50), 0x0000FFu);
    kill(pid_, SIGTERM);
    EXPECT_EQ(waitpid(pid_, nullptr, 0), pid_);
    pid_ = -1;
    EXPECT_FALSE(fs::exists(picture("png")));  // with a display only chosen formats are written
}

// Asked to, it stays off the screen although a display is there, and writes pictures.
TEST_F(LuwndPictureTest, AskedForHeadlessItWritesPicturesDespiteADisplay) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name(), true);
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);
    quit();
    EXPECT_NE(display.pixel(70, 50), 0x0000FFu);  // nothing was put on the screen
    cairo_surface_t* image = cairo_image_surface_create_from_png(picture("png").c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(pixel(image, 70, 50), 0x0000FFu);
    cairo_surface_destroy(image);
}

}  // namespace
