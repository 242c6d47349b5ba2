#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its control data and contents, that apt
# would install it here, and that its programs start from the unpacked package.
#   paket_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
ort=$(mktemp -d)
trap 'rm -rf "$ort"' EXIT
fehler=0
fehlt() { echo "FEHLER: $*" >&2; fehler=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$ort" >/dev/null
arch=$(dpkg --print-architecture)
paket="$ort/quandel-tornar_${version}_${arch}.deb"
[ -f "$paket" ] || { echo "FEHLER: $paket fehlt: $(ls "$ort")" >&2; exit 1; }

feld() { dpkg-deb -f "$paket" "$1"; }
[ "$(feld Package)" = quandel-tornar ] || fehlt "Package: $(feld Package)"
[ "$(feld Version)" = "$version" ] || fehlt "Version: $(feld Version)"
[ "$(feld Architecture)" = "$arch" ] || fehlt "Architecture: $(feld Architecture)"
[ "$(feld Section)" = text ] || fehlt "Section: $(feld Section)"
grep -q '<.*@.*>' <<<"$(feld Maintainer)" || fehlt "Maintainer: $(feld Maintainer)"
[ "$(feld Description | head -n 1)" = "German rhyming dictionary (Deutsches Reimlexikon)" ] ||
    fehlt "Description: $(feld Description)"
grep -q '^ Quandel Tornar searches' <<<"$(feld Description)" || fehlt "Description: $(feld Description)"
abh=$(feld Depends | sed 's/, /\n/g')
# Computed by dpkg-shlibdeps, with versions, plus what is loaded at run time: the platform
# plugins of Qt and espeak-ng with its voice data. ICU is not among them: its collation is
# compiled in as a table.
for muster in '^libc6 \(>= ' '^libstdc\+\+6 \(>= ' '^libqt6widgets6 \(>= ' '^libqt6gui6 \(>= ' \
    '^libqt6core6 \(>= ' '^qt6-qpa-plugins$' '^libespeak-ng1$' '^espeak-ng-data$'; do
    grep -qE "$muster" <<<"$abh" || fehlt "Depends ohne $muster: $(feld Depends)"
done
if grep -q '^libicu' <<<"$abh"; then fehlt "Depends mit ICU: $(feld Depends)"; fi
[ "$(feld Recommends)" = "qt6-translations-l10n, openthesaurus-de-text" ] ||
    fehlt "Recommends: $(feld Recommends)"

inhalt=$(dpkg-deb -c "$paket" | awk '{print $6}')
# Neither tests nor benchmarks are installed.
[ "$(grep -c '^\./usr/bin/.' <<<"$inhalt")" = 2 ] || fehlt "bin/: $(grep '^\./usr/bin/' <<<"$inhalt")"
for datei in ./usr/bin/quandel-tornar ./usr/bin/quandel-cli \
    ./usr/share/applications/de.quandeltornar.QuandelTornar.desktop \
    ./usr/share/icons/hicolor/48x48/apps/de.quandeltornar.QuandelTornar.png \
    ./usr/share/man/man1/quandel-cli.1.gz ./usr/share/quandel-tornar/WasserVergroess2.bmp; do
    grep -qx -- "$datei" <<<"$inhalt" || fehlt "$datei fehlt im Paket"
done

# apt resolves the dependencies from what this machine has.
apt-get install -s "$paket" >"$ort/apt.txt" 2>&1 || fehlt "apt-get install -s: $(cat "$ort/apt.txt")"
grep -q '^Inst quandel-tornar' "$ort/apt.txt" || fehlt "apt würde nicht installieren: $(cat "$ort/apt.txt")"

dpkg-deb -x "$paket" "$ort/wurzel"
[ "$("$ort/wurzel/usr/bin/quandel-cli" -V)" = "quandel-cli $version" ] || fehlt "quandel-cli -V"
# A word outside the stock is pronounced through the library loaded at run time.
grep -qx Ingenieur <<<"$("$ort/wurzel/usr/bin/quandel-cli" klang Gehör)" || fehlt "quandel-cli klang"
# The synonyms from the recommended OpenThesaurus, the word classes compiled in.
grep -qx Gram <<<"$("$ort/wurzel/usr/bin/quandel-cli" synonym Kummer)" || fehlt "quandel-cli synonym"
grep -qx Kreide <<<"$("$ort/wurzel/usr/bin/quandel-cli" end eide --wortart nomen)" ||
    fehlt "quandel-cli --wortart"
# The window program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$ort/wurzel/usr/bin/quandel-tornar" >/dev/null 2>&1 || status=$?
[ $status -eq 124 ] || fehlt "quandel-tornar endete mit $status statt zu laufen"

[ $fehler -eq 0 ] && echo "Paket in Ordnung"
exit $fehler
