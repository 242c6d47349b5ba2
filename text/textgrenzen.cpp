#include "text/textgrenzen.h"

#include "text/fehler.h"
#include "text/pfadangabe.h"

namespace quandel {

void Textpruefung::Stueck(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\n' && nachCr_) {
            nachCr_ = false;
            continue;
        }
        nachCr_ = c == '\r';
        if (c == '\r' || c == '\n') {
            zeile_ = 0;
            ++nummer_;
            continue;
        }
        if (c == '\0')
            zeilenfehler("Die Zeile enthält ein Nullbyte.");
        if (++zeile_ > grenzen_.zeile)
            zeilenfehler("Die Zeile ist länger als " + std::to_string(grenzen_.zeile) + " Bytes.");
    }
    gesamt_ += bytes.size();
    if (gesamt_ > grenzen_.datei)
        throw Fehler("Datei " + Pfadangabe(quelle_) +
                     " kann nicht gelesen werden: sie ist größer als " +
                     std::to_string(grenzen_.datei >> 20) + " MB.");
}

void Textpruefung::zeilenfehler(const std::string& text) const {
    throw Fehler(quelle_ + ", Zeile " + std::to_string(nummer_) + ": " + text);
}

void TextgrenzenPruefen(std::string_view text, std::string_view quelle, Textgrenzen grenzen) {
    Textpruefung(quelle, grenzen).Stueck(text);
}

} // namespace quandel
