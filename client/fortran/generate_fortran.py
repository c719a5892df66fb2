#!/usr/bin/env python3
"""Writes the Fortran bindings of Lumora from the public C headers.

    generate_fortran.py HEADER_DIR OUT_DIR [--calls FILE] [--reference FILE]

reads every *.h in HEADER_DIR and writes OUT_DIR/lumora.inc (fixed-form INCLUDE file
for Fortran 77) and OUT_DIR/lumora.f90 (the Fortran 2008 module `lumora`). With --calls
it also writes a program that calls every operation of the module once with REAL and
once with DOUBLE PRECISION arguments (a compile-and-link test); with --reference a
Markdown page of each generic and the arguments it takes. Declarations it cannot
read are listed on the error stream and left out; the coverage test then fails.

How a header declaration must look to be bound (see also client/fortran/README.md):

- Reference form `lu_<op>_`: every argument by address. When its first parameter is
  `int* result` it becomes `subroutine lu_<op>(result, ...)`, else a function returning
  the C type (and a typed EXTERNAL in lumora.inc). Each `char*` argument has a hidden
  `size_t` length after all other arguments, in the order of the character arguments.
- Window form `lu_<op>_in_window` (by value, no reference form): a function.
- Every other `lu_` function is a value form and needs its reference form `lu_<op>_`.
- Types: int, float, char, size_t (hidden lengths only); void and double results.
- A procedure: a type `typedef void (*lu_<name>_fn)(...)` of the headers; in a reference
  form it is a Fortran procedure passed as the address C calls (an EXTERNAL subroutine
  in Fortran 77, a bind(C) subroutine of the module's abstract interface lu_<name>_fn,
  whose parameters are all by address but a `void*` one, a type(c_ptr) value). A `void*`
  parameter of an operation is an address: a variable in Fortran 77, a type(c_ptr) value
  in the module.
- `const T*` means input, `T*` output (intent(inout)); `const char*` is an input
  text, `char*` a text the call writes.
- Arrays: a parameter of the reference form is an array when the value form's parameter
  of the same name is a `const` pointer (input array), or when an output pointer's name
  ends in "s" or is `record` (output array: `float* factors`). Each array takes rank 1
  or 2 of its own (a field z(nx, ny) with levels l(n)).
- LOGICAL: an int named `flag` or `echo`, or ending in `_flag`.
- REAL or DOUBLE PRECISION: the float arrays of an operation are all REAL(c_float) or
  all DOUBLE PRECISION, and so are its float scalars (coordinates, sizes, gaps), each
  group of its own; DOUBLE PRECISION is converted to float as a C cast would (outputs
  are converted back).
- Window forms: `const char*` texts lose their trailing blanks and get a NUL; a `char*`
  text is followed by an `int` giving its room in bytes (clamped to the variable).
- A parameter named after a Fortran intrinsic its binding calls (real, trim, size next
  to an output array, ...) is refused.
- `#define LU_NAME <integer>` becomes an INTEGER PARAMETER in both files.
"""
import argparse
import glob
import itertools
import os
import re
import sys

PROCEDURE_TYPE = re.compile(r"typedef\s+void\s*\(\s*\*\s*(lu_\w+_fn)\s*\)\s*\(([^()]*)\)\s*;")
# The procedure types the headers define, and their parameters (filled by read_headers).
PROCEDURE_TYPES = {}
DECLARATION = re.compile(r"\b(int|float|double|void)\s+(lu_\w+)\s*\(([^()]*)\)\s*$", re.S)
CONSTANT = re.compile(r"^\s*#\s*define\s+(LU_\w+)\s+(-?\d+)\s*$", re.M)
LOGICAL_NAMES = re.compile(r"^(flag|echo|\w+_flag)$")
C_TYPES = {"int", "float", "char", "size_t", "double"}


class Unbound(Exception):
    """A declaration that does not follow the conventions."""


class Param:
    def __init__(self, text):
        m = re.match(r"^(const\s+)?(\w+)\s*(\*?)\s*(\w+)$", text.strip())
        procedure = m and m.group(2) in PROCEDURE_TYPES and not m.group(3)
        address = m and m.group(2) == "void" and m.group(3) and not m.group(1)
        if not m or not (m.group(2) in C_TYPES or procedure or address):
            raise Unbound("cannot read parameter '%s'" % text.strip())
        self.const = bool(m.group(1))
        self.type = m.group(2)
        self.pointer = bool(m.group(3))
        self.name = m.group(4)
        # Set by classify(): scalar, array, text, buffer, length, logical, result.
        self.role = None
        self.size_of = None  # for a window form's buffer: the int parameter after it


class Function:
    def __init__(self, ret, name, params, header):
        self.ret = ret
        self.name = name
        self.header = header
        inside = params.strip()
        self.params = [] if inside in ("", "void") else [Param(p) for p in inside.split(",")]


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return re.sub(r"//[^\n]*", " ", text)


def read_headers(header_dir):
    """All lu_ declarations and LU_ constants of the public headers, and the failures."""
    functions, constants, failures = {}, [], []
    for path in sorted(glob.glob(os.path.join(header_dir, "*.h"))):
        with open(path, encoding="utf-8") as f:
            raw = f.read()
        constants += CONSTANT.findall(raw)
        for name, params in PROCEDURE_TYPE.findall(" ".join(strip_comments(raw).split())):
            PROCEDURE_TYPES[name] = [Param(p) for p in params.split(",")]
        text = "\n".join(l for l in strip_comments(raw).splitlines() if not l.lstrip().startswith("#"))
        for chunk in text.split(";"):
            if not re.search(r"\blu_\w+\s*\(", chunk):
                continue
            m = DECLARATION.search(" ".join(chunk.split()))
            try:
                if not m:
                    raise Unbound("cannot read '%s'" % " ".join(chunk.split()))
                fn = Function(m.group(1), m.group(2), m.group(3), os.path.basename(path))
                functions[fn.name] = fn
            except Unbound as e:
                failures.append("%s: %s" % (os.path.basename(path), e))
    return functions, constants, failures


def plural(name):
    """Whether an output's name says it holds many values (xs, colours; not lightness)."""
    return name.endswith("s") and not name.endswith("ss")


def classify_reference(fn, value_form):
    params = list(fn.params)
    fn.subroutine = bool(params) and params[0].name == "result" and params[0].type == "int" \
        and params[0].pointer and not params[0].const
    if fn.subroutine:
        params[0].role = "result"
        params = params[1:]
    value_params = {p.name: p for p in value_form.params} if value_form else {}
    texts = []
    lengths = []
    for p in params:
        if p.type == "size_t":
            if p.pointer:
                raise Unbound("%s: size_t %s by address" % (fn.name, p.name))
            p.role = "length"
            lengths.append(p)
            continue
        if lengths:
            raise Unbound("%s: %s after a hidden length" % (fn.name, p.name))
        if p.type in PROCEDURE_TYPES:
            p.role = "procedure"
            continue
        if p.type == "void":
            p.role = "address"
            continue
        if not p.pointer:
            raise Unbound("%s: %s is not passed by address" % (fn.name, p.name))
        if p.type == "char":
            p.role = "text"
            texts.append(p)
            continue
        value = value_params.get(p.name)
        if value is not None and value.pointer and value.const:
            p.role = "array"
        elif not p.const and (plural(p.name) or p.name == "record"):
            p.role = "array"
        elif p.type == "int" and p.const and LOGICAL_NAMES.match(p.name):
            p.role = "logical"
        else:
            p.role = "scalar"
    if len(texts) != len(lengths):
        raise Unbound("%s: %d texts but %d hidden lengths" % (fn.name, len(texts), len(lengths)))
    for text, length in zip(texts, lengths):
        text.length = length


def classify_window(fn):
    params = fn.params
    for i, p in enumerate(params):
        if p.role == "size":
            continue
        if p.type == "size_t":
            raise Unbound("%s: size_t %s in a window form" % (fn.name, p.name))
        if p.type in PROCEDURE_TYPES or p.type == "void":
            raise Unbound("%s: %s %s in a window form" % (fn.name, p.type, p.name))
        if p.type == "char":
            if not p.pointer:
                raise Unbound("%s: char %s by value" % (fn.name, p.name))
            if p.const:
                p.role = "cstring"
            else:
                nxt = params[i + 1] if i + 1 < len(params) else None
                if nxt is None or nxt.type != "int" or nxt.pointer:
                    raise Unbound("%s: char* %s without an int size after it" % (fn.name, p.name))
                p.role = "buffer"
                p.size_of = nxt
                nxt.role = "size"
            continue
        if p.pointer:
            p.role = "array" if p.const or plural(p.name) or p.name == "record" else "scalar"
        elif p.type == "int" and LOGICAL_NAMES.match(p.name):
            p.role = "logical"
        else:
            p.role = "scalar"


def bindable(functions):
    """The operations the module binds (reference and window forms), and the failures."""
    bound, failures = [], []
    for name in sorted(functions):
        fn = functions[name]
        try:
            if name.endswith("_in_window"):
                fn.kind = "window"
                fn.subroutine = False
                classify_window(fn)
                fn.public = name
            elif name.endswith("_"):
                fn.kind = "reference"
                classify_reference(fn, functions.get(name[:-1]))
                fn.public = name[:-1]
            else:
                if name + "_" not in functions:
                    raise Unbound("%s: a value form without the reference form %s_" % (name, name))
                continue
            if fn.subroutine and fn.ret != "int":
                raise Unbound("%s: a result variable but a %s result" % (name, fn.ret))
            link_lengths(fn)
            longest = max(len(v.prefix) for v in variants(fn))
            if len("c_" + name) > 63 or len(fn.public) + longest + 1 > 63:
                raise Unbound("%s: the name is too long for Fortran" % name)
            for v in variants(fn):
                specific(fn, v)
            bound.append(fn)
        except Unbound as e:
            failures.append("%s: %s" % (fn.header, e))
    return bound, failures


# ---- lumora.inc -----------------------------------------------------------------------

INC_TYPES = {"int": "INTEGER", "float": "REAL", "double": "DOUBLE PRECISION"}


def write_inc(bound, constants):
    out = [
        "! LUMORA.INC: declarations for Fortran programs that CALL Lumora.",
        "! Written from the C headers by generate_fortran.py; do not edit.",
        "!",
        "! INCLUDE 'lumora.inc' in every program unit that calls the library.",
        "! The operations with a result variable first are CALLed and need",
        "! nothing here; the ones below return their value as a function value",
        "! and are typed here, so that they work under IMPLICIT NONE.",
        "! The file is valid in fixed and in free form.",
    ]
    for fn in bound:
        if fn.kind != "reference" or fn.subroutine or fn.ret == "void":
            continue
        upper = fn.public.upper()
        out.append("      %s %s" % (INC_TYPES[fn.ret], upper))
        out.append("      EXTERNAL %s" % upper)
    for name, value in constants:
        out.append("      INTEGER %s" % name)
        out.append("      PARAMETER (%s = %s)" % (name, value))
    for line in out:
        if len(line) > 72:
            raise SystemExit("lumora.inc: line longer than 72 columns: " + line)
    return "\n".join(out) + "\n"


# ---- lumora.f90 -----------------------------------------------------------------------

KINDS = [("f", "c_float"), ("d", "c_double")]


class Variant:
    """One specific procedure of a generic: the kind of its float arrays and of its float
    scalars, and the rank of each array; prefix names it."""

    def __init__(self, array_kind, scalar_kind, ranks, prefix):
        self.array_kind = array_kind
        self.scalar_kind = scalar_kind
        self.ranks = ranks
        self.prefix = prefix

    def kind(self, p):
        """The real kind of a float parameter."""
        return self.array_kind if p.role == "array" else self.scalar_kind

    def rank(self, p):
        return self.ranks.get(p.name)


def variants(fn):
    """Every specific procedure of the generic."""
    float_arrays = any(p.type == "float" and p.role == "array" for p in fn.params)
    float_scalars = any(p.type == "float" and p.role == "scalar" for p in fn.params)
    if float_arrays and float_scalars:
        kinds = [(a, s) for a in KINDS for s in KINDS]
    elif float_arrays or float_scalars:
        kinds = [(k, k) for k in KINDS]
    else:
        kinds = [(("i", None), ("i", None))]
    arrays = [p.name for p in fn.params if p.role == "array"]
    out = []
    for (a, akind), (s, skind) in kinds:
        letters = a + s if float_arrays and float_scalars else a
        for ranks in itertools.product([1, 2], repeat=len(arrays)):
            prefix = letters + "".join(str(r) for r in ranks)
            out.append(Variant(akind, skind, dict(zip(arrays, ranks)), prefix))
    return out


def ctype(p):
    return {"int": "integer(c_int)", "float": "real(c_float)", "double": "real(c_double)",
            "size_t": "integer(c_size_t)"}[p.type]


def interface_block(fn):
    """The bind(C) interface of the C function."""
    names = [p.name for p in fn.params]
    kind = "subroutine" if fn.ret == "void" else "function"
    head = "    %s c_%s(%s) bind(C, name='%s')" % (kind, fn.name, ", ".join(names), fn.name)
    lines = wrap(head + (" result(c_result)" if kind == "function" else ""), 6)
    procedures = "".join(", " + p.type for p in fn.params if p.role == "procedure")
    lines.append("      import :: c_int, c_float, c_double, c_char, c_size_t, c_ptr" + procedures)
    lines.append("      implicit none")
    for p in fn.params:
        if p.role in ("procedure", "address"):
            lines.append("      " + dummy_declaration(p, None))
        elif p.role == "result":
            lines.append("      integer(c_int), intent(out) :: %s" % p.name)
        elif p.role == "length" or (fn.kind == "window" and not p.pointer):
            lines.append("      %s, value :: %s" % (ctype(p), p.name))
        elif p.type == "char":
            intent = "in" if p.const else "inout"
            lines.append("      character(kind=c_char), intent(%s) :: %s(*)" % (intent, p.name))
        else:
            intent = "in" if p.const else "inout"
            dims = "(*)" if p.role == "array" else ""
            lines.append("      %s, intent(%s) :: %s%s" % (ctype(p), intent, p.name, dims))
    if kind == "function":
        lines.append("      %s :: c_result" % ctype(Param(fn.ret + " r")))
    lines.append("    end %s" % kind)
    return lines


def wrap(line, indent):
    """Free-form continuation of a long line at its commas."""
    out = []
    while len(line) > 100:
        cut = line.rfind(", ", 0, 95) + 1
        out.append(line[:cut] + " &")
        line = " " * (indent + 2) + line[cut:].lstrip()
    out.append(line)
    return out


def dummy_declaration(p, v):
    if p.role == "procedure":
        return "procedure(%s) :: %s" % (p.type, p.name)
    if p.role == "address":
        return "type(c_ptr), value :: %s" % p.name
    kind, rank = v.kind(p), v.rank(p)
    intent = "in" if p.const or not p.pointer else "inout"
    if p.role == "result":
        return "integer(c_int), intent(out) :: %s" % p.name
    if p.role == "logical":
        return "logical, intent(in) :: %s" % p.name
    if p.role in ("text", "cstring"):
        return "character(len=*), intent(%s) :: %s" % (intent, p.name)
    if p.role == "buffer":
        return "character(len=*), intent(inout) :: %s" % p.name
    ftype = "real(%s)" % kind if p.type == "float" else ctype(p)
    if p.role == "array":
        dims = "(:)" if rank == 1 else "(:,:)"
        return "%s, intent(%s), contiguous :: %s%s" % (ftype, intent, p.name, dims)
    return "%s, intent(%s) :: %s" % (ftype, intent, p.name)


def specific(fn, v):
    """One module procedure: converts what Fortran holds into what the C form takes."""
    name = "%s_%s" % (v.prefix, fn.public)
    args = [p for p in fn.params if p.role != "length"]
    dummies = [p.name for p in args]
    kind_word = "subroutine" if fn.subroutine or fn.ret == "void" else "function"
    head = "  %s %s(%s)" % (kind_word, name, ", ".join(dummies))
    if kind_word == "function":
        head += " result(c_result)"
    lines = wrap(head, 4)
    for p in args:
        lines.append("    " + dummy_declaration(p, v))
    if kind_word == "function":
        lines.append("    %s :: c_result" % ctype(Param(fn.ret + " r")))
    elif fn.subroutine:
        lines.append("    integer(c_int) :: c_result")
    before, after, actuals = [], [], []
    for p in fn.params:
        if p.role == "result":
            actuals.append(p.name)
        elif p.role == "length":
            actuals.append("len(%s, kind=c_size_t)" % p.text_of)
        elif p.role == "logical":
            actuals.append("merge(1_c_int, 0_c_int, %s)" % p.name)
        elif p.role == "cstring":
            actuals.append("trim(%s)//c_null_char" % p.name)
        elif p.role == "buffer":
            lines.append("    character(len=:, kind=c_char), allocatable :: t_%s" % p.name)
            before.append("t_%s = %s//c_null_char" % (p.name, p.name))
            after.append("call from_c_text(%s, t_%s)" % (p.name, p.name))
            actuals.append("t_%s" % p.name)
        elif p.role == "size":
            actuals.append("min(%s, text_room(%s))" % (p.name, fn_buffer(fn, p)))
        elif p.type == "float" and v.kind(p) == "c_double" and p.role in ("scalar", "array"):
            if p.const or (fn.kind == "window" and not p.pointer):
                actuals.append("real(%s, c_float)" % p.name)
            else:
                if p.role == "scalar":
                    dims = ""
                elif v.rank(p) == 1:
                    dims = "(size(%s))" % p.name
                else:
                    dims = "(size(%s, 1), size(%s, 2))" % (p.name, p.name)
                lines.append("    real(c_float) :: t_%s%s" % (p.name, dims))
                before.append("t_%s = real(%s, c_float)" % (p.name, p.name))
                after.append("%s = kept(%s, t_%s, real(%s, c_float))" % ((p.name,) * 4))
                actuals.append("t_%s" % p.name)
        else:
            actuals.append(p.name)
    call = "c_%s(%s)" % (fn.name, ", ".join(actuals))
    body = ["    " + s for s in before]
    if fn.ret == "void":
        body += wrap("    call " + call, 4)
    else:
        body += wrap("    c_result = " + call, 4)
    body += ["    " + s for s in after]
    if fn.subroutine:
        body.append("    %s = c_result" % fn.params[0].name)
    lines += body
    lines.append("  end %s %s" % (kind_word, name))
    # A dummy named like an intrinsic the body calls (size, real, trim, ...) hides it.
    code = "\n".join(l for l in lines[1:] if "::" not in l or "t_" in l)
    for p in args:
        if re.search(r"(?<![\w%%])%s\s*\(" % p.name, code):
            raise Unbound("%s: the parameter name %s hides a Fortran intrinsic" % (fn.name, p.name))
    return lines


def fn_buffer(fn, size_param):
    for p in fn.params:
        if p.role == "buffer" and p.size_of is size_param:
            return p.name
    raise Unbound("%s: size without buffer" % fn.name)


def link_lengths(fn):
    for p in fn.params:
        if p.role == "text":
            p.length.text_of = p.name


def procedure_types(bound):
    """The procedure types the bound operations take, in order."""
    return sorted({p.type for fn in bound for p in fn.params if p.role == "procedure"})


def procedure_dummies(name, params, indent):
    """The declarations of a procedure type's dummies: all by address but the data."""
    out = []
    for p in params:
        if p.type == "void":
            out.append("%stype(c_ptr), value :: %s" % (indent, p.name))
        elif not p.pointer:
            raise SystemExit("%s: %s is not passed by address" % (name, p.name))
        else:
            intent = "in" if p.const else "inout"
            out.append("%s%s, intent(%s) :: %s" % (indent, ctype(p), intent, p.name))
    return out


def abstract_interfaces(bound):
    """A public abstract interface for each procedure type: what a Fortran procedure
    passed for it must look like."""
    out = []
    for name in procedure_types(bound):
        params = PROCEDURE_TYPES[name]
        out.append("  public :: %s" % name)
        out.append("  abstract interface")
        out += wrap("    subroutine %s(%s) bind(C)" % (name, ", ".join(p.name for p in params)), 6)
        out.append("      import :: c_int, c_float, c_double, c_ptr")
        out.append("      implicit none")
        out += procedure_dummies(name, params, "      ")
        out.append("    end subroutine %s" % name)
        out.append("  end interface")
        out.append("")
    return out


def write_module(bound, constants):
    out = [
        "! The Fortran 2008 module of Lumora: explicit interfaces for every operation.",
        "! Written from the C headers by generate_fortran.py; do not edit.",
        "!",
        "!   use lumora",
        "!   call lu_open_window(ir, 0)           ! result variable first: a subroutine",
        "!   r = lu_get_aspect_ratio(1)           ! no result variable: a function",
        "!   k = lu_draw_line_in_window(1, 0, 0, 10, 10)   ! window forms: functions",
        "!",
        "! REAL and DOUBLE PRECISION coordinates both work: the library computes in",
        "! 32-bit reals, and DOUBLE PRECISION values are converted as a C cast would.",
        "module lumora",
        "  use, intrinsic :: iso_c_binding, only: c_int, c_float, c_double, c_char, &",
        "    c_size_t, c_null_char, c_int32_t, c_ptr",
        "  implicit none",
        "  private",
        "",
    ]
    for name, value in constants:
        out.append("  integer(c_int), parameter, public :: %s = %s" % (name.lower(), value))
    out.append("")
    for fn in bound:
        specifics = ["%s_%s" % (v.prefix, fn.public) for v in variants(fn)]
        out.append("  public :: %s" % fn.public)
        out.append("  interface %s" % fn.public)
        out += wrap("    module procedure " + ", ".join(specifics), 6)
        out.append("  end interface %s" % fn.public)
    out.append("")
    out += abstract_interfaces(bound)
    out.append("  interface")
    for fn in bound:
        out += interface_block(fn)
    out.append("  end interface")
    out.append("")
    out.append("contains")
    out.append("")
    out += [
        "  ! A DOUBLE PRECISION output takes what the C side wrote, and keeps its own",
        "  ! value (with all its digits) where the C side left the output alone.",
        "  elemental function kept(old, new, before) result(value)",
        "    real(c_double), intent(in) :: old",
        "    real(c_float), intent(in) :: new, before",
        "    real(c_double) :: value",
        "    if (transfer(new, 0_c_int32_t) == transfer(before, 0_c_int32_t)) then",
        "      value = old",
        "    else",
        "      value = real(new, c_double)",
        "    end if",
        "  end function kept",
        "",
        "  ! A text the C side wrote, NUL-terminated, as a blank-padded Fortran text.",
        "  subroutine from_c_text(text, c_text)",
        "    character(len=*), intent(inout) :: text",
        "    character(len=*, kind=c_char), intent(in) :: c_text",
        "    integer :: end",
        "    end = index(c_text, c_null_char)",
        "    if (end == 0) end = len(c_text) + 1",
        "    text = c_text(1:min(end - 1, len(text)))",
        "  end subroutine from_c_text",
        "",
        "  ! The room a window form may write into: the text and its NUL.",
        "  pure function text_room(text) result(room)",
        "    character(len=*), intent(in) :: text",
        "    integer(c_int) :: room",
        "    room = int(len(text), c_int) + 1_c_int",
        "  end function text_room",
        "",
    ]
    for fn in bound:
        for v in variants(fn):
            out += specific(fn, v)
            out.append("")
    out.append("end module lumora")
    return "\n".join(out) + "\n"


# ---- the reference of the module's generics ---------------------------------------------

NUMBER_WORDS = {"int": "integer", "double": "double precision", "size_t": "integer"}


def argument_text(p):
    """What a generic takes for one argument, in Fortran words."""
    out = "" if p.const or not p.pointer else ", out"
    if p.role == "result":
        return "integer, out"
    if p.role == "logical":
        return "logical"
    if p.role in ("text", "cstring"):
        return "character(len=*)" + out
    if p.role == "buffer":
        return "character(len=*), out"
    if p.role == "size":
        return "integer (room; clamped to the variable)"
    if p.role == "procedure":
        return "a subroutine of the interface %s (EXTERNAL in Fortran 77)" % p.type
    if p.role == "address":
        return "type(c_ptr) (`c_loc` of a variable, or `c_null_ptr`)"
    if p.role == "array":
        kind = "real or double precision (A)" if p.type == "float" else NUMBER_WORDS[p.type]
        return "%s, rank 1 or 2%s" % (kind, out)
    if p.type == "float":
        return "real or double precision (S)" + out
    return NUMBER_WORDS[p.type] + out


def write_reference(bound):
    """A page listing each generic with what it takes, for looking up a compiler's "no
    specific subroutine for the generic" message."""
    out = [
        "# The Fortran module's generics",
        "",
        "Written from the C headers by `client/fortran/generate_fortran.py`; do not edit.",
        "",
        "Each operation of the module `lumora` is a generic name. A call matches it when",
        "every argument has the type below; otherwise gfortran says \"There is no specific",
        "subroutine (or function) for the generic\". Arguments marked (A), the arrays, are",
        "all `real` or all `double precision` in one call; those marked (S), the real",
        "scalars, likewise, each group on its own. Every array is rank 1 or rank 2 on its",
        "own. `out` marks what the call writes: pass a variable.",
        "",
        "| call | arguments |",
        "|---|---|",
    ]
    for fn in bound:
        args = [p for p in fn.params if p.role != "length"]
        names = ", ".join(p.name for p in args)
        if fn.subroutine or fn.ret == "void":
            call = "`call %s(%s)`" % (fn.public, names)
        else:
            call = "`%s(%s)`, %s function" % (fn.public, names, INC_TYPES[fn.ret].lower())
        described = "; ".join("`%s` %s" % (p.name, argument_text(p)) for p in args)
        out.append("| %s | %s |" % (call, described or "none"))
    return "\n".join(out) + "\n"


# ---- the every-operation program -------------------------------------------------------

def actual(p, v, slot):
    """An actual argument of the right type; outputs get an array element of their own."""
    kind, rank = v.kind(p), v.rank(p)
    real = "r" if kind == "c_float" else "d"
    if p.role == "result":
        return "ir"
    if p.role == "logical":
        return ".false."
    if p.role in ("text", "cstring"):
        return "'x'" if p.const else "txt(%d)" % slot
    if p.role == "buffer":
        return "txt(%d)" % slot
    if p.role == "size":
        return "64"
    if p.role == "procedure":
        return "any_%s" % p.type
    if p.role == "address":
        return "c_null_ptr"
    if p.role == "array":
        return "%sa%d_%d" % ("i" if p.type == "int" else real, rank, slot)
    if p.const or not p.pointer:
        return "1" if p.type == "int" else ("0.5" if kind == "c_float" else "0.5d0")
    return "%sv(%d)" % ("i" if p.type == "int" else real, slot)


def write_calls(bound):
    out = [
        "! Calls every specific of the module once (REAL kinds, array ranks); it is",
        "! compiled and linked, not run. Written by generate_fortran.py.",
        "program every_operation",
        "  use, intrinsic :: iso_c_binding, only: c_null_ptr",
        "  use lumora",
        "  use every_operation_procedures",
        "  implicit none",
        "  integer :: ir, k, iv(12)",
        "  real :: x, rv(12)",
        "  double precision :: dv(12)",
        "  character(len=64) :: txt(12)",
    ]
    calls = []
    for fn in bound:
        for v in variants(fn):
            args = ", ".join(actual(p, v, i + 1)
                             for i, p in enumerate(fn.params) if p.role != "length")
            if fn.subroutine or fn.ret == "void":
                calls += wrap("  call %s(%s)" % (fn.public, args), 2)
            elif fn.ret == "int":
                calls += wrap("  k = %s(%s)" % (fn.public, args), 2)
            else:
                calls += wrap("  x = %s(%s)" % (fn.public, args), 2)
    types = {"i": "integer", "r": "real", "d": "double precision"}
    arrays = sorted(set(re.findall(r"\b([ird])a([12])_(\d+)\b", "\n".join(calls))))
    for t, rank, slot in arrays:
        shape = "(12)" if rank == "1" else "(2, 6)"
        out.append("  %s :: %sa%s_%s%s" % (types[t], t, rank, slot, shape))
    out += [
        "  ir = 0; k = 0; iv = 0; x = 0; rv = 0; dv = 0; txt = ' '",
        "  if (command_argument_count() >= 0) stop",
    ]
    out += calls
    out.append("  print *, ir, k, iv, x, rv, dv, txt")
    out.append("end program every_operation")
    return "\n".join(procedures_module(bound) + out) + "\n"


def procedures_module(bound):
    """A module with a procedure of each procedure type for the calls to pass: a module's,
    since gfortran passes an internal procedure through code on the stack."""
    out = [
        "module every_operation_procedures",
        "  use, intrinsic :: iso_c_binding, only: c_int, c_float, c_double, c_ptr",
        "  implicit none",
        "contains",
    ]
    for name in procedure_types(bound):
        params = PROCEDURE_TYPES[name]
        out.append("  subroutine any_%s(%s) bind(C)" % (name, ", ".join(p.name for p in params)))
        out += procedure_dummies(name, params, "    ")
        out.append("  end subroutine any_%s" % name)
    out.append("end module every_operation_procedures")
    out.append("")
    return out


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("header_dir")
    parser.add_argument("out_dir")
    parser.add_argument("--calls")
    parser.add_argument("--reference")
    args = parser.parse_args(argv[1:])
    functions, constants, failures = read_headers(args.header_dir)
    bound, unbound = bindable(functions)
    for failure in failures + unbound:
        print("generate_fortran: left out: " + failure, file=sys.stderr)
    os.makedirs(args.out_dir, exist_ok=True)
    write(os.path.join(args.out_dir, "lumora.inc"), write_inc(bound, constants))
    write(os.path.join(args.out_dir, "lumora.f90"), write_module(bound, constants))
    if args.calls:
        write(args.calls, write_calls(bound))
    if args.reference:
        write(args.reference, write_reference(bound))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
