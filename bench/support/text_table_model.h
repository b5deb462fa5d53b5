// A QAbstractTableModel that serves texts from functions, so that a benchmark can set a
// QTableView beside one of our grids over the same data.
#pragma once

#include <QAbstractTableModel>

#include <functional>

class TextTableModel : public QAbstractTableModel {
public:
    // Cell texts by 0-based row and column; header texts by section.
    using CellText = std::function<QString(int row, int column)>;
    using HeaderText = std::function<QString(Qt::Orientation orientation, int section)>;

    TextTableModel(int rows, int columns, CellText cell, HeaderText header)
        : FRows(rows), FColumns(columns), FCell(std::move(cell)), FHeader(std::move(header))
    {
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : FRows; }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : FColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(FCell(index.row(), index.column())) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(FHeader(orientation, section)) : QVariant();
    }

private:
    int FRows, FColumns;
    CellText FCell;
    HeaderText FHeader;
};
