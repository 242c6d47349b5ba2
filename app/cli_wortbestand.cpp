#include "app/cli_wortbestand.h"

#include "data/eingebaut.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/zeilen.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandel::cli {

namespace {

// A file descriptor that closes itself.
class Datei {
public:
    explicit Datei(int fd) : fd_(fd) {}
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;
    ~Datei() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

std::string DateiLesen(const std::string& pfad) {
    const Datei datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    if (datei.fd() < 0)
        throw Fehler("Datei " + pfad + " kann nicht geöffnet werden.");
    struct stat info {};
    std::string inhalt;
    if (::fstat(datei.fd(), &info) == 0 && S_ISREG(info.st_mode))
        inhalt.reserve(static_cast<std::size_t>(info.st_size));
    // Pipes and devices have no size, so the loop grows the buffer as it goes.
    char puffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(datei.fd(), puffer, sizeof puffer);
        if (n == 0)
            return inhalt;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Fehler("Datei " + pfad + " kann nicht gelesen werden.");
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
}

std::string ByteText(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// Windows-1252 lines, refusing the five bytes the code page leaves unassigned.
std::vector<std::string> ZeilenAusCp1252(std::string_view text, const std::string& quelle) {
    std::vector<std::string> zeilen = ZeilenTeilen(text);
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        for (const char zeichen : zeilen[i])
            if (UnicodeVon(zeichen) == 0xFFFF)
                throw Fehler(quelle + ", Zeile " + std::to_string(i + 1) + ": Das Byte " +
                             ByteText(static_cast<unsigned char>(zeichen)) +
                             " ist in Windows-1252 nicht belegt.");
    return zeilen;
}

} // namespace

std::vector<std::string> WortbestandLaden(const Aufruf& aufruf) {
    if (!aufruf.wortbestand)
        return daten::Wortbestand();
    const std::string& pfad = *aufruf.wortbestand;
    const std::string inhalt = DateiLesen(pfad);
    if (aufruf.kodierung == Kodierung::Cp1252)
        return ZeilenAusCp1252(inhalt, pfad);
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::string_view text = inhalt;
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    return ZeilenAusUtf8(text, pfad);
}

} // namespace quandel::cli
