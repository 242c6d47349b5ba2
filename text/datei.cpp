#include "text/datei.h"

#include "text/fehler.h"
#include "text/pfadangabe.h"
#include "text/systemgrund.h"

#include <cerrno>
#include <fcntl.h>
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

} // namespace

std::string DateiLesen(const std::filesystem::path& datei) {
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
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
}

void DateiSchreiben(const std::filesystem::path& datei, std::string_view inhalt) {
    const std::string pfad = datei.string();
    std::string vorlage = pfad + ".XXXXXX";
    Deskriptor d(::mkstemp(vorlage.data()));
    const auto fehler = [&](bool temporaereDatei) {
        const std::string text = grund();
        if (temporaereDatei)
            ::unlink(vorlage.c_str());
        return Fehler("Datei " + Pfadangabe(pfad) + " kann nicht geschrieben werden (" + text +
                      ").");
    };
    if (d.fd() < 0)
        throw fehler(false);
    // mkstemp creates the file for its owner only; it gets the usual rights of a new file.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ::fchmod(d.fd(), 0666 & ~maske);
    while (!inhalt.empty()) {
        const ssize_t n = ::write(d.fd(), inhalt.data(), inhalt.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw fehler(true);
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(d.fd()) != 0 || ::close(d.freigeben()) != 0 ||
        ::rename(vorlage.c_str(), pfad.c_str()) != 0)
        throw fehler(true);
}

} // namespace quandel
