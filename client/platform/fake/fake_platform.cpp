#include "fake_platform.h"

#include <cstring>
#include <string>
#include <utility>

#include "client/platform/text_copies.h"

namespace lumora::platform {

namespace {

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

// A scripted result is an answer; otherwise a window process that is gone by now (a test
// may end it from on_deliver) or is not the core gives none.
Reply FakePlatform::deliver_message(WindowHandle handle, std::uint32_t tag, const void* data,
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
    delivery.answered = true;
    if (!results.empty()) {
        delivery.result = results.front();
        results.pop_front();
    } else if (core_ != nullptr && handle == server_handle_ && dead.count(handle) == 0) {
        delivery.result = core_->handle(tag, delivery.bytes.data(), delivery.bytes.size());
    } else {
        delivery.answered = false;
    }
    deliveries.push_back(std::move(delivery));
    return {deliveries.back().result, deliveries.back().answered};
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

std::uint32_t FakePlatform::get_environment(const char* name, char* buffer, std::uint32_t size) {
    const auto found = name != nullptr ? environment.find(name) : environment.end();
    if (found == environment.end()) {
        error = 203;  // ERROR_ENVVAR_NOT_FOUND
        return 0;
    }
    return copy_when_it_fits(found->second.c_str(), buffer, size);
}

bool FakePlatform::is_program_file(const char* path) {
    probed_paths.emplace_back(path != nullptr ? path : "");
    return existing_paths.count(probed_paths.back()) != 0;
}

std::uint32_t FakePlatform::module_file_name(char* buffer, std::uint32_t size) {
    return copy_cut_to_fit(module_file.c_str(), buffer, size);
}

std::uint32_t FakePlatform::installed_program_directory(char* buffer, std::uint32_t size) {
    if (library_programs.empty()) return 0;
    return copy_when_it_fits(library_programs.c_str(), buffer, size);
}

std::uint32_t FakePlatform::current_directory(char* buffer, std::uint32_t size) {
    return copy_when_it_fits(directory.c_str(), buffer, size);
}

FakePlatform::OpenFile* FakePlatform::file_at(FileHandle file) {
    if (file < 0 || static_cast<std::size_t>(file) >= open_.size()) return nullptr;
    OpenFile& entry = open_[static_cast<std::size_t>(file)];
    return entry.open ? &entry : nullptr;
}

FileHandle FakePlatform::open_file(const char* path) {
    const auto found = path != nullptr ? files.find(path) : files.end();
    if (found == files.end()) {
        error = 2;  // ERROR_FILE_NOT_FOUND
        return kNoFile;
    }
    open_.push_back({found->second, 0, true});
    ++open_files;
    return static_cast<FileHandle>(open_.size() - 1);
}

bool FakePlatform::seek_file(FileHandle file, std::int32_t offset) {
    OpenFile* entry = file_at(file);
    if (entry == nullptr || fail_seek || offset < 0) {
        error = 131;  // ERROR_NEGATIVE_SEEK
        return false;
    }
    entry->position = static_cast<std::size_t>(offset);
    return true;
}

bool FakePlatform::read_file(FileHandle file, void* buffer, std::uint32_t count,
                             std::uint32_t& bytes_read) {
    bytes_read = 0;
    OpenFile* entry = file_at(file);
    if (entry == nullptr || fail_read) {
        error = 30;  // ERROR_READ_FAULT
        return false;
    }
    const std::size_t size = entry->content.size();
    const std::size_t left = entry->position < size ? size - entry->position : 0;
    bytes_read = static_cast<std::uint32_t>(left < count ? left : count);
    if (bytes_read > 0) std::memcpy(buffer, entry->content.data() + entry->position, bytes_read);
    entry->position += bytes_read;
    return true;
}

void FakePlatform::close_file(FileHandle file) {
    if (OpenFile* entry = file_at(file)) {
        entry->open = false;
        --open_files;
    }
}

int FakePlatform::launch_window_process(const char* options, ProgramLocator locate) {
    const char* program = locate != nullptr ? locate() : nullptr;
    launches.push_back({program != nullptr ? program : "", options != nullptr ? options : ""});
    if (on_launch) on_launch(launches.back());
    return 0;
}

bool FakePlatform::screen_size(int& width, int& height) {
    if (!has_screen) return false;
    width = screen_width;
    height = screen_height;
    return true;
}

std::uint32_t FakePlatform::system_colour(int index) {
    const auto found = system_colours.find(index);
    return found != system_colours.end() ? found->second : 0;
}

void FakePlatform::exit_program(int status) {
    throw FakeExit{status};
}

}  // namespace lumora::platform
