#!/usr/bin/env bash
# Wall times and peak memory of whole quandel-cli processes of the sound search ("klang"): on
# the built-in stock (compiled keys) and on a large word list.
# The word list is measured the first time (keys computed and saved with its index) and then
# with the saved keys.
#   bench/klang_zeiten.sh [PROGRAMM] [WORTLISTE]
#   bench/klang_zeiten.sh build/app/quandel-cli /usr/share/dict/ngerman
# LAEUFE sets the run count of the short measurements.
set -euo pipefail

cli=${1:-build/app/quandel-cli}
liste=${2:-/usr/share/dict/ngerman}
laeufe=${LAEUFE:-20}

[[ -x $cli ]] || { echo "$0: $cli ist kein ausführbares Programm" >&2; exit 2; }
[[ -r $liste ]] || { echo "$0: $liste ist nicht lesbar" >&2; exit 2; }

# shellcheck source=bench/zeitmessung.sh
source "$(dirname "$0")/zeitmessung.sh"

echo "Programm: $cli ($("$cli" --version)), Wortliste: $liste ($(wc -l <"$liste") Zeilen)"
echo "$(nproc) Kerne, Last: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

echo "== Eingebauter Wortbestand, ganze Prozesse =="
messen "end eide (Vergleich)" "$laeufe" "$cli" end eide
messen "klang Station (Wort des Bestands)" "$laeufe" "$cli" klang Station
messen "klang Gehör (gesprochen)" "$laeufe" "$cli" klang Gehör
messen "klang Glück --unrein" "$laeufe" "$cli" klang Glück --unrein
messen "klang Station --zweisilbig" "$laeufe" "$cli" klang Station --zweisilbig
messen "klang Stein (Rang)" "$laeufe" "$cli" klang Stein
messen "klang Stein --ordnung alphabet" "$laeufe" "$cli" klang Stein --ordnung alphabet
echo

echo "== Eine lange Suchzeile aus der Standardeingabe (klang -): linear in ihrer Länge =="
zeile=$(mktemp)
for laenge in 65536 262144 1048576; do
    { head -c "$laenge" /dev/zero | tr '\0' a; echo; } >"$zeile"
    # shellcheck disable=SC2016 # expanded by the inner shell
    einmal "klang - mit einer Zeile von $laenge Zeichen" \
        bash -c '"$1" klang - <"$2"' _ "$cli" "$zeile"
done
rm -f "$zeile"
echo

# A folder of its own for the saved indexes, so that the first run builds them.
XDG_CACHE_HOME=$(mktemp -d)
export XDG_CACHE_HOME
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

echo "== Wortliste: erster Lauf (Index aufbauen, Schlüssel berechnen und speichern) =="
einmal "end qxqxq (Index aufbauen, Vergleich)" "$cli" end qxqxq --wortbestand "$liste"
einmal "klang Gehör (Schlüssel berechnen)" "$cli" klang Gehör --wortbestand "$liste"
echo
# An index is trusted by its file state only once it is a few seconds old (lexicon/indexstempel.h);
# until then every load checks it in full.
sleep 4
echo "== Wortliste: Schlüssel im gespeicherten Index =="
messen "end eide (Vergleich)" "$laeufe" "$cli" end eide --wortbestand "$liste"
messen "klang Gehör (Wortliste)" "$laeufe" "$cli" klang Gehör --wortbestand "$liste"
messen "klang Rost (Wortliste)" "$laeufe" "$cli" klang Rost --wortbestand "$liste"
# What the order of rank costs: the same queries in alphabetical order (words of the list as
# it writes them, so nothing is pronounced). Hand has 907 hits, Herz 23.
for wort in Herz Hand; do
    messen "klang $wort (Rang)" "$laeufe" "$cli" klang "$wort" --wortbestand "$liste"
    messen "klang $wort --ordnung alphabet" "$laeufe" "$cli" klang "$wort" --wortbestand "$liste" \
        --ordnung alphabet
done
echo

echo "== Speicherspitze =="
if [[ -x /usr/bin/time ]]; then
    speicher "klang Station" "$cli" klang Station
    speicher "end qxqxq (Wortliste)" "$cli" end qxqxq --wortbestand "$liste"
    speicher "klang Gehör (Wortliste)" "$cli" klang Gehör --wortbestand "$liste"
else
    echo "/usr/bin/time fehlt (apt-get install -y time)"
fi
