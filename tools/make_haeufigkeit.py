#!/usr/bin/env python3
"""Generate data/haeufigkeit.txt, the commonness rank of German word forms.

Source (see data/LICENSES.md): the npm package @zxcvbn-ts/language-de 4.1.1
(MIT). Its two ranked lists of lower-case forms are used:
  * src/commonWords.json -- 21,998 forms by their frequency in the German
    subtitles of OpenSubtitles 2024 (ODC-BY, via OPUS);
  * src/wikipedia.json   -- 64,709 forms by their frequency in the German
    Wikipedia.

Filtering: a form is kept only when it consists of letters alone and can be
written in Windows-1252 (this drops "'s", "mr.", "10.000" and the like), and
the tokens of the Wikipedia dump's markup and of web addresses are dropped
(NOISE below: "doc", "id", "title", "url", "curid", ...).

Merging: each list ranks its forms 1, 2, 3, ...; a form's merged key is the
better (smaller) of its two ranks, ties broken by the other rank (a form in
one list only has no other rank), then by the form itself. The file lists the
forms in that order, so the rank of a form is its line number after the
header lines starting with "#". Both lists rank by frequency in a corpus, so a
rank in one means about as common as the same rank in the other; the min
merge lets spoken words ("herz", "leise", "warten") take their subtitle rank
and written ones their Wikipedia rank.

Usage:
  python3 tools/make_haeufigkeit.py [PACKAGE]   # writes the file
  python3 tools/make_haeufigkeit.py --check     # only checks it
PACKAGE is the unpacked package (the folder holding src/) or its .tgz; without
it the script runs `npm pack @zxcvbn-ts/language-de@4.1.1` in a temporary
folder. The output is deterministic.
"""
import json
import subprocess
import sys
import tarfile
import tempfile
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
OUT = REPO / "data" / "haeufigkeit.txt"
PACKAGE = "@zxcvbn-ts/language-de@4.1.1"

NOISE = {
    # the dump's markup: <doc id=... url=... title=...>, ?curid=, <ref>, <formula>
    "doc", "id", "title", "url", "curid", "ref", "formula",
    # web addresses
    "http", "https", "www", "php", "html", "org", "com",
}

HEADER = """\
# Häufigkeitsrang deutscher Wortformen, klein geschrieben: die Form in Zeile n
# (ohne diese Kopfzeilen) hat Rang n. Erzeugt von tools/make_haeufigkeit.py aus
# @zxcvbn-ts/language-de 4.1.1 (MIT): commonWords (OpenSubtitles 2024, ODC-BY)
# und wikipedia, zusammengeführt nach dem besseren Rang; siehe data/LICENSES.md.
"""


def load_lists(source):
    """The two lists from an unpacked package folder or its tarball."""
    if source.is_dir():
        src = source / "src"
        return (json.loads((src / "commonWords.json").read_text("utf-8")),
                json.loads((src / "wikipedia.json").read_text("utf-8")))
    with tarfile.open(source) as tar:
        def read(name):
            return json.load(tar.extractfile(f"package/src/{name}"))
        return read("commonWords.json"), read("wikipedia.json")


def fetch():
    folder = Path(tempfile.mkdtemp(prefix="haeufigkeit-"))
    subprocess.run(["npm", "pack", PACKAGE], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    return next(folder.glob("*.tgz"))


def usable(form):
    if form in NOISE or not form.isalpha() or form != form.lower():
        return False
    try:
        form.encode("cp1252")
    except UnicodeEncodeError:
        return False
    return True


def ranks(forms):
    ranked = {}
    for form in forms:
        if usable(form) and form not in ranked:
            ranked[form] = len(ranked) + 1
    return ranked


def merge(common, wikipedia):
    by_common = ranks(common)
    by_wikipedia = ranks(wikipedia)
    none = float("inf")

    def key(form):
        a = by_common.get(form, none)
        b = by_wikipedia.get(form, none)
        return (min(a, b), max(a, b), form)

    return sorted(set(by_common) | set(by_wikipedia), key=key)


def render(forms):
    return HEADER + "".join(form + "\n" for form in forms)


def main(argv):
    check = "--check" in argv
    paths = [a for a in argv if a != "--check"]
    if check and not paths:
        text = OUT.read_text("utf-8")
        forms = [l for l in text.splitlines() if not l.startswith("#")]
        assert len(forms) == len(set(forms)), "doppelte Formen"
        assert all(usable(f) for f in forms), "unbrauchbare Form"
        print(f"{OUT}: {len(forms)} Formen, in Ordnung")
        return 0
    source = Path(paths[0]) if paths else fetch()
    text = render(merge(*load_lists(source)))
    if check:
        same = OUT.read_text("utf-8") == text
        print(f"{OUT}: {'unverändert' if same else 'weicht ab'}")
        return 0 if same else 1
    OUT.write_text(text, "utf-8")
    print(f"{OUT}: {text.count(chr(10)) - HEADER.count(chr(10))} Formen")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
