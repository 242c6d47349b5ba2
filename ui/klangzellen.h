#pragma once

#include "search/klangreim.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <vector>

namespace quandel {

// What the grid knows of the hits of a search by sound beside their words: the kind of rhyme
// each makes with the search word and its stress pattern. The grid keeps it while it shows
// these hits, in whatever order or columns; the history keeps it with the search.
class KlangZellen {
public:
    explicit KlangZellen(const std::vector<Klangtreffer>& treffer);

    // The hit shown as wort, or nullptr when the search did not find it.
    const Klangtreffer* Treffer(const QString& wort) const;

    // How a cell shows its hit: near rhymes in italics (a font with only that set, so that
    // the grid's own font stays), identical rhymes in a paler text colour; invalid where the
    // cell keeps the grid's look.
    QVariant Schrift(const QString& wort) const;
    QVariant Textfarbe(const QString& wort) const;

private:
    QHash<QString, Klangtreffer> treffer_;
};

// "reiner Reim", "unreiner Reim", "rührender Reim".
QString Reimartname(Reimart art);

// The tooltip of a hit: "[ˈlaɪzə] 2 Silben (Xx), reiner Reim".
QString KlangHinweis(const QString& lautschrift, const Klangtreffer& treffer);

} // namespace quandel
