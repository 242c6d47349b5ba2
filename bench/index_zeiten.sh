#!/usr/bin/env bash
# Whole-process times and peak memory of quandel-cli with and without the saved lexicon index,
# on Debian's dictionary (next to grep) and on a 2,000,000-line compound list
# (bench/komposita.sh), and the window's start-up (quandel-fensterstart, next to the program
# when built with the window). The indexes go to a temporary XDG_CACHE_HOME.
# A list and its index are trusted by their file state only once both are some seconds old
# (lexicon/indexstempel.h), so the script waits before it measures later loads.
#   bench/index_zeiten.sh [PROGRAMM] [WORTLISTE]
#   bench/index_zeiten.sh build/app/quandel-cli /usr/share/dict/ngerman
set -euo pipefail

cli=${1:-build/app/quandel-cli}
liste=${2:-/usr/share/dict/ngerman}
hier=$(cd "$(dirname "$0")" && pwd)
command -v hyperfine >/dev/null || { echo "$0: hyperfine fehlt (apt-get install hyperfine)" >&2; exit 2; }

export XDG_CACHE_HOME
XDG_CACHE_HOME=$(mktemp -d)
komposita=$XDG_CACHE_HOME/komposita.txt
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

speicher() { # peak resident memory of one run
    local name=$1
    shift
    { /usr/bin/time -f "%e %M" "$@" 2>&1 >/dev/null || true; } | tail -1 |
        awk -v name="$name" '{ printf "%-48s %7.2f s %9.1f MB\n", name, $1, $2 / 1024 }'
}

echo "== $liste: saved index against grep"
"$cli" end eide --wortbestand "$liste" >/dev/null
sleep 4
# The pages of a freshly written index are still those the build wrote; drop them, so the
# queries read the file back as they do on any later day.
for index in "$XDG_CACHE_HOME"/quandel-tornar/*.qtidx; do
    dd if="$index" iflag=nocache count=0 status=none
done
hyperfine -N --warmup 10 --runs 200 \
    "$cli end eide --wortbestand $liste" "grep -i eide\$ $liste"
echo "== $liste: first run (index removed before each run)"
hyperfine -N --runs 5 --prepare "rm -rf $XDG_CACHE_HOME/quandel-tornar" \
    "$cli end eide --wortbestand $liste"
rm -rf "$XDG_CACHE_HOME/quandel-tornar"
speicher "erster Lauf (baut und speichert den Index)" "$cli" end eide --wortbestand "$liste"
speicher "mit gespeichertem Index" "$cli" end eide --wortbestand "$liste"
speicher "eingebauter Wortbestand" "$cli" end eide

echo "== 2,000,000 compounds"
"$hier/komposita.sh" > "$komposita"
sleep 4
speicher "erster Aufbau" "$cli" end geige --wortbestand "$komposita"
sleep 4
hyperfine -N -i --warmup 2 --runs 10 "$cli end geige --wortbestand $komposita"
speicher "mit gespeichertem Index" "$cli" end geige --wortbestand "$komposita"

fenster=$(dirname "$cli")/../bench/quandel-fensterstart
if [[ -x $fenster ]]; then
    echo "== window: start-up on the built-in stock, and opening $liste (saved index)"
    hyperfine -N --warmup 2 --runs 20 "$fenster"
    "$fenster" "$liste" >/dev/null
    for _ in 1 2 3; do "$fenster" "$liste"; done
fi
