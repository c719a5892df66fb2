#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "child_process.h"

namespace lumora::test {

struct ChildProcess::Impl {
    PROCESS_INFORMATION info{};
    bool started = false;
};

namespace {

HANDLE open_for_child(const std::string& file) {
    if (file.empty()) return INVALID_HANDLE_VALUE;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string quoted_command_line(const std::vector<std::string>& argv) {
    std::string line;
    for (const auto& a : argv) {
        if (!line.empty()) line += ' ';
        line += a.find(' ') == std::string::npos ? a : "\"" + a + "\"";
    }
    return line;
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (impl_ != nullptr && running()) kill();
    if (impl_ != nullptr && impl_->started) {
        CloseHandle(impl_->info.hProcess);
        CloseHandle(impl_->info.hThread);
    }
    delete impl_;
}

bool ChildProcess::start(const ChildOptions& options) {
    delete impl_;
    impl_ = new Impl;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    HANDLE out = open_for_child(options.stdout_file);
    HANDLE err = open_for_child(options.stderr_file);
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const std::string input = options.stdin_file.empty() ? "NUL" : options.stdin_file;
    HANDLE in = CreateFileA(input.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING,
                            0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out != INVALID_HANDLE_VALUE ? out : GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = err != INVALID_HANDLE_VALUE ? err : GetStdHandle(STD_ERROR_HANDLE);
    std::string line = quoted_command_line(options.argv);
    const std::string program = native_path(options.argv.at(0));
    impl_->started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                    nullptr, nullptr, &startup, &impl_->info) != 0;
    for (HANDLE h : {out, err, in}) {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    if (!impl_->started) return false;
    if (options.wait_until_ready) return WaitForInputIdle(impl_->info.hProcess, 20000) == 0;
    return true;
}

int ChildProcess::wait(int timeout_ms) {
    if (impl_ == nullptr || !impl_->started) return -1;
    if (WaitForSingleObject(impl_->info.hProcess, static_cast<DWORD>(timeout_ms)) !=
        WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(impl_->info.hProcess, &code);
    return static_cast<int>(code);
}

void ChildProcess::kill() {
    if (impl_ == nullptr || !impl_->started) return;
    TerminateProcess(impl_->info.hProcess, 137);
    wait(5000);
}

bool ChildProcess::running() {
    return impl_ != nullptr && impl_->started && wait(0) == -1;
}

void set_environment(const char* name, const char* value) {
    SetEnvironmentVariableA(name, value);
    if (value == nullptr) {
        _putenv_s(name, "");
    } else {
        _putenv_s(name, value);
    }
}

std::string temp_path(const std::string& stem) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + stem + "-" + std::to_string(GetCurrentProcessId());
}

// File mappings end with the last process that has them open.
void remove_leftover_blocks(const std::string&) {}

// Build paths are Unix paths; Wine shows the Unix root as drive Z:.
std::string native_path(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

}  // namespace lumora::test
