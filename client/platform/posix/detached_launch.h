// Starting the window program so that it outlives the client: it runs in a session of its
// own and is not the client's child, so it leaves no zombie and no signal of the client's
// terminal reaches it.
#pragma once

namespace lumora::platform::posix {

enum class LaunchOutcome {
    NotStarted,  // the program could not be started
    Ready,       // it wrote its ready byte
    NotReady,    // it closed the pipe without the byte, or the time ran out
};

// Starts program with the options, split at blanks, as its arguments, its standard streams
// on /dev/null and LUMORA_READY_FD naming the write end of a pipe. Waits at most
// timeout_ms for the ready byte "1" or for the end of the pipe.
LaunchOutcome start_detached(const char* program, const char* options, int timeout_ms, int& error);

}  // namespace lumora::platform::posix
