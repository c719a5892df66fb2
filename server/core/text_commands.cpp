// Commands written as texts: handshake 'K', open 'I', quit 'L' and the probes "O,n".
#include "command_text.h"
#include "core_state.h"
#include "further_commands.h"
#include "join_offer.h"
#include "probes.h"
#include "process_text.h"

namespace luwnd {

std::int32_t Core::State::comma_command(char letter, std::string_view text, TraceLine& line) {
    switch (letter) {
        case 'K':
            return handshake(text, line);
        case 'I':
            return open_window(text, line);
        case 'L':
            return quit_command(text, line);
        default:
            line.add("win", 0);
            line.add_text("text", text);
            return refuse("unknown");
    }
}

// "K,<id>,<directory>;<program>;<banner>": the client proves it read our header. From
// now on the process is busy, so that no other client picks it. Programs that read the
// idle header at the same moment all send one: only the first is accepted, the others
// get 0 and look further (so does one the host does not admit, see CoreConfig).
std::int32_t Core::State::handshake(std::string_view text, TraceLine& line) {
    line.add("win", 0);
    std::int32_t id = 0;
    std::string_view rest;
    if (!parse_fields(text, &id, 1, &rest)) return refuse("syntax");
    line.add("id", id);
    line.add_text("text", rest);
    if (id != config.connection_id) return refuse("value");
    if (!claimable || (config.admits_handshake && !config.admits_handshake())) {
        return refuse("taken");
    }
    claimed_once = true;
    connected = true;
    end_requested = false;
    // Frames a program before this one left unfinished end with it.
    end_frames();
    write_header(kStateBusy);
    return id;
}

// "I,n,p1,p2,p3,p4,p5,[title]": opens window n (or one of our choice) and answers its
// number, also as the line "n,title" in the process block. The five integers are applied
// as apply_open_parameters says.
std::int32_t Core::State::open_window(std::string_view text, TraceLine& line) {
    std::int32_t values[6] = {};
    std::string_view title;
    bool parsed = parse_fields(text, values, 6, &title);
    line.add("win", values[0]);
    if (!parsed) return refuse("syntax");
    for (int i = 1; i <= 5; ++i) line.add("p" + std::to_string(i), values[i]);
    line.add_text("text", title);
    if (process_block == nullptr) return refuse("order");
    int n = windows.open(process_number, values[0], metrics.page_width(), metrics.page_height());
    if (n == 0) return refuse("bounds");
    Window& window = *windows.find(n);
    apply_open_parameters(window, values + 1);
    if (window.state.x == 0 && window.state.y == 0) {
        // Without a position of its own the window goes where new windows are to go.
        std::int32_t x = 0, y = 0;
        metrics.get(4, x, y);
        window.state.x = x;
        window.state.y = y;
    }
    window.state.title = std::string(title.substr(0, further::kMaxTitle));
    // While windows are on offer, programs looking for one read this place unasked: the
    // answer goes on with the offer's second line, so that it reads as an offer too.
    std::string reply = open_reply(n, title);
    if (offering)
        reply +=
            "\n" + offer_process_line(config.window_handle, config.connection_id, config.version);
    write_process_text(process_block, reply);
    reply_written();
    return n;
}

// "L,<mode>,": the client ends its use of the process.
std::int32_t Core::State::quit_command(std::string_view text, TraceLine& line) {
    line.add("win", 0);
    std::int32_t mode = 0;
    if (!parse_fields(text, &mode, 1, nullptr)) return refuse("syntax");
    line.add("mode", mode);
    if (mode != 0 && mode != 1) return refuse("value");
    // The quitting client is done either way; with windows offered the process is not.
    connected = false;
    end_requested = false;
    end_frames();
    if (mode == 0 && offer_windows()) return 1;
    offering = false;
    quit = true;
    write_header(config.ends_after_quit ? kStateEnding : kStateIdle);
    return 1;
}

std::int32_t Core::State::probe(const std::uint8_t* data, std::size_t length, TraceLine& line) {
    line.add("win", 0);
    ProbeAnswer answer = answer_probe(data, length);
    if (answer.probe >= 0) line.add("probe", answer.probe);
    if (answer.result == 0) return refuse(answer.probe >= 0 ? "value" : "syntax");
    return answer.result;
}

}  // namespace luwnd
