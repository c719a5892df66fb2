// The further window commands: what the window process does for each, and its answer.
// Every command names its window by its character; a window that is not open gets 0.
// "n" is the window number. Words: result1 .. result4 at 240, 244, 248, 252; the text
// area at 256. A value out of the range told here gets 0 and changes nothing.
//
//  command        carries                     does                                 answers
//  'A' 14         244 p, 248 q (0 .. 16384,   a grid item: vertical lines every p,  n
//                 not both 0)                 horizontal lines every q device units
//                                             over the page, in the pen
//  'A' 17         slots 2, 3 a point          a marker item with the marker         n
//                                             attributes (and colour, 'A' 18)
//  'A' 18         240 v                       v = -1: markers take the pen colour;  n
//                                             else v, a colour value, becomes the
//                                             marker colour
//  'A' 19         240 v (colour value, -1     a point item: that pixel set to v     n
//                 the pen), slots 2, 3 a
//                 pixel inside the page
//  'F'            slots 1, 2 a pixel          result1 = the RGB colour value        n
//                                             (0x02000000 | r | g<<8 | b<<16) last
//                                             set there by 'A' 19 and not erased
//                                             since; none there: the answer is 0
//  'P' (window 0) the character's code - 32   a number about the process:           that number
//                                             1 open windows, 2 the process
//                                             number, 3 the current window (0 none),
//                                             4 the presets saved; other codes 0
//  'B' 1          slot 2 a kind               128: 244 page width, 248 height,      n
//                                             252 unit length; 64: 244 x, 248 y of
//                                             the current position, 252 1 when there
//                                             is one else 0; 32: 244 items, 248 room
//                                             left, 252 point words held
//  'B' 4          -                           erases the window: empties the        n
//                                             display list
//  'B' 5          slots 2, 3 x, y >= 0        the window's screen position          n
//  'B' 6          slot 2 1 or 0               shows (1) or hides (0) the window     n
//  'B' 10         slot 2 switch 1 .. 5,       sets the process switch t b r i l     n; a query
//                 slot 3 1, 0 or -1           (settings.h); -1 asks for it          1 on, 0 off
//  'B' 12         text, 240 p, 244 q,         the text (at most 255 characters)     n
//                 slots 2, 3 a, b             becomes the window title; p, q, a, b
//                                             are not used
//  'B' 15         slot 2 a                    a reply text in the text area:        n
//                                             1 "width,height" of the page,
//                                             2 "x,y" of the current position or
//                                             "none", 3 "items,room", 4 "b16,g" the
//                                             'B' 16 value and the 'G' code,
//                                             5 "shown,on_top"; other a 0
//  'B' 23         slot 2 a colour value,      the background colour; 1 also erases  n
//                 slot 3 1 or 0               the display list
//  'B' 26         slot 2 k (1 .. items)       removes the last k display items      n
//  'B' 27         -                           markers take the pen colour again     n
//  'B' 28         -                           result1 the marker colour value (-1   n
//                                             the pen's), result2 the RGB markers
//                                             are drawn in now (red << 16 ...)
//  'B' 29         slot 2 1 or 0               keeps the window above others or not  n
//  'B' 32         slot 2 preset 1 .. 16,      saves the window's pen and marker as  n
//                 248 u, 252 v (-1 .. 16384)  the preset, u >= 0 as its pen width,
//                                             v >= 0 as its marker size; replies
//                                             244 presets saved, 248 the width,
//                                             252 the size
//  'B' 33         as 'B' 32; the preset       applies the preset to the window      n
//                 must be saved               (u, v >= 0 replace width and size),
//                                             and writes the pen and marker words
//                                             of the block; replies 244 the preset,
//                                             248 the width, 252 the size applied
//  'B' 34         slot 2 0 .. 3               the picture written for the window    n
//                                             when the process ends: 0 none, 1 PNG,
//                                             2 SVG, 3 PDF (not asked: without a
//                                             display as LUMORA_OUTPUT_FORMAT says,
//                                             with one none)
//  'B' 44         slot 2 a (0 .. 255)         the opacity of everything drawn next  n
//                                             in the window, each item over what
//                                             lies under it: 0 transparent, 255
//                                             opaque (a new window's); erasing
//                                             keeps it
//  'B' 47         slot 2 m (0 .. 2)           how everything drawn next in the      n
//                                             window is laid over what lies under
//                                             it, each item as a whole, the page
//                                             taken as drawn over its background
//                                             colour: 0 over it (a new window's), 1
//                                             replacing it (the background under
//                                             the item, the item over that), 2
//                                             xor (the item's own colours not
//                                             drawn: what lies under it fades to
//                                             the background by the item's
//                                             opacity). The opacity ('B' 44) and
//                                             mix modes apply as before; erasing
//                                             keeps it
//  'B' 50         text the file name          writes the window's picture now to   n; 0 when
//                                             that file, in the format its         nothing was
//                                             extension names: .png, .svg, .pdf    written: the
//                                             (.emf too on Windows; where a        text area
//                                             format cannot be written here, 0);   then holds
//                                             an existing file is replaced         the reason
//  'B' 51 .. 59   reserved for further picture commands; answered 0 until then
//  'B' 60 .. 63   a picture sent in chunks (image_transfer.h)
//
// The plot extension: the library's plotting layer sends its drawing as batches of items
// at sub-pixel precision (plotcore/batch_format.h) through a plot block beside the window
// block. Codes and sizes: plotcore/plot_commands.h. A program that uses only the
// operations above never sends these.
//
//  'B' 70         -                           makes the window's plot block when it     n; 0 when
//                                             has none: kPlotBlockSize bytes named      no block
//                                             kPlotBlockFormat from the process and     can be made
//                                             window numbers; result1 = its size
//  'B' 71         slot 2 the batch's byte     draws the batch that the plot block       n; 0, with
//                 count at offset 0 of the    holds: h = 0 adds it as one display       nothing
//                 plot block, 240 h (0 ..     item; h > 0 makes it element h: a first   drawn, when
//                 kMaxElement), 244 c (0 or   batch (c = 0) replaces the element's      the batch
//                 is 1)                          items where they stand (added at the      refused;
//                                             end when there is none), a continued one  result1 =
//                                             (c = 1) goes right after them             the items
//  'B' 72         slot 2 1 begin, 0 end,      a buffered frame: while the depth is      n, 0 for an
//                 -1 ask; slot 3 of a begin   above 0 the screen keeps showing what     end at
//                 the program's process       it showed when it rose from 0; at 0 it    depth 0;
//                 number, 0 for none          shows the window as it is at once.        result1 =
//                                             Erasing keeps the depth; closing the      the depth
//                                             window or the program's end ends it (on   after it
//                                             Windows the process named is watched).
//                                             A begin beyond depth 1024 gets 0
//  'B' 73         slot 2 style bits (1 bold,  reply in the text area: the font widths   n
//                 2 italic), text the face    of plotcore/font_widths.h for the face
//                 ("" the default)            (kFontWidthValues f32 values)
//  'B' 74         slot 2 h (1 .. kMaxElement) removes element h's items                 n; 0 when
//                                                                                       there is
//                                                                                       none
//
// What the user does to a window (keys, mouse buttons, resizes, the close) is queued per
// window (window_events.h: at most 64, the oldest dropped first) until the program reads it.
//
//  'B' 80         slot 2 a band mode 0 .. 7,  the next event of the window: from     n
//                 slot 3 1 while the program  its queue, else from LUMORA_EVENTS
//                 waits for a click or key,   (event_script.h). result1 the kind:
//                 0 for a look; 240 xref,     0 none, 1 key, 2 button, 3 resize,
//                 248 yref (f64, the low      4 close; result2 the character code,
//                 word first) the band's      the button ('A' left, 'D' middle, 'X'
//                 anchor in the world of the  right), or for none 1 when events can
//                 last point read (modes      still come (a screen, or a script not
//                 1 .. 4: finite)             used up), else 0; result3, result4 the
//                                             pixel (resize: width, height); text
//                                             "x y f": the pixel's world point in the
//                                             plot under it (cursor_position.h),
//                                             frame f, 0 the window's world. While
//                                             a program waits the screen shows its
//                                             band: 0 none, 1 line from the anchor,
//                                             2 rectangle, 3 two horizontal lines,
//                                             4 two vertical lines, 5 horizontal
//                                             line, 6 vertical line, 7 cross-hair.
//                                             Until a close is read, 'B' 80 is
//                                             answered even though the close ended
//                                             the program's other commands
//
// Presets belong to the process, so that one window can take what another saved.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luwnd::further {

// 'A' sub-codes.
inline constexpr std::int32_t kGrid = 14;
inline constexpr std::int32_t kMarkerColour = 18;
inline constexpr std::int32_t kPoint = 19;

// 'B' sub-codes.
inline constexpr std::int32_t kWindowQuery = 1;
inline constexpr std::int32_t kErase = 4;
inline constexpr std::int32_t kScreenPosition = 5;
inline constexpr std::int32_t kShow = 6;
inline constexpr std::int32_t kTitle = 12;
inline constexpr std::int32_t kValueQuery = 15;
inline constexpr std::int32_t kBackground = 23;
inline constexpr std::int32_t kRemoveLast = 26;
inline constexpr std::int32_t kMarkerPen = 27;
inline constexpr std::int32_t kMarkerColourQuery = 28;
inline constexpr std::int32_t kOnTop = 29;
inline constexpr std::int32_t kSavePreset = 32;
inline constexpr std::int32_t kApplyPreset = 33;
inline constexpr std::int32_t kPictureFormat = 34;
inline constexpr std::int32_t kOpacity = 44;
inline constexpr std::int32_t kCompositing = 47;
inline constexpr std::int32_t kSavePicture = 50;
inline constexpr std::int32_t kNextEvent = 80;
// 'B' 70 .. 74: the plot extension, in plotcore/plot_commands.h.

// 'B' 1 kinds.
inline constexpr std::int32_t kQueryPage = 128;
inline constexpr std::int32_t kQueryPosition = 64;
inline constexpr std::int32_t kQueryDisplay = 32;

// 'P' codes.
inline constexpr std::int32_t kOpenWindows = 1;
inline constexpr std::int32_t kProcessNumber = 2;
inline constexpr std::int32_t kCurrentWindow = 3;
inline constexpr std::int32_t kPresetsSaved = 4;

// The opacity of 'B' 44 that draws as before.
inline constexpr std::int32_t kOpaque = 255;

// The compositing modes of 'B' 47.
inline constexpr std::int32_t kComposeOver = 0;
inline constexpr std::int32_t kComposeReplace = 1;
inline constexpr std::int32_t kComposeXor = 2;

// Longest window title taken.
inline constexpr std::size_t kMaxTitle = 255;

}  // namespace luwnd::further
