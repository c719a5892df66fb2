// Where the window process publishes its blocks and its command socket on this system.
// LUMORA_NAMESPACE, when set, keeps separate sessions (for example parallel tests) apart.
#pragma once

#include <string>

namespace lumora::platform::posix {

// The session namespace: empty when LUMORA_NAMESPACE is unset or empty. False when the
// value cannot be part of a file or object name (it contains '/').
bool session_namespace(std::string& ns);

// "/LuWnd1" or, in a namespace, "/ns.LuWnd1".
std::string block_object_name(const std::string& ns, const char* name);

// "$XDG_RUNTIME_DIR/lumora" or "/tmp/lumora-<uid>", with "-<ns>" appended in a namespace.
std::string runtime_directory(const std::string& ns);

// The command socket of window process pid inside the runtime directory.
std::string socket_path(const std::string& directory, long pid);

}  // namespace lumora::platform::posix
