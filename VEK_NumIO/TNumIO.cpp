// TNumIO: construction, properties, value and the change check.
#include "numio_p.h"

#include <frame/baselib/mathlib.h>
#include <frame/core/application.h>
#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <algorithm>
#include <utility>

namespace vek {

namespace {

bool HasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TNumIO::TNumIO(QWidget* parent) : TCustomEdit(parent), d(std::make_unique<Private>(this))
{
    if (ComponentState() & csDesigning) {
        d->minimum = -uc_MaxDouble;
        d->maximum = uc_MaxDouble;
    }
    SetTextInternal(QString());
    numio::AnnounceChanges(this);
}

TNumIO::~TNumIO() = default;

// ---- properties ----------------------------------------------------------------------

TInFormat TNumIO::InputFormat() const { return d->inFormat; }
int TNumIO::FixPointDecPlaces() const { return d->fixPDecPl; }
double TNumIO::RangeLow() const { return d->minimum; }
double TNumIO::RangeHigh() const { return d->maximum; }
TDecPSep TNumIO::DecPlaceSep() const { return d->decPSep; }
bool TNumIO::Beep() const { return d->beep; }
void TNumIO::SetBeep(bool value) { d->beep = value; }

void TNumIO::SetInputFormat(TInFormat value)
{
    if (vek::Change(d->inFormat, value))
        d->Recheck();
}

void TNumIO::SetFixPointDecPlaces(int value)
{
    d->fixPDecPl = std::clamp(value, 1, 8);
}

void TNumIO::SetRangeLow(double value)
{
    // While a form is read the other bound may still be on its way: each is stored as
    // given, and Loaded puts the two in order.
    if (ComponentState() & csLoading) {
        d->minimum = value;
        return;
    }
    if (value >= d->maximum) {
        d->minimum = d->maximum;
        d->maximum = value;
    } else {
        d->minimum = value;
    }
    d->Recheck();
}

void TNumIO::SetRangeHigh(double value)
{
    if (ComponentState() & csLoading) {
        d->maximum = value;
        return;
    }
    if (value > d->minimum) {
        d->maximum = value;
    } else {
        d->maximum = d->minimum;
        d->minimum = value;
    }
    d->Recheck();
}

void TNumIO::SetDecPlaceSep(TDecPSep value)
{
    if (vek::Change(d->decPSep, value))
        d->Recheck();
}

// The rules changed: the last accepted text may no longer be acceptable, so a text that
// does not fit any more is cleared rather than restored.
void TNumIO::Private::Recheck()
{
    oldText.clear();
    RunGuarded(q, [this] { q->Change(); });
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
    return vek::ConvertNumString(text, d->inFormat, smBoth, value) ? value : 0.0;
}

void TNumIO::SetValue(double value)
{
    const auto bits = quint32(quint64(Round(value)));
    QString text;
    switch (d->inFormat) {
    case itFloat: text = FormatReal(1, 8, value); break;
    case itFixPoint: text = FormatReal(1, d->fixPDecPl, value); break;
    case itInt: text = FormatReal(1, 0, value); break;
    case itHex: text = FormatHex(bits, 8); break;
    case itOct: text = FormatOct(bits, 8); break;
    case itBin: text = FormatBin(bits, 8); break;
    default: text = FormatReal(12, -2, value); break;
    }
    // The builders write "."; a comma-only field would refuse every later keystroke.
    const bool decimal = d->inFormat == itExp || d->inFormat == itFloat || d->inFormat == itDynamic;
    if (decimal && SeparatorModeOf(d->decPSep) == smComma)
        text.replace(u'.', u',');
    SetTextInternal(text);
    // What the application wrote is what a refused keystroke falls back to.
    d->oldText = text;
    d->NotifyValue();
}

void TNumIO::Private::NotifyValue()
{
    const double value = q->Value();
    if (vek::Change(notifiedValue, value))
        emit q->valueChanged(value);
}

bool TNumIO::ConvertNumString(const QString& Text, double& Value) const
{
    return vek::ConvertNumString(Text, d->inFormat, SeparatorModeOf(d->decPSep), Value);
}

// ---- the change check ------------------------------------------------------------------

void TNumIO::Change()
{
    // A form designer, or a form whose settings are still arriving, takes any text.
    if (!(ComponentState() & (csDesigning | csLoading)))
        d->Check();
    d->NotifyValue();
}

void TNumIO::Private::Check()
{
    const QString text = q->Text();
    if (inFormat == itFixPoint)
        MoveCaretForFixPoint(text);
    double value = 0;
    if (ConvertForCheck(text, value)) {
        if (inFormat == itFixPoint && HasDigit(text))
            RewriteFixPoint(value);
        if (InRange(value)) {
            oldText = q->Text();
            q->TCustomEdit::Change();
            return;
        }
    }
    Refuse();
}

void TNumIO::Loaded()
{
    TCustomEdit::Loaded();
    // Checks were held back while the stored settings arrived in arbitrary order.
    if (d->minimum > d->maximum)
        std::swap(d->minimum, d->maximum);
    d->Recheck();
}

bool TNumIO::Private::ConvertForCheck(const QString& text, double& value) const
{
    // An empty field is a cleared field: value 0, always acceptable.
    value = 0;
    if (text.isEmpty())
        return true;
    int mode = SeparatorModeOf(decPSep);
    // Fixed-point texts are written with "." whatever the separator choice.
    if (inFormat == itFixPoint)
        mode |= smPoint;
    return vek::ConvertNumString(text, inFormat, mode, value);
}

// The period of a fixed-point text was deleted or doubled: the caret goes back to where
// the period stood in the last accepted text.
void TNumIO::Private::MoveCaretForFixPoint(const QString& text)
{
    const qsizetype oldPoint = oldText.indexOf(u'.'); // 0-based, -1 if none
    const qsizetype point = text.indexOf(u'.');
    if (point < 0 && oldPoint >= 0)
        q->SetSelStart(int(oldPoint > 0 ? oldPoint : oldPoint + 1));
    if (point >= 0 && text.indexOf(u'.', point + 1) >= 0)
        q->SetSelStart(int(oldPoint + 1));
}

void TNumIO::Private::RewriteFixPoint(double value)
{
    const int caret = q->SelStart();
    q->SetTextInternal(FormatReal(1, fixPDecPl, value));
    q->SetSelStart(caret);
}

bool TNumIO::Private::InRange(double value) const
{
    return value == 0 || (value >= minimum && value <= maximum);
}

void TNumIO::Private::Refuse()
{
    const int caret = q->SelStart();
    q->SetTextInternal(oldText);
    q->SetSelStart(std::max(0, caret - 1));
    q->repaint();
    if (beep)
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
    static_cast<numio::TSettings&>(*d) = *source->d;
    d->Recheck();
}

} // namespace vek
