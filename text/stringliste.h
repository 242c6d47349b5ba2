#pragma once

#include "text/kollation.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quandel {

enum class Ordnung { Unsortiert, Sortiert };
enum class Duplikate { Ignorieren, Akzeptieren };

// An ordered list of Windows-1252 texts, each with an optional object that the list does not
// own. A sorted list keeps its entries in the German collation order (Kollator::Deutsch):
//  - duplicates ignored: adding an entry equal to a present one adds nothing and yields the
//    index of the present one;
//  - duplicates accepted: the new entry goes before the equal ones.
// Large numbers of additions go through Sammeln and are merged into place by Einordnen, with the
// same result as adding them one by one, at O(n + k log k) instead of O(n) each. Reading a list
// with collected entries not yet placed is a programming error; changing it places them first.
template <typename Objekt = const void> class StringListe {
public:
    struct Eintrag {
        std::string text;
        Objekt* objekt = nullptr;
        std::string schluessel; // collation key, filled when the entry is placed
    };

    explicit StringListe(Ordnung ordnung = Ordnung::Unsortiert,
                         Duplikate duplikate = Duplikate::Akzeptieren)
        : ordnung_(ordnung), duplikate_(duplikate) {}

    bool IstSortiert() const { return ordnung_ == Ordnung::Sortiert; }

    std::size_t size() const {
        assert(neu_.empty());
        return eintraege_.size();
    }
    bool empty() const { return eintraege_.empty() && neu_.empty(); }

    const std::string& operator[](std::size_t i) const { return EintragVon(i).text; }
    Objekt* ObjektVon(std::size_t i) const { return EintragVon(i).objekt; }
    const Eintrag& EintragVon(std::size_t i) const {
        assert(neu_.empty());
        return eintraege_.at(i);
    }

    void ObjektSetzen(std::size_t i, Objekt* objekt) {
        Einordnen();
        eintraege_.at(i).objekt = objekt;
    }

    // Changes the text in place; the entry keeps its position even in a sorted list.
    void TextSetzen(std::size_t i, std::string text) {
        Einordnen();
        eintraege_.at(i).text = std::move(text);
    }

    // Adds one entry now and returns its index, or with duplicates ignored the index of the
    // equal entry already present (whose object stays; the caller may replace it).
    std::size_t Hinzufuegen(std::string text, Objekt* objekt = nullptr) {
        if (!IstSortiert()) {
            eintraege_.push_back({std::move(text), objekt, {}});
            return eintraege_.size() - 1;
        }
        Einordnen();
        std::string schluessel = Kollator::Deutsch().Schluessel(text);
        const auto stelle = untereGrenze(schluessel);
        const auto index = static_cast<std::size_t>(stelle - eintraege_.begin());
        if (duplikate_ == Duplikate::Ignorieren && stelle != eintraege_.end() &&
            stelle->schluessel == schluessel)
            return index;
        eintraege_.insert(stelle, Eintrag{std::move(text), objekt, std::move(schluessel)});
        return index;
    }

    // Adds an entry later, in bulk; Einordnen places it. With duplicates ignored, an entry equal to
    // a present one is dropped but a non-null object of it replaces the present entry's object, as
    // a caller of Hinzufuegen would do. A known collation key may be passed along to save its cost.
    void Sammeln(std::string text, Objekt* objekt = nullptr, std::string schluessel = {}) {
        if (!IstSortiert())
            eintraege_.push_back({std::move(text), objekt, std::move(schluessel)});
        else
            neu_.push_back({std::move(text), objekt, std::move(schluessel)});
    }

    void Loeschen(std::size_t i) {
        Einordnen();
        eintraege_.erase(eintraege_.begin() + static_cast<std::ptrdiff_t>(i));
    }

    void Leeren() {
        eintraege_.clear();
        neu_.clear();
    }

    // Keeps exactly the entries for which behalten(eintrag) is true, in their order.
    template <typename Praedikat> void Behalten(Praedikat behalten) {
        Einordnen();
        std::erase_if(eintraege_, [&](const Eintrag& e) { return !behalten(e); });
    }

    // Index of an entry equal (in collation, so ignoring case) to text.
    std::optional<std::size_t> IndexVon(std::string_view text) const {
        assert(neu_.empty());
        const Kollator& kollator = Kollator::Deutsch();
        const std::string schluessel = kollator.Schluessel(text);
        if (IstSortiert()) {
            const auto stelle = untereGrenze(schluessel);
            if (stelle != eintraege_.end() && stelle->schluessel == schluessel)
                return static_cast<std::size_t>(stelle - eintraege_.begin());
            return std::nullopt;
        }
        for (std::size_t i = 0; i < eintraege_.size(); ++i)
            if (kollator.Schluessel(eintraege_[i].text) == schluessel)
                return i;
        return std::nullopt;
    }

    auto begin() const {
        assert(neu_.empty());
        return eintraege_.cbegin();
    }
    auto end() const { return eintraege_.cend(); }

    // Places the entries collected by Sammeln.
    void Einordnen() {
        if (neu_.empty())
            return;
        const Kollator& kollator = Kollator::Deutsch();
        for (Eintrag& e : neu_)
            if (e.schluessel.empty())
                e.schluessel = kollator.Schluessel(e.text);

        // Order of the new entries; among equal ones the order of addition, or with duplicates
        // accepted the reverse (each new entry goes before the equal ones).
        std::vector<std::size_t> folge(neu_.size());
        std::iota(folge.begin(), folge.end(), std::size_t{0});
        const bool akzeptieren = duplikate_ == Duplikate::Akzeptieren;
        const bool schonGeordnet =
            std::adjacent_find(neu_.begin(), neu_.end(), [](const Eintrag& a, const Eintrag& b) {
                return a.schluessel >= b.schluessel;
            }) == neu_.end();
        if (!schonGeordnet)
            std::sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
                const int v = neu_[a].schluessel.compare(neu_[b].schluessel);
                if (v != 0)
                    return v < 0;
                return akzeptieren ? a > b : a < b;
            });

        std::vector<Eintrag> alt = std::move(eintraege_);
        eintraege_.clear();
        eintraege_.reserve(alt.size() + neu_.size());
        std::size_t i = 0;
        std::size_t j = 0;
        while (j < folge.size()) {
            Eintrag& n = neu_[folge[j]];
            while (i < alt.size() && alt[i].schluessel < n.schluessel)
                eintraege_.push_back(std::move(alt[i++]));
            if (akzeptieren) {
                eintraege_.push_back(std::move(n));
                ++j;
                continue;
            }
            // Duplicates ignored: the first of the equal entries stays, the last object wins.
            Objekt* objekt = nullptr;
            std::size_t k = j;
            for (; k < folge.size() && neu_[folge[k]].schluessel == n.schluessel; ++k)
                if (neu_[folge[k]].objekt)
                    objekt = neu_[folge[k]].objekt;
            if (i < alt.size() && alt[i].schluessel == n.schluessel) {
                if (objekt)
                    alt[i].objekt = objekt;
                eintraege_.push_back(std::move(alt[i++]));
            } else {
                n.objekt = objekt ? objekt : n.objekt;
                eintraege_.push_back(std::move(n));
            }
            j = k;
        }
        while (i < alt.size())
            eintraege_.push_back(std::move(alt[i++]));
        neu_.clear();
    }

private:
    auto untereGrenze(const std::string& schluessel) const {
        return std::lower_bound(
            eintraege_.begin(), eintraege_.end(), schluessel,
            [](const Eintrag& e, const std::string& s) { return e.schluessel < s; });
    }

    Ordnung ordnung_;
    Duplikate duplikate_;
    std::vector<Eintrag> eintraege_;
    std::vector<Eintrag> neu_;
};

} // namespace quandel
