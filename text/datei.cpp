#include "text/datei.h"

#include "text/fehler.h"
#include "text/pfadangabe.h"
#include "text/systemgrund.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quandel {

namespace {

// A file descriptor that closes itself.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }
    int freigeben() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::string grund() {
    return SystemGrund(errno);
}

// The file a path leads to: the path itself, or for a symbolic link the end of its chain, which
// need not exist yet. nullopt with the error number set when the chain cannot be followed
// (ELOOP for one that runs in a circle).
std::optional<std::filesystem::path> verweisZiel(std::filesystem::path pfad, int& fehlernummer) {
    for (int schritte = 0; schritte < 40; ++schritte) {
        std::error_code fehler;
        const std::filesystem::file_status status = std::filesystem::symlink_status(pfad, fehler);
        if (status.type() == std::filesystem::file_type::not_found)
            return pfad;
        if (!fehler && status.type() != std::filesystem::file_type::symlink)
            return pfad;
        std::filesystem::path verweis;
        if (!fehler)
            verweis = std::filesystem::read_symlink(pfad, fehler);
        if (fehler) {
            fehlernummer = fehler.value();
            return std::nullopt;
        }
        pfad = pfad.parent_path() / verweis; // an absolute link replaces the whole path
    }
    fehlernummer = ELOOP;
    return std::nullopt;
}

} // namespace

namespace {

// Reads the whole file; pruefung, if given, sees every piece as it comes.
std::string lesen(const std::filesystem::path& datei, Textpruefung* pruefung) {
    const std::string pfad = datei.string();
    const Deskriptor d(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    if (d.fd() < 0)
        throw Fehler("Datei " + Pfadangabe(pfad) + " kann nicht geöffnet werden (" + grund() +
                     ").");
    struct stat info {};
    if (::fstat(d.fd(), &info) == 0 && S_ISDIR(info.st_mode))
        throw Fehler("Datei " + Pfadangabe(pfad) +
                     " kann nicht gelesen werden: es ist ein Verzeichnis.");
    std::string inhalt;
    char puffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(d.fd(), puffer, sizeof puffer);
        if (n == 0)
            return inhalt;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Fehler("Datei " + Pfadangabe(pfad) + " kann nicht gelesen werden (" + grund() +
                         ").");
        if (pruefung)
            pruefung->Stueck({puffer, static_cast<std::size_t>(n)});
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
}

} // namespace

std::string DateiLesen(const std::filesystem::path& datei) {
    return lesen(datei, nullptr);
}

std::string DateiLesen(const std::filesystem::path& datei, Textgrenzen grenzen) {
    Textpruefung pruefung(datei.string(), grenzen);
    return lesen(datei, &pruefung);
}

void DateiSchreiben(const std::filesystem::path& datei, std::string_view inhalt) {
    const std::string pfad = datei.string();
    const auto fehler = [&](const std::string& text) {
        return Fehler("Datei " + Pfadangabe(pfad) + " kann nicht geschrieben werden (" + text +
                      ").");
    };
    // Through a symbolic link the file it leads to is replaced, and the link stays.
    int fehlernummer = 0;
    const std::optional<std::filesystem::path> ziel = verweisZiel(datei, fehlernummer);
    if (!ziel)
        throw fehler(SystemGrund(fehlernummer));
    const std::string zielPfad = ziel->string();
    struct stat alt {};
    const bool vorhanden = ::stat(zielPfad.c_str(), &alt) == 0;
    if (vorhanden) {
        // A file without any write bit is read-only by its owner's choice, even for root.
        if ((alt.st_mode & 0222) == 0)
            throw fehler("keine Schreibberechtigung");
        if (::access(zielPfad.c_str(), W_OK) != 0)
            throw fehler(errno == EACCES ? std::string("keine Schreibberechtigung") : grund());
    }

    std::string vorlage = zielPfad + ".XXXXXX";
    Deskriptor d(::mkostemp(vorlage.data(), O_CLOEXEC));
    const auto abbrechen = [&] {
        const std::string text = grund();
        ::unlink(vorlage.c_str());
        return fehler(text);
    };
    if (d.fd() < 0)
        throw fehler(grund());
    if (vorhanden) {
        // The new content takes the old file's rights, and its owner where the process may.
        if (::fchmod(d.fd(), alt.st_mode & 07777) != 0)
            throw abbrechen();
        // Only root may give a file away; anyone else's copy stays their own, as before.
        [[maybe_unused]] const int eigner = ::fchown(d.fd(), alt.st_uid, alt.st_gid);
    } else {
        // mkstemp creates the file for its owner only; it gets the usual rights of a new file.
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(d.fd(), 0666 & ~maske);
    }
    while (!inhalt.empty()) {
        const ssize_t n = ::write(d.fd(), inhalt.data(), inhalt.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw abbrechen();
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(d.fd()) != 0 || ::close(d.freigeben()) != 0 ||
        ::rename(vorlage.c_str(), zielPfad.c_str()) != 0)
        throw abbrechen();
}

} // namespace quandel
