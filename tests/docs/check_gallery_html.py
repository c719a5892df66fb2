#!/usr/bin/env python3
"""Checks the gallery as HTML: it links every example program and every picture and file
it refers to is there beside it.

    check_gallery_html.py --html OUT/docs/gallery.html --examples DIR1 DIR2 ...

Fails (status 1, one line per gap) when a picture or local link of the page is missing
(paths relative to the page) or a program in one of the folders is not linked."""
import argparse
import os
import re
import sys
from html.parser import HTMLParser


class References(HTMLParser):
    """The pictures and the links of a page."""

    def __init__(self):
        super().__init__()
        self.pictures, self.links = [], []

    def handle_starttag(self, tag, attrs):
        values = dict(attrs)
        if tag == "img" and values.get("src"):
            self.pictures.append(values["src"])
        if tag == "a" and values.get("href"):
            self.links.append(values["href"])


def local(target):
    return not re.match(r"^[a-z][a-z0-9+.-]*:", target) and not target.startswith("#")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--html", required=True)
    parser.add_argument("--examples", nargs="+", required=True)
    args = parser.parse_args()
    with open(args.html, encoding="utf-8") as f:
        page = References()
        page.feed(f.read())
    gaps = []
    folder = os.path.dirname(args.html)
    for kind, targets in (("picture", page.pictures), ("file", page.links)):
        for target in filter(local, targets):
            if not os.path.isfile(os.path.join(folder, target.split("#")[0])):
                gaps.append(f"missing {kind}: {args.html} refers to {target}")
    linked = {os.path.basename(t) for t in page.links if local(t)}
    programs = sorted(name for d in args.examples for name in os.listdir(d)
                      if os.path.splitext(name)[1] in (".c", ".f", ".f90"))
    for name in programs:
        if name not in linked:
            gaps.append(f"not in {args.html}: the example {name}")
    for gap in gaps:
        print(gap)
    print(f"{len(programs)} examples, {len(page.pictures)} pictures checked, {len(gaps)} gaps")
    return 1 if gaps or not programs or not page.pictures else 0


if __name__ == "__main__":
    sys.exit(main())
