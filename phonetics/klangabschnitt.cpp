#include "phonetics/klangabschnitt.h"

#include "text/fehler.h"

namespace quandel {

namespace {

void TabelleEntwerfen(AbschnittsEntwurf& entwurf, const Schluesseltabelle& tabelle,
                      std::span<const std::uint32_t> ids) {
    entwurf.Zahl(tabelle.Enden().size());
    entwurf.Feld(tabelle.Enden());
    entwurf.Zahl(tabelle.Zeichen().size());
    entwurf.Bytes(tabelle.Zeichen());
    entwurf.Zahl(ids.size());
    entwurf.Feld(ids);
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
    TabelleEntwerfen(entwurf, index.ReinTabelle(), index.ReinIds());
    TabelleEntwerfen(entwurf, index.ZweisilbigTabelle(), index.ZweisilbigIds());
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
        const auto tabelle = [&leser](std::span<const std::uint32_t>& ids) {
            const std::span<const std::uint32_t> enden = ZahlenLesen(leser);
            const std::string_view zeichen = leser.Bytes(leser.Zahl());
            ids = ZahlenLesen(leser);
            return Schluesseltabelle(zeichen, enden);
        };
        std::span<const std::uint32_t> reinIds;
        std::span<const std::uint32_t> zweisilbigIds;
        const Schluesseltabelle rein = tabelle(reinIds);
        const Schluesseltabelle zweisilbig = tabelle(zweisilbigIds);
        return KlangIndex(rein, reinIds, zweisilbig, zweisilbigIds, pruefsumme, std::move(halter));
    } catch (const AbbildFehler&) {
        return std::nullopt;
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

} // namespace quandel
