// How far the image a screen window shows has followed the window's picture, and what it
// takes to follow it now. An image that holds the picture's first items needs only the
// new ones drawn; once items were removed or changed (the picture's rewrites) the picture
// is drawn again. While the picture is held (the program draws a buffered frame) the
// image stays as it is, and when the frame ends it follows all that changed meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture.h"

namespace luwnd::render {

class ScreenProgress {
  public:
    enum class Step {
        kNone,     // the image is as it should be (or held)
        kDrawNew,  // draw the items from drawn() on onto the image
        kDrawAll,  // make the image anew from the whole picture
    };

    // What the image (has_image: there is one) needs for the picture now. While the
    // picture is held and there is an image: kNone, whatever changed.
    Step step(const Picture& picture, bool has_image);
    // Whether the step now would make the image anew (kDrawAll), without taking it: a
    // host may put that off while pictures are rewritten faster than it shows them.
    bool needs_new_image(const Picture& picture, bool has_image) const;
    // The step was done: the image holds the whole picture.
    void drew(const Picture& picture);
    // The items the image holds.
    std::size_t drawn() const { return drawn_; }
    // True once after a step that let a held picture go: the host shows the image at once.
    bool take_released();

  private:
    bool same_page(const Picture& picture, bool has_image) const;

    std::int32_t width_ = 0, height_ = 0;
    std::uint32_t background_ = 0;
    std::size_t drawn_ = 0;       // items of the picture drawn into the image
    std::uint64_t rewrites_ = 0;  // the picture's rewrites when they were drawn
    bool held_ = false;
    bool released_ = false;
};

}  // namespace luwnd::render
