// TRLData::DefaultValue: the value a column format proposes for an empty cell.
#include "VEK_replist.h"

#include "columnformat_p.h"

namespace vek {

// A format without a type group, or a read-only one ("#"), proposes nothing; the row
// editor still reads its default part.
QString TRLData::DefaultValue(int ACol, int ARow) const
{
    const colformat::ColumnFormat format = colformat::Parse(ColumnFormat(ACol));
    if (!format.hasType || format.readOnly)
        return QString();
    return colformat::DefaultFor(format.Letter(), format.defaultPart, ARow);
}

} // namespace vek
