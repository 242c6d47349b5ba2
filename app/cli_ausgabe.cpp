#include "app/cli_ausgabe.h"

#include "app/cli_meldung.h"
#include "grid/gitterdatei.h"
#include "grid/raster.h"
#include "text/kodierung.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>
#include <unistd.h>

namespace quandel::cli {

namespace {

// What is gathered before it goes out, as stdio would for a pipe.
constexpr std::size_t kPuffer = 4096;

constexpr std::array<std::string_view, 4> kSchuettelNamen{"suchwort", "tauschwort", "endwort",
                                                          "stabwort"};

std::vector<std::string_view> Kopf(std::size_t spalten) {
    if (spalten == kSchuettelNamen.size())
        return {kSchuettelNamen.begin(), kSchuettelNamen.end()};
    return {"wort"};
}

std::string CsvFeld(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string feld = "\"";
    for (char c : utf8) {
        if (c == '"')
            feld += '"';
        feld += c;
    }
    return feld + '"';
}

std::string JsonText(const std::string& utf8) {
    std::string text = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned>(c));
            text += puffer;
        } else {
            text += c;
        }
    }
    return text + '"';
}

// The field "wortart" of a hit's json object: ", \"wortart\": [\"nomen\", \"verb\"]".
std::string WortartFeld(Wortarten arten) {
    std::string feld = ", \"wortart\": [";
    bool erste = true;
    for (Wortart art : kWortarten)
        if (arten.Hat(art)) {
            feld += erste ? "\"" : ", \"";
            feld += WortartKennwort(art);
            feld += '"';
            erste = false;
        }
    return feld + "]";
}

// Header and rows with the given field separator and line end; fields pass through `feld`.
template <typename Feld>
std::string Tabelle(const std::vector<std::string>& treffer, std::size_t spalten,
                    std::string_view trenner, std::string_view zeilenende, Feld feld) {
    std::string text;
    const std::vector<std::string_view> kopf = Kopf(spalten);
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        text += i == 0 ? "" : trenner;
        text += kopf[i];
    }
    text += zeilenende;
    for (std::size_t i = 0; i < treffer.size(); ++i) {
        text += feld(Utf8AusCp1252(treffer[i]));
        text += (i + 1) % spalten == 0 || i + 1 == treffer.size() ? zeilenende : trenner;
    }
    return text;
}

std::string Json(const std::vector<std::string>& treffer, std::size_t spalten) {
    std::string text = "[";
    for (std::size_t i = 0; i < treffer.size(); i += spalten) {
        text += i == 0 ? "\n  " : ",\n  ";
        if (spalten != kSchuettelNamen.size()) {
            text += JsonText(Utf8AusCp1252(treffer[i]));
            continue;
        }
        text += "{";
        for (std::size_t j = 0; j < spalten && i + j < treffer.size(); ++j) {
            text += j == 0 ? "" : ", ";
            text += JsonText(std::string(kSchuettelNamen[j])) + ": " +
                    JsonText(Utf8AusCp1252(treffer[i + j]));
        }
        text += "}";
    }
    return text + (treffer.empty() ? "]\n" : "\n]\n");
}

} // namespace

std::string KlangJsonText(const std::vector<Klangtreffer>& treffer,
                          const std::vector<Wortklang>& klaenge,
                          const std::vector<Wortarten>& arten) {
    static constexpr std::array<std::string_view, 3> kReimarten{"rein", "unrein", "ruehrend"};
    std::string text = "[";
    for (std::size_t i = 0; i < treffer.size() && i < klaenge.size(); ++i) {
        const Klangtreffer& t = treffer[i];
        const int klasse = Rangklasse(t.rang);
        text +=
            (i == 0 ? "\n  {\"wort\": " : ",\n  {\"wort\": ") + JsonText(Utf8AusCp1252(t.wort)) +
            ", \"lautschrift\": " + JsonText(klaenge[i].lautschrift) +
            ", \"silben\": " + std::to_string(t.Silben()) +
            ", \"betonung\": " + JsonText(t.betonung) +
            ", \"reim\": " + JsonText(std::string(kReimarten[static_cast<std::size_t>(t.art)])) +
            ", \"rang\": " + (klasse == 0 ? std::string("null") : std::to_string(klasse)) +
            (i < arten.size() ? WortartFeld(arten[i]) : std::string()) + "}";
    }
    return text + (treffer.empty() ? "]\n" : "\n]\n");
}

std::string WortartJsonText(const std::vector<std::string>& treffer,
                            const std::vector<Wortarten>& arten) {
    std::string text = "[";
    for (std::size_t i = 0; i < treffer.size() && i < arten.size(); ++i)
        text += (i == 0 ? "\n  {\"wort\": " : ",\n  {\"wort\": ") +
                JsonText(Utf8AusCp1252(treffer[i])) + WortartFeld(arten[i]) + "}";
    return text + (treffer.empty() ? "]\n" : "\n]\n");
}

std::string GruppenJsonText(const std::vector<std::vector<std::string>>& gruppen) {
    std::string text = "[";
    for (std::size_t i = 0; i < gruppen.size(); ++i) {
        text += i == 0 ? "\n  [" : ",\n  [";
        for (std::size_t j = 0; j < gruppen[i].size(); ++j)
            text += (j == 0 ? "" : ", ") + JsonText(Utf8AusCp1252(gruppen[i][j]));
        text += "]";
    }
    return text + (gruppen.empty() ? "]\n" : "\n]\n");
}

std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten) {
    std::string text;
    std::size_t groesse = 0;
    for (const std::string& wort : treffer)
        groesse += wort.size() + 1;
    text.reserve(groesse + groesse / 4); // umlauts take two bytes in UTF-8
    for (std::size_t i = 0; i < treffer.size(); ++i) {
        text += Utf8AusCp1252(treffer[i]);
        text += (i + 1) % spalten == 0 || i + 1 == treffer.size() ? '\n' : '\t';
    }
    return text;
}

std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten,
                        Format format) {
    switch (format) {
    case Format::Zeilen:
        break;
    case Format::Tsv:
        return Tabelle(treffer, spalten, "\t", "\n", [](std::string f) { return f; });
    case Format::Csv:
        return Tabelle(treffer, spalten, ",", "\r\n", CsvFeld);
    case Format::Json:
        return Json(treffer, spalten);
    case Format::Raster:
        return GitterDateiText(RasterLegen(treffer, 4));
    }
    return AusgabeText(treffer, spalten);
}

std::string ZeilenText(const std::array<std::string_view, 4>& zeile) {
    std::string text;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        text += Utf8AusCp1252(zeile[i]);
        text += i + 1 == zeile.size() ? '\n' : '\t';
    }
    return text;
}

Ausgabe::Ausgabe(int fd) : fd_(fd), terminal_(::isatty(fd) == 1) {}

bool Ausgabe::Schreiben(std::string_view text) {
    if (fehler_ != 0)
        return false;
    // A large piece, such as a whole answer, goes out from where it lies.
    if (text.size() >= kPuffer) {
        const std::size_t ende = text.size();
        return Leeren() && ausgeben(text, {&ende, 1});
    }
    puffer_ += text;
    enden_.push_back(puffer_.size());
    if (terminal_ || puffer_.size() >= kPuffer)
        return Leeren();
    return true;
}

bool Ausgabe::Leeren() {
    if (fehler_ != 0)
        return false;
    ausgeben(puffer_, enden_);
    puffer_.clear();
    enden_.clear();
    return fehler_ == 0;
}

bool Ausgabe::ausgeben(std::string_view daten, std::span<const std::size_t> enden) {
    std::size_t geschrieben = 0;
    std::size_t bis = daten.size();
    bool unterbrochen = false;
    while (geschrieben < bis) {
        const ssize_t n = ::write(fd_, daten.data() + geschrieben, bis - geschrieben);
        if (n > 0) {
            geschrieben += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            // Only the piece that has begun still goes out.
            if (!unterbrochen)
                bis = geschrieben == 0 ? 0
                                       : *std::lower_bound(enden.begin(), enden.end(), geschrieben);
            unterbrochen = true;
        } else {
            fehler_ = n < 0 ? errno : EIO;
            return false;
        }
    }
    if (unterbrochen)
        fehler_ = EINTR;
    return fehler_ == 0;
}

std::string Ausgabe::Fehlermeldung() const {
    return "Die Ausgabe kann nicht geschrieben werden: " + Grund(fehler_);
}

} // namespace quandel::cli
