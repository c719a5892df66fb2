// Where the window process publishes its blocks and its command socket on this system.
// Both sides use these names: the library to find a window process, luwnd to publish.
// LUMORA_NAMESPACE, when set, keeps separate sessions (for example parallel tests) apart.
// Every name carries the user's id, and block names a random token only this user can
// read (runtime_token.h), so that another user cannot create our names first.
#pragma once

#include <string>
#include <vector>

namespace lumora::platform::posix {

// The session namespace: empty when LUMORA_NAMESPACE is unset or empty. False when the
// value cannot be part of a file or object name (it contains '/').
bool session_namespace(std::string& ns);

// "/lumora-<uid>-": how the object names of all our blocks begin.
std::string block_name_prefix();

// "/lumora-<uid>-<token>.LuWnd1" or, in a namespace, "/lumora-<uid>-<token>.<ns>.LuWnd1".
std::string block_object_name(const std::string& ns, const std::string& token, const char* name);

// The places for the socket directory, in the order they are tried:
// "$XDG_RUNTIME_DIR/lumora[-ns]" when XDG_RUNTIME_DIR is set; else "/tmp/lumora-<uid>[-ns]"
// and, for when another user made that one first, "<home>/.lumora-runtime[-ns]", which
// only this user can make.
std::vector<std::string> runtime_directories(const std::string& ns);

// The command socket of window process pid inside the runtime directory.
std::string socket_path(const std::string& directory, long pid);

// The pid of a socket file name "luwnd-<pid>.sock"; 0 for any other name.
long socket_owner(const std::string& file_name);

}  // namespace lumora::platform::posix
