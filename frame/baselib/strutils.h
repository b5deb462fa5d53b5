// String helpers shared by the controls: fixed-point number text, splitting, searching,
// fixed-width fields and small character-level clean-ups. All positions are 1-based and
// all lengths count UTF-16 code units, like QString itself.
#pragma once

#include <frame/core/vekglobal.h>

#include <QString>
#include <QStringList>

namespace vek {

/// Fixed-point text of Value with Decimals digits after the point (Decimals is limited to
/// 0..350, which shows every digit of the smallest double), right-aligned with blanks in a field of Width characters. A Width of 1 or less
/// adds no padding; a text longer than Width is never cut. Rounding is half away from zero
/// on the shortest decimal text of Value, so 1.005 gives "1.01" with two decimals even
/// though the binary double lies slightly below it. A result that rounds to zero carries
/// no minus sign. NaN and the infinities give "NAN", "INF" and "-INF" (padded likewise).
VEK_EXPORT QString strff(double Value, int Width, int Decimals);

/// Splits Text at every Delimiter into Items (cleared first) and returns the item count.
/// Empty items are kept: "a,,b" gives three items and "a," gives "a" and "". An empty Text
/// gives no items at all (rather than one empty item), so a count of 0 means "nothing".
VEK_EXPORT int Tokenize(const QString& Text, QChar Delimiter, QStringList& Items);

/// How NumberedPos compares Sub with Text.
enum TNumberedPosMode : int {
    npCaseSensitive = 0, // exact code-unit comparison
    npIgnoreCase = 1,    // Unicode case folding, as QString::indexOf with Qt::CaseInsensitive
};

/// 1-based position of the Nth occurrence of Sub in Text that starts at or after the
/// 1-based position Start; 0 when there is no such occurrence. Occurrences may overlap:
/// "aa" occurs at 1, 2 and 3 in "aaaa". A Start below 1 counts as 1; an empty Sub or an
/// Nth below 1 gives 0.
VEK_EXPORT int NumberedPos(const QString& Sub, const QString& Text, int Start, int Nth,
                           TNumberedPosMode Flag);

/// Text left-aligned in a field of exactly Count characters: padded with blanks on the
/// right, or cut. A cut never splits a surrogate pair; where it would, the whole pair is
/// dropped and a blank keeps the field width. Count of 0 or less gives "".
VEK_EXPORT QString LeftString(const QString& Text, int Count);

/// Text with c appended unless it already ends with c (an empty Text becomes c).
VEK_EXPORT QString EnsureTrailingChar(QChar c, const QString& Text);

/// Path with the platform's directory separator appended (QDir::separator(): '/' on
/// Linux and macOS, '\' on Windows) unless it already ends with '/' or that separator.
/// The name is kept for the controls that call it.
VEK_EXPORT QString EnsureTrailingBkSlash(const QString& Path);

/// Text without any leading occurrences of c ("//a/" stripped of '/' gives "a/").
VEK_EXPORT QString StripLeadingChars(QChar c, const QString& Text);

/// Text without any trailing occurrences of c ("/a//" stripped of '/' gives "/a").
VEK_EXPORT QString StripTrailingChars(QChar c, const QString& Text);

/// Text with every OldChar replaced by NewChar.
VEK_EXPORT QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar);

/// Text without control characters: codes below 32 and DEL (127) are removed.
VEK_EXPORT QString RemoveControlChars(const QString& Text);

} // namespace vek
