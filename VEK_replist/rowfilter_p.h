// Decides whether a row matches a filter expression; built once per FilterAndSort.
#pragma once

#include "VEK_replist.h"

#include <QRegularExpression>
#include <QStringList>

namespace vek {

class RowFilter {
public:
    RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase);
    bool MatchesAll() const { return FWords.isEmpty() && !FGrep; }
    bool Matches(const QStringView* Cells, int Count) const;

private:
    QStringList FWords;
    bool FGrep = false;
    QRegularExpression FPattern;
    Qt::CaseSensitivity FCase;
};

} // namespace vek
