#!/usr/bin/env python3
"""Checks the plotting guide against the headers and the pictures of the documentation.

    check_docs.py --guide docs/plotting.md --headers H1 H2 --pictures P1.md P2.md ...

Fails (status 1, one line per gap) when a public function of the headers (its value
form: not the Fortran reference form ending in '_' nor the _in_window form) or a code
(#define LU_...) is not named in the guide, or when a page names a picture or a local
file that does not exist (paths relative to the page)."""
import argparse
import os
import re
import sys

DECLARATION = re.compile(r"^\s*(?:int|float|double|void)\s*\*?\s*(lu_\w+)\s*\(", re.M)
CONSTANT = re.compile(r"^\s*#define\s+(LU_\w+)\s", re.M)
# Markdown images and links, and HTML images: the target up to a blank or ')'.
IMAGE = re.compile(r"!\[[^\]]*\]\(([^)\s]+)")
LINK = re.compile(r"(?<!!)\[[^\]]*\]\(([^)\s]+)")
HTML_IMAGE = re.compile(r"<img[^>]*\bsrc=\"([^\"]+)\"")
FENCE = re.compile(r"^```.*?^```", re.M | re.S)


def public_names(header_text):
    """The value forms of the header's functions and its codes, in order."""
    text = re.sub(r"/\*.*?\*/", "", header_text, flags=re.S)
    functions = [
        name for name in DECLARATION.findall(text)
        if not name.endswith("_") and not name.endswith("_in_window")
    ]
    return functions, CONSTANT.findall(text)


def named(name, text):
    return re.search(r"(?<![\w])" + re.escape(name) + r"(?![\w])", text) is not None


def local_targets(page_text):
    """(kind, target) of every picture and local file a page refers to."""
    text = FENCE.sub("", page_text)
    found = [("picture", t) for t in IMAGE.findall(text) + HTML_IMAGE.findall(text)]
    found += [("file", t) for t in LINK.findall(text)]
    return [
        (kind, target.split("#")[0]) for kind, target in found
        if not re.match(r"^[a-z]+:", target) and target.split("#")[0]
    ]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--guide", required=True)
    parser.add_argument("--headers", nargs="+", required=True)
    parser.add_argument("--pages", nargs="+", default=[])
    args = parser.parse_args()

    gaps = []
    with open(args.guide, encoding="utf-8") as f:
        guide = f.read()
    functions_checked = 0
    for header in args.headers:
        with open(header, encoding="utf-8") as f:
            functions, constants = public_names(f.read())
        if not functions:
            gaps.append(f"{header}: no public functions found (is the header parsed right?)")
        functions_checked += len(functions)
        for name in functions:
            if not named(name, guide):
                gaps.append(f"not named in {args.guide}: the function {name} ({header})")
        for name in constants:
            if not named(name, guide):
                gaps.append(f"not named in {args.guide}: the code {name} ({header})")
    pictures_checked = 0
    for page in [args.guide] + args.pages:
        with open(page, encoding="utf-8") as f:
            targets = local_targets(f.read())
        for kind, target in targets:
            pictures_checked += kind == "picture"
            path = os.path.join(os.path.dirname(page), target)
            if not os.path.exists(path):
                gaps.append(f"missing {kind}: {page} refers to {target}")
    for gap in gaps:
        print(gap)
    print(f"{functions_checked} functions, {pictures_checked} pictures checked, "
          f"{len(gaps)} gaps")
    return 1 if gaps else 0


if __name__ == "__main__":
    sys.exit(main())
