// One fuzz input played as a client session against an in-process window process core:
// commands, writes into the shared blocks, and the window pictures the host keeps current
// after every command (see fuzz_format.h for the input format).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "fuzz_input.h"
#include "server/core/core.h"
#include "server/core/memory_block_host.h"
#include "server/render/window_pictures.h"

namespace luwnd::fuzz {

class ClientSession {
  public:
    // Paints one window picture; called for every open window at each paint operation
    // and at the end, and for every window once after it closed.
    using Painter = std::function<void(const render::Picture&)>;

    // data_file_path: a file the session may overwrite; 'B' 11 reads it.
    ClientSession(FuzzInput& input, std::string data_file_path);
    ~ClientSession();
    ClientSession(const ClientSession&) = delete;
    ClientSession& operator=(const ClientSession&) = delete;

    // Plays the whole input, then paints every picture.
    void run(const Painter& painter);

  private:
    void step(const Painter& painter);
    void send(std::uint32_t tag, std::span<const std::uint8_t> bytes);
    void slot();
    void poke();
    void text();
    void words();
    void image();
    void posted();
    // "<letter><w + 32>\0" after writing the slots of window w (when open).
    void slot_command(char letter, int w, std::int32_t p1, std::int32_t p2, std::int32_t p3);
    void paint(const Painter& painter);
    // 'B' 11 reads the harness's data file whatever path the text area names.
    void redirect_data_file(std::span<const std::uint8_t> bytes);
    // The block of window w (0: the process block), or nullptr; size receives its size.
    std::uint8_t* block(int w, std::size_t* size = nullptr);

    FuzzInput& input_;
    std::string data_file_path_;
    std::string data_file_;
    MemoryBlockHost host_;
    std::unique_ptr<Core> core_;
    render::WindowPictures pictures_;
};

}  // namespace luwnd::fuzz
