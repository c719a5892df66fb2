// Writing an RGB image as a PNG file with the rows compressed on several cores at once.
// The file holds what Cairo's own writer puts in one (8-bit RGB, a white background
// chunk, adaptive filters, deflate at the default level), but its compressed stream is
// made of one part per core: each part is deflated on its own thread and ends on a byte
// boundary, so that the parts join into one valid stream, as parallel gzip tools do.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace luwnd::render {

// The PNG of an RGB24 image surface, its rows compressed in up to `parts` parts.
std::vector<std::uint8_t> encode_png(cairo_surface_t* image, int parts);

// Writes the image into the open file; false, with the reason (the system's for a failed
// write), when it cannot be written.
bool write_png(cairo_surface_t* image, std::FILE* file, int parts, std::string& error);
// The same into a file made or replaced at path, for tools and tests; the window process
// makes its files itself (see server/host/posix/picture_new_file.h).
bool write_png(cairo_surface_t* image, const std::string& path, int parts, std::string& error);

}  // namespace luwnd::render
