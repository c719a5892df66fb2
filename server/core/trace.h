// Trace of the commands the window process receives (LUMORA_TRACE=file).
//
// One line per command, in the order received, appended and flushed at once so that a
// test can read the file while the process runs. Fields are whitespace-separated
// key=value pairs in this order:
//
//   cmd=<letter>   the command letter; a byte that is not a printable character is
//                  written \xNN, an empty command is cmd=none
//   win=<n>        the window the command names: the window character minus 32, 0 for the
//                  process as a whole ('K', 'L', the 'O' probes), the requested number for 'I'
//   p1= p2= p3=    the parameter slots of that window, for slot commands to an open window
//                  (as the client wrote them, before any reply replaces them)
//   further fields, where the command carries more:
//     'K'          id=<connection id> text="<directory;program;banner>"
//     'I'          p1= .. p5= (its five integers) text="<title>"
//     'L'          mode=<m>
//     'O' probes   probe=<0..3>
//     'E' mailbox  code= mask= a= b= (the request) reply="<reply text>"
//     4-byte forms arg=<third character minus 32>
//     'N'          bytes=<announced array size> (absent when refused); before it, for
//                  'N' 28 rule=<the fill-rule word>, for 'N' 32 run1= run2= size= base=
//                  (the words result1 .. result4)
//     'B' 36       off=<byte offset> bytes=<chunk length>
//     'B' 37       bytes=<array size> sum=<FNV-1a 32 of the assembled bytes, 8 hex digits>
//     'B' 60       fmt= smooth= x1= y1= x2= y2= colours= (the picture's header) and
//                  bytes=<its pixel data size> (absent when refused)
//     'B' 61       off=<byte offset> bytes=<chunk length>
//     'B' 62       bytes=<bytes received> sum=<FNV-1a 32 of them, 8 hex digits>
//     'B' 70       r1= r2= r3= r4= (r1 the plot block's size)
//     'B' 71       h= c= (the words at 240 and 244) bytes=<the batch's byte count>, then
//                  items=<the plot items it holds> once read, or error="<why the
//                  reader refused it>"
//     'B' 72       depth=<the buffered-frame depth after it (unchanged when refused)>
//     'B' 73       face="<face>" (its first 255 characters)
//     'B' 74       removed=<the element's items removed>
//     'B' 80       mode= wait= (slots 2, 3) event=<none, key, button, resize, close>
//                  r1= r2= r3= r4= (the answer words) reply="<x y frame>"
//     'B' 19, 'B' 41  unit=<unit_length> x0=<origin_x> y0=<origin_y> as recomputed
//     'B' 25       x0= y0= (the restored origin)
//     'B' 31       r1= r2= r3= r4= (the viewport in device pixels: left, top, right, bottom)
//     'B' 10       state=<1 or 0>, for a query (slot 3 = -1) only
//     'E' 14       r1= r2= r3= r4= (display-list items, room left, messages, questions)
//     'A' 5, 'B' 9 rgb=#RRGGBB (the entry's colour afterwards, in hexadecimal)
//     'A' 6        mask=<changed word> applied=<bits of the fields whose value changed>
//     'A' 7        m11= m12= m21= m22= (the 16.16 factors; the offsets are p2, p3)
//     'A' 8        x1= y1= x2= y2= (the rectangle's corners)
//     'A' 9, 'A' 10  angle= size= align= style= colour= face="<face>" (the font as applied)
//     'A' 20       x1= y1= (where the line starts; absent when there was no position)
//     'A' 21..24   x1= y1= x2= y2= (the corners)
//     'A' 25..27   x1= y1= x2= y2= xs= ys= xe= ye= (corners, start and end ray points)
//     'A' 15       text="<text>"
//     'A' 16       code=<symbol code 0..255>
//     'B' 2        text="<message>"
//     'B' 3        text="<question>" answer=<6 yes, 7 no, 2 neither>
//     'B' 17       text="<text>" r1= r2= r3= r4= (the extent words)
//     'B' 18       r2= r3= (symbol width and height)
//     'A' 14       gx= gy= (grid spacing, result2 and result3)
//     'A' 18       colour=<result1> rgb=#RRGGBB (when it names a colour)
//     'A' 19       value=<result1> rgb=#RRGGBB (when it names a colour)
//     'F'          r1=<the colour value answered>, when there is one
//     'B' 1        r2= r3= r4= (the answer words)
//     'B' 4        removed=<items erased>
//     'B' 11       text="<data file path>" r1= r2= (items added, lines skipped)
//     'B' 12       text="<title>" (its first 255 characters)
//     'B' 13       text="<initial name>" reply="<chosen path>" (when one was chosen)
//     'B' 14       text="<prompt>" reply="<answer>" (when answered)
//     'B' 15       reply="<reply text>"
//     'B' 23       rgb=#RRGGBB (the background) removed=<items erased, when erasing>
//     'B' 26       removed=<items removed>
//     'B' 28       r1= r2= (marker colour value, RGB as a number)
//     'B' 32, 33   r2= r3= r4= (the reply words)
//     'B' 50       text="<file name>" reply="<reason>" (the reason only when refused)
//     'P'          arg=<code> as the other 4-byte forms
//   ret=<result>   the 32-bit result returned, signed decimal
//   err=<reason>   only when a command was refused: tag, length, syntax, window, order,
//                  bounds (also: a full display list), value, unknown, file (a data
//                  file that cannot be read, a picture that cannot be written),
//                  cancel (a dialog cancelled or nobody answered), closed (answered
//                  0x80000002: the user closed a window, the client is to quit), taken
//                  (a handshake while the process is not idle, or one the host does not
//                  admit: another program has it), memory (the drawing budget or the
//                  memory is used up)
//
// What the user does on screen is traced in lines of its own:
//
//   event=resize win=<n> w=<width> h=<height> unit=<unit_length> x0=<origin_x> y0=<origin_y>
//   event=close win=<n> ends=<1 when the connected client was told to end, else 0>
//   event=zoom|pan win=<n> frame=<the plot frame's number> plots=<batches laid out anew>
//   event=unzoom win=<n>   (every plot back to the program's ranges)
//   event=key win=<n> key=<character code> x=<pixel> y=<pixel>
//   event=button win=<n> key=<'A' 65, 'D' 68 or 'X' 88> x=<pixel> y=<pixel>
//
// Texts are quoted; a quote or backslash inside is written \" or \\, a byte outside the
// printable range 0x20..0x7E as \xNN.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace luwnd {

// Collects the fields of one trace line. A line made for a trace that is off collects
// nothing, so that commands cost no formatting when nobody reads it.
class TraceLine {
  public:
    explicit TraceLine(bool collecting = true) : collecting_(collecting) {}
    // Inline, so that a line nobody collects costs one test per field.
    void add(std::string_view key, std::int64_t value) {
        if (collecting_) append_number(key, value);
    }
    void add_word(std::string_view key, std::string_view value) {  // written as it is
        if (collecting_) append_word(key, value);
    }
    void add_text(std::string_view key, std::string_view text) {  // quoted and escaped
        if (collecting_) append_text(key, text);
    }
    void add_rgb(std::string_view key, std::uint32_t rgb) {  // #RRGGBB
        if (collecting_) append_rgb(key, rgb);
    }
    const std::string& text() const { return text_; }

  private:
    void start(std::string_view key);
    void append_number(std::string_view key, std::int64_t value);
    void append_word(std::string_view key, std::string_view value);
    void append_text(std::string_view key, std::string_view text);
    void append_rgb(std::string_view key, std::uint32_t rgb);
    bool collecting_;
    std::string text_;
};

// Appends the value as a quoted, escaped text.
void append_quoted(std::string& out, std::string_view text);

class TraceFile {
  public:
    explicit TraceFile(const std::string& path);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    bool enabled() const { return file_ != nullptr; }
    void write(const TraceLine& line);

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace luwnd
