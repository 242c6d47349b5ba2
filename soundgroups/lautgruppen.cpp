#include "soundgroups/lautgruppen.h"

#include "data/eingebaut.h"
#include "text/datei.h"
#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/kommatext.h"
#include "text/zeilen.h"

namespace quandel {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool istLeer(char c) {
    return c == ' ' || c == '\t';
}

std::string_view beschnitten(std::string_view text) {
    while (!text.empty() && istLeer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && istLeer(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name before the colon, quoted or plain; the rest of the line follows the colon.
// Returns false when the line has no colon where one belongs.
bool nameLesen(std::string_view zeile, std::string& name, std::string_view& rest) {
    if (zeile.front() != '"') {
        const std::size_t doppelpunkt = zeile.find(':');
        if (doppelpunkt == std::string_view::npos)
            return false;
        name = beschnitten(zeile.substr(0, doppelpunkt));
        rest = zeile.substr(doppelpunkt + 1);
        return true;
    }
    std::size_t p = 1;
    for (; p < zeile.size(); ++p) {
        if (zeile[p] != '"') {
            name.push_back(zeile[p]);
        } else if (p + 1 < zeile.size() && zeile[p + 1] == '"') {
            name.push_back('"');
            ++p;
        } else {
            break;
        }
    }
    const std::string_view danach = beschnitten(zeile.substr(std::min(p + 1, zeile.size())));
    if (danach.empty() || danach.front() != ':')
        return false;
    rest = danach.substr(1);
    return true;
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
    return name.find_first_of(":\"") != std::string_view::npos ||
           (!name.empty() &&
            (name.front() == '#' || istLeer(name.front()) || istLeer(name.back())));
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

Lautgruppen LautgruppenLesen(std::string_view utf8, std::string_view quelle) {
    if (utf8.starts_with(kBom))
        utf8.remove_prefix(kBom.size());
    Lautgruppen gruppen;
    const std::vector<std::string> zeilen = ZeilenTeilen(utf8);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string_view zeile = beschnitten(zeilen[i]);
        if (zeile.empty() || zeile.front() == '#')
            continue;
        const std::string stelle = std::string(quelle) + ", Zeile " + std::to_string(i + 1) + ": ";
        std::string text;
        try {
            text = Cp1252AusUtf8(zeile);
        } catch (const Fehler& e) {
            throw Fehler(stelle + e.what());
        }
        Lautgruppe gruppe;
        std::string_view rest;
        if (!nameLesen(text, gruppe.name, rest))
            throw Fehler(stelle + "Der Doppelpunkt nach dem Namen der Lautgruppe fehlt.");
        gruppe.mitglieder = KommatextTeilen(rest);
        gruppen.push_back(std::move(gruppe));
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
    return LautgruppenLesen(DateiLesen(datei), datei.string());
}

void LautgruppenSpeichern(const std::filesystem::path& datei, const Lautgruppen& gruppen) {
    DateiSchreiben(datei, LautgruppenText(gruppen));
}

} // namespace quandel
