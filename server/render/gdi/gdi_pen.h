// GDI pens and brushes of the canvas's pens and fills, and selecting them into a DC for
// the length of a drawing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "server/render/canvas.h"

namespace luwnd::render {

// Dash lengths in pixels, on and off alternating; empty for a solid line.
std::vector<DWORD> dashes_of(const Pen& pen);
// A new GDI pen for the canvas pen (never for DashStyle::kNone); the caller deletes it.
// One pixel wide solid and alternate pens are cosmetic, so they cover exactly the pixels
// of GDI's lines; wider solid pens have round ends and joins, dashed ones flat ends. An
// exact pen (a plot item's), where GDI draws it (see gdi_canvas.h), is drawn at its width
// rounded to whole pixels, at least one, with its dashes rounded likewise: GDI draws
// neither fractions nor antialiased lines.
HPEN create_pen(const Pen& pen);

// Selects a GDI object into the DC and, when it ends, selects the previous one back and
// deletes the object.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object) {
        previous_ = object != nullptr ? SelectObject(dc, object) : nullptr;
    }
    ~Selected() {
        if (object_ == nullptr) return;
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    bool ok() const { return object_ != nullptr && previous_ != nullptr; }

  private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace luwnd::render
