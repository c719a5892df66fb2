// What the plotting layer's entry points share: the guard that keeps C++ exceptions from
// crossing the C interface, refusals with a message, and reference-form results and
// arguments.
#pragma once

#include <exception>
#include <new>
#include <string>

#include "client/channel/call_lock.h"

namespace lumora::plot {

// Names the entry point that runs, for the messages below; when one entry point calls
// another, the outer one keeps the name.
class EntryName {
  public:
    explicit EntryName(const char* name);
    ~EntryName();
    EntryName(const EntryName&) = delete;
    EntryName& operator=(const EntryName&) = delete;

  private:
    bool outermost_ = false;
};

// Shows why the current entry point fails, as a warning through the library's messages:
// "lu_plot_frame: <why>". Never throws.
void report_failure(const char* why);

// Refuses the current entry point's arguments: reports why and returns 0. A window hears
// each entry point's cause once: a loop that repeats the mistake is told about it once.
int refuse(const std::string& why);
// A number as a message shows it (%g; NaN, infinity and -infinity).
std::string number_text(double v);
// A text argument, NULL as the empty text.
inline std::string text_of(const char* text) {
    return text != nullptr ? text : "";
}
// The current window when it is open (as lu_get_viewport answers), else 0.
int current_open_window();
// Whether v is -1 or one of the colour values lu_set_pen takes.
bool colour_or_minus_one(int v);
// The refusals that say which call comes first.
int refuse_no_window();           // no window is open
int refuse_no_frame(int window);  // the window has no frame yet
// A window named by number that is not open (0: none is).
int refuse_closed_window(int window);

// Runs the body of the entry point `entry` and returns its result; 0, with a message,
// when it throws a standard exception (out of memory above all), so that none leaves
// through the C interface. What the body keeps in scopes (the pen, the clip, the view)
// is put back on the way out. The body holds the library's call lock, as every public
// call does.
template <class Body>
int guarded(const char* entry, Body&& body) {
    const CallLock call;
    EntryName name(entry);
    try {
        return body();
    } catch (const std::bad_alloc&) {
        report_failure("out of memory");
    } catch (const std::exception& e) {
        report_failure(e.what());
    }
    return 0;
}

// Stores a reference form's result (when there is a variable) and returns it.
inline int store(int* result, int value) {
    if (result != nullptr) *result = value;
    return value;
}

// An argument passed by address; a null address reads as zero.
template <typename T>
T at(const T* p) {
    return p != nullptr ? *p : T{};
}

}  // namespace lumora::plot
