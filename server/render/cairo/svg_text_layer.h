// The text layer of an SVG picture: every line of every text the picture shows, as a
// <text> element with its string, font, size and place, drawn transparent above the
// drawing. Cairo's SVG surface writes each glyph as an outline (a <symbol> used where the
// glyph goes), which looks right but cannot be selected or searched. Writing the glyphs as
// real text instead would need the fonts themselves in the file (found through
// fontconfig, subset, as data URLs) and would leave the look to each viewer's text
// layout. So the outlines stay the visible picture, and with it the embedded font, and
// this layer lies over them for selecting, searching and copying: each line runs along
// its baseline over exactly the width the glyphs take (textLength), whatever font a
// viewer puts in, so a selection covers the glyphs it selects.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>

#include "server/render/canvas.h"

namespace luwnd::render {

class SvgTextLayer {
  public:
    // The layout as it is shown on the context now: its top left corner at (x, y) in the
    // context's user space, the context's matrix taking that to the page.
    void add(cairo_t* cr, PangoLayout* layout, double x, double y, const TextStyle& style,
             const Clip& clip);

    // The layer's elements, empty when no text was shown; positions in pixels, scaled to
    // the file's unit (points a pixel).
    std::string markup(double scale = 1) const;

  private:
    void add_line(const cairo_matrix_t& matrix, PangoLayoutIter* line, PangoLayout* layout,
                  double x, double y, const TextStyle& style);
    // Starts a group clipped like the text, or none for no clip.
    void open_clip(const Clip& clip);

    std::string defs_;      // one clip path per clip in force when texts were shown
    std::string elements_;  // the texts, grouped by clip
    Clip clip_;             // the clip of the group open in elements_
    int clips_ = 0;
};

// The text as XML character data or attribute value: markup characters escaped and the
// characters XML does not allow (control characters, U+FFFE, U+FFFF) made spaces.
std::string xml_text(const std::string& utf8);

}  // namespace luwnd::render
