// TNTabEd pixels: every cell compared whole with the text drawn at its place in its
// colors: the corner's position text, highlighted headers of the current column and
// row, marking and selection colors, the restyling event, dark palettes and the
// disabled look; OptimizeRowHeight.
#include "ntabed_fixture.h"

#include "scoped_palette.h"

#include <frame/baselib/textcolors.h>

using namespace vek;
using namespace ntabedtest;

namespace {

// A cell without the one-pixel bevel the grid draws around header cells.
TRect Inner(const TRect& r) { return TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1); }

// Header texts stop two pixels short of the cell's right edge.
TRect HeaderBox(const TRect& r) { return TRect(r.Left + 1, r.Top + 1, r.Right - 3, r.Bottom - 1); }

// Fixed colors everywhere, as the original defaults had them, so that no text color is
// paired with another background.
void UseFixedColors(TNTabEd& tab)
{
    tab.SetColorBackground(0xFFFFFF);
    tab.SetColorFixed(0xE0E0E0);
    tab.SetColorNormal(0x002000);
    tab.SetColorSelected(0x0000C0);
}

} // namespace

TEST_F(Editor, CornerShowsTheCurrentCellInDataIndices)
{
    tab.SetSelection({3, 4, 4, 4}); // grid cells: data column 2..3 of row 4
    tab.SetAttribColVisible(true); // the selection stays on its data cells
    const QImage image = vektest::Render(&tab);
    const TRect corner = Cell(0, 0);
    // The text sits at (3, 2) of the whole cell; the grid's bevel frames it.
    EXPECT_EQ(Part(image, Inner(corner)),
              Part(ReferenceCell(tab, corner, {"2:4", clWindowText, clWindow, {}, 3, 2}),
                   TRect(1, 1, corner.Width() - 1, corner.Height() - 1)));
}

TEST_F(Editor, HeadersOfTheCurrentColumnAndRowAreHighlighted)
{
    UseFixedColors(tab);
    tab.SetAttribColVisible(true);
    tab.SetColName(1, "Time");
    tab.SetColName(2, "Flow");
    tab.SetRowName(2, "Run 2");
    tab.SetRowAttrib(2, 17);
    tab.SetColAttrib(2, 200);
    tab.SetSelection({3, 3, 3, 3}); // data cell (2, 2)
    QImage image = vektest::Render(&tab);
    auto expect = [&](const TRect& box, const QString& text, TColor color, bool bold, int dy) {
        EXPECT_EQ(Part(image, box),
                  ReferenceCell(tab, box, {text, color, 0xE0E0E0, bold ? fsBold : TFontStyles(), 2, dy}))
            << text.toStdString();
    };
    expect(HeaderBox(Cell(2, 0)), "Flow", 0x0000C0, true, 1);
    expect(HeaderBox(Cell(1, 0)), "Time", 0x002000, false, 1);
    expect(HeaderBox(Cell(2, -1)), "200", 0x0000C0, true, 1);
    expect(HeaderBox(Cell(0, 2)), "Run 2", 0x0000C0, true, 0); // names sit one pixel higher
    expect(HeaderBox(Cell(-1, 2)), "17", 0x0000C0, true, 1);
    expect(HeaderBox(Cell(0, 1)), "", 0x002000, false, 0);
    expect(HeaderBox(Cell(0, -1)), "Attribute", 0x002000, false, 1);
    expect(HeaderBox(Cell(-1, 0)), "Attrib", 0x002000, false, 1);
    // Without BoldSelHeads the highlight is the color alone.
    tab.SetBoldSelHeads(false);
    image = vektest::Render(&tab);
    expect(HeaderBox(Cell(2, 0)), "Flow", 0x0000C0, false, 1);
}

TEST_F(Editor, MarkedCellsTakeTheirColorsWhateverTheyHold)
{
    tab.SetSelection({4, 4, 4, 4}); // data cell (3, 4), out of the way
    tab.SetElem(1, 1, 2.5);
    tab.SetElemMarkedA(1, 1, true);
    tab.SetElemMarkedB(2, 1, true);
    tab.SetElemMarkedA(3, 1, true);
    tab.SetElemMarkedB(3, 1, true);
    tab.Data()->SetCellState(1, 2, dtsNotANumber | dtsMarkedB);
    tab.Data()->SetCellState(2, 2, dtsEmpty | dtsMarkedA);
    QImage image = vektest::Render(&tab);
    // Fixed marking colors stand on a fixed light face, not on the palette's window.
    const TColor face = PairedTextColors(tab.ColorMarkedA(), clWindow).Background;
    EXPECT_EQ(face, TColor(0xF0F0F0));
    auto expect = [&](int C, int R, const QString& text, TColor color, TFontStyles style) {
        const TRect box = Cell(C, R);
        EXPECT_EQ(Part(image, box), ReferenceCell(tab, box, {text, color, face, style}))
            << C << ":" << R;
    };
    expect(1, 1, "2.500", 0x0000FF, fsBold);
    expect(2, 1, "0.000", 0xFF0000, fsBold);
    expect(3, 1, "0.000", 0xCC00BB, fsBold);
    expect(1, 2, "-nan-", 0xFF0000, fsBold);
    expect(2, 2, "", 0x0000FF, fsBold);
    tab.SetBoldMarks(false);
    image = vektest::Render(&tab);
    expect(1, 1, "2.500", 0x0000FF, {});
}

TEST_F(Editor, SelectedCellsTakeTheRangeColorsAndMarksKeepTheirs)
{
    tab.SetElemMarkedA(2, 3, true);
    tab.SetSelection({3, 2, 4, 3}); // data cells (2..3, 2..3); (3, 3) is current
    const QImage image = vektest::Render(&tab);
    auto expect = [&](int C, int R, TColor color, TColor background, TFontStyles style) {
        const TRect box = Cell(C, R);
        EXPECT_EQ(Part(image, box), ReferenceCell(tab, box, {"0.000", color, background, style}))
            << C << ":" << R;
    };
    expect(2, 2, 0x80552C, 0xF8E8E0, {});
    expect(3, 3, 0x80552C, 0xF8E8E0, {}); // the current cell too
    expect(2, 3, 0x0000FF, 0xF8E8E0, fsBold);
    expect(1, 2, clWindowText, clWindow, {});
}

TEST_F(Editor, BeforeRenderCellRestylesADataCell)
{
    tab.SetSelection({4, 4, 4, 4});
    tab.SetElem(2, 3, 4);
    int calls = 0;
    tab.OnBeforeRenderCell = [&](TObject* sender, int C, int R, QString& text, TColor& color,
                                 TColor& background, TFontStyles& style) {
        EXPECT_EQ(sender, &tab);
        ++calls;
        if (C != 2 || R != 3)
            return;
        EXPECT_EQ(text, "4.000");
        EXPECT_EQ(color, TColor(clWindowText));
        text = "four";
        color = 0x00FFFF;
        background = 0x800000;
        style = fsItalic;
    };
    const QImage image = vektest::Render(&tab);
    EXPECT_EQ(calls, 12); // every data cell, and nothing else
    const TRect box = Cell(2, 3);
    EXPECT_EQ(Part(image, box), ReferenceCell(tab, box, {"four", 0x00FFFF, 0x800000, fsItalic}));
}

TEST_F(Editor, DarkPalettesGiveADarkTableWithLegibleMarks)
{
    const vektest::ScopedPalette dark(vektest::DarkPalette());
    TNTabEd darkTab;
    darkTab.resize(560, 260);
    darkTab.SetSelection({4, 4, 4, 4});
    darkTab.SetElemMarkedB(1, 1, true);
    const QImage image = vektest::Render(&darkTab);
    const TRect plain = darkTab.CellRect(2, 2), marked = darkTab.CellRect(2, 1);
    EXPECT_EQ(Part(image, plain), ReferenceCell(darkTab, plain, {"0.000", clWindowText, clWindow}));
    EXPECT_LT(RelativeLuminance(clWindow), 0.2);
    EXPECT_EQ(Part(image, marked), ReferenceCell(darkTab, marked, {"0.000", 0xFF0000, 0xF0F0F0, fsBold}));
}

TEST_F(Editor, DisabledEditorGraysItsTexts)
{
    UseFixedColors(tab);
    tab.SetSelection({4, 4, 4, 4});
    tab.setEnabled(false);
    const QImage image = vektest::Render(&tab);
    const TRect box = Cell(1, 1);
    EXPECT_EQ(Part(image, box),
              ReferenceCell(tab, box, {"0.000", DisabledTextColorOn(0xFFFFFF), 0xFFFFFF}));
}

TEST_F(Editor, OptimizeRowHeightFitsTheRowsToTheFontWhenPainting)
{
    tab.SetOptimizeRowHeight(true);
    vektest::Render(&tab);
    EXPECT_EQ(tab.DefaultRowHeight(), 14 + 2 + 2); // DejaVu Sans 12 px: 14 pixels a line
    EXPECT_EQ(tab.AutoRowHeight(1, 5), 14 + 5 + 2);
    EXPECT_EQ(tab.RowHeights(1), 21);
    EXPECT_EQ(tab.AutoRowHeight(1, -20), 8);
}
