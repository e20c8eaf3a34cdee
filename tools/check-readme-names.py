#!/usr/bin/env python3
"""Keeps the READMEs' names true.

Reads the top-level README.md and the README.md of every library folder
(SORVANA_FOLDERS in the top CMakeLists.txt) and checks what they name in
backticks and links:
- a path (with "/" or an extension) exists, beside the README, from the top,
  or as the end of some path in the tree; a build output ("build/...") is a
  source or a target of the tree;
- a class (a CamelCase name) has a file of that name or a declaration;
- "Class::member" names a member that the class's own files mention;
- any other name (a signal, a namespace, a variable) occurs in the code;
- a relative link leads to a file, and its "#anchor" to a heading there.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
top = (root / "CMakeLists.txt").read_text()
folders = re.search(r"set\(SORVANA_FOLDERS ([^)]*)\)", top).group(1).split()
searched = folders + ["tests", "tools", "bench", "scripts", "cmake", ".ci"]

files = []
for folder in searched:
    files += [p for p in (root / folder).rglob("*") if p.is_file()]
files += [p for p in root.iterdir() if p.is_file()]
relative = [p.relative_to(root).as_posix() for p in files]
code = [p for p in files if p.suffix in (".h", ".cpp", ".ui", ".py", ".sh", ".txt", ".cmake", ".qrc")
        or p.name == "run"]
# Comments do not count: a name only a comment still mentions is gone.
texts = {p: re.sub(r"/\*.*?\*/|//[^\n]*" if p.suffix in (".h", ".cpp") else r"^\s*#[^\n]*", "",
                   p.read_text(errors="replace"), flags=re.S | re.M)
         for p in code}
words = set()
for text in texts.values():
    words.update(re.findall(r"[A-Za-z_][A-Za-z0-9_]*", text))
stems = {}
for p in files:
    if p.suffix in (".h", ".cpp", ".ui"):
        stems.setdefault(p.stem, []).append(p)
declared = set()
for p, text in texts.items():
    if p.suffix in (".h", ".cpp"):
        declared.update(re.findall(r"\b(?:class|struct|enum(?: class)?|namespace|using)\s+([A-Za-z_]\w*)", text))
targets = set(re.findall(r"add_executable\((\S+)", "\n".join(texts.values())))


def path_exists(name, here):
    if any(c in name for c in "*?["):
        return any(True for _ in here.glob(name)) or any(True for _ in root.glob(name))
    name = name.rstrip("/")
    for base in (here, root):
        for suffix in ("", ".h", ".cpp"):
            if (base / (name + suffix)).exists():
                return True
    return any(r == name or r.endswith("/" + name) or r.startswith(name + "/")
               or ("/" + r).find("/" + name + "/") >= 0 for r in relative)


def check_path(token, here):
    path, _, member = token.partition("::")
    if path.startswith("build/"):
        built = path[len("build/"):]
        return path_exists(built, root) or path_exists(built + ".cpp", root) \
            or built.rsplit("/", 1)[-1] in targets
    if not path_exists(path, here):
        return False
    if member:
        mine = [p for p in stems.get(pathlib.PurePath(path).name, [])]
        return any(re.search(r"\b%s\b" % re.escape(member), texts.get(p, "")) for p in mine)
    return True


def check_name(token):
    token = re.sub(r"\(.*\)$", "", token)
    parts = token.split("::")
    if not all(re.fullmatch(r"[A-Za-z_]\w*", p) for p in parts):
        return None  # not a name: nothing to check
    if len(parts) > 1 and parts[-2] in stems:
        own = [p for p in stems[parts[-2]] if p in texts]
        return any(re.search(r"\b%s\b" % re.escape(parts[-1]), texts[p]) for p in own)
    for p in parts:
        camel = re.fullmatch(r"[A-Z]\w*[a-z]\w*", p) and not re.fullmatch(r"Q[A-Z]\w*", p)
        if camel and len(parts) == 1:
            if p not in stems and p not in declared:
                return False
        elif p not in words:
            return False
    return True


def slug(heading):
    return re.sub(r"\s", "-", re.sub(r"[^\w\- ]", "", heading.strip().lower()))


problems = []
readmes = [root / "README.md"] + [root / f / "README.md" for f in folders]
for readme in readmes:
    if not readme.exists():
        problems.append(f"{readme.relative_to(root)}: missing")
        continue
    here = readme.parent
    text = re.sub(r"```.*?```", "", readme.read_text(), flags=re.S)
    where = readme.relative_to(root)
    for span in re.findall(r"`([^`\n]+)`", text):
        span = span.strip()
        if span.startswith(("-", "!", ":", "$")):
            continue
        tokens = span.split()
        if len(tokens) > 1:
            for word in tokens:
                if "/" in word and not word.startswith(("-", "$", ":")) and not check_path(word, here):
                    problems.append(f"{where}: `{span}`: no {word}")
            continue
        if "/" in span or re.fullmatch(r"[\w.*-]+\.\w+", span) or "-" in span:
            if not check_path(span, here):
                problems.append(f"{where}: `{span}` names nothing in the tree")
            continue
        ok = check_name(span)
        if ok is False:
            problems.append(f"{where}: `{span}` names nothing in the code")
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"\w+:", target):
            continue
        path, _, anchor = target.partition("#")
        linked = (here / path).resolve() if path else readme
        if not linked.exists():
            problems.append(f"{where}: link to {target}: no such file")
        elif anchor and linked.suffix == ".md":
            headings = re.findall(r"^#+\s+(.*)$", linked.read_text(), re.M)
            if anchor not in {slug(h) for h in headings}:
                problems.append(f"{where}: link to {target}: no such heading")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
