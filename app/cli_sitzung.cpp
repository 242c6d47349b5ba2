#include "app/cli_sitzung.h"

#include "app/cli_abbruch.h"
#include "app/cli_klang.h"
#include "app/cli_meldung.h"
#include "app/cli_sinn.h"
#include "app/cli_suche.h"
#include "app/cli_wortbestand.h"
#include "lexicon/vokalfolge.h"
#include "meaning/wortarten_eingebaut.h"
#include "search/haeufigkeit_eingebaut.h"
#include "search/rangordnung.h"
#include "search/trefferordnung.h"
#include "soundgroups/lautgruppen.h"
#include "text/fehler.h"
#include "text/kodierung.h"

#include <algorithm>
#include <optional>
#include <unistd.h>
#include <unordered_map>

namespace quandel::cli {

namespace {

int Status(const SuchErgebnis& ergebnis) {
    if (ergebnis.abgebrochen)
        return kAbgebrochen;
    switch (ergebnis.ausgang) {
    case Ausgang::Treffer:
        return kTreffer;
    case Ausgang::KeinEintrag:
        Melden("kein Eintrag");
        return kOhneTreffer;
    case Ausgang::NichtGesucht:
        break;
    }
    Melden("Der Suchtext enthält kein Suchwort.");
    return kOhneTreffer;
}

// The vowel field of the call in Windows-1252. One that names no single letter would give
// every word the empty vowel sequence, so that all words rhyme.
std::string VokalfeldVon(const Aufruf& aufruf) {
    if (!aufruf.vokale)
        return std::string(kVokalfeldVorgabe);
    std::string feld = ArgumentAusUtf8("Vokalfeld", *aufruf.vokale);
    const StringListe<> vokale = VokallisteAus(feld);
    if (std::none_of(vokale.begin(), vokale.end(),
                     [](const auto& eintrag) { return eintrag.text.size() == 1; }))
        throw Fehler("Vokalfeld \"" + *aufruf.vokale +
                     "\": es nennt keinen Vokal (einzelne Buchstaben durch Kommas getrennt, etwa "
                     "a,e,i).");
    return feld;
}

// The sound groups count only with --akzent (which --lautgruppen implies); without it none are
// read or built.
Lautersetzung LautersetzungFuer(const Aufruf& aufruf) {
    if (!aufruf.akzent)
        return Lautersetzung::Ohne();
    if (!aufruf.lautgruppen)
        return Lautersetzung(VorgabeLautgruppen());
    return Lautersetzung(LautgruppenLaden(*aufruf.lautgruppen), "aus " + *aufruf.lautgruppen);
}

} // namespace

Sitzung::Sitzung(const Aufruf& aufruf, Ausgabe& ausgabe)
    : aufruf_(aufruf), ausgabe_(ausgabe), vokalfeld_(VokalfeldVon(aufruf)),
      lautersetzung_(LautersetzungFuer(aufruf)), geladen_(LexikonLaden(aufruf, vokalfeld_)),
      haeufigkeit_(daten::EingebauteHaeufigkeit()), wortarten_(daten::EingebauteWortarten()),
      thesaurus_(ThesaurusFuer(aufruf)),
      sieb_(TreffersiebFuer(aufruf, wortarten_, thesaurus_ ? &*thesaurus_ : nullptr)) {
    if (aufruf.modus == Modus::Klang)
        klang_ = KlangbestandAnlegen(aufruf);
    // Plain lines can go out row by row; the other formats frame the whole answer, and the
    // order of common words first needs all rows.
    // No row read from an index file cut short meanwhile is written; a file written to in
    // place is seen by its state, looked at every 1024th row (a system call per row would cost
    // a tenth of the search).
    if (aufruf.format == Format::Zeilen && Folge(aufruf) != Trefferfolge::Rang)
        kontext_.SchuettelZeile = [this](const std::array<std::string_view, 4>& zeile) {
            if ((++zeilen_ & 1023u) == 0)
                geladen_.lexikon.AbbildPruefen();
            else
                geladen_.lexikon.AbbildSchnellPruefen();
            return ausgabe_.Schreiben(ZeilenText(zeile));
        };
}

std::string Sitzung::Antworttext(const std::vector<std::string>& treffer,
                                 const std::vector<Klangtreffer>& klangtreffer) const {
    const std::size_t spalten = aufruf_.modus == Modus::Schuettel ? 4 : 1;
    std::string text;
    // json names the word classes only where the call asks for them: scripts read an end, song
    // or alliteration search's answer as an array of words.
    const bool mitWortart = !aufruf_.wortarten.Unbekannt() || aufruf_.sinn;
    if (aufruf_.format == Format::Json && spalten == 1 && (klang_ || mitWortart)) {
        std::vector<Wortarten> arten;
        if (mitWortart)
            for (const std::string& wort : treffer)
                arten.push_back(wortarten_.Von(wort));
        if (klang_) {
            std::unordered_map<std::string_view, const Klangtreffer*> nachWort;
            for (const Klangtreffer& t : klangtreffer)
                nachWort.emplace(t.wort, &t);
            std::vector<Klangtreffer> geordnet;
            std::vector<Wortklang> klaenge;
            for (const std::string& wort : treffer) {
                geordnet.push_back(*nachWort.at(wort));
                klaenge.push_back(klang_->Klang(geladen_.lexikon, wort));
            }
            text = KlangJsonText(geordnet, klaenge, arten);
        } else {
            text = WortartJsonText(treffer, arten);
        }
    } else {
        text = AusgabeText(treffer, spalten, aufruf_.format);
    }
    return Einzeilig(std::move(text));
}

std::string Sitzung::Einzeilig(std::string text) const {
    if (aufruf_.format != Format::Json || !aufruf_.ausEingabe)
        return text;
    // One JSON value per line: the line breaks and indents between the values go (strings
    // hold no raw line break, JSON escapes it).
    std::string zeile;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            zeile += text[i];
        else if (text.compare(i + 1, 2, "  ") == 0)
            i += 2;
    }
    return zeile + '\n';
}

std::string_view Sitzung::Antwortende() const {
    switch (aufruf_.format) {
    case Format::Json:
        return "";
    case Format::Csv:
    case Format::Raster:
        return "\r\n";
    case Format::Zeilen:
    case Format::Tsv:
        break;
    }
    return "\n";
}

bool Sitzung::LeerAntworten() {
    return ausgabe_.Schreiben(Antworttext({}));
}

void Sitzung::IndexePruefen() const {
    geladen_.lexikon.AbbildPruefen();
    if (thesaurus_)
        thesaurus_->AbbildPruefen();
}

int Sitzung::SynonymeBeantworten(std::string_view suchtext) {
    const std::string wort = ArgumentAusUtf8("Suchtext", suchtext);
    IndexePruefen();
    const std::vector<std::string> synonyme = thesaurus_->Synonyme(wort);
    const std::string text = aufruf_.format == Format::Json
                                 ? Einzeilig(GruppenJsonText(thesaurus_->Gruppen(wort)))
                                 : AusgabeText(synonyme, 1, aufruf_.format);
    IndexePruefen();
    if (!ausgabe_.Schreiben(text))
        return kAbgebrochen;
    if (!synonyme.empty())
        return kTreffer;
    Melden(Kernwort(wort).empty() ? "Der Suchtext enthält kein Suchwort." : "kein Eintrag");
    return kOhneTreffer;
}

int Sitzung::Beantworten(std::string_view suchtext) {
    if (aufruf_.modus == Modus::Synonym)
        return SynonymeBeantworten(suchtext);
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = ArgumentAusUtf8("Suchtext", suchtext);
    einstellungen.vokalfeld = vokalfeld_;
    einstellungen.akzentuirung = aufruf_.akzent;
    einstellungen.begrenzung = aufruf_.minus ? BegrenzungsModus::Minus : BegrenzungsModus::Plus;

    // Ctrl+C and SIGTERM stop the spoonerism's pairing, whose rows are out as they are found,
    // and the sound search with the computing of its keys. The status is then the shell's for
    // a process the signal ended: 130 for SIGINT, 143 for SIGTERM.
    std::optional<SignalAbbruch> abbruch;
    if (aufruf_.modus == Modus::Schuettel || aufruf_.modus == Modus::Klang)
        abbruch.emplace(kontext_.AbbruchFlag);
    const auto gestoppt = [&abbruch] {
        return abbruch && abbruch->Signal() == SIGTERM ? kBeendet : kAbgebrochen;
    };

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    // Framed by two checks of the saved indexes: read from a file changed under the mapping, a
    // result is no answer.
    IndexePruefen();
    KlangErgebnis antwort = Suchen(aufruf_, klang_.get(), haeufigkeit_, geladen_.indexPfad,
                                   kontext_, einstellungen, terminal);
    SuchErgebnis& ergebnis = antwort.ergebnis;
    if (sieb_.Aktiv()) {
        sieb_.Sieben(ergebnis.treffer);
        if (ergebnis.ausgang == Ausgang::Treffer && ergebnis.treffer.empty())
            ergebnis.ausgang = Ausgang::KeinEintrag;
    }
    if (!ergebnis.ohneSortierung)
        TrefferSortieren(ergebnis.treffer, aufruf_.rueck ? Richtung::Rueck : Richtung::Vor,
                         kontext_.haken);
    // The sound search puts its hits in its own order of rank.
    if (aufruf_.modus != Modus::Klang && Folge(aufruf_) == Trefferfolge::Rang)
        NachRangOrdnen(ergebnis.treffer, aufruf_.modus == Modus::Schuettel ? 4 : 1, haeufigkeit_);
    const std::string text = Antworttext(ergebnis.treffer, antwort.treffer);
    IndexePruefen();
    if (!ausgabe_.Schreiben(text))
        return gestoppt();
    if (terminal && !ergebnis.suchdauer.empty())
        Melden(ergebnis.suchdauer);
    const int status = Status(ergebnis);
    return status == kAbgebrochen ? gestoppt() : status;
}

} // namespace quandel::cli
