// The open windows of the process: one shared block each, with its saved views and the
// array being transferred to it. Windows are numbered 1..63.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "array_transfer.h"
#include "block_host.h"
#include "image_transfer.h"
#include "view_table.h"
#include "window_state.h"

namespace luwnd {

struct Window {
    std::uint8_t* block = nullptr;
    std::string name;
    ViewTable views;
    WindowState state;
    ArrayTransfer transfer;
    ImageTransfer image_transfer;        // the picture being sent ('B' 60 .. 63)
    std::uint8_t* plot_block = nullptr;  // made on request ('B' 70), nullptr before
    std::string plot_name;
    std::optional<ArrayData> last_array;  // the last complete array, until it is drawn
    bool closed_on_screen = false;        // the user closed it: never offered for joining
};

class WindowStore {
  public:
    explicit WindowStore(BlockHost& host) : host_(host) {}
    ~WindowStore() { close_all(); }
    WindowStore(const WindowStore&) = delete;
    WindowStore& operator=(const WindowStore&) = delete;

    // Creates the block "LuWnd<process>:<n>" for the requested number when it is 1..63 and
    // free, else for the lowest free number, and makes it current. Returns n, or 0 when no
    // block could be made.
    int open(int process_number, int requested, int width, int height);
    // Makes window n's plot block when it has none (see plotcore/plot_commands.h); the
    // block, or nullptr when n is not open or no block could be made.
    std::uint8_t* make_plot_block(int process_number, int n);
    // Destroys window n's blocks. Returns the window that is current afterwards (0 for none),
    // or -1 when n is not open.
    int close(int n);
    void close_all();

    // The open window n, or nullptr for any other number.
    Window* find(int n);
    // Makes the open window n current; false when it is not open.
    bool select(int n);
    int current() const { return current_; }
    // Counts the windows opened and closed so far: while it stays, so does the set of
    // open windows.
    std::uint64_t changes() const { return changes_; }

  private:
    bool create(int process_number, int n, int width, int height);

    BlockHost& host_;
    std::array<std::unique_ptr<Window>, 64> windows_{};
    int current_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace luwnd
