#include "lexicon/indexcache.h"

#include "lexicon/indexstempel.h"
#include "text/fehler.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandel {

namespace {

// An index file mapped read-only; the mapping outlives a later replacement of the file,
// which goes to a new inode.
class Abbildung : public AbbildSpeicher {
public:
    Abbildung(void* adresse, std::size_t laenge) : adresse_(adresse), laenge_(laenge) {}
    Abbildung(const Abbildung&) = delete;
    Abbildung& operator=(const Abbildung&) = delete;
    ~Abbildung() override { ::munmap(adresse_, laenge_); }
    std::string_view Bytes() const override {
        return {static_cast<const char*>(adresse_), laenge_};
    }

private:
    void* adresse_;
    std::size_t laenge_;
};

// The index file mapped, with its state; nullptr when there is none.
std::unique_ptr<AbbildSpeicher> abbilden(const std::string& pfad, DateiZustand& zustand) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return nullptr;
    const std::optional<DateiZustand> z = ZustandVon(fd);
    void* adresse = MAP_FAILED;
    if (z && z->laenge >= 8)
        adresse =
            ::mmap(nullptr, static_cast<std::size_t>(z->laenge), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (adresse == MAP_FAILED)
        return nullptr;
    // A query reads a few scattered pages; where the system keeps the file in huge pages, one
    // fault maps two megabytes of it instead of a few kilobytes. Without them nothing changes.
    ::madvise(adresse, static_cast<std::size_t>(z->laenge), MADV_HUGEPAGE);
    zustand = *z;
    return std::make_unique<Abbildung>(adresse, static_cast<std::size_t>(z->laenge));
}

// Takes over the saved index of the list. An index file in the state recorded after its last
// full check is checked in its header only; any other is checked in full, and then its state
// goes to geprueft.
bool indexNehmen(Lexikon& lexikon, const std::string& ordner, const ListenKennung& kennung,
                 const DateiZustand& bekannt, std::string_view vokalfeld,
                 const Baubegleitung& begleitung, DateiZustand& geprueft) {
    DateiZustand zustand;
    auto speicher = abbilden(ordner + "/" + IndexDateiName(kennung), zustand);
    if (!speicher)
        return false;
    const Pruefumfang umfang = zustand == bekannt ? Pruefumfang::Kopf : Pruefumfang::Alles;
    EreignisHaken ohneHaken;
    if (!lexikon.AbbildUebernehmen(std::move(speicher), kennung, vokalfeld,
                                   begleitung.haken ? *begleitung.haken : ohneHaken, umfang))
        return false;
    if (umfang == Pruefumfang::Alles)
        geprueft = zustand;
    return true;
}

// The list is read at most once: a list in the state recorded with its identity is not read at
// all when its index can be taken; any other is read in one pass that yields both its lines
// and its identity, and its index is taken if there is one, else built from the lines.
LadeErgebnis laden(const std::string& pfad, Kodierung kodierung, std::string_view vokalfeld,
                   const Baubegleitung& begleitung, bool mitIndex) {
    LadeErgebnis ergebnis;
    const std::int64_t vorher = JetztNs();
    Wortlistendatei datei(pfad);
    const std::string ordner = mitIndex && datei.Zustand() ? IndexOrdner() : std::string();
    const auto kodierungNr = static_cast<std::uint32_t>(kodierung);
    std::optional<ListenStempel> stempel;
    if (!ordner.empty())
        stempel = StempelLesen(ordner, *datei.Zustand(), kodierungNr);

    const auto vermerken = [&](const ListenKennung& kennung, const DateiZustand& index) {
        StempelVermerken(ordner, stempel, {*datei.Zustand(), kennung, index}, vorher);
    };

    if (stempel) {
        DateiZustand geprueft;
        if (indexNehmen(ergebnis.lexikon, ordner, stempel->kennung, stempel->index, vokalfeld,
                        begleitung, geprueft)) {
            ergebnis.indexPfad = ordner + "/" + IndexDateiName(stempel->kennung);
            if (geprueft != DateiZustand{})
                vermerken(stempel->kennung, geprueft);
            ergebnis.herkunft = Herkunft::Index;
            return ergebnis;
        }
    }

    ListenKennung kennung;
    Wortzeilen zeilen = datei.Lesen(kodierung, &kennung);
    // A list changed while it was read is neither indexed nor recorded.
    const bool unveraendert = !ordner.empty() && datei.ZustandJetzt() == datei.Zustand();
    if (unveraendert) {
        ergebnis.indexPfad = ordner + "/" + IndexDateiName(kennung);
        DateiZustand geprueft;
        if (indexNehmen(ergebnis.lexikon, ordner, kennung, {}, vokalfeld, begleitung, geprueft)) {
            vermerken(kennung, geprueft);
            ergebnis.herkunft = Herkunft::Index;
            return ergebnis;
        }
    }
    Baubegleitung mitKennung = begleitung;
    mitKennung.kennung = kennung;
    ergebnis.lexikon.LexikonAufbauen(std::move(zeilen), vokalfeld, mitKennung);
    if (unveraendert) {
        const std::optional<ListenKennung> frueher =
            FruehereKennung(ordner, *datei.Zustand(), kodierungNr);
        IndexSpeichern(ergebnis.indexPfad, ergebnis.lexikon.Abbild());
        vermerken(kennung, {});
        // The list was changed in place: the index of its old bytes would only fill the
        // folder. (Should another file hold those bytes, its next load builds it again.)
        if (frueher && *frueher != kennung)
            ::unlink((ordner + "/" + IndexDateiName(*frueher)).c_str());
    }
    return ergebnis;
}

} // namespace

void IndexSpeichern(const std::string& pfad, std::string_view abbild) {
    const std::size_t schnitt = pfad.rfind('/');
    if (schnitt != std::string::npos)
        DateiErsetzen(pfad.substr(0, schnitt), pfad.substr(schnitt + 1), abbild);
}

std::unique_ptr<AbbildSpeicher> IndexAbbilden(const std::string& pfad, DateiZustand& zustand) {
    return abbilden(pfad, zustand);
}

std::string IndexOrdner() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/')
        return std::string(cache) + "/quandel-tornar";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.cache/quandel-tornar";
    return {};
}

std::string IndexDateiName(const ListenKennung& kennung) {
    char name[64];
    std::snprintf(name, sizeof name, "%016llx-%llu-%s.qtidx",
                  static_cast<unsigned long long>(kennung.pruefsumme),
                  static_cast<unsigned long long>(kennung.laenge),
                  kennung.kodierung == static_cast<std::uint32_t>(Kodierung::Cp1252) ? "cp1252"
                                                                                     : "utf8");
    return name;
}

LadeErgebnis WortlisteLaden(const std::string& pfad, Kodierung kodierung,
                            std::string_view vokalfeld, const Baubegleitung& begleitung,
                            bool mitIndex) {
    try {
        return laden(pfad, kodierung, vokalfeld, begleitung, mitIndex);
    } catch (const std::bad_alloc&) {
        throw Fehler("Nicht genug Arbeitsspeicher für die Wortliste " + pfad + ".");
    } catch (const std::length_error&) {
        throw Fehler("Nicht genug Arbeitsspeicher für die Wortliste " + pfad + ".");
    }
}

} // namespace quandel
