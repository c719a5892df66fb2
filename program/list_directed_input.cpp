#include "list_directed_input.h"

#include <string_view>

#include "fortran_number.h"

namespace lumora::fourier {
namespace {

bool is_blank(int c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool ends_value(int c) {
    return is_blank(c) || c == '\n' || c == ',' || c == '/' || c == kEndOfInput;
}

// Discards the rest of the current line; `last` is the character that ended the value.
void skip_rest_of_line(CharSource& in, int last) {
    while (last != '\n' && last != kEndOfInput) last = in.get();
}

// Skips blanks and line ends; returns the first other character or kEndOfInput.
int skip_to_value(CharSource& in) {
    int c = in.get();
    while (is_blank(c) || c == '\n') c = in.get();
    return c;
}

// Reads the characters of the next value into result.text, or sets the status when there
// is none; leaves the input at the start of the next line.
ReadResult read_value_text(CharSource& in) {
    ReadResult result;
    int c = skip_to_value(in);
    if (c == kEndOfInput) return {ReadStatus::end_of_input, {}};
    while (!ends_value(c)) {
        result.text.push_back(static_cast<char>(c));
        c = in.get();
    }
    skip_rest_of_line(in, c);
    if (result.text.empty()) result.status = ReadStatus::null_value;  // "," or "/"
    return result;
}

// Splits off a repeat count "r*"; the value itself follows the asterisk.
void take_repeat_count(ReadResult& result) {
    const auto star = result.text.find('*');
    if (result.status != ReadStatus::ok || star == std::string::npos) return;
    std::int32_t count = 0;
    if (parse_integer(std::string_view(result.text).substr(0, star), count) != NumberStatus::ok ||
        count <= 0 || result.text[0] == '+' || result.text[0] == '-') {
        result.status = ReadStatus::bad_value;
        return;
    }
    result.text.erase(0, star + 1);
    if (result.text.empty()) result.status = ReadStatus::null_value;
}

ReadStatus status_of(NumberStatus status) {
    switch (status) {
        case NumberStatus::ok:
            return ReadStatus::ok;
        case NumberStatus::out_of_range:
            return ReadStatus::out_of_range;
        case NumberStatus::malformed:
            break;
    }
    return ReadStatus::bad_value;
}

}  // namespace

ReadResult read_integer(CharSource& in, std::int32_t& item) {
    ReadResult result = read_value_text(in);
    take_repeat_count(result);
    if (result.status != ReadStatus::ok) return result;
    std::int32_t value = 0;
    result.status = status_of(parse_integer(result.text, value));
    if (result.status == ReadStatus::ok) item = value;
    return result;
}

ReadResult read_real(CharSource& in, double& item) {
    ReadResult result = read_value_text(in);
    take_repeat_count(result);
    if (result.status != ReadStatus::ok) return result;
    double value = 0.0;
    result.status = status_of(parse_real(result.text, value));
    if (result.status == ReadStatus::ok) item = value;
    return result;
}

}  // namespace lumora::fourier
