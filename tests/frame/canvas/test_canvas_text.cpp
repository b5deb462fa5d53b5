// Text: cell placement, measuring, background fill, clipping and rotation.
#include "canvas_fixture.h"

using namespace vek;
using vektest::Fill;

namespace {

class TextTest : public ::testing::Test {
protected:
    TBitmap bitmap{80, 80};
    TCanvas* canvas = bitmap.Canvas();

    void SetUp() override
    {
        canvas->Font()->SetName("DejaVu Sans");
        canvas->Font()->SetHeight(-12);
        canvas->Font()->SetColor(clBlack);
        canvas->Brush()->SetColor(clYellow);
    }
    QRect InkOtherThan(TColor background)
    {
        return vektest::InkBounds(bitmap.Image(), bitmap.Image().rect(), background);
    }
    QRect Cell(int x, int y, const QString& text)
    {
        return QRect(x, y, canvas->TextWidth(text), canvas->TextHeight(text));
    }
};

} // namespace

TEST_F(TextTest, MeasuresTheFixedTestFont)
{
    EXPECT_EQ(canvas->TextHeight("(8g]}"), 14);
    EXPECT_EQ(canvas->TextWidth("12.34"), 34);
    EXPECT_EQ(canvas->TextExtent("12.34"), QSize(34, 14));
    EXPECT_EQ(canvas->TextWidth(""), 0);
}

TEST_F(TextTest, TextOutFillsExactlyTheCellWithTheBrush)
{
    canvas->TextOut(5, 7, "Hg");
    const QRect cell = Cell(5, 7, "Hg");
    EXPECT_EQ(InkOtherThan(clWhite), cell);
    EXPECT_EQ(canvas->Pixels(cell.left(), cell.top()), clYellow);
    EXPECT_EQ(canvas->Pixels(cell.right(), cell.bottom()), clYellow);
}

TEST_F(TextTest, TextOutPutsTheGlyphsInsideTheCellBelowItsTopLeftCorner)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(5, 7, "Hg");
    const QRect ink = InkOtherThan(clWhite);
    EXPECT_TRUE(Cell(5, 7, "Hg").contains(ink));
    // The capital's top lies a few pixels below the cell top (internal leading), the
    // descender of the g reaches into the descent below the baseline at y + 11.
    EXPECT_GT(ink.top(), 7);
    EXPECT_GT(ink.bottom(), 7 + 11);
    EXPECT_LE(ink.left(), 7);
}

TEST_F(TextTest, TextOutWithClearBrushLeavesTheBackground)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(5, 7, "Hg");
    EXPECT_EQ(canvas->Pixels(5, 7), clWhite);
    EXPECT_EQ(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clYellow), 0);
}

TEST_F(TextTest, TextOutWithHatchedBrushStillFillsTheCellOpaque)
{
    canvas->Brush()->SetStyle(bsDiagCross);
    canvas->TextOut(5, 7, "Hg");
    EXPECT_EQ(InkOtherThan(clWhite), Cell(5, 7, "Hg"));
}

TEST_F(TextTest, TextOutMovesThePenBehindTheText)
{
    canvas->TextOut(5, 7, "12.34");
    EXPECT_EQ(canvas->PenPos(), TPoint(5 + 34, 7));
}

TEST_F(TextTest, TextRectFillsTheRectangleAndClipsTheText)
{
    canvas->TextRect(TRect(10, 10, 30, 20), 12, 8, "WWWWWWWWWW");
    EXPECT_EQ(InkOtherThan(clWhite), QRect(QPoint(10, 10), QPoint(29, 19)));
    EXPECT_EQ(canvas->Pixels(10, 10), clYellow);
    EXPECT_GT(vektest::CountColor(bitmap.Image(), QRect(10, 10, 20, 10), clYellow), 0);
    EXPECT_LT(vektest::CountColor(bitmap.Image(), QRect(10, 10, 20, 10), clYellow), 200);
}

TEST_F(TextTest, TextRectWithClearBrushOnlyClips)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(TRect(10, 10, 30, 20), 12, 8, "WWWWWWWWWW");
    const QRect ink = InkOtherThan(clWhite);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(QPoint(10, 10), QPoint(29, 19)).contains(ink));
}

TEST_F(TextTest, FontColorIsUsedForTheGlyphs)
{
    canvas->Font()->SetColor(clRed);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetStyle(fsBold);
    canvas->TextOut(5, 7, "HHH");
    EXPECT_GT(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clRed), 10);
    EXPECT_EQ(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clBlack), 0);
}

TEST_F(TextTest, TextRotatedByNinetyDegreesRunsUpwardFromTheReferencePoint)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetOrientation(900);
    canvas->TextOut(20, 70, "Hello");
    const QRect ink = InkOtherThan(clWhite);
    const int width = canvas->TextWidth("Hello"), height = canvas->TextHeight("Hello");
    // The cell turns about its top-left corner: it now lies right of x and above y.
    EXPECT_TRUE(QRect(20, 70 - width, height, width).contains(ink));
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GT(ink.height(), width - 6);
}

TEST_F(TextTest, RotatedTextFillsTheRotatedCell)
{
    canvas->Font()->SetOrientation(900);
    canvas->TextOut(20, 70, "Hello");
    const int width = canvas->TextWidth("Hello"), height = canvas->TextHeight("Hello");
    EXPECT_EQ(InkOtherThan(clWhite), QRect(20, 70 - width, height, width));
}

TEST_F(TextTest, TextRespectsTheClipRect)
{
    canvas->IntersectClipRect(TRect(0, 0, 12, 80));
    canvas->TextOut(5, 7, "WWWW");
    EXPECT_EQ(InkOtherThan(clWhite), QRect(QPoint(5, 7), QPoint(11, 7 + 13)));
}

// Texts are laid out once and kept; what is drawn must still be what a plain drawText
// gives, including texts a single layout run can't hold.
TEST_F(TextTest, KeptLayoutsDrawWhatDrawTextDraws)
{
    for (const QString& text : {QStringLiteral("-12.345E+03"), QStringLiteral("a\tb")}) {
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect(0, 0, 80, 80));
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(3, 4, text);
        canvas->TextOut(3, 30, text); // the second time from the kept layout
        QImage expected(bitmap.Image().size(), bitmap.Image().format());
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.setFont(canvas->Font()->ToQFont());
        p.setPen(Qt::black);
        const int ascent = QFontMetrics(p.font()).ascent();
        p.drawText(QPoint(3, 4 + ascent), text);
        p.drawText(QPoint(3, 30 + ascent), text);
        p.end();
        EXPECT_EQ(bitmap.Image().convertToFormat(expected.format()), expected) << text.toStdString();
    }
}

TEST_F(TextTest, EachFontKeepsItsOwnWidths)
{
    const int plain = canvas->TextWidth("WWW");
    canvas->Font()->SetStyle(fsBold);
    const int bold = canvas->TextWidth("WWW");
    EXPECT_GT(bold, plain);
    canvas->Font()->SetStyle({});
    canvas->Font()->SetColor(clRed);
    EXPECT_EQ(canvas->TextWidth("WWW"), plain);
    canvas->Font()->SetStyle(fsBold);
    EXPECT_EQ(canvas->TextWidth("WWW"), bold);
}

// Canvases of bitmaps made for one paint take over what earlier ones measured, each in
// its own font.
TEST_F(TextTest, NewCanvasesMeasureInTheirOwnFontAfterOthersMeasuredTheText)
{
    for (const int height : {10, 20, 10, 13}) {
        TBitmap scratch(50, 20);
        TFont* font = scratch.Canvas()->Font();
        font->SetHeight(height);
        font->SetStyle(height == 13 ? TFontStyles(fsBold) : TFontStyles());
        EXPECT_EQ(scratch.Canvas()->TextWidth("WWW"),
                  QFontMetrics(font->ToQFont()).horizontalAdvance("WWW"))
            << height;
        EXPECT_EQ(scratch.Canvas()->TextHeight("W"), QFontMetrics(font->ToQFont()).height());
    }
}

// A grid fills a cell and then draws its text on the same color; the text's own fill is
// left out only when nothing was drawn in between.
TEST_F(TextTest, TextRectFillsAgainAfterOtherDrawingOnTheCell)
{
    const TRect box(10, 10, 40, 30);
    canvas->FillRect(box);
    canvas->Painter()->fillRect(QRect(10, 10, 30, 20), Qt::blue);
    canvas->Changed();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Brush()->SetColor(clYellow);
    canvas->TextRect(box, 12, 12, "1");
    EXPECT_EQ(canvas->Pixels(38, 28), clYellow);

    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(box);
    canvas->Brush()->SetColor(clYellow);
    canvas->TextRect(box, 12, 12, "1");
    EXPECT_EQ(canvas->Pixels(38, 28), clYellow);
}
