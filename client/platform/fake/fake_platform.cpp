#include "fake_platform.h"

#include <string>
#include <utility>

namespace lumora::platform {

namespace {

constexpr std::int32_t kNoAnswer = INT32_MIN;
constexpr std::size_t kParam1Offset = 224;

std::int32_t read_int(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

}  // namespace

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

int FakePlatform::start_server(luwnd::CoreConfig config) {
    if (config.window_handle == 0) config.window_handle = kServerHandle;
    server_handle_ = static_cast<WindowHandle>(config.window_handle);
    core_ = std::make_unique<luwnd::Core>(host_, std::move(config));
    return core_->publish();
}

MappedView FakePlatform::open_block(const char* name) {
    opened.emplace_back(name != nullptr ? name : "");
    std::size_t size = 0;
    std::uint8_t* data = name != nullptr ? host_.find(name, &size) : nullptr;
    if (data == nullptr) {
        error = 2;  // the Windows "file not found" number
        return {};
    }
    return {data, size};
}

bool FakePlatform::unmap_block(const MappedView&) {
    if (fail_unmap) return false;
    ++unmapped;
    return true;
}

bool FakePlatform::is_window_alive(WindowHandle handle) {
    if (dead.count(handle) != 0) return false;
    return alive.count(handle) != 0 || (core_ != nullptr && handle == server_handle_);
}

// The slots of the window block that the command's second byte names, as the client
// left them for the command.
void FakePlatform::snapshot_params(Delivery& delivery) {
    if (core_ == nullptr || delivery.bytes.size() < 2) return;
    const int window = delivery.bytes[1] - 32;
    if (window < 1 || window > 63) return;
    const std::string name =
        "LuWnd" + std::to_string(core_->process_number()) + ":" + std::to_string(window);
    std::size_t size = 0;
    const std::uint8_t* block = host_.find(name, &size);
    if (block == nullptr || size < kParam1Offset + 12) return;
    delivery.has_params = true;
    delivery.param1 = read_int(block + kParam1Offset);
    delivery.param2 = read_int(block + kParam1Offset + 4);
    delivery.param3 = read_int(block + kParam1Offset + 8);
}

std::int32_t FakePlatform::deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
                                           std::uint32_t length) {
    Delivery delivery;
    delivery.handle = handle;
    delivery.tag = tag;
    delivery.length = length;
    if (data != nullptr) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        delivery.bytes.assign(bytes, bytes + length);
    }
    snapshot_params(delivery);
    if (on_deliver) on_deliver(delivery);
    if (!results.empty()) {
        delivery.result = results.front();
        results.pop_front();
    } else if (core_ != nullptr && handle == server_handle_) {
        delivery.result = core_->handle(tag, delivery.bytes.data(), delivery.bytes.size());
    } else {
        delivery.result = kNoAnswer;
    }
    deliveries.push_back(std::move(delivery));
    return deliveries.back().result;
}

int FakePlatform::message_box(const char* text, std::uint32_t style) {
    boxes.push_back({text != nullptr ? text : "", style});
    if (box_answers.empty()) return 0;
    const int answer = box_answers.front();
    box_answers.pop_front();
    return answer;
}

void FakePlatform::write_error_line(const char* text) {
    error_lines.emplace_back(text != nullptr ? text : "");
}

void FakePlatform::write_output(const char* text) {
    if (text != nullptr) output += text;
}

int FakePlatform::read_input_char() {
    if (input_read_ >= input.size()) return -1;
    return static_cast<unsigned char>(input[input_read_++]);
}

int FakePlatform::read_key(bool echo) {
    if (keys.empty()) return -1;
    const int key = keys.front();
    keys.pop_front();
    if (echo) output += static_cast<char>(key);
    return key;
}

void FakePlatform::exit_program(int status) {
    throw FakeExit{status};
}

}  // namespace lumora::platform
