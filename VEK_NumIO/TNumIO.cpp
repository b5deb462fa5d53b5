#include "VEK_NumIO.h"

#include <frame/core/application.h>
#include <frame/baselib/mathlib.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

namespace {

bool HasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TNumIO::TNumIO(QWidget* parent) : TCustomEdit(parent)
{
    if (ComponentState() & csDesigning) {
        FMinimum = -uc_MaxDouble;
        FMaximum = uc_MaxDouble;
    }
    SetTextInternal(QString());
}

// ---- properties ----------------------------------------------------------------------

void TNumIO::SetInputFormat(TInFormat value)
{
    if (FInFormat == value)
        return;
    FInFormat = value;
    Recheck();
}

void TNumIO::SetFixPointDecPlaces(int value)
{
    FFixPDecPl = std::clamp(value, 1, 8);
}

void TNumIO::SetRangeLow(double value)
{
    if (value >= FMaximum) {
        FMinimum = FMaximum;
        FMaximum = value;
    } else {
        FMinimum = value;
    }
    Recheck();
}

void TNumIO::SetRangeHigh(double value)
{
    if (value > FMinimum) {
        FMaximum = value;
    } else {
        FMaximum = FMinimum;
        FMinimum = value;
    }
    Recheck();
}

void TNumIO::SetDecPlaceSep(TDecPSep value)
{
    if (FDecPSep == value)
        return;
    FDecPSep = value;
    Recheck();
}

// The rules changed: the last accepted text may no longer be acceptable, so a text that
// does not fit any more is cleared rather than restored.
void TNumIO::Recheck()
{
    FOldText.clear();
    RunGuarded(this, [this] { Change(); });
}

// ---- value ---------------------------------------------------------------------------

double TNumIO::Value() const
{
    QString text = Text();
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0)
        text[comma] = u'.';
    if (text.endsWith(u'.'))
        text += u'0';
    // The comma became a point above, so the point must be read whatever DecPlaceSep says.
    double value = 0;
    return vek::ConvertNumString(text, FInFormat, smBoth, value) ? value : 0.0;
}

void TNumIO::SetValue(double value)
{
    const auto bits = quint32(quint64(Round(value)));
    QString text;
    switch (FInFormat) {
    case itFloat: text = FormatReal(1, 8, value); break;
    case itFixPoint: text = FormatReal(1, FFixPDecPl, value); break;
    case itInt: text = FormatReal(1, 0, value); break;
    case itHex: text = FormatHex(bits, 8); break;
    case itOct: text = FormatOct(bits, 8); break;
    case itBin: text = FormatBin(bits, 8); break;
    default: text = FormatReal(12, -2, value); break;
    }
    // The builders write "."; a comma-only field would refuse every later keystroke.
    const bool decimal = FInFormat == itExp || FInFormat == itFloat || FInFormat == itDynamic;
    if (decimal && SeparatorModeOf(FDecPSep) == smComma)
        text.replace(u'.', u',');
    SetTextInternal(text);
    // What the application wrote is what a refused keystroke falls back to.
    FOldText = text;
}

bool TNumIO::ConvertNumString(const QString& Text, double& Value) const
{
    return vek::ConvertNumString(Text, FInFormat, SeparatorModeOf(FDecPSep), Value);
}

// ---- the change check ------------------------------------------------------------------

void TNumIO::Change()
{
    if (ComponentState() & (csDesigning | csLoading))
        return;
    const QString text = Text();
    if (FInFormat == itFixPoint)
        MoveCaretForFixPoint(text);
    double value = 0;
    if (ConvertForCheck(text, value)) {
        if (FInFormat == itFixPoint && HasDigit(text))
            RewriteFixPoint(value);
        if (InRange(value)) {
            FOldText = Text();
            TCustomEdit::Change();
            return;
        }
    }
    Refuse();
}

void TNumIO::Loaded()
{
    TCustomEdit::Loaded();
    // Checks were held back while the stored settings arrived in arbitrary order.
    Recheck();
}

bool TNumIO::ConvertForCheck(const QString& text, double& value) const
{
    // An empty field is a cleared field: value 0, always acceptable.
    value = 0;
    if (text.isEmpty())
        return true;
    int mode = SeparatorModeOf(FDecPSep);
    // Fixed-point texts are written with "." whatever the separator choice.
    if (FInFormat == itFixPoint)
        mode |= smPoint;
    return vek::ConvertNumString(text, FInFormat, mode, value);
}

// The period of a fixed-point text was deleted or doubled: the caret goes back to where
// the period stood in the last accepted text.
void TNumIO::MoveCaretForFixPoint(const QString& text)
{
    const qsizetype oldPoint = FOldText.indexOf(u'.'); // 0-based, -1 if none
    const qsizetype point = text.indexOf(u'.');
    if (point < 0 && oldPoint >= 0)
        SetSelStart(int(oldPoint > 0 ? oldPoint : oldPoint + 1));
    if (point >= 0 && text.indexOf(u'.', point + 1) >= 0)
        SetSelStart(int(oldPoint + 1));
}

void TNumIO::RewriteFixPoint(double value)
{
    const int caret = SelStart();
    SetTextInternal(FormatReal(1, FFixPDecPl, value));
    SetSelStart(caret);
}

bool TNumIO::InRange(double value) const
{
    return value == 0 || (value >= FMinimum && value <= FMaximum);
}

void TNumIO::Refuse()
{
    const int caret = SelStart();
    SetTextInternal(FOldText);
    SetSelStart(std::max(0, caret - 1));
    repaint();
    if (FBeep)
        MessageBeep(MB_OK);
}

// ---- copying -------------------------------------------------------------------------

void TNumIO::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNumIO*>(Source);
    if (!source) {
        TCustomEdit::Assign(Source);
        return;
    }
    FInFormat = source->FInFormat;
    FBeep = source->FBeep;
    FMinimum = source->FMinimum;
    FMaximum = source->FMaximum;
    FDecPSep = source->FDecPSep;
    Recheck();
}

void TNumIO::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TNumIO*>(Dest)) {
        target->Assign(this);
        return;
    }
    TCustomEdit::AssignTo(Dest);
}

} // namespace vek
