#include "save_path.h"

#include "file_checks.h"
#include "server/render/output_target.h"

namespace luwnd::win32 {

std::string free_save_path(const std::string& directory, unsigned long process_id, int window,
                           const char* suffix) {
    // Anything else in the way (a missing directory) shows when the file is written.
    return render::free_numbered_path(directory, static_cast<long>(process_id), window, suffix,
                                      path_exists);
}

}  // namespace luwnd::win32
