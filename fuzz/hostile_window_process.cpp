#include "hostile_window_process.h"

#include <climits>
#include <cstring>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"

namespace luwnd::fuzz {

namespace layout = lumora::layout;
using lumora::platform::Delivery;

namespace {

// Results worth trying more often than chance would: the special values, the small
// window numbers, the ends of the range.
constexpr std::int32_t kResults[] = {
    0,           1,           2,       3,           -1,          63,
    64,          INT_MAX,     INT_MIN, INT_MIN + 1, INT_MIN + 2, INT_MIN + 3,
    INT_MIN + 4, INT_MIN + 5, -32767,  -32768,      224,         0x7FFFFFFF};

std::string number(FuzzInput& input) {
    switch (input.u8() % 4) {
        case 0:
            return std::to_string(input.u8());
        case 1:
            return std::to_string(input.i32());
        case 2:
            return std::to_string(static_cast<std::int8_t>(input.u8()));
        default:
            return "99999999999999999999";
    }
}

}  // namespace

HostileWindowProcess::HostileWindowProcess(FuzzInput& input, lumora::platform::FakePlatform& fake)
    : input_(input), fake_(fake) {
    fake_.alive = {kHandle};
    fake_.on_deliver = [this](const Delivery& delivery) { answer(delivery); };
    // A started window process publishes a block of its own, with the input's header.
    fake_.existing_paths = {"/bin/luwnd"};
    fake_.on_launch = [this](const lumora::platform::Launch&) { publish_one(); };
}

// An idle header, a header with a window to join, or raw bytes; the handle names the
// live process, a dead one, or anything.
std::string HostileWindowProcess::header_text(int k) {
    const std::uint8_t form = input_.u8();
    const std::string handle = (form & 0x10) != 0 ? number(input_) : std::to_string(kHandle);
    const std::string id = (form & 0x20) != 0 ? number(input_) : std::to_string(id_);
    auto rest = input_.bytes(input_.u8());
    const std::string version =
        (form & 0x40) != 0 ? std::string(rest.begin(), rest.end()) : std::string("0,9,9,9a");
    switch (form % 4) {
        case 0:
            return "0," + handle + "," + id + "," + version;
        case 1:
            return std::to_string(k) + ",Plot " + version + "\n0," + handle + "," + id + "," +
                   version;
        case 2:
            return number(input_) + "," + handle + "," + id + "," + version;
        default:
            return std::string(rest.begin(), rest.end());
    }
}

void HostileWindowProcess::publish() {
    const int count = input_.u8() % 4;
    for (int k = 1; k <= count; ++k) publish_one();
}

void HostileWindowProcess::publish_one() {
    for (int k = 1; k <= layout::kMaxProcesses; ++k) {
        const std::string name = std::string(layout::kBlockPrefix) + std::to_string(k);
        if (fake_.host().find(name) != nullptr) continue;
        const std::size_t size = (input_.u8() & 1) != 0 ? 4096 : 1 + input_.u8();
        std::uint8_t* block = fake_.host().create_block(name, size);
        if (block == nullptr) return;
        const std::string text = header_text(k);
        std::memcpy(block, text.data(), text.size() < size ? text.size() : size);
        return;
    }
}

std::uint8_t* HostileWindowProcess::window_block(int window, std::size_t* size) {
    const int k = lumora::block_table().process_number;
    if (window == 0)
        return fake_.host().find(std::string(layout::kBlockPrefix) + std::to_string(k), size);
    return fake_.host().find(
        std::string(layout::kBlockPrefix) + std::to_string(k) + ":" + std::to_string(window), size);
}

void HostileWindowProcess::write_text(std::uint8_t* at, std::size_t size) {
    auto bytes = input_.bytes(input_.u16() % (size + 1));
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
}

// The opening's reply: a window block (of the right size or not) and its line.
void HostileWindowProcess::open_reply(int window) {
    const int k = lumora::block_table().process_number;
    const std::size_t size = (input_.u8() & 3) != 0 ? layout::kWindowBlockSize : input_.u16();
    fake_.host().create_block(
        std::string(layout::kBlockPrefix) + std::to_string(k) + ":" + std::to_string(window), size);
    std::size_t process_size = 0;
    if (std::uint8_t* process = window_block(0, &process_size)) {
        const std::string reply = std::to_string(window) + "," + number(input_);
        std::memcpy(process, reply.c_str(),
                    reply.size() + 1 < process_size ? reply.size() + 1 : process_size);
    }
}

std::int32_t HostileWindowProcess::result_for(const Delivery& delivery) {
    const std::uint8_t choice = input_.u8();
    const char letter = delivery.bytes.empty() ? 0 : static_cast<char>(delivery.bytes[0]);
    if (letter == 'K' && (choice & 0x80) == 0) return lumora::block_table().connection_id;
    if (letter == 'I' && (choice & 0x80) == 0) {
        const int window = 1 + input_.u8() % 66;  // past 63 too
        open_reply(window);
        return window;
    }
    if (letter == 'O' && (choice & 0x80) == 0) {
        static constexpr std::int32_t kProbes[] = {224, 0x7FFFFFFF, INT_MIN + 1, 1};
        return kProbes[input_.u8() % 4];
    }
    if ((choice & 0x40) != 0) return input_.i32();
    if ((choice & 0x20) != 0 && delivery.bytes.size() >= 2) return delivery.bytes[1] - 32;
    return kResults[choice % (sizeof kResults / sizeof kResults[0])];
}

// Replies besides the result: the process block text, result slots and the text area.
void HostileWindowProcess::scribble(const Delivery& delivery) {
    const std::uint8_t what = input_.u8();
    const int window = delivery.bytes.size() >= 2 ? delivery.bytes[1] - 32 : 0;
    std::size_t size = 0;
    if ((what & 1) != 0) {
        if (std::uint8_t* process = window_block(0, &size)) {
            const std::string mailbox = "3;" + number(input_) + ";" + number(input_) + ";";
            if ((what & 8) != 0)
                write_text(process, size);
            else
                std::memcpy(process, mailbox.c_str(),
                            mailbox.size() + 1 < size ? mailbox.size() + 1 : size);
        }
    }
    std::uint8_t* block = window_block(window, &size);
    if (block == nullptr || size < layout::kWindowBlockSize) return;
    if ((what & 2) != 0) {
        for (std::size_t offset = layout::kParam2; offset <= layout::kResult4; offset += 4)
            if ((input_.u8() & 1) != 0) layout::write_i32(block, offset, input_.i32());
    }
    if ((what & 4) != 0) write_text(block + layout::kText, layout::kTextSize);
}

void HostileWindowProcess::answer(const Delivery& delivery) {
    if (delivery.handle != kHandle) return;  // a dead process's handle: the fake says so
    scribble(delivery);
    fake_.results.push_back(result_for(delivery));
}

}  // namespace luwnd::fuzz
