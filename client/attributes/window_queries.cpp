// Window commands whose answer comes back in the block: the result words, or for 'B' 15
// a number at the start of the text area. Outputs are written only on a nonzero answer.
#include <cstring>

#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/channel/text_scan.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr std::int32_t kB1 = 1;
constexpr std::int32_t kB15 = 15;
constexpr std::int32_t kB32 = 32;
constexpr std::int32_t kB33 = 33;
constexpr int kNotGiven = -1;

// Kinds 1, 2, 3 are sent as the bits 128, 64, 32; any other kind as it is.
int b1_code(int kind) {
    switch (kind) {
        case 1:
            return 128;
        case 2:
            return 64;
        case 3:
            return 32;
        default:
            return kind;
    }
}

void copy_word(const std::uint8_t* block, std::size_t offset, int* out) {
    if (out != nullptr) *out = layout::read_i32(block, offset);
}

// The reply of 'B' 15, read as "%d,": the leading number, 0 when the text starts with
// anything else, `a` when it is empty. The area is untrusted, so it is read bounded.
int b15_reply(const std::uint8_t* block, int a) {
    char text[layout::kTextSize];
    const char* area = reinterpret_cast<const char*>(block + layout::kText);
    const std::size_t n = strnlen(area, layout::kTextSize - 1);
    std::memcpy(text, area, n);
    text[n] = '\0';
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    if (*p == '\0') return a;
    int value = 0;
    return scan_int(p, value) ? value : 0;
}

// 'P' to the window process as a whole, with a in the command's third character.
int query_process(int a) {
    if (block_table().process_number == 0) return 0;
    const auto code = static_cast<unsigned>(a + 32) & 0xFFu;
    return command_with_char(0, 'P', static_cast<char>(code));
}

int query_b32_family(int window, std::int32_t code, int* r, int* u, int* v, int a) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kResult3, u != nullptr ? *u : kNotGiven);
    layout::write_i32(block, layout::kResult4, v != nullptr ? *v : kNotGiven);
    const int result = command_with_2int(window, 'B', code, a);
    block = window_block(window);  // the answer may have ended the connection
    if (result == 0 || block == nullptr) return result;
    copy_word(block, layout::kResult2, r);
    copy_word(block, layout::kResult3, u);
    copy_word(block, layout::kResult4, v);
    return result;
}

}  // namespace

extern "C" {

int lu_query_value_b15_in_window(int window, int a) {
    const CallLock call;
    if (window == 0) return query_process(a);
    const int result = command_with_2int(window, 'B', kB15, a);
    const std::uint8_t* block = window_block(window);
    if (result == 0 || block == nullptr) return 0;
    return b15_reply(block, a);
}

int lu_query_value_b15(int a) {
    const CallLock call;
    return lu_query_value_b15_in_window(current_window(), a);
}

int lu_query_value_b15_(int* result, const int* a) {
    const CallLock call;
    return store_result(result, lu_query_value_b15(value_at(a)));
}

int lu_query_b1_in_window(int window, int* a, int* b, int* c, int kind) {
    const CallLock call;
    const int result = command_with_2int(window, 'B', kB1, b1_code(kind));
    const std::uint8_t* block = window_block(window);
    if (result == 0 || block == nullptr) return result;
    copy_word(block, layout::kResult2, a);
    copy_word(block, layout::kResult3, b);
    copy_word(block, layout::kResult4, c);
    return result;
}

int lu_query_b32_in_window(int window, int* r, int* u, int* v, int a) {
    const CallLock call;
    return query_b32_family(window, kB32, r, u, v, a);
}

int lu_query_b33_in_window(int window, int* r, int* u, int* v, int a) {
    const CallLock call;
    return query_b32_family(window, kB33, r, u, v, a);
}

}  // extern "C"
