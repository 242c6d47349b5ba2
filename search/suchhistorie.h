#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quandel {

// The mode of a search, by the panel that starts it in the window.
enum class Suchmodus { End, Lied, Schuettel, Stab, Klang };

// What the history keeps of a recorded search besides its hits and its text: its mode, the
// ordering flag and whether the direction switches were enabled.
struct HistorienEintrag {
    Suchmodus modus = Suchmodus::End;
    bool ohneSortierung = false;
    bool vorSortFrei = true;
    bool rueckSortFrei = true;

    bool operator==(const HistorienEintrag&) const = default;
};

// The searches of a run, in the order they were recorded, for showing them again without
// searching. Entries are only ever appended; the same search made twice is recorded twice. The
// window's arrows step through the entries by position, its drop-down list reaches every one.
class Suchhistorie {
public:
    // The arrows count in 16 bits: entries beyond this position are reached by the list only.
    static constexpr int kHoechsteStelle = 32767;

    // Records a finished search with its hits (in the order of its hit list), its text as it
    // stood in the search box and its entry. A search without hits and an alliteration search
    // are not recorded. True when recorded.
    bool TrefferHistorieMerken(const std::vector<std::string>& treffer, std::string text,
                               const HistorienEintrag& eintrag);

    std::size_t Anzahl() const { return HistorienListen.size(); }
    bool Leer() const { return HistorienListen.empty(); }

    // The entry a position of the arrows or a row of the list shows; none while the history is
    // empty or the position lies outside it.
    std::optional<std::size_t> Zeigen(int stelle) const;

    const std::vector<std::string>& Treffer(std::size_t k) const { return HistorienListen.at(k); }
    const std::string& Text(std::size_t k) const { return HistorienWorte.at(k).first; }
    const HistorienEintrag& Eintrag(std::size_t k) const { return HistorienWorte.at(k).second; }

    // The arrows' range ends at the last entry they can reach (0 while the history is empty);
    // a new entry is shown at that end.
    int PfeilMaximum() const;
    // The arrows' position for entry k of the list: k, or their last position beyond it.
    static int PfeilStelle(std::size_t k);

private:
    // Entry k of both lists belongs to the k-th recorded search.
    std::vector<std::vector<std::string>> HistorienListen;
    std::vector<std::pair<std::string, HistorienEintrag>> HistorienWorte;
};

} // namespace quandel
