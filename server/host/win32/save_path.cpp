#include "save_path.h"

#include "picture_new_file.h"
#include "server/render/output_target.h"

namespace luwnd::win32 {

std::string save_new_picture(const std::string& directory, unsigned long process_id, int window,
                             const char* suffix, const std::vector<std::uint8_t>& bytes,
                             std::string& error) {
    return write_new_file(
        [&](const render::PathExists& taken) {
            return render::free_numbered_path(directory, static_cast<long>(process_id), window,
                                              suffix, taken);
        },
        bytes_content(bytes), error);
}

}  // namespace luwnd::win32
