#include "runtime_names.h"

#include <unistd.h>

#include <cstdlib>

namespace lumora::platform::posix {

bool session_namespace(std::string& ns) {
    const char* value = std::getenv("LUMORA_NAMESPACE");
    ns = value != nullptr ? value : "";
    return ns.find('/') == std::string::npos;
}

std::string block_object_name(const std::string& ns, const char* name) {
    return ns.empty() ? "/" + std::string(name) : "/" + ns + "." + name;
}

std::string runtime_directory(const std::string& ns) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string directory = runtime != nullptr && *runtime != '\0'
                                ? std::string(runtime) + "/lumora"
                                : "/tmp/lumora-" + std::to_string(geteuid());
    if (!ns.empty()) directory += "-" + ns;
    return directory;
}

std::string socket_path(const std::string& directory, long pid) {
    return directory + "/luwnd-" + std::to_string(pid) + ".sock";
}

}  // namespace lumora::platform::posix
