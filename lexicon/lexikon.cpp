#include "lexicon/lexikon.h"

#include "lexicon/byteordnung.h"
#include "lexicon/grossspeicher.h"
#include "lexicon/vokalfolge.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/kollation.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace quandel {

namespace {

// Keeps a long build responsive and stoppable: reports the progress, hands control to the
// window and stops at once when asked to there (or before).
void Zwischenstand(const Baubegleitung& begleitung, int prozent) {
    if (begleitung.fortschritt)
        begleitung.fortschritt(prozent);
    if (begleitung.haken)
        begleitung.haken->Jetzt();
    if (begleitung.abbruch && begleitung.abbruch->load())
        throw BauAbgebrochen();
}

// The same every 1024th step of a loop, with the progress within [von, bis) percent.
class Schritte {
public:
    Schritte(const Baubegleitung& begleitung, std::size_t anzahl, int von, int bis)
        : b_(begleitung), anzahl_(std::max<std::size_t>(anzahl, 1)), von_(von), bis_(bis) {
        melden(0);
    }
    void operator()(std::size_t i) {
        if ((i & 1023u) == 0)
            melden(i);
    }

private:
    void melden(std::size_t i) {
        Zwischenstand(b_, von_ + static_cast<int>((bis_ - von_) * static_cast<double>(i) /
                                                  static_cast<double>(anzahl_)));
    }
    const Baubegleitung& b_;
    std::size_t anzahl_;
    int von_;
    int bis_;
};

// Texts collected into offsets and pool.
struct TextSammlung {
    std::vector<std::uint32_t> ende{0};
    std::string pool;
    void Anhaengen(std::string_view text) {
        pool.append(text);
        ende.push_back(static_cast<std::uint32_t>(pool.size()));
    }
    TextFeld Feld() const { return {ende, pool}; }
};

std::span<const std::int32_t> NummernLesen(AbschnittsLeser& leser, std::size_t wortzahl) {
    const auto nummern = leser.Feld<std::int32_t>(leser.Zahl());
    if (leser.Umfang() != Pruefumfang::Alles)
        return nummern;
    bool innerhalb = true; // no early exit: the loop vectorizes
    for (const std::int32_t nr : nummern)
        innerhalb &= static_cast<std::uint32_t>(nr) < wortzahl;
    if (!innerhalb)
        throw AbbildFehler("Wortnummer außerhalb");
    return nummern;
}

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

} // namespace

std::string WortbestandsListe::Schluessel(std::size_t i) const {
    return Kollator::Deutsch().Schluessel(worte_[i]);
}

std::optional<std::size_t> WortbestandsListe::IndexVon(std::string_view text) const {
    const std::string schluessel = Kollator::Deutsch().Schluessel(text);
    std::size_t von = 0;
    std::size_t bis = size();
    while (von < bis) {
        const std::size_t mitte = von + (bis - von) / 2;
        if (Schluessel(mitte) < schluessel)
            von = mitte + 1;
        else
            bis = mitte;
    }
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

// Vowel sequence -> word numbers. Built here, its arrays are owned; taken from an image, the
// arrays are views into it and the owned ones stay empty.
struct Lexikon::LiedIndex {
    std::string vokalfeld;
    TextSammlung eigeneFolgen;
    TextSammlung eigeneSchluessel;
    std::vector<std::uint32_t> eigeneEnden;
    std::vector<std::int32_t> eigeneWorte;

    TextFeld folgen;                      // the sequences, in collation order
    TextFeld schluessel;                  // their collation keys
    std::span<const std::uint32_t> enden; // words of sequence k: worte[enden[k] .. enden[k+1])
    std::span<const std::int32_t> worte;

    void Entwerfen(AbschnittsEntwurf& entwurf) const {
        entwurf.Zahl(vokalfeld.size());
        entwurf.Bytes(vokalfeld);
        entwurf.Texte(eigeneFolgen.ende, eigeneFolgen.pool);
        entwurf.Texte(eigeneSchluessel.ende, eigeneSchluessel.pool);
        entwurf.Zahl(eigeneEnden.size());
        entwurf.Feld(std::span<const std::uint32_t>(eigeneEnden));
        entwurf.Zahl(eigeneWorte.size());
        entwurf.Feld(std::span<const std::int32_t>(eigeneWorte));
    }

    void Lesen(AbschnittsLeser& leser, std::size_t wortzahl) {
        vokalfeld = std::string(leser.Bytes(leser.Zahl()));
        folgen = leser.Texte();
        schluessel = leser.Texte();
        enden = leser.Feld<std::uint32_t>(leser.Zahl());
        worte = NummernLesen(leser, wortzahl);
        if (schluessel.size() != folgen.size() || enden.size() != folgen.size() + 1 ||
            enden.front() != 0 || enden.back() != worte.size() ||
            (leser.Umfang() == Pruefumfang::Alles && !std::is_sorted(enden.begin(), enden.end())))
            throw AbbildFehler("Liedindex unstimmig");
    }

    static std::unique_ptr<LiedIndex> Bauen(const TextFeld& klein, std::string_view vokalfeld,
                                            const Baubegleitung& begleitung) {
        auto index = std::make_unique<LiedIndex>();
        index->vokalfeld = std::string(vokalfeld);
        const Vokale vokale(VokallisteAus(vokalfeld));
        const Kollator& kollator = Kollator::Deutsch();
        const std::size_t n = klein.size();

        // The sequence of every word, then the words ordered by their sequence byte by byte:
        // each run of equal sequences needs one collation key, and no map over strings grows.
        TextSammlung folgen;
        GrossReservieren(folgen.ende, n + 1);
        Schritte schritte(begleitung, n, 90, 95);
        for (std::size_t i = 0; i < n; ++i) {
            schritte(i);
            vokale.VokalfolgeAnhaengen(klein[i], folgen.pool);
            folgen.ende.push_back(static_cast<std::uint32_t>(folgen.pool.size()));
        }
        const std::vector<std::uint32_t> ordnung = NachBytesOrdnen(folgen.Feld(), false);
        Zwischenstand(begleitung, 96);

        // Runs of byte-equal sequences, each with the key of its sequence.
        struct Lauf {
            std::uint32_t von, bis; // in ordnung
            std::uint32_t schluessel;
        };
        std::vector<Lauf> laeufe;
        TextSammlung schluessel;
        const TextFeld folgenFeld = folgen.Feld();
        for (std::uint32_t i = 0; i < n;) {
            std::uint32_t j = i + 1;
            while (j < n && folgenFeld[ordnung[j]] == folgenFeld[ordnung[i]])
                ++j;
            laeufe.push_back({i, j, static_cast<std::uint32_t>(schluessel.ende.size() - 1)});
            kollator.SchluesselAnhaengen(folgenFeld[ordnung[i]], schluessel.pool);
            schluessel.ende.push_back(static_cast<std::uint32_t>(schluessel.pool.size()));
            i = j;
        }
        Zwischenstand(begleitung, 97);
        const TextFeld schluesselFeld = schluessel.Feld();
        // Runs equal in collation form one key, named by the sequence of its first word.
        std::stable_sort(laeufe.begin(), laeufe.end(), [&](const Lauf& a, const Lauf& b) {
            return schluesselFeld[a.schluessel] < schluesselFeld[b.schluessel];
        });
        Zwischenstand(begleitung, 98);
        index->eigeneEnden.push_back(0);
        GrossReservieren(index->eigeneWorte, n);
        for (std::size_t k = 0; k < laeufe.size();) {
            std::size_t m = k + 1;
            while (m < laeufe.size() &&
                   schluesselFeld[laeufe[m].schluessel] == schluesselFeld[laeufe[k].schluessel])
                ++m;
            const std::size_t anfang = index->eigeneWorte.size();
            for (std::size_t l = k; l < m; ++l)
                for (std::uint32_t i = laeufe[l].von; i < laeufe[l].bis; ++i)
                    index->eigeneWorte.push_back(static_cast<std::int32_t>(ordnung[i]));
            const auto worte = index->eigeneWorte.begin() + static_cast<std::ptrdiff_t>(anfang);
            if (m - k > 1)
                std::sort(worte, index->eigeneWorte.end());
            index->eigeneFolgen.Anhaengen(folgenFeld[static_cast<std::size_t>(*worte)]);
            index->eigeneSchluessel.Anhaengen(schluesselFeld[laeufe[k].schluessel]);
            index->eigeneEnden.push_back(static_cast<std::uint32_t>(index->eigeneWorte.size()));
            k = m;
        }

        index->folgen = index->eigeneFolgen.Feld();
        index->schluessel = index->eigeneSchluessel.Feld();
        index->enden = index->eigeneEnden;
        index->worte = index->eigeneWorte;
        return index;
    }
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
    const Kollator& kollator = Kollator::Deutsch();
    const std::size_t n = zeilen.size();

    // The collation key of every line, then the lines in key order; of equal keys the first
    // line stays.
    std::vector<std::uint32_t> auswahl;
    {
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
        GrossReservieren(auswahl, n);
        for (std::size_t i = 0; i < n; ++i)
            if (i == 0 || alleFeld[ordnung[i]] != alleFeld[ordnung[i - 1]])
                auswahl.push_back(ordnung[i]);
    }

    TextSammlung worte;
    std::string kleinPool;
    GrossReservieren(worte.ende, auswahl.size() + 1);
    GrossReservieren(worte.pool, zeilen.Bytes());
    GrossReservieren(kleinPool, zeilen.Bytes());
    for (const std::uint32_t nr : auswahl) {
        worte.Anhaengen(zeilen[nr]);
        for (const char c : zeilen[nr])
            kleinPool.push_back(Klein(c));
    }
    auswahl = {};
    zeilen = Wortzeilen();
    const TextFeld klein(worte.ende, kleinPool);
    Zwischenstand(begleitung, 70);
    const std::vector<std::int32_t> vorwaerts = Trie::Ordnen(klein, false);
    Zwischenstand(begleitung, 75);
    const std::vector<std::int32_t> rueckwaerts = Trie::Ordnen(klein, true);
    Zwischenstand(begleitung, 80);
    TextSammlung vorwaertsTexte, rueckwaertsTexte;
    for (TextSammlung* texte : {&vorwaertsTexte, &rueckwaertsTexte}) {
        GrossReservieren(texte->ende, worte.ende.size());
        GrossReservieren(texte->pool, worte.pool.size());
        Trie::TexteOrdnen(worte.Feld(), texte == &vorwaertsTexte ? vorwaerts : rueckwaerts,
                          texte->ende, texte->pool);
        Zwischenstand(begleitung, texte == &vorwaertsTexte ? 85 : 90);
    }
    const std::unique_ptr<LiedIndex> lied = LiedIndex::Bauen(klein, vokalfeld, begleitung);
    Zwischenstand(begleitung, 99);

    std::vector<AbschnittsEntwurf> abschnitte;
    abschnitte.emplace_back("WORT", 1).Texte(worte.ende, worte.pool);
    abschnitte.emplace_back("KLEI", 1).Texte(worte.ende, kleinPool);
    for (const bool vor : {true, false}) {
        const std::vector<std::int32_t>& ordnung = vor ? vorwaerts : rueckwaerts;
        const TextSammlung& texte = vor ? vorwaertsTexte : rueckwaertsTexte;
        AbschnittsEntwurf& e = abschnitte.emplace_back(vor ? "VORW" : "RUCK", 2);
        e.Zahl(ordnung.size());
        e.Feld(std::span<const std::int32_t>(ordnung));
        e.Texte(texte.ende, texte.pool);
    }
    lied->Entwerfen(abschnitte.emplace_back("LIED", 1));
    auto speicher = AbbildZusammensetzen(Kennung(begleitung.kennung), abschnitte);
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
        const auto vorwaerts = NummernLesen(v, n);
        const auto rueckwaerts = NummernLesen(r, n);
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
    if (liedIndex_->vokalfeld != vokalfeld)
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
    if (!liedIndex_)
        return {};
    const LiedIndex& index = *liedIndex_;
    const std::string schluessel = Kollator::Deutsch().Schluessel(vokalfolge);
    std::size_t von = 0;
    std::size_t bis = index.schluessel.size();
    while (von < bis) {
        const std::size_t mitte = von + (bis - von) / 2;
        if (index.schluessel[mitte] < schluessel)
            von = mitte + 1;
        else
            bis = mitte;
    }
    if (von == index.schluessel.size() || index.schluessel[von] != schluessel)
        return {};
    const std::uint32_t anfang = index.enden[von];
    const std::uint32_t ende = index.enden[von + 1];
    if (anfang > ende || ende > index.worte.size())
        return {};
    return index.worte.subspan(anfang, ende - anfang);
}

std::size_t Lexikon::LiedSchluesselAnzahl() const {
    return liedIndex_ ? liedIndex_->folgen.size() : 0;
}

} // namespace quandel
