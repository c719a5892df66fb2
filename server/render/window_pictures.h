// Keeps the picture of every window current as the core handles commands: after each
// command it mirrors the window's display list (new items are copied with the fill colour
// they name resolved against the colour table of that moment; removed ones are dropped),
// page size, background and title. A window that the core no longer has is closed; its
// picture is handed out once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "client/channel/block_layout.h"
#include "picture.h"
#include "server/core/core.h"

namespace luwnd::render {

class WindowPictures {
  public:
    // Call after every command the core handled.
    void after_command(const Core& core);

    // The pictures of the open windows by window number.
    const std::map<int, Picture>& open() const { return open_; }
    // The pictures of the windows closed since the last call, in the order they closed.
    std::vector<std::pair<int, Picture>> take_closed();

  private:
    void sync_window(const Core& core, int n);
    // Brings the picture's items up to the display list's.
    void sync_items(const WindowState& state, std::size_t slot, Picture& picture);

    std::map<int, Picture> open_;
    std::vector<std::pair<int, Picture>> closed_;
    // Per window number: whether it has a picture, and the title bytes it was made from,
    // so that a command costs no map search for absent windows and no title conversion.
    std::array<bool, lumora::layout::kTableSize> known_{};
    std::array<std::string, lumora::layout::kTableSize> title_bytes_;
    // Per window number: the display list's edits() the picture was last made from.
    std::array<std::uint64_t, lumora::layout::kTableSize> edits_{};
    // The core's window changes at the last scan of every window number.
    std::uint64_t window_changes_ = 0;
    bool scanned_ = false;
};

}  // namespace luwnd::render
