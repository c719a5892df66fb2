#!/usr/bin/env python3
"""How many path coordinates of SVG and PDF pictures lie off the half-pixel grid.

A coordinate on the grid (a whole or half unit) is one the layout put on a pixel; a curve
kept at full precision has almost all of its coordinates off it. SVG files are counted in
two parts, the glyph outlines (before </defs>) and the rest; PDF files by their path
operators (m, l, c, re) in every content stream.

    bench/path_precision.py FILE.svg|FILE.pdf ...

To measure the plots example (luwnd from the native build, headless):

    for f in svg pdf; do LUMORA_HEADLESS=1 LUMORA_OUTPUT=/tmp/p LUMORA_OUTPUT_FORMAT=$f \\
        PATH=build/native/server/host:$PATH build/native/examples/plots_c; done
    bench/path_precision.py /tmp/p/*.svg /tmp/p/*.pdf
"""
import re
import sys
import zlib

NUMBER = re.compile(rb"-?\d+(?:\.\d+)?")


def on_grid(value):
    return abs(value * 2 - round(value * 2)) <= 1e-6


def count(chunks):
    off = total = 0
    for chunk in chunks:
        for text in NUMBER.findall(chunk):
            total += 1
            off += not on_grid(float(text))
    return off, total


def svg_parts(data):
    end = data.find(b"</defs>")
    glyphs, rest = (data[:end], data[end:]) if end >= 0 else (b"", data)
    path = re.compile(rb' d="([^"]*)"')
    return {"glyph outlines": path.findall(glyphs), "the rest": path.findall(rest)}


def pdf_parts(data):
    paths = []
    for stream in re.finditer(rb"stream\r?\n(.*?)endstream", data, re.S):
        try:
            body = zlib.decompress(stream.group(1))
        except zlib.error:
            body = stream.group(1)
        paths += [m.group(1) for m in re.finditer(rb"((?:-?\d+(?:\.\d+)? )+)(?:m|l|c|re)\b", body)]
    return {"paths": paths}


def main(files):
    if not files:
        print(__doc__)
        return 2
    for name in files:
        data = open(name, "rb").read()
        parts = svg_parts(data) if name.lower().endswith(".svg") else pdf_parts(data)
        all_off = all_total = 0
        for part, chunks in parts.items():
            off, total = count(chunks)
            all_off += off
            all_total += total
            print(f"{name}: {part}: {off} of {total} off the grid ({100 * off / max(total, 1):.1f} %)")
        if len(parts) > 1:
            print(f"{name}: all: {all_off} of {all_total} ({100 * all_off / max(all_total, 1):.1f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
