#include "version_checks.h"

#include <cstdint>
#include <cstring>

#include "client/platform/conventions.h"
#include "client_state.h"
#include "messages.h"
#include "text_scan.h"
#include "transport.h"

namespace lumora {
namespace {

// Reads up to four comma-separated numbers, as "%d,%d,%d,%d" does; how many it read.
int read_version_numbers(const char* text, int numbers[4]) {
    const char* p = text;
    int count = 0;
    while (count < 4 && scan_int(p, numbers[count])) {
        ++count;
        if (!scan_char(p, ',')) break;
    }
    return count;
}

void warn_version(bool library_older, const char* version) {
    const bool japanese = client_state().ansi_code_page == 932;
    const MessageId id = library_older ? MessageId::LibraryOlder : MessageId::ProgramOlder;
    const char* text = localized(id);
    if (library_older) {
        if (japanese) {
            report_message(kLevelWarning, text, platform::kWindowProgramName, version,
                           kLibraryVersion);
        } else {
            report_message(kLevelWarning, text, kLibraryVersion, platform::kWindowProgramName,
                           version);
        }
    } else if (japanese) {
        report_message(kLevelWarning, text, kLibraryVersion, platform::kWindowProgramName, version);
    } else {
        report_message(kLevelWarning, text, platform::kWindowProgramName, version, kLibraryVersion);
    }
}

void warn_field_count() {
    const char* text = localized(MessageId::ProgramOlderFields);
    if (client_state().ansi_code_page == 932) {
        report_message(kLevelWarning, text, kLibraryVersion, platform::kWindowProgramName);
    } else {
        report_message(kLevelWarning, text, platform::kWindowProgramName, kLibraryVersion);
    }
}

// Delivers 'O' with the probe number and the value's bytes at offset 4.
std::int32_t probe(int number, const void* value, int size) {
    char* buffer = client_state().command_buffer;
    buffer[0] = 'O';
    buffer[1] = ',';
    buffer[2] = static_cast<char>('0' + number);
    buffer[3] = '\0';
    std::memcpy(buffer + 4, value, static_cast<std::size_t>(size));
    return deliver_command(4 + size);
}

[[noreturn]] void refuse(MessageId id, int reason) {
    report_message(kLevelError, localized(id), reason);
    end_program(1);
}

}  // namespace

int check_window_program_version() {
    const char* version = block_table().process_version;
    if (std::strcmp(version, kLibraryVersion) == 0) return 0;
    int mine[4] = {};
    int theirs[4] = {};
    const int my_count = read_version_numbers(kLibraryVersion, mine);
    const int their_count = read_version_numbers(version, theirs);
    if (my_count != their_count) {
        warn_field_count();
        return 0;
    }
    for (int i = 0; i + 1 < my_count; ++i) {
        if (mine[i] != theirs[i]) {
            warn_version(mine[i] < theirs[i], version);
            return 0;
        }
    }
    return 1;
}

void check_system_compatibility() {
    ClientState& state = client_state();
    state.copy_data.tag = kCopyDataTag;
    state.copy_data.data = state.command_buffer;

    const std::int32_t block_size = 2304;
    if (probe(0, &block_size, 4) != 224) {
        report_message(kLevelError, "%s", localized(MessageId::IncompatibleVersion));
        end_program(1);
    }
    const std::uint32_t float_bits = 0xC0490FD8u;  // -3.1415920257568359375
    if (probe(1, &float_bits, 4) != 256) refuse(MessageId::NotSupported, 1);
    const std::uint64_t double_bits = 0xC00921FB54442D18ull;  // -pi
    if (probe(2, &double_bits, 8) != INT32_MAX) refuse(MessageId::NotSupported, 2);
    const std::uint32_t square_bits = 0x411DE9E4u;  // 9.869602203369140625
    if (probe(3, &square_bits, 4) != INT32_MIN) {
        report_message(kLevelWarning, localized(MessageId::NotSupported), 3);
    }
}

}  // namespace lumora
