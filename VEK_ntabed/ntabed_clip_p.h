// The table editor's clipboard texts: the text of a copied cell, and the walk through
// any text that finds its numbers and where they stand (extraction and
// GetClipMatrixSize read a text the same way).
#pragma once

#include <QString>

#include <algorithm>

namespace vek::ntabed {

/// What a copied cell writes: "####" when it holds no number; else the value with every
/// digit the clipboard keeps (22 characters of scientific form with a four-digit
/// exponent), or in the column's precision: 0..10 fixed with that many decimals, any
/// other precision the scientific form of the digits the cell shows (numWidth), both
/// without leading blanks.
QString ClipCellText(double value, bool isNumber, bool fullPrecision, int precision,
                     int numWidth);

/// The numbers of a text in reading order, each with its line and its place in the line
/// (both from 0). TAB and CR count as blanks. A number starts at a digit, a sign or a
/// point, reads with "." or "," as separator and an exponent of up to 4200 (larger ones
/// give the largest double), and ends at the first character that does not fit; the
/// character that ended it is passed over, so "1-2" reads 1 and 2. Malformed numbers
/// ("-" alone, "1.2.3" up to its second point) read 0. Every line feed after a number
/// starts a new line, whether the text ends its lines with CR LF or with LF; line feeds
/// before the first number count for nothing.
class ClipNumbers {
public:
    explicit ClipNumbers(const QString& text);

    /// Reads the next number; false when the text holds no more.
    bool Next();
    double Value() const { return FValue; }
    qsizetype Place() const { return FPlace; }
    qsizetype Line() const { return FLine; }

private:
    // Moves past the character that ended the number to the next one that may start a
    // number, counting the line feeds on the way.
    void Advance();

    QString FText;
    qsizetype FPos = 0;
    double FValue = 0;
    qsizetype FPlace = 0, FLine = 0;        // of the number read last
    qsizetype FNextPlace = 0, FNextLine = 0; // of the next one
};

/// The block the numbers of a text fill: as many columns as its longest line holds
/// numbers, as many rows as lines up to the last one with a number. 0 x 0 for a text
/// without numbers.
struct ClipBlock {
    qsizetype Cols = 0, Rows = 0;
    // Grows the block to hold the number read last.
    void Include(const ClipNumbers& number)
    {
        Cols = std::max(Cols, number.Place() + 1);
        Rows = number.Line() + 1;
    }
};
ClipBlock MeasureClipText(const QString& text);

} // namespace vek::ntabed
