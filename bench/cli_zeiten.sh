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

# Mean wall time in ms of a command (output discarded, exit status ignored).
messen() {
    local name=$1
    shift
    if command -v hyperfine >/dev/null; then
        local csv
        csv=$(mktemp)
        hyperfine -N -i --warmup 2 --runs "$laeufe" --style none --export-csv "$csv" \
            "$(printf '%q ' "$@")" >/dev/null 2>&1
        awk -F, -v name="$name" 'NR == 2 {
            printf "%-44s %9.1f ms  ± %6.1f  (min %.1f, max %.1f)\n",
                   name, $2 * 1000, $3 * 1000, $7 * 1000, $8 * 1000 }' "$csv"
        rm -f "$csv"
    else
        local summe=0 anfang ende
        "$@" >/dev/null 2>&1 || true
        for ((i = 0; i < laeufe; i++)); do
            anfang=$(date +%s%N)
            "$@" >/dev/null 2>&1 || true
            ende=$(date +%s%N)
            summe=$((summe + ende - anfang))
        done
        awk -v name="$name" -v ns="$summe" -v n="$laeufe" \
            'BEGIN { printf "%-44s %9.1f ms\n", name, ns / n / 1e6 }'
    fi
}

# Peak resident memory in MB of one run.
speicher() {
    local name=$1
    shift
    /usr/bin/time -v "$@" 2>&1 >/dev/null |
        awk -v name="$name" '/Maximum resident set size/ {
            printf "%-44s %9.1f MB\n", name, $NF / 1024 }'
}

zeilen() {
    "$@" 2>/dev/null | wc -l || true
}

echo "Programm: $cli ($("$cli" --version)), Wortliste: $liste ($(wc -l <"$liste") Zeilen)"
echo "Läufe je Messung: $laeufe, $(nproc) Kerne"
echo

echo "== Ganze Prozesse, Wandzeit =="
messen "end eide" "$cli" end eide
messen "end e (Wortliste)" "$cli" end e --wortbestand "$liste"
messen "lied Liese (Wortliste)" "$cli" lied Liese --wortbestand "$liste"
messen "schuettel Reim (Wortliste)" "$cli" schuettel Reim --wortbestand "$liste"
messen "schuettel Peter (Wortliste)" "$cli" schuettel Peter --wortbestand "$liste"
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
messen "grep -ic 'eide\$'" grep -ic 'eide$' "$liste"
messen "quandel-cli end eide (Wortliste)" "$cli" end eide --wortbestand "$liste"
messen "quandel-cli end qxqxq (nur Aufbau)" "$cli" end qxqxq --wortbestand "$liste"
echo "Treffer: grep $(grep -ic 'eide$' "$liste"), quandel-cli" \
    "$(zeilen "$cli" end eide --wortbestand "$liste")"
