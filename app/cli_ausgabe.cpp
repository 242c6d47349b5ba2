#include "app/cli_ausgabe.h"

#include "app/cli_meldung.h"
#include "grid/gitterdatei.h"
#include "grid/raster.h"
#include "text/kodierung.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace quandel::cli {

namespace {

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

std::string KlangJsonText(const std::vector<std::string>& treffer,
                          const std::vector<Wortklang>& klaenge,
                          const std::vector<Wortarten>& arten) {
    std::string text = "[";
    for (std::size_t i = 0; i < treffer.size() && i < klaenge.size() && i < arten.size(); ++i)
        text += (i == 0 ? "\n  {\"wort\": " : ",\n  {\"wort\": ") +
                JsonText(Utf8AusCp1252(treffer[i])) +
                ", \"lautschrift\": " + JsonText(klaenge[i].lautschrift) +
                ", \"silben\": " + std::to_string(klaenge[i].silben) + WortartFeld(arten[i]) + "}";
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

bool Ausgabe::Schreiben(std::string_view text) {
    errno = 0;
    if (fehler_ == 0 && std::fwrite(text.data(), 1, text.size(), ziel_) != text.size())
        merken();
    return fehler_ == 0;
}

bool Ausgabe::Leeren() {
    errno = 0;
    if (fehler_ == 0 && std::fflush(ziel_) != 0)
        merken();
    return fehler_ == 0;
}

void Ausgabe::merken() {
    fehler_ = errno != 0 ? errno : EIO;
}

std::string Ausgabe::Fehlermeldung() const {
    return "Die Ausgabe kann nicht geschrieben werden: " + Grund(fehler_);
}

} // namespace quandel::cli
