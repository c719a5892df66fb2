#include "process_text.h"

#include "client/channel/block_layout.h"
#include "command_text.h"

namespace luwnd {

namespace layout = lumora::layout;

std::string header_line(int state, std::int64_t handle, int id, std::string_view version) {
    return std::to_string(state) + "," + std::to_string(handle) + "," + std::to_string(id) + "," +
           std::string(version.substr(0, kMaxLineRest));
}

std::string open_reply(int window, std::string_view title) {
    return std::to_string(window) + "," + std::string(title.substr(0, kMaxLineRest));
}

void write_process_text(std::uint8_t* block, std::string_view text) {
    std::size_t n =
        text.size() < layout::kProcessBlockSize ? text.size() : layout::kProcessBlockSize - 1;
    text.copy(reinterpret_cast<char*>(block), n);
    block[n] = 0;
}

std::optional<std::string_view> read_process_text(const std::uint8_t* block) {
    return terminated_text(block, layout::kProcessBlockSize);
}

std::optional<MailboxRequest> parse_mailbox(std::string_view text) {
    std::int32_t values[4];
    if (!parse_list(text, ';', values, 4, nullptr)) return std::nullopt;
    return MailboxRequest{values[0], values[1], values[2], values[3]};
}

std::string mailbox_reply(std::int32_t a, std::int32_t b) {
    return "3;" + std::to_string(a) + ";" + std::to_string(b) + ";";
}

}  // namespace luwnd
