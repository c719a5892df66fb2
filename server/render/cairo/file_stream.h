// Picture bytes into an open C file, keeping the system's reason for the first write that
// failed, so that a full disk is reported as such rather than as a bare write error.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

namespace luwnd::render {

class FileStream {
  public:
    explicit FileStream(std::FILE* file) : file_(file) {}

    // False once a write has failed; nothing more is written then.
    bool put(const void* data, std::size_t size);
    // Hands what the C library still holds to the system.
    bool flush();
    // For Cairo's stream surfaces, with the FileStream as the closure.
    static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length);
    // Why the writing failed: the system's reason for a failed write, else Cairo's status.
    std::string reason(cairo_status_t status) const;

  private:
    bool failed(bool ok);

    std::FILE* file_;
    int failure_ = 0;  // errno of the first failed write
};

// Runs write on a file made or replaced at path and closes it: for tools and tests, which
// write where they like. False, with the reason, when anything failed.
bool write_to_path(const std::string& path,
                   const std::function<bool(std::FILE* file, std::string& error)>& write,
                   std::string& error);

}  // namespace luwnd::render
