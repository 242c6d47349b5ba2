#include "phonetics/klangabschnitt.h"

#include "text/fehler.h"

namespace quandel {

namespace {

void SpalteEntwerfen(AbschnittsEntwurf& entwurf, const Klangspalte& spalte) {
    entwurf.Zahl(spalte.werte.Enden().size());
    entwurf.Feld(spalte.werte.Enden());
    entwurf.Zahl(spalte.werte.Zeichen().size());
    entwurf.Bytes(spalte.werte.Zeichen());
    entwurf.Zahl(spalte.ids.size());
    entwurf.Feld(spalte.ids);
}

std::span<const std::uint32_t> ZahlenLesen(AbschnittsLeser& leser) {
    return leser.Feld<std::uint32_t>(leser.Zahl());
}

} // namespace

AbschnittsEntwurf KlangAbschnittEntwerfen(const KlangIndex& index,
                                          std::uint64_t ausspracheKennung) {
    AbschnittsEntwurf entwurf(kKlangAbschnitt, kKlangAbschnittVersion);
    entwurf.Zahl(ausspracheKennung);
    entwurf.Zahl(index.Pruefsumme());
    for (std::size_t f = 0; f < kKlangfelder; ++f)
        SpalteEntwerfen(entwurf, index.Spalte(static_cast<Klangfeld>(f)));
    return entwurf;
}

std::optional<KlangIndex> KlangAbschnittLesen(std::string_view abschnitt,
                                              std::uint64_t ausspracheKennung,
                                              std::shared_ptr<const void> halter) {
    try {
        AbschnittsLeser leser(abschnitt);
        if (leser.Zahl() != ausspracheKennung)
            return std::nullopt;
        const std::uint64_t pruefsumme = leser.Zahl();
        std::array<Klangspalte, kKlangfelder> spalten;
        for (Klangspalte& spalte : spalten) {
            const std::span<const std::uint32_t> enden = ZahlenLesen(leser);
            const std::string_view zeichen = leser.Bytes(leser.Zahl());
            spalte = {Schluesseltabelle(zeichen, enden), ZahlenLesen(leser)};
        }
        return KlangIndex(spalten, pruefsumme, std::move(halter));
    } catch (const AbbildFehler&) {
        return std::nullopt;
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

} // namespace quandel
