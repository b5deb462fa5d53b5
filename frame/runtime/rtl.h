// Run-time library: the numeric, text and date routines the controls are written
// against (rounding, printf-like Format, fixed-width Str texts, Val, date encoding and
// FormatDateTime). Their results follow the host conventions the controls expect, which
// differ from the C library in places: Round ties to even, float text rounds half away
// from zero on an 18-digit decimal image of the value, exponents carry at least three
// (Format) or exactly four (Str) digits.
#pragma once

#include <frame/core/types.h>

#include <QChar>
#include <QDateTime>
#include <QString>

#include <initializer_list>
#include <optional>
#include <type_traits>
#include <variant>

namespace vek {

// ---------------------------------------------------------------------------------------
// Math
// ---------------------------------------------------------------------------------------

/// x rounded to the nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
/// NaN gives 0; values beyond the qint64 range (infinities included) give the nearest
/// end of that range.
VEK_EXPORT qint64 Round(double x);

/// x truncated toward zero, with the same NaN and range rules as Round.
VEK_EXPORT qint64 Trunc(double x);

/// The integer part of x (toward zero) as a double; NaN and infinities are returned as
/// they are.
VEK_EXPORT double Int(double x);

/// x - Int(x): the fractional part, with the sign of x. NaN for NaN and infinities.
VEK_EXPORT double Frac(double x);

/// a * b / c computed in 64 bits and rounded to the nearest integer, halves away from
/// zero. Returns -1 when c is 0 or the result does not fit in an int.
VEK_EXPORT int MulDiv(int a, int b, int c);

// ---------------------------------------------------------------------------------------
// Format
// ---------------------------------------------------------------------------------------

/// One argument of Format: an integer (any integral type except bool), a double or a
/// string. Built implicitly, so calls read Format("%*.*f", {1, 2, value}).
class VEK_EXPORT FormatArg {
public:
    /// The argument as it is held.
    using Value = std::variant<qint64, double, QString>;

    /// An argument from an integer, a double, a string or UTF-8 text.
    template <typename T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
    FormatArg(T value) : FValue(static_cast<qint64>(value))
    {
    }
    /// A floating-point argument.
    FormatArg(double value) : FValue(value) {}
    /// A string argument, from a QString or from UTF-8 text.
    FormatArg(const QString& value) : FValue(value) {}
    FormatArg(const char* utf8) : FValue(QString::fromUtf8(utf8)) {}

    /// The argument.
    const Value& Get() const { return FValue; }

private:
    Value FValue;
};

/// Widths and precisions above this make a Format pattern invalid; it keeps a stray
/// "%999999999d" from asking for gigabytes.
constexpr int MaxFormatFieldSize = 9999;

/// Text built from pattern and args. A conversion is "%" ["-"] [width] ["." precision]
/// type, where width and precision are digits or "*" (taken from the next integer
/// argument; a negative "*" width left-justifies, a negative "*" precision counts as
/// omitted). Type letters, in either case:
///   d  integer; precision = minimum digit count (zero-padded after the sign)
///   x  integer in upper-case hex; precision = minimum digit count; negative values that
///      fit in 32 bits are written as their 32-bit two's complement
///   s  string; precision = maximum character count
///   f  fixed notation; precision = digits after the point (default 2)
///   e  scientific "d.ddE+ddd", precision = significant digits (default 15), exponent
///      with a sign and at least three digits
///   g  the shorter of fixed and scientific: precision significant digits (default 15),
///      fixed while the value is >= 0.00001 and has at most precision integer digits,
///      otherwise "d.ddE-n" (no "+", no leading exponent zeros); trailing zeros and a
///      trailing separator are removed
///   %% a percent sign
/// Float conversions first take the value correctly rounded to 18 significant digits and
/// round that digit text half away from zero (0.125 -> "0.13" with "%.2f"); precisions
/// beyond 18 digits act as 18. A result that rounds to zero has no minus sign. NaN and
/// infinities give "NAN", "INF" and "-INF". Width pads with blanks on the left, or on the
/// right after "-". Arguments left over are ignored.
/// Raises EConvertError "Format '<pattern>' invalid or incompatible with argument" for
/// an unknown conversion, an argument of the wrong kind or too few arguments.
VEK_EXPORT QString Format(const QString& pattern, std::initializer_list<FormatArg> args);

/// As above, writing decimalSeparator instead of the current DecimalSeparator().
VEK_EXPORT QString Format(const QString& pattern, std::initializer_list<FormatArg> args,
                          QChar decimalSeparator);

// ---------------------------------------------------------------------------------------
// Fixed-width number texts (Str)
// ---------------------------------------------------------------------------------------

/// value in the fixed-width scientific form of Str(X:Width): a sign slot (blank, or "-"),
/// one digit, ".", n digits, "E", the exponent sign and exactly four exponent digits.
/// n = width - 9, so the text is exactly width characters, with at least 1 digit (texts
/// longer than width below width 10) and at most 17 (left-padded with blanks to width
/// above width 26). Rounded like Format. The point is always ".".
/// Example: StrScientific(1234.5, 16) == " 1.2345000E+0003".
VEK_EXPORT QString StrScientific(double value, int width);

/// value in fixed notation with decimals digits after the point (0..18), left-padded with
/// blanks to width: Str(X:Width:Decimals). Rounded like Format; the point is always ".".
VEK_EXPORT QString StrFixed(double value, int width, int decimals);

// ---------------------------------------------------------------------------------------
// Text to number
// ---------------------------------------------------------------------------------------

/// The integer in text: an optional sign, then decimal digits, or hex digits after "$" or
/// "0x" (hex up to FFFFFFFF, read as the 32-bit pattern: "$FFFFFFFF" is -1). Blanks are
/// not allowed. Raises EConvertError "'<text>' is not a valid integer value" for anything
/// else, including decimal values outside the 32-bit range.
VEK_EXPORT int StrToInt(const QString& text);

/// Reads a real number from s: leading blanks, an optional sign, digits with an optional
/// "." (at least one digit), an optional exponent "e"/"E" with optional sign and digits.
/// The whole rest of s must be the number. code = 0 on success, otherwise the 1-based
/// position of the first character that does not fit (one past the end when the text
/// stops early), and value = 0. Magnitudes beyond the double range give infinity, tiny
/// ones 0; both count as success.
VEK_EXPORT void Val(const QString& s, double& value, int& code);

/// Reads an integer from s: leading blanks, then what StrToInt accepts. code as above;
/// a digit that makes the number leave the 32-bit range is the failing position.
VEK_EXPORT void Val(const QString& s, int& value, int& code);

// ---------------------------------------------------------------------------------------
// Dates and times
// ---------------------------------------------------------------------------------------
// A TDateTime counts days since 1899-12-30 00:00 on a straight line: the whole part is
// floor(value) and the time is value - floor(value), also before 1899 (-0.25 is
// 1899-12-29 18:00). Times are resolved to the millisecond, rounded.

/// True for leap years of the Gregorian calendar.
VEK_EXPORT bool IsLeapYear(int year);

/// 28..31 for month 1..12 of year; 0 for any other month.
VEK_EXPORT int DaysInAMonth(int year, int month);

/// The date at midnight. Raises EConvertError "Invalid argument to date encode" unless
/// year is 1..9999 and month and day exist.
VEK_EXPORT TDateTime EncodeDate(int year, int month, int day);

/// The calendar date of the day that contains the instant. Outside 0001-01-01 ..
/// 9999-12-31 (and for NaN or infinities) year, month and day are all 0.
VEK_EXPORT void DecodeDate(TDateTime dateTime, int& year, int& month, int& day);

/// The time of day as a fraction of a day. Raises EConvertError "Invalid argument to
/// time encode" unless hour < 24, minute < 60, second < 60 and msec < 1000 (none
/// negative).
VEK_EXPORT TDateTime EncodeTime(int hour, int minute, int second, int msec);

/// The time of day of the instant; all 0 for NaN and infinities.
VEK_EXPORT void DecodeTime(TDateTime dateTime, int& hour, int& minute, int& second,
                           int& msec);

/// Weekday 1 = Monday .. 7 = Sunday (ISO order); 0 outside the DecodeDate range.
VEK_EXPORT int DayOfTheWeek(TDateTime dateTime);

/// Weekday 1 = Sunday .. 7 = Saturday; 0 outside the DecodeDate range.
VEK_EXPORT int DayOfWeek(TDateTime dateTime);

/// ISO 8601 week number 1..53 (weeks start on Monday; week 1 holds the year's first
/// Thursday); 0 outside the DecodeDate range.
VEK_EXPORT int WeekOfTheYear(TDateTime dateTime);

/// The current local date and time.
VEK_EXPORT TDateTime Now();

/// Today at midnight, local time.
VEK_EXPORT TDateTime Date();

/// The wall-clock date and time of dateTime, in its own time zone; 0 when invalid.
VEK_EXPORT TDateTime FromQDateTime(const QDateTime& dateTime);

/// A local-time QDateTime for the instant; invalid outside the DecodeDate range.
VEK_EXPORT QDateTime ToQDateTime(TDateTime dateTime);

/// dateTime as text by format. Tokens (letters in either case):
///   c       short date, then a blank and the long time unless the time is 00:00:00.000
///   d dd    day of month without / with leading zero
///   ddd dddd  short / long weekday name
///   ddddd dddddd  short / long date
///   m mm    month without / with leading zero; minutes when the closest token before
///           it, not counting literal text and separators, is h or hh ("hh:mm")
///   mmm mmmm  short / long month name
///   yy yyyy two-digit / four-digit year
///   h hh  n nn  s ss  hour, minute, second without / with leading zero
///   z zzz   milliseconds without / with leading zeros
///   t tt    short / long time
///   am/pm a/p  "am" or "pm" ("a" or "p") as written in the format; ampm the locale's
///           AM/PM text. Any of them turns every h into the 12-hour clock.
///   /  :    date and time separator of the locale
///   '...' "..."  copied without the quotes
/// Every other character is copied. An empty format acts as "c". Names, separators and
/// the short and long forms come from the default QLocale (short dates with four-digit
/// years, long times without a time zone).
VEK_EXPORT QString FormatDateTime(const QString& format, TDateTime dateTime);

// ---------------------------------------------------------------------------------------
// Date texts by the display-format letters of date and time pickers
// ---------------------------------------------------------------------------------------
// These formats differ from FormatDateTime's: letters are case-sensitive, M is the month
// and m the minute wherever they stand, H and h tell the 24-hour from the 12-hour clock,
// t is the am/pm designator, and names are English whatever the locale:
//   yyyy yy   four-digit / two-digit year
//   MMMM MMM  month name / its three-letter abbreviation ("March", "Mar")
//   MM M      month with / without a leading zero
//   dddd ddd  weekday name / its three-letter abbreviation ("Monday", "Mon")
//   dd d      day of month with / without a leading zero
//   HH H      hour 0..23 with / without a leading zero
//   hh h      hour on the 12-hour clock when the format has t or tt, else as HH and H
//   mm m      minute;  ss s  second
//   tt t      "AM"/"PM", "A"/"P"
//   '...'     literal text; '' inside stands for a quote, an unmatched quote runs to the
//             end of the format
// Every other character is literal text. Runs such as "yyy" or "MMMMM" are no field.

/// The century window of two-digit years: "yy" is read as a year from this many years
/// before the current one up to 99 years after that.
constexpr int TwoDigitYearCenturyWindow = 50;

/// The full year that two-digit year yy stands for, seen from currentYear: the year ending
/// in yy in the hundred years that begin window years before currentYear. A window of 0
/// takes the year ending in yy in the current century.
VEK_EXPORT int ExpandTwoDigitYear(int yy, int currentYear, int window);

/// Reads text as a date and time written in format (see above). Fields read: two-letter
/// numbers (and yyyy) exactly the next 2 (4) characters, one-letter numbers as many
/// digits as follow; numbers may start with blanks and a sign. Names are matched without
/// regard to case; a weekday name is checked but not used. Literal text must match
/// exactly; text left over after the format is ignored. yy expands with the current year
/// and TwoDigitYearCenturyWindow. With am/pm, 12 AM is hour 0 and PM adds 12 to hours
/// other than 12; a designator that does not begin with "a" ("am" for tt) means PM.
/// Returns the date plus the time when a year, month or day was read and not 0, else
/// the time alone; nullopt when the text does not follow the format or the format holds
/// a run that is no field. Raises EConvertError "Invalid argument to date encode" or
/// "Invalid argument to time encode" for a date or time that does not exist ("March 5"
/// with "MMMM d" asks for year 0).
VEK_EXPORT std::optional<TDateTime> ParseDateTime(const QString& text, const QString& format);

/// dateTime written in format (see above), as ParseDateTime reads it back: numbers with
/// the leading zeros their field asks for, English names, "AM"/"PM". Runs that are no
/// field are copied as they stand.
VEK_EXPORT QString DateTimeText(const QString& format, TDateTime dateTime);

// ---------------------------------------------------------------------------------------
// Locale
// ---------------------------------------------------------------------------------------

/// The decimal separator of the default QLocale.
VEK_EXPORT QChar DecimalSeparator();

/// The digit group separator of the default QLocale (a null QChar when it has none).
VEK_EXPORT QChar ThousandSeparator();

} // namespace vek
