// Painting of the marker selector: the face with every shown mark into an off-screen
// bitmap, copied to the control in one step; the highlight drawn over it directly.
#include "marksel_p.h"

#include <frame/baselib/drawing.h>
#include <frame/baselib/textcolors.h>

namespace vek {

namespace {

void SetPen(TCanvas* canvas, TColor color)
{
    TPen* pen = canvas->Pen();
    pen->SetColor(color);
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
}

void SetBrush(TCanvas* canvas, TColor color)
{
    canvas->Brush()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
}

} // namespace

void TMarkSel::Paint()
{
    const int W = Width();
    const int H = Height();
    const marksel::TMarkLayout layout = d->Layout();
    const Private::TPaintColors colors = d->PaintColors();
    PrepareOffscreen(d->face);
    d->face.SetSize(W, H);
    TCanvas* fc = d->face.Canvas();
    SetPen(fc, colors.BackGnd);
    SetBrush(fc, colors.BackGnd);
    fc->Rectangle(0, 0, W, H);
    for (int slot = 0; slot < layout.ShownCount(); ++slot)
        d->PaintCell(fc, layout, layout.MarkAt(slot), colors);
    DrawFrame(fc, d->frameStyle, 0, 0, W - 1, H - 1, clWhite, clSilver, clGray, clBlack,
              colors.Marks);

    TCanvas* canvas = Canvas();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->Draw(0, 0, &d->face);
    // The highlight stays on its mark through a repaint, at the mark's new place, unless
    // the mark is no longer shown.
    if (!layout.IsShown(d->highlighted))
        d->highlighted = marksel::NoMark;
    else
        d->DrawHighlight(layout, d->highlighted);
    if (OnPaint)
        OnPaint(this);
}

TMarkSel::Private::TPaintColors TMarkSel::Private::PaintColors() const
{
    if (!q->isEnabled())
        return {clGray, clSilver, clGray, 0xDEDEDE};
    const TTextColors marks = PairedTextColors(colors.Marks, colors.BackGnd);
    const TTextColors selection = PairedTextColors(colors.SelFG, colors.SelBG);
    return {marks.Text, marks.Background, selection.Text, selection.Background};
}

// The face is filled with the background already; only the selected mark gets a box.
void TMarkSel::Private::PaintCell(TCanvas* canvas, const marksel::TMarkLayout& layout,
                                  int mark, const TPaintColors& colors)
{
    if (mark == selected) {
        SetPen(canvas, colors.SelFG);
        SetBrush(canvas, colors.SelBG);
        canvas->Rectangle(layout.CellRect(mark));
    } else {
        SetPen(canvas, colors.Marks);
        SetBrush(canvas, colors.BackGnd);
    }
    DrawSymbol(canvas, layout, mark);
}

// In the pen's color; open symbols are filled with the brush.
void TMarkSel::Private::DrawSymbol(TCanvas* canvas, const marksel::TMarkLayout& layout,
                                   int mark)
{
    if (mark == 0 && zeroAsCross) {
        for (const auto& [from, to] : layout.CrossStrokes(mark)) {
            canvas->MoveTo(from.x(), from.y());
            canvas->LineTo(to.x(), to.y());
        }
        return;
    }
    const TPoint centre = layout.SymbolCentre(mark);
    DrawMarkOnCanvas(canvas, mark, centre.x(), centre.y());
}

void TMarkSel::Private::DrawHighlight(const marksel::TMarkLayout& layout, int mark)
{
    const TTextColors look = PairedTextColors(colors.HiLiteSymbol, colors.HiLiteBG);
    TCanvas* canvas = q->Canvas();
    SetPen(canvas, look.Background);
    SetBrush(canvas, look.Background);
    canvas->Rectangle(layout.HighlightRect(mark));
    SetPen(canvas, look.Text);
    DrawSymbol(canvas, layout, mark);
}

void TMarkSel::Private::RestoreHighlighted(const marksel::TMarkLayout& layout)
{
    const TRect cell = layout.CellRect(highlighted);
    TCanvas* canvas = q->Canvas();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->CopyRect(cell, face.Canvas(), cell);
}

} // namespace vek
