#include "process_facts.h"

#include <langinfo.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <clocale>
#include <fstream>
#include <iterator>
#include <vector>

namespace lumora::platform::posix {

std::string program_path(int& error) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            error = errno;
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);  // it may have been cut: try a larger buffer
    }
}

// /proc/self/cmdline holds the arguments, each ending with a NUL.
std::string joined_command_line() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    for (char& c : text) {
        if (c == '\0') c = ' ';
    }
    return text;
}

std::string working_directory(int& error) {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            error = errno;
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

bool is_shift_jis_codeset(const char* codeset) {
    if (codeset == nullptr) return false;
    std::string name;
    for (const char* c = codeset; *c != '\0'; ++c) {
        if (*c == '-' || *c == '_') continue;
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    }
    return name == "SHIFTJIS" || name == "SJIS" || name == "CP932" || name == "WINDOWS31J" ||
           name == "MSKANJI";
}

// setlocale changes the whole program's locale, so the previous one is put back at once.
int locale_code_page() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    bool shift_jis = false;
    if (std::setlocale(LC_CTYPE, "") != nullptr)
        shift_jis = is_shift_jis_codeset(nl_langinfo(CODESET));
    std::setlocale(LC_CTYPE, previous.c_str());
    return shift_jis ? 932 : 1252;
}

}  // namespace lumora::platform::posix
