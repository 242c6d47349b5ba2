#include "ui/klangzellen.h"

#include "ui/qttext.h"

#include <QColor>
#include <QFont>

namespace quandel {

namespace {

// The text colour of identical rhymes: paler than the black of the others, still readable on
// the green of the search by sound.
const QColor kRuehrendFarbe(72, 72, 72);

} // namespace

KlangZellen::KlangZellen(const std::vector<Klangtreffer>& treffer) {
    treffer_.reserve(static_cast<qsizetype>(treffer.size()));
    for (const Klangtreffer& t : treffer)
        treffer_.insert(AlsQString(t.wort), t);
}

const Klangtreffer* KlangZellen::Treffer(const QString& wort) const {
    const auto gefunden = treffer_.constFind(wort);
    return gefunden == treffer_.cend() ? nullptr : &*gefunden;
}

QVariant KlangZellen::Schrift(const QString& wort) const {
    const Klangtreffer* treffer = Treffer(wort);
    if (!treffer || treffer->art != Reimart::Unrein)
        return {};
    QFont kursiv;
    kursiv.setItalic(true);
    return kursiv;
}

QVariant KlangZellen::Textfarbe(const QString& wort) const {
    const Klangtreffer* treffer = Treffer(wort);
    if (!treffer || treffer->art != Reimart::Ruehrend)
        return {};
    return kRuehrendFarbe;
}

QString Reimartname(Reimart art) {
    switch (art) {
    case Reimart::Unrein:
        return QStringLiteral("unreiner Reim");
    case Reimart::Ruehrend:
        return QStringLiteral("rührender Reim");
    case Reimart::Rein:
        break;
    }
    return QStringLiteral("reiner Reim");
}

QString KlangHinweis(const QString& lautschrift, const Klangtreffer& treffer) {
    const std::size_t silben = treffer.Silben();
    const QString anzahl =
        silben == 1 ? QStringLiteral("1 Silbe") : QStringLiteral("%1 Silben").arg(silben);
    return QStringLiteral("[%1] %2 (%3), %4")
        .arg(lautschrift, anzahl, QString::fromStdString(treffer.betonung),
             Reimartname(treffer.art));
}

} // namespace quandel
