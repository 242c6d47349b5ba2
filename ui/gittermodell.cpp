#include "ui/gittermodell.h"

#include "ui/klangzellen.h"
#include "ui/qttext.h"

#include <QPainter>
#include <algorithm>

namespace quandel {

GitterModell::GitterModell(int spalten, int zeilen, QColor farbe, QObject* eltern)
    : QAbstractTableModel(eltern), spalten_(spalten), zeilen_(zeilen),
      zellen_(static_cast<std::size_t>(spalten * zeilen)), farbe_(farbe) {}

int GitterModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zeilen_;
}

int GitterModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : spalten_;
}

QVariant GitterModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid())
        return {};
    switch (rolle) {
    case Qt::DisplayRole:
        return Zelle(index.column(), index.row());
    case Qt::BackgroundRole:
        return farbe_;
    case Qt::ForegroundRole:
        if (klang_)
            if (QVariant farbe = klang_->Textfarbe(Zelle(index.column(), index.row()));
                farbe.isValid())
                return farbe;
        return QColor(Qt::black);
    case Qt::FontRole:
        return klang_ ? klang_->Schrift(Zelle(index.column(), index.row())) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::AccessibleTextRole: // what a screen reader reads for the cell
        if (QString text = Zelle(index.column(), index.row()); !text.trimmed().isEmpty())
            return text;
        return QStringLiteral("leer");
    case Qt::AccessibleDescriptionRole:
        return QStringLiteral("Zeile %1, Spalte %2").arg(index.row() + 1).arg(index.column() + 1);
    case Qt::ToolTipRole: // the whole word, where the cell shows only its end
        if (QString text = Zelle(index.column(), index.row()); !text.trimmed().isEmpty())
            return text;
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GitterModell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString GitterModell::Zelle(int spalte, int zeile) const {
    if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_)
        return {};
    return zellen_[static_cast<std::size_t>(zeile * spalten_ + spalte)];
}

void GitterModell::FarbeSetzen(QColor farbe) {
    farbe_ = farbe;
    if (zeilen_ > 0)
        emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1), {Qt::BackgroundRole});
}

void GitterModell::KlangSetzen(std::shared_ptr<const KlangZellen> klang) {
    klang_ = std::move(klang);
    if (zeilen_ > 0)
        emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1),
                         {Qt::FontRole, Qt::ForegroundRole});
}

const Klangtreffer* GitterModell::KlangTreffer(int spalte, int zeile) const {
    return klang_ ? klang_->Treffer(Zelle(spalte, zeile)) : nullptr;
}

void GitterModell::Leeren() {
    beginResetModel();
    klang_ = nullptr;
    std::fill(zellen_.begin(), zellen_.end(), QString());
    endResetModel();
}

void GitterModell::Legen(const std::vector<std::string>& eintraege, int zeilen) {
    beginResetModel();
    zeilen_ = zeilen;
    zellen_.resize(static_cast<std::size_t>(spalten_ * zeilen_));
    const std::size_t anzahl = std::min(eintraege.size(), zellen_.size());
    for (std::size_t i = 0; i < anzahl; ++i)
        zellen_[i] = AlsQString(eintraege[i]);
    endResetModel();
}

void GitterModell::ZeilenErgaenzen(int zeilen) {
    if (zeilen <= zeilen_)
        return;
    beginInsertRows({}, zeilen_, zeilen - 1);
    zeilen_ = zeilen;
    zellen_.resize(static_cast<std::size_t>(spalten_ * zeilen_));
    endInsertRows();
}

void GitterModell::ZeilenSetzen(int zeilen) {
    beginResetModel();
    zeilen_ = std::max(1, zeilen);
    zellen_.resize(static_cast<std::size_t>(spalten_ * zeilen_));
    endResetModel();
}

void GitterModell::SpaltenSetzen(int spalten) {
    spalten = std::max(1, spalten);
    if (spalten == spalten_)
        return;
    beginResetModel();
    std::vector<QString> zellen(static_cast<std::size_t>(spalten * zeilen_));
    for (int zeile = 0; zeile < zeilen_; ++zeile)
        for (int spalte = 0; spalte < std::min(spalten, spalten_); ++spalte)
            zellen[static_cast<std::size_t>(zeile * spalten + spalte)] =
                std::move(zellen_[static_cast<std::size_t>(zeile * spalten_ + spalte)]);
    zellen_ = std::move(zellen);
    spalten_ = spalten;
    endResetModel();
}

Raster GitterModell::AlsRaster() const {
    Raster raster;
    raster.spalten = spalten_;
    raster.zeilen = zeilen_;
    raster.zellen.reserve(zellen_.size());
    for (const QString& zelle : zellen_)
        raster.zellen.push_back(AusQString(zelle));
    return raster;
}

void GitterModell::RasterUebernehmen(const Raster& raster) {
    std::vector<QString> zellen;
    zellen.reserve(raster.zellen.size());
    for (const std::string& zelle : raster.zellen)
        zellen.push_back(AlsQString(zelle));
    beginResetModel();
    klang_ = nullptr;
    spalten_ = raster.spalten;
    zeilen_ = raster.zeilen;
    zellen_ = std::move(zellen);
    endResetModel();
}

void OhneAuswahlDelegat::paint(QPainter* maler, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyledItemDelegate::paint(maler, option, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;
    maler->save();
    maler->setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler->drawRect(option.rect.adjusted(1, 1, -2, -2));
    maler->restore();
}

void OhneAuswahlDelegat::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
}

} // namespace quandel
