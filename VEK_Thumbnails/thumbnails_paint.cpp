// Painting of the thumbnail grid: every visible slide into the control's back buffer,
// which is copied to the screen in one step. (A bitmap of its own for each frame would
// cost an allocation and two full-size copies per paint and change no pixel: the frame
// starts with a fill of the whole area.)
#include "thumbnails_p.h"

#include <frame/baselib/drawing.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

namespace {

void DrawGrayFrame(TCanvas* canvas, TFrameStyle style, int left, int top, int right, int bottom)
{
    DrawFrame(canvas, style, left, top, right, bottom, clWhite, clSilver, clGray, clBlack,
              clBlack);
}

void SetPenAndBrush(TCanvas* canvas, TColor color)
{
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetColor(color);
}

// The pen, brush, clip and modes of a fresh canvas, which the paint steps and the
// handlers that draw on the canvas start from.
void ResetCanvasTools(TCanvas* canvas)
{
    canvas->ResetClip();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->SetPenPos(TPoint(0, 0));
    canvas->Pen()->SetMode(pmCopy);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsSolid);
}

// Clears the painting flag however the paint ends (an event handler may throw).
class TPaintGuard {
public:
    explicit TPaintGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TPaintGuard() { FFlag = false; }
    TPaintGuard(const TPaintGuard&) = delete;
    TPaintGuard& operator=(const TPaintGuard&) = delete;

private:
    bool& FFlag;
};

} // namespace

void TThumbnails::Paint()
{
    if ((!Visible() && !ComponentState().testFlag(csDesigning)) || d->painting)
        return;
    TPaintGuard guard(d->painting);
    constexpr int Border = Private::Border;
    const int W = Width();
    const int H = Height();
    TCanvas* fc = Canvas();
    ResetCanvasTools(fc);
    fc->Font()->Assign(Font());
    SetPenAndBrush(fc, d->colors.BackGnd);
    fc->Rectangle(0, 0, W, H);

    const int P = d->Pitch();
    const int columns = std::max(1, (W + d->slideDistance - 2 * Border) / P);
    if (columns != d->numSlidesHoriz) {
        d->numSlidesHoriz = columns;
        d->firstThumbIdx = d->NormalizedScroll(d->firstThumbIdx);
    }
    d->numSlidesVert = H / P + 1;

    if (OnFirstImageRequest)
        OnFirstImageRequest(this);
    TBitmap buffer;
    const qint64 first = Trunc(d->firstThumbIdx);
    const int top = d->slideDistance - d->ScrollOffset() + Border;
    for (int i = 1; i <= d->numSlidesHoriz; ++i) {
        for (int j = 1; j <= d->numSlidesVert; ++j) {
            const qint64 n = first + qint64(j - 1) * d->numSlidesHoriz + i - 1;
            if (d->IsSlide(n))
                d->PaintSlide(fc, buffer, int(n), (i - 1) * P + Border, (j - 1) * P + top);
        }
    }
    if (OnLastImageRequest)
        OnLastImageRequest(this);

    SetPenAndBrush(fc, d->colors.BackGnd);
    fc->Rectangle(0, 0, W, Border);
    fc->Rectangle(0, H - Border, W, H);
    DrawGrayFrame(fc, d->frameStyle, 0, 0, W - 2, H - 2);
    d->PaintFocusFrame(fc);
    // The mouse is still over the focused slide: keep its outline through repaints.
    if (d->focusLinewidth > 0 && d->focusedSlide != 0)
        HiLite(d->focusedSlide);
}

void TThumbnails::Private::PaintSlide(TCanvas* canvas, TBitmap& buffer, int n, int x, int y)
{
    const int right = x + BoxSize();
    const int bottom = y + BoxSize();
    TImageRequestProcessing how = irpShowEmpty;
    int mark = -1;
    if (q->OnImageRequest)
        q->OnImageRequest(q, n, how, mark, buffer);

    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    if (how != irpShowNothing) {
        SetPenAndBrush(canvas, q->SlideSelected(n) ? colors.Selected : colors.Cover);
        canvas->Rectangle(x, y, right + 1, bottom + 1);
        DrawGrayFrame(canvas, outerFrameStyle, x, y, right, bottom);
    }
    canvas->Pen()->SetColor(clBlack);
    if (how == irpShowEmpty)
        PaintCard(canvas, n, x, y);
    else if (how == irpShowSlide && buffer.Width() > 0 && buffer.Height() > 0)
        PaintImage(canvas, buffer, x, y);
    if (mark != -1) {
        canvas->Pen()->SetColor(colors.Mark);
        DrawMarkOnCanvas(canvas, mark, x + 10, y + 12);
    }
    if (q->OnSlideRendered)
        q->OnSlideRendered(q, canvas, x, y, n);
}

// A blank white card across the image area with the slide number in its middle.
void TThumbnails::Private::PaintCard(TCanvas* canvas, int n, int x, int y)
{
    const int m = slideMargin;
    const int right = x + BoxSize();
    const int bottom = y + BoxSize();
    canvas->Brush()->SetColor(clWhite);
    canvas->Rectangle(x + m, y + m + 20, right - m, bottom - m - 20);
    const QString text = QString::number(n);
    canvas->Font()->SetColor(q->isEnabled() ? clBlack : clGray); // the disabled gray
    canvas->TextOut((x + right) / 2 - canvas->TextWidth(text) / 2,
                    (y + bottom) / 2 - canvas->TextHeight(text) / 2, text);
}

// The image keeps its aspect ratio: its longer side spans the image area, the shorter
// one is centred.
void TThumbnails::Private::PaintImage(TCanvas* canvas, const TBitmap& buffer, int x, int y)
{
    const int s = slideSize;
    const int m = slideMargin;
    const double W = buffer.Width();
    const double H = buffer.Height();
    TRect target;
    if (W < H) {
        const int w = int(Round(W * s / H));
        const int left = x + m + (s - w) / 2;
        target = TRect(left, y + m, left + w, y + m + s);
    } else {
        const int h = int(Round(H * s / W));
        const int top = y + m + (s - h) / 2;
        target = TRect(x + m, top, x + m + s, top + h);
    }
    // A disabled grid shows its images in gray, as disabled icons are.
    const QImage image = q->isEnabled() ? buffer.Image()
                                        : buffer.Image().convertToFormat(QImage::Format_Grayscale8);
    canvas->SetStretchBltMode(antiAlias ? smHalftone : smColorOnColor);
    canvas->StretchBlt(target, image, TRect(0, 0, buffer.Width(), buffer.Height()), cmSrcCopy);
    DrawGrayFrame(canvas, innerFrameStyle, target.Left, target.Top, target.Right,
                  target.Bottom);
}

// ---- focus outline ---------------------------------------------------------------------

void TThumbnails::HiLite(int SldNum) { d->DrawOutline(SldNum, d->colors.Focus); }

void TThumbnails::ResetLastHiLite()
{
    d->DrawOutline(d->focusedSlide,
                   SlideSelected(d->focusedSlide) ? d->colors.Selected : d->colors.Cover);
}

// The outline lies two pixels inside the slide box, FocusLinewidth rings thick, drawn
// directly on the control; the bands are restored afterwards so that no outline shows
// in them.
void TThumbnails::Private::DrawOutline(int SldNum, TColor color)
{
    if (!IsSlide(SldNum))
        return;
    const int H = q->Height();
    int X = 0;
    int Y = 0;
    q->CalcSlidePos(SldNum, X, Y);
    const int B = BoxSize();
    const int left0 = X + 2;
    const int top0 = std::max(Y + 2, 2);
    const int bottom0 = std::min(H - 3, Y + B - 2);
    if (top0 > bottom0)
        return; // scrolled out of view
    TCanvas* canvas = q->Canvas();
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetMode(pmCopy);
    for (int i = 1; i <= focusLinewidth; ++i)
        DrawRectangle(canvas, left0 + i - 1, top0 + i - 1, X + B - i - 1, bottom0 - i + 1);
    PaintBands(canvas);
}

// The top and bottom bands inside the control frame (which is two pixels wide, with its
// right and bottom lines at Width - 2 and Height - 2).
void TThumbnails::Private::PaintBands(TCanvas* canvas)
{
    constexpr int inset = 2;
    const int W = q->Width();
    const int H = q->Height();
    SetPenAndBrush(canvas, colors.BackGnd);
    canvas->Rectangle(inset, inset, W - 1 - inset, Border);
    canvas->Rectangle(inset, H - Border, W - 1 - inset, H - 1 - inset);
    PaintFocusFrame(canvas);
}

} // namespace vek
