// A private session for backend tests: its own LUMORA_NAMESPACE and runtime directory,
// so tests never meet a real window process or each other.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "client/platform/posix/runtime_names.h"

namespace lumora::platform {

class PosixTestSession {
  public:
    PosixTestSession()
        : saved_namespace_(saved("LUMORA_NAMESPACE")), saved_runtime_(saved("XDG_RUNTIME_DIR")) {
        namespace_ = "platformtest" + std::to_string(getpid());
        char pattern[] = "/tmp/lumora-platform-test-XXXXXX";
        runtime_ = mkdtemp(pattern);
        setenv("LUMORA_NAMESPACE", namespace_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    ~PosixTestSession() {
        restore("LUMORA_NAMESPACE", saved_namespace_);
        restore("XDG_RUNTIME_DIR", saved_runtime_);
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
    }
    PosixTestSession(const PosixTestSession&) = delete;
    PosixTestSession& operator=(const PosixTestSession&) = delete;

    // The file the window process would make for a block; makes the runtime directory
    // as the window process would.
    std::string block_file(const std::string& block) const {
        return posix::block_path(make_socket_directory(0700), block);
    }
    // The runtime directory of the session, made with the given mode.
    std::string make_socket_directory(mode_t mode) const {
        const std::string directory = runtime_directory();
        mkdir(directory.c_str(), 0700);
        chmod(directory.c_str(), mode);
        return directory;
    }
    std::string runtime_directory() const { return runtime_ + "/lumora-" + namespace_; }
    const std::string& name_space() const { return namespace_; }

  private:
    struct Saved {
        bool set;
        std::string value;
    };
    static Saved saved(const char* name) {
        const char* value = std::getenv(name);
        return {value != nullptr, value != nullptr ? value : ""};
    }
    static void restore(const char* name, const Saved& old) {
        if (old.set) {
            setenv(name, old.value.c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    Saved saved_namespace_;
    Saved saved_runtime_;
    std::string namespace_;
    std::string runtime_;
};

}  // namespace lumora::platform
