#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop and a terminal user get:
# every file in its place, a valid desktop entry and AppStream data, man pages that render
# and name every option, a working bash completion, programs that run from there.
#   installation_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
quelle=$2
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
fehler=0
fehlt() { echo "FEHLER: $*" >&2; fehler=1; }

DESTDIR="$wurzel" cmake --install "$build" --prefix /usr >/dev/null
u="$wurzel/usr"
id=de.quandeltornar.QuandelTornar

for datei in bin/quandel-tornar bin/quandel-cli \
    share/quandel-tornar/WasserVergroess2.bmp \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/quandel-tornar.1.gz share/man/man1/quandel-cli.1.gz \
    share/bash-completion/completions/quandel-cli \
    share/doc/quandel-tornar/LICENSE share/doc/quandel-tornar/LICENSES.md; do
    [ -f "$u/$datei" ] || fehlt "$datei fehlt"
done
for groesse in 16 22 24 32 48 64 128 256; do
    png="$u/share/icons/hicolor/${groesse}x${groesse}/apps/$id.png"
    # The PNG header holds width and height as big-endian 32-bit numbers at bytes 16 and 20.
    [ "$(od --endian=big -An -tu4 -j16 -N8 "$png" | tr -s ' ')" = " $groesse $groesse" ] ||
        fehlt "$png ist nicht ${groesse}x${groesse}"
done
[ -z "$(ls "$u/bin" | grep -v '^quandel-')" ] || fehlt "fremde Dateien in bin/: $(ls "$u/bin")"

desktop-file-validate "$u/share/applications/$id.desktop" || fehlt "desktop-file-validate"
grep -q '^Icon=de.quandeltornar.QuandelTornar$' "$u/share/applications/$id.desktop" ||
    fehlt "Icon der Desktop-Datei"
grep -q '^Keywords\[de\]=.*Reimlexikon' "$u/share/applications/$id.desktop" ||
    fehlt "Stichwort Reimlexikon"
appstreamcli validate --no-net "$u/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fehlt "appstreamcli validate"
grep -q "<release version=\"$("$u/bin/quandel-cli" -V | cut -d' ' -f2)\"" \
    "$u/share/metainfo/$id.metainfo.xml" || fehlt "Version der AppStream-Daten"

# The man pages render without warnings; quandel-cli(1) names every option of --help.
for seite in quandel-tornar quandel-cli; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
        "$u/share/man/man1/$seite.1.gz" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || fehlt "$seite.1: $warnungen"
done
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$u/share/man/man1/quandel-cli.1.gz" 2>/dev/null)
for option in $("$u/bin/quandel-cli" --help | grep -oE '(^|[ ,])--?[a-zA-Z-]+' | tr -d ' ,' | sort -u); do
    grep -qF -- "$option" <<<"$text" || fehlt "quandel-cli.1 nennt $option nicht"
done
for abschnitt in OPTIONEN RÜCKGABEWERT BEISPIELE DATEIEN; do
    grep -q "^$abschnitt" <<<"$text" || fehlt "quandel-cli.1 ohne $abschnitt"
done

# The bash completion offers the modes, the options and the encodings.
if [ -f /usr/share/bash-completion/bash_completion ]; then
    ergaenzt() {
        bash -c 'source /usr/share/bash-completion/bash_completion
                 source "$1"; shift
                 COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
                 _comp_quandel_cli quandel-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
                 printf "%s\n" "${COMPREPLY[@]}"' _ "$u/share/bash-completion/completions/quandel-cli" "$@"
    }
    [ "$(ergaenzt quandel-cli sch | tr '\n' ' ')" = "schuettel schuettelreim " ] ||
        fehlt "Ergänzung der Modi: $(ergaenzt quandel-cli sch)"
    [ "$(ergaenzt quandel-cli end --kodierung c)" = "cp1252" ] || fehlt "Ergänzung der Kodierung"
    [ "$(ergaenzt quandel-cli klang --ordnung a)" = "alphabet" ] || fehlt "Ergänzung der Ordnung"
    ergaenzt quandel-cli end --r | grep -qx -- --rueck || fehlt "Ergänzung der Optionen"
    [ "$(ergaenzt quandel-cli klang --sil)" = "--silben=" ] || fehlt "Ergänzung von --silben"
    [ -z "$(ergaenzt quandel-cli end --sil)" ] || fehlt "--silben ergänzt außerhalb von klang"
    [ "$(ergaenzt quandel-cli syn | tr '\n' ' ')" = "synonym synonyme " ] ||
        fehlt "Ergänzung des Modus synonym: $(ergaenzt quandel-cli syn)"
    [ "$(ergaenzt quandel-cli klang Herz --wortart nomen,ad | tr '\n' ' ')" = \
        "nomen,adjektiv nomen,adverb " ] ||
        fehlt "Ergänzung der Wortarten: $(ergaenzt quandel-cli klang Herz --wortart nomen,ad)"
    [ "$(ergaenzt quandel-cli synonym Kummer --th)" = "--thesaurus=" ] ||
        fehlt "Ergänzung von --thesaurus"
    [ -z "$(ergaenzt quandel-cli synonym Kummer --mi)" ] || fehlt "--minus ergänzt bei synonym"
else
    fehlt "bash-completion ist nicht installiert (scripts/install-deps.sh)"
fi

# The installed programs run; the command line answers from the built-in stock.
[ "$("$u/bin/quandel-cli" end eide | head -n 2 | tr '\n' ' ')" = "beeide beide " ] ||
    fehlt "quandel-cli end eide"

[ $fehler -eq 0 ] && echo "Installation in Ordnung"
exit $fehler
