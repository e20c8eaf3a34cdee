#!/usr/bin/env python3
"""Keeps the library graph one-way.

SORVANA_FOLDERS in the top CMakeLists.txt lists the libraries from the bottom
of the graph to the top. A library may include only libraries listed before
it, and its DEPS must name exactly the libraries it includes, so that every
static link order the build system derives is complete.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
top = (root / "CMakeLists.txt").read_text()
folders = re.search(r"set\(SORVANA_FOLDERS ([^)]*)\)", top).group(1).split()
include = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.M)

problems = []
for rank, folder in enumerate(folders):
    cmake = (root / folder / "CMakeLists.txt").read_text()
    m = re.search(r"sorvana_library\(\s*\w+\s*(?:DEPS([^)]*))?\)", cmake)
    declared = set(m.group(1).split()) if m and m.group(1) else set()
    used = {}
    for src in sorted((root / folder).rglob("*")):
        if src.suffix not in (".h", ".cpp"):
            continue
        for other in include.findall(src.read_text(errors="replace")):
            if other != folder:
                used.setdefault(other, src.relative_to(root))
    for other, where in sorted(used.items()):
        if other not in folders:
            problems.append(f"{where}: includes {other}/, which is no library")
        elif folders.index(other) > rank:
            problems.append(f"{where}: {folder} includes {other}, a library above it")
        elif other not in declared:
            problems.append(f"{folder}/CMakeLists.txt: DEPS lacks {other} ({where} includes it)")
    for other in sorted(declared - set(used)):
        problems.append(f"{folder}/CMakeLists.txt: DEPS names {other}, which {folder} does not include")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
