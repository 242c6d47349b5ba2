// quandel-cli: the rhyme searches from a terminal or a script.
//   $ quandel-cli end eide
//   beeide
//   beide
//   Kreide
//   ...
// Exit status 0 with hits, 1 without (or without a search word), 2 for bad usage or an
// unusable word stock, sound-group or correction file, 130 for a spoonerism or the sound keys
// stopped by Ctrl+C.
#include "app/cli_abbruch.h"
#include "app/cli_aufruf.h"
#include "app/cli_ausgabe.h"
#include "app/cli_suche.h"
#include "app/cli_wortbestand.h"
#include "search/trefferordnung.h"
#include "soundgroups/lautgruppen.h"
#include "text/fehler.h"
#include "text/kodierung.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace quandel;

constexpr int kTreffer = 0;
constexpr int kOhneTreffer = 1;
constexpr int kFalscherAufruf = 2;
constexpr int kAbgebrochen = 130;

int Melden(const std::string& meldung, int status) {
    std::fprintf(stderr, "quandel-cli: %s\n", meldung.c_str());
    return status;
}

std::string ArgumentAusUtf8(std::string_view name, std::string_view utf8) {
    try {
        return Cp1252AusUtf8(utf8);
    } catch (const Fehler& fehler) {
        throw Fehler(std::string(name) + " \"" + std::string(utf8) + "\": " + fehler.what());
    }
}

bool Schreiben(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int Status(const SuchErgebnis& ergebnis) {
    if (ergebnis.abgebrochen)
        return kAbgebrochen;
    switch (ergebnis.ausgang) {
    case Ausgang::Treffer:
        return kTreffer;
    case Ausgang::KeinEintrag:
        std::fputs("kein Eintrag\n", stderr);
        return kOhneTreffer;
    case Ausgang::NichtGesucht:
        break;
    }
    return Melden("Der Suchtext enthält kein Suchwort.", kOhneTreffer);
}

int Ausfuehren(const cli::Aufruf& aufruf) {
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = ArgumentAusUtf8("Suchtext", aufruf.suchtext);
    if (aufruf.vokale)
        einstellungen.vokalfeld = ArgumentAusUtf8("Vokalfeld", *aufruf.vokale);
    einstellungen.akzentuirung = aufruf.akzent;
    einstellungen.begrenzung = aufruf.minus ? BegrenzungsModus::Minus : BegrenzungsModus::Plus;

    const Lautersetzung lautersetzung(aufruf.lautgruppen ? LautgruppenLaden(*aufruf.lautgruppen)
                                                         : VorgabeLautgruppen());
    Lexikon lexikon;
    EreignisHaken haken;
    lexikon.LexikonAufbauen(cli::WortbestandLaden(aufruf), einstellungen.vokalfeld, haken);
    SuchKontext kontext(lexikon, lautersetzung);

    // Ctrl+C stops the spoonerism's pairing and the computing of sound keys; it stays caught
    // until the rows are out, so a late one cannot cut them off.
    std::optional<cli::StrgCAbbruch> abbruch;
    if (aufruf.modus == cli::Modus::Schuettel || aufruf.modus == cli::Modus::Klang)
        abbruch.emplace(kontext.AbbruchFlag);

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    SuchErgebnis ergebnis = cli::Suchen(aufruf, kontext, einstellungen, terminal);
    if (!ergebnis.ohneSortierung)
        TrefferSortieren(ergebnis.treffer, aufruf.rueck ? Richtung::Rueck : Richtung::Vor, haken);
    const std::size_t spalten = aufruf.modus == cli::Modus::Schuettel ? 4 : 1;
    if (!Schreiben(cli::AusgabeText(ergebnis.treffer, spalten, aufruf.format)))
        return Melden("Die Ausgabe kann nicht geschrieben werden.", kFalscherAufruf);
    if (terminal && !ergebnis.suchdauer.empty())
        std::fprintf(stderr, "%s\n", ergebnis.suchdauer.c_str());

    return Status(ergebnis);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const cli::Aufruf aufruf =
            cli::AufrufLesen(std::vector<std::string_view>(argv + 1, argv + argc));
        if (aufruf.hilfe)
            return Schreiben(cli::Hilfetext()) ? kTreffer : kFalscherAufruf;
        if (aufruf.version)
            return Schreiben("quandel-cli " QUANDEL_VERSION "\n") ? kTreffer : kFalscherAufruf;
        return Ausfuehren(aufruf);
    } catch (const cli::Aufruffehler& fehler) {
        Melden(fehler.what(), kFalscherAufruf);
        std::fputs("Hilfe: quandel-cli --help\n", stderr);
        return kFalscherAufruf;
    } catch (const Fehler& fehler) {
        return Melden(fehler.what(), kFalscherAufruf);
    }
}
