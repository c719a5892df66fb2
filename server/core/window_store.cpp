#include "window_store.h"

#include <cstdio>

#include "client/channel/block_layout.h"
#include "drawing_state.h"
#include "plotcore/plot_commands.h"

namespace luwnd {

namespace layout = lumora::layout;

bool WindowStore::create(int process_number, int n, int width, int height) {
    std::string name = std::string(layout::kBlockPrefix) + std::to_string(process_number) + ":" +
                       std::to_string(n);
    std::uint8_t* block = host_.create_block(name, layout::kWindowBlockSize);
    if (block == nullptr) return false;
    auto window = std::make_unique<Window>();
    window->block = block;
    window->name = name;
    init_drawing_state(block, width, height);
    init_window_state(window->state, block);
    windows_[static_cast<std::size_t>(n)] = std::move(window);
    current_ = n;
    ++changes_;
    return true;
}

int WindowStore::open(int process_number, int requested, int width, int height) {
    if (requested >= 1 && requested <= layout::kMaxWindows && find(requested) == nullptr &&
        create(process_number, requested, width, height))
        return requested;
    for (int n = 1; n <= layout::kMaxWindows; ++n) {
        if (find(n) == nullptr && create(process_number, n, width, height)) return n;
    }
    return 0;
}

std::uint8_t* WindowStore::make_plot_block(int process_number, int n) {
    Window* window = find(n);
    if (window == nullptr) return nullptr;
    if (window->plot_block != nullptr) return window->plot_block;
    char name[64];
    std::snprintf(name, sizeof name, lumora::plotcore::kPlotBlockFormat, process_number, n);
    window->plot_block = host_.create_block(name, lumora::plotcore::kPlotBlockSize);
    if (window->plot_block != nullptr) window->plot_name = name;
    return window->plot_block;
}

int WindowStore::close(int n) {
    Window* window = find(n);
    if (window == nullptr) return -1;
    if (window->plot_block != nullptr) host_.destroy_block(window->plot_name);
    host_.destroy_block(window->name);
    windows_[static_cast<std::size_t>(n)].reset();
    ++changes_;
    if (current_ == n) {
        // The most recently numbered window left takes over.
        current_ = 0;
        for (int k = layout::kMaxWindows; k >= 1 && current_ == 0; --k) {
            if (find(k) != nullptr) current_ = k;
        }
    }
    return current_;
}

void WindowStore::close_all() {
    for (int n = 1; n <= layout::kMaxWindows; ++n) close(n);
    current_ = 0;
}

bool WindowStore::select(int n) {
    if (find(n) == nullptr) return false;
    current_ = n;
    return true;
}

Window* WindowStore::find(int n) {
    if (n < 1 || n > layout::kMaxWindows) return nullptr;
    return windows_[static_cast<std::size_t>(n)].get();
}

}  // namespace luwnd
