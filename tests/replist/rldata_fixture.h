// Helpers shared by the TRLData tests.
#pragma once

#include <VEK_replist.h>

#include <QStringList>

namespace rldatatest {

// A list with one column per entry of columns, each given top to bottom.
inline void FillColumns(vek::TRLData& data, const std::vector<QStringList>& columns)
{
    data.SetNrOfColumns(int(columns.size()));
    data.SetNrOfRows(int(columns.front().size()));
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (int r = 0; r < columns[c].size(); ++r)
            data.SetElem(int(c) + 1, r + 1, columns[c][r]);
}

inline QStringList ColumnValues(const vek::TRLData& data, int col)
{
    QStringList values;
    for (int r = 1; r <= data.NrOfRows(); ++r)
        values << data.Elem(col, r);
    return values;
}

inline QStringList StoredColumn(const vek::TRLData& data, int col)
{
    QStringList values;
    for (int r = 1; r <= data.NrOfRows(); ++r)
        values << data.Strings->GetString(col, r);
    return values;
}

} // namespace rldatatest
