#!/usr/bin/env bash
# Writes a word list of compounds made from Debian's German dictionary: every line a noun
# followed by a second noun in lower case ("Hausmaus"), 2,000,000 distinct lines by default,
# the same on every run (the pairs follow a fixed arithmetic pattern, no random numbers).
#   bench/komposita.sh [ANZAHL] [WOERTERBUCH] > /tmp/komposita.txt
set -euo pipefail

anzahl=${1:-2000000}
woerterbuch=${2:-/usr/share/dict/ngerman}
[[ -r $woerterbuch ]] || { echo "$0: $woerterbuch ist nicht lesbar (apt-get install wngerman)" >&2; exit 2; }

LC_ALL=C awk -v anzahl="$anzahl" '
    /^[A-Z][a-z\303\244\303\266\303\274\303\237]+$/ { nomen[n++] = $0 }
    END {
        for (runde = 0; fertig < anzahl; ++runde)
            for (i = 0; i < n && fertig < anzahl; ++i) {
                j = (i * 7919 + runde * 104729 + 17) % n
                wort = nomen[(i * 31 + runde) % n] tolower(nomen[j])
                if (!(wort in gesehen)) {
                    gesehen[wort] = 1
                    print wort
                    ++fertig
                }
            }
    }' "$woerterbuch"
