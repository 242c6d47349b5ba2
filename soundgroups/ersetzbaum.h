#pragma once

#include "soundgroups/lautgruppen.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quandel {

// The replacement tree: for a spelling that belongs to a sound group all spellings of that
// group, for any other character of the element list that character alone. Its keys are every
// character of the element list and every member of every group, compared ignoring case and
// nothing else (so "ª" is a key of its own, not a form of "a"); a letter and its capital are
// one key, stored in the spelling met first. The last mention of a spelling decides its group.
// The keys are kept in collation order. With the default groups:
//   Alternativen("ie") -> i, ie, ih     Alternativen("T") -> t, tt
//   Alternativen("a")  -> a             Alternativen("A") -> A
class ErsetzBaum {
public:
    ErsetzBaum(const Lautgruppen& gruppen, const std::vector<std::string>& elementliste);

    // Appends the alternatives of a key to the list; callers pass only keys.
    void Alternativen(std::string_view schluessel, std::vector<std::string>& ziel) const;
    // How many alternatives the key has, without making them.
    std::size_t AnzahlAlternativen(std::string_view schluessel) const;

    // Appends, for every key in key order, its stored spelling and then every member of its
    // group (for a plain character: the spelling of it met last), each text only where it is
    // met first: a group of n members gives n entries, not n for each of its n keys.
    void EintraegeAuflisten(std::vector<std::string>& ziel) const;

private:
    struct Mitgliederliste {
        bool gruppe = false; // a sound group, or the list made for a plain character
        std::vector<std::string> mitglieder;
    };

    struct Schluessel {
        std::string text; // the spelling met first
        const Mitgliederliste* liste;
    };

    void Eintragen(const std::string& text, const Mitgliederliste* liste);
    const Mitgliederliste* Liste(std::string_view schluessel) const;

    std::vector<Schluessel> schluessel_;                     // in collation order
    std::unordered_map<std::string, std::size_t> nachKlein_; // lowered spelling -> key
    std::deque<Mitgliederliste> listen_; // each list once, shared by the keys of its group
};

// The replacement tree as the searches read it, with MergeList: every spelling the tree knows,
// longest first. Spellings of equal length keep the order of EintraegeAuflisten, which is the
// key order; so in "feier" the key "ei" claims the shared i before "ie" can.
class Lautersetzung {
public:
    // ErsetzBaumAufbauen, from the groups and the built-in element list. herkunft names the
    // groups in messages: "aus /tmp/gross.akz", "des Akzentmonitors".
    explicit Lautersetzung(const Lautgruppen& gruppen, std::string herkunft = {});
    // No groups and no elements, for a caller that never searches with sound groups; costs
    // nothing to make.
    static Lautersetzung Ohne();

    const ErsetzBaum& Baum() const { return *baum_; }
    const std::vector<std::string>& MergeList() const { return mergeList_; }
    const std::string& Herkunft() const { return herkunft_; }

    // Discards tree and MergeList and builds both anew from the groups.
    void ErsetzBaumErneuern(const Lautgruppen& gruppen);

private:
    Lautersetzung() = default;
    void ErsetzBaumAufbauen(const Lautgruppen& gruppen);

    std::vector<std::string> elementliste_;
    std::string herkunft_;
    std::unique_ptr<ErsetzBaum> baum_;
    std::vector<std::string> mergeList_;
};

// The order of MergeList: -1 when a is longer than b, 1 when shorter, 0 for equal lengths.
int LaengeAbsteigend(std::string_view a, std::string_view b);

} // namespace quandel
