#!/usr/bin/env python3
"""Turns the gallery page (docs/gallery.md) into one HTML page without Doxygen.

    gallery_html.py --page docs/gallery.md --root . --out build/native/docs/gallery

The page lands at OUT/<page's folder>/<name>.html, and every picture and local file it
refers to is copied to OUT/<its path under ROOT>, so that the page's relative links work
unchanged and the folder can be opened or copied anywhere. Only what the page uses is
understood: headings, paragraphs, pictures, links, inline code, emphasis, code blocks,
tables and lists. Standard library only.
"""
import argparse
import html
import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from markdown_filter import anchor  # noqa: E402  (the anchors a Markdown viewer makes)

HEADING = re.compile(r"^(#{1,6})\s+(.*?)\s*#*\s*$")
TABLE_RULE = re.compile(r"^\|?\s*:?-{3,}:?\s*(\|\s*:?-{3,}:?\s*)*\|?\s*$")
LIST_ITEM = re.compile(r"^\s*(?:[-*]|\d+\.)\s+")
IMAGE = re.compile(r"!\[([^\]]*)\]\(([^)\s]+)\)")
LINK = re.compile(r"\[([^\]]+)\]\(([^)\s]+)\)")
CODE_SPAN = re.compile(r"`([^`]+)`")
STRONG = re.compile(r"\*\*(.+?)\*\*")
EMPHASIS = re.compile(r"(?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*])")

STYLE = """body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em;
       line-height: 1.45; color: #222; }
img { max-width: 100%; border: 1px solid #ccc; }
code, pre { font-family: monospace; background: #f4f4f4; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: 0.3em; }
"""


def local(target):
    """Whether a link goes to a file beside the page (not a web address or an anchor)."""
    return not re.match(r"^[a-z][a-z0-9+.-]*:", target) and not target.startswith("#")


def inline(text, targets):
    """One line of Markdown text as HTML; notes each local target in targets."""
    spans = []

    def keep(fragment):
        spans.append(fragment)
        return f"\x00{len(spans) - 1}\x00"

    def image(m):
        if local(m.group(2)):
            targets.append(m.group(2))
        return keep(f'<img src="{html.escape(m.group(2))}" alt="{html.escape(m.group(1))}">')

    def link(m):
        if local(m.group(2)):
            targets.append(m.group(2))
        return keep(f'<a href="{html.escape(m.group(2))}">') + m.group(1) + keep("</a>")

    text = CODE_SPAN.sub(lambda m: keep(f"<code>{html.escape(m.group(1))}</code>"), text)
    text = IMAGE.sub(image, text)
    text = LINK.sub(link, text)
    text = html.escape(text, quote=False)
    text = STRONG.sub(r"<strong>\1</strong>", text)
    text = EMPHASIS.sub(r"<em>\1</em>", text)
    while "\x00" in text:
        text = re.sub(r"\x00(\d+)\x00", lambda m: spans[int(m.group(1))], text)
    return text


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


def table(rows, targets):
    head = "".join(f"<th>{inline(c, targets)}</th>" for c in cells(rows[0]))
    body = "".join(
        "<tr>" + "".join(f"<td>{inline(c, targets)}</td>" for c in cells(r)) + "</tr>\n"
        for r in rows[2:])
    return f"<table>\n<tr>{head}</tr>\n{body}</table>"


def blocks(lines):
    """The page's blocks: (kind, lines), kind one of heading, code, table, list, text."""
    out, k = [], 0
    while k < len(lines):
        line = lines[k]
        if not line.strip():
            k += 1
        elif line.startswith("```"):
            end = next((j for j in range(k + 1, len(lines)) if lines[j].startswith("```")),
                       len(lines))
            out.append(("code", lines[k + 1:end]))
            k = end + 1
        elif HEADING.match(line):
            out.append(("heading", [line]))
            k += 1
        else:
            kind = ("table" if line.lstrip().startswith("|") and k + 1 < len(lines)
                    and TABLE_RULE.match(lines[k + 1]) else
                    "list" if LIST_ITEM.match(line) else "text")
            end = k + 1
            while (end < len(lines) and lines[end].strip() and not lines[end].startswith("```")
                   and not HEADING.match(lines[end])
                   and (kind != "text" or not LIST_ITEM.match(lines[end]))):
                end += 1
            out.append((kind, lines[k:end]))
            k = end
    return out


def list_html(lines, targets):
    items = []
    for line in lines:
        if LIST_ITEM.match(line):
            items.append(LIST_ITEM.sub("", line))
        elif items:
            items[-1] += " " + line.strip()
    ordered = re.match(r"^\s*\d+\.", lines[0]) is not None
    tag = "ol" if ordered else "ul"
    body = "".join(f"<li>{inline(i, targets)}</li>\n" for i in items)
    return f"<{tag}>\n{body}</{tag}>"


def page_html(markdown, targets):
    """The page as an HTML document; every local target it refers to lands in targets."""
    parts, title = [], "Lumora"
    for kind, lines in blocks(markdown.splitlines()):
        if kind == "heading":
            m = HEADING.match(lines[0])
            level, text = len(m.group(1)), m.group(2)
            if level == 1:
                title = text
            parts.append(f'<h{level} id="{anchor(text)}">{inline(text, targets)}</h{level}>')
        elif kind == "code":
            parts.append("<pre><code>" + html.escape("\n".join(lines)) + "</code></pre>")
        elif kind == "table":
            parts.append(table(lines, targets))
        elif kind == "list":
            parts.append(list_html(lines, targets))
        else:
            text = " ".join(line.strip() for line in lines)
            parts.append("<p>" + inline(text, targets) + "</p>")
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            f"<title>{html.escape(title)}</title>\n<style>\n{STYLE}</style>\n</head>\n<body>\n"
            + "\n".join(parts) + "\n</body>\n</html>\n")


def copy_targets(page, root, out, targets):
    """Copies each target beside the page as it lies under root; returns the ones that are
    not there (or lie outside root, where the copy would leave out)."""
    missing = []
    for target in sorted(set(t.split("#")[0] for t in targets if t.split("#")[0])):
        source = os.path.normpath(os.path.join(os.path.dirname(page), target))
        if not os.path.isfile(source) or os.path.relpath(source, root).startswith(".."):
            missing.append(target)
            continue
        destination = os.path.join(out, os.path.relpath(source, root))
        os.makedirs(os.path.dirname(destination), exist_ok=True)
        shutil.copyfile(source, destination)
    return missing


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True)
    parser.add_argument("--root", required=True, help="the folder the page's links stay within")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    page, root = os.path.abspath(args.page), os.path.abspath(args.root)
    with open(page, encoding="utf-8") as f:
        targets = []
        document = page_html(f.read(), targets)
    name = os.path.splitext(os.path.relpath(page, root))[0] + ".html"
    os.makedirs(os.path.dirname(os.path.join(args.out, name)), exist_ok=True)
    with open(os.path.join(args.out, name), "w", encoding="utf-8") as f:
        f.write(document)
    missing = copy_targets(page, root, args.out, targets)
    for target in missing:
        print(f"gallery_html: {args.page} refers to {target}, which is not there",
              file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
