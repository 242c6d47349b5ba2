#include "lexicon/indexcache.h"

#include "lexicon/abbildwache.h"
#include "lexicon/indexstempel.h"
#include "lexicon/pfadvermerk.h"
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
// which goes to a new inode. The file stays open, so that a change to it (cut short, written
// to) is seen in its state, and a guard keeps a read past a new end from ending the program.
class Abbildung : public AbbildSpeicher {
public:
    Abbildung(std::string pfad, int fd, const DateiZustand& zustand, void* adresse)
        : pfad_(std::move(pfad)), fd_(fd), zustand_(zustand), adresse_(adresse),
          wache_(adresse, static_cast<std::size_t>(zustand.laenge)) {}
    Abbildung(const Abbildung&) = delete;
    Abbildung& operator=(const Abbildung&) = delete;
    ~Abbildung() override {
        wache_.Abmelden();
        ::munmap(adresse_, static_cast<std::size_t>(zustand_.laenge));
        ::close(fd_);
    }
    std::string_view Bytes() const override {
        return {static_cast<const char*>(adresse_), static_cast<std::size_t>(zustand_.laenge)};
    }
    // Renaming or unlinking the file moves only its change time; its length and modification
    // time tell a change of its bytes.
    void Pruefen() const override {
        SchnellPruefen();
        const std::optional<DateiZustand> jetzt = ZustandVon(fd_);
        if (!jetzt || jetzt->laenge != zustand_.laenge ||
            jetzt->aenderungNs != zustand_.aenderungNs)
            veraendert();
    }
    void SchnellPruefen() const override {
        if (wache_.Beschaedigt())
            veraendert();
    }

private:
    [[noreturn]] void veraendert() const {
        throw IndexVeraendert("Die Indexdatei " + pfad_ +
                              " wurde während des Gebrauchs verändert.");
    }

    std::string pfad_;
    int fd_;
    DateiZustand zustand_;
    void* adresse_;
    Abbildwache wache_;
};

// The index file mapped, with its state; nullptr when there is none.
std::unique_ptr<AbbildSpeicher> abbilden(const std::string& pfad, DateiZustand& zustand) {
    const int fd = CachedateiOeffnen(pfad);
    if (fd < 0)
        return nullptr;
    const std::optional<DateiZustand> z = ZustandVon(fd);
    void* adresse = MAP_FAILED;
    if (z && z->laenge >= 8)
        adresse =
            ::mmap(nullptr, static_cast<std::size_t>(z->laenge), PROT_READ, MAP_PRIVATE, fd, 0);
    if (adresse == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    // A query reads a few scattered pages; where the system keeps the file in huge pages, one
    // fault maps two megabytes of it instead of a few kilobytes. Without them nothing changes.
    ::madvise(adresse, static_cast<std::size_t>(z->laenge), MADV_HUGEPAGE);
    zustand = *z;
    return std::make_unique<Abbildung>(pfad, fd, *z, adresse);
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
    Wortzeilen zeilen = datei.Lesen(kodierung, &kennung, begleitung.haken);
    if (!ordner.empty()) {
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
    if (!ordner.empty()) {
        IndexSpeichern(ergebnis.indexPfad, ergebnis.lexikon.Abbild());
        vermerken(kennung, {});
        // The index of the list's old bytes would only fill the folder. (Should another file
        // hold those bytes, its next load builds it again.)
        IndexVermerken(ordner, pfad, kodierungNr, IndexDateiName(kennung),
                       StempelDateiName(*datei.Zustand(), kodierungNr));
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
        try {
            return laden(pfad, kodierung, vokalfeld, begleitung, mitIndex);
        } catch (const ListeVeraendert&) {
            // Once more from the start, as the list stands now; a second change is reported.
            return laden(pfad, kodierung, vokalfeld, begleitung, mitIndex);
        }
    } catch (const std::bad_alloc&) {
        throw Fehler("Nicht genug Arbeitsspeicher für die Wortliste " + pfad + ".");
    } catch (const std::length_error&) {
        throw Fehler("Nicht genug Arbeitsspeicher für die Wortliste " + pfad + ".");
    }
}

} // namespace quandel
