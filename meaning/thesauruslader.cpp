#include "meaning/thesauruslader.h"

#include "lexicon/indexcache.h"
#include "lexicon/indexstempel.h"
#include "lexicon/pfadvermerk.h"
#include "text/datei.h"
#include "text/fehler.h"
#include "text/pfadangabe.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandel {

namespace {

// The state of the file if it is a regular one. Throws Fehler when it is missing.
std::optional<DateiZustand> zustandVon(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT)
        throw Fehler("Der Thesaurus " + Pfadangabe(pfad) +
                     " fehlt; OpenThesaurus kommt mit dem Paket openthesaurus-de-text (apt-get "
                     "install openthesaurus-de-text).");
    if (fd < 0)
        return std::nullopt; // DateiLesen names the reason
    const std::optional<DateiZustand> zustand = ZustandVon(fd);
    ::close(fd);
    return zustand;
}

// Takes over the saved index of that identity: checked in its header only while the file is in
// the state recorded after its last full check, else in full, whose state then goes to
// geprueft.
std::optional<Thesaurus> indexNehmen(const std::string& ordner, const ListenKennung& kennung,
                                     const DateiZustand& bekannt, DateiZustand& geprueft) {
    DateiZustand zustand;
    std::shared_ptr<const AbbildSpeicher> speicher =
        IndexAbbilden(ordner + "/" + ThesaurusIndexName(kennung), zustand);
    if (!speicher)
        return std::nullopt;
    const Pruefumfang umfang = zustand == bekannt ? Pruefumfang::Kopf : Pruefumfang::Alles;
    std::optional<Thesaurus> thesaurus = Thesaurus::AusAbbild(std::move(speicher), kennung, umfang);
    if (thesaurus && umfang == Pruefumfang::Alles)
        geprueft = zustand;
    return thesaurus;
}

} // namespace

std::string ThesaurusIndexName(const ListenKennung& kennung) {
    char name[64];
    std::snprintf(name, sizeof name, "%016llx-%llu-thesaurus.qtidx",
                  static_cast<unsigned long long>(kennung.pruefsumme),
                  static_cast<unsigned long long>(kennung.laenge));
    return name;
}

Thesaurus ThesaurusLaden(const std::string& pfad, bool mitIndex) {
    const std::int64_t vorher = JetztNs();
    const std::optional<DateiZustand> zustand = zustandVon(pfad);
    const std::string ordner = mitIndex && zustand ? IndexOrdner() : std::string();
    std::optional<ListenStempel> stempel;
    if (!ordner.empty())
        stempel = StempelLesen(ordner, *zustand, kThesaurusKennzahl);
    const auto vermerken = [&](const ListenKennung& kennung, const DateiZustand& index) {
        StempelVermerken(ordner, stempel, {*zustand, kennung, index}, vorher);
    };

    // A thesaurus in the state recorded with its identity is not read at all.
    if (stempel) {
        DateiZustand geprueft;
        if (auto thesaurus = indexNehmen(ordner, stempel->kennung, stempel->index, geprueft)) {
            if (geprueft != DateiZustand{})
                vermerken(stempel->kennung, geprueft);
            return std::move(*thesaurus);
        }
    }

    // Debian's has 2.3 MB and no line longer than 1,715 bytes; a device without end (as
    // /dev/zero) stops at once.
    const std::string text = DateiLesen(pfad, Textgrenzen{64 << 20, 1 << 16});
    const ListenKennung kennung = ThesaurusKennung(text);
    // A file changed while it was read is neither indexed nor recorded.
    const bool unveraendert = !ordner.empty() && zustandVon(pfad) == zustand;
    if (unveraendert) {
        DateiZustand geprueft;
        if (auto thesaurus = indexNehmen(ordner, kennung, {}, geprueft)) {
            vermerken(kennung, geprueft);
            return std::move(*thesaurus);
        }
    }
    Thesaurus thesaurus = ThesaurusAusText(text, pfad);
    if (unveraendert) {
        DateiErsetzen(ordner, ThesaurusIndexName(kennung), thesaurus.Abbild());
        vermerken(kennung, {});
        // Changed in place or replaced: the index of its old bytes would only fill the folder.
        IndexVermerken(ordner, pfad, kThesaurusKennzahl, ThesaurusIndexName(kennung),
                       StempelDateiName(*zustand, kThesaurusKennzahl));
    }
    return thesaurus;
}

} // namespace quandel
