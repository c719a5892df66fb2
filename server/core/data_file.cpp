#include "data_file.h"

#include <string>
#include <string_view>

namespace luwnd {
namespace {

constexpr std::string_view kSignature = "LMD 1";

std::string_view without_line_end(std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

// The next blank-separated word; advances past it.
std::string_view next_word(std::string_view& text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    std::size_t end = text.find_first_of(" \t");
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    return word;
}

bool read_number(std::string_view& text, std::int32_t& value) {
    std::string_view word = next_word(text);
    bool negative = !word.empty() && word.front() == '-';
    if (negative) word.remove_prefix(1);
    if (word.empty() || word.size() > 7) return false;
    std::int32_t magnitude = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
    }
    if (magnitude > kMaxDataCoordinate) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

bool read_points(std::string_view& text, DrawItem& item, int count) {
    for (int i = 0; i < 2 * count; ++i) {
        if (!read_number(text, item.coords[static_cast<std::size_t>(i)])) return false;
    }
    item.point_count = count;
    return true;
}

// One item line; false when it is not understood.
bool read_item(std::string_view text, DrawItem& item) {
    std::string_view kind = next_word(text);
    if (kind == "line" || kind == "box") {
        item.kind = kind == "line" ? ItemKind::kLine : ItemKind::kBox21;
        return read_points(text, item, 2) && next_word(text).empty();
    }
    if (kind == "text") {
        item.kind = ItemKind::kText;
        if (!read_points(text, item, 1)) return false;
        if (!text.empty()) text.remove_prefix(1);  // the one blank before the text
        item.text = std::string(text);
        return true;
    }
    return false;
}

// One line without its line end into `line`; false at the end of the file. Of a longer
// line only kMaxDataLine + 1 characters are kept, so that it is skipped like any line not
// understood, and `left` bounds the bytes read in all: a file without line ends (or an
// endless one) cannot make the reader grow or run without end.
bool next_line(std::streambuf& in, std::string& line, std::uint64_t& left) {
    line.clear();
    bool any = false;
    while (left > 0) {
        const int c = in.sbumpc();
        if (c == std::char_traits<char>::eof()) break;
        --left;
        any = true;
        if (c == '\n') return true;
        if (line.size() <= kMaxDataLine) line.push_back(static_cast<char>(c));
    }
    return any;
}

bool is_blank_or_comment(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos || text[first] == '#';
}

}  // namespace

std::optional<DataFile> read_data_file(std::istream& in, std::size_t max_items) {
    std::string line;
    std::streambuf* source = in.rdbuf();
    std::uint64_t signature_left = kMaxDataLine + 2;  // anything longer is not the signature
    if (source == nullptr || !next_line(*source, line, signature_left) ||
        without_line_end(line) != kSignature)
        return std::nullopt;
    std::uint64_t left = kMaxDataFileBytes;
    DataFile file;
    while (file.items.size() < max_items && next_line(*source, line, left)) {
        std::string_view text = without_line_end(line);
        if (is_blank_or_comment(text)) continue;
        DrawItem item;
        if (text.size() <= kMaxDataLine && read_item(text, item)) {
            file.items.push_back(std::move(item));
        } else if (file.skipped < INT32_MAX) {
            ++file.skipped;
        }
    }
    return file;
}

}  // namespace luwnd
