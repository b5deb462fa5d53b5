// Number texts of the numeric entry fields: the input formats, the scanners that read
// numbers out of text, the syntax checks that decide whether a text may stand in a
// field, and the builders that turn numbers back into text.
//
// All functions are pure and never throw: malformed text gives false, a partial
// position or 0; huge values are clamped to +/- uc_MaxDouble; the integer scanners
// accumulate in 32 bits and wrap on overflow. Positions are 1-based, as the fields'
// caret arithmetic uses them; "position == text length + 1" means the whole text was
// read. A position outside 1 .. length + 1 is moved to the nearest end first.
#pragma once

#include <frame/baseenums.h>

#include <QObject>
#include <QString>
#include <QStringView>

namespace vek {

// Holder of the TInFormat enumeration, so that it is known to Qt's meta-object system
// (properties, Designer) while the values stay plain names in namespace vek.
class VEK_EXPORT TInFormatMeta {
    Q_GADGET

public:
    // Text form a numeric field accepts. Ordinals are stored in forms; they never change.
    enum TInFormat {
        itExp = 0,      // decimal number with optional exponent ("1.5E-3")
        itFloat = 1,    // decimal number without exponent
        itFixPoint = 2, // decimal number with a fixed number of decimal places
        itInt = 3,      // signed decimal integer
        itHex = 4,      // hexadecimal digits
        itOct = 5,      // octal digits
        itBin = 6,      // binary digits
        itDynamic = 7,  // first character picks: "$" hex, "%" binary, "&" octal, else decimal
    };
    Q_ENUM(TInFormat)
};
using TInFormat = TInFormatMeta::TInFormat;
using enum TInFormatMeta::TInFormat;

// Which characters a scanner takes as decimal separator: a bit set of smPoint ("."),
// smComma (","); smBoth accepts either.
enum TSeparatorMode : int { smPoint = 1, smComma = 2, smBoth = 3 };

// The scanners' separator mode for a field's separator choice: point, comma and both
// map to themselves; the system choice gives smComma when the current locale writes
// "," and smPoint otherwise.
VEK_EXPORT TSeparatorMode SeparatorModeOf(TDecPSep separator);

// ---- scanners ---------------------------------------------------------------------------

// Reads a decimal number from text at position: leading blanks, an optional sign,
// digits, one separator, more digits and (when exponentAllowed) "E" or "e", an optional
// sign and exponent digits. The exponent keeps its longest prefix of at most 4200 while
// the rest of its digits is skipped. Position ends on the character that ended the
// number (length + 1 when the text was used up). Malformed text (a sign without digits
// after it, "E" at the start) gives 0; a trailing "E" or "E+" without digits is ignored.
// The result is clamped to +/- uc_MaxDouble.
VEK_EXPORT double ScanFloat(QStringView text, bool exponentAllowed, int separatorMode,
                            qsizetype& position);

// Reads a decimal integer at position: blanks, an optional sign, digits. Position ends
// on the first character that is not a digit. Wraps at 32 bits; overflow (when given) is
// set when the digits did not fit in a signed 32-bit integer.
VEK_EXPORT qint32 ScanInt(QStringView text, qsizetype& position, bool* overflow = nullptr);

// Read hexadecimal, octal or binary digits at position (after blanks; ScanHex also skips
// a "$" that is the very first character of the text). The 32-bit pattern is returned as
// a signed integer, so "FFFFFFFF" is -1. Overflow (when given) is set when the digits
// needed more than 32 bits.
VEK_EXPORT qint32 ScanHex(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanOct(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanBin(QStringView text, qsizetype& position, bool* overflow = nullptr);

// ---- syntax checks: may the text stand in a field of this format? ------------------------

// The whole text is a number as ScanFloat reads it (a trailing "E" or "E+" counts), with
// an exponent of at most 4200. False for the empty text.
VEK_EXPORT bool IsValidExpText(QStringView text, bool exponentAllowed, TDecPSep separator);
// Sign, digits, one separator, digits, each part optional ("-", ".", "12." and ".5" pass);
// false for the empty text, a second separator, blanks and everything else.
VEK_EXPORT bool IsValidFixedText(QStringView text, TDecPSep separator);
// A digit, or a sign or digit followed by digits.
VEK_EXPORT bool IsValidIntText(QStringView text);
// Not empty and only hexadecimal / octal / binary digits.
VEK_EXPORT bool IsValidHexText(QStringView text);
VEK_EXPORT bool IsValidOctText(QStringView text);
VEK_EXPORT bool IsValidBinText(QStringView text);

// ---- builders ---------------------------------------------------------------------------

// Decimals >= 0: fixed notation with that many decimals, right-aligned in at least width
// characters ("." as point, width 1 = no padding). Decimals < 0: scientific notation
// width characters wide with width - 6 significant digits and a two-digit exponent
// (" 1.23457E+03" for width 12); a value whose exponent needs three digits gives width
// asterisks.
VEK_EXPORT QString FormatReal(int width, int decimals, double value);

// Exactly digits digits (at most 8, 11 and 32; 0 or less gives one) of value, taken from
// its least significant end: leading zeros are kept, higher bits dropped. Upper-case hex.
VEK_EXPORT QString FormatHex(quint32 value, int digits);
VEK_EXPORT QString FormatOct(quint32 value, int digits);
VEK_EXPORT QString FormatBin(quint32 value, int digits);

// ---- conversion of a field text ---------------------------------------------------------

// Converts the text of a numeric field in the given format. Returns false for the empty
// text (value untouched); otherwise sets value (0 unless a number was read) and returns
// whether the whole text was a number: leading blanks are ignored, any other blank
// fails, a text of blanks is 0. Decimal formats read with ScanFloat (itExp ignores a
// trailing "e", "e+" or "e-"); itInt reads with ScanInt; itHex, itOct and itBin read
// their digits as a 32-bit pattern (the texts FormatHex & co. write). Integer texts
// whose digits do not fit in 32 bits fail rather than wrap.
VEK_EXPORT bool ConvertNumString(QStringView text, TInFormat format, int separatorMode,
                                 double& value);

} // namespace vek
