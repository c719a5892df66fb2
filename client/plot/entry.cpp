#include "entry.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "client/channel/client_state.h"
#include "client/channel/messages.h"
#include "client/include/lumora.h"
#include "client/windows/program_facts.h"
#include "data_transform.h"
#include "page_draw.h"
#include "plot_state.h"
#include "plotcore/batch_format.h"

namespace lumora::plot {
namespace {

const char*& current_entry() {
    thread_local const char* name = nullptr;
    return name;
}

}  // namespace

EntryName::EntryName(const char* name) {
    if (current_entry() != nullptr) return;
    current_entry() = name;
    outermost_ = true;
    // A transform is in force only within the plotting call that asked for it.
    stop_transforming();
}

// The outermost plotting call sends what it drew, whichever way it ends.
EntryName::~EntryName() {
    if (!outermost_) return;
    try {
        if (!finish_plot_drawing()) report_failure("the window refused the plot's drawing");
    } catch (const std::exception&) {
        report_failure("out of memory");
    }
    current_entry() = nullptr;
}

void report_failure(const char* why) {
    const char* entry = current_entry() != nullptr ? current_entry() : "lumora";
    // The reference forms' trailing underscore is left out: the name is the operation's.
    std::size_t length = std::strlen(entry);
    if (length > 1 && entry[length - 1] == '_') --length;
    try {
        // Before the first window the program's kind (console or GUI) is not known yet,
        // and with it where messages go.
        const ClientState& state = client_state();
        if (state.table.open_count == 0 && state.ansi_code_page == 0) note_program();
        report_message(kLevelWarning, "%.*s: %s", static_cast<int>(length), entry, why);
    } catch (const std::exception&) {
        // Nothing more can be said: the result 0 tells the caller.
    }
}

int refuse(const std::string& why) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    const std::string cause = std::string(current_entry() != nullptr ? current_entry() : "") + why;
    if (told_causes(window).insert(cause).second) report_failure(why.c_str());
    return 0;
}

std::string number_text(double v) {
    return plotcore::message_number(v);
}

int current_open_window() {
    return lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
}

int refuse_no_window() {
    return refuse("no window is open: call lu_open_window first");
}

int refuse_closed_window(int window) {
    return window == 0 ? refuse_no_window()
                       : refuse("window " + std::to_string(window) + " is not open");
}

int refuse_no_frame(int window) {
    return refuse("window " + std::to_string(window) + " has no frame: call lu_plot_frame first");
}

bool colour_or_minus_one(int v) {
    return v == -1 || (v >= 0 && plotcore::is_valid_colour_value(static_cast<std::uint32_t>(v)));
}

}  // namespace lumora::plot
