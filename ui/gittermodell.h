#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

namespace quandel {

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

    // Every cell becomes empty; row and column counts stay.
    void Leeren();

    // Sets the row count, then writes the Windows-1252 entries row by row from cell (0, 0).
    // Cells after the last entry keep their text; rows that are added are empty.
    void Legen(const std::vector<std::string>& eintraege, int zeilen);

    // Raises the row count to zeilen; never removes rows.
    void ZeilenErgaenzen(int zeilen);

private:
    int spalten_;
    int zeilen_;
    std::vector<QString> zellen_; // row by row
    QColor farbe_;
};

// Paints every cell like an unselected one: the grid shows no selection highlight.
class OhneAuswahlDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace quandel
