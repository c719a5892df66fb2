// Fuzz target: the window process core decoding a whole client session, with the window
// pictures drawn into Cairo images as the Linux host draws them. Input format:
// fuzz_format.h.
#include <cairo.h>

#include <cstddef>
#include <cstdint>

#include "client_session.h"
#include "data_file_path.h"
#include "page_cap.h"
#include "server/render/cairo/picture_file.h"

namespace {

// render_image allocates the whole page; a fuzz iteration keeps it small.
constexpr std::int32_t kPageSide = LUMORA_FUZZ_CAIRO_PAGE_SIDE;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace luwnd;
    fuzz::FuzzInput input(data, size);
    fuzz::ClientSession session(input, fuzz::data_file_path());
    session.run([](const render::Picture& picture) {
        render::Picture storage;
        cairo_surface_t* image =
            render::render_image(fuzz::within_page(picture, kPageSide, storage));
        cairo_surface_destroy(image);
    });
    return 0;
}
