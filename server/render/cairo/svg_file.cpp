#include "svg_file.h"

#include <cairo-svg.h>

#include "cairo_canvas.h"
#include "file_stream.h"
#include "server/render/painter.h"
#include "svg_text_layer.h"
#include "vector_page.h"

namespace luwnd::render {
namespace {

// Cairo's document passes through to the file, except for its last bytes, which hold
// the document's end tag: the text layer goes in before it.
class HeldBackFile {
  public:
    explicit HeldBackFile(FileStream& stream) : stream_(stream) {}

    static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length) {
        auto* self = static_cast<HeldBackFile*>(closure);
        self->tail_.append(reinterpret_cast<const char*>(data), length);
        if (self->tail_.size() < 2 * kHeldBack) return CAIRO_STATUS_SUCCESS;
        const std::size_t out = self->tail_.size() - kHeldBack;
        if (!self->put(self->tail_.substr(0, out))) return CAIRO_STATUS_WRITE_ERROR;
        self->tail_.erase(0, out);
        return CAIRO_STATUS_SUCCESS;
    }

    // Writes the rest with the layer before the document's end tag.
    bool close(const std::string& layer) {
        const std::size_t end = tail_.rfind("</svg>");
        if (end == std::string::npos) return false;
        return put(tail_.substr(0, end)) && put(layer) && put(tail_.substr(end)) && stream_.flush();
    }

  private:
    static constexpr std::size_t kHeldBack = 4096;

    bool put(const std::string& bytes) { return stream_.put(bytes.data(), bytes.size()); }

    FileStream& stream_;
    std::string tail_;
};

}  // namespace

bool write_svg(const Picture& picture, int width, int height, std::FILE* file, std::string& error) {
    FileStream stream(file);
    HeldBackFile held_back(stream);
    const VectorPage page = vector_page(picture, width, height, kCssPixelsPerInch);
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(&HeldBackFile::write, &held_back,
                                                                   page.width, page.height);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    draw_in_pixels(surface, page);
    SvgTextLayer layer;
    CairoCanvas canvas(surface, width, height, false, &layer);
    paint(picture, canvas);
    cairo_surface_finish(surface);
    cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status == CAIRO_STATUS_SUCCESS && !held_back.close(layer.markup(page.scale)))
        status = CAIRO_STATUS_WRITE_ERROR;
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = stream.reason(status);
    return false;
}

}  // namespace luwnd::render
