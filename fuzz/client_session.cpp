#include "client_session.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "client/channel/block_layout.h"
#include "fuzz_format.h"

namespace luwnd::fuzz {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kDataFileCode = 11;

CoreConfig session_config(FuzzInput& input) {
    std::uint8_t flags = input.u8();
    CoreConfig config;
    config.window_handle = 655;
    config.connection_id = kConnectionId;
    config.joinable = (flags & kFlagJoinable) != 0;
    config.ends_after_quit = (flags & kFlagEndsAfterQuit) != 0;
    if ((flags & kFlagSmallLists) != 0) config.max_items = kSmallListItems;
    if ((flags & kFlagTrace) != 0) config.trace_path = "/dev/null";
    // Fixed answers: nothing of the fuzzing process's environment leaks in.
    config.answers = "yes,no,cancel";
    config.file_answers = "|picture.lmd";
    config.query_answers = "42||seven";
    std::span<const std::uint8_t> options = input.bytes(input.u8() % kMaxOptions);
    config.options.assign(options.begin(), options.end());
    return config;
}

}  // namespace

ClientSession::ClientSession(FuzzInput& input, std::string data_file_path)
    : input_(input), data_file_path_(std::move(data_file_path)) {
    core_ = std::make_unique<Core>(host_, session_config(input_));
    core_->publish();
}

ClientSession::~ClientSession() = default;

void ClientSession::run(const Painter& painter) {
    while (!input_.done()) step(painter);
    paint(painter);
}

void ClientSession::step(const Painter& painter) {
    switch (static_cast<Op>(input_.u8() % kOpCount)) {
        case Op::kSend:
            send(1, input_.bytes(input_.u8()));
            break;
        case Op::kSlot:
            slot();
            break;
        case Op::kPoke:
            poke();
            break;
        case Op::kText:
            text();
            break;
        case Op::kWords:
            words();
            break;
        case Op::kTagged: {
            std::uint32_t tag = input_.u32();
            send(tag, input_.bytes(input_.u8()));
            break;
        }
        case Op::kGone:
            core_->client_gone();
            pictures_.after_command(*core_);
            break;
        case Op::kPaint:
            paint(painter);
            break;
        case Op::kFile: {
            std::span<const std::uint8_t> bytes = input_.bytes(input_.u16() % kMaxDataFile);
            data_file_.assign(bytes.begin(), bytes.end());
            break;
        }
        case Op::kResize: {
            int w = input_.u8() % kWindowSlots;
            std::int32_t width = input_.i32();
            core_->resize_window(w, width, input_.i32());
            pictures_.after_command(*core_);
            break;
        }
        case Op::kClose:
            core_->window_closed_by_user(input_.u8() % kWindowSlots);
            break;
        case Op::kImage:
            image();
            break;
        case Op::kPosted:
            posted();
            break;
    }
}

// The data is copied so that a command that reads past its length trips the sanitizer.
void ClientSession::send(std::uint32_t tag, std::span<const std::uint8_t> bytes) {
    redirect_data_file(bytes);
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    core_->handle(tag, data.empty() ? nullptr : data.data(), data.size());
    pictures_.after_command(*core_);
}

void ClientSession::slot() {
    auto letter = static_cast<char>(input_.u8());
    int w = input_.u8() % kWindowSlots;
    std::int32_t p1 = input_.i32(), p2 = input_.i32();
    slot_command(letter, w, p1, p2, input_.i32());
}

void ClientSession::slot_command(char letter, int w, std::int32_t p1, std::int32_t p2,
                                 std::int32_t p3) {
    if (std::uint8_t* b = block(w); b != nullptr && w != 0) {
        layout::write_i32(b, layout::kParam1, p1);
        layout::write_i32(b, layout::kParam2, p2);
        layout::write_i32(b, layout::kParam3, p3);
    }
    const std::uint8_t command[3] = {static_cast<std::uint8_t>(letter),
                                     static_cast<std::uint8_t>(layout::window_char(w)), 0};
    send(1, command);
}

void ClientSession::posted() {
    const std::uint8_t letter = input_.u8(), window_char = input_.u8();
    const std::int32_t p1 = input_.i32(), p2 = input_.i32();
    core_->handle_posted(letter, window_char, {p1, p2, input_.i32()});
    pictures_.after_command(*core_);
}

void ClientSession::image() {
    int w = input_.u8() % kWindowSlots;
    std::int32_t format = input_.u8() % 4, smooth = input_.u8() % 3;
    std::int32_t width = input_.u8(), height = input_.u8();
    std::int32_t corners[4] = {input_.i32(), input_.i32(), input_.i32(), input_.i32()};
    std::int32_t colours = input_.u8();
    if (std::uint8_t* b = block(w); b != nullptr && w != 0) {
        const std::int32_t header[8] = {format,     smooth,     corners[0], corners[1],
                                        corners[2], corners[3], colours,    0};
        for (std::size_t i = 0; i < 8; ++i) layout::write_i32(b, layout::kText + 4 * i, header[i]);
        for (std::int32_t k = 0; k < colours; ++k)
            layout::write_i32(b, layout::kText + 32 + 4 * static_cast<std::size_t>(k),
                              0x02000000 | k * 0x010101);
    }
    slot_command('B', w, 60, width, height);
    std::size_t size = static_cast<std::size_t>(width) * height * (format == 1 ? 3 : 1);
    std::span<const std::uint8_t> pixels = input_.bytes(size);
    for (std::size_t offset = 0; offset < pixels.size(); offset += layout::kTextSize) {
        std::size_t n = std::min(layout::kTextSize, pixels.size() - offset);
        if (std::uint8_t* b = block(w); b != nullptr && w != 0)
            std::memcpy(b + layout::kText, pixels.data() + offset, n);
        slot_command('B', w, 61, static_cast<std::int32_t>(offset), static_cast<std::int32_t>(n));
    }
    slot_command('B', w, 62, 0, 0);
}

void ClientSession::poke() {
    int w = input_.u8() % kWindowSlots;
    std::size_t offset = input_.u16();
    std::span<const std::uint8_t> bytes = input_.bytes(input_.u8());
    std::size_t size = 0;
    std::uint8_t* b = block(w, &size);
    if (b == nullptr || offset >= size) return;
    std::size_t count = std::min(bytes.size(), size - offset);
    std::memcpy(b + offset, bytes.data(), count);
}

void ClientSession::text() {
    int w = input_.u8() % kWindowSlots;
    std::span<const std::uint8_t> bytes = input_.bytes(input_.u16() % (layout::kTextSize + 1));
    std::uint8_t* b = block(w);
    if (b == nullptr || w == 0) return;
    std::memcpy(b + layout::kText, bytes.data(), bytes.size());
    if (bytes.size() < layout::kTextSize) b[layout::kText + bytes.size()] = 0;
}

void ClientSession::words() {
    int w = input_.u8() % kWindowSlots;
    std::size_t first = input_.u8() % (layout::kHeaderSize / 4);
    std::size_t count = input_.u8() % 16;
    std::uint8_t* b = block(w);
    for (std::size_t i = first; i < first + count; ++i) {
        std::int32_t value = input_.i32();
        if (b != nullptr && w != 0 && i < layout::kHeaderSize / 4)
            layout::write_i32(b, 4 * i, value);
    }
}

void ClientSession::paint(const Painter& painter) {
    for (const auto& [n, picture] : pictures_.open()) painter(picture);
    for (const auto& [n, picture] : pictures_.take_closed()) painter(picture);
}

void ClientSession::redirect_data_file(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != 3 || bytes[0] != 'B' || bytes[2] != 0) return;
    int w = bytes[1] - 32;
    std::uint8_t* b = w >= 1 ? block(w) : nullptr;
    if (b == nullptr) return;
    if (layout::read_i32(b, layout::kParam1) != kDataFileCode) return;
    std::ofstream(data_file_path_, std::ios::binary | std::ios::trunc)
        .write(data_file_.data(), static_cast<std::streamsize>(data_file_.size()));
    std::size_t length = std::min(data_file_path_.size(), layout::kTextSize - 1);
    std::memcpy(b + layout::kText, data_file_path_.data(), length);
    b[layout::kText + length] = 0;
}

std::uint8_t* ClientSession::block(int w, std::size_t* size) {
    std::string name = std::string(layout::kBlockPrefix) + std::to_string(core_->process_number());
    if (w != 0) name += ":" + std::to_string(w);
    return host_.find(name, size);
}

}  // namespace luwnd::fuzz
