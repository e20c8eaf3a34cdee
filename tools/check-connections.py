#!/usr/bin/env python3
"""Keeps every connection compile-checked.

A connection or call made by name fails only at run time, with a warning
nobody sees, when the name is mistyped or the method renamed. The sources
name signals and slots as member-function pointers or call a lambda with a
context object. Caught:
- SIGNAL(), SLOT(), METHOD(), Q_ARG(), Q_RETURN_ARG(), and the strings those
  macros make ("2signal()", "1slot()", "0method()") written out;
- invokeMethod() whose method is not a callable: a callable is a lambda, a
  pointer to a member function or function (&, also through qOverload), or
  a name the same file declares as a lambda (auto f = [...]), a std::function
  or an object of a template parameter's type; any other name or expression
  (a const char*, QByteArray or QString) is a method name;
- a <connection> of a designer form, which uic writes as SIGNAL()/SLOT();
- a function named on_<object>_<signal>, which every generated form's
  setupUi connects by name (connectSlotsByName).

    check-connections.py [PATH]

PATH is a file or a tree (default: this checkout); a tree's build folders,
hidden folders and tools/fixtures (samples that break these rules) are skipped.
"""
import os
import pathlib
import re
import sys

top = pathlib.Path(__file__).resolve().parent.parent
by_name = re.compile(r"\b(SIGNAL|SLOT|METHOD|Q_ARG|Q_RETURN_ARG)\s*\(")
invoke = re.compile(r"\binvokeMethod\s*\(")
comment = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
# What the SIGNAL/SLOT/METHOD macros expand to: a method code, then the signature.
method_code = re.compile(r'"[012][A-Za-z_]\w*\s*\(')
slot_by_name = re.compile(r"\b(on_\w+?_\w+)\s*\(")
form_connection = re.compile(r"<connection(?:\s[^>]*)?>")
form_comment = re.compile(r"<!--.*?-->", re.S)
callable_start = re.compile(r"\[|&|(?:qOverload|QOverload|qConstOverload|qNonConstOverload)\b"
                            r"|std::(?:bind|mem_fn|function)\b")
forwarded = re.compile(r"^(?:std::)?(?:move|forward\s*<[^>]*>)\s*\((.*)\)$", re.S)


def blanked(text, literals):
    # Comments (and literals, when asked) become blanks; lines keep their numbers.
    def blank(m):
        s = m.group(0)
        if s[0] in "\"'":
            return s[0] + " " * (len(s) - 2) + s[-1] if literals else s
        return re.sub(r"[^\n]", " ", s)

    return comment.sub(blank, text)


def second_argument(text, start):
    """The second argument of the call whose '(' is at start, stripped."""
    depth, args, begin, i = 0, [], start + 1, start
    while i < len(text):
        c = text[i]
        if c == '"' or c == "'":
            m = comment.match(text, i)
            i = m.end() if m else i + 1
            continue
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
            if depth == 0:
                args.append(text[begin:i])
                break
        elif c == "," and depth == 1:
            args.append(text[begin:i])
            begin = i + 1
        i += 1
    return args[1].strip() if len(args) > 1 else ""


def callables(text):
    """Names the file declares as callables: lambdas, std::functions, and
    objects of a template parameter's type."""
    names = set(re.findall(r"\bauto\s*&{0,2}\s*(\w+)\s*=\s*\[", text))
    names.update(re.findall(r"\bstd::function\s*<[^;{}]*>\s*&{0,2}\s*(\w+)", text))
    for param in set(re.findall(r"\btemplate\s*<[^>]*?\b(?:typename|class)\s+(\w+)", text)):
        names.update(re.findall(r"\b%s\s*(?:const\s*)?&{0,2}\s*(\w+)\s*[,)=;{]" % param, text))
    return names


def is_callable(argument, names):
    m = forwarded.match(argument)
    if m:
        argument = m.group(1).strip()
    return bool(callable_start.match(argument)) or argument in names


def check_source(source, rel, problems):
    code = blanked(source, literals=True)
    for m in by_name.finditer(code):
        line = code.count("\n", 0, m.start()) + 1
        problems.append(f"{rel}:{line}: {m.group(1)}() connects or calls by name")
    for m in slot_by_name.finditer(code):
        line = code.count("\n", 0, m.start()) + 1
        problems.append(f"{rel}:{line}: {m.group(1)}() is connected by name by a form's setupUi")
    text = blanked(source, literals=False)
    for m in comment.finditer(source):
        if method_code.match(m.group(0)):
            line = source.count("\n", 0, m.start()) + 1
            problems.append(f"{rel}:{line}: {m.group(0)} names a signal, slot or method as a string")
    names = callables(text)
    for m in invoke.finditer(text):
        if not is_callable(second_argument(text, m.end() - 1), names):
            line = text.count("\n", 0, m.start()) + 1
            problems.append(f"{rel}:{line}: invokeMethod() calls a method by name")


def check_form(source, rel, problems):
    text = form_comment.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), source)
    for m in form_connection.finditer(text):
        line = text.count("\n", 0, m.start()) + 1
        problems.append(f"{rel}:{line}: the form connects by name (<connection>)")


def sources(root):
    skipped = root / "tools" / "fixtures"
    for folder, dirs, files in os.walk(root):
        # Hidden folders and build folders hold no sources of ours.
        dirs[:] = sorted(d for d in dirs if not d.startswith(".")
                         and pathlib.Path(folder, d) != skipped
                         and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt")))
        for name in sorted(files):
            if name.endswith((".cpp", ".h", ".hpp", ".ui")):
                path = pathlib.Path(folder, name)
                yield path, path.relative_to(root)


def main():
    given = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else top
    found = sources(given) if given.is_dir() else [(given, given.name)]
    problems = []
    for path, rel in found:
        source = path.read_text(errors="replace")
        if path.suffix == ".ui":
            check_form(source, rel, problems)
        else:
            check_source(source, rel, problems)
    for p in problems:
        print(p)
    return 1 if problems else 0


sys.exit(main())
