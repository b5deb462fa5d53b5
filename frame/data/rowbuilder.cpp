#include "rowbuilder.h"

#include "stringarray.h"

namespace vek {

void TRowBuilder::Start(int NrOfColumns)
{
    FNrCols = NrOfColumns < 0 ? 0 : NrOfColumns;
    FNextCol = 0;
    FUnits.clear();
}

void TRowBuilder::SetCell(int Col, QStringView Text)
{
    if (Col < FNextCol || Col > FNrCols)
        return;
    FUnits.insert(FUnits.end(), std::size_t(Col - FNextCol), char16_t(0)); // skipped cells
    const QStringView text = TStringArray::CellText(Text);
    FUnits.push_back(char16_t(text.size()));
    FUnits.insert(FUnits.end(), text.utf16(), text.utf16() + text.size());
    FNextCol = Col + 1;
}

} // namespace vek
