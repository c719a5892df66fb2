// The texts of the process block: the header line by which clients find the process,
// the reply line of an open, and the mailbox request and reply.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace luwnd {

inline constexpr int kStateIdle = 0;
inline constexpr int kStateBusy = 1;
// Ending: the process has answered its client's quit and is about to go; no new client
// may pick it in the meantime.
inline constexpr int kStateEnding = 2;
// Clients keep at most 255 characters of the version and of the open reply's rest of line.
inline constexpr std::size_t kMaxLineRest = 255;

// "state,handle,id,version"
std::string header_line(int state, std::int64_t handle, int id, std::string_view version);
// "n,title"
std::string open_reply(int window, std::string_view title);

// Writes the text with its NUL at offset 0, cut to fit the block.
void write_process_text(std::uint8_t* block, std::string_view text);
// The NUL-terminated text at offset 0, or nothing when the block holds no NUL.
std::optional<std::string_view> read_process_text(const std::uint8_t* block);

// Mailbox request "code;mask;a;b;".
struct MailboxRequest {
    std::int32_t code = 0, mask = 0, a = 0, b = 0;
};
std::optional<MailboxRequest> parse_mailbox(std::string_view text);
// Mailbox reply "3;a;b;".
std::string mailbox_reply(std::int32_t a, std::int32_t b);

}  // namespace luwnd
