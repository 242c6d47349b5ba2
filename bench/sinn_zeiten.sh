#!/usr/bin/env bash
# Wall times of the synonyms and of the rhyme searches sieved by word class and sense, whole
# quandel-cli processes: the thesaurus's index made at the first use and mapped afterwards,
# and the sound search on a large list with and without the sieve. Runs in a cache folder of
# its own, so the first build is a first build.
#   bench/sinn_zeiten.sh [PROGRAMM] [WORTLISTE]
#   bench/sinn_zeiten.sh build/app/quandel-cli /usr/share/dict/ngerman
# Uses hyperfine when installed, else a loop over bash's clock; LAEUFE sets the run count.
set -euo pipefail

cli=${1:-build/app/quandel-cli}
liste=${2:-/usr/share/dict/ngerman}
laeufe=${LAEUFE:-20}
thesaurus=/usr/share/openthesaurus-de/thesaurus.txt

[[ -x $cli ]] || { echo "$0: $cli ist kein ausführbares Programm" >&2; exit 2; }
[[ -r $liste ]] || { echo "$0: $liste ist nicht lesbar" >&2; exit 2; }
[[ -r $thesaurus ]] || { echo "$0: $thesaurus fehlt (apt-get install openthesaurus-de-text)" >&2; exit 2; }

# shellcheck source=bench/zeitmessung.sh
source "$(dirname "$0")/zeitmessung.sh"

XDG_CACHE_HOME=$(mktemp -d)
export XDG_CACHE_HOME
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

echo "Programm: $cli ($("$cli" --version)), Wortliste: $liste ($(wc -l <"$liste") Zeilen)"
echo "Thesaurus: $thesaurus ($(grep -vc '^#' "$thesaurus") Gruppen), $(nproc) Kerne"
echo

echo "== Thesaurus: erster Aufbau des Index, dann gespeichert =="
einmal "synonym Kummer (erster Lauf, baut den Index)" "$cli" synonym Kummer
# An index is trusted by its file state only once it is some seconds old; until then every
# run checks it in full. The timed runs are those of the days after.
sleep 4
"$cli" synonym Kummer >/dev/null
messen "synonym Kummer (gespeicherter Index)" "$laeufe" "$cli" synonym Kummer
messen "synonym Kummer --format json" "$laeufe" "$cli" synonym Kummer --format json
messen "synonym Kummer --kein-cache (Aufbau je Lauf)" 5 "$cli" synonym Kummer --kein-cache
echo "Index: $(du -k "$XDG_CACHE_HOME"/quandel-tornar/*-thesaurus.qtidx | cut -f1) KB"
echo

echo "== Klang auf der Wortliste, ohne und mit Sieb =="
"$cli" klang Herz --wortbestand "$liste" >/dev/null # the list's index and its sound keys
sleep 4
"$cli" klang Herz --wortbestand "$liste" >/dev/null
messen "klang Herz" "$laeufe" "$cli" klang Herz --wortbestand "$liste"
messen "klang Herz --wortart nomen" "$laeufe" "$cli" klang Herz --wortart nomen --wortbestand "$liste"
messen "klang Herz --sinn Witz" "$laeufe" "$cli" klang Herz --sinn Witz --wortbestand "$liste"
messen "klang Herz --sinn Witz --wortart nomen" "$laeufe" \
    "$cli" klang Herz --sinn Witz --wortart nomen --wortbestand "$liste"
echo

echo "== Wortarten für viele Treffer: end e auf der Wortliste =="
echo "Treffer: $("$cli" end e --wortbestand "$liste" | wc -l)"
messen "end e --format csv" 5 "$cli" end e --format csv --wortbestand "$liste"
messen "end e --format json (mit Wortarten)" 5 "$cli" end e --format json --wortbestand "$liste"
messen "end e --wortart nomen" 5 "$cli" end e --wortart nomen --wortbestand "$liste"
echo

abdeckung=$(dirname "$cli")/../bench/quandel-wortartabdeckung
if [[ -x $abdeckung ]]; then
    echo "== Wortartentabelle: Größe und Abdeckung =="
    "$abdeckung" "$liste"
fi
