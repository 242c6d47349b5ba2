#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// How common word forms are: lower-case forms (Windows-1252) with their rank, 1 for the most
// common. A view over a table sorted by bytes; the built-in one (data/haeufigkeit.txt, compiled
// in) is daten::EingebauteHaeufigkeit().
//   Rang("ich") -> 2;  Rang("herz") -> 947;  Rang("quandel") -> nullopt
class Haeufigkeit {
public:
    // Every kBlock-th form is found by binary search, the rest by reading on.
    static constexpr std::size_t kBlock = 16;

    // Knows no form.
    Haeufigkeit() = default;
    // From stored parts: the forms sorted by their bytes, each closed by '\n'; the rank of each
    // form; where every kBlock-th form starts. halter keeps them alive (none for compiled data).
    // Throws Fehler when the parts do not fit together.
    Haeufigkeit(std::string_view formen, std::span<const std::uint32_t> raenge,
                std::span<const std::uint32_t> bloecke,
                std::shared_ptr<const void> halter = nullptr);

    // The rank of a lower-case form, or nullopt when the list does not have it.
    std::optional<std::uint32_t> Rang(std::string_view klein) const;

    std::size_t size() const { return raenge_.size(); }
    std::string_view Formen() const { return formen_; }
    std::span<const std::uint32_t> Raenge() const { return raenge_; }
    std::span<const std::uint32_t> Bloecke() const { return bloecke_; }

private:
    std::string_view formen_;
    std::span<const std::uint32_t> raenge_;
    std::span<const std::uint32_t> bloecke_;
    std::shared_ptr<const void> halter_;
};

// The table of forms given from the most common on (rank 1 first); a form given twice keeps its
// first rank. Forms must not contain '\n'.
Haeufigkeit HaeufigkeitAufbauen(const std::vector<std::string>& formenNachRang);

// The rank classes shown with a hit: 1 for the 1,000 most common forms, 2 up to rank 10,000, 3
// for the rest of the list, 0 for a form the list does not have.
int Rangklasse(std::optional<std::uint32_t> rang);

} // namespace quandel
