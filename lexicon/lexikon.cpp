#include "lexicon/lexikon.h"

#include "lexicon/byteordnung.h"
#include "lexicon/grossspeicher.h"
#include "lexicon/halbierung.h"
#include "lexicon/liedindex.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/kollation.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace quandel {

namespace {

// The texts of a tree are the stock's words in its order; checked word by word in a full check.
bool BaumTexteStimmig(const TextFeld& worte, std::span<const std::int32_t> ordnung,
                      const TextFeld& texte, Pruefumfang umfang) {
    if (texte.size() != ordnung.size())
        return false;
    if (umfang != Pruefumfang::Alles)
        return true;
    for (std::size_t k = 0; k < ordnung.size(); ++k)
        if (texte[k] != worte[static_cast<std::size_t>(ordnung[k])])
            return false;
    return true;
}

// The steps of a build, in the order LexikonAufbauen takes them.

// The numbers of the lines in the order of their collation keys; of equal keys the first line
// stays.
std::vector<std::uint32_t> zeilenAuswaehlen(const Wortzeilen& zeilen,
                                            const Baubegleitung& begleitung) {
    const Kollator& kollator = Kollator::Deutsch();
    const std::size_t n = zeilen.size();
    TextSammlung alle;
    GrossReservieren(alle.ende, n + 1);
    GrossReservieren(alle.pool, 3 * zeilen.Bytes() + 4 * n); // more than the keys need
    Schritte schritte(begleitung, n, 0, 60);
    for (std::size_t i = 0; i < n; ++i) {
        schritte(i);
        kollator.SchluesselAnhaengen(zeilen[i], alle.pool);
        if (alle.pool.size() > std::numeric_limits<std::uint32_t>::max())
            throw Fehler("Die Wortliste ist zu groß (höchstens 4 GB und 2 Milliarden Zeilen).");
        alle.ende.push_back(static_cast<std::uint32_t>(alle.pool.size()));
    }
    const TextFeld alleFeld = alle.Feld();
    const std::vector<std::uint32_t> ordnung = NachBytesOrdnen(alleFeld, false);
    Zwischenstand(begleitung, 60);
    std::vector<std::uint32_t> auswahl;
    GrossReservieren(auswahl, n);
    for (std::size_t i = 0; i < n; ++i)
        if (i == 0 || alleFeld[ordnung[i]] != alleFeld[ordnung[i - 1]])
            auswahl.push_back(ordnung[i]);
    return auswahl;
}

// What a build lays into the image besides the song-rhyme index.
struct Bauteile {
    TextSammlung worte;
    std::string kleinPool; // the words lowered, with the offsets of worte
    std::vector<std::int32_t> vorwaerts;
    std::vector<std::int32_t> rueckwaerts;
    TextSammlung vorwaertsTexte;
    TextSammlung rueckwaertsTexte;
};

// The chosen lines as the words of the stock and their lower-case forms.
void worteUebernehmen(const Wortzeilen& zeilen, const std::vector<std::uint32_t>& auswahl,
                      Bauteile& teile) {
    GrossReservieren(teile.worte.ende, auswahl.size() + 1);
    GrossReservieren(teile.worte.pool, zeilen.Bytes());
    GrossReservieren(teile.kleinPool, zeilen.Bytes());
    for (const std::uint32_t nr : auswahl) {
        teile.worte.Anhaengen(zeilen[nr]);
        for (const char c : zeilen[nr])
            teile.kleinPool.push_back(Klein(c));
    }
}

// The orders of the two trees over the lower-case words, and the words in each order.
void baeumeOrdnen(const TextFeld& klein, Bauteile& teile, const Baubegleitung& begleitung) {
    teile.vorwaerts = Trie::Ordnen(klein, false);
    Zwischenstand(begleitung, 75);
    teile.rueckwaerts = Trie::Ordnen(klein, true);
    Zwischenstand(begleitung, 80);
    for (const bool vor : {true, false}) {
        TextSammlung& texte = vor ? teile.vorwaertsTexte : teile.rueckwaertsTexte;
        GrossReservieren(texte.ende, teile.worte.ende.size());
        GrossReservieren(texte.pool, teile.worte.pool.size());
        Trie::TexteOrdnen(teile.worte.Feld(), vor ? teile.vorwaerts : teile.rueckwaerts, texte.ende,
                          texte.pool);
        Zwischenstand(begleitung, vor ? 85 : 90);
    }
}

// The sections of the image; they point into teile and lied.
std::vector<AbschnittsEntwurf> abschnitteEntwerfen(const Bauteile& teile, const LiedIndex& lied) {
    std::vector<AbschnittsEntwurf> abschnitte;
    abschnitte.emplace_back("WORT", 1).Texte(teile.worte.ende, teile.worte.pool);
    abschnitte.emplace_back("KLEI", 1).Texte(teile.worte.ende, teile.kleinPool);
    for (const bool vor : {true, false}) {
        const std::vector<std::int32_t>& ordnung = vor ? teile.vorwaerts : teile.rueckwaerts;
        const TextSammlung& texte = vor ? teile.vorwaertsTexte : teile.rueckwaertsTexte;
        AbschnittsEntwurf& e = abschnitte.emplace_back(vor ? "VORW" : "RUCK", 2);
        e.Zahl(ordnung.size());
        e.Feld(std::span<const std::int32_t>(ordnung));
        e.Texte(texte.ende, texte.pool);
    }
    lied.Entwerfen(abschnitte.emplace_back("LIED", 1));
    return abschnitte;
}

} // namespace

std::string WortbestandsListe::Schluessel(std::size_t i) const {
    return Kollator::Deutsch().Schluessel(worte_[i]);
}

std::optional<std::size_t> WortbestandsListe::IndexVon(std::string_view text) const {
    const std::string schluessel = Kollator::Deutsch().Schluessel(text);
    const std::size_t von =
        ErsteStelle(0, size(), [&](std::size_t k) { return Schluessel(k) < schluessel; });
    if (von < size() && Schluessel(von) == schluessel)
        return von;
    return std::nullopt;
}

struct Lexikon::Bestand {
    std::shared_ptr<const AbbildSpeicher> speicher;
    AbbildKennung kennung;
    std::vector<AbschnittsEintrag> abschnitte;
    WortbestandsListe wortbestand;
    TextFeld worte;
    TextFeld klein;
    Trie vorwaerts;
    Trie rueckwaerts;
};

Lexikon::Lexikon() = default;
Lexikon::~Lexikon() = default;
Lexikon::Lexikon(Lexikon&&) noexcept = default;
Lexikon& Lexikon::operator=(Lexikon&&) noexcept = default;

void WortUmkehren(std::string& text) {
    std::reverse(text.begin(), text.end());
}

AbbildKennung Lexikon::Kennung(const ListenKennung& liste) {
    return {liste, Kollator::Deutsch().Version()};
}

void Lexikon::LexikonAufbauen(const std::vector<std::string>& zeilen, std::string_view vokalfeld,
                              EreignisHaken& haken) {
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    LexikonAufbauen(Wortzeilen(zeilen), vokalfeld, begleitung);
}

void Lexikon::LexikonAufbauen(Wortzeilen zeilen, std::string_view vokalfeld,
                              const Baubegleitung& begleitung) {
    Bauteile teile;
    worteUebernehmen(zeilen, zeilenAuswaehlen(zeilen, begleitung), teile);
    zeilen = Wortzeilen();
    const TextFeld klein(teile.worte.ende, teile.kleinPool);
    Zwischenstand(begleitung, 70);
    baeumeOrdnen(klein, teile, begleitung);
    const std::unique_ptr<LiedIndex> lied = LiedIndex::Bauen(klein, vokalfeld, begleitung);
    Zwischenstand(begleitung, 99);

    auto speicher =
        AbbildZusammensetzen(Kennung(begleitung.kennung), abschnitteEntwerfen(teile, *lied));
    EreignisHaken ohneHaken;
    if (!AbbildUebernehmen(std::move(speicher), begleitung.kennung, vokalfeld, ohneHaken,
                           Pruefumfang::Kopf))
        throw Fehler("Der Wortbestand konnte nicht aufgebaut werden.");
}

bool Lexikon::AbbildUebernehmen(std::unique_ptr<AbbildSpeicher> speicher,
                                const ListenKennung& liste, std::string_view vokalfeld,
                                EreignisHaken& haken, Pruefumfang umfang) {
    auto bestand = std::make_unique<Bestand>();
    auto lied = std::make_unique<LiedIndex>();
    try {
        const AbbildLeser leser(speicher->Bytes(), Kennung(liste), umfang);
        AbschnittsLeser w(leser.Abschnitt("WORT", 1), umfang);
        AbschnittsLeser k(leser.Abschnitt("KLEI", 1), umfang);
        bestand->worte = w.Texte();
        bestand->klein = k.Texte();
        const std::size_t n = bestand->worte.size();
        // Entry i of the lower-case list is entry i lowered, byte for byte: same lengths
        // (an image taken on its header alone passed this check when it was checked in full).
        const auto wortEnden = bestand->worte.Enden();
        const auto kleinEnden = bestand->klein.Enden();
        if (umfang == Pruefumfang::Alles &&
            !std::equal(wortEnden.begin(), wortEnden.end(), kleinEnden.begin(), kleinEnden.end()))
            throw AbbildFehler("Kleinwortliste unstimmig");
        if (bestand->klein.size() != n ||
            n > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw AbbildFehler("Anzahlen unstimmig");
        AbschnittsLeser v(leser.Abschnitt("VORW", 2), umfang);
        AbschnittsLeser r(leser.Abschnitt("RUCK", 2), umfang);
        const auto vorwaerts = v.Wortnummern(n);
        const auto rueckwaerts = r.Wortnummern(n);
        const TextFeld vorwaertsTexte = v.Texte();
        const TextFeld rueckwaertsTexte = r.Texte();
        if (vorwaerts.size() != n || rueckwaerts.size() != n ||
            !BaumTexteStimmig(bestand->worte, vorwaerts, vorwaertsTexte, umfang) ||
            !BaumTexteStimmig(bestand->worte, rueckwaerts, rueckwaertsTexte, umfang))
            throw AbbildFehler("Bäume unstimmig");
        AbschnittsLeser l(leser.Abschnitt("LIED", 1), umfang);
        lied->Lesen(l, n);
        bestand->wortbestand = WortbestandsListe(bestand->worte);
        bestand->kennung = Kennung(liste);
        bestand->abschnitte.assign(leser.Tabelle().begin(), leser.Tabelle().end());
        bestand->vorwaerts = Trie(vorwaerts, vorwaertsTexte, false);
        bestand->rueckwaerts = Trie(rueckwaerts, rueckwaertsTexte, true);
    } catch (const AbbildFehler&) {
        return false;
    }
    bestand->speicher = std::move(speicher);
    bestand_ = std::move(bestand);
    liedIndex_ = std::move(lied);
    if (liedIndex_->Vokalfeld() != vokalfeld)
        LiedIndexAufbauen(vokalfeld, haken);
    return true;
}

std::string_view Lexikon::Abbild() const {
    return bestand_ ? bestand_->speicher->Bytes() : std::string_view();
}

std::shared_ptr<const AbbildSpeicher> Lexikon::AbbildHalter() const {
    return bestand_ ? bestand_->speicher : nullptr;
}

void Lexikon::AbbildPruefen() const {
    if (bestand_)
        bestand_->speicher->Pruefen();
}

void Lexikon::AbbildSchnellPruefen() const {
    if (bestand_)
        bestand_->speicher->SchnellPruefen();
}

std::optional<std::string_view> Lexikon::Zusatzabschnitt(std::string_view name,
                                                         std::uint32_t version) const {
    if (!bestand_)
        return std::nullopt;
    for (const AbschnittsEintrag& e : bestand_->abschnitte)
        if (std::string_view(e.name, sizeof e.name) == name && e.version == version)
            return Abbild().substr(e.anfang, e.laenge);
    return std::nullopt;
}

std::unique_ptr<EigenerSpeicher>
Lexikon::AbbildMitAbschnitt(const AbschnittsEntwurf& abschnitt) const {
    if (!bestand_)
        return std::make_unique<EigenerSpeicher>(0);
    std::vector<AbschnittsEntwurf> abschnitte;
    for (const AbschnittsEintrag& e : bestand_->abschnitte) {
        const std::string_view name(e.name, sizeof e.name);
        if (name != std::string_view(abschnitt.Name(), 4))
            abschnitte.emplace_back(name, e.version).Bytes(Abbild().substr(e.anfang, e.laenge));
    }
    abschnitte.push_back(abschnitt);
    return AbbildZusammensetzen(bestand_->kennung, abschnitte);
}

void Lexikon::LexikonFreigeben() {
    liedIndex_.reset();
    bestand_.reset();
}

void Lexikon::LiedIndexAufbauen(std::string_view vokalfeld, EreignisHaken& haken) {
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    liedIndex_ = LiedIndex::Bauen(bestand_->klein, vokalfeld, begleitung);
}

const WortbestandsListe& Lexikon::Wortbestand() const {
    return bestand_->wortbestand;
}

const TextFeld& Lexikon::Kleinwortliste() const {
    return bestand_->klein;
}

const Trie& Lexikon::VorwaertsTrie() const {
    return bestand_->vorwaerts;
}

const Trie& Lexikon::RueckwaertsTrie() const {
    return bestand_->rueckwaerts;
}

std::optional<std::int32_t> Lexikon::WortNrVon(std::string_view klein) const {
    return bestand_->vorwaerts.Genau(klein);
}

std::span<const std::int32_t> Lexikon::LiedWorte(std::string_view vokalfolge) const {
    return liedIndex_ ? liedIndex_->Worte(vokalfolge) : std::span<const std::int32_t>();
}

std::size_t Lexikon::LiedSchluesselAnzahl() const {
    return liedIndex_ ? liedIndex_->SchluesselAnzahl() : 0;
}

} // namespace quandel
