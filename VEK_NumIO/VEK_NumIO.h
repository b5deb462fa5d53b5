// The numeric entry fields and their number texts (NumIOParsing.h).
//
// TNumIO is a single-line edit box for numbers. The user types freely; after every
// change the field checks the whole text against its input format and range. A text
// that is not acceptable is replaced at once by the last accepted one (optionally with
// a beep), so a refused keystroke simply disappears. Incomplete numbers ("", "-", "$",
// "1e") are acceptable while typing; they count as 0, and 0 is always in range so that
// a field can be cleared and retyped. The application reads and writes the number
// through Value.
#pragma once

#include "NumIOParsing.h"

#include <frame/customedit.h>

namespace vek {

class VEK_EXPORT TNumIO : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(vek::TInFormatMeta::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(vek::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
    Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
    Q_PROPERTY(double Value READ Value WRITE SetValue STORED false)

public:
    // Created in a form designer the range is -uc_MaxDouble .. uc_MaxDouble; created at
    // run time it is 0 .. 0 until the application (or the stored form) sets it.
    explicit TNumIO(QWidget* parent = nullptr);

    // Text form accepted (default itDynamic). Changing it re-checks the text; a text
    // that does not fit the new format is cleared.
    TInFormat InputFormat() const { return FInFormat; }
    void SetInputFormat(TInFormat value);
    // Decimal places of itFixPoint, 1..8 (default 2); the text is rewritten with them
    // on the next change.
    int FixPointDecPlaces() const { return FFixPDecPl; }
    void SetFixPointDecPlaces(int value);
    // Accepted range. A bound set beyond the other one swaps roles with it (RangeLow 50
    // while RangeHigh is 20 gives 20 .. 50). Every assignment re-checks the text.
    double RangeLow() const { return FMinimum; }
    void SetRangeLow(double value);
    double RangeHigh() const { return FMaximum; }
    void SetRangeHigh(double value);
    // Decimal separator accepted by the decimal formats (default: the system's).
    // itFixPoint texts always write "." and accept it besides the chosen one.
    TDecPSep DecPlaceSep() const { return FDecPSep; }
    void SetDecPlaceSep(TDecPSep value);
    // Beep when an input is refused (default false).
    bool Beep() const { return FBeep; }
    void SetBeep(bool value) { FBeep = value; }

    // The number in the text (0 when it is incomplete or empty). Writing builds the text
    // without checking it against the range: " 1.23457E+03" (itExp, itDynamic), eight
    // decimals (itFloat), FixPointDecPlaces decimals, an integer, or eight hex, octal or
    // binary digits of the rounded value (low bits only). OnChange does not fire. The
    // written text is what a later refused keystroke falls back to. A value whose
    // exponent needs three digits shows as asterisks and reads back as 0; an integer
    // text beyond 32 bits reads back as 0 as well.
    double Value() const;
    void SetValue(double value);

    // Converts Text by InputFormat and DecPlaceSep; see the free ConvertNumString.
    bool ConvertNumString(const QString& Text, double& Value) const;

    // From another TNumIO: InputFormat, Beep, RangeLow, RangeHigh and DecPlaceSep; the
    // text is then re-checked.
    void Assign(const TPersistent* Source) override;

protected:
    // The check of every text change (see the class comment); fires OnChange only for
    // accepted texts.
    void Change() override;
    void Loaded() override;
    void AssignTo(TPersistent* Dest) const override;

private:
    void Recheck();
    bool ConvertForCheck(const QString& text, double& value) const;
    void MoveCaretForFixPoint(const QString& text);
    void RewriteFixPoint(double value);
    bool InRange(double value) const;
    void Refuse();

    TInFormat FInFormat = itDynamic;
    int FFixPDecPl = 2;
    QString FOldText;
    bool FBeep = false;
    double FMinimum = 0;
    double FMaximum = 0;
    TDecPSep FDecPSep = dsSystemDefault;
};

} // namespace vek
#include "NumIO2.h"
