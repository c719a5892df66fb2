#include "picture_new_file.h"

#include <algorithm>

#include "file_checks.h"

namespace luwnd::win32 {
namespace {

// Temporary names tried beside a file the program names before giving up.
constexpr int kTemporaryNames = 100;
// Bytes handed to one WriteFile call.
constexpr std::size_t kWriteSize = 1 << 20;

HANDLE make_file(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// The system's words for an error code, without the line end it puts after them.
std::string system_reason(DWORD code) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == '.' || reason.back() == ' '))
        reason.pop_back();
    return reason.empty() ? "system error " + std::to_string(code) : reason;
}

// Writes the content into the file just made at path and closes it. What a failed write
// leaves there (a full disk: a picture cut short) is no picture: it is removed.
bool fill(HANDLE file, const std::string& path, const FileContent& content, std::string& reason) {
    bool written = content(file, reason);
    if (!CloseHandle(file) && written) {
        reason = system_reason(GetLastError());
        written = false;
    }
    if (!written) DeleteFileA(path.c_str());
    return written;
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// A name in the folder of path for its file while it is written.
std::string temporary_name(const std::string& path, int k) {
    const std::size_t separator = path.find_last_of("/\\:");
    const std::size_t name = separator == std::string::npos ? 0 : separator + 1;
    return path.substr(0, name) + "~" + path.substr(name) + "." +
           std::to_string(GetCurrentProcessId()) + "-" + std::to_string(k) + ".part";
}

bool is_link(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

FileContent bytes_content(const std::vector<std::uint8_t>& bytes) {
    return [&bytes](HANDLE file, std::string& error) {
        for (std::size_t at = 0; at < bytes.size();) {
            const auto size = static_cast<DWORD>(std::min(kWriteSize, bytes.size() - at));
            DWORD written = 0;
            if (!WriteFile(file, bytes.data() + at, size, &written, nullptr) || written == 0) {
                error = system_reason(GetLastError());
                return false;
            }
            at += written;
        }
        return true;
    };
}

std::string write_new_file(const NameChoice& choose, const FileContent& content,
                           std::string& error) {
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD failure = 0;
    std::string made;
    const std::string path = choose([&](const std::string& candidate) {
        if (file != INVALID_HANDLE_VALUE) {  // a name passed over after all
            CloseHandle(file);
            DeleteFileA(made.c_str());
        }
        file = make_file(candidate);
        failure = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        made = candidate;
        // A folder of that name refuses to be made too, with another error.
        return file == INVALID_HANDLE_VALUE &&
               (failure == ERROR_FILE_EXISTS || failure == ERROR_ALREADY_EXISTS ||
                path_exists(candidate));
    });
    if (file != INVALID_HANDLE_VALUE && path != made) {
        CloseHandle(file);
        DeleteFileA(made.c_str());
        file = INVALID_HANDLE_VALUE;
    }
    if (path.empty()) {
        error = "no free file name is left";
        return {};
    }
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot make " + quoted(path) + ": " + system_reason(failure);
        return {};
    }
    std::string reason;
    if (fill(file, path, content, reason)) return path;
    error = "cannot write " + quoted(path) + ": " + reason + "; the unfinished file is removed";
    return {};
}

bool replace_file(const std::string& path, const FileContent& content, std::string& error) {
    if (is_link(path)) {
        error = quoted(path) + " is a link: a picture is not written through one";
        return false;
    }
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD failure = 0;
    for (int k = 0; file == INVALID_HANDLE_VALUE && k < kTemporaryNames; ++k) {
        temporary = temporary_name(path, k);
        file = make_file(temporary);
        failure = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (failure != 0 && failure != ERROR_FILE_EXISTS && failure != ERROR_ALREADY_EXISTS) break;
    }
    std::string reason = system_reason(failure);
    if (file != INVALID_HANDLE_VALUE && fill(file, temporary, content, reason)) {
        // Replaces whatever has the name now, a link put there meanwhile included: the
        // name changes, never a file it leads to.
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        reason = system_reason(GetLastError());
        DeleteFileA(temporary.c_str());
    }
    error = "cannot write " + quoted(path) + ": " + reason;
    return false;
}

}  // namespace luwnd::win32
