#!/usr/bin/env python3
"""Writes the seeds of wizard_form_fuzz into fuzz/corpus_wizard from the example forms.

Every example with a wizard gives three seeds: the form as it is, the form without its
picture payloads (glyphs and images), so that mutations reach the wizard's own binary
properties quickly, and the wizard alone with its first page-aware control and a history. Run it again
when the examples change.
"""
import pathlib
import re

root = pathlib.Path(__file__).resolve().parent.parent
out = root / "fuzz" / "corpus_wizard"
out.mkdir(exist_ok=True)
picture = re.compile(r"^( *)[\w.]*(Glyph|Picture|Bitmap)\.Data = \{[^}]*\}\n", re.M)

for example in sorted((root / "examples").glob("*.dfm")):
    text = example.read_text(encoding="latin-1")
    if "TZelvant" not in text:
        continue
    stem = example.stem
    bare = picture.sub("", text)
    (out / f"{stem}.dfm").write_text(text, encoding="latin-1")
    (out / f"{stem}-nopng.dfm").write_text(bare, encoding="latin-1")
    # The wizard's block up to its first child block, one page-aware child, and the ends.
    lines = bare.splitlines(keepends=True)
    start = next(i for i, l in enumerate(lines) if ": TZelvant" in l)
    indent = len(lines[start]) - len(lines[start].lstrip())
    child = next(i for i in range(start + 1, len(lines)) if lines[i].lstrip().startswith("object "))
    child_indent = len(lines[child]) - len(lines[child].lstrip())
    end = next(i for i in range(child + 1, len(lines))
               if lines[i].strip() == "end" and len(lines[i]) - len(lines[i].lstrip()) == child_indent)
    head = [lines[0]] + [l for l in lines[1:start] if len(l) - len(l.lstrip()) == 2 and "=" in l]
    small = "".join(head + lines[start:end + 1] + [" " * indent + "end\n", "end\n"])
    # The examples are stored with an empty history: give this seed one to read.
    pad = " " * (indent + 2)
    small = small.replace(pad + "HistoryNumPages = 0\n",
                          pad + "HistoryNumPages = 2\n" + pad + "HistoryData = {\n" + pad + "  0100000002000000}\n")
    (out / f"{stem}-wizard.dfm").write_text(small, encoding="latin-1")
