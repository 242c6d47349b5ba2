#pragma once

#include "grid/raster.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <memory>
#include <string>
#include <vector>

namespace quandel {

class KlangZellen;
struct Klangtreffer;

// The cells of the result grid StringGrid1: a fixed number of columns, a row count, one text
// per cell, all cells in one fill colour with black centred text. Every change is one model
// reset, so laying out thousands of hits costs one repaint.
class GitterModell : public QAbstractTableModel {
    Q_OBJECT
public:
    GitterModell(int spalten, int zeilen, QColor farbe, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QString Zelle(int spalte, int zeile) const;
    void FarbeSetzen(QColor farbe);

    // The hits of a search by sound that the grid shows, which mark their cells by the kind of
    // rhyme; none for the hits of other searches. Emptying the grid or taking a grid file drops
    // them.
    void KlangSetzen(std::shared_ptr<const KlangZellen> klang);
    const std::shared_ptr<const KlangZellen>& Klang() const { return klang_; }
    const Klangtreffer* KlangTreffer(int spalte, int zeile) const;

    // Every cell becomes empty; row and column counts stay.
    void Leeren();

    // Sets the row count, then writes the Windows-1252 entries row by row from cell (0, 0).
    // Cells after the last entry keep their text; rows that are added are empty.
    void Legen(const std::vector<std::string>& eintraege, int zeilen);

    // Raises the row count to zeilen; never removes rows.
    void ZeilenErgaenzen(int zeilen);

    // Sets the row count (at least 1); cells keep their places, added rows are empty.
    void ZeilenSetzen(int zeilen);

    // Sets the column count (at least 1); cells keep their column and row, added ones are empty.
    void SpaltenSetzen(int spalten);

    // The cells as a grid file holds them, and back (counts and every cell).
    Raster AlsRaster() const;
    void RasterUebernehmen(const Raster& raster);

private:
    int spalten_;
    int zeilen_;
    std::vector<QString> zellen_; // row by row
    QColor farbe_;
    std::shared_ptr<const KlangZellen> klang_;
};

// Paints every cell like an unselected one: the grid shows no selection highlight. The cell
// with the keyboard focus gets a thin dotted frame, so that a keyboard user sees where it is.
class OhneAuswahlDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace quandel
