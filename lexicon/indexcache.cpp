#include "lexicon/indexcache.h"

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

std::unique_ptr<AbbildSpeicher> abbilden(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    void* adresse = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 8)
        adresse = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                         MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (adresse == MAP_FAILED)
        return nullptr;
    return std::make_unique<Abbildung>(adresse, static_cast<std::size_t>(info.st_size));
}

bool ganzSchreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void ordnerAnlegen(const std::string& ordner) {
    for (std::size_t i = 1; i <= ordner.size(); ++i)
        if (i == ordner.size() || ordner[i] == '/')
            ::mkdir(ordner.substr(0, i).c_str(), 0700);
}

LadeErgebnis laden(const std::string& pfad, Kodierung kodierung, std::string_view vokalfeld,
                   const Baubegleitung& begleitung, bool mitIndex) {
    LadeErgebnis ergebnis;
    const std::string ordner = mitIndex ? IndexOrdner() : std::string();
    const std::optional<ListenKennung> kennung =
        ordner.empty() ? std::nullopt : ListenKennungVon(pfad, kodierung);
    const std::string name = kennung ? IndexDateiName(*kennung) : std::string();
    if (kennung) {
        ergebnis.indexPfad = ordner + "/" + name;
        EreignisHaken ohneHaken;
        auto speicher = abbilden(ergebnis.indexPfad);
        if (speicher &&
            ergebnis.lexikon.AbbildUebernehmen(std::move(speicher), *kennung, vokalfeld,
                                               begleitung.haken ? *begleitung.haken : ohneHaken)) {
            ergebnis.herkunft = Herkunft::Index;
            return ergebnis;
        }
    }
    Baubegleitung mitKennung = begleitung;
    if (kennung)
        mitKennung.kennung = *kennung;
    ListenKennung gelesen;
    ergebnis.lexikon.LexikonAufbauen(WortlisteLesen(pfad, kodierung, &gelesen), vokalfeld,
                                     mitKennung);
    // A list changed between the two reads is not saved under the older identity.
    if (kennung && gelesen == *kennung)
        IndexSpeichern(ergebnis.indexPfad, ergebnis.lexikon.Abbild());
    return ergebnis;
}

} // namespace

void IndexSpeichern(const std::string& pfad, std::string_view abbild) {
    const std::size_t schnitt = pfad.rfind('/');
    if (schnitt == std::string::npos)
        return;
    ordnerAnlegen(pfad.substr(0, schnitt));
    std::string vorlage = pfad.substr(0, schnitt + 1) + "." + pfad.substr(schnitt + 1) + ".XXXXXX";
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    const bool geschrieben = ganzSchreiben(fd, abbild);
    const bool geschlossen = ::close(fd) == 0;
    if (!geschrieben || !geschlossen || ::rename(vorlage.c_str(), pfad.c_str()) != 0)
        ::unlink(vorlage.c_str());
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
