// TRowBuilder: the cells of one row of a TStringArray, gathered before they are stored.
#pragma once

#include <frame/core/types.h>

#include <QStringView>

#include <vector>

namespace vek {

/// The cells of one row, filled column by column and stored with TStringArray::SetRow.
/// A reader of many rows (a report list document) allocates each row once this way
/// instead of once per cell, as SetString would.
class VEK_EXPORT TRowBuilder {
public:
    /// Starts a row of NrOfColumns columns besides column 0, every cell empty.
    void Start(int NrOfColumns);
    /// Columns besides column 0 of the row started last.
    int NrOfColumns() const { return FNrCols; }

    /// Sets cell Col to Text, cut to TStringArray::MaxCellLength code units (never inside
    /// a surrogate pair). Cells are set in increasing column order: a column at or before
    /// the last one set, or outside 0..NrOfColumns(), is ignored.
    void SetCell(int Col, QStringView Text);

private:
    friend class TStringArray;

    int FNrCols = 0;
    int FNextCol = 0;                // cells 0..FNextCol-1 are in FUnits
    std::vector<char16_t> FUnits;    // the cells so far as [length][code units]
};

} // namespace vek
