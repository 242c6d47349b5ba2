#!/usr/bin/env python3
"""quandel-cli --format: every format parsed back with a reader of its own kind (csv, json)
and compared with the plain output of the same search."""
import csv
import io
import json
import os
import re
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
fehler = []


def lauf(*argumente):
    return subprocess.run([CLI, *argumente], capture_output=True, check=False).stdout


def pruefen(bedingung, text):
    if not bedingung:
        fehler.append(text)


def zeilen(*argumente):
    return [z.split("\t") for z in lauf(*argumente).decode("utf-8").splitlines()]


def formate_vergleichen(name, argumente, kopf, mit_json=True):
    zeilen_ = zeilen(*argumente)
    pruefen(len(zeilen_) > 0, f"{name}: keine Treffer")

    tsv = lauf(*argumente, "--format", "tsv").decode("utf-8").split("\n")
    pruefen(tsv[-1] == "", f"{name}: tsv endet nicht mit einem Zeilenende")
    pruefen([z.split("\t") for z in tsv[:-1]] == [kopf] + zeilen_, f"{name}: tsv")

    csv_bytes = lauf(*argumente, "--format", "csv")
    pruefen(csv_bytes.endswith(b"\r\n"), f"{name}: csv endet nicht mit CR LF")
    gelesen = list(csv.reader(io.StringIO(csv_bytes.decode("utf-8"), newline="")))
    pruefen(gelesen == [kopf] + zeilen_, f"{name}: csv {gelesen[:3]}")

    daten = json.loads(lauf(*argumente, "--format", "json").decode("utf-8"))
    if not mit_json:
        pass
    elif len(kopf) == 1:
        pruefen(daten == [z[0] for z in zeilen_], f"{name}: json")
    else:
        pruefen(daten == [dict(zip(kopf, z)) for z in zeilen_], f"{name}: json")

    raster = lauf(*argumente, "--format", "raster")
    pruefen(raster.endswith(b"\r\n") and b"\n" not in raster.replace(b"\r\n", b""),
            f"{name}: raster mit anderen Zeilenenden als CR LF")
    zeilen_raster = raster.decode("cp1252").split("\r\n")[:-1]
    pruefen(zeilen_raster[0] == "4", f"{name}: raster ohne Spaltenzahl 4")
    woerter = [w for z in zeilen_ for w in z]
    erwartet = [woerter[i:i + 4] + [""] * (4 - len(woerter[i:i + 4]))
                for i in range(0, len(woerter), 4)]
    # Grid rows are comma text: fields with a comma, quote or blank are quoted, quotes doubled.
    gelesen = list(csv.reader(io.StringIO("\n".join(zeilen_raster[1:]), newline="")))
    pruefen(gelesen == erwartet, f"{name}: raster {gelesen[:2]} != {erwartet[:2]}")
    return raster


formate_vergleichen("end eide", ["end", "eide"], ["wort"])
formate_vergleichen("end eide rueck", ["end", "eide", "--rueck"], ["wort"])
raster = formate_vergleichen("end äude", ["end", "äude"], ["wort"])
pruefen(raster == "4\r\nGebäude,Räude,,\r\n".encode("cp1252"), f"raster äude: {raster!r}")
formate_vergleichen("schuettel Reim", ["schuettel", "Reim"],
                    ["suchwort", "tauschwort", "endwort", "stabwort"])

# With the word classes asked for (--wortart, --sinn), each hit is an object with its classes.
arten = json.loads(lauf("end", "eide", "--wortart", "nomen,verb", "--format", "json").decode("utf-8"))
pruefen(len(arten) > 0 and [d["wort"] for d in arten] ==
        [z[0] for z in zeilen("end", "eide", "--wortart", "nomen,verb")], "json mit --wortart")
pruefen(all(set(d) == {"wort", "wortart"} and {"nomen", "verb"} & set(d["wortart"])
            for d in arten), f"json mit --wortart: {arten[:2]}")

# Synonyms: json gives the sets, whose words, each once by its form without marks, are the
# lines of the other formats.
formate_vergleichen("synonym Kummer", ["synonym", "Kummer"], ["wort"], mit_json=False)
gruppen = json.loads(lauf("synonym", "Kummer", "--format", "json").decode("utf-8"))
pruefen(all(isinstance(g, list) for g in gruppen), "synonym json: keine Gruppen")
flach = {}
for wort in (w for g in gruppen for w in g):
    flach.setdefault(" ".join(re.sub(r"\([^)]*\)", "", wort).split()), wort)
pruefen(list(flach.values()) == [z[0] for z in zeilen("synonym", "Kummer")], "synonym json")

with tempfile.TemporaryDirectory() as ordner:
    liste = os.path.join(ordner, "liste.txt")
    with open(liste, "w", encoding="utf-8") as datei:
        datei.write('Kanne\nKomma,Wanne\nsag "ja" Tanne\nBär\n')
    raster = formate_vergleichen("Sonderzeichen", ["end", "nne", "--wortbestand", liste],
                                 ["wort"])
    pruefen(raster == b'4\r\nKanne,"Komma,Wanne","sag ""ja"" Tanne",\r\n',
            f"raster Sonderzeichen: {raster!r}")

pruefen(json.loads(lauf("end", "qxqxq", "--format", "json")) == [], "json ohne Treffer")
pruefen(lauf("end", "qxqxq", "--format", "csv") == b"wort\r\n", "csv ohne Treffer")
schlecht = subprocess.run([CLI, "end", "eide", "--format", "xml"], capture_output=True)
pruefen(schlecht.returncode == 2 and b"xml" in schlecht.stderr, "unbekanntes Format")

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
