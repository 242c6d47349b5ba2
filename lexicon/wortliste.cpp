#include "lexicon/wortliste.h"

#include "lexicon/pruefsumme.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/pfadangabe.h"
#include "text/systemgrund.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandel {

namespace {

// Opens a word list for reading; a folder is refused with its own message.
int oeffnen(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Fehler("Datei " + Pfadangabe(pfad) + " kann nicht geöffnet werden (" +
                     SystemGrund(errno) + ").");
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw Fehler("Datei " + Pfadangabe(pfad) +
                     " kann nicht gelesen werden: es ist ein Verzeichnis.");
    }
    return fd;
}

// A file descriptor that closes itself.
class Datei {
public:
    explicit Datei(const std::string& pfad) : fd_(oeffnen(pfad)) {}
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;
    ~Datei() { ::close(fd_); }
    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads the next piece; 0 at the end.
std::size_t lesen(int fd, const std::string& pfad, char* puffer, std::size_t groesse) {
    for (;;) {
        const ssize_t n = ::read(fd, puffer, groesse);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            throw Fehler("Datei " + Pfadangabe(pfad) + " kann nicht gelesen werden (" +
                         SystemGrund(errno) + ").");
    }
}

// True when none of the eight bytes is NUL or above 0x7F.
bool achtAscii(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    constexpr std::uint64_t kEins = 0x0101010101010101ull;
    constexpr std::uint64_t kHoch = 0x8080808080808080ull;
    return ((w | ((w - kEins) & ~w)) & kHoch) == 0;
}

// The bytes of a read, in pieces on the stack: no memory to clear or to fault in.
constexpr std::size_t kStueck = 1 << 16;

std::string byteText(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// Counts the lines of a file by their UTF-8: those with a multi-byte character and no fault,
// and those with a byte sequence that is no UTF-8. ASCII lines count for neither.
class Utf8Zeilen {
public:
    // False at a NUL byte, where the reader stops anyway.
    bool Bytes(const char* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            // Eight ASCII bytes other than NUL at a time, most of a German list: within a line
            // that is ASCII so far, the lines they end are ASCII too.
            while (folgebytes_ == 0 && !mehrbyte_ && !kaputt_ && i + 8 <= n && achtAscii(p + i))
                i += 8;
            if (i == n)
                break;
            const auto b = static_cast<unsigned char>(p[i]);
            if (b == 0)
                return false;
            if (b == '\n' || b == '\r') {
                zeileZaehlen();
                continue;
            }
            if (folgebytes_ > 0) {
                if (b >= von_ && b <= bis_) {
                    von_ = 0x80;
                    bis_ = 0xBF;
                    if (--folgebytes_ == 0)
                        mehrbyte_ = true;
                    continue;
                }
                kaputt_ = true; // the sequence breaks off; b starts anew
                folgebytes_ = 0;
            }
            if (b < 0x80)
                continue;
            von_ = 0x80;
            bis_ = 0xBF;
            if (b >= 0xC2 && b <= 0xDF)
                folgebytes_ = 1;
            else if (b >= 0xE0 && b <= 0xEF)
                folgebytes_ = 2;
            else if (b >= 0xF0 && b <= 0xF4)
                folgebytes_ = 3;
            else
                kaputt_ = true;
            // No overlong forms, no surrogates, nothing beyond U+10FFFF.
            if (b == 0xE0)
                von_ = 0xA0;
            else if (b == 0xED)
                bis_ = 0x9F;
            else if (b == 0xF0)
                von_ = 0x90;
            else if (b == 0xF4)
                bis_ = 0x8F;
        }
        return true;
    }

    void Ende() { zeileZaehlen(); }

    std::size_t gueltig = 0;
    std::size_t ungueltig = 0;

private:
    void zeileZaehlen() {
        if (kaputt_ || folgebytes_ > 0)
            ++ungueltig;
        else if (mehrbyte_)
            ++gueltig;
        folgebytes_ = 0;
        mehrbyte_ = false;
        kaputt_ = false;
    }

    int folgebytes_ = 0; // continuation bytes still expected
    unsigned char von_ = 0x80;
    unsigned char bis_ = 0xBF; // the range of the next one
    bool mehrbyte_ = false;
    bool kaputt_ = false;
};

// Turns the raw lines of a file into stock lines.
class Zeilenbauer {
public:
    Zeilenbauer(const std::string& pfad, Kodierung kodierung, std::size_t erwarteteBytes)
        : pfad_(pfad), kodierung_(kodierung),
          // A character of Windows-1252 takes up to three bytes in UTF-8, and the first line
          // may start with a byte order mark.
          rohGrenze_(kodierung == Kodierung::Utf8 ? 3 * kLaengsteZeile + 3 : kLaengsteZeile) {
        zeile_.reserve(rohGrenze_ + 1);
        zeilen_.Reservieren(erwarteteBytes);
    }

    void Bytes(const char* p, std::size_t n) {
        const char* const ende = p + n;
        while (p < ende) {
            const char* q = p;
            while (q < ende && *q != '\n' && *q != '\r' && *q != '\0')
                ++q;
            if (q > p) {
                nachCr_ = false;
                offen_ = true;
                if (static_cast<std::size_t>(q - p) > rohGrenze_ - zeile_.size())
                    zuLang();
                zeile_.append(p, q);
            }
            if (q == ende)
                return;
            const char c = *q;
            p = q + 1;
            if (c == '\0') {
                offen_ = true;
                fehler("Die Zeile enthält ein Nullbyte.");
            }
            if (!(c == '\n' && nachCr_))
                zeileBeenden();
            nachCr_ = c == '\r';
        }
    }

    // Refuses a list without a single word: it would leave nothing to search.
    Wortzeilen Ende() {
        if (offen_)
            zeileBeenden();
        if (!wort_)
            throw Fehler("Die Wortliste " + Pfadangabe(pfad_) + " enthält kein Wort.");
        return std::move(zeilen_);
    }

private:
    [[noreturn]] void fehler(const std::string& text) const {
        throw Fehler(Pfadangabe(pfad_) + ", Zeile " + std::to_string(nummer_ + 1) + ": " + text);
    }

    [[noreturn]] void zuLang() const {
        fehler("Die Zeile ist länger als " + std::to_string(kLaengsteZeile) + " Bytes.");
    }

    void zeileBeenden() {
        std::string_view text = zeile_;
        std::string umgewandelt;
        if (kodierung_ == Kodierung::Cp1252) {
            for (const char zeichen : text)
                if (UnicodeVon(zeichen) == 0xFFFF)
                    fehler("Das Byte " + byteText(static_cast<unsigned char>(zeichen)) +
                           " ist in Windows-1252 nicht belegt.");
        } else {
            if (nummer_ == 0 && text.starts_with("\xEF\xBB\xBF"))
                text.remove_prefix(3);
            // ASCII stands for itself.
            if (!std::all_of(text.begin(), text.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
                try {
                    umgewandelt = Cp1252AusUtf8(text);
                } catch (const Fehler& f) {
                    fehler(f.what());
                }
                text = umgewandelt;
            }
        }
        // The limit holds for the line as the program keeps it, whatever the file's encoding.
        if (text.size() > kLaengsteZeile)
            zuLang();
        const auto anfang = text.find_first_not_of(" \t");
        text = anfang == std::string_view::npos
                   ? std::string_view()
                   : text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
        wort_ = wort_ || !text.empty();
        zeilen_.Anhaengen(text);
        zeile_.clear();
        offen_ = false;
        ++nummer_;
    }

    const std::string& pfad_;
    Kodierung kodierung_;
    std::size_t rohGrenze_; // the most bytes a line may take in the file
    Wortzeilen zeilen_;
    std::string zeile_;
    std::size_t nummer_ = 0;
    bool nachCr_ = false;
    bool offen_ = false;
    bool wort_ = false; // a line that is not blank
};

} // namespace

Kodierung KodierungErkennen(const std::string& pfad) {
    const Datei datei(pfad);
    struct stat info {};
    if (::fstat(datei.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return Kodierung::Utf8;
    Utf8Zeilen zeilen;
    char puffer[kStueck];
    while (const std::size_t n = lesen(datei.fd(), pfad, puffer, sizeof puffer))
        if (!zeilen.Bytes(puffer, n))
            break;
    zeilen.Ende();
    return zeilen.ungueltig > zeilen.gueltig ? Kodierung::Cp1252 : Kodierung::Utf8;
}

std::optional<ListenKennung> ListenKennungVon(const std::string& pfad, Kodierung kodierung) {
    const Datei datei(pfad);
    if (!ZustandVon(datei.fd()))
        return std::nullopt;
    char puffer[kStueck];
    Pruefsumme pruefsumme;
    ListenKennung kennung;
    kennung.kodierung = static_cast<std::uint32_t>(kodierung);
    while (const std::size_t n = lesen(datei.fd(), pfad, puffer, sizeof puffer)) {
        pruefsumme.Hinzufuegen({puffer, n});
        kennung.laenge += n;
    }
    kennung.pruefsumme = pruefsumme.Wert();
    return kennung;
}

Wortlistendatei::Wortlistendatei(const std::string& pfad)
    : pfad_(pfad), fd_(oeffnen(pfad)), zustand_(ZustandVon(fd_)) {}

Wortlistendatei::~Wortlistendatei() {
    ::close(fd_);
}

Wortzeilen Wortlistendatei::Lesen(Kodierung kodierung, ListenKennung* gelesen,
                                  EreignisHaken* haken) {
    char puffer[kStueck];
    Zeilenbauer bauer(pfad_, kodierung, zustand_ ? zustand_->laenge : 0);
    Pruefsumme pruefsumme;
    std::uint64_t laenge = 0;
    while (const std::size_t n = lesen(fd_, pfad_, puffer, sizeof puffer)) {
        bauer.Bytes(puffer, n);
        if (gelesen)
            pruefsumme.Hinzufuegen({puffer, n});
        laenge += n;
        if (haken)
            (*haken)();
    }
    if (!unveraendert(laenge))
        throw ListeVeraendert("Die Wortliste " + pfad_ + " wurde beim Lesen verändert.");
    if (gelesen)
        *gelesen = {pruefsumme.Wert(), laenge, static_cast<std::uint32_t>(kodierung)};
    return bauer.Ende();
}

bool Wortlistendatei::unveraendert(std::uint64_t gelesen) const {
    if (!zustand_) // a pipe or device is taken as it comes
        return true;
    // Every write moves the change time, and a file cut short reads short; a file put in the
    // list's place (as sed -i does) leaves the one read whole, but it is no longer the list.
    if (ZustandVon(fd_) != zustand_ || gelesen != zustand_->laenge)
        return false;
    struct stat info {};
    return ::stat(pfad_.c_str(), &info) != 0 ||
           (static_cast<std::uint64_t>(info.st_dev) == zustand_->geraet &&
            static_cast<std::uint64_t>(info.st_ino) == zustand_->knoten);
}

Wortzeilen WortlisteLesen(const std::string& pfad, Kodierung kodierung, ListenKennung* gelesen) {
    try {
        return Wortlistendatei(pfad).Lesen(kodierung, gelesen);
    } catch (const ListeVeraendert&) {
        return Wortlistendatei(pfad).Lesen(kodierung, gelesen);
    }
}

Wortzeilen WortlisteAusText(std::string_view bytes, Kodierung kodierung,
                            const std::string& quelle) {
    Zeilenbauer bauer(quelle, kodierung, bytes.size());
    bauer.Bytes(bytes.data(), bytes.size());
    return bauer.Ende();
}

} // namespace quandel
