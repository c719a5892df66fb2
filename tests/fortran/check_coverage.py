#!/usr/bin/env python3
"""Checks that the Fortran bindings cover every public function of the C headers.

    check_coverage.py --inc lumora.inc --module lumora.f90 HEADER_DIR...
    check_coverage.py --generate generate_fortran.py HEADER_DIR...

The second form copies the headers into a temporary folder, writes the bindings with the
generator and checks those. The headers are read here with a parser of their own, so
that a declaration the generator misreads or leaves out shows up as a gap:

- every reference form lu_<op>_ and every window form lu_<op>_in_window is bound in the
  module (bind(C, name=...)) under its public name (lu_<op>, lu_<op>_in_window);
- every other lu_ function has its reference form;
- every LU_ constant the headers define is a PARAMETER in lumora.inc and the module;
- every reference form without a result variable first (it returns its value as the
  function value) is typed in lumora.inc with its C type and named EXTERNAL, and no
  CALLed one is typed there.
Exit status 1 and one line per gap when something is not covered.
"""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

FUNCTION = re.compile(r"\b(int|float|double|void)\s+(lu_\w+)\s*\(([^;{}]*?)\)\s*;", re.S)
# Any definition of an LU_ name, whatever follows it on its line.
DEFINE = re.compile(r"^\s*#\s*define\s+(LU_\w+)\b", re.M)
INC_TYPE = {"int": "INTEGER", "float": "REAL", "double": "DOUBLE PRECISION"}


def defined_names(header_dirs):
    names = set()
    for folder in header_dirs:
        for path in sorted(glob.glob(os.path.join(folder, "*.h"))):
            with open(path, encoding="utf-8") as f:
                names.update(DEFINE.findall(f.read()))
    return names


def declarations(header_dirs):
    found = {}
    for folder in header_dirs:
        for path in sorted(glob.glob(os.path.join(folder, "*.h"))):
            with open(path, encoding="utf-8") as f:
                text = re.sub(r"/\*.*?\*/", " ", f.read(), flags=re.S)
            for ret, name, params in FUNCTION.findall(text):
                found[name] = (ret, " ".join(params.split()))
    return found


def gaps(found, inc_text, module_text):
    problems = []
    bound = set(re.findall(r"name\s*=\s*'(lu_\w+)'", module_text.replace("&\n", "")))
    publics = set(re.findall(r"^\s*public\s*::\s*(lu_\w+)\s*$", module_text, re.M))
    typed = {}
    for kind, name in re.findall(r"^ {6}(INTEGER|REAL|DOUBLE PRECISION) (LU_\w+)\s*$",
                                 inc_text, re.M):
        typed[name] = kind
    external = set(re.findall(r"^ {6}EXTERNAL (LU_\w+)\s*$", inc_text, re.M))
    constants = set(re.findall(r"^ {6}PARAMETER \((LU_\w+) =", inc_text, re.M))
    for name, (ret, params) in sorted(found.items()):
        if name.endswith("_in_window") or name.endswith("_"):
            public = name[:-1] if name.endswith("_") else name
            if name not in bound:
                problems.append("%s: no interface in the module" % name)
            if public not in publics:
                problems.append("%s: the module has no public %s" % (name, public))
        elif name + "_" not in found:
            problems.append("%s: no reference form %s_ for Fortran" % (name, name))
        if not name.endswith("_"):
            continue
        upper = name[:-1].upper()
        function_valued = ret != "void" and not re.match(r"int\s*\*\s*result\b", params)
        if function_valued:
            if typed.get(upper) != INC_TYPE.get(ret):
                problems.append("%s: lumora.inc types %s as %s, the header as %s" % (
                    name, upper, typed.get(upper), ret))
            if upper not in external:
                problems.append("%s: lumora.inc does not name %s EXTERNAL" % (name, upper))
        elif upper in typed:
            problems.append("%s: lumora.inc types %s, which is CALLed" % (name, upper))
    for name in typed:
        if name.lower() + "_" not in found and name not in constants:
            problems.append("lumora.inc types %s, which no header declares" % name)
    return problems


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--inc")
    parser.add_argument("--module")
    parser.add_argument("--generate")
    parser.add_argument("header_dirs", nargs="+")
    args = parser.parse_args(argv[1:])
    found = declarations(args.header_dirs)
    if not found:
        print("no declarations found in " + ", ".join(args.header_dirs))
        return 1
    work = None
    if args.generate:
        work = tempfile.mkdtemp(prefix="lumora-coverage-")
        headers = os.path.join(work, "include")
        os.makedirs(headers)
        for folder in args.header_dirs:
            for path in glob.glob(os.path.join(folder, "*.h")):
                shutil.copy(path, headers)
        subprocess.run([sys.executable, args.generate, headers, work], check=True)
        args.inc = os.path.join(work, "lumora.inc")
        args.module = os.path.join(work, "lumora.f90")
    with open(args.inc, encoding="utf-8") as f:
        inc_text = f.read()
    with open(args.module, encoding="utf-8") as f:
        module_text = f.read()
    if work:
        shutil.rmtree(work)
    problems = gaps(found, inc_text, module_text)
    for name in sorted(defined_names(args.header_dirs)):
        if not re.search(r"^ {6}PARAMETER \(%s =" % name, inc_text, re.M):
            problems.append("%s: no PARAMETER in lumora.inc" % name)
        if not re.search(r"\b%s\s*=" % name, module_text, re.I):
            problems.append("%s: no parameter in the module" % name)
    for problem in problems:
        print("not covered: " + problem)
    print("%d public functions, %d gaps" % (len(found), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
