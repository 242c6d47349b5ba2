#include "grid/gitterdatei.h"

#include "text/kodierung.h"
#include "text/kommatext.h"
#include "text/zeilen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace quandel {

namespace {

// A message text may quote file contents: unassigned bytes must not spoil it.
std::string MeldungsText(std::string_view cp1252) {
    std::string text;
    for (char zeichen : cp1252)
        text += UnicodeVon(zeichen) == 0xFFFF ? std::string("?")
                                              : Utf8AusCp1252(std::string_view(&zeichen, 1));
    return text;
}

// The whole number of line 1: an optional sign and decimal digits, nothing else.
bool GanzzahlLesen(std::string_view text, long long& zahl) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return false;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    return fehler == std::errc() && ende == text.data() + text.size() && zahl >= INT32_MIN &&
           zahl <= INT32_MAX;
}

} // namespace

std::string GitterDateiText(const Raster& raster) {
    std::string text = std::to_string(raster.spalten) + "\r\n";
    const auto breite = static_cast<std::size_t>(raster.spalten);
    for (int zeile = 0; zeile < raster.zeilen; ++zeile) {
        const auto anfang = raster.zellen.begin() + static_cast<std::ptrdiff_t>(zeile * breite);
        text += KommatextVerbinden(
            std::vector<std::string>(anfang, anfang + static_cast<std::ptrdiff_t>(breite)));
        text += "\r\n";
    }
    return text;
}

Raster GitterDateiLesen(std::string_view text) {
    const std::vector<std::string> zeilen = ZeilenTeilen(text);
    const int zeilenzahl = std::max(1, static_cast<int>(zeilen.size()) - 1);
    if (zeilen.empty())
        throw GitterDateiFehler("Der Index der Liste überschreitet das Maximum (0)", zeilenzahl);
    long long zahl = 0;
    if (!GanzzahlLesen(zeilen.front(), zahl))
        throw GitterDateiFehler(
            "'" + MeldungsText(zeilen.front()) + "' ist kein gültiger Integerwert", zeilenzahl);
    if (zahl > kHoechsteSpaltenzahl)
        throw GitterDateiFehler("Ein Raster hat höchstens " + std::to_string(kHoechsteSpaltenzahl) +
                                    " Spalten, die Datei verlangt " + std::to_string(zahl) + ".",
                                zeilenzahl);

    Raster raster;
    raster.spalten = std::max(1, static_cast<int>(zahl));
    raster.zeilen = zeilenzahl;
    raster.zellen.resize(static_cast<std::size_t>(raster.spalten) *
                         static_cast<std::size_t>(raster.zeilen));
    for (std::size_t i = 1; i < zeilen.size(); ++i) {
        const std::vector<std::string> items = KommazeileTeilen(zeilen[i]);
        const std::size_t anzahl = std::min(items.size(), static_cast<std::size_t>(raster.spalten));
        for (std::size_t spalte = 0; spalte < anzahl; ++spalte)
            raster.zellen[(i - 1) * static_cast<std::size_t>(raster.spalten) + spalte] =
                items[spalte].empty() ? std::string(" ") : items[spalte];
    }
    return raster;
}

} // namespace quandel
