#include "soundgroups/lautgruppen.h"

#include "soundgroups/lautgruppen_eingebaut.h"
#include "text/datei.h"
#include "text/dateitext.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/pfadangabe.h"
#include "text/textgrenzen.h"
#include "text/zeilen.h"

namespace quandel {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One group per line, so a line may hold many members; a file of a few thousand groups fits.
constexpr Textgrenzen kGrenzen{1 << 20, 1 << 16};

bool istLeer(char c) {
    return c == ' ' || c == '\t';
}

bool istTrenner(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

// The name before the colon, quoted or plain; the rest of the line follows the colon. A name
// may be empty only when written as two double quotes.
std::string nameLesen(std::string_view zeile, std::string_view& rest) {
    std::string name;
    if (zeile.front() != '"') {
        const std::size_t doppelpunkt = zeile.find(':');
        if (doppelpunkt == std::string_view::npos)
            throw Fehler("Der Doppelpunkt nach dem Namen der Lautgruppe fehlt.");
        name = OhneRand(zeile.substr(0, doppelpunkt), " \t");
        if (name.empty())
            throw Fehler("Vor dem Doppelpunkt fehlt der Name der Lautgruppe.");
        rest = zeile.substr(doppelpunkt + 1);
        return name;
    }
    std::size_t p = 1;
    for (;; ++p) {
        if (p == zeile.size())
            throw Fehler("Das Anführungszeichen vor dem Namen der Lautgruppe wird nicht "
                         "geschlossen.");
        if (zeile[p] != '"') {
            name.push_back(zeile[p]);
        } else if (p + 1 < zeile.size() && zeile[p + 1] == '"') {
            name.push_back('"');
            ++p;
        } else {
            break;
        }
    }
    const std::string_view danach = OhneRand(zeile.substr(p + 1), " \t");
    if (danach.empty() || danach.front() != ':')
        throw Fehler("Der Doppelpunkt nach dem Namen der Lautgruppe fehlt.");
    rest = danach.substr(1);
    return name;
}

// The members after the colon, split by the comma-text rule of the search box: commas and the
// characters 1 to 32 separate them, a member in double quotes may hold both. Stricter than the
// search box, a member must not be empty unless written as two double quotes, and a quote must
// close before the line ends and stand only around a whole member.
std::vector<std::string> mitgliederLesen(std::string_view text) {
    const auto leer = [] {
        return Fehler("Ein Glied der Lautgruppe ist leer; ein leeres Glied wird \"\" geschrieben.");
    };
    std::vector<std::string> mitglieder;
    std::size_t p = 0;
    const auto trennerUeberspringen = [&] {
        while (p < text.size() && istTrenner(text[p]))
            ++p;
    };
    trennerUeberspringen();
    while (p < text.size()) {
        if (text[p] == ',')
            throw leer();
        std::string glied;
        if (text[p] == '"') {
            const std::size_t anfang = ++p;
            for (;; ++p) {
                if (p == text.size())
                    throw Fehler("Das Anführungszeichen vor »" +
                                 Utf8AusCp1252(text.substr(anfang)) + "« wird nicht geschlossen.");
                if (text[p] != '"')
                    glied.push_back(text[p]);
                else if (p + 1 < text.size() && text[p + 1] == '"')
                    glied.push_back(text[++p]);
                else
                    break;
            }
            ++p;
            if (p < text.size() && text[p] != ',' && !istTrenner(text[p]))
                throw Fehler("Nach »" + Utf8AusCp1252(glied) +
                             "« in Anführungszeichen fehlt ein Komma.");
        } else {
            const std::size_t anfang = p;
            while (p < text.size() && text[p] != ',' && !istTrenner(text[p]))
                ++p;
            glied = text.substr(anfang, p - anfang);
            if (glied.find('"') != std::string::npos)
                throw Fehler("Das Glied »" + Utf8AusCp1252(glied) +
                             "« enthält ein Anführungszeichen; es gehört dann ganz in "
                             "Anführungszeichen, das innere verdoppelt.");
        }
        mitglieder.push_back(std::move(glied));
        trennerUeberspringen();
        if (p < text.size() && text[p] == ',') {
            ++p;
            trennerUeberspringen();
            if (p == text.size())
                throw leer();
        }
    }
    return mitglieder;
}

bool istKommentar(std::string_view zeile) {
    return zeile.empty() || zeile.front() == '#';
}

std::string zitiert(std::string_view text) {
    std::string ergebnis = "\"";
    for (char c : text) {
        if (c == '"')
            ergebnis.push_back('"');
        ergebnis.push_back(c);
    }
    return ergebnis + "\"";
}

bool nameMussZitiert(std::string_view name) {
    return name.empty() || name.find_first_of(":\"") != std::string_view::npos ||
           name.front() == '#' || istLeer(name.front()) || istLeer(name.back());
}

bool gliedMussZitiert(std::string_view glied) {
    if (glied.empty())
        return true;
    for (char c : glied) {
        const auto b = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || b <= 32)
            return true;
    }
    return false;
}

} // namespace

Lautgruppen VorgabeLautgruppen() {
    return LautgruppenLesen(daten::LautgruppenAkz(), "lautgruppen.akz");
}

Lautgruppen LautgruppenLesen(std::string_view bytes, std::string_view quelle) {
    TextgrenzenPruefen(bytes, quelle, kGrenzen);
    const bool bom = bytes.starts_with(kBom);
    if (bom)
        bytes.remove_prefix(kBom.size());
    const std::vector<std::string> zeilen = ZeilenTeilen(bytes);
    // UTF-8 as soon as one line shows it; then a line that is not UTF-8 is an error, never
    // Windows-1252 in disguise. Comments may hold anything.
    bool utf8 = bom;
    for (std::size_t i = 0; i < zeilen.size() && !utf8; ++i)
        utf8 = !istKommentar(OhneRand(zeilen[i], " \t")) && IstUtf8(zeilen[i]);
    Lautgruppen gruppen;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string_view zeile = OhneRand(zeilen[i], " \t");
        if (istKommentar(zeile))
            continue;
        try {
            std::string text(zeile);
            if (utf8)
                text = Cp1252AusUtf8(zeile);
            else
                Utf8AusCp1252(zeile); // raises Fehler for a byte Windows-1252 leaves unassigned
            Lautgruppe gruppe;
            std::string_view rest;
            gruppe.name = nameLesen(text, rest);
            gruppe.mitglieder = mitgliederLesen(rest);
            gruppen.push_back(std::move(gruppe));
        } catch (const Fehler& e) {
            throw Fehler(std::string(quelle) + ", Zeile " + std::to_string(i + 1) + ": " +
                         e.what());
        }
    }
    return gruppen;
}

std::string LautgruppenText(const Lautgruppen& gruppen) {
    std::string text;
    for (const Lautgruppe& gruppe : gruppen) {
        text += nameMussZitiert(gruppe.name) ? zitiert(gruppe.name) : gruppe.name;
        text += ':';
        for (std::size_t i = 0; i < gruppe.mitglieder.size(); ++i) {
            const std::string& glied = gruppe.mitglieder[i];
            text += i == 0 ? " " : ", ";
            text += gliedMussZitiert(glied) ? zitiert(glied) : glied;
        }
        text += '\n';
    }
    return Utf8AusCp1252(text);
}

Lautgruppen LautgruppenLaden(const std::filesystem::path& datei) {
    Lautgruppen gruppen = LautgruppenLesen(DateiLesen(datei, kGrenzen), datei.string());
    if (gruppen.empty())
        throw Fehler("Datei " + Pfadangabe(datei.string()) + " enthält keine Lautgruppe.");
    return gruppen;
}

void LautgruppenSpeichern(const std::filesystem::path& datei, const Lautgruppen& gruppen) {
    DateiSchreiben(datei, LautgruppenText(gruppen));
}

} // namespace quandel
