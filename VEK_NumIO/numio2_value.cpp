// TNumIO2: number format and range, the value <-> text conversions, selection and the
// change notifications.
#include "numio2_p.h"

#include <frame/baselib/mathlib.h>
#include <frame/baselib/strutils.h>
#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <cmath>
#include <limits>

namespace vek {

namespace {

// The separator character of a separator choice ("both" writes a point).
QChar SeparatorCharOf(TDecPSep choice)
{
    switch (choice) {
    case dsSystemDefault: return DecimalSeparator();
    case dsComma: return QLatin1Char(',');
    default: return QLatin1Char('.');
    }
}

bool IsSeparatorIn(QChar c, TSeparatorMode mode)
{
    return (c == QLatin1Char('.') && (mode & smPoint)) || (c == QLatin1Char(',') && (mode & smComma));
}

// 1-based place of the first separator of the mode (0 when there is none).
qsizetype FirstSeparatorPlace(const QString& text, TSeparatorMode mode)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsSeparatorIn(text.at(i), mode))
            return i + 1;
    }
    return 0;
}

double ScanWholeFloat(QStringView text)
{
    qsizetype position = 1;
    return ScanFloat(text, true, smBoth, position);
}

} // namespace

TInFormat TNumIO2::InputFormat() const { return d->inputFormat; }
int TNumIO2::FixPointDecPlaces() const { return d->decP; }
int TNumIO2::SignificantDigits() const { return d->sigDig; }
TDecPSep TNumIO2::DecPlaceSep() const { return d->decPSep; }
double TNumIO2::RangeHigh() const { return d->maximum; }
double TNumIO2::RangeLow() const { return d->minimum; }
QString TNumIO2::Text() const { return d->inBuffer; }
int TNumIO2::SelBegin() const { return d->selBegin; }
int TNumIO2::SelEnd() const { return d->selEnd; }
int TNumIO2::CaretPos() const { return d->caretPos; }

// ---- range ---------------------------------------------------------------------------

void TNumIO2::SetRangeHigh(double value)
{
    if (std::isnan(value))
        return;
    d->maximum = value;
    if (d->minimum > d->maximum)
        d->minimum = d->maximum;
    Paint();
}

void TNumIO2::SetRangeLow(double value)
{
    if (std::isnan(value))
        return;
    d->minimum = value;
    if (d->maximum < d->minimum)
        d->maximum = d->minimum;
    Paint();
}

bool TNumIO2::OutOfRange() const
{
    const double value = Value();
    return value < d->minimum || value > d->maximum;
}

// ---- number format -------------------------------------------------------------------

void TNumIO2::SetInputFormat(TInFormat value)
{
    if (value == d->inputFormat)
        return;
    const double current = Value();
    d->inputFormat = value;
    SetValue(current);
}

void TNumIO2::SetFixPointDecPlaces(int value)
{
    d->SetDigitCount(d->decP, value);
}

void TNumIO2::SetSignificantDigits(int value)
{
    d->SetDigitCount(d->sigDig, value);
}

void TNumIO2::Private::SetDigitCount(int& count, int value)
{
    if (value == count || value <= 0)
        return;
    const double current = q->Value();
    count = std::min(value, 15);
    q->SetValue(current);
}

void TNumIO2::SetDecPlaceSep(TDecPSep value)
{
    if (value == d->decPSep)
        return;
    QString& buffer = d->inBuffer;
    if (value != dsBoth) {
        const QChar newChar = SeparatorCharOf(value);
        if (d->decPSep == dsBoth) {
            buffer.replace(QLatin1Char('.'), newChar);
            buffer.replace(QLatin1Char(','), newChar);
        } else {
            const QChar oldChar = SeparatorCharOf(d->decPSep);
            if (oldChar != newChar)
                buffer = ReplaceCharInString(buffer, oldChar, newChar);
        }
    }
    d->decPSep = value;
    Paint();
    d->NotifyValue();
}

// ---- text and value ------------------------------------------------------------------

bool TNumIO2::CheckValidity(const QString& Instring) const
{
    switch (d->inputFormat) {
    case itExp: return IsValidExpText(Instring, true, d->decPSep);
    case itFloat: return IsValidFixedText(Instring, d->decPSep);
    case itFixPoint:
        // Exactly FixPointDecPlaces characters after the separator (or, without one, a
        // text of that length). Any separator of the current choice counts, so that
        // comma fields accept their own fixed-point texts.
        return IsValidFixedText(Instring, d->decPSep)
               && FirstSeparatorPlace(Instring, SeparatorModeOf(d->decPSep))
                      == Instring.size() - d->decP;
    case itInt: return IsValidIntText(Instring);
    case itHex: return IsValidHexText(Instring);
    case itOct: return IsValidOctText(Instring);
    case itBin: return IsValidBinText(Instring);
    case itDynamic: {
        if (Instring.isEmpty())
            return false;
        const QStringView rest = QStringView(Instring).mid(1);
        switch (Instring.at(0).unicode()) {
        case '$': return IsValidHexText(rest);
        case '%': return IsValidBinText(rest);
        case '&': return IsValidOctText(rest);
        default: return IsValidFixedText(Instring, d->decPSep);
        }
    }
    }
    return false;
}

void TNumIO2::SetText(const QString& value)
{
    if (!value.isEmpty() && !CheckValidity(value))
        return;
    d->inBuffer = value;
    d->caretPos = 0;
    d->selBegin = 0;
    d->selEnd = 0;
    Paint();
    d->NotifyValue();
}

double TNumIO2::Value() const
{
    const QStringView text = d->inBuffer;
    qsizetype position = 1;
    switch (d->inputFormat) {
    case itInt: {
        if (!IsValidIntText(text))
            return 0;
        bool overflow = false;
        const qint32 value = ScanInt(text, position, &overflow);
        return overflow ? 2147483647.0 : value;
    }
    // Hex, octal and binary texts are read as the 32-bit pattern they show, as signed
    // integers: FormatHex of -1 ("FFFFFFFF") reads back as -1.
    case itHex: return ScanHex(text, position);
    case itOct: return ScanOct(text, position);
    case itBin: return ScanBin(text, position);
    case itDynamic: {
        if (text.isEmpty())
            return 0;
        const QStringView rest = text.mid(1);
        switch (text.at(0).unicode()) {
        case '$': return ScanHex(rest, position);
        case '%': return ScanBin(rest, position);
        case '&': return ScanOct(rest, position);
        default: return ScanWholeFloat(text);
        }
    }
    default: return ScanWholeFloat(text);
    }
}

QString TNumIO2::Private::TextOfValue(double value) const
{
    // NaN and infinities have no text in any format: NaN counts as 0, infinities as the
    // largest finite values (as the scanners clamp).
    if (std::isnan(value))
        value = 0;
    value = std::clamp(value, -uc_MaxDouble, uc_MaxDouble);
    // Decimal texts carry the field's own separator, so that they pass its checks.
    const QChar separator = SeparatorCharOf(decPSep);
    switch (inputFormat) {
    case itExp: return FormatReal(sigDig + 6, -2, value).replace(QLatin1Char('.'), separator);
    case itFloat:
    case itFixPoint: return FormatReal(1, decP, value).replace(QLatin1Char('.'), separator);
    case itHex: return FormatHex(quint32(Round(value)), 8);
    case itOct: return FormatOct(quint32(Round(value)), 11);
    case itBin: return FormatBin(quint32(Round(value)), 32);
    default: return QString::number(Round(value));
    }
}

void TNumIO2::Private::WriteValue(double value)
{
    inBuffer = TextOfValue(value);
    ClampPositions();
}

void TNumIO2::SetValue(double value)
{
    d->WriteValue(value);
    Paint();
    d->NotifyValue();
}

int TNumIO2::IntegerValue() const
{
    const qint64 rounded = Round(Value());
    if (rounded > std::numeric_limits<qint32>::max() || rounded < std::numeric_limits<qint32>::min())
        throw EVEKNumIO2Error(ComponentErrorText(Name(), QStringLiteral("integer overflow")));
    return int(rounded);
}

void TNumIO2::Private::ClampPositions()
{
    const int length = int(inBuffer.size());
    caretPos = std::clamp(caretPos, 0, length);
    selBegin = std::clamp(selBegin, 0, length);
    selEnd = std::clamp(selEnd, selBegin, length);
}

void TNumIO2::SetSelBegin(int value)
{
    d->selBegin = value;
    d->selEnd = std::max(d->selEnd, value);
    d->ClampPositions();
    Paint();
}

void TNumIO2::SetSelEnd(int value)
{
    d->selEnd = value;
    d->selBegin = std::min(d->selBegin, value);
    d->ClampPositions();
    Paint();
}

// ---- notifications -------------------------------------------------------------------

void TNumIO2::Changed()
{
    if (OnChange)
        OnChange(this);
    d->NotifyValue();
}

void TNumIO2::Private::NotifyValue()
{
    const double value = q->Value();
    if (Change(notifiedValue, value))
        emit q->valueChanged(value);
}

} // namespace vek
