// Texts with GDI: a TrueType font of the em height, the angle as escapement and
// orientation in tenths of a degree (or a text's affine picture as a world transform), the style
// bits as weight, italic, underline and strikeout, and the nine alignments as the DC's text
// alignment. TextOutA reads the bytes in the ANSI code page. GDI draws texts without the mix mode,
// so a text with a mix mode other than plain drawing is drawn into a coverage mask first and each
// covered pixel is combined with the text colour, as the other canvases do.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

#include "gdi_text.h"

#include "gdi_canvas.h"
#include "gdi_coordinates.h"
#include "gdi_pen.h"
#include "page_bounds.h"
#include "server/render/mix_mode.h"

namespace luwnd::render {
namespace {

constexpr const char* kDefaultFace = "Arial";

}  // namespace

HFONT create_font(const TextStyle& style) {
    int height = static_cast<int>(std::lround(std::clamp(style.height, 1.0, 16384.0)));
    double tenths = style.angle * 1800 / std::numbers::pi;
    int angle = std::isfinite(tenths) ? static_cast<int>(std::lround(std::fmod(tenths, 3600))) : 0;
    std::string face = style.face.empty() ? kDefaultFace : style.face;
    if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
    return CreateFontA(-height, 0, angle, angle, (style.style & kTextBold) ? FW_BOLD : FW_NORMAL,
                       (style.style & (kTextItalic | kTextOblique)) ? TRUE : FALSE,
                       (style.style & kTextUnderline) ? TRUE : FALSE,
                       (style.style & kTextStrikeout) ? TRUE : FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

std::wstring wide_from_utf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

namespace {

UINT alignment_of(const TextStyle& style) {
    UINT h = style.h_align == HAlign::kLeft     ? TA_LEFT
             : style.h_align == HAlign::kCentre ? TA_CENTER
                                                : TA_RIGHT;
    UINT v = style.v_align == VAlign::kTop        ? TA_TOP
             : style.v_align == VAlign::kBaseline ? TA_BASELINE
                                                  : TA_BOTTOM;
    return h | v | TA_NOUPDATECP;
}

int coordinate(double value) {
    return gdi_coordinate(value);
}

// No glyph of a font reaches further from its origin than this many em heights; a text is
// judged by the square of that reach around its anchor, which holds whatever its angle and
// alignment.
constexpr double kGlyphReach = 2.0;

// A memory DC with a new 32-bit top-down DIB section of the size selected; the caller
// deletes both. Nothing when GDI could not make them.
struct ScratchPage {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t* pixels = nullptr;

    ScratchPage(HDC like, int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(like);
        if (bitmap == nullptr || dc == nullptr) return;
        previous = SelectObject(dc, bitmap);
        pixels = static_cast<std::uint32_t*>(bits);
    }
    ~ScratchPage() {
        if (previous != nullptr) SelectObject(dc, previous);
        if (dc != nullptr) DeleteDC(dc);
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    ScratchPage(const ScratchPage&) = delete;
    ScratchPage& operator=(const ScratchPage&) = delete;
};

}  // namespace

// Whether the text can put a pixel on the page and GDI can take its place: a text wholly
// off the page is left out, and so is one whose anchor lies beyond the coordinates GDI
// handles, since GDI has crashed on such texts.
bool GdiCanvas::text_reaches_page(Point at, const std::string& bytes,
                                  const TextStyle& style) const {
    if (std::abs(at.x) > kGdiCoordinateLimit || std::abs(at.y) > kGdiCoordinateLimit) return false;
    std::array<Point, 1> anchor{at};
    // The anchor's device point within the limit: an empty page grown by the limit.
    if (!reaches_page(xform_, anchor, 0, kGdiCoordinateLimit, 0, 0)) return false;
    double height = std::clamp(style.height, 1.0, 16384.0);
    double reach = height * kGlyphReach * (static_cast<double>(bytes.size()) + 1);
    // A shaped text reaches as far as its picture stretches the text's own plane.
    if (style.shape) {
        const TextShape& m = *style.shape;
        reach *= std::max(1.0, std::hypot(m.xx, m.yx) + std::hypot(m.xy, m.yy));
    }
    return reaches_page(xform_, anchor, reach, 0, width_, height_);
}

namespace {

// The world transform of a text with an affine picture: the text's own plane, its anchor
// at the origin, taken by the picture onto the page and then by the page's transform.
// False when GDI refused it.
bool shaped_transform(HDC dc, const XFORM& page, Point at, const TextShape& m) {
    XFORM shape{};
    shape.eM11 = static_cast<FLOAT>(m.xx);
    shape.eM21 = static_cast<FLOAT>(m.xy);
    shape.eM12 = static_cast<FLOAT>(m.yx);
    shape.eM22 = static_cast<FLOAT>(m.yy);
    shape.eDx = static_cast<FLOAT>(at.x);
    shape.eDy = static_cast<FLOAT>(at.y);
    XFORM both{};
    return CombineTransform(&both, &shape, &page) && SetWorldTransform(dc, &both);
}

}  // namespace

void GdiCanvas::draw_text(Point at, const std::string& bytes, const TextStyle& style, HDC dc,
                          COLORREF colour) const {
    // A shaped text is drawn unturned at its own origin; the transform places it.
    TextStyle own = style;
    if (style.shape) {
        if (!shaped_transform(dc, xform_, at, *style.shape)) return;
        own.angle = 0;
        at = {0, 0};
    } else if (!SetWorldTransform(dc, &xform_)) {
        return;
    }
    Selected font(dc, create_font(own));
    SetTextAlign(dc, alignment_of(own));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    if ((own.style & kTextUtf8) != 0) {
        const std::wstring wide = wide_from_utf8(bytes);
        TextOutW(dc, coordinate(at.x), coordinate(at.y), wide.data(),
                 static_cast<int>(wide.size()));
    } else {
        TextOutA(dc, coordinate(at.x), coordinate(at.y), bytes.data(),
                 static_cast<int>(bytes.size()));
    }
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
}

// GDI reads the bytes in the ANSI code page, as the program that sent them meant them (a
// plot's named symbols come as UTF-8 and are drawn as such).
void GdiCanvas::text(Point at, const std::string& bytes, const TextStyle& style) {
    std::int32_t mix = effective_mix(style.mix);
    if (!drawable_ || bytes.empty() || bytes.size() > kMaxTextBytes || mix == kMixNop) return;
    if (!text_reaches_page(at, bytes, style)) return;
    if (mix == kMixCopyPen) {
        draw_text(at, bytes, style, dc_, colour_of(style.rgb));
        return;
    }
    masked_text(at, bytes, style);
}

// The text is drawn white on black into a mask with the same clip; the page is copied
// out, each pixel the mask covers at least half is mixed, and the page is copied back.
void GdiCanvas::masked_text(Point at, const std::string& bytes, const TextStyle& style) const {
    ScratchPage mask(dc_, width_, height_), page(dc_, width_, height_);
    if (mask.pixels == nullptr || page.pixels == nullptr) return;
    std::size_t count = std::size_t(width_) * std::size_t(height_);
    std::memset(mask.pixels, 0, count * 4);
    SetGraphicsMode(mask.dc, GM_ADVANCED);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(dc_, clip) == 1) SelectClipRgn(mask.dc, clip);
    DeleteObject(clip);
    draw_text(at, bytes, style, mask.dc, RGB(255, 255, 255));
    BitBlt(page.dc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    GdiFlush();
    for (std::size_t i = 0; i < count; ++i) {
        if (((mask.pixels[i] >> 8) & 0xFF) < 128) continue;
        page.pixels[i] = apply_mix(style.mix, style.rgb, page.pixels[i] & 0xFFFFFF);
    }
    BitBlt(dc_, 0, 0, width_, height_, page.dc, 0, 0, SRCCOPY);
}

}  // namespace luwnd::render
