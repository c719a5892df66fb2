#include "join_header.h"

#include <cstring>

#include "client/channel/block_ops.h"
#include "client/channel/text_scan.h"

namespace lumora {
namespace {

bool read_idle_form(const char* p, JoinHeader& header) {
    return scan_int(p, header.state) && scan_char(p, ',') && scan_int(p, header.handle) &&
           scan_char(p, ',') && scan_int(p, header.id) && scan_char(p, ',') &&
           scan_rest_of_line(p, header.version, sizeof header.version) && header.state == 0;
}

// The line end after the title is white space to the number that follows, as it is for
// the "\n%d" of a scanf format.
bool read_window_form(const char* p, JoinHeader& header) {
    return scan_int(p, header.state) && scan_char(p, ',') &&
           scan_rest_of_line(p, header.title, sizeof header.title) && scan_int(p, header.handle) &&
           scan_char(p, ',') && scan_int(p, header.id) && scan_char(p, ',') &&
           scan_rest_of_line(p, header.version, sizeof header.version) && header.state > 0;
}

}  // namespace

bool parse_join_header(const unsigned char* block, std::size_t size, JoinHeader& header) {
    char line[layout::kTextSize];
    read_block_text({const_cast<unsigned char*>(block), size}, line, sizeof line);
    header = JoinHeader{};
    if (read_idle_form(line, header)) return true;
    header = JoinHeader{};
    return read_window_form(line, header);
}

}  // namespace lumora
