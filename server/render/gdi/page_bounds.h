// Whether an item can reach the page at all. Items wholly off the page are left out before
// they reach GDI: they would draw nothing, and GDI itself has crashed on far texts.
#pragma once

#include <windows.h>

#include <span>

#include "server/render/canvas.h"

namespace luwnd::render {

// The points' bounding box grown by world_pad on every side, taken through the transform
// and grown by device_pad pixels, meets the page of width x height pixels. Points that are
// not finite never reach it.
bool reaches_page(const XFORM& transform, std::span<const Point> points, double world_pad,
                  double device_pad, int width, int height);

}  // namespace luwnd::render
