#include "fortran_format.h"

#include <cctype>
#include <vector>

namespace lumora::plotcore {
namespace {

constexpr int kMostDigits = 40;  // as number_format.h takes widths and precisions

// Reads an unsigned number of at most two digits at f[i]; -1 when there is none, -2 when
// it is too large.
int number_at(std::string_view f, std::size_t& i) {
    int value = -1, count = 0;
    // Past two digits the value no longer matters (and must not overflow).
    for (; i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])) != 0; ++i, ++count)
        if (count < 2) value = (value < 0 ? 0 : value * 10) + (f[i] - '0');
    return count > 2 || value > kMostDigits ? -2 : value;
}

// The items between the parentheses, split at commas outside quotes.
bool split_items(std::string_view body, std::vector<std::string>& items) {
    std::string item;
    char quote = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (quote != 0) {
            item += c;
            // A doubled quote inside a quoted text is one quote character.
            if (c == quote && !(i + 1 < body.size() && body[i + 1] == quote))
                quote = 0;
            else if (c == quote)
                item += body[++i];
        } else if (c == '\'' || c == '"') {
            quote = c;
            item += c;
        } else if (c == ',') {
            items.push_back(item);
            item.clear();
        } else if (c != ' ') {
            item += c;
        }
    }
    items.push_back(item);
    return quote == 0;
}

// A quoted text as printf text: its doubled quotes single, % doubled.
std::string literal(std::string_view quoted) {
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == quoted.front()) ++i;  // the second of a doubled quote
        out += quoted[i] == '%' ? "%%" : std::string(1, quoted[i]);
    }
    return out;
}

// One edit descriptor as a printf conversion; empty when it is none of ours.
std::string conversion(std::string d) {
    for (char& c : d) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string type;
    if (d.rfind("ES", 0) == 0) {
        type = "E";
        d.erase(0, 2);
    } else if (!d.empty() && (d[0] == 'F' || d[0] == 'E' || d[0] == 'G' || d[0] == 'I')) {
        type = d[0] == 'F' ? "f" : d[0] == 'I' ? "d" : std::string(1, d[0]);
        d.erase(0, 1);
    } else {
        return {};
    }
    std::size_t i = 0;
    const int width = number_at(d, i);
    int precision = -1;
    if (i < d.size() && d[i] == '.') {
        ++i;
        precision = number_at(d, i);
        if (precision < 0) return {};
    }
    if (width == -2 || i != d.size() || (type == "d" && precision >= 0) ||
        (type != "d" && precision < 0))
        return {};
    std::string out = "%";
    if (width > 0) out += std::to_string(width);
    if (precision >= 0) out += "." + std::to_string(precision);
    return out + type;
}

}  // namespace

bool is_fortran_format(std::string_view f) {
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    return f.size() >= 2 && f.front() == '(' && f.back() == ')';
}

std::string printf_of_fortran(std::string_view f, std::string& why) {
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    std::vector<std::string> items;
    if (!is_fortran_format(f) || !split_items(f.substr(1, f.size() - 2), items)) {
        why = "a Fortran format in parentheses with its quotes closed";
        return {};
    }
    std::string out;
    int descriptors = 0;
    for (const std::string& item : items) {
        if (!item.empty() && (item.front() == '\'' || item.front() == '"')) {
            out += literal(item);
            continue;
        }
        if (item.empty()) {
            why = "an empty item between its commas";
            return {};
        }
        const std::string c = conversion(item);
        if (c.empty()) {
            why = "the edit descriptor " + item.substr(0, 32) +
                  ", not one of Fw.d Ew.d ESw.d Gw.d Iw";
            return {};
        }
        out += c;
        ++descriptors;
    }
    if (descriptors != 1) {
        why = descriptors == 0 ? "no edit descriptor (such as F6.2)"
                               : "more than one edit descriptor";
        return {};
    }
    return out;
}

}  // namespace lumora::plotcore
