#include "fourier_input.h"

#include "fourier_coefficients.h"
#include "list_directed_input.h"

namespace lumora::fourier {
namespace {

// The prompt stays on its line and must be visible before the program waits for input.
void prompt(std::ostream& out, std::string_view text) {
    out << text << std::flush;
}

// Why the read of the named quantity failed, or nothing when it did not.
std::optional<InputFailure> failure(std::string_view name, std::string_view kind,
                                    const ReadResult& result) {
    const std::string reason = "cannot read " + std::string(name) + ": ";
    switch (result.status) {
        case ReadStatus::ok:
        case ReadStatus::null_value:
            return std::nullopt;
        case ReadStatus::end_of_input:
            return InputFailure{reason + "end of input", true};
        case ReadStatus::bad_value:
            return InputFailure{reason + "\"" + result.text + "\" is not " + std::string(kind)};
        case ReadStatus::out_of_range:
            return InputFailure{reason + "\"" + result.text + "\" is out of range"};
    }
    return InputFailure{reason + "unknown failure"};
}

}  // namespace

std::optional<InputFailure> read_fourier_input(CharSource& in, std::ostream& out,
                                               FourierInput& input) {
    prompt(out, kPromptN);
    if (auto why = failure("N", "an integer", read_integer(in, input.n))) return why;
    prompt(out, kPromptDt);
    if (auto why = failure("dt", "a real number", read_real(in, input.dt))) return why;
    input.t = record_length(input.n, input.dt);
    input.m = highest_index(input.n);
    return std::nullopt;
}

}  // namespace lumora::fourier
