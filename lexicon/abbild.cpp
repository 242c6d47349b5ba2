#include "lexicon/abbild.h"

#include "lexicon/pruefsumme.h"

#include <algorithm>
#include <cstring>

namespace quandel {

namespace {

constexpr char kMagie[8] = {'Q', 'T', 'L', 'E', 'X', 'I', 'D', 'X'};
constexpr std::uint32_t kBytefolge = 0x01020304;

std::uint64_t aufgerundet(std::uint64_t n) {
    return (n + 7) & ~std::uint64_t{7};
}

void programmVersion(char (&ziel)[16]) {
    std::memset(ziel, 0, sizeof ziel);
    constexpr std::string_view version = QUANDEL_VERSION;
    std::memcpy(ziel, version.data(), std::min(version.size(), sizeof ziel));
}

} // namespace

std::uint64_t KopfPruefsumme(const Kopf& kopf, std::string_view tabelle) {
    Kopf ohne = kopf;
    ohne.kopfPruefsumme = 0;
    Pruefsumme p;
    p.Hinzufuegen({reinterpret_cast<const char*>(&ohne), sizeof ohne});
    p.Hinzufuegen(tabelle);
    return p.Wert();
}

AbschnittsEntwurf::AbschnittsEntwurf(std::string_view name, std::uint32_t version)
    : version_(version) {
    std::memset(name_, ' ', sizeof name_);
    std::memcpy(name_, name.data(), std::min(name.size(), sizeof name_));
}

std::uint64_t AbschnittsEntwurf::Teil::Laenge() const {
    return istZahl ? sizeof zahl : aufgerundet(bytes.size());
}

void AbschnittsEntwurf::Zahl(std::uint64_t zahl) {
    teile_.push_back({{}, zahl, true});
}

void AbschnittsEntwurf::Bytes(std::string_view bytes) {
    teile_.push_back({bytes, 0, false});
}

void AbschnittsEntwurf::Texte(std::span<const std::uint32_t> ende, std::string_view pool) {
    Zahl(ende.size());
    Feld(ende);
    Zahl(pool.size());
    Bytes(pool);
}

std::uint64_t AbschnittsEntwurf::Laenge() const {
    std::uint64_t laenge = 0;
    for (const Teil& teil : teile_)
        laenge += teil.Laenge();
    return laenge;
}

void AbschnittsEntwurf::Schreiben(char* ziel) const {
    for (const Teil& teil : teile_) {
        const std::string_view bytes =
            teil.istZahl
                ? std::string_view(reinterpret_cast<const char*>(&teil.zahl), sizeof teil.zahl)
                : teil.bytes;
        if (!bytes.empty())
            std::memcpy(ziel, bytes.data(), bytes.size());
        std::memset(ziel + bytes.size(), 0, teil.Laenge() - bytes.size());
        ziel += teil.Laenge();
    }
}

std::unique_ptr<EigenerSpeicher>
AbbildZusammensetzen(const AbbildKennung& kennung,
                     const std::vector<AbschnittsEntwurf>& abschnitte) {
    const std::uint64_t tabellenLaenge = abschnitte.size() * sizeof(AbschnittsEintrag);
    std::uint64_t laenge = sizeof(Kopf) + tabellenLaenge;
    std::vector<AbschnittsEintrag> tabelle;
    for (const AbschnittsEntwurf& a : abschnitte) {
        AbschnittsEintrag e{};
        std::memcpy(e.name, a.Name(), sizeof e.name);
        e.version = a.Version();
        e.anfang = laenge;
        e.laenge = a.Laenge();
        laenge += e.laenge;
        tabelle.push_back(e);
    }
    auto speicher = std::make_unique<EigenerSpeicher>(laenge / 8);
    char* bytes = speicher->Daten();
    for (std::size_t i = 0; i < abschnitte.size(); ++i) {
        char* ziel = bytes + tabelle[i].anfang;
        abschnitte[i].Schreiben(ziel);
        tabelle[i].pruefsumme = Abschnittssumme({ziel, tabelle[i].laenge});
    }
    Kopf kopf{};
    std::memcpy(kopf.magie, kMagie, sizeof kMagie);
    kopf.bytefolge = kBytefolge;
    kopf.format = kAbbildFormat;
    programmVersion(kopf.programmVersion);
    std::memcpy(kopf.kollationsVersion, kennung.kollationsVersion.data(), 4);
    kopf.abschnittAnzahl = static_cast<std::uint32_t>(abschnitte.size());
    kopf.listenPruefsumme = kennung.liste.pruefsumme;
    kopf.listenLaenge = kennung.liste.laenge;
    kopf.kodierung = kennung.liste.kodierung;
    kopf.dateiLaenge = laenge;
    const std::string_view tabellenBytes(reinterpret_cast<const char*>(tabelle.data()),
                                         tabellenLaenge);
    kopf.kopfPruefsumme = KopfPruefsumme(kopf, tabellenBytes);
    std::memcpy(bytes, &kopf, sizeof kopf);
    std::memcpy(bytes + sizeof kopf, tabelle.data(), tabellenLaenge);
    return speicher;
}

AbbildLeser::AbbildLeser(std::string_view bytes, const AbbildKennung& erwartet, Pruefumfang umfang)
    : bytes_(bytes) {
    if (bytes.size() < sizeof(Kopf))
        throw AbbildFehler("zu kurz");
    Kopf kopf;
    std::memcpy(&kopf, bytes.data(), sizeof kopf);
    char version[16];
    programmVersion(version);
    if (std::memcmp(kopf.magie, kMagie, sizeof kMagie) != 0 || kopf.bytefolge != kBytefolge)
        throw AbbildFehler("kein Index");
    if (kopf.format != kAbbildFormat ||
        std::memcmp(kopf.programmVersion, version, sizeof version) != 0 ||
        std::memcmp(kopf.kollationsVersion, erwartet.kollationsVersion.data(), 4) != 0)
        throw AbbildFehler("andere Version");
    if (kopf.dateiLaenge != bytes.size() ||
        kopf.abschnittAnzahl > (bytes.size() - sizeof kopf) / sizeof(AbschnittsEintrag))
        throw AbbildFehler("Länge");
    const std::string_view tabellenBytes =
        bytes.substr(sizeof kopf, kopf.abschnittAnzahl * sizeof(AbschnittsEintrag));
    if (KopfPruefsumme(kopf, tabellenBytes) != kopf.kopfPruefsumme)
        throw AbbildFehler("Kopf beschädigt");
    if (ListenKennung{kopf.listenPruefsumme, kopf.listenLaenge, kopf.kodierung} != erwartet.liste)
        throw AbbildFehler("andere Liste");
    tabelle_ = {reinterpret_cast<const AbschnittsEintrag*>(tabellenBytes.data()),
                kopf.abschnittAnzahl};
    for (const AbschnittsEintrag& e : tabelle_) {
        if (e.anfang % 8 != 0 || e.anfang > bytes.size() || e.laenge > bytes.size() - e.anfang)
            throw AbbildFehler("Abschnitt außerhalb");
        if (umfang == Pruefumfang::Alles &&
            Abschnittssumme(bytes.substr(e.anfang, e.laenge)) != e.pruefsumme)
            throw AbbildFehler("Abschnitt beschädigt");
    }
}

std::string_view AbbildLeser::Abschnitt(std::string_view name, std::uint32_t version) const {
    for (const AbschnittsEintrag& e : tabelle_)
        if (std::string_view(e.name, sizeof e.name) == name && e.version == version)
            return bytes_.substr(e.anfang, e.laenge);
    throw AbbildFehler("Abschnitt fehlt");
}

std::uint64_t AbschnittsLeser::Zahl() {
    const std::string_view b = Bytes(sizeof(std::uint64_t));
    std::uint64_t zahl;
    std::memcpy(&zahl, b.data(), sizeof zahl);
    return zahl;
}

std::string_view AbschnittsLeser::Bytes(std::uint64_t laenge) {
    const std::size_t rest = bytes_.size() - stelle_;
    if (laenge > rest || aufgerundet(laenge) > rest)
        throw AbbildFehler("Abschnitt zu kurz");
    const std::string_view b = bytes_.substr(stelle_, laenge);
    stelle_ += aufgerundet(laenge);
    return b;
}

TextFeld AbschnittsLeser::Texte() {
    const std::uint64_t anzahl = Zahl();
    const auto ende = Feld<std::uint32_t>(anzahl);
    const std::uint64_t poolLaenge = Zahl();
    const TextFeld feld(ende, Bytes(poolLaenge));
    if (anzahl == 0 || (umfang_ == Pruefumfang::Alles && !feld.Stimmig()))
        throw AbbildFehler("Texte unstimmig");
    return feld;
}

std::span<const std::int32_t> AbschnittsLeser::Wortnummern(std::size_t wortzahl) {
    const auto nummern = Feld<std::int32_t>(Zahl());
    if (umfang_ != Pruefumfang::Alles)
        return nummern;
    bool innerhalb = true; // no early exit: the loop vectorizes
    for (const std::int32_t nr : nummern)
        innerhalb &= static_cast<std::uint32_t>(nr) < wortzahl;
    if (!innerhalb)
        throw AbbildFehler("Wortnummer außerhalb");
    return nummern;
}

} // namespace quandel
