// TNumIO2: construction, properties, the value <-> text conversions and copying.
#include "VEK_NumIO.h"

#include <frame/baselib/drawing.h>
#include <frame/baselib/mathlib.h>
#include <frame/runtime/rtl.h>
#include <frame/baselib/strutils.h>
#include <frame/core/timers.h>

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

TNumIO2::TNumIO2(QWidget* parent) : TCustomControl(parent)
{
    SetDefaultSize(160, 28);
    SetTabStop(true);
    FCaretTimerH = new TTimerWindow(this);
    FCaretTimerH->OnTimer = [this](int) { CaretTick(); };
    UpdateTimer();
}

TNumIO2::~TNumIO2()
{
    // The timer window is a child QObject; stop it before the members it calls go.
    FCaretTimerH->OnTimer = nullptr;
}

void TNumIO2::CreateWnd()
{
    TCustomControl::CreateWnd();
    FSuppressPaint = false;
    Invalidate();
}

template <typename T>
void TNumIO2::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

// ---- plain properties ------------------------------------------------------------------

void TNumIO2::SetAlignment(TAlignment value) { Change(FAlignment, value); }
void TNumIO2::SetAutoSize(bool value) { Change(FAutoSize, value); }
void TNumIO2::SetButVisible(bool value) { Change(FButVisible, value); }
void TNumIO2::SetBut3D(bool value) { Change(FBut3D, value); }
void TNumIO2::SetButColor(TColor value) { Change(FButColor, value); }
void TNumIO2::SetColorBoxBG(TColor value) { Change(FColorBoxBG, value); }
void TNumIO2::SetColorBoxText(TColor value) { Change(FColorBoxText, value); }
void TNumIO2::SetColorOutBG(TColor value) { Change(FColorOutBG, value); }
void TNumIO2::SetColorOutText(TColor value) { Change(FColorOutText, value); }
void TNumIO2::SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value); }
void TNumIO2::SetGaugeColor(TColor value) { Change(FGaugeColor, value); }
void TNumIO2::SetGaugeColorBg(TColor value) { Change(FGaugeColorBg, value); }
void TNumIO2::SetGaugeColorFrame(TColor value) { Change(FGaugeColorFrm, value); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle value) { Change(FGaugeFrameSt, value); }
void TNumIO2::SetGaugeVisible(bool value) { Change(FGaugeVisib, value); }
void TNumIO2::SetHideSelection(bool value) { Change(FHideSel, value); }
void TNumIO2::SetLeftText(const QString& value) { Change(FLeftText, value); }
void TNumIO2::SetLeftTextAlignment(TAlignment value) { Change(FLTAlignment, value); }
void TNumIO2::SetRightText(const QString& value) { Change(FRightText, value); }
void TNumIO2::SetRightTextAlignment(TAlignment value) { Change(FRTAlignment, value); }
void TNumIO2::SetTextBoxWidth(int value) { Change(FTextBoxWidth, value); }

void TNumIO2::SetButIncrem(double value)
{
    if (!std::isnan(value))
        Change(FButIncrem, value);
}

// The warning colors repaint on every assignment, so that an application can use them
// to force a repaint after changing the range outside the setters.
void TNumIO2::SetColorWarnBG(TColor value)
{
    FColorWarnBG = value;
    Paint();
}

void TNumIO2::SetColorWarnText(TColor value)
{
    FColorWarnTxt = value;
    Paint();
}

void TNumIO2::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Paint();
}

// ---- clamped geometry ----------------------------------------------------------------

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AHeight = std::max(AHeight, 18);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FButHeight = std::min(FButHeight, Height());
    Paint();
}

void TNumIO2::SetButHeight(int value)
{
    if (value == FButHeight)
        return;
    FButHeight = std::min(std::max(value, 18), Height());
    Paint();
}

void TNumIO2::SetButWidth(int value)
{
    if (value == FButWidth)
        return;
    FButWidth = std::clamp(value, 8, 50);
    Paint();
}

void TNumIO2::SetButSpace(int value)
{
    if (value == FButSpace)
        return;
    FButSpace = std::clamp(value, 0, 50);
    Paint();
}

void TNumIO2::SetGaugeHeight(int value)
{
    if (value == FGaugeHeight)
        return;
    FGaugeHeight = std::max(std::min(value, Height() - FGaugeTopMarg - 18), 3);
    Paint();
}

void TNumIO2::SetGaugeLeftMargin(int value)
{
    if (value == FGaugeLeftMarg)
        return;
    FGaugeLeftMarg = std::max(std::min(value, Width() - FGaugeWidth), 0);
    Paint();
}

void TNumIO2::SetGaugeTopMargin(int value)
{
    if (value == FGaugeTopMarg)
        return;
    FGaugeTopMarg = std::max(std::min(value, Height() - FGaugeHeight - 18), 0);
    Paint();
}

void TNumIO2::SetGaugeWidth(int value)
{
    if (value == FGaugeWidth)
        return;
    FGaugeWidth = std::min(std::max(value, 10), Width() - FGaugeLeftMarg);
    Paint();
}

void TNumIO2::SetLeftSpace(int value)
{
    if (value == FLeftSpace || value < 0)
        return;
    FLeftSpace = std::min(value, Width());
    Paint();
}

// ---- range ---------------------------------------------------------------------------

void TNumIO2::SetRangeHigh(double value)
{
    if (std::isnan(value))
        return;
    FMaximum = value;
    if (FMinimum > FMaximum)
        FMinimum = FMaximum;
    Paint();
}

void TNumIO2::SetRangeLow(double value)
{
    if (std::isnan(value))
        return;
    FMinimum = value;
    if (FMaximum < FMinimum)
        FMaximum = FMinimum;
    Paint();
}

bool TNumIO2::OutOfRange() const
{
    const double value = Value();
    return value < FMinimum || value > FMaximum;
}

// ---- number format -------------------------------------------------------------------

void TNumIO2::SetInputFormat(TInFormat value)
{
    if (value == FInputFormat)
        return;
    const double current = Value();
    FInputFormat = value;
    SetValue(current);
}

void TNumIO2::SetFixPointDecPlaces(int value)
{
    if (value == FDecP || value <= 0)
        return;
    const double current = Value();
    FDecP = std::min(value, 15);
    SetValue(current);
}

void TNumIO2::SetSignificantDigits(int value)
{
    if (value == FSigDig || value <= 0)
        return;
    const double current = Value();
    FSigDig = std::min(value, 15);
    SetValue(current);
}

void TNumIO2::SetDecPlaceSep(TDecPSep value)
{
    if (value == FDecPSep)
        return;
    if (value != dsBoth) {
        const QChar newChar = SeparatorCharOf(value);
        if (FDecPSep == dsBoth) {
            FInBuffer.replace(QLatin1Char('.'), newChar);
            FInBuffer.replace(QLatin1Char(','), newChar);
        } else {
            const QChar oldChar = SeparatorCharOf(FDecPSep);
            if (oldChar != newChar)
                FInBuffer = ReplaceCharInString(FInBuffer, oldChar, newChar);
        }
    }
    FDecPSep = value;
    Paint();
}

// ---- text and value ------------------------------------------------------------------

bool TNumIO2::CheckValidity(const QString& Instring) const
{
    switch (FInputFormat) {
    case itExp: return IsValidExpText(Instring, true, FDecPSep);
    case itFloat: return IsValidFixedText(Instring, FDecPSep);
    case itFixPoint:
        // Exactly FixPointDecPlaces characters after the separator (or, without one, a
        // text of that length). Any separator of the current choice counts, so that
        // comma fields accept their own fixed-point texts.
        return IsValidFixedText(Instring, FDecPSep)
               && FirstSeparatorPlace(Instring, SeparatorModeOf(FDecPSep))
                      == Instring.size() - FDecP;
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
        default: return IsValidFixedText(Instring, FDecPSep);
        }
    }
    }
    return false;
}

void TNumIO2::SetText(const QString& value)
{
    if (!value.isEmpty() && !CheckValidity(value))
        return;
    FInBuffer = value;
    FCaretPos = 0;
    FSelBegin = 0;
    FSelEnd = 0;
    Paint();
}

double TNumIO2::Value() const
{
    const QStringView text = FInBuffer;
    qsizetype position = 1;
    switch (FInputFormat) {
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

QString TNumIO2::TextOfValue(double value) const
{
    // NaN and infinities have no text in any format: NaN counts as 0, infinities as the
    // largest finite values (as the scanners clamp).
    if (std::isnan(value))
        value = 0;
    value = std::clamp(value, -uc_MaxDouble, uc_MaxDouble);
    // Decimal texts carry the field's own separator, so that they pass its checks.
    const QChar separator = SeparatorCharOf(FDecPSep);
    switch (FInputFormat) {
    case itExp: return FormatReal(FSigDig + 6, -2, value).replace(QLatin1Char('.'), separator);
    case itFloat:
    case itFixPoint: return FormatReal(1, FDecP, value).replace(QLatin1Char('.'), separator);
    case itHex: return FormatHex(quint32(Round(value)), 8);
    case itOct: return FormatOct(quint32(Round(value)), 11);
    case itBin: return FormatBin(quint32(Round(value)), 32);
    default: return QString::number(Round(value));
    }
}

void TNumIO2::SetValue(double value)
{
    FInBuffer = TextOfValue(value);
    ClampPositions();
    Paint();
}

int TNumIO2::IntegerValue() const
{
    const qint64 rounded = Round(Value());
    if (rounded > std::numeric_limits<qint32>::max() || rounded < std::numeric_limits<qint32>::min())
        throw EVEKNumIO2Error(ComponentErrorText(Name(), QStringLiteral("integer overflow")));
    return int(rounded);
}

// A shorter text (a new value, a deletion) must not leave caret or selection beyond it.
void TNumIO2::ClampPositions()
{
    const int length = int(FInBuffer.size());
    FCaretPos = std::clamp(FCaretPos, 0, length);
    FSelBegin = std::clamp(FSelBegin, 0, length);
    FSelEnd = std::clamp(FSelEnd, FSelBegin, length);
}

void TNumIO2::SetSelBegin(int value)
{
    FSelBegin = value;
    FSelEnd = std::max(FSelEnd, value);
    ClampPositions();
    Paint();
}

void TNumIO2::SetSelEnd(int value)
{
    FSelEnd = value;
    FSelBegin = std::min(FSelBegin, value);
    ClampPositions();
    Paint();
}

void TNumIO2::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- copying -------------------------------------------------------------------------

void TNumIO2::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNumIO2*>(Source);
    if (!source) {
        TCustomControl::Assign(Source);
        return;
    }
    FLeftSpace = source->FLeftSpace;
    FTextBoxWidth = source->FTextBoxWidth;
    FDecP = source->FDecP;
    FSigDig = source->FSigDig;
    FLeftText = source->FLeftText;
    FRightText = source->FRightText;
    FFrameStyle = source->FFrameStyle;
    FAlignment = source->FAlignment;
    FRTAlignment = source->FRTAlignment;
    FLTAlignment = source->FLTAlignment;
    FColorBoxBG = source->FColorBoxBG;
    FColorBoxText = source->FColorBoxText;
    FColorOutBG = source->FColorOutBG;
    FColorOutText = source->FColorOutText;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    FInputFormat = source->FInputFormat;
    FInBuffer = source->FInBuffer;
    FCaretPos = source->FCaretPos;
    FCaretVisib = source->FCaretVisib;
    FMouseAreaCode = source->FMouseAreaCode;
    FColorWarnBG = source->FColorWarnBG;
    FColorWarnTxt = source->FColorWarnTxt;
    FSelBegin = source->FSelBegin;
    FSelEnd = source->FSelEnd;
    FDecPSep = source->FDecPSep;
    FKeyShifted = source->FKeyShifted;
    FKeyCntrl = source->FKeyCntrl;
    FHideSel = source->FHideSel;
    FMaximum = source->FMaximum;
    FMinimum = source->FMinimum;
    FOnlineCheck = source->FOnlineCheck;
    FBeep = source->FBeep;
    FReadOnly = source->FReadOnly;
    FAutoSize = source->FAutoSize;
    Paint();
}

void TNumIO2::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TNumIO2*>(Dest))
        target->Assign(this);
    else
        TCustomControl::AssignTo(Dest);
}

} // namespace vek
