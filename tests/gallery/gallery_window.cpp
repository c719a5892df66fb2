#include "gallery_window.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "client/channel/client_state.h"
#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"

namespace lumora::gallery {
namespace {

// The path and the first bytes of this test program: the client reads its executable's
// headers to learn whether it is a console program.
const std::pair<std::string, std::vector<std::uint8_t>>& this_program() {
    static const auto program = [] {
        char self[1024] = {};
        platform::native().module_file_name(self, sizeof self);
        std::vector<std::uint8_t> head(4096);
        std::ifstream file(self, std::ios::binary);
        file.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
        head.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
        return std::make_pair(std::string(self), head);
    }();
    return program;
}

}  // namespace

GalleryWindow::GalleryWindow(int width, int height, int dpi, bool plot_batches,
                             const std::function<void(luwnd::CoreConfig&)>& adjust) {
    // A fresh program: no plotting state (frames, resolutions, colour map) of the last.
    reset_client_state();
    plot::reset_plot_state();
    plot::current_colour_map() = plot::ColourMap{};
    client_state().use_message_box = 0;
    luwnd::CoreConfig config;
    // Without a size the window takes the default one, which grows with the resolution.
    config.options = width > 0 ? "/s" + std::to_string(width) + "," + std::to_string(height) : "";
    config.options += " /dpi" + std::to_string(dpi);
    config.plot_extension = plot_batches;
    config.answers = std::string();
    config.events = std::string();
    if (adjust) adjust(config);
    scope_.fake.start_server(config);
    scope_.fake.module_file = this_program().first;
    scope_.fake.files[this_program().first] = this_program().second;
    // The hook runs before each command is handled, so the pictures catch up with the
    // command before it; picture() catches up with the last one.
    scope_.fake.on_deliver = [this](const platform::Delivery&) {
        pictures_.after_command(*scope_.fake.core());
    };
    try {
        window_ = lu_open_window_full(0, 0, 0, -1, -1, -1, "Gallery");
    } catch (const platform::FakeExit&) {
        window_ = 0;  // the client gave up; errors() says why
    }
}

std::string GalleryWindow::errors() const {
    std::string text;
    for (const std::string& line : scope_.fake.error_lines) text += line + "\n";
    return text;
}

GalleryWindow::~GalleryWindow() {
    reset_client_state();
}

bool GalleryWindow::resize(int width, int height) {
    return window_ != 0 && scope_.fake.core()->resize_window(window_, width, height);
}

luwnd::render::Picture GalleryWindow::picture() {
    pictures_.after_command(*scope_.fake.core());
    const auto found = pictures_.open().find(window_);
    return found != pictures_.open().end() ? found->second : luwnd::render::Picture{};
}

}  // namespace lumora::gallery
