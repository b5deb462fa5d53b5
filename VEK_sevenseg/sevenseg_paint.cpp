// TSevenSeg: painting the cells from the glyph cache.
#include "VEK_sevenseg.h"

#include "sevenseg_p.h"

#include <frame/canvas/bitmap.h>

namespace vek {

namespace sevenseg {

std::vector<CaptionCell> CaptionCells(const QString& caption)
{
    const auto isPoint = [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(','); };
    std::vector<CaptionCell> cells;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (isPoint(c)) {
            // A point with no character before it takes a cell of its own. The cache has
            // one point-only glyph, filed under ".", which stands for "," as well.
            cells.push_back({QLatin1Char('.'), false});
            continue;
        }
        const bool point = i + 1 < caption.size() && isPoint(caption.at(i + 1));
        if (point)
            ++i;
        cells.push_back({c, point});
    }
    return cells;
}

} // namespace sevenseg

void TSevenSeg::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    const int W = Width();
    const int H = Height();
    TBitmap face(W, H);
    PrepareOffscreen(face);
    TCanvas* canvas = face.Canvas();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetColor(d->colorBackGnd);
    canvas->FillRect(TRect(0, 0, W, H));
    if (EnsureCache())
        PaintCells(canvas, CellWidth(), CacheHeight());
    DrawFrame(canvas, d->frameStyle, 0, 0, W - 1, H - 1, 0xFFFFFF, 0xC0C0C0, 0x808080, clBlack,
              clBlack);
    Canvas()->SetCopyMode(cmSrcCopy);
    Canvas()->Draw(0, 0, &face);
}

void TSevenSeg::PaintCells(TCanvas* canvas, int cw, int ch)
{
    const int margin = d->margin;
    const int bottom = Height() - margin;
    const int pointCell = sevenseg::CellCount - 1;
    const std::vector<sevenseg::CaptionCell> cells = sevenseg::CaptionCells(d->caption);
    const int shown = std::min(int(cells.size()), d->numDigits);
    for (int j = 0; j < shown; ++j) {
        const int x = j * (cw + d->interDigDist) + margin;
        const int k = sevenseg::CellIndexOf(cells[size_t(j)].ch);
        if (k >= 0)
            canvas->StretchBlt(TRect(x, margin, x + cw, bottom), d->cache.Cells(k),
                               TRect(k * cw, 0, (k + 1) * cw, ch), cmSrcCopy);
        if (cells[size_t(j)].point)
            canvas->StretchBlt(TRect(x + cw * 5 / 6, margin + ch * 5 / 6, x + cw, bottom),
                               d->cache.Cells(pointCell),
                               TRect(pointCell * cw + cw * 5 / 6, ch * 5 / 6, (pointCell + 1) * cw, ch),
                               cmSrcCopy);
    }
}

} // namespace vek
