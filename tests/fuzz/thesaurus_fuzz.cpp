// The thesaurus, from two sides. An input whose first byte is even is a thesaurus text: it is
// read (or refused for a line that is not UTF-8), and its image must come back whole and
// answer alike. An odd first byte makes the rest a list of damages to a fixed image
// (Beschaedigen), sealed again so that only the checks of offsets and counts stand between the
// damage and the look-ups: the image must be refused or looked up without reading outside it,
// checked in full or in its header only.
#include "meaning/thesaurus.h"
#include "pruefen.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "versiegeln.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quandel;

const char* const kProben[] = {"Kummer", "kummer", "Weg",    "weg",  "WEG",
                               "a",      "",       "(ugs.)", "Gram", "schwer ums Herz"};

std::vector<std::uint64_t> Worte(std::string_view bytes) {
    std::vector<std::uint64_t> worte((bytes.size() + 7) / 8);
    std::memcpy(worte.data(), bytes.data(), bytes.size());
    return worte;
}

// Every look-up; an image checked in full names only sets it has, one checked in its header
// only may name any, but must not read outside itself.
void Nachschlagen(const Thesaurus& thesaurus, Pruefumfang umfang) {
    for (const char* probe : kProben) {
        const std::vector<std::uint32_t> kreis = thesaurus.SinnkreisVon(probe);
        for (const std::uint32_t gruppe : kreis)
            QUANDEL_PRUEFEN(umfang == Pruefumfang::Kopf || gruppe < thesaurus.GruppenAnzahl());
        thesaurus.Synonyme(probe);
        thesaurus.ImSinnkreis(kreis, "Trauer");
    }
}

void TextPruefen(std::string_view text) {
    std::optional<Thesaurus> thesaurus;
    try {
        thesaurus = ThesaurusAusText(text, "fuzz");
    } catch (const Fehler&) {
        return;
    }
    Nachschlagen(*thesaurus, Pruefumfang::Alles);
    std::shared_ptr<const AbbildSpeicher> kopie =
        std::make_shared<EigenerSpeicher>(Worte(thesaurus->Abbild()));
    const std::optional<Thesaurus> wieder =
        Thesaurus::AusAbbild(kopie, ThesaurusKennung(text), Pruefumfang::Alles);
    QUANDEL_PRUEFEN(wieder.has_value());
    for (const char* probe : kProben)
        QUANDEL_PRUEFEN(wieder->Synonyme(probe) == thesaurus->Synonyme(probe));
}

const char kVorlage[] = "# Vorlage\nTrauer;Gram;Kummer\nSorge;Kummer;Leid (geh.);Leid\n"
                        "Weg;Pfad\nweg;fort (ugs.)\n(jemandem ist) schwer ums Herz;bedr\xC3\xBC"
                        "ckt sein\nHumor;Komik\n";

void SchadenPruefen(const std::uint8_t* daten, std::size_t groesse) {
    static const std::string vorlage(ThesaurusAusText(kVorlage, "vorlage").Abbild());
    std::vector<std::uint64_t> worte = Worte(vorlage);
    Beschaedigen(worte, daten, groesse);
    for (const Pruefumfang umfang : {Pruefumfang::Alles, Pruefumfang::Kopf}) {
        std::shared_ptr<const AbbildSpeicher> speicher = std::make_shared<EigenerSpeicher>(worte);
        if (const std::optional<Thesaurus> thesaurus =
                Thesaurus::AusAbbild(speicher, ThesaurusKennung(kVorlage), umfang))
            Nachschlagen(*thesaurus, umfang);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0)
        return 0;
    if (daten[0] % 2 == 0)
        TextPruefen({reinterpret_cast<const char*>(daten) + 1, groesse - 1});
    else
        SchadenPruefen(daten + 1, groesse - 1);
    return 0;
}
