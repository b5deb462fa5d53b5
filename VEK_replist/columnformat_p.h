// Column formats "[" type "]" "[" width "]" default, read for the default values of the
// data and for the fields of the row editor, so that both follow one rule.
#pragma once

#include <QString>
#include <QStringList>

namespace vek::colformat {

// The number at the 1-based position start of text: leading blanks, an optional sign,
// then decimal digits up to the first other character (0 without any; clamped to the
// int range).
int NumberAt(const QString& text, int start);

// The parts of a format. The type is the text inside the first pair of square brackets,
// the width text the one inside the next pair; the default part is what follows.
struct ColumnFormat {
    bool hasType = false;  // the format has a type group
    bool readOnly = false; // the type began with "#"
    QString type;          // without "#"; "s" when the format has no type group
    QString widthText;
    QString defaultPart;

    // The first letter of the type (null for an empty type).
    QChar Letter() const { return type.isEmpty() ? QChar() : type[0]; }
    // The field width in pixels: the width text's number, 200 when below 1.
    int Width() const;
    // c and l: the number after ":" in the type; 0 when none is given.
    int DropDownCount() const;
    // c and l: the default part split at "|" (the text after the last "|" counts as an
    // item too, so "a|b|" gives a and b).
    QStringList Items() const;
    // d: the date format, the type without its letter.
    QString DateFormat() const { return type.mid(1); }
};

ColumnFormat Parse(const QString& format);

// The value a column of type letter proposes for an empty cell in row `row`: c and l
// their first item, d the default part, e f h i the row number for "rix" + digit count,
// s an invented password for "$pwd$" + length, otherwise the default part; "" for any
// other letter. Never longer than a cell holds.
QString DefaultFor(QChar letter, const QString& defaultPart, int row);

} // namespace vek::colformat
