#include "file_stream.h"

#include <cerrno>
#include <cstring>

namespace luwnd::render {

bool FileStream::failed(bool ok) {
    if (!ok && failure_ == 0) failure_ = errno != 0 ? errno : EIO;
    return !ok;
}

bool FileStream::put(const void* data, std::size_t size) {
    if (failure_ != 0) return false;
    errno = 0;
    return !failed(std::fwrite(data, 1, size, file_) == size);
}

bool FileStream::flush() {
    if (failure_ != 0) return false;
    errno = 0;
    return !failed(std::fflush(file_) == 0);
}

cairo_status_t FileStream::write(void* closure, const unsigned char* data, unsigned int length) {
    auto* self = static_cast<FileStream*>(closure);
    return self->put(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

std::string FileStream::reason(cairo_status_t status) const {
    if (failure_ != 0) return std::strerror(failure_);
    return cairo_status_to_string(status);
}

bool write_to_path(const std::string& path,
                   const std::function<bool(std::FILE* file, std::string& error)>& write,
                   std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    bool written = write(file, error);
    if (std::fclose(file) != 0 && written) {
        error = std::strerror(errno);
        written = false;
    }
    return written;
}

}  // namespace luwnd::render
