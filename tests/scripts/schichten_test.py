#!/usr/bin/env python3
"""scripts/schichten_pruefen.py on small trees: includes downwards and within a folder pass,
includes upwards, across one layer and from data/ fail with the file and line named."""
import pathlib
import subprocess
import sys
import tempfile

PRUEFER = sys.argv[1]
fehler = []


def baum(dateien):
    wurzel = pathlib.Path(tempfile.mkdtemp())
    for name, text in dateien.items():
        (wurzel / name).parent.mkdir(parents=True, exist_ok=True)
        (wurzel / name).write_text(text)
    return wurzel


def lauf(dateien):
    return subprocess.run([sys.executable, PRUEFER, str(baum(dateien))], capture_output=True,
                          text=True, check=False)


def erwarten(bedingung, text):
    if not bedingung:
        fehler.append(text)


gut = lauf({
    "text/a.h": "#pragma once\n",
    "lexicon/b.h": '#include "text/a.h"\n#include "lexicon/c.h"\n#include <vector>\n',
    "search/d.cpp": '#include "lexicon/b.h"\n#include "phonetics/e.h"\n',
    "tests/search/d_test.cpp": '#include "search/d.h"\n#include "tests/hilfe.h"\n',
    "data/wortbestand.txt": "Haus\n",
})
erwarten(gut.returncode == 0, f"sauberer Baum: Status {gut.returncode}, {gut.stderr}")

schlecht = lauf({
    "lexicon/b.h": '#pragma once\n#include "soundgroups/ersetzbaum.h"\n',
    "phonetics/e.cpp": '#include "meaning/f.h"\n',
    "grid/g.cpp": '#include "data/eingebaut.h"\n',
    "data/eingebaut.h": "#pragma once\n",
    "app/h.cpp": '#include "tools/datenquelle.h"\n',
})
erwarten(schlecht.returncode == 1, f"Verstöße: Status {schlecht.returncode}")
for erwartet in ["lexicon/b.h:2: #include \"soundgroups/ersetzbaum.h\": soundgroups/ liegt über lexicon/",
                 "phonetics/e.cpp:1: #include \"meaning/f.h\": meaning/ und phonetics/ sind eine Schicht",
                 "grid/g.cpp:1: #include \"data/eingebaut.h\": data/ hält nur Daten",
                 "data/eingebaut.h: Quelltext in data/",
                 "app/h.cpp:1: #include \"tools/datenquelle.h\": tools/ und app/ sind eine Schicht",
                 "schichten: 5 Verstöße"]:
    erwarten(erwartet in schlecht.stderr, f"fehlt: {erwartet}\n{schlecht.stderr}")

for f in fehler:
    print(f, file=sys.stderr)
sys.exit(1 if fehler else 0)
