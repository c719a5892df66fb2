// The command primitives every operation is built on. Slot commands write their
// parameters into the window's block and send the letter and the window character.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora {

std::int32_t command_with_char(int window, char letter, char character);
std::int32_t command_with_int(int window, char letter, std::int32_t a);
std::int32_t command_with_2int(int window, char letter, std::int32_t a, std::int32_t b);
std::int32_t command_with_3int(int window, char letter, std::int32_t a, std::int32_t b,
                               std::int32_t c);
// As command_with_3int for a command that the window process answers with the window's
// number whenever it takes it (a move, a line): posted without waiting where the channel
// can, the window's number then being its result.
std::int32_t posted_command_with_3int(int window, char letter, std::int32_t a, std::int32_t b,
                                      std::int32_t c);
// The same with the first slot only (an erase), the others as the block holds them.
std::int32_t posted_command_with_int(int window, char letter, std::int32_t a);

// Copies a NUL-terminated text into the window's text area; its length. A null text
// empties the area; the area's own address is left in place.
int put_block_text(int window, const char* text);
// Copies a blank-padded character argument, trailing blanks dropped, at most 2047
// characters; the area's address, or nullptr for a null text.
char* put_block_fortran_text(int window, const char* text, std::size_t length);
// printf into the text area, bounded to it; the number of characters stored.
int put_block_formatted(int window, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Moves bytes through the text area in chunks of 2048 ('B' 36); window, or 0.
int send_block_data(int window, const void* data, std::int64_t length);
// Announces an array ('N' kind), sends it and completes it ('B' 37); window, or 0.
int command_with_data(int window, std::int32_t kind, const void* data, std::int64_t length);

// A request to the window process as a whole through the process block's text.
std::int32_t exchange_process_block(int code, int* a, int* b);

// Two probe commands to the current window: -1 without one, 0 when both answer right.
int test_channel();

}  // namespace lumora
