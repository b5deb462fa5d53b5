#include "VEK_sevenseg.h"

#include "glyphcache.h"

#include <frame/canvas/bitmap.h>
#include <frame/baselib/drawing.h>

namespace vek {

TSevenSeg::TSevenSeg(QWidget* parent)
    : TGraphicControl(parent), FCache(std::make_unique<sevenseg::GlyphCache>())
{
    SetDefaultSize(216, 76);
    OnResize = [this](TObject* Sender) { HandleResize(Sender); };
    EnsureCache();
}

TSevenSeg::~TSevenSeg() = default;

// Every change that affects the glyph cells goes through Paint, which rebuilds the cache
// for the new colors and layout before drawing.
template <typename T>
void TSevenSeg::ChangeAndPaint(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

void TSevenSeg::SetCaption(const QString& value) { ChangeAndPaint(FCaption, value); }
void TSevenSeg::SetColorBackGnd(TColor value) { ChangeAndPaint(FColorBakG, value); }
void TSevenSeg::SetColorText(TColor value) { ChangeAndPaint(FColorTxt, value); }

void TSevenSeg::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Invalidate();
}

void TSevenSeg::SetFrameStyle(TFrameStyle value)
{
    if (FFrameStyle == value)
        return;
    FFrameStyle = value;
    Invalidate();
}

void TSevenSeg::SetInterDigDist(int value)
{
    ChangeAndPaint(FInterDigDist, std::clamp(value, 0, 255));
}

void TSevenSeg::SetMargin(int value)
{
    if (value == FMargin)
        return;
    ChangeAndPaint(FMargin, std::max(0, std::min(value, Height() / 2 - 1)));
}

void TSevenSeg::SetNumDigits(int value)
{
    if (value < 1 || value > 32)
        return;
    ChangeAndPaint(FNumDigits, value);
}

void TSevenSeg::HandleResize(TObject*)
{
    Paint();
}

int TSevenSeg::CellWidth() const
{
    return (Width() - 2 * FMargin) / FNumDigits - FInterDigDist;
}

int TSevenSeg::CacheHeight() const
{
    return Height() - 2 * FMargin;
}

bool TSevenSeg::EnsureCache()
{
    return FCache->Update(ToQRgb(FColorTxt), ToQRgb(FColorBakG), CellWidth(), CacheHeight());
}

// ---- painting ------------------------------------------------------------------------

void TSevenSeg::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    const int W = Width();
    const int H = Height();
    TBitmap face(W, H);
    TCanvas* canvas = face.Canvas();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetColor(FColorBakG);
    canvas->FillRect(TRect(0, 0, W, H));
    if (EnsureCache())
        PaintCells(canvas, CellWidth(), CacheHeight());
    DrawFrame(canvas, FFrameStyle, 0, 0, W - 1, H - 1, 0xFFFFFF, 0xC0C0C0, 0x808080, clBlack,
              clBlack);
    Canvas()->SetCopyMode(cmSrcCopy);
    Canvas()->Draw(0, 0, &face);
}

void TSevenSeg::PaintCells(TCanvas* canvas, int cw, int ch)
{
    const auto isPoint = [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(','); };
    const int bottom = Height() - FMargin;
    const int pointCell = sevenseg::CellCount - 1;
    int i = 0;
    for (int j = 1; j <= FNumDigits && i < FCaption.size(); ++j, ++i) {
        const QChar c = FCaption.at(i);
        bool point = false;
        if (!isPoint(c) && i + 1 < FCaption.size() && isPoint(FCaption.at(i + 1))) {
            point = true;
            ++i;
        }
        const int x = (j - 1) * (cw + FInterDigDist) + FMargin;
        const int k = sevenseg::CellIndexOf(c);
        if (k >= 0)
            canvas->StretchBlt(TRect(x, FMargin, x + cw, bottom), FCache->Cells(k),
                               TRect(k * cw, 0, (k + 1) * cw, ch), cmSrcCopy);
        if (point)
            canvas->StretchBlt(TRect(x + cw * 5 / 6, FMargin + ch * 5 / 6, x + cw, bottom),
                               FCache->Cells(pointCell),
                               TRect(pointCell * cw + cw * 5 / 6, ch * 5 / 6, (pointCell + 1) * cw, ch),
                               cmSrcCopy);
    }
}

// ---- copying -------------------------------------------------------------------------

void TSevenSeg::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TSevenSeg*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FColorBakG = source->FColorBakG;
    FColorTxt = source->FColorTxt;
    FNumDigits = source->FNumDigits;
    FCaption = source->FCaption;
    FFrameStyle = source->FFrameStyle;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    FMargin = source->FMargin;
    FInterDigDist = source->FInterDigDist;
    // The next paint rebuilds the cache for the copied colors and layout.
    Invalidate();
}

void TSevenSeg::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TSevenSeg*>(Dest)) {
        target->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

} // namespace vek
