#include "entry.h"

#include <cstring>

#include "client/channel/messages.h"
#include "page_draw.h"

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
        report_message(kLevelWarning, "%.*s: %s", static_cast<int>(length), entry, why);
    } catch (const std::exception&) {
        // Nothing more can be said: the result 0 tells the caller.
    }
}

int refuse(const char* why) {
    report_failure(why);
    return 0;
}

}  // namespace lumora::plot
