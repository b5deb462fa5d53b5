#include "rowfilter_p.h"

namespace vek {

RowFilter::RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase)
    : FCase(IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive)
{
    if (Mode == fmGrep && !Expression.trimmed().isEmpty()) {
        FGrep = true;
        FPattern.setPattern(Expression);
        if (IgnoreCase)
            FPattern.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
        if (!FPattern.isValid())
            throw EVEKRepListError(FPattern.errorString());
        return;
    }
    FWords = Expression.split(' ', Qt::SkipEmptyParts);
}

bool RowFilter::Matches(const QStringView* Cells, int Count) const
{
    if (FGrep) {
        for (int i = 0; i < Count; ++i)
            if (FPattern.match(Cells[i]).hasMatch())
                return true;
        return false;
    }
    for (const QString& word : FWords) {
        bool found = false;
        for (int i = 0; i < Count && !found; ++i)
            found = Cells[i].contains(word, FCase);
        if (!found)
            return false;
    }
    return true;
}

} // namespace vek
