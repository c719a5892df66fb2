#include "trace.h"

namespace luwnd {

void TraceLine::start(std::string_view key) {
    if (!text_.empty()) text_ += ' ';
    text_ += key;
    text_ += '=';
}

void TraceLine::append_number(std::string_view key, std::int64_t value) {
    start(key);
    text_ += std::to_string(value);
}

void TraceLine::append_word(std::string_view key, std::string_view value) {
    start(key);
    text_ += value;
}

void TraceLine::append_text(std::string_view key, std::string_view text) {
    start(key);
    append_quoted(text_, text);
}

void TraceLine::append_rgb(std::string_view key, std::uint32_t rgb) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    start(key);
    text_ += '#';
    for (int shift = 20; shift >= 0; shift -= 4) text_ += kHex[rgb >> shift & 0xF];
}

void append_quoted(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '"';
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

TraceFile::TraceFile(const std::string& path) {
    if (!path.empty()) file_ = std::fopen(path.c_str(), "a");
}

TraceFile::~TraceFile() {
    if (file_ != nullptr) std::fclose(file_);
}

void TraceFile::write(const TraceLine& line) {
    if (file_ == nullptr) return;
    std::fputs(line.text().c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace luwnd
