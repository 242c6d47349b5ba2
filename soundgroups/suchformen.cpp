#include "soundgroups/suchformen.h"

#include "text/kleinschreibung.h"
#include "text/kodierung.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quandel {

namespace {

// Whether the product of the counts, each taken as at most `deckel`, stays within the limit.
// The product is checked at every step, so it cannot overflow.
bool imRahmen(const std::vector<std::uint64_t>& anzahlen,
              std::uint64_t deckel = std::numeric_limits<std::uint64_t>::max()) {
    std::uint64_t anzahl = 1;
    for (const std::uint64_t n : anzahlen) {
        const std::uint64_t stelle = std::min(n, deckel);
        if (stelle > kSuchformenHoechstzahl || (anzahl *= stelle) > kSuchformenHoechstzahl)
            return false;
    }
    return true;
}

// The same product in decimal digits, for the message: 3^40 does not fit any integer.
std::string dezimalProdukt(const std::vector<std::uint64_t>& anzahlen) {
    std::vector<std::uint64_t> ziffern{1}; // least significant first
    for (const std::uint64_t n : anzahlen) {
        // n times a digit plus the carry stays far inside 64 bits for any group in memory.
        std::uint64_t uebertrag = 0;
        for (std::uint64_t& ziffer : ziffern) {
            const std::uint64_t wert = ziffer * n + uebertrag;
            ziffer = wert % 10;
            uebertrag = wert / 10;
        }
        for (; uebertrag > 0; uebertrag /= 10)
            ziffern.push_back(uebertrag % 10);
    }
    std::string text;
    for (auto i = ziffern.rbegin(); i != ziffern.rend(); ++i)
        text.push_back(static_cast<char>('0' + *i));
    return text;
}

} // namespace

ZuVieleLautvarianten::ZuVieleLautvarianten(const std::string& anzahl)
    : Fehler("Zu viele Lautvarianten (" + anzahl + "). Bitte ein kürzeres Suchwort eingeben.") {}

ZuVieleLautvarianten::ZuVieleLautvarianten(const std::string& anzahl, std::string_view herkunft,
                                           std::string_view wort)
    : Fehler("Die Lautgruppen " + std::string(herkunft) + (herkunft.empty() ? "" : " ") +
             "ergeben für »" + std::string(wort) + "« zu viele Schreibweisen (" + anzahl + ").") {}

void SuchformenBilden(std::string_view wort, const Lautersetzung& ersetzung,
                      StringListe<>& suchformen) {
    SuchformenAufzaehlen(TrefferlisteFuellen(wort, ersetzung), suchformen);
}

Trefferliste TrefferlisteFuellen(std::string_view wort, const Lautersetzung& ersetzung) {
    Trefferliste trefferliste(wort.empty() ? 0 : wort.size() + 1);
    std::string arbeitswort(wort);
    // A key whose first character is not in the word cannot match: most of MergeList.
    std::array<bool, 256> imWort{};
    imWort[static_cast<unsigned char>(' ')] = true; // matched characters become blanks
    for (char c : Klein(wort))
        imWort[static_cast<unsigned char>(c)] = true;
    for (const std::string& schluessel : ersetzung.MergeList())
        if (!schluessel.empty() && imWort[static_cast<unsigned char>(schluessel[0])])
            arbeitswort = SchluesselErsetzen(std::move(arbeitswort), schluessel, trefferliste);
    std::erase_if(trefferliste,
                  [](const TrefferlistenEintrag& eintrag) { return eintrag.schluessel.empty(); });

    const ErsetzBaum& baum = ersetzung.Baum();
    std::vector<std::uint64_t> anzahlen;
    for (const TrefferlistenEintrag& eintrag : trefferliste)
        anzahlen.push_back(baum.AnzahlAlternativen(eintrag.schluessel));
    if (!imRahmen(anzahlen)) {
        if (imRahmen(anzahlen, kUeblicheGruppengroesse))
            throw ZuVieleLautvarianten(dezimalProdukt(anzahlen), ersetzung.Herkunft(),
                                       Utf8AusCp1252(wort));
        throw ZuVieleLautvarianten(dezimalProdukt(anzahlen));
    }
    for (TrefferlistenEintrag& eintrag : trefferliste)
        baum.Alternativen(eintrag.schluessel, eintrag.alternativen);
    return trefferliste;
}

std::string SchluesselErsetzen(std::string arbeitswort, const std::string& schluessel,
                               Trefferliste& trefferliste) {
    KleinInPlace(arbeitswort);
    if (arbeitswort.empty() || schluessel.empty() || schluessel.size() > arbeitswort.size())
        return arbeitswort;
    const std::size_t laenge = schluessel.size();
    for (std::size_t p = 0; p + laenge <= arbeitswort.size();) {
        if (arbeitswort.compare(p, laenge, schluessel) != 0) {
            ++p;
            continue;
        }
        trefferliste[p + 1].schluessel = schluessel;
        arbeitswort.replace(p, laenge, laenge, ' ');
        p += laenge;
    }
    return arbeitswort;
}

void SuchformenAufzaehlen(const Trefferliste& trefferliste, StringListe<>& suchformen) {
    if (trefferliste.empty())
        return;
    std::vector<Zaehler> ziffern;
    for (const TrefferlistenEintrag& eintrag : trefferliste)
        ziffern.push_back({0, static_cast<std::int32_t>(eintrag.alternativen.size()) - 1, 0});
    do {
        std::string form;
        for (std::size_t j = 0; j < ziffern.size(); ++j)
            form += trefferliste[j].alternativen[static_cast<std::size_t>(ziffern[j].Stand)];
        suchformen.Sammeln(std::move(form));
    } while (Weiterzaehlen(ziffern));
    suchformen.Einordnen();
}

bool Weiterzaehlen(std::vector<Zaehler>& ziffern) {
    for (Zaehler& z : ziffern) {
        if (z.Stand != z.Max) {
            ++z.Stand;
            return true;
        }
        z.Stand = z.Min;
    }
    return false;
}

} // namespace quandel
