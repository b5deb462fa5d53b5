// TSevenSeg: construction, properties, the display slots, size hints and copying.
#include "VEK_sevenseg.h"

#include "sevenseg_p.h"

#include <frame/core/change.h>

namespace vek {

namespace {

// The cell of the default layout: (216 - 2 * 8) / 4 - 2 = 48 by 76 - 2 * 8 = 60 pixels;
// the size hint keeps it whatever the number of cells. A quarter of it still reads.
constexpr QSize NaturalCell(48, 60);
constexpr QSize SmallestCell(12, 15);

QSize SizeForCell(QSize cell, int cells, int gap, int margin)
{
    return QSize(2 * margin + cells * (cell.width() + gap), 2 * margin + cell.height());
}

} // namespace

TSevenSeg::TSevenSeg(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    SetDefaultSize(216, 76);
    SetGrayWhenDisabled(true);
    OnResize = [this](TObject* Sender) { HandleResize(Sender); };
    EnsureCache();
    sevenseg::AnnounceChanges(this);
}

TSevenSeg::~TSevenSeg() = default;

QString TSevenSeg::Caption() const { return d->caption; }
TColor TSevenSeg::ColorBackGnd() const { return d->colorBackGnd; }
TColor TSevenSeg::ColorText() const { return d->colorText; }
TColorScheme TSevenSeg::ColorScheme() const { return d->colorScheme; }
TFrameStyle TSevenSeg::FrameStyle() const { return d->frameStyle; }
int TSevenSeg::InterDigDist() const { return d->interDigDist; }
int TSevenSeg::Margin() const { return d->margin; }
int TSevenSeg::NumDigits() const { return d->numDigits; }
TColor TSevenSeg::GrayLineColor() const { return d->lines.Gray; }
TColor TSevenSeg::WhiteLineColor() const { return d->lines.White; }

// Every change that affects the glyph cells goes through Paint, which rebuilds the cache
// for the new colors and layout before drawing.
void TSevenSeg::SetCaption(const QString& value)
{
    if (!Change(d->caption, value))
        return;
    Paint();
    emit captionChanged(d->caption);
}

void TSevenSeg::SetColorBackGnd(TColor value)
{
    if (Change(d->colorBackGnd, value))
        Paint();
}

void TSevenSeg::SetColorText(TColor value)
{
    if (Change(d->colorText, value))
        Paint();
}

void TSevenSeg::SetColorScheme(TColorScheme value)
{
    if (!Change(d->colorScheme, value))
        return;
    d->lines = SchemeLineColors(value);
    Invalidate();
}

void TSevenSeg::SetFrameStyle(TFrameStyle value)
{
    if (Change(d->frameStyle, value))
        Invalidate();
}

void TSevenSeg::SetInterDigDist(int value)
{
    if (Change(d->interDigDist, std::clamp(value, 0, 255)))
        CellLayoutChanged();
}

void TSevenSeg::SetMargin(int value)
{
    if (value == d->margin)
        return;
    if (Change(d->margin, std::max(0, std::min(value, Height() / 2 - 1))))
        CellLayoutChanged();
}

void TSevenSeg::SetNumDigits(int value)
{
    if (value < 1 || value > 32)
        return;
    if (Change(d->numDigits, value))
        CellLayoutChanged();
}

void TSevenSeg::CellLayoutChanged()
{
    Paint();
    updateGeometry();
}

void TSevenSeg::HandleResize(TObject*)
{
    Paint();
}

// ---- display slots -------------------------------------------------------------------

void TSevenSeg::display(const QString& text)
{
    SetCaption(text);
}

void TSevenSeg::display(int value)
{
    DisplayNumber(QString::number(value));
}

void TSevenSeg::display(double value)
{
    const int digits = std::max(1, d->numDigits - (value < 0 ? 1 : 0));
    DisplayNumber(QString::number(value, 'g', digits));
}

void TSevenSeg::DisplayNumber(const QString& text)
{
    // A number cut after the last cell would read as another number.
    if (sevenseg::CaptionCells(text).size() > size_t(d->numDigits)) {
        emit overflow();
        return;
    }
    SetCaption(text);
}

// ---- size ----------------------------------------------------------------------------

int TSevenSeg::CellWidth() const
{
    return (Width() - 2 * d->margin) / d->numDigits - d->interDigDist;
}

int TSevenSeg::CacheHeight() const
{
    return Height() - 2 * d->margin;
}

bool TSevenSeg::EnsureCache()
{
    return d->cache.Update(ToQRgb(d->colorText), ToQRgb(d->colorBackGnd), CellWidth(),
                           CacheHeight(), devicePixelRatio());
}

QSize TSevenSeg::sizeHint() const
{
    return SizeForCell(NaturalCell, d->numDigits, d->interDigDist, d->margin);
}

QSize TSevenSeg::minimumSizeHint() const
{
    return SizeForCell(SmallestCell, d->numDigits, d->interDigDist, d->margin);
}

// ---- copying -------------------------------------------------------------------------

void TSevenSeg::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TSevenSeg*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    const QString caption = d->caption;
    // Every setting is copied; the glyph cache comes along too and, being keyed by colors
    // and cell size, rebuilds itself on the next paint where this display differs.
    *d = *source->d;
    Invalidate();
    updateGeometry();
    if (d->caption != caption)
        emit captionChanged(d->caption);
}

} // namespace vek
