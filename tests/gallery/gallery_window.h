// One graphics window of a program, drawn through the public interface: the client runs
// against an in-process window process (the fake platform), and the window's picture
// follows it command by command the way the real host keeps it.
#pragma once

#include <functional>
#include <string>

#include "client/platform/fake/fake_platform.h"
#include "server/render/picture.h"
#include "server/render/window_pictures.h"

namespace lumora::gallery {

class GalleryWindow {
  public:
    static constexpr int kWidth = 320, kHeight = 240;

    // Connects a fresh client to a fresh window process and opens one window of the size
    // (width 0: the default size for the resolution), at the resolution; plot_batches
    // false: a window process without plot batches.
    // adjust may change the window process's settings before it starts.
    explicit GalleryWindow(int width = kWidth, int height = kHeight, int dpi = 96,
                           bool plot_batches = true,
                           const std::function<void(luwnd::CoreConfig&)>& adjust = {});
    ~GalleryWindow();
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    // The window's number; 0 when the client could not open it.
    int number() const { return window_; }
    // What the client reported on its error stream.
    std::string errors() const;
    // The commands the client has delivered so far.
    std::size_t commands() const { return scope_.fake.deliveries.size(); }
    // Resizes the window as the user would on screen; false when it is not open.
    bool resize(int width, int height);
    // The window process the window is in.
    luwnd::Core& core() { return *scope_.fake.core(); }
    // The fake system the client runs on, with the window process in it.
    platform::FakePlatform& fake() { return scope_.fake; }
    // The window's picture after every command so far; an empty one when it is not open.
    luwnd::render::Picture picture();

  private:
    platform::FakePlatformScope scope_;
    luwnd::render::WindowPictures pictures_;
    int window_ = 0;
};

}  // namespace lumora::gallery
