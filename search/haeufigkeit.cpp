#include "search/haeufigkeit.h"

#include "text/fehler.h"

#include <algorithm>
#include <numeric>

namespace quandel {

namespace {

// The form starting at `anfang`, up to its '\n'.
std::string_view FormAb(std::string_view formen, std::size_t anfang) {
    const std::size_t ende = formen.find('\n', anfang);
    return formen.substr(anfang, ende - anfang);
}

} // namespace

Haeufigkeit::Haeufigkeit(std::string_view formen, std::span<const std::uint32_t> raenge,
                         std::span<const std::uint32_t> bloecke, std::shared_ptr<const void> halter)
    : formen_(formen), raenge_(raenge), bloecke_(bloecke), halter_(std::move(halter)) {
    const bool stimmig = bloecke_.size() == (raenge_.size() + kBlock - 1) / kBlock &&
                         (formen_.empty() ? raenge_.empty() : formen_.back() == '\n') &&
                         std::is_sorted(bloecke_.begin(), bloecke_.end()) &&
                         std::all_of(bloecke_.begin(), bloecke_.end(),
                                     [&](std::uint32_t anfang) { return anfang < formen_.size(); });
    if (!stimmig)
        throw Fehler("Die Häufigkeitstabelle ist beschädigt.");
}

std::optional<std::uint32_t> Haeufigkeit::Rang(std::string_view klein) const {
    if (bloecke_.empty() || klein.find('\n') != std::string_view::npos)
        return std::nullopt;
    // The last block whose first form is not greater than the one looked for.
    const auto block = std::upper_bound(bloecke_.begin(), bloecke_.end(), klein,
                                        [&](std::string_view gesucht, std::uint32_t anfang) {
                                            return gesucht < FormAb(formen_, anfang);
                                        });
    if (block == bloecke_.begin())
        return std::nullopt;
    const auto nummer = static_cast<std::size_t>(block - bloecke_.begin() - 1);
    std::size_t anfang = bloecke_[nummer];
    for (std::size_t i = nummer * kBlock; i < raenge_.size() && i < (nummer + 1) * kBlock; ++i) {
        const std::string_view form = FormAb(formen_, anfang);
        if (form == klein)
            return raenge_[i];
        if (form > klein)
            break;
        anfang += form.size() + 1;
    }
    return std::nullopt;
}

Haeufigkeit HaeufigkeitAufbauen(const std::vector<std::string>& formenNachRang) {
    std::vector<std::size_t> folge(formenNachRang.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return formenNachRang[a] < formenNachRang[b];
    });
    struct Speicher {
        std::string formen;
        std::vector<std::uint32_t> raenge;
        std::vector<std::uint32_t> bloecke;
    };
    auto speicher = std::make_shared<Speicher>();
    for (std::size_t j = 0; j < folge.size(); ++j) {
        const std::string& form = formenNachRang[folge[j]];
        if (j > 0 && form == formenNachRang[folge[j - 1]])
            continue; // the first, better rank stays
        if (speicher->raenge.size() % Haeufigkeit::kBlock == 0)
            speicher->bloecke.push_back(static_cast<std::uint32_t>(speicher->formen.size()));
        speicher->formen += form;
        speicher->formen += '\n';
        speicher->raenge.push_back(static_cast<std::uint32_t>(folge[j] + 1));
    }
    const Speicher& s = *speicher;
    return Haeufigkeit(s.formen, s.raenge, s.bloecke, std::move(speicher));
}

int Rangklasse(std::optional<std::uint32_t> rang) {
    if (!rang)
        return 0;
    if (*rang <= 1000)
        return 1;
    return *rang <= 10000 ? 2 : 3;
}

} // namespace quandel
