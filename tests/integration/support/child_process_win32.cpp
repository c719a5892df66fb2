#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

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

// The process blocks of this session's namespace, "<ns>.LuWnd1" to "<ns>.LuWnd16", that
// exist now: bit k - 1 for block k.
unsigned published_blocks() {
    const char* ns = std::getenv("LUMORA_NAMESPACE");
    const std::string prefix = ns != nullptr && *ns != '\0' ? std::string(ns) + "." : "";
    unsigned found = 0;
    for (int k = 1; k <= 16; ++k) {
        HANDLE mapping =
            OpenFileMappingA(FILE_MAP_READ, FALSE, (prefix + "LuWnd" + std::to_string(k)).c_str());
        if (mapping == nullptr) continue;
        found |= 1u << (k - 1);
        CloseHandle(mapping);
    }
    return found;
}

// Wine signals input idle as soon as the new process first waits on anything, which may
// be before it has published its block; so the block itself is waited for as well.
bool wait_until_published(HANDLE process, unsigned before, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    if (WaitForInputIdle(process, timeout_ms) != 0) return false;
    while ((published_blocks() & ~before) == 0) {
        if (WaitForSingleObject(process, 5) == WAIT_OBJECT_0) return false;  // it ended
        if (GetTickCount() - start > timeout_ms) return false;
    }
    return true;
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
    const unsigned blocks_before = options.wait_until_ready ? published_blocks() : 0;
    std::string line = quoted_command_line(options.argv);
    const std::string program = native_path(options.argv.at(0));
    impl_->started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                    nullptr, nullptr, &startup, &impl_->info) != 0;
    for (HANDLE h : {out, err, in}) {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    if (!impl_->started) return false;
    if (options.wait_until_ready) {
        return wait_until_published(impl_->info.hProcess, blocks_before, 20000);
    }
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

unsigned long this_process_id() {
    return GetCurrentProcessId();
}

std::string temp_path(const std::string& stem) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + stem + "-" + std::to_string(GetCurrentProcessId());
}

// File mappings end with the last process that has them open.
std::vector<std::string> block_objects_of(const std::string&) {
    return {};
}

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
