#include "stale_blocks.h"

#include <dirent.h>
#include <sys/mman.h>

#include <string>
#include <vector>

#include "client/platform/posix/runtime_names.h"
#include "owners.h"

namespace luwnd::posix {
namespace {

// Where Linux keeps the named objects; elsewhere there is no listing and nothing is swept.
constexpr char kObjectDirectory[] = "/dev/shm";

std::vector<std::string> our_objects() {
    std::vector<std::string> objects;
    DIR* dir = opendir(kObjectDirectory);
    if (dir == nullptr) return objects;
    const std::string prefix = lumora::platform::posix::block_name_prefix().substr(1);
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind(prefix, 0) == 0) objects.push_back("/" + name);
    }
    closedir(dir);
    return objects;
}

}  // namespace

void remove_stale_blocks() {
    const std::vector<std::string> objects = our_objects();
    for (const std::string& object : objects) {
        if (object.find(':') == std::string::npos && owner_is_gone(object))
            shm_unlink(object.c_str());
    }
    for (const std::string& object : objects) {
        const std::size_t colon = object.find(':');
        if (colon == std::string::npos) continue;
        if (object_is_missing(object.substr(0, colon)) && is_own_object(object))
            shm_unlink(object.c_str());
    }
}

}  // namespace luwnd::posix
