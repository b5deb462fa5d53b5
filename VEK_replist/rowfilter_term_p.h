// One text that a row filter looks for inside the cells of a row.
#pragma once

#include <QString>
#include <QStringView>

namespace vek {

// A search text, prepared once so that testing millions of cells allocates nothing.
// Ignoring case follows Qt's Qt::CaseInsensitive exactly (simple Unicode case folding of
// each character: "Ärger" finds "ärger", "ß" does not find "ss"); cells made of ASCII
// only, the usual case, are compared through a table instead of Qt's folding.
class SearchTerm {
public:
    SearchTerm(const QString& Text, bool IgnoreCase);

    // Whether the text occurs in Cell.
    bool FoundIn(QStringView Cell) const;
    // Whether the text occurs in at least one of Count cells.
    bool FoundInAny(const QStringView* Cells, int Count) const;

private:
    bool FoundInAsciiCell(QStringView Cell) const;

    QString text; // case-folded when case is ignored
    bool ignoreCase;
    bool asciiText; // the (folded) text is ASCII, so an ASCII cell may contain it
};

} // namespace vek
