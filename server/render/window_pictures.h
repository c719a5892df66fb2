// Keeps the picture of every window current as the core handles commands: after each
// command it mirrors the window's display list (new items are copied with the fill colour
// they name resolved against the colour table of that moment; removed ones are dropped),
// page size, background and title. A window that the core no longer has is closed; its
// picture is handed out once.
#pragma once

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

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

    std::map<int, Picture> open_;
    std::vector<std::pair<int, Picture>> closed_;
};

}  // namespace luwnd::render
