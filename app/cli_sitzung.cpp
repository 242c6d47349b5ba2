#include "app/cli_sitzung.h"

#include "app/cli_abbruch.h"
#include "app/cli_klang.h"
#include "app/cli_meldung.h"
#include "app/cli_sinn.h"
#include "app/cli_suche.h"
#include "app/cli_wortbestand.h"
#include "data/wortarten_eingebaut.h"
#include "search/trefferordnung.h"
#include "soundgroups/lautgruppen.h"
#include "text/fehler.h"
#include "text/kodierung.h"

#include <optional>
#include <unistd.h>

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

// The sound groups count only with --akzent (which --lautgruppen implies); without it none are
// read or built.
Lautersetzung LautersetzungFuer(const Aufruf& aufruf) {
    if (!aufruf.akzent)
        return Lautersetzung::Ohne();
    return Lautersetzung(aufruf.lautgruppen ? LautgruppenLaden(*aufruf.lautgruppen)
                                            : VorgabeLautgruppen());
}

} // namespace

Sitzung::Sitzung(const Aufruf& aufruf, Ausgabe& ausgabe)
    : aufruf_(aufruf), ausgabe_(ausgabe),
      vokalfeld_(aufruf.vokale ? ArgumentAusUtf8("Vokalfeld", *aufruf.vokale)
                               : std::string(kVokalfeldVorgabe)),
      lautersetzung_(LautersetzungFuer(aufruf)), geladen_(LexikonLaden(aufruf, vokalfeld_)),
      wortarten_(daten::EingebauteWortarten()), thesaurus_(ThesaurusFuer(aufruf)),
      sieb_(TreffersiebFuer(aufruf, wortarten_, thesaurus_ ? &*thesaurus_ : nullptr)) {
    if (aufruf.modus == Modus::Klang)
        klang_ = KlangbestandAnlegen(aufruf);
    // Plain lines can go out row by row; the other formats frame the whole answer.
    if (aufruf.format == Format::Zeilen)
        kontext_.SchuettelZeile = [this](const std::array<std::string_view, 4>& zeile) {
            return ausgabe_.Schreiben(ZeilenText(zeile));
        };
}

std::string Sitzung::Antworttext(const std::vector<std::string>& treffer) const {
    const std::size_t spalten = aufruf_.modus == Modus::Schuettel ? 4 : 1;
    std::string text;
    if (aufruf_.format == Format::Json && spalten == 1) {
        std::vector<Wortarten> arten;
        for (const std::string& wort : treffer)
            arten.push_back(wortarten_.Von(wort));
        std::vector<Wortklang> klaenge;
        if (klang_)
            for (const std::string& wort : treffer)
                klaenge.push_back(klang_->Klang(geladen_.lexikon, wort));
        text = klang_ ? KlangJsonText(treffer, klaenge, arten) : WortartJsonText(treffer, arten);
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

int Sitzung::SynonymeBeantworten(std::string_view suchtext) {
    const std::string wort = ArgumentAusUtf8("Suchtext", suchtext);
    const std::vector<std::string> synonyme = thesaurus_->Synonyme(wort);
    const std::string text = aufruf_.format == Format::Json
                                 ? Einzeilig(GruppenJsonText(thesaurus_->Gruppen(wort)))
                                 : AusgabeText(synonyme, 1, aufruf_.format);
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

    // Ctrl+C stops the spoonerism's pairing, whose rows are out as they are found, and the
    // computing of sound keys.
    std::optional<StrgCAbbruch> abbruch;
    if (aufruf_.modus == Modus::Schuettel || aufruf_.modus == Modus::Klang)
        abbruch.emplace(kontext_.AbbruchFlag);

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    SuchErgebnis ergebnis =
        Suchen(aufruf_, klang_.get(), geladen_.indexPfad, kontext_, einstellungen, terminal);
    if (sieb_.Aktiv()) {
        sieb_.Sieben(ergebnis.treffer);
        if (ergebnis.ausgang == Ausgang::Treffer && ergebnis.treffer.empty())
            ergebnis.ausgang = Ausgang::KeinEintrag;
    }
    if (!ergebnis.ohneSortierung)
        TrefferSortieren(ergebnis.treffer, aufruf_.rueck ? Richtung::Rueck : Richtung::Vor,
                         kontext_.haken);
    if (!ausgabe_.Schreiben(Antworttext(ergebnis.treffer)))
        return kAbgebrochen;
    if (terminal && !ergebnis.suchdauer.empty())
        Melden(ergebnis.suchdauer);
    return Status(ergebnis);
}

} // namespace quandel::cli
