// TReportListView painting: data cells (bands, selection, highlight, disabled rows,
// password masking, truncation, check marks), the header rows, the empty-list message and
// the indicator line between rows.
#include "replist_p.h"

#include <frame/runtime/rtl.h>

namespace vek {

// Check marks take this much room at the left of a check cell.
static constexpr int CheckRoom = 16;

void TReportListView::Paint()
{
    if (d->suppressPaint)
        return;
    FollowData();
    TCustomDrawGrid::Paint();
    if (NrOfShownRows() == 0)
        PaintEmptyMessage();
    PaintInterRowIndicator();
}

// The empty message and the indicator line are placed in the coordinates of the cell
// area, whose origin lies inside the border.
void TReportListView::PaintEmptyMessage()
{
    TCanvas* canvas = Canvas();
    const TRect client = GridClientRect();
    int top = 0;
    for (int r = 0; r < CountHeadRows(); ++r)
        top += TCustomGrid::RowHeights(r) + 1;
    canvas->Pen()->SetColor(Color());
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(TRect(client.Left, client.Top + top, client.Right, client.Bottom));
    if (d->emptyMsg.isEmpty())
        return;
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(d->colorEmptyMsg);
    const int h = canvas->TextHeight(d->emptyMsg);
    const QStringList lines = d->emptyMsg.split('|');
    const int v = top - int(lines.size()) * h;
    for (int i = 0; i < lines.size(); ++i)
        canvas->TextOut(client.Left + (client.Width() - canvas->TextWidth(lines[i])) / 2,
                        client.Top + v + (client.Height() - v - h) / 2 + i * h - 2, lines[i]);
}

void TReportListView::PaintInterRowIndicator()
{
    const int h = CountHeadRows(), top = TCustomGrid::TopRow();
    // The line lies above the grid row of data row p (below the last row for p beyond).
    const int p = d->interRowIndi;
    const int row = p == NrOfRows() + 1 ? h + NrOfShownRows() : GridRowOf(p);
    if (p == 0 || row < top)
        return;
    const TRect client = GridClientRect();
    int y = client.Top + (row - top) * (DefaultRowHeight() + 1);
    for (int r = 0; r < h; ++r)
        y += TCustomGrid::RowHeights(r);
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(d->interRowColor);
    canvas->Pen()->SetWidth(d->interRowWidth);
    canvas->MoveTo(client.Left, y);
    canvas->LineTo(client.Right, y);
    canvas->Pen()->SetWidth(1);
}

void TReportListView::DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State)
{
    Canvas()->Font()->Assign(Font());
    if (ARow >= FixedRows()) {
        DrawDataCell(ACol, ARow, Rect);
        if (State & gdFocused)
            DrawCellFocusMark(Rect);
    }
    else if (d->comHdVis && ARow == 0)
        DrawCommonHeader(Rect, HeaderBandRight());
    else
        DrawColumnHeader(d->colOrder[std::size_t(ACol)] + 1, Rect, HeaderBandRight());
    TCustomDrawGrid::DrawCell(ACol, ARow, Rect, State);
}

// ---- data cells

TReportListView::CellStyle TReportListView::DataCellStyle(int ARow, int dc, int dr) const
{
    const bool shaded = d->rowColPattern > 0 && ((ARow - FixedRows()) / d->rowColPattern) % 2 == 0;
    const TColor background = shaded ? d->rColorShaded : d->rColorNormal;
    CellStyle s{background, background, d->colorNormal, {}};
    auto use = [&s](TColor brush, TColor font) {
        s.Pen = s.Brush = brush;
        s.Font = font;
    };
    if (Enabled()) {
        const bool rowSel = RowSelected(dr), colSel = ColumnSelected(dc);
        if (!RowEnabled(dr))
            use(d->disabledBkgdColor, d->disabledTextColor);
        else {
            if (rowSel && colSel)
                use(d->selBothColor, d->selBothTextColor);
            else if (colSel)
                use(d->selColColor, d->selColTextColor);
            else if (rowSel)
                use(d->selRowColor, d->selRowTextColor);
            if (dr == d->hiLgtRow || dc == d->hiLgtColumn) {
                use(d->hiLgtColor, d->hiLgtTextColor);
                if (d->hiLgtBold)
                    s.Styles = fsBold;
            }
        }
    }
    return s;
}

// Shortens Text to fit `room` pixels: the head and "..." (or, right aligned, the first
// character, "..." and the tail). `slack` is the number of characters given up for "...".
static QString Shortened(const QString& Text, int room, int measured,
                         int slack, bool rightAligned)
{
    const int n = std::max<qint64>(1, Round(double(Text.size()) * room / measured - slack));
    return rightAligned ? Text.left(1) + "..." + Text.right(n) : Text.left(n) + "...";
}

void TReportListView::DrawDataCell(int ACol, int ARow, const TRect& Rect)
{
    TCanvas* canvas = Canvas();
    const int dc = DataColumnAt(ACol), dr = DataRowAt(ARow);
    const bool fixedCol = ACol < FixedCols();
    TRect b = Rect;
    if (!fixedCol) {
        b.Right += (Options() & goVertLine) ? 0 : 1;
        b.Bottom += (Options() & goHorzLine) ? 0 : 1;
    }
    TRect t(Rect.Left + 4, Rect.Top + 2, Rect.Right - 5, Rect.Bottom);
    const TCheckMode mode = d->data->ColumnCheckMode(dc);
    const TAlignment align = ColumnAlignment(dc);
    QString text = d->data->Strings->GetString(dc, dr);
    if (ColumnIsPwd(dc))
        text = "******";
    CellStyle s = DataCellStyle(ARow, dc, dr);
    if (fixedCol)
        s.Pen = s.Brush = ColorColumnHd();
    if (!Enabled())
        s.Font = clInactiveCaption;
    if (OnBeforeRenderCell)
        OnBeforeRenderCell(this, dc, dr, s.Pen, s.Brush, s.Font, s.Styles, text);
    canvas->Font()->SetStyle(s.Styles);
    canvas->Font()->SetColor(s.Font);
    canvas->Brush()->SetColor(s.Brush);

    const int room = ColWidths(dc) - (mode != cmNone ? CheckRoom : 0) - 9;
    const int measured = canvas->TextWidth(text.mid(1));
    if (room < measured && measured > 0)
        text = Shortened(text, room, measured, 4, align == taRightJustify);

    canvas->Pen()->SetColor(s.Brush);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(b);
    canvas->Pen()->SetColor(s.Pen);

    const bool italic = Font()->Style() & fsItalic;
    auto writeText = [&](const QString& value) {
        // Left-aligned text needs no measuring, which saves a text layout per cell.
        int x = t.Left;
        if (align != taLeftJustify) {
            const int w = canvas->TextWidth(value) + (italic ? 2 : 0);
            x = align == taRightJustify ? t.Right - w : (t.Left + t.Right) / 2 - w / 2;
        }
        canvas->TextRect(t, x, t.Top - 1, value);
    };
    if (mode == cmNone)
        writeText(text);
    else if (text.size() > 1 || d->showEmptyCBx) {
        t.Left += CheckRoom;
        const bool checked = !text.isEmpty() && text[0] != ' ';
        writeText(text.mid(1));
        DrawCheckMark(b, mode, checked, !RowEnabled(dr), s);
    }
    if (fixedCol)
        DrawBevel(b.Left, b.Top, b.Right, b.Bottom);
}

void TReportListView::DrawCheckMark(const TRect& B, TCheckMode mode, bool checked,
                                    bool disabledRow, const CellStyle& style)
{
    TCanvas* canvas = Canvas();
    const TColor inactive = clInactiveCaption;
    if (!d->roCheckMarks) {
        canvas->Pen()->SetColor(disabledRow ? style.Pen
                                            : (Enabled() ? TColor(clBtnShadow) : inactive));
        if (mode == cmRadio)
            canvas->Ellipse(B.Left + 4, B.Top + 4, B.Left + 15, B.Top + 15);
        else
            canvas->Rectangle(B.Left + 4, B.Top + 4, B.Left + 15, B.Top + 15);
    }
    canvas->Pen()->SetColor(Enabled() ? style.Font : inactive);
    if (!checked)
        return;
    auto line = [canvas, &B](int x0, int y0, int x1, int y1) {
        canvas->MoveTo(B.Left + x0, B.Top + y0);
        canvas->LineTo(B.Left + x1, B.Top + y1);
    };
    if (mode == cmRadio) {
        line(8, 7, 11, 7);
        for (int y = 8; y <= 10; ++y)
            line(7, y, 12, y);
        line(8, 11, 11, 11);
    } else
        for (int k = 0; k < 3; ++k) {
            line(6, k + 8, 9, k + 11);
            line(8, k + 10, 13, k + 5);
        }
}

void TReportListView::DrawBevel(int Left, int Top, int Right, int Bottom)
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(Left, Bottom - 1);
    canvas->LineTo(Left, Top);
    canvas->LineTo(Right, Top);
    canvas->Pen()->SetColor(clGray);
    canvas->MoveTo(Left + 1, Bottom - 1);
    canvas->LineTo(Right - 1, Bottom - 1);
    canvas->LineTo(Right - 1, Top);
}

// ---- header rows

// The right end of the header band: the right edge of the last visible column.
int TReportListView::HeaderBandRight() const
{
    int right = 0;
    for (int c = TCustomGrid::LeftCol(); c < NrOfColumns(); ++c) {
        const TRect cell = CellRect(c, 0);
        if (cell.IsEmpty())
            break;
        right = cell.Right;
    }
    return right;
}

void TReportListView::DrawCommonHeader(const TRect& Rect, int R)
{
    TCanvas* canvas = Canvas();
    const int left = GridClientRect().Left; // the band starts at the cell area's edge
    const TRect t(Rect.Left + 4, Rect.Top + 2, Rect.Right - 5, Rect.Bottom);
    canvas->Font()->SetColor(d->comHdTxtColor);
    canvas->Brush()->SetColor(d->comHdColor);
    const QString header = CommonHeader();
    const int h1 = canvas->TextHeight(header);
    const QStringList lines = header.split(QChar(10));
    for (int i = 0; i < lines.size(); ++i) {
        const int w = canvas->TextWidth(lines[i]);
        int x = left + 4;
        if (d->headerAlignment == taRightJustify)
            x = R - w - 5;
        else if (d->headerAlignment == taCenter)
            x = left + (R - left) / 2 - w / 2;
        const int y = t.Top + i * h1;
        const TRect clip = i == 0 ? TRect(left, Rect.Top, R, Rect.Bottom)
                                  : TRect(left, y, R, std::min(y + h1, Rect.Bottom));
        canvas->TextRect(clip, x, y, lines[i]);
    }
    DrawBevel(left, Rect.Top, R, Rect.Bottom);
    canvas->Pen()->SetColor(clGray);
    canvas->MoveTo(R - 1, Rect.Bottom - 1);
    canvas->LineTo(R - 1, Rect.Top);
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(R, Rect.Bottom - 1);
    canvas->LineTo(R, Rect.Top - 1);
}

void TReportListView::DrawColumnHeader(int dc, const TRect& Rect, int R)
{
    TCanvas* canvas = Canvas();
    const TRect t(Rect.Left + 4, Rect.Top + 2, Rect.Right - 5, Rect.Bottom);
    canvas->Brush()->SetColor(ColorColumnHd());
    canvas->Font()->SetColor(d->colHdTxtColor);
    const QString name = d->data->Header(dc);
    const bool sorted = dc == d->data->LastSortColumn();
    const int a = sorted ? 13 : 0, w = ColWidths(dc);
    const int h1 = canvas->TextHeight(name);
    const bool italic = Font()->Style() & fsItalic;
    const TAlignment align = ColumnAlignment(dc);
    const QStringList lines = name.split(QChar(10));
    int arrow = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        int width = canvas->TextWidth(line);
        if (width > w - a - 9 && width > 0) {
            line = Shortened(line, w - a - 9, width, 3, false);
            width = canvas->TextWidth(line);
        }
        width += italic ? 2 : 0;
        int x = t.Left;
        if (align == taRightJustify)
            x = t.Right - width;
        else if (align == taCenter)
            x = (t.Left + t.Right) / 2 - width / 2;
        const int y = t.Top + i * h1;
        const TRect clip = i == 0 ? Rect : TRect(Rect.Left, y, Rect.Right, std::min(y + h1, Rect.Bottom));
        canvas->TextRect(clip, x, y, line);
        if (i == 0)
            arrow = align == taLeftJustify    ? width + 10
                    : align == taRightJustify ? t.Right - t.Left - width - 11
                                              : (t.Right - t.Left) / 2 + width / 2 + 10;
    }
    if (sorted) {
        arrow = std::min(arrow, w - 11);
        const int m = h1 / 2, x = t.Left + arrow, y = t.Top + m;
        if (d->data->LastSortOrder()) {
            canvas->Pen()->SetColor(clGray);
            canvas->MoveTo(x - 4, y + 3);
            canvas->LineTo(x, y - 3);
            canvas->Pen()->SetColor(clWhite);
            canvas->LineTo(x + 4, y + 3);
            canvas->LineTo(x - 4, y + 3);
        } else {
            canvas->Pen()->SetColor(clWhite);
            canvas->MoveTo(x + 4, y - 3);
            canvas->LineTo(x, y + 3);
            canvas->Pen()->SetColor(clGray);
            canvas->LineTo(x - 4, y - 3);
            canvas->LineTo(x + 4, y - 3);
        }
    }
    DrawBevel(Rect.Left, Rect.Top, R, Rect.Bottom);
}

} // namespace vek
