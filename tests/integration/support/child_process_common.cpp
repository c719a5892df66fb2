// What the integration tests do the same way on every platform.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "child_process.h"

namespace lumora::test {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string read_text_file(const std::string& path) {
    std::string text = read_file(path);
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
    }
    return lines;
}

int pictures_in(const std::string& directory) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        if (entry.path().extension() == ".png") ++count;
    return count;
}

}  // namespace lumora::test
