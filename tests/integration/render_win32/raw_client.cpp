#include "raw_client.h"

#include <cstdio>

#include "client/channel/block_layout.h"

namespace lumora::test {
namespace {

namespace layout = lumora::layout;

// The process publishes its blocks a moment after it starts.
char* map_block(const std::string& name) {
    for (int i = 0; i < 200; ++i) {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
        if (mapping != nullptr) {
            void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
            CloseHandle(mapping);
            return static_cast<char*>(view);
        }
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

RawClient::~RawClient() {
    if (block_ != nullptr) UnmapViewOfFile(block_);
    if (header_ != nullptr) UnmapViewOfFile(header_);
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 2);
    CloseHandle(process_.hProcess);
}

bool RawClient::start(const std::string& program, const std::string& options, const std::string& ns,
                      const std::string& output) {
    ns_ = ns;
    SetEnvironmentVariableA("LUMORA_NAMESPACE", ns.c_str());
    SetEnvironmentVariableA("LUMORA_OUTPUT", output.c_str());
    std::string command = "\"" + program + "\" " + options;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        return false;
    CloseHandle(process_.hThread);
    WaitForInputIdle(process_.hProcess, 60000);
    header_ = map_block(ns_ + ".LuWnd1");
    if (header_ == nullptr) return false;
    int state = -1, handle = 0, id = 0;
    if (std::sscanf(header_, "%d,%d,%d", &state, &handle, &id) != 3) return false;
    command_window_ = reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
    return text("K," + std::to_string(id) + ",C:\\;prog;banner") == id;
}

int RawClient::open_window(const std::string& title) {
    if (block_ != nullptr) UnmapViewOfFile(block_);
    block_ = nullptr;
    window_ = text("I,0,0,0,-1,-1,-1," + title);
    if (window_ <= 0 || window_ > layout::kMaxWindows) return 0;
    block_ = reinterpret_cast<std::uint8_t*>(map_block(ns_ + ".LuWnd1:" + std::to_string(window_)));
    return block_ == nullptr ? 0 : window_;
}

std::int32_t RawClient::send(const std::vector<std::uint8_t>& bytes) {
    COPYDATASTRUCT record{};
    record.dwData = 1;
    record.cbData = static_cast<DWORD>(bytes.size());
    record.lpData = const_cast<std::uint8_t*>(bytes.data());
    return static_cast<std::int32_t>(
        SendMessageA(command_window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)));
}

std::int32_t RawClient::text(const std::string& command) {
    std::vector<std::uint8_t> bytes(command.begin(), command.end());
    bytes.push_back(0);
    return send(bytes);
}

std::int32_t RawClient::slot(char letter, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    words(layout::kParam1, {p1, p2, p3});
    return send({static_cast<std::uint8_t>(letter), static_cast<std::uint8_t>(window_ + 32), 0});
}

void RawClient::words(std::size_t offset, const std::vector<std::int32_t>& values) {
    if (block_ == nullptr) return;
    for (std::size_t i = 0; i < values.size(); ++i)
        layout::write_i32(block_, offset + 4 * i, values[i]);
}

std::int32_t RawClient::word(std::size_t offset) const {
    return block_ == nullptr ? 0 : layout::read_i32(block_, offset);
}

long RawClient::wait_for_exit(DWORD timeout_ms) {
    if (process_.hProcess == nullptr ||
        WaitForSingleObject(process_.hProcess, timeout_ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

}  // namespace lumora::test
