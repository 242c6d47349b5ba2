#include "lexicon/pfadvermerk.h"

#include "lexicon/indexstempel.h"
#include "lexicon/pruefsumme.h"

#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace quandel {

namespace {

// The record: the magic, then path, index name and record name, each closed by a NUL (which
// no path holds).
constexpr std::string_view kMagie{"QTPFAD1\0", 8};

struct Vermerk {
    std::string pfad;
    std::string index;
    std::string stempel;
};

std::string vermerkName(const std::string& pfad, std::uint32_t kodierung) {
    char name[48];
    std::snprintf(name, sizeof name, "pfad-%016llx-%u.vermerk",
                  static_cast<unsigned long long>(Pruefsumme64(pfad)), kodierung);
    return name;
}

// A name the folder may hold and this program may remove: no folder part, not hidden, and
// of the kind expected.
bool eigenerName(std::string_view name, std::string_view endung) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos &&
           name.size() > endung.size() && name.ends_with(endung);
}

std::optional<Vermerk> lesen(const std::string& datei) {
    const int fd = CachedateiOeffnen(datei);
    if (fd < 0)
        return std::nullopt;
    std::string bytes(kMagie.size() + 3 * (PATH_MAX + 1), '\0');
    std::size_t gelesen = 0;
    for (ssize_t n; gelesen < bytes.size() &&
                    (n = ::read(fd, bytes.data() + gelesen, bytes.size() - gelesen)) > 0;)
        gelesen += static_cast<std::size_t>(n);
    ::close(fd);
    std::string_view rest(bytes.data(), gelesen);
    if (!rest.starts_with(kMagie))
        return std::nullopt;
    rest.remove_prefix(kMagie.size());
    std::array<std::string, 3> felder;
    for (std::string& feld : felder) {
        const std::size_t ende = rest.find('\0');
        if (ende == std::string_view::npos)
            return std::nullopt;
        feld = rest.substr(0, ende);
        rest.remove_prefix(ende + 1);
    }
    if (!rest.empty())
        return std::nullopt;
    return Vermerk{felder[0], felder[1], felder[2]};
}

} // namespace

void IndexVermerken(const std::string& ordner, const std::string& pfad, std::uint32_t kodierung,
                    const std::string& index, const std::string& stempel) {
    const std::unique_ptr<char, decltype(&std::free)> absolut(::realpath(pfad.c_str(), nullptr),
                                                              &std::free);
    if (!absolut)
        return;
    const std::string liste = absolut.get();
    const std::string name = vermerkName(liste, kodierung);
    const std::optional<Vermerk> frueher = lesen(ordner + "/" + name);
    if (frueher && frueher->pfad == liste) {
        if (frueher->index != index && eigenerName(frueher->index, ".qtidx"))
            ::unlink((ordner + "/" + frueher->index).c_str());
        if (frueher->stempel != stempel && eigenerName(frueher->stempel, ".stempel"))
            ::unlink((ordner + "/" + frueher->stempel).c_str());
    }
    std::string bytes(kMagie);
    for (const std::string* feld : {&liste, &index, &stempel})
        bytes.append(*feld).push_back('\0');
    DateiErsetzen(ordner, name, bytes);
}

} // namespace quandel
