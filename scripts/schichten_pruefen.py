#!/usr/bin/env python3
"""Checks the order of the layers: a source file may include headers of its own folder and of
the folders in the layers below it, never of a layer above or of another folder of its own
layer, so no two folders can include each other. data/ holds data files only, and nothing
includes from it. tests/ and bench/ may include everything.

    scripts/schichten_pruefen.py [WURZEL]

prints every include against the order as "datei:zeile: ..." and exits with 1 if there is one.
"""
import pathlib
import re
import sys

# Lowest first; the folders of one entry are one layer.
SCHICHTEN = [
    ("text",),
    ("lexicon",),
    ("soundgroups", "phonetics", "meaning"),
    ("search",),
    ("grid",),
    ("ui",),
    ("app", "tools"),
]
OBEN = ("tests", "bench")
ENDUNGEN = {".h", ".hpp", ".cpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+)/')

RANG = {ordner: rang for rang, schicht in enumerate(SCHICHTEN) for ordner in schicht}


def verstoss(ordner, ziel):
    """Why folder may not include from ziel, or None when it may."""
    if ziel == "data":
        return "data/ hält nur Daten; ihr Zugang liegt im Ordner, der sie braucht"
    if ordner in OBEN or ziel == ordner or ziel not in RANG:
        return None
    if ziel in OBEN:
        return f"{ziel}/ liegt über allen Schichten"
    if RANG[ziel] > RANG[ordner]:
        return f"{ziel}/ liegt über {ordner}/"
    if RANG[ziel] == RANG[ordner]:
        return f"{ziel}/ und {ordner}/ sind eine Schicht"
    return None


def pruefen(wurzel):
    funde = []
    for ordner in list(RANG) + list(OBEN) + ["data"]:
        basis = wurzel / ordner
        if not basis.is_dir():
            continue
        for datei in sorted(basis.rglob("*")):
            if datei.suffix not in ENDUNGEN or not datei.is_file():
                continue
            name = datei.relative_to(wurzel)
            if ordner == "data":
                funde.append(f"{name}: Quelltext in data/, der Zugang gehört in seinen Ordner")
                continue
            zeilen = datei.read_text(encoding="utf-8", errors="replace").splitlines()
            for nr, zeile in enumerate(zeilen, 1):
                treffer = INCLUDE.match(zeile)
                if treffer:
                    grund = verstoss(ordner, treffer.group(1))
                    if grund:
                        funde.append(f"{name}:{nr}: {zeile.strip()}: {grund}")
    return funde


def main():
    wurzel = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    funde = pruefen(wurzel)
    for fund in funde:
        print(fund, file=sys.stderr)
    if funde:
        print(f"schichten: {len(funde)} Verstöße gegen die Schichtenfolge", file=sys.stderr)
        return 1
    print("schichten: keine Verstöße")
    return 0


if __name__ == "__main__":
    sys.exit(main())
