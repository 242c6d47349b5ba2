#!/usr/bin/env bash
# Wall times and peak memory of whole quandel-cli processes, on the built-in stock and on a
# large word list, and the end rhyme next to grep on the same list.
#   bench/cli_zeiten.sh [PROGRAMM] [WORTLISTE]
#   bench/cli_zeiten.sh build/app/quandel-cli /usr/share/dict/ngerman
# Uses hyperfine when installed, else a loop over bash's clock; LAEUFE sets the run count.
set -euo pipefail

cli=${1:-build/app/quandel-cli}
liste=${2:-/usr/share/dict/ngerman}
laeufe=${LAEUFE:-10}

[[ -x $cli ]] || { echo "$0: $cli ist kein ausführbares Programm" >&2; exit 2; }
[[ -r $liste ]] || { echo "$0: $liste ist nicht lesbar" >&2; exit 2; }

# shellcheck source=bench/zeitmessung.sh
source "$(dirname "$0")/zeitmessung.sh"

zeilen() {
    "$@" 2>/dev/null | wc -l || true
}

echo "Programm: $cli ($("$cli" --version)), Wortliste: $liste ($(wc -l <"$liste") Zeilen)"
echo "Läufe je Messung: $laeufe, $(nproc) Kerne"
echo

echo "== Ganze Prozesse, Wandzeit =="
messen "end eide" "$laeufe" "$cli" end eide
messen "end e (Wortliste)" "$laeufe" "$cli" end e --wortbestand "$liste"
messen "lied Liese (Wortliste)" "$laeufe" "$cli" lied Liese --wortbestand "$liste"
messen "schuettel Reim (Wortliste)" "$laeufe" "$cli" schuettel Reim --wortbestand "$liste"
messen "schuettel Peter (Wortliste)" "$laeufe" "$cli" schuettel Peter --wortbestand "$liste"
echo

echo "== Trefferzahlen =="
echo "end eide: $(zeilen "$cli" end eide), end e: $(zeilen "$cli" end e --wortbestand "$liste")," \
    "lied Liese: $(zeilen "$cli" lied Liese --wortbestand "$liste")," \
    "schuettel Reim: $(zeilen "$cli" schuettel Reim --wortbestand "$liste") Zeilen," \
    "schuettel Peter: $(zeilen "$cli" schuettel Peter --wortbestand "$liste") Zeilen"
echo

echo "== Speicherspitze =="
if [[ -x /usr/bin/time ]]; then
    speicher "end eide" "$cli" end eide
    speicher "end e (Wortliste)" "$cli" end e --wortbestand "$liste"
    speicher "lied Liese (Wortliste)" "$cli" lied Liese --wortbestand "$liste"
    speicher "schuettel Peter (Wortliste)" "$cli" schuettel Peter --wortbestand "$liste"
else
    echo "/usr/bin/time fehlt (apt-get install -y time)"
fi
echo

# A query without hits costs the start and the lexicon build alone; the difference to
# "end eide" is roughly what the search and its output add.
echo "== Endreim auf eide: grep und quandel-cli im selben Lauf =="
messen "grep -ic 'eide\$'" "$laeufe" grep -ic 'eide$' "$liste"
messen "quandel-cli end eide (Wortliste)" "$laeufe" "$cli" end eide --wortbestand "$liste"
messen "quandel-cli end qxqxq (nur Aufbau)" "$laeufe" "$cli" end qxqxq --wortbestand "$liste"
echo "Treffer: grep $(grep -ic 'eide$' "$liste"), quandel-cli" \
    "$(zeilen "$cli" end eide --wortbestand "$liste")"
