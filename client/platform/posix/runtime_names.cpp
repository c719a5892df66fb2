#include "runtime_names.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace lumora::platform::posix {

namespace {

constexpr char kSocketPrefix[] = "luwnd-";
constexpr char kSocketSuffix[] = ".sock";
constexpr char kBlockFilePrefix[] = "LuWnd";
constexpr char kPlotBlockSuffix[] = ":plot";  // a window's plot block (plotcore/plot_commands.h)
constexpr std::size_t kLongestBlockName = 64;

std::string home_directory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/') return home;
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

}  // namespace

bool session_namespace(std::string& ns) {
    const char* value = std::getenv("LUMORA_NAMESPACE");
    ns = value != nullptr ? value : "";
    return ns.find('/') == std::string::npos;
}

bool is_block_name(const std::string& name) {
    const std::string prefix = kBlockFilePrefix, suffix = kPlotBlockSuffix;
    std::size_t end = name.size();
    if (end > suffix.size() && name.compare(end - suffix.size(), suffix.size(), suffix) == 0)
        end -= suffix.size();
    return end > prefix.size() && name.size() <= kLongestBlockName && name.rfind(prefix, 0) == 0 &&
           name.find_first_not_of("0123456789:", prefix.size()) >= end;
}

std::string block_path(const std::string& directory, const std::string& name) {
    return is_block_name(name) ? directory + "/" + name : std::string();
}

std::vector<std::string> runtime_directories(const std::string& ns) {
    const std::string suffix = ns.empty() ? "" : "-" + ns;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') return {std::string(runtime) + "/lumora" + suffix};
    std::vector<std::string> places = {"/tmp/lumora-" + std::to_string(geteuid()) + suffix};
    const std::string home = home_directory();
    if (!home.empty() && home != "/") places.push_back(home + "/.lumora-runtime" + suffix);
    return places;
}

std::string socket_path(const std::string& directory, long pid) {
    return directory + "/" + kSocketPrefix + std::to_string(pid) + kSocketSuffix;
}

long socket_owner(const std::string& file_name) {
    const std::string prefix = kSocketPrefix, suffix = kSocketSuffix;
    if (file_name.size() <= prefix.size() + suffix.size() || file_name.rfind(prefix, 0) != 0 ||
        file_name.compare(file_name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string digits =
        file_name.substr(prefix.size(), file_name.size() - prefix.size() - suffix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stol(digits);
}

}  // namespace lumora::platform::posix
