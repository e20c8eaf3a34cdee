#!/usr/bin/env python3
"""Keeps every connection compile-checked.

A connection or call made by name (SIGNAL()/SLOT(), invokeMethod with a
method name, Q_ARG) fails only at run time, with a warning nobody sees, when
the name is mistyped or the method renamed. The sources name signals and
slots as member-function pointers or call a lambda with a context object.
Checks every C++ source of the tree outside build folders.
"""
import os
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
by_name = re.compile(r"\b(SIGNAL|SLOT|Q_ARG|Q_RETURN_ARG)\s*\(")
invoke = re.compile(r"\binvokeMethod\s*\(")
comment = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)


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


def sources():
    for folder, dirs, files in os.walk(root):
        # Hidden folders and build folders hold no sources of ours.
        dirs[:] = sorted(d for d in dirs if not d.startswith(".")
                         and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt")))
        for name in sorted(files):
            if name.endswith((".cpp", ".h", ".hpp")):
                path = pathlib.Path(folder, name)
                yield path, path.relative_to(root)


problems = []
for path, rel in sources():
    source = path.read_text(errors="replace")
    code = blanked(source, literals=True)
    for m in by_name.finditer(code):
        line = code.count("\n", 0, m.start()) + 1
        problems.append(f"{rel}:{line}: {m.group(1)}() connects or calls by name")
    text = blanked(source, literals=False)
    for m in invoke.finditer(text):
        if second_argument(text, m.end() - 1).startswith('"'):
            line = text.count("\n", 0, m.start()) + 1
            problems.append(f"{rel}:{line}: invokeMethod() calls a method by name")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
