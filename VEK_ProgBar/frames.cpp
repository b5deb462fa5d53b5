// TProgBar's frames. The bar draws its own 1- and 2-pixel bevels instead of the shared
// DrawFrame: their line paths (and the margin-colored corner pixels that round off the
// bevel's ends) are part of the bar's established look.
#include "VEK_ProgBar.h"
#include "progbar_p.h"

namespace vek {

namespace {

void Line(TCanvas* canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas->Pen()->SetColor(color);
    auto p = points.begin();
    canvas->MoveTo(p->x(), p->y());
    for (++p; p != points.end(); ++p)
        canvas->LineTo(p->x(), p->y());
}

void Outline(TCanvas* canvas, TColor color, int left, int top, int right, int bottom)
{
    canvas->Pen()->SetColor(color);
    canvas->Rectangle(left, top, right, bottom);
}

} // namespace

// The box is left a, top c, right d, bottom b (right and bottom exclusive).
void TProgBar::Private::PaintFrame(TCanvas* canvas, TFrameStyle style, const TRect& box)
{
    const int a = box.Left, c = box.Top, d = box.Right, b = box.Bottom;
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetMode(pmCopy);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsClear);
    switch (style) {
    case fsSingle:
        Outline(canvas, lines.Gray, a, c, d, b);
        return;
    case fsLowered:
    case fsRaised: {
        const bool lowered = style == fsLowered;
        Line(canvas, lowered ? colBlackLine : lines.White,
             {{a + 1, b - 3}, {a + 1, c + 1}, {d - 1, c + 1}});
        Line(canvas, lowered ? lines.White : colBlackLine,
             {{a + 1, b - 1}, {d - 1, b - 1}, {d - 1, c}});
        Outline(canvas, lines.Gray, a, c, d - 1, b - 1);
        break;
    }
    case fsEmbossed:
    case fsEngraved: {
        const bool embossed = style == fsEmbossed;
        Outline(canvas, embossed ? lines.Gray : lines.White, a + 1, c + 1, d, b);
        Outline(canvas, embossed ? lines.White : lines.Gray, a, c, d - 1, b - 1);
        break;
    }
    default:
        return;
    }
    canvas->SetPixels(a, b - 1, colorMargin);
    canvas->SetPixels(d - 1, c, colorMargin);
}

} // namespace vek
