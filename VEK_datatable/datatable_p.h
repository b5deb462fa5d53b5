// TDataTable's column headers and the mapping of cells when the table changes shape.
#pragma once

#include "VEK_datatable.h"

#include <vector>

namespace vek {

// The header of one column: name, attribute, scale type and nominal IDs.
struct TDataTable::Column {
    QString Name;
    quint8 Attrib = 0;
    quint8 ScaleType = mstUndefined;
    std::vector<QString> NominalIDs; // empty while the column has none, else 150
};

// One column or row of a block, and its headers, set aside while a sort moves the others.
struct TDataTable::Spare {
    std::vector<double> Values;
    std::vector<quint8> States;
    Column Header;
    QString RowName;
    quint8 RowAttrib = 0;
};

namespace datatable {

// Where the indices of one axis go when the table changes shape: indices below At stay,
// with Delta > 0 the others move up by Delta (room for new ones at At), with Delta < 0
// the indices At..At - Delta - 1 go away and the ones after them move down. Whatever
// lands beyond NewCount goes away too.
struct AxisMap {
    int OldCount = 0, NewCount = 0;
    int At = 0, Delta = 0;

    // The same indices in a table of newCount (a plain resize).
    static AxisMap Resized(int oldCount, int newCount)
    {
        return {oldCount, newCount, oldCount + 1, 0};
    }
    // Room for one new index at `at`.
    static AxisMap Inserted(int oldCount, int at) { return {oldCount, oldCount + 1, at, 1}; }
    // Index `at` taken out.
    static AxisMap Removed(int oldCount, int at) { return {oldCount, oldCount - 1, at, -1}; }

    // The new index of old index i (1-based); 0 when it goes away.
    int Map(int i) const
    {
        int to = i;
        if (i >= At) {
            if (Delta < 0 && i < At - Delta)
                return 0;
            to = i + Delta;
        }
        return to <= NewCount ? to : 0;
    }
    bool Identity() const { return OldCount == NewCount && (Delta == 0 || At > OldCount); }
};

} // namespace datatable

// The new shape of a table: how its columns and its rows move.
class TDataTable::Layout {
public:
    datatable::AxisMap Cols, Rows;
};

} // namespace vek
