#!/usr/bin/env python3
"""Doxygen input filter for the public headers, and a check that every operation has a comment.

The headers use plain C comments: one comment above the declarations of an operation's
calling forms. For Doxygen this filter turns that comment into a doc comment for the whole
group (a member group: DISTRIBUTE_GROUP_DOC gives each form the comment) and adds how the
Fortran reference form is called and which hidden lengths it takes. The file's first
comment and any comment that stands alone become file documentation.

    header_filter.py FILE            print the filtered header (Doxygen INPUT_FILTER)
    header_filter.py --check PATH..  list declarations without a comment; status 1 if any
                                     (a folder stands for its .h files)
"""
import glob
import os
import re
import sys

DECLARATION = re.compile(r"^(int|float|void|double|char)\b.*\b(lu_\w+)\s*\(")
DEFINE = re.compile(r"^#define\s+LU_\w+")


def comment_block(lines, start):
    """The index after the comment that starts at lines[start]."""
    end = start
    while "*/" not in lines[end]:
        end += 1
    return end + 1


def declaration_group(lines, start):
    """The index after the declarations (with their continuation lines) from start."""
    end = start
    while end < len(lines) and lines[end].strip() and not lines[end].lstrip().startswith("/*"):
        end += 1
    return end


def parameters(declaration):
    inside = declaration[declaration.index("(") + 1 : declaration.rindex(")")]
    result = []
    for part in inside.split(","):
        part = part.strip()
        if part and part != "void":
            result.append(part)
    return result


def calling_forms(declarations):
    """Doc lines that name the reference forms and their hidden lengths."""
    text = " ".join(line.strip() for line in declarations)
    lines = []
    for declaration in re.findall(r"[^;]*\blu_\w+_\s*\([^)]*\)\s*;", text):
        name = re.search(r"\b(lu_\w+_)\s*\(", declaration).group(1)
        params = parameters(declaration)
        names = [re.split(r"[\s*]+", p)[-1] for p in params]
        hidden = [n for p, n in zip(params, names) if p.startswith("size_t")]
        shown = [n for p, n in zip(params, names) if not p.startswith("size_t")]
        fortran = name[:-1].upper()
        if shown and shown[0] == "result":
            call = "CALL %s(%s)" % (fortran, ", ".join(shown))
        else:
            call = "value = %s(%s)" % (fortran, ", ".join(shown))
        line = " * - Fortran: `%s` calls `%s`" % (call, name)
        if hidden:
            line += "; hidden lengths (size_t, by value, after all other arguments): " + ", ".join(
                "`%s`" % h for h in hidden)
        lines.append(line)
    return lines


def doc_comment(comment, extra):
    body = [line.rstrip("\n") for line in comment]
    body[0] = body[0].replace("/*", "/**", 1)
    if extra:
        body[-1] = body[-1].replace("*/", "").rstrip()
        if body[-1].strip() in ("", "*"):
            body.pop()
        body += [" *", " * @par Reference forms"] + extra + [" */"]
    return [line + "\n" for line in body]


def file_comment(comment):
    body = [line.rstrip("\n") for line in comment]
    body[0] = body[0].replace("/*", "/** @file\n *", 1)
    return [line + "\n" for line in body]


def starts_declarations(line):
    return bool(DECLARATION.match(line) or DEFINE.match(line))


def filter_header(lines):
    out = []
    undocumented = []
    i = 0
    while i < len(lines):
        line = lines[i]
        stripped = line.lstrip()
        if stripped.startswith("/*") and not stripped.startswith("/**"):
            end = comment_block(lines, i)
            comment = lines[i:end]
            if stripped.startswith("/* ----"):
                out += comment
            elif end < len(lines) and starts_declarations(lines[end]):
                group_end = declaration_group(lines, end)
                declarations = lines[end:group_end]
                out += doc_comment(comment, calling_forms(declarations))
                out.append("/**@{*/\n")
                out += declarations
                out.append("/**@}*/\n")
                end = group_end
            else:
                out += file_comment(comment)
            i = end
            continue
        if starts_declarations(line):
            name = DECLARATION.match(line)
            undocumented.append(name.group(2) if name else line.split()[1])
        # A comment after a declaration documents that declaration.
        out.append(re.sub(r";\s*/\*(?!\*)", "; /**<", line))
        i += 1
    return out, undocumented


def main(argv):
    if len(argv) > 1 and argv[1] == "--check":
        missing = []
        paths = []
        for path in argv[2:]:
            paths += sorted(glob.glob(os.path.join(path, "*.h"))) if os.path.isdir(path) else [path]
        for path in paths:
            with open(path, encoding="utf-8") as f:
                _, undocumented = filter_header(f.readlines())
            missing += ["%s: %s" % (path, name) for name in undocumented]
        for entry in missing:
            print("no comment: " + entry)
        return 1 if missing or not paths else 0
    with open(argv[1], encoding="utf-8") as f:
        out, _ = filter_header(f.readlines())
    sys.stdout.write("".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
