#include "png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "file_stream.h"

namespace luwnd::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Each part is at least this many rows: smaller ones would cost more in threads and in
// the compression lost at their seams than they save.
constexpr int kMinPartRows = 128;
constexpr std::size_t kMaxChunk = 1 << 16;

void put_u32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void put_chunk(Bytes& out, const char* type, const std::uint8_t* data, std::size_t size) {
    put_u32(out, static_cast<std::uint32_t>(size));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    const auto length = static_cast<uInt>(out.size() - start);  // at most 4 + kMaxChunk
    put_u32(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, length)));
}

// The image's row y as R, G, B bytes (Cairo's RGB24 is a native word 0x00RRGGBB a pixel).
void rgb_row(cairo_surface_t* image, int y, std::uint8_t* out) {
    const unsigned char* row = cairo_image_surface_get_data(image) +
                               std::ptrdiff_t{y} * cairo_image_surface_get_stride(image);
    const int width = cairo_image_surface_get_width(image);
    for (int x = 0; x < width; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + 4 * x, 4);
        out[3 * x] = (pixel >> 16) & 0xFF;
        out[3 * x + 1] = (pixel >> 8) & 0xFF;
        out[3 * x + 2] = pixel & 0xFF;
    }
}

std::uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Row filtered by type (0 none .. 4 Paeth) against the row above (zeros for the first).
void filter_row(int type, const std::uint8_t* row, const std::uint8_t* above, std::size_t size,
                std::uint8_t* out) {
    for (std::size_t i = 0; i < size; ++i) {
        const int a = i >= 3 ? row[i - 3] : 0, b = above[i], c = i >= 3 ? above[i - 3] : 0;
        const int predicted = type == 1   ? a
                              : type == 2 ? b
                              : type == 3 ? (a + b) / 2
                              : type == 4 ? paeth(a, b, c)
                                          : 0;
        out[i] = static_cast<std::uint8_t>(row[i] - predicted);
    }
}

// The filtered row as stored: the filter that leaves the smallest sum of the bytes taken
// as signed values (the usual heuristic), its type byte first.
void best_filtered_row(const std::uint8_t* row, const std::uint8_t* above, std::size_t size,
                       std::uint8_t* out, Bytes& scratch) {
    scratch.resize(size);
    unsigned long best = ~0ul;
    for (int type = 0; type <= 4; ++type) {
        filter_row(type, row, above, size, scratch.data());
        unsigned long sum = 0;
        for (std::uint8_t v : scratch) sum += v < 128 ? v : 256 - v;
        if (sum >= best) continue;
        best = sum;
        out[0] = static_cast<std::uint8_t>(type);
        std::memcpy(out + 1, scratch.data(), size);
    }
}

struct Part {
    int first = 0, last = 0;  // rows [first, last)
    bool final = false;
    Bytes deflated;
    uLong adler = 0;
    std::size_t raw_size = 0;
    bool ok = false;
};

// Rows filtered at a time: the part's compressed data grows while its rows stream through.
constexpr int kBatchRows = 32;

// Deflates what the stream holds as input into the part, growing its buffer as needed.
bool deflate_into(z_stream& z, Part& part, int flush) {
    for (;;) {
        if (part.deflated.size() - z.total_out < 4096)
            part.deflated.resize(2 * part.deflated.size() + 65536);
        z.next_out = part.deflated.data() + z.total_out;
        z.avail_out = static_cast<uInt>(part.deflated.size() - z.total_out);
        const int status = deflate(&z, flush);
        if (status == Z_STREAM_END) return true;
        if (status != Z_OK && status != Z_BUF_ERROR) return false;
        if (z.avail_in == 0 && z.avail_out != 0) return flush != Z_FINISH;
    }
}

// Filters and deflates the part's rows as raw deflate data; a part that is not the last
// ends with a sync flush (a byte boundary, no final block) for the next one to follow.
void compress_part(cairo_surface_t* image, Part& part) {
    const std::size_t size = 3 * static_cast<std::size_t>(cairo_image_surface_get_width(image));
    Bytes batch((size + 1) * kBatchRows), row(size), above(size, 0), scratch;
    if (part.first > 0) rgb_row(image, part.first - 1, above.data());
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_FILTERED) != Z_OK) return;
    part.adler = adler32(0, nullptr, 0);
    bool ok = true;
    for (int y = part.first; ok && y < part.last; y += kBatchRows) {
        const int rows = std::min(kBatchRows, part.last - y);
        for (int r = 0; r < rows; ++r) {
            rgb_row(image, y + r, row.data());
            best_filtered_row(row.data(), above.data(), size, batch.data() + (size + 1) * r,
                              scratch);
            std::swap(row, above);
        }
        const auto bytes = static_cast<uInt>((size + 1) * static_cast<std::size_t>(rows));
        part.adler = adler32(part.adler, batch.data(), bytes);
        part.raw_size += bytes;
        z.next_in = batch.data();
        z.avail_in = bytes;
        const bool last = y + rows >= part.last;
        ok = deflate_into(z, part, !last ? Z_NO_FLUSH : part.final ? Z_FINISH : Z_SYNC_FLUSH);
    }
    part.ok = ok;
    part.deflated.resize(z.total_out);
    deflateEnd(&z);
}

// The zlib stream of the whole image: a header, the parts in order and the checksum of
// everything they hold. Empty when compression failed.
Bytes zlib_stream(cairo_surface_t* image, int parts) {
    const int height = cairo_image_surface_get_height(image);
    parts = std::clamp(std::min(parts, height / kMinPartRows), 1, 16);
    std::vector<Part> pieces(static_cast<std::size_t>(parts));
    for (int p = 0; p < parts; ++p) {
        pieces[p].first = height * p / parts;
        pieces[p].last = height * (p + 1) / parts;
        pieces[p].final = p == parts - 1;
    }
    std::vector<std::thread> helpers;
    for (int p = 1; p < parts; ++p) helpers.emplace_back(compress_part, image, std::ref(pieces[p]));
    compress_part(image, pieces[0]);
    for (std::thread& helper : helpers) helper.join();
    Bytes stream = {0x78, 0x9C};  // deflate, 32 KiB window, the default level
    uLong adler = adler32(0, nullptr, 0);
    for (const Part& part : pieces) {
        if (!part.ok) return {};
        stream.insert(stream.end(), part.deflated.begin(), part.deflated.end());
        adler = adler32_combine(adler, part.adler, static_cast<z_off_t>(part.raw_size));
    }
    put_u32(stream, static_cast<std::uint32_t>(adler));
    return stream;
}

}  // namespace

std::vector<std::uint8_t> encode_png(cairo_surface_t* image, int parts) {
    cairo_surface_flush(image);
    const Bytes stream = zlib_stream(image, parts);
    if (stream.empty()) return {};
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put_u32(header, static_cast<std::uint32_t>(cairo_image_surface_get_width(image)));
    put_u32(header, static_cast<std::uint32_t>(cairo_image_surface_get_height(image)));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, adaptive, no interlace
    put_chunk(png, "IHDR", header.data(), header.size());
    const std::uint8_t white[] = {0, 0xFF, 0, 0xFF, 0, 0xFF};
    put_chunk(png, "bKGD", white, sizeof white);
    for (std::size_t at = 0; at < stream.size(); at += kMaxChunk)
        put_chunk(png, "IDAT", stream.data() + at, std::min(kMaxChunk, stream.size() - at));
    put_chunk(png, "IEND", nullptr, 0);
    return png;
}

bool write_png(cairo_surface_t* image, std::FILE* file, int parts, std::string& error) {
    const Bytes png = encode_png(image, parts);
    if (png.empty()) {
        error = cairo_status_to_string(CAIRO_STATUS_NO_MEMORY);
        return false;
    }
    FileStream stream(file);
    if (stream.put(png.data(), png.size()) && stream.flush()) return true;
    error = stream.reason(CAIRO_STATUS_WRITE_ERROR);
    return false;
}

bool write_png(cairo_surface_t* image, const std::string& path, int parts, std::string& error) {
    return write_to_path(
        path, [&](std::FILE* file, std::string& e) { return write_png(image, file, parts, e); },
        error);
}

}  // namespace luwnd::render
