#include "meaning/thesaurus.h"

#include "lexicon/pruefsumme.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/kodierung.h"
#include "text/pfadangabe.h"
#include "text/zeilen.h"

#include <algorithm>
#include <unicode/utf8.h>
#include <utility>

namespace quandel {

namespace {

constexpr std::string_view kAbschnitt = "THES";
constexpr std::uint32_t kAbschnittVersion = 1;

// Byte order of the texts, ignoring case: the order of kleinOrdnung_.
int kleinVergleich(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(Klein(a[i]));
        const auto y = static_cast<unsigned char>(Klein(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Throws unless the line is UTF-8, naming the first bad byte.
void utf8Pruefen(std::string_view zeile) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(zeile.data());
    const auto laenge = static_cast<std::int32_t>(zeile.size());
    for (std::int32_t i = 0; i < laenge;) {
        const std::int32_t anfang = i;
        UChar32 c;
        U8_NEXT(s, i, laenge, c);
        if (c < 0)
            throw Fehler("Ungültige UTF-8-Bytefolge an Byte " + std::to_string(anfang + 1) + ".");
    }
}

// The entries of a line in Windows-1252, as views into `text`, which it fills; those
// Windows-1252 cannot hold are left out.
void eintraegeDerZeile(std::string_view zeile, std::string& text,
                       std::vector<std::string_view>& eintraege) {
    eintraege.clear();
    std::vector<std::pair<std::size_t, std::size_t>> stellen; // in text
    bool ganz = true;
    try {
        text = Cp1252AusUtf8(zeile);
    } catch (const Fehler&) {
        utf8Pruefen(zeile);
        ganz = false;
        text.clear();
    }
    const std::string_view quelle = ganz ? std::string_view(text) : zeile;
    for (std::size_t anfang = 0; anfang <= quelle.size();) {
        const std::size_t ende = std::min(quelle.find(';', anfang), quelle.size());
        const std::string_view eintrag = OhneRand(quelle.substr(anfang, ende - anfang), " \t\r");
        anfang = ende + 1;
        if (eintrag.empty())
            continue;
        if (ganz) {
            eintraege.push_back(eintrag);
            continue;
        }
        try {
            const std::string umgewandelt = Cp1252AusUtf8(eintrag);
            stellen.emplace_back(text.size(), umgewandelt.size());
            text += umgewandelt;
        } catch (const Fehler&) {
        }
    }
    for (const auto& [anfang, laenge] : stellen)
        eintraege.push_back(std::string_view(text).substr(anfang, laenge));
}

// An entry's Kernwort appended to `ziel`.
void kernAnhaengen(std::string& ziel, std::string_view eintrag) {
    const std::size_t anfang = ziel.size();
    int tiefe = 0;
    bool luecke = false;
    for (const char c : eintrag) {
        if (c == '(') {
            ++tiefe;
        } else if (c == ')' && tiefe > 0) {
            --tiefe;
        } else if (tiefe == 0 && (c == ' ' || c == '\t')) {
            luecke = ziel.size() > anfang;
        } else if (tiefe == 0) {
            if (luecke)
                ziel += ' ';
            luecke = false;
            ziel += c;
        }
    }
}

struct Bau {
    std::vector<std::uint32_t> eintragEnde{0};
    std::string eintragPool;
    std::vector<std::uint32_t> gruppenAnfang{0};
    // The Kernwoerter with their set, their texts in kernPool.
    struct Kern {
        std::uint32_t anfang;
        std::uint32_t laenge;
        std::uint32_t gruppe;
    };
    std::string kernPool;
    std::vector<Kern> kerne;
    std::vector<std::uint32_t> schluesselEnde{0};
    std::string schluesselPool;
    std::vector<std::uint32_t> schluesselAnfang{0};
    std::vector<std::uint32_t> schluesselGruppen;
    std::vector<std::uint32_t> kleinOrdnung;

    std::string_view kern(const Kern& k) const {
        return std::string_view(kernPool).substr(k.anfang, k.laenge);
    }
};

void zeilenLesen(Bau& bau, std::string_view utf8, const std::string& quelle) {
    bau.eintragPool.reserve(utf8.size());
    bau.kernPool.reserve(utf8.size());
    bau.eintragEnde.reserve(utf8.size() / 12);
    bau.kerne.reserve(utf8.size() / 12);
    std::string text;
    std::vector<std::string_view> eintraege;
    std::size_t nummer = 0;
    for (std::size_t anfang = 0; anfang < utf8.size();) {
        const std::size_t ende = std::min(utf8.find('\n', anfang), utf8.size());
        const std::string_view zeile = OhneRand(utf8.substr(anfang, ende - anfang), " \t\r");
        anfang = ende + 1;
        ++nummer;
        if (zeile.empty() || zeile.starts_with('#'))
            continue;
        try {
            eintraegeDerZeile(zeile, text, eintraege);
        } catch (const Fehler& fehler) {
            throw Fehler(Pfadangabe(quelle) + ", Zeile " + std::to_string(nummer) + ": " +
                         fehler.what());
        }
        if (eintraege.size() < 2)
            continue;
        const auto gruppe = static_cast<std::uint32_t>(bau.gruppenAnfang.size() - 1);
        for (const std::string_view eintrag : eintraege) {
            bau.eintragPool += eintrag;
            bau.eintragEnde.push_back(static_cast<std::uint32_t>(bau.eintragPool.size()));
            const auto kernAnfang = static_cast<std::uint32_t>(bau.kernPool.size());
            kernAnhaengen(bau.kernPool, eintrag);
            const auto laenge = static_cast<std::uint32_t>(bau.kernPool.size() - kernAnfang);
            if (laenge > 0)
                bau.kerne.push_back({kernAnfang, laenge, gruppe});
        }
        bau.gruppenAnfang.push_back(static_cast<std::uint32_t>(bau.eintragEnde.size() - 1));
    }
}

void schluesselOrdnen(Bau& bau) {
    std::sort(bau.kerne.begin(), bau.kerne.end(), [&bau](const Bau::Kern& a, const Bau::Kern& b) {
        const int vergleich = bau.kern(a).compare(bau.kern(b));
        return vergleich < 0 || (vergleich == 0 && a.gruppe < b.gruppe);
    });
    for (std::size_t i = 0; i < bau.kerne.size(); ++i) {
        const std::string_view kern = bau.kern(bau.kerne[i]);
        const std::uint32_t gruppe = bau.kerne[i].gruppe;
        const bool neu = i == 0 || kern != bau.kern(bau.kerne[i - 1]);
        if (neu) {
            if (i > 0)
                bau.schluesselAnfang.push_back(
                    static_cast<std::uint32_t>(bau.schluesselGruppen.size()));
            bau.schluesselPool += kern;
            bau.schluesselEnde.push_back(static_cast<std::uint32_t>(bau.schluesselPool.size()));
        }
        if (neu || bau.schluesselGruppen.back() != gruppe)
            bau.schluesselGruppen.push_back(gruppe);
    }
    if (!bau.kerne.empty())
        bau.schluesselAnfang.push_back(static_cast<std::uint32_t>(bau.schluesselGruppen.size()));
    const TextFeld schluessel(bau.schluesselEnde, bau.schluesselPool);
    bau.kleinOrdnung.resize(schluessel.size());
    for (std::size_t i = 0; i < schluessel.size(); ++i)
        bau.kleinOrdnung[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(bau.kleinOrdnung.begin(), bau.kleinOrdnung.end(),
                     [&schluessel](std::uint32_t a, std::uint32_t b) {
                         return kleinVergleich(schluessel[a], schluessel[b]) < 0;
                     });
}

std::unique_ptr<EigenerSpeicher> abbildBauen(std::string_view utf8, const std::string& quelle) {
    Bau bau;
    zeilenLesen(bau, utf8, quelle);
    schluesselOrdnen(bau);
    std::vector<AbschnittsEntwurf> abschnitte;
    AbschnittsEntwurf& a = abschnitte.emplace_back(kAbschnitt, kAbschnittVersion);
    a.Texte(bau.eintragEnde, bau.eintragPool);
    a.Zahl(bau.gruppenAnfang.size());
    a.Feld(std::span<const std::uint32_t>(bau.gruppenAnfang));
    a.Texte(bau.schluesselEnde, bau.schluesselPool);
    a.Feld(std::span<const std::uint32_t>(bau.schluesselAnfang));
    a.Zahl(bau.schluesselGruppen.size());
    a.Feld(std::span<const std::uint32_t>(bau.schluesselGruppen));
    a.Feld(std::span<const std::uint32_t>(bau.kleinOrdnung));
    return AbbildZusammensetzen({ThesaurusKennung(utf8), {}}, abschnitte);
}

// Offsets that start at 0, never fall and end at `ende`.
bool stimmig(std::span<const std::uint32_t> anfaenge, std::size_t ende) {
    if (anfaenge.empty() || anfaenge.front() != 0 || anfaenge.back() != ende)
        return false;
    return std::is_sorted(anfaenge.begin(), anfaenge.end());
}

bool alleKleiner(std::span<const std::uint32_t> zahlen, std::size_t grenze) {
    return std::all_of(zahlen.begin(), zahlen.end(),
                       [grenze](std::uint32_t z) { return z < grenze; });
}

} // namespace

std::string Kernwort(std::string_view eintrag) {
    std::string kern;
    kernAnhaengen(kern, eintrag);
    return kern;
}

ListenKennung ThesaurusKennung(std::string_view bytes) {
    return {Pruefsumme64(bytes), bytes.size(), kThesaurusKennzahl};
}

Thesaurus ThesaurusAusText(std::string_view utf8, const std::string& quelle) {
    std::shared_ptr<const AbbildSpeicher> speicher = abbildBauen(utf8, quelle);
    return Thesaurus::AusAbbild(std::move(speicher), ThesaurusKennung(utf8), Pruefumfang::Kopf)
        .value();
}

std::optional<Thesaurus> Thesaurus::AusAbbild(std::shared_ptr<const AbbildSpeicher> speicher,
                                              const ListenKennung& kennung, Pruefumfang umfang) {
    try {
        const AbbildLeser leser(speicher->Bytes(), {kennung, {}}, umfang);
        AbschnittsLeser a(leser.Abschnitt(kAbschnitt, kAbschnittVersion), umfang);
        Thesaurus t;
        t.eintraege_ = a.Texte();
        t.gruppenAnfang_ = a.Feld<std::uint32_t>(a.Zahl());
        t.schluessel_ = a.Texte();
        t.schluesselAnfang_ = a.Feld<std::uint32_t>(t.schluessel_.size() + 1);
        t.schluesselGruppen_ = a.Feld<std::uint32_t>(a.Zahl());
        t.kleinOrdnung_ = a.Feld<std::uint32_t>(t.schluessel_.size());
        if (umfang == Pruefumfang::Alles &&
            (!stimmig(t.gruppenAnfang_, t.eintraege_.size()) ||
             !stimmig(t.schluesselAnfang_, t.schluesselGruppen_.size()) ||
             !alleKleiner(t.schluesselGruppen_, t.GruppenAnzahl()) ||
             !alleKleiner(t.kleinOrdnung_, t.schluessel_.size())))
            return std::nullopt;
        t.speicher_ = std::move(speicher);
        return t;
    } catch (const AbbildFehler&) {
        return std::nullopt;
    }
}

std::string_view Thesaurus::Abbild() const {
    return speicher_ ? speicher_->Bytes() : std::string_view();
}

void Thesaurus::AbbildPruefen() const {
    if (speicher_)
        speicher_->Pruefen();
}

std::size_t Thesaurus::GruppenAnzahl() const {
    return gruppenAnfang_.empty() ? 0 : gruppenAnfang_.size() - 1;
}

// Every read below checks its numbers and offsets, so that an image checked in its header only
// never leads outside its memory.

std::span<const std::uint32_t> Thesaurus::gruppenDes(std::size_t schluessel) const {
    if (schluessel + 1 >= schluesselAnfang_.size())
        return {};
    const std::uint32_t von = schluesselAnfang_[schluessel];
    const std::uint32_t bis = schluesselAnfang_[schluessel + 1];
    if (von > bis || bis > schluesselGruppen_.size())
        return {};
    return schluesselGruppen_.subspan(von, bis - von);
}

std::pair<std::size_t, std::size_t> Thesaurus::eintraegeDer(std::uint32_t gruppe) const {
    if (std::size_t{gruppe} + 1 >= gruppenAnfang_.size())
        return {0, 0};
    const std::size_t bis = std::min<std::size_t>(gruppenAnfang_[gruppe + 1], eintraege_.size());
    return {std::min<std::size_t>(gruppenAnfang_[gruppe], bis), bis};
}

std::optional<std::size_t> Thesaurus::schluesselNr(std::string_view wort) const {
    std::size_t von = 0;
    std::size_t bis = schluessel_.size();
    while (von < bis) {
        const std::size_t mitte = von + (bis - von) / 2;
        if (schluessel_[mitte] < wort)
            von = mitte + 1;
        else
            bis = mitte;
    }
    if (von < schluessel_.size() && schluessel_[von] == wort)
        return von;
    return std::nullopt;
}

std::vector<std::uint32_t> Thesaurus::GruppenVon(std::string_view wort) const {
    if (wort.empty())
        return {};
    if (const std::optional<std::size_t> nr = schluesselNr(wort)) {
        const std::span<const std::uint32_t> gruppen = gruppenDes(*nr);
        return {gruppen.begin(), gruppen.end()};
    }
    const auto kleiner = [this](std::uint32_t nr, std::string_view text) {
        return kleinVergleich(schluessel_[nr], text) < 0;
    };
    const auto groesser = [this](std::string_view text, std::uint32_t nr) {
        return kleinVergleich(text, schluessel_[nr]) < 0;
    };
    const auto anfang = std::lower_bound(kleinOrdnung_.begin(), kleinOrdnung_.end(), wort, kleiner);
    const auto ende = std::upper_bound(anfang, kleinOrdnung_.end(), wort, groesser);
    std::vector<std::uint32_t> gruppen;
    for (auto it = anfang; it != ende; ++it) {
        const std::span<const std::uint32_t> dazu = gruppenDes(*it);
        gruppen.insert(gruppen.end(), dazu.begin(), dazu.end());
    }
    std::sort(gruppen.begin(), gruppen.end());
    gruppen.erase(std::unique(gruppen.begin(), gruppen.end()), gruppen.end());
    return gruppen;
}

std::vector<std::vector<std::string>> Thesaurus::Gruppen(std::string_view eingabe) const {
    const std::string wort = Kernwort(eingabe);
    // The word's own entries: its exact form, or where it has none, any of its case forms.
    const bool exakt = schluesselNr(wort).has_value();
    std::vector<std::vector<std::string>> gruppen;
    for (const std::uint32_t gruppe : GruppenVon(wort)) {
        const auto [von, bis] = eintraegeDer(gruppe);
        std::vector<std::string>& eintraege = gruppen.emplace_back();
        for (std::size_t i = von; i < bis; ++i) {
            const std::string kern = Kernwort(eintraege_[i]);
            if (exakt ? kern != wort : kleinVergleich(kern, wort) != 0)
                eintraege.emplace_back(eintraege_[i]);
        }
    }
    return gruppen;
}

std::vector<std::string> Thesaurus::Synonyme(std::string_view wort) const {
    std::vector<std::string> synonyme;
    std::vector<std::string> gesehen; // their Kernwoerter, sorted
    for (std::vector<std::string>& gruppe : Gruppen(wort))
        for (std::string& eintrag : gruppe) {
            std::string kern = Kernwort(eintrag);
            const auto stelle = std::lower_bound(gesehen.begin(), gesehen.end(), kern);
            if (stelle != gesehen.end() && *stelle == kern)
                continue;
            gesehen.insert(stelle, std::move(kern));
            synonyme.push_back(std::move(eintrag));
        }
    return synonyme;
}

std::vector<std::uint32_t> Thesaurus::SinnkreisVon(std::string_view wort) const {
    const std::vector<std::uint32_t> eigene = GruppenVon(Kernwort(wort));
    std::vector<std::uint32_t> kreis = eigene;
    for (const std::uint32_t gruppe : eigene) {
        const auto [von, bis] = eintraegeDer(gruppe);
        for (std::size_t i = von; i < bis; ++i)
            if (const std::optional<std::size_t> nr = schluesselNr(Kernwort(eintraege_[i]))) {
                const std::span<const std::uint32_t> dazu = gruppenDes(*nr);
                kreis.insert(kreis.end(), dazu.begin(), dazu.end());
            }
    }
    std::sort(kreis.begin(), kreis.end());
    kreis.erase(std::unique(kreis.begin(), kreis.end()), kreis.end());
    return kreis;
}

bool Thesaurus::ImSinnkreis(std::span<const std::uint32_t> sinnkreis, std::string_view wort) const {
    for (const std::uint32_t gruppe : GruppenVon(wort))
        if (std::binary_search(sinnkreis.begin(), sinnkreis.end(), gruppe))
            return true;
    return false;
}

} // namespace quandel
