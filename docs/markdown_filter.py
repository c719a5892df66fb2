#!/usr/bin/env python3
"""Doxygen's input filter for the pages in docs/ (cmake/LumoraReference.cmake).

The pages are written for a Markdown viewer: chapters are linked by the anchors such a
viewer makes from headings ("#time-axes", "plotting.md#text"), and the gallery links the
example sources in the source tree ("../examples/c/sine.c"). For the HTML manual this
filter gives each heading of the plotting guide that anchor as a Doxygen label, turns
links to a chapter of it into references to that label, and links the example sources
by their names, which the manual copies beside its pages. Code blocks stay as they are.

    markdown_filter.py PAGE.md    (writes the filtered page to standard output)
"""
import os
import re
import sys

HEADING = re.compile(r"^(#{2,6})\s+(.*?)\s*$")
PAGE_WITH_LABELS = "plotting.md"


def anchor(title):
    """The anchor a Markdown viewer makes of a heading: lower case, punctuation dropped,
    blanks to hyphens."""
    text = re.sub(r"[`*_]", "", title).lower()
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def filtered(lines, labelled):
    out, fenced, seen = [], False, set()
    for line in lines:
        if line.startswith("```"):
            fenced = not fenced
        elif not fenced:
            match = HEADING.match(line.rstrip("\n"))
            if labelled and match:
                label = anchor(match.group(2))
                if label not in seen:
                    seen.add(label)
                    line = f"{match.group(1)} {match.group(2)} {{#{label}}}\n"
            else:
                if labelled:
                    line = re.sub(r"\]\(#([\w-]+)\)", r"](@ref \1)", line)
                line = re.sub(r"\]\(plotting\.md#([\w-]+)\)", r"](@ref \1)", line)
                line = re.sub(r"\]\(\.\./examples/[\w/]*/([\w.]+)\)", r"](\1)", line)
        out.append(line)
    return out


def main():
    path = sys.argv[1]
    with open(path, encoding="utf-8") as f:
        lines = f.readlines()
    labelled = os.path.basename(path) == PAGE_WITH_LABELS
    sys.stdout.write("".join(filtered(lines, labelled)))


if __name__ == "__main__":
    main()
