// TNTabEd painting: the grid paints its visible cells, each through DrawCell: data cells
// from the table, header cells with names and attributes (the current column's and
// row's highlighted), and the corner with the current cell's position.
#include "ntabed_p.h"

#include <frame/baselib/textcolors.h>

namespace vek {

namespace {

constexpr quint8 MarkBits = dtsMarkedA | dtsMarkedB;

// Header cells keep a pixel free on every side, where the grid draws their bevel.
TRect Shrunk(TRect r)
{
    if (r.Height() > 0) {
        ++r.Top;
        --r.Bottom;
    }
    if (r.Width() > 0) {
        ++r.Left;
        --r.Right;
    }
    return r;
}

} // namespace

// The height is fitted before the cells are painted, so that one paint shows them at
// their new height.
void TNTabEd::Paint()
{
    if (d->Suppressed())
        return;
    if (d->optimizeRowHeight)
        d->FitDefaultRowHeight();
    // Each Canvas() call checks the back buffer against the screen; the cells take it
    // from here.
    d->canvas = Canvas();
    TCustomGrid::Paint();
    d->DrawHeaderOutline();
}

void TNTabEd::DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State)
{
    if (ACol > d->colOffset && ARow > d->rowOffset)
        d->DrawDataCell(ACol, ARow, Rect, State);
    else if (ACol == 0 && ARow == 0)
        d->DrawCorner(Rect);
    else
        d->DrawHeaderCell(ACol, ARow, Shrunk(Rect));
}

void TNTabEd::Private::DrawText(const TRect& r, int dx, int dy, const QString& text,
                                TColor color, TColor background)
{
    TTextColors colors = PairedTextColors(color, background);
    if (!q->Enabled())
        colors.Text = DisabledTextColorOn(colors.Background);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(colors.Background);
    canvas->Font()->SetColor(colors.Text);
    canvas->TextRect(r, r.Left + dx, r.Top + dy, text);
}

// ---- data cells

QString TNTabEd::Private::CellText(int C, int R, quint8 state) const
{
    if (state & dtsEmpty)
        return QString();
    if (state & dtsNotANumber)
        return QStringLiteral("-nan-");
    const double value = table->GetElem(C, R);
    const quint8 scale = table->GetMScaleType(C);
    if (scale == mstNominal || scale == mstOrdinal)
        return ntabed::NominalText(*table, C, value);
    return FormatCellNumber(value, numWidth, ShownPrecision(C));
}

void TNTabEd::Private::DrawDataCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State)
{
    const int C = ACol - colOffset, R = ARow - rowOffset;
    const quint8 state = table->GetCellState(C, R);
    const bool selected = State & gdSelected;
    QString text = CellText(C, R, state);
    TColor color = selected ? colorRangeSelFG : colorNormal;
    TColor background = selected ? colorRangeSelBG : q->Color();
    TFontStyles style = q->Font()->Style();
    if (const quint8 marks = state & MarkBits) {
        color = marks == dtsMarkedA ? colorMarkedA : marks == dtsMarkedB ? colorMarkedB
                                                                         : colorMarkedBoth;
        if (boldMarks)
            style |= fsBold;
    }
    if (q->OnBeforeRenderCell)
        q->OnBeforeRenderCell(q, C, R, text, color, background, style);
    canvas->Font()->SetStyle(style);
    DrawText(Rect, 2, 1, text, color, background);
}

// ---- header cells

void TNTabEd::Private::DrawHeaderText(const TRect& r, int dx, int dy, const QString& text,
                                      bool highlighted)
{
    TFont* font = canvas->Font();
    const TFontStyles plain = q->Font()->Style();
    font->SetStyle(highlighted && boldSelHeads ? plain | fsBold : plain);
    DrawText(r, dx, dy, text, highlighted ? colorSelected : colorNormal, q->FixedColor());
    font->SetStyle(plain);
}

// r is the cell without its bevel. Row headers: the name and the attribute of a data
// row; the header rows: "Attrib" over the attribute column, "Attribute" beside the
// attribute row, and each data column's name and attribute. The current row's and
// column's headers are highlighted.
void TNTabEd::Private::DrawHeaderCell(int ACol, int ARow, TRect r)
{
    const TGridRect selection = q->Selection();
    if (ARow > rowOffset) {
        const int R = ARow - rowOffset;
        const bool current = ARow == selection.Top;
        r.Right -= 2;
        if (ACol == 0)
            DrawHeaderText(r, 2, 0, table->GetRowName(R), current);
        else
            DrawHeaderText(r, 2, 1, QString::number(table->GetRowAttrib(R)), current);
        return;
    }
    const bool current = ACol == selection.Left;
    if (ACol > colOffset) {
        const int C = ACol - colOffset;
        r.Right -= 2;
        const bool attributeRow = rowOffset == 1 && ARow == 1;
        DrawHeaderText(r, 2, 1,
                       attributeRow ? QString::number(table->GetColAttrib(C)) : table->GetColName(C),
                       current);
    } else if (ARow == 0) // ACol is the attribute column
        DrawHeaderText(r, 2, 1, TNTabEd::tr("Attrib"), false);
    else if (ACol == 0) // the attribute row; where it meets the attribute column is blank
        DrawHeaderText(r, 2, 1, TNTabEd::tr("Attribute"), false);
}

// The current cell (the selection's top-left corner) as "column:row" in data indices;
// while the comment is edited, a label in the comment editor's colors.
void TNTabEd::Private::DrawCorner(const TRect& Rect)
{
    if (ui.commentOpen) {
        canvas->Font()->SetStyle(q->Font()->Style());
        DrawText(Rect, 2, 1, TNTabEd::tr("Comment:"), clWhite, ntabed::CommentColor);
        return;
    }
    const TGridRect selection = q->Selection();
    const QString text = QString::number(selection.Left - colOffset) + ":" +
                         QString::number(selection.Top - rowOffset);
    canvas->Font()->SetStyle(q->Font()->Style());
    DrawText(Rect, 3, 2, text, colorNormal, clWindow);
}

} // namespace vek
