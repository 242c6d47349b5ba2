#pragma once

#include "lexicon/grossspeicher.h"
#include "lexicon/textfeld.h"
#include "text/fehler.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The binary image of a built lexicon, the same in memory and in an index file:
//   header (Kopf) | section table (one AbschnittsEintrag per section) | sections
// Every section starts on an 8-byte boundary, is named by four letters, has a version of its
// own and a checksum; a reader takes the sections it knows and ignores others, so later
// versions can add sections without breaking older ones. Numbers are stored as the machine
// holds them (the file never leaves the machine's cache folder; the byte-order mark of the
// header turns a foreign one away).

inline constexpr std::uint32_t kAbbildFormat = 2;

// Identifies the word list an image was built from: a checksum and the length of its bytes,
// and the encoding they were read in (0 for a list given in memory).
struct ListenKennung {
    std::uint64_t pruefsumme = 0;
    std::uint64_t laenge = 0;
    std::uint32_t kodierung = 0;
    bool operator==(const ListenKennung&) const = default;
};

struct Kopf {
    char magie[8];
    std::uint32_t bytefolge;
    std::uint32_t format;
    char programmVersion[16];
    std::uint8_t kollationsVersion[4];
    std::uint32_t abschnittAnzahl;
    std::uint64_t listenPruefsumme;
    std::uint64_t listenLaenge;
    std::uint32_t kodierung;
    std::uint32_t reserviert;
    std::uint64_t dateiLaenge;
    std::uint64_t kopfPruefsumme; // over header (this field 0) and section table
};

struct AbschnittsEintrag {
    char name[4];
    std::uint32_t version;
    std::uint64_t anfang;
    std::uint64_t laenge;
    std::uint64_t pruefsumme;
};

// The checksum the header carries: over the header with that field 0, and the section table.
std::uint64_t KopfPruefsumme(const Kopf& kopf, std::string_view tabelle);

// An index file changed under the program while it was mapped (cut short or written to): what
// was read from it since is no answer to give. The message names the file.
class IndexVeraendert : public Fehler {
public:
    using Fehler::Fehler;
};

// The memory an image lives in: owned words, or a mapped file.
class AbbildSpeicher {
public:
    virtual ~AbbildSpeicher() = default;
    virtual std::string_view Bytes() const = 0;
    // Throws IndexVeraendert when the bytes are no longer those the image was taken from. Memory
    // of the program's own always holds them.
    virtual void Pruefen() const {}
    // The part of Pruefen that needs no system call, for a check after every small step: throws
    // when a read has found the mapped file cut short.
    virtual void SchnellPruefen() const {}
};

class EigenerSpeicher : public AbbildSpeicher {
public:
    // Room for that many 64-bit words, left as it is: the image is written over it whole.
    explicit EigenerSpeicher(std::size_t worte)
        : worte_(std::make_unique_for_overwrite<std::uint64_t[]>(worte)), anzahl_(worte) {
        GrosseSeitenAnraten(worte_.get(), worte * 8);
    }
    explicit EigenerSpeicher(const std::vector<std::uint64_t>& worte)
        : EigenerSpeicher(worte.size()) {
        std::copy(worte.begin(), worte.end(), worte_.get());
    }
    char* Daten() { return reinterpret_cast<char*>(worte_.get()); }
    std::string_view Bytes() const override {
        return {reinterpret_cast<const char*>(worte_.get()), anzahl_ * 8};
    }

private:
    std::unique_ptr<std::uint64_t[]> worte_;
    std::size_t anzahl_;
};

// An image that lives as long as the program, such as one compiled into it.
class FesterSpeicher : public AbbildSpeicher {
public:
    explicit FesterSpeicher(std::string_view bytes) : bytes_(bytes) {}
    std::string_view Bytes() const override { return bytes_; }

private:
    std::string_view bytes_;
};

// A section being written: its parts are laid out one after the other, each padded to eight
// bytes. The parts point into the caller's arrays, which must live until the image is put
// together.
class AbschnittsEntwurf {
public:
    AbschnittsEntwurf(std::string_view name, std::uint32_t version);

    void Zahl(std::uint64_t zahl);
    void Bytes(std::string_view bytes);
    template <typename T> void Feld(std::span<const T> feld) {
        Bytes({reinterpret_cast<const char*>(feld.data()), feld.size_bytes()});
    }
    // Count, offsets and pool, as AbschnittsLeser::Texte reads them.
    void Texte(std::span<const std::uint32_t> ende, std::string_view pool);

    std::uint64_t Laenge() const;
    void Schreiben(char* ziel) const;
    const char* Name() const { return name_; }
    std::uint32_t Version() const { return version_; }

private:
    char name_[4];
    std::uint32_t version_;
    struct Teil {
        std::string_view bytes; // empty for a number
        std::uint64_t zahl = 0;
        bool istZahl = false;
        std::uint64_t Laenge() const;
    };
    std::vector<Teil> teile_;
};

struct AbbildKennung {
    ListenKennung liste;
    std::array<std::uint8_t, 4> kollationsVersion{};
};

// Puts header, table and sections into one block of memory.
std::unique_ptr<EigenerSpeicher>
AbbildZusammensetzen(const AbbildKennung& kennung,
                     const std::vector<AbschnittsEntwurf>& abschnitte);

// A damaged or foreign image. Caught where an image is taken over; never reaches the user.
class AbbildFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How much of an image is checked when it is taken over. Alles: the checksums of every section
// and every offset and word number in them, so that any damage is found and the image refused.
// Kopf: header, table and the counts only, for an image known unchanged since it was checked
// in full (built here, or a file whose state was recorded after such a check); reading a
// section checks each offset and number as it is used (TextFeld), so even then a damaged
// image can never lead a read outside its memory.
enum class Pruefumfang { Alles, Kopf };

// Checks header and table of an image (and with Pruefumfang::Alles every section's checksum)
// and hands out its sections.
class AbbildLeser {
public:
    // Throws AbbildFehler unless the image is whole, of this format and program version, and
    // built with this collation version from the list of that identity.
    AbbildLeser(std::string_view bytes, const AbbildKennung& erwartet,
                Pruefumfang umfang = Pruefumfang::Alles);

    // The bytes of the section of that name and version; throws AbbildFehler when missing.
    std::string_view Abschnitt(std::string_view name, std::uint32_t version) const;
    std::span<const AbschnittsEintrag> Tabelle() const { return tabelle_; }

private:
    std::string_view bytes_;
    std::span<const AbschnittsEintrag> tabelle_;
};

// Reads the parts of one section in the order AbschnittsEntwurf wrote them, checking every
// length against the section's end; with Pruefumfang::Alles also every offset of its texts.
class AbschnittsLeser {
public:
    explicit AbschnittsLeser(std::string_view bytes, Pruefumfang umfang = Pruefumfang::Alles)
        : bytes_(bytes), umfang_(umfang) {}

    Pruefumfang Umfang() const { return umfang_; }

    std::uint64_t Zahl();
    std::string_view Bytes(std::uint64_t laenge);
    template <typename T> std::span<const T> Feld(std::uint64_t anzahl) {
        if (anzahl > bytes_.size() / sizeof(T))
            throw AbbildFehler("Feld zu lang");
        const std::string_view b = Bytes(anzahl * sizeof(T));
        return {reinterpret_cast<const T*>(b.data()), static_cast<std::size_t>(anzahl)};
    }
    TextFeld Texte();
    // A count and that many word numbers of a stock of wortzahl words; with Pruefumfang::Alles
    // each is checked to be below wortzahl.
    std::span<const std::int32_t> Wortnummern(std::size_t wortzahl);

private:
    std::string_view bytes_;
    Pruefumfang umfang_;
    std::size_t stelle_ = 0;
};

} // namespace quandel
