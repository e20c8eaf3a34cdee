#!/usr/bin/env python3
"""Keeps the two translation catalogues complete.

The texts of the program live in resources/i18n/<language>/*.ts; every file of
a language goes into that language's one catalogue. lupdate finds the texts in
the sources; this tool compares them with the catalogues.

  catalogue.py check                 every text has a finished translation in
                                     both languages (exit 1 when not)
  catalogue.py missing LANG          the missing texts of LANG, as TSV lines
                                     "context<TAB>source" (\\n, \\t, \\\\ escaped)
  catalogue.py fill LANG FILE.ts TSV merge "context<TAB>source<TAB>translation"
                                     lines (same escapes) into FILE.ts
  catalogue.py fill-same LANG FILE.ts
                                     add every missing text of LANG to FILE.ts
                                     with the source as its translation (for
                                     English, whose renderings equal the source)
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SOURCE_DIRS = ["app", "ui", "communication", "analyzer", "drying", "search",
               "settings", "terminal"]
LANGUAGES = {"english": "en_GB", "polish": "pl_PL"}


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def escape(text):
    return (text.replace("\\", "\\\\").replace("\n", "\\n")
            .replace("\t", "\\t").replace("\r", "\\r"))


def element_text(element):
    """The text of an element; lupdate writes a control character such as CR
    as a <byte value="xd"/> child."""
    if element is None:
        return ""
    out = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            out.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        out.append(child.tail or "")
    return "".join(out)


def read_ts(path):
    """{(context, source): translation or None when unfinished}"""
    entries = {}
    tree = ET.parse(path)
    for ctx in tree.getroot().iter("context"):
        name = ctx.findtext("name") or ""
        for msg in ctx.iter("message"):
            source = element_text(msg.find("source"))
            tr = msg.find("translation")
            text = None
            if tr is not None and tr.get("type") not in ("unfinished", "obsolete", "vanished"):
                numerus = tr.findall("numerusform")
                text = numerus[0].text if numerus else tr.text
                if not text:
                    text = None
            entries[(name, source)] = text
    return entries


def source_texts():
    dirs = [os.path.join(ROOT, d) for d in SOURCE_DIRS if os.path.isdir(os.path.join(ROOT, d))]
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "all.ts")
        subprocess.run(["lupdate", "-silent", "-no-obsolete", "-locations", "none", "-I", ROOT,
                        "-extensions", "cpp,h,ui", *dirs, "-ts", ts],
                       check=True, stdout=subprocess.DEVNULL)
        return set(read_ts(ts).keys())


def catalogue(lang):
    entries = {}
    folder = os.path.join(ROOT, "resources", "i18n", lang)
    for name in sorted(os.listdir(folder)):
        if name.endswith(".ts"):
            for key, text in read_ts(os.path.join(folder, name)).items():
                if text is not None or key not in entries:
                    entries[key] = text
    return entries


def missing(lang, texts=None):
    texts = source_texts() if texts is None else texts
    have = catalogue(lang)
    return sorted(k for k in texts if have.get(k) is None)


def write_ts(path, lang, entries):
    """entries: {(context, source): translation}; contexts and messages sorted."""
    root = ET.Element("TS", version="2.1", language=LANGUAGES[lang])
    by_ctx = {}
    for (ctx, src), tr in entries.items():
        by_ctx.setdefault(ctx, []).append((src, tr))
    for ctx in sorted(by_ctx):
        c = ET.SubElement(root, "context")
        ET.SubElement(c, "name").text = ctx
        for src, tr in sorted(by_ctx[ctx]):
            m = ET.SubElement(c, "message")
            ET.SubElement(m, "source").text = src
            t = ET.SubElement(m, "translation")
            if tr is None:
                t.set("type", "unfinished")
            else:
                t.text = tr
    ET.indent(root, "    ")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(ET.tostring(root, encoding="unicode"))
        f.write("\n")


def fill(lang, path, new):
    entries = read_ts(path) if os.path.exists(path) else {}
    entries.update(new)
    write_ts(path, lang, entries)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    cmd = argv[1]
    if cmd == "check":
        texts = source_texts()
        bad = 0
        for lang in LANGUAGES:
            for ctx, src in missing(lang, texts):
                print(f"{lang}: no translation for [{ctx}] {escape(src)!r}")
                bad += 1
        print(f"{len(texts)} texts, {bad} missing translations")
        return 1 if bad else 0
    if cmd == "missing" and len(argv) == 3:
        for ctx, src in missing(argv[2]):
            print(f"{ctx}\t{escape(src)}")
        return 0
    if cmd == "fill" and len(argv) == 5:
        new = {}
        with open(argv[4], encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip() or line.startswith("#"):
                    continue
                parts = line.split("\t")
                if len(parts) != 3:
                    print(f"{argv[4]}:{n}: expected context<TAB>source<TAB>translation")
                    return 1
                new[(parts[0], unescape(parts[1]))] = unescape(parts[2])
        fill(argv[2], argv[3], new)
        return 0
    if cmd == "fill-same" and len(argv) == 4:
        fill(argv[2], argv[3], {k: k[1] for k in missing(argv[2])})
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
