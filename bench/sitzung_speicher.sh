#!/usr/bin/env bash
# Peak resident memory of a stdin session: the same search text N times on standard input,
# per mode, on the built-in stock and on a large word list. A session whose searches give
# their memory back peaks at about the same figure for 100 lines as for 5,000.
#   bench/sitzung_speicher.sh [PROGRAMM] [WORTLISTE]
#   bench/sitzung_speicher.sh build/app/quandel-cli /usr/share/dict/ngerman
# ZEILEN sets the line counts of the built-in stock (default "100 1000 5000"), LISTENZEILEN
# those of the word list (default "30 100 300").
set -euo pipefail

cli=${1:-build/app/quandel-cli}
liste=${2:-/usr/share/dict/ngerman}
zeilen=${ZEILEN:-100 1000 5000}
listenzeilen=${LISTENZEILEN:-30 100 300}

[[ -x $cli ]] || { echo "$0: $cli ist kein ausführbares Programm" >&2; exit 2; }

cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
export XDG_CACHE_HOME=$cache

# Peak RSS in MB of `yes TEXT | head -n N | PROGRAMM MODUS - OPTIONEN...`.
spitze() {
    local n=$1 text=$2
    shift 2
    local kb
    kb=$({ yes "$text" | head -n "$n" | /usr/bin/time -f %M "$cli" "$@" 2>&1 >/dev/null; } |
        tail -n 1)
    awk -v kb="$kb" 'BEGIN { printf "%.1f", kb / 1024 }'
}

# One table row: mode, search text, the line counts, further options.
zeile() {
    local name=$1 text=$2 anzahlen=$3
    shift 3
    local werte=""
    for n in $anzahlen; do
        werte+=" $(spitze "$n" "$text" "$@") |"
    done
    echo "| $name | $text |$werte"
}

echo "Programm: $cli ($("$cli" --version)), $(nproc) Kerne; Spitzen-RSS in MB (/usr/bin/time -f %M)"
echo
echo "| Eingebauter Wortbestand | Text | $(sed 's/ / | /g' <<<"$zeilen") |"
echo "|---|---|$(sed 's/[0-9]*/---|/g; s/ //g' <<<"$zeilen")"
zeile "end -" e "$zeilen" end -
zeile "lied -" Liese "$zeilen" lied -
zeile "stab -" s "$zeilen" stab -
zeile "schuettel -" Reim "$zeilen" schuettel -
zeile "klang -" Haus "$zeilen" klang -
zeile "end - --akzent" eide "$zeilen" end - --akzent

if [[ -r $liste ]]; then
    # The first use builds and saves the list's index; the rows measure sessions on it.
    "$cli" end eide --wortbestand "$liste" >/dev/null
    echo
    echo "| $(basename "$liste") | Text | $(sed 's/ / | /g' <<<"$listenzeilen") |"
    echo "|---|---|$(sed 's/[0-9]*/---|/g; s/ //g' <<<"$listenzeilen")"
    zeile "end -" e "$listenzeilen" end - --wortbestand "$liste"
    zeile "end -" eide "$listenzeilen" end - --wortbestand "$liste"
    zeile "schuettel -" Reim "$listenzeilen" schuettel - --wortbestand "$liste"
fi
