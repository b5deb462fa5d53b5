// The built-in dot font, fonts rasterized from a TFont, and dot positions and spacing.
#include "rasterlab_fixture.h"

#include <frame/canvas/bitmap.h>

using namespace vek;
using namespace rasterlabtest;
using vektest::ColorAt;
using vektest::CountColor;
using vektest::RowPattern;

namespace {

std::vector<quint32> Rows(const TRDCharMatrix& font, char32_t code)
{
    return std::vector<quint32>(font.BitData[code].begin(), font.BitData[code].begin() + 12);
}

} // namespace

TEST(RasterLabFont, BuiltInFontHasTheSampleGlyphs)
{
    const TRDCharMatrix font = TRasterLab::CreateBitFont(nullptr);
    EXPECT_EQ(font.FontWidth, 7);
    EXPECT_EQ(font.FontHeight, 12);
    using R = std::vector<quint32>;
    EXPECT_EQ(Rows(font, 'A'), (R{0, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0, 0}));
    EXPECT_EQ(font.LeftMostBit['A'], 0);
    EXPECT_EQ(font.RightMostBit['A'], 6);
    EXPECT_EQ(Rows(font, '0'), (R{0, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0, 0}));
    EXPECT_EQ(font.LeftMostBit['0'], 1);
    EXPECT_EQ(font.RightMostBit['0'], 5);
    EXPECT_EQ(Rows(font, '.'), (R{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0, 0}));
    EXPECT_EQ(font.LeftMostBit['.'], 3);
    EXPECT_EQ(font.RightMostBit['.'], 3);
    EXPECT_EQ(Rows(font, ' '), R(12, 0));
    EXPECT_EQ(font.LeftMostBit[' '], 0);
    EXPECT_EQ(font.RightMostBit[' '], 6);
    for (int code = 0; code < 32; ++code)
        EXPECT_EQ(Rows(font, char32_t(code)), R(12, 0)) << code;
}

TEST(RasterLabFont, EveryPrintableCodeHasDotsWithinItsColumns)
{
    const TRDCharMatrix font = TRasterLab::CreateBitFont(nullptr);
    for (int code = 33; code <= 255; ++code) {
        if (code == 0xA0)
            continue; // no-break space
        quint32 all = 0;
        for (int r = 0; r < 32; ++r)
            all |= font.BitData[size_t(code)][size_t(r)];
        ASSERT_NE(all, 0u) << "code " << code;
        EXPECT_EQ(std::countr_zero(all), font.LeftMostBit[size_t(code)]) << code;
        EXPECT_EQ(31 - std::countl_zero(all), font.RightMostBit[size_t(code)]) << code;
        EXPECT_LT(all, 1u << 7) << code;
    }
    // Accented letters differ from their base letter and keep the descender rows free.
    for (auto [accented, base] : {std::pair{0xC4, 'A'}, {0xE9, 'e'}, {0xD1, 'N'}, {0xFC, 'u'}}) {
        EXPECT_NE(Rows(font, char32_t(accented)), Rows(font, char32_t(base)));
        EXPECT_EQ(font.BitData[size_t(accented)][11], 0u);
    }
    EXPECT_NE(font.BitData[0xE7][10] | font.BitData[0xE7][11], 0u) << "cedilla below c";
    EXPECT_NE(font.BitData['g'][11], 0u) << "descender";
}

TEST(RasterLabFont, DefaultInAnyCaseSelectsTheBuiltInFont)
{
    TFont font;
    font.SetName("DeFaUlT");
    EXPECT_TRUE(TRasterLab::CreateBitFont(&font) == TRasterLab::CreateBitFont(nullptr));
}

TEST(RasterLabFont, FontsAreRasterizedIntoDots)
{
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetHeight(-12);
    font.SetColor(clWhite); // the ink color must not matter
    const TRDCharMatrix bits = TRasterLab::CreateBitFont(&font);
    EXPECT_GT(bits.FontHeight, 8);
    EXPECT_LE(bits.FontHeight, 16);
    EXPECT_GE(bits.FontWidth, 5);
    EXPECT_LT(bits.LeftMostBit['I'], 4);
    EXPECT_EQ(bits.LeftMostBit[' '], 0);
    EXPECT_EQ(bits.RightMostBit[' '], bits.FontWidth / 2);
    EXPECT_GT(bits.RightMostBit['W'] - bits.LeftMostBit['W'], bits.RightMostBit['i'] - bits.LeftMostBit['i']);

    Lab lab;
    lab.Font()->SetName("DejaVu Sans");
    lab.Font()->SetHeight(-12);
    EXPECT_TRUE(lab.CharMatrix() == bits);
    lab.Font()->SetName("default");
    EXPECT_EQ(lab.CharMatrix().FontWidth, 7);
}

TEST(RasterLabDots, DotsSitOnTheStepGrid)
{
    Lab lab;
    Plain(lab);
    lab.SetText("A");
    const QImage face = lab.Face();
    // Row 9 of "A" is ###.###: dots of 3 pixels every 4 pixels from PosX = 1.
    EXPECT_EQ(RowPattern(face, 1 + 9 * 4, 0, 29, Green), ".###.###.###.....###.###.###..");
    EXPECT_EQ(RowPattern(face, 1 + 9 * 4 + 3, 0, 29, Green), std::string(30, '.'));
    // Row 1: the apex, three pixels high.
    for (int y : {5, 6, 7})
        EXPECT_EQ(RowPattern(face, y, 0, 29, Green), ".............###..............");
    EXPECT_EQ(CountColor(face, QRect(0, 0, 400, 68), Green), 23 * 9);
}

TEST(RasterLabDots, ProportionalAndFixedAdvance)
{
    Lab lab;
    Plain(lab);
    lab.SetText("AA");
    QImage face = lab.Face();
    // Seven columns of 4 pixels plus one blank column: the next A starts 32 further.
    EXPECT_EQ(ColorAt(face, 1 + 32 + 12, 5), Green);
    EXPECT_EQ(lab.TextBitLength(), 2 * 32 + 1);

    lab.SetText("0A");
    face = lab.Face();
    // "0" uses columns 1..5: 5 * 4 + 4 = 24 pixels, drawn from its first column.
    EXPECT_EQ(ColorAt(face, 1, 9), Green);
    EXPECT_EQ(ColorAt(face, 1 + 24 + 12, 5), Green);
    EXPECT_EQ(lab.CalcTextBitLength(), 24 + 32);

    lab.SetProportional(false);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 1, 9), TColor(clBlack)); // full cell: column 0 is blank
    EXPECT_EQ(ColorAt(face, 1 + 4, 9), Green);
    EXPECT_EQ(ColorAt(face, 1 + 32 + 12, 5), Green);
    EXPECT_EQ(lab.CalcTextBitLength(), 64);
}

TEST(RasterLabDots, SizeAndSpacingChangeTheStep)
{
    Lab lab;
    Plain(lab);
    lab.SetText(".");
    lab.SetDotSize(1);
    lab.SetDotSpacing(0);
    QImage face = lab.Face();
    EXPECT_EQ(CountColor(face, QRect(0, 0, 400, 68), Green), 1);
    EXPECT_EQ(ColorAt(face, 1, 1 + 9), Green); // the period's own first column is 3

    lab.SetHeight(80);
    lab.SetDotSize(5);
    lab.SetDotSpacing(2);
    face = lab.Face();
    EXPECT_EQ(CountColor(face, QRect(0, 0, 400, 80), Green), 25);
    EXPECT_EQ(vektest::InkBounds(face, QRect(0, 0, 400, 80), clBlack), QRect(1, 1 + 9 * 7, 5, 5));
}

TEST(RasterLabDots, RasterShowsUnlitDotsBetweenBackgroundLines)
{
    Lab lab;
    lab.SetFrameStyle(fsNone);
    lab.SetText("A");
    lab.SetCharBlockMode(TRasterLab::rdbmRaster);
    QImage face = lab.Face();
    // Lines at x = 0, 4, 8 ... and y = 0, 4, ...; unlit dots in between.
    EXPECT_EQ(ColorAt(face, 0, 2), TColor(clBlack));
    EXPECT_EQ(ColorAt(face, 2, 2), DotOff);
    EXPECT_EQ(ColorAt(face, 4, 2), TColor(clBlack));
    EXPECT_EQ(ColorAt(face, 2, 4), TColor(clBlack));
    EXPECT_EQ(ColorAt(face, 13, 5), Green);
    EXPECT_EQ(ColorAt(face, 30, 10), DotOff) << "dots after the text";

    lab.SetCharBlockMode(TRasterLab::rdbmOn);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 30, 10), TColor(clBlack)) << "gap column after a character is blanked";
    EXPECT_EQ(ColorAt(face, 34, 10), DotOff);

    lab.SetPosX(3);
    lab.SetPosY(2);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 2, 5), TColor(clBlack)) << "the grid follows the text";
    EXPECT_EQ(ColorAt(face, 3 + 12, 2 + 4), Green);
}

TEST(RasterLabDots, CodesAbove255ShowAHollowBox)
{
    Lab lab;
    Plain(lab);
    lab.SetText(QString(QChar(0x4E2D)));
    const QImage face = lab.Face();
    EXPECT_EQ(RowPattern(face, 1 + 4, 0, 28, Green), ".###.###.###.###.###.###.###.");
    EXPECT_EQ(RowPattern(face, 1 + 5 * 4, 0, 28, Green), ".###.....................###.");
    EXPECT_EQ(lab.CalcTextBitLength(), 32);
}

// ---- the euro sign -------------------------------------------------------------------

// Code 128 holds the euro sign in the style of its neighbours: five columns, capital
// height (rows 1..9), one-dot strokes, its bars on the rows of those of "=".
TEST(RasterLabEuro, BuiltInFontHasTheEuroAtCode128)
{
    const TRDCharMatrix font = TRasterLab::CreateBitFont(nullptr);
    using R = std::vector<quint32>;
    EXPECT_EQ(Rows(font, 128), (R{0, 0x38, 0x04, 0x04, 0x1E, 0x04, 0x1E, 0x04, 0x04, 0x38, 0, 0}));
    EXPECT_EQ(font.LeftMostBit[128], font.LeftMostBit['C']);
    EXPECT_EQ(font.RightMostBit[128], font.RightMostBit['C']);
    for (size_t r = 0; r < 12; ++r)
        EXPECT_EQ(std::popcount(font.BitData[128][r]) >= 4, font.BitData['='][r] != 0) << r;
    EXPECT_NE(Rows(font, 128), Rows(font, 127)) << "not the box any more";
    EXPECT_EQ(Rows(font, 129), Rows(font, 127)) << "the other control codes keep it";
}

TEST(RasterLabEuro, EuroSignShowsItsDotsAndNotTheBox)
{
    Lab lab;
    Plain(lab);
    lab.SetText(QString::fromUtf8("\u20AC"));
    const QImage face = lab.Face();
    // Drawn from its first column (1), four pixels a column, from (1, 1).
    EXPECT_EQ(RowPattern(face, 1 + 1 * 4, 0, 24, Green), ".........###.###.###.....");
    EXPECT_EQ(RowPattern(face, 1 + 2 * 4, 0, 24, Green), ".....###.................");
    EXPECT_EQ(RowPattern(face, 1 + 4 * 4, 0, 24, Green), ".###.###.###.###.........");
    EXPECT_EQ(RowPattern(face, 1 + 5 * 4, 0, 24, Green), ".....###.................");
    EXPECT_EQ(RowPattern(face, 1 + 9 * 4, 0, 24, Green), ".........###.###.###.....");
    EXPECT_EQ(CountColor(face, QRect(0, 0, 400, 68), Green), 19 * 9);
    EXPECT_EQ(lab.CalcTextBitLength(), (5 + 1) * 4);

    // U+0080 is a control character, not the euro: it shows the box as before.
    lab.SetText(QString(QChar(0x80)));
    EXPECT_EQ(RowPattern(lab.Face(), 1 + 5 * 4, 0, 28, Green), ".###.....................###.");
}

TEST(RasterLabEuro, RasterizedFontsTakeTheirEuroSignForCode128)
{
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetHeight(-12);
    // Rows 0..11 of a text drawn in the font at (0, 0), black on white, unsmoothed.
    const auto drawn = [&](const QString& text) {
        TBitmap cell(65, 65);
        TCanvas* canvas = cell.Canvas();
        canvas->Font()->Assign(&font);
        canvas->Font()->SetQuality(fqNonAntialiased);
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect(0, 0, 65, 65));
        canvas->TextOut(0, 0, text);
        std::vector<quint32> rows(12, 0);
        for (int r = 0; r < 12; ++r)
            for (int c = 0; c < 32; ++c)
                if (ColorAt(cell.Image(), c, r) != TColor(clWhite))
                    rows[size_t(r)] |= 1u << c;
        return rows;
    };
    const std::vector<quint32> euro = drawn(QString::fromUtf8("\u20AC"));
    ASSERT_NE(euro, drawn(QString(QChar(0x80)))) << "the font must tell the two apart";
    EXPECT_EQ(Rows(TRasterLab::CreateBitFont(&font), 128), euro);
}
