// Starting and watching the programs an integration test runs: the window process and
// test clients, as real processes.
#pragma once

#include <string>
#include <vector>

namespace lumora::test {

struct ChildOptions {
    std::vector<std::string> argv;  // argv[0] is the program's path
    std::string stdin_file;         // empty: an empty input
    std::string stdout_file;        // empty: inherited
    std::string stderr_file;        // empty: inherited
    bool wait_until_ready = false;  // the window process: wait until it takes commands
};

class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the program; false when it could not be started (or never became ready).
    bool start(const ChildOptions& options);
    // Waits for the end; the exit status, or -1 when it is still running after timeout_ms.
    int wait(int timeout_ms);
    // Ends it at once (it gets no chance to clean up).
    void kill();
    bool running();

  private:
    struct Impl;
    Impl* impl_ = nullptr;
};

// Sets or removes (value nullptr) a variable of this process's environment, which the
// children inherit.
void set_environment(const char* name, const char* value);

// This test process's id, for names of its own.
unsigned long this_process_id();

// A file name unique to this test run, in the temporary directory.
std::string temp_path(const std::string& stem);

// The whole content of a file ("" when it is missing).
std::string read_file(const std::string& path);
// The content of a text file a program wrote, with its line ends as "\n" on every platform.
std::string read_text_file(const std::string& path);

// How many PNG pictures the directory holds.
int pictures_in(const std::string& directory);

// The files of the shared blocks of this namespace that exist now (POSIX; empty
// elsewhere).
std::vector<std::string> block_objects_of(const std::string& name_space);

// Removes the shared blocks a killed window process of this namespace left behind (a
// process that ends normally removes its own).
void remove_leftover_blocks(const std::string& name_space);

// The program's path in the form the platform's process creation wants.
std::string native_path(const std::string& path);

}  // namespace lumora::test
