// Fuzz target: the window process core decoding a whole client session, with the window
// pictures painted on the recording canvas. Input format: fuzz_format.h.
#include <cstddef>
#include <cstdint>

#include "client_session.h"
#include "data_file_path.h"
#include "page_cap.h"
#include "server/render/painter.h"
#include "server/render/record/recording_canvas.h"

namespace {

// A grid one pixel apart is one canvas call per pixel row and column.
constexpr std::int32_t kPageSide = LUMORA_FUZZ_RECORD_PAGE_SIDE;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace luwnd;
    fuzz::FuzzInput input(data, size);
    fuzz::ClientSession session(input, fuzz::data_file_path());
    session.run([](const render::Picture& picture) {
        render::Picture storage;
        render::RecordingCanvas canvas;
        render::paint(fuzz::within_page(picture, kPageSide, storage), canvas);
    });
    return 0;
}
