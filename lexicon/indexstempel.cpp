#include "lexicon/indexstempel.h"

#include "lexicon/pruefsumme.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandel {

namespace {

// Changes closer than this to the start of a read are not trusted to show in the file times.
constexpr std::int64_t kSicherheitsabstandNs = 3'000'000'000;

constexpr char kStempelMagie[8] = {'Q', 'T', 'S', 'T', 'E', 'M', 'P', '1'};

// The record as it stands in its file.
struct StempelDatei {
    char magie[8];
    DateiZustand liste;
    std::uint64_t listenPruefsumme;
    std::uint64_t listenLaenge;
    std::uint32_t kodierung;
    std::uint32_t reserviert;
    DateiZustand index;
    std::uint64_t pruefsumme; // over everything before it
};

std::uint64_t stempelSumme(const StempelDatei& datei) {
    return Pruefsumme64(
        {reinterpret_cast<const char*>(&datei), offsetof(StempelDatei, pruefsumme)});
}

std::int64_t ns(const timespec& zeit) {
    return static_cast<std::int64_t>(zeit.tv_sec) * 1'000'000'000 + zeit.tv_nsec;
}

void ordnerAnlegen(const std::string& ordner) {
    for (std::size_t i = 1; i <= ordner.size(); ++i)
        if (i == ordner.size() || ordner[i] == '/')
            ::mkdir(ordner.substr(0, i).c_str(), 0700);
}

bool ganzSchreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<DateiZustand> ZustandVon(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return DateiZustand{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::uint64_t>(info.st_size), ns(info.st_mtim), ns(info.st_ctim)};
}

int CachedateiOeffnen(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd >= 0 && !ZustandVon(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string StempelDateiName(const DateiZustand& liste, std::uint32_t kodierung) {
    char name[80];
    std::snprintf(name, sizeof name, "liste-%llx-%llu-%u.stempel",
                  static_cast<unsigned long long>(liste.geraet),
                  static_cast<unsigned long long>(liste.knoten), kodierung);
    return name;
}

std::int64_t JetztNs() {
    timespec zeit{};
    ::clock_gettime(CLOCK_REALTIME, &zeit);
    return ns(zeit);
}

bool LangeUnveraendert(const DateiZustand& zustand, std::int64_t vorherNs) {
    return std::max(zustand.aenderungNs, zustand.statusNs) < vorherNs - kSicherheitsabstandNs;
}

void DateiErsetzen(const std::string& ordner, const std::string& name, std::string_view bytes) {
    ordnerAnlegen(ordner);
    const std::string pfad = ordner + "/" + name;
    // What the user made of a file here stays: a link is not replaced by a file, a file without
    // write permission not at all, and a replaced file keeps its rights.
    struct stat alt {};
    const bool vorhanden = ::lstat(pfad.c_str(), &alt) == 0;
    if (vorhanden && (S_ISLNK(alt.st_mode) || (S_ISREG(alt.st_mode) && (alt.st_mode & 0222) == 0)))
        return;
    std::string vorlage = ordner + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    if (vorhanden && S_ISREG(alt.st_mode))
        ::fchmod(fd, alt.st_mode & 07777);
    const bool geschrieben = ganzSchreiben(fd, bytes);
    const bool geschlossen = ::close(fd) == 0;
    if (!geschrieben || !geschlossen || ::rename(vorlage.c_str(), pfad.c_str()) != 0)
        ::unlink(vorlage.c_str());
}

std::optional<ListenStempel> StempelLesen(const std::string& ordner, const DateiZustand& liste,
                                          std::uint32_t kodierung) {
    const int fd = CachedateiOeffnen(ordner + "/" + StempelDateiName(liste, kodierung));
    if (fd < 0)
        return std::nullopt;
    StempelDatei datei{};
    const ssize_t n = ::read(fd, &datei, sizeof datei);
    char mehr;
    const bool ganz = n == static_cast<ssize_t>(sizeof datei) && ::read(fd, &mehr, 1) == 0;
    ::close(fd);
    if (!ganz || std::memcmp(datei.magie, kStempelMagie, sizeof kStempelMagie) != 0 ||
        datei.pruefsumme != stempelSumme(datei) || datei.kodierung != kodierung ||
        !(datei.liste == liste))
        return std::nullopt;
    return ListenStempel{
        datei.liste, {datei.listenPruefsumme, datei.listenLaenge, datei.kodierung}, datei.index};
}

void StempelSchreiben(const std::string& ordner, const ListenStempel& stempel) {
    StempelDatei datei{};
    std::memcpy(datei.magie, kStempelMagie, sizeof kStempelMagie);
    datei.liste = stempel.liste;
    datei.listenPruefsumme = stempel.kennung.pruefsumme;
    datei.listenLaenge = stempel.kennung.laenge;
    datei.kodierung = stempel.kennung.kodierung;
    datei.index = stempel.index;
    datei.pruefsumme = stempelSumme(datei);
    DateiErsetzen(ordner, StempelDateiName(stempel.liste, stempel.kennung.kodierung),
                  {reinterpret_cast<const char*>(&datei), sizeof datei});
}

void StempelVermerken(const std::string& ordner, const std::optional<ListenStempel>& bisher,
                      const ListenStempel& gelernt, std::int64_t vorherNs) {
    if (!LangeUnveraendert(gelernt.liste, vorherNs))
        return;
    const DateiZustand index =
        LangeUnveraendert(gelernt.index, vorherNs) ? gelernt.index : DateiZustand{};
    if (!bisher || bisher->kennung != gelernt.kennung || bisher->index != index)
        StempelSchreiben(ordner, {gelernt.liste, gelernt.kennung, index});
}

} // namespace quandel
