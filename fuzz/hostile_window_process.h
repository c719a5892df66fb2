// A window process that answers the client with whatever the fuzz input says: it plays its
// part through the fake platform, publishing process blocks with arbitrary header texts,
// and answering each delivered command with an arbitrary result after writing arbitrary
// bytes into the process block text, the window's result slots and its text area.
#pragma once

#include <cstdint>
#include <string>

#include "client/platform/fake/fake_platform.h"
#include "fuzz_input.h"

namespace luwnd::fuzz {

class HostileWindowProcess {
  public:
    // The handle its headers name when they name the live process.
    static constexpr lumora::platform::WindowHandle kHandle = 0x4C57;

    HostileWindowProcess(FuzzInput& input, lumora::platform::FakePlatform& fake);

    // Publishes up to three process blocks from the input.
    void publish();
    // Publishes one at the first free number.
    void publish_one();

  private:
    void answer(const lumora::platform::Delivery& delivery);
    std::int32_t result_for(const lumora::platform::Delivery& delivery);
    void open_reply(int window);
    void write_text(std::uint8_t* at, std::size_t size);
    void scribble(const lumora::platform::Delivery& delivery);
    std::string header_text(int k);
    std::uint8_t* window_block(int window, std::size_t* size);

    FuzzInput& input_;
    lumora::platform::FakePlatform& fake_;
    int id_ = 7;
};

}  // namespace luwnd::fuzz
