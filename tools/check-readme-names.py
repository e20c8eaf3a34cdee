#!/usr/bin/env python3
"""Keeps the READMEs' names true.

Reads the top-level README.md and the README.md of every library folder
(SORVANA_FOLDERS in the top CMakeLists.txt) and checks what they name in
backticks and links:
- a path (with "/" or an extension) exists, beside the README, from the top,
  or as the end of some path in the tree; a build output ("build/...") is a
  source or a target of the tree;
- a class (a CamelCase name) has a file of that name or a declaration;
- "Class::member" names a member (function, signal, slot, field, enum,
  enumerator, nested type) declared in the body of a class of that name, or
  of one of its bases whose header the class's own header includes; a file
  without such a class (a namespace or free functions, "SettingsCodec") must
  declare the member outside any function; an enum's enumerators count as
  its members;
- any other name (a signal, a namespace, a variable) occurs in the code;
- a relative link leads to a file, and its "#anchor" to a heading there.
And every header of a library folder is named in the folder's map, by its
file name or the name of a class it declares.

    check-readme-names.py [TREE]

TREE is a checkout (default: this one); its tools/fixtures (samples that
break these rules) are not part of it.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 \
    else pathlib.Path(__file__).resolve().parent.parent
top = (root / "CMakeLists.txt").read_text()
folders = re.search(r"set\(SORVANA_FOLDERS ([^)]*)\)", top).group(1).split()
searched = folders + ["tests", "tools", "bench", "scripts", "cmake", ".ci"]
fixtures = root / "tools" / "fixtures"

files = []
for folder in searched:
    files += [p for p in (root / folder).rglob("*") if p.is_file() and fixtures not in p.parents]
files += [p for p in root.iterdir() if p.is_file()]
relative = [p.relative_to(root).as_posix() for p in files]
code = [p for p in files if p.suffix in (".h", ".cpp", ".ui", ".py", ".sh", ".txt", ".cmake", ".qrc")
        or p.name == "run"]
cxx_noise = re.compile(r'//[^\n]*|/\*.*?\*/|R"([^(\s]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"'
                       r"|'(?:\\.|[^'\\\n])*'", re.S)


def blank_cxx(text, literals):
    # Comments go; literals, when asked, keep their quotes but not their
    # contents, so that no brace or name in them counts.
    def blank(m):
        s = m.group(0)
        if s.startswith("/"):
            return re.sub(r"[^\n]", " ", s)
        return '""' if literals else s

    return cxx_noise.sub(blank, text)


# Comments do not count: a name only a comment still mentions is gone.
texts = {p: blank_cxx(p.read_text(errors="replace"), False) if p.suffix in (".h", ".cpp")
         else re.sub(r"^\s*#[^\n]*", "", p.read_text(errors="replace"), flags=re.M)
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


namespace_open = re.compile(r"\bnamespace(?:\s+[\w:]+)?\s*$")


def block_end(text, start):
    """The index just after the brace block that opens at start."""
    depth = 0
    for i in range(start, len(text)):
        if text[i] == "{":
            depth += 1
        elif text[i] == "}":
            depth -= 1
            if depth == 0:
                return i + 1
    return len(text)


def flattened(text):
    """The text with what is inside parentheses and inside braces blanked,
    namespace blocks excepted: what is left is declarations at this level."""
    out, kept = list(text), []  # whether each open block keeps its contents
    for i, c in enumerate(text):
        if c in "({":
            here = not kept or kept[-1]
            if not here:
                out[i] = " "
            kept.append(here and c == "{" and namespace_open.search(text, max(0, i - 200), i) is not None)
        elif c in ")}":
            if kept:
                kept.pop()
            if kept and not kept[-1]:
                out[i] = " "
        elif kept and not kept[-1] and c != "\n":
            out[i] = " "
    return "".join(out)


def declares(flat, member):
    return re.search(r"\b%s\s*[(=;{\[,]" % re.escape(member), flat) is not None


class Scope:
    def __init__(self, path, body, bases):
        self.path, self.flat, self.bases = path, flattened(body), bases
        self.enumerators = set()


classes, enums, enumerators_in = {}, {}, {}
for p in texts:
    if p.suffix not in (".h", ".cpp"):
        continue
    text = blank_cxx(p.read_text(errors="replace"), True)
    for m in re.finditer(r"\b(enum\s+(?:class\s+|struct\s+)?|class\s+|struct\s+|union\s+)(\w+)\s*"
                         r"(?:final\s*)?(:[^;{}()]*)?\{", text):
        start = m.end() - 1
        body = text[start + 1:block_end(text, start) - 1]
        if m.group(1).startswith("enum"):
            names = {e.split("=")[0].strip() for e in body.split(",")} - {""}
            enums.setdefault(m.group(2), set()).update(names)
            enumerators_in.setdefault(p, set()).update(names)
            continue
        bases = []
        for base in re.split(r",(?![^<]*>)", (m.group(3) or ":")[1:]):
            base = re.sub(r"<.*", "", base).split()
            if base:
                bases.append(base[-1].split("::")[-1])
        scope = Scope(p, body, bases)
        # Enumerators of an enum in the class are the class's members too.
        for e in re.finditer(r"\benum\s+(?:class\s+|struct\s+)?\w*\s*(?::[^{;]*)?\{([^{}]*)\}", body):
            scope.enumerators.update(x.split("=")[0].strip() for x in e.group(1).split(","))
        classes.setdefault(m.group(2), []).append(scope)


declared_in = {}
for name, scopes in classes.items():
    for s in scopes:
        declared_in.setdefault(s.path, set()).add(name)


def includes(path, other):
    if path == other:
        return True
    wanted = other.relative_to(root).as_posix()
    return any(inc == wanted or inc == other.name
               for inc in re.findall(r'^\s*#\s*include\s+"([^"]+)"', path.read_text(errors="replace"), re.M))


def class_declares(scope, member, seen):
    if declares(scope.flat, member) or member in scope.enumerators:
        return True
    for base in scope.bases:
        for other in classes.get(base, []):
            if id(other) not in seen and includes(scope.path, other.path):
                seen.add(id(other))
                if class_declares(other, member, seen):
                    return True
    return False


def member_problem(owner, member, where_path=None):
    """None when `owner::member` is declared, "" when owner is none of the
    tree's classes, enums or files, else what is wrong."""
    scopes = classes.get(owner, [])
    headers = stems.get(owner, [])
    if where_path:
        # "folder/Class::member": the class of that file.
        scopes = [s for s in scopes if s.path.with_suffix("").as_posix().endswith("/" + where_path)]
        headers = [p for p in headers if p.with_suffix("").as_posix().endswith("/" + where_path)]
    if scopes:
        if any(class_declares(s, member, set()) for s in scopes):
            return None
        return f"{owner} declares no {member}"
    if owner in enums:
        return None if member in enums[owner] else f"{owner} has no {member}"
    own = [p for p in headers if p.suffix == ".h" and p in texts]
    if own:
        # Named by its file: what the header declares, in a class or not.
        if any(declares(flattened(blank_cxx(texts[p], True)), member)
               or member in enumerators_in.get(p, ())
               or any(class_declares(s, member, set()) for n in declared_in.get(p, ())
                      for s in classes[n] if s.path == p) for p in own):
            return None
        return f"{own[0].name} declares no {member}"
    return ""  # no class, enum or file of ours: a namespace, or Qt's


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
    """None when the path (and its member) exists, else what is wrong."""
    path, _, member = token.partition("::")
    if path.startswith("build/"):
        built = path[len("build/"):]
        ok = path_exists(built, root) or path_exists(built + ".cpp", root) \
            or built.rsplit("/", 1)[-1] in targets
        return None if ok else f"no {path}"
    if not path_exists(path, here):
        return f"no {path}"
    if member:
        member = re.sub(r"\(.*\)$", "", member)
        where = pathlib.PurePath(path).with_suffix("")
        return member_problem(where.name, member, where.as_posix())
    return None


def check_name(token):
    """None when the name is in the code (or is no name), else what is wrong."""
    token = re.sub(r"\(.*\)$", "", token)
    parts = token.split("::")
    if not all(re.fullmatch(r"[A-Za-z_]\w*", p) for p in parts):
        return None  # not a name: nothing to check
    if len(parts) > 1:
        problem = member_problem(parts[-2], parts[-1])
        if problem != "":
            return problem
    for p in parts:
        camel = re.fullmatch(r"[A-Z]\w*[a-z]\w*", p) and not re.fullmatch(r"Q[A-Z]\w*", p)
        if camel and len(parts) == 1:
            if p not in stems and p not in declared:
                return "names nothing in the code"
        elif p not in words:
            return "names nothing in the code"
    return None


def slug(heading):
    return re.sub(r"\s", "-", re.sub(r"[^\w\- ]", "", heading.strip().lower()))


def named(spans):
    """Every name a map's backticks give a file or class by."""
    names = set()
    for span in spans:
        for word in span.split():
            for part in re.sub(r"\(.*\)$", "", word).split("::"):
                names.add(pathlib.PurePath(part).name)
                names.add(pathlib.PurePath(part).stem)
    return names


problems = []
readmes = [root / "README.md"] + [root / f / "README.md" for f in folders]
for readme in readmes:
    if not readme.exists():
        problems.append(f"{readme.relative_to(root)}: missing")
        continue
    here = readme.parent
    text = re.sub(r"```.*?```", "", readme.read_text(), flags=re.S)
    where = readme.relative_to(root)
    spans = [s.strip() for s in re.findall(r"`([^`\n]+)`", text)]
    for span in spans:
        if span.startswith(("-", "!", ":", "$")):
            continue
        tokens = span.split()
        if len(tokens) > 1:
            for word in tokens:
                if "/" in word and not word.startswith(("-", "$", ":")):
                    problem = check_path(word, here)
                    if problem is not None:
                        problems.append(f"{where}: `{span}`: {problem or 'no ' + word}")
            continue
        if "/" in span or re.fullmatch(r"[\w.*-]+\.\w+", span) or "-" in span:
            problem = check_path(span, here)
            if problem is not None:
                problems.append(f"{where}: `{span}` " + (problem or "names nothing in the tree"))
            continue
        problem = check_name(span)
        if problem is not None:
            problems.append(f"{where}: `{span}`: {problem}")
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
    if here != root:
        names = named(spans)
        for header in sorted(here.rglob("*.h")):
            if header.stem not in names and not declared_in.get(header, set()) & names:
                problems.append(f"{where}: names no {header.relative_to(here).as_posix()} "
                                f"(neither the file nor a class it declares)")

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
