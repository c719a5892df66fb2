#!/usr/bin/env python3
"""Checks that a file is a whole PNG picture with something drawn on it.

Usage: check_png.py FILE
Every chunk's CRC must hold, IHDR come first and IEND last, and the image data inflate
to exactly the size the header gives. For 8-bit pictures the rows are unfiltered and
the picture must hold more than one colour (a blank page is not a drawing).
Exit status 0 when all holds; otherwise 1 with the reason on stderr.
"""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunks(data):
    """Yields (type, body) of each chunk; raises ValueError on a broken one."""
    pos = len(SIGNATURE)
    while pos < len(data):
        if pos + 12 > len(data):
            raise ValueError("cut short inside a chunk header at byte %d" % pos)
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        end = pos + 8 + length
        if end + 4 > len(data):
            raise ValueError("chunk %r runs past the end of the file" % kind)
        body = data[pos + 8:end]
        (crc,) = struct.unpack(">I", data[end:end + 4])
        if zlib.crc32(kind + body) != crc:
            raise ValueError("chunk %r has a wrong CRC" % kind)
        yield kind, body
        pos = end + 4


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height, bpp):
    """The pixel rows of filtered 8-bit image data."""
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                line[i] = (line[i] + paeth(a, b, c)) & 255
            elif kind != 0:
                raise ValueError("row %d has the unknown filter %d" % (y, kind))
        rows.append(bytes(line))
        prev = line
    return rows


def check(data):
    if not data.startswith(SIGNATURE):
        raise ValueError("no PNG signature")
    found = list(chunks(data))
    if not found or found[0][0] != b"IHDR" or len(found[0][1]) != 13:
        raise ValueError("IHDR is not the first chunk")
    if found[-1][0] != b"IEND":
        raise ValueError("IEND is not the last chunk (file cut short?)")
    width, height, depth, colour = struct.unpack(">IIBB", found[0][1][:10])
    if width == 0 or height == 0 or colour not in CHANNELS:
        raise ValueError("bad header: %dx%d, colour type %d" % (width, height, colour))
    raw = zlib.decompress(b"".join(body for kind, body in found if kind == b"IDAT"))
    row_bytes = (width * CHANNELS[colour] * depth + 7) // 8
    if len(raw) != height * (row_bytes + 1):
        raise ValueError("image data of %d bytes, %d expected" % (len(raw), height * (row_bytes + 1)))
    if depth == 8 and colour != 3:
        bpp = CHANNELS[colour]
        colours = set()
        for row in unfilter(raw, width, height, bpp):
            colours.update(row[i:i + bpp] for i in range(0, len(row), bpp))
            if len(colours) > 1:
                break
        if len(colours) < 2:
            raise ValueError("the picture is one colour only: nothing was drawn")
    return width, height


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: check_png.py FILE\n")
        return 2
    try:
        with open(sys.argv[1], "rb") as handle:
            width, height = check(handle.read())
    except (OSError, ValueError, zlib.error) as error:
        sys.stderr.write("%s: %s\n" % (sys.argv[1], error))
        return 1
    print("%s: PNG %dx%d" % (sys.argv[1], width, height))
    return 0


if __name__ == "__main__":
    sys.exit(main())
