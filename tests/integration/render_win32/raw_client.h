// A client of the real luwnd.exe that speaks the raw protocol: it starts the process,
// maps its blocks and sends commands as WM_COPYDATA, so that a test controls every byte.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumora::test {

class RawClient {
  public:
    RawClient() = default;
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    // Starts the program with the options, the blocks in the namespace and the pictures
    // in the output directory, and makes the handshake. False on any failure.
    bool start(const std::string& program, const std::string& options, const std::string& ns,
               const std::string& output);
    // Opens a window with the title; its number, 0 on failure. Its block is mapped.
    int open_window(const std::string& title);

    std::int32_t send(const std::vector<std::uint8_t>& bytes);
    // A comma command, sent with its terminating NUL.
    std::int32_t text(const std::string& command);
    // A slot command to the window opened last.
    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0);
    // Words of the window's block from the offset on.
    void words(std::size_t offset, const std::vector<std::int32_t>& values);
    std::int32_t word(std::size_t offset) const;
    // The block of the window opened last (nullptr before any).
    std::uint8_t* block() const { return block_; }
    // The text at the start of the process block ("" before the start).
    std::string header() const { return header_ != nullptr ? std::string(header_) : ""; }

    DWORD process_id() const { return process_.dwProcessId; }
    // Waits for the process to end; its exit code, or -1 when it still runs.
    long wait_for_exit(DWORD timeout_ms);

  private:
    std::string ns_;
    PROCESS_INFORMATION process_{};
    char* header_ = nullptr;
    std::uint8_t* block_ = nullptr;
    HWND command_window_ = nullptr;
    int window_ = 0;
};

}  // namespace lumora::test
