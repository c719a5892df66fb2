// Where the window process publishes its blocks and its command socket on this system.
// Both sides use these names: the library to find a window process, luwnd to publish.
// LUMORA_NAMESPACE, when set, keeps separate sessions (for example parallel tests) apart.
// Blocks and sockets are files in the user's private runtime directory (private_dir.h):
// no other user can list that directory or create anything in it, so nobody else can
// learn our names or take them first.
#pragma once

#include <string>
#include <vector>

namespace lumora::platform::posix {

// The session namespace: empty when LUMORA_NAMESPACE is unset or empty. False when the
// value cannot be part of a file or object name (it contains '/').
bool session_namespace(std::string& ns);

// Whether a block name ("LuWnd1", "LuWnd1:2", "LuWnd1:2:plot") can be a file name in the
// runtime directory: "LuWnd" followed by digits and ':' only, and ":plot" at the end of a
// plot block.
bool is_block_name(const std::string& name);

// The file of a block inside the runtime directory ("<directory>/LuWnd1:2"); empty when
// the name is no block name.
std::string block_path(const std::string& directory, const std::string& name);

// The places for the runtime directory, in the order they are tried:
// "$XDG_RUNTIME_DIR/lumora[-ns]" when XDG_RUNTIME_DIR is set; else "/tmp/lumora-<uid>[-ns]"
// and, for when another user made that one first, "<home>/.lumora-runtime[-ns]", which
// only this user can make.
std::vector<std::string> runtime_directories(const std::string& ns);

// The command socket of window process pid inside the runtime directory.
std::string socket_path(const std::string& directory, long pid);

// The pid of a socket file name "luwnd-<pid>.sock"; 0 for any other name.
long socket_owner(const std::string& file_name);

}  // namespace lumora::platform::posix
