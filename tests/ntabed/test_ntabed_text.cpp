// The number texts of the table editor over the boundaries of their rules, the texts of
// nominal columns and of cell states, and the widest text AutoColWidth finds.
#include "ntabed_fixture.h"

#include <VEK_ntabed.h>

#include <QFontMetrics>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

using namespace vek;
using namespace ntabedtest;

TEST(NTabEdNumberText, FixedFormWithinNineDigitsAndAVisibleDigit)
{
    EXPECT_EQ(FormatCellNumber(0, 1, 0), "0");
    EXPECT_EQ(FormatCellNumber(12, 1, 0), "12");
    EXPECT_EQ(FormatCellNumber(999999999, 1, 0), "999999999");
    EXPECT_EQ(FormatCellNumber(-1, 1, 0), "-1");
    EXPECT_EQ(FormatCellNumber(1.5, 1, 3), "1.500");
    EXPECT_EQ(FormatCellNumber(0, 1, 3), "0.000");
    EXPECT_EQ(FormatCellNumber(0.01, 1, 2), "0.01");
    EXPECT_EQ(FormatCellNumber(999999.99, 1, 2), "999999.99");
    EXPECT_EQ(FormatCellNumber(0.99999999, 1, 8), "0.99999999");
    EXPECT_EQ(FormatCellNumber(1e-8, 1, 8), "0.00000001");
    // NumWidth pads on the left.
    EXPECT_EQ(FormatCellNumber(1.5, 8, 2), "    1.50");
}

TEST(NTabEdNumberText, ExponentFormBeyondTheLimitsAndForOtherPrecisions)
{
    // One step past each boundary switches to the exponent form, NumWidth + 6 wide.
    EXPECT_EQ(FormatCellNumber(0.5, 1, 0), " 5.0E-01");
    EXPECT_EQ(FormatCellNumber(1e9, 1, 0), " 1.0E+09");
    EXPECT_EQ(FormatCellNumber(1234567.0, 1, 2), " 1.2E+06");
    EXPECT_EQ(FormatCellNumber(0.001, 1, 2), " 1.0E-03");
    EXPECT_EQ(FormatCellNumber(1.0, 1, 8), " 1.0E+00");
    EXPECT_EQ(FormatCellNumber(-2.5, 1, -1), "-2.5E+00");
    for (int precision : {9, 10, 255, -1})
        EXPECT_EQ(FormatCellNumber(3.0, 1, precision), " 3.0E+00") << precision;
    EXPECT_EQ(FormatCellNumber(1234.5678, 4, -1), " 1.235E+03");
    // An exponent of three digits does not fit: as many asterisks instead.
    EXPECT_EQ(FormatCellNumber(1e150, 1, 3), QString(8, '*'));
    EXPECT_EQ(FormatCellNumber(-1e-150, 4, 3), QString(10, '*'));
}

TEST_F(Editor, CellTextsOfStatesAndNominalColumns)
{
    TDataTable* data = tab.Data();
    data->SetMScaleType(2, mstNominal);
    data->SetNominalID(2, 3, "green");
    tab.SetElem(2, 1, 3.2);   // rounds to 3: "green"
    tab.SetElem(2, 2, 151);   // beyond the IDs
    tab.SetElem(2, 3, 2.5);   // rounds to even: 2, which has no ID
    tab.SetElem(1, 1, 7);
    tab.Data()->SetCellState(1, 1, dtsEmpty | dtsNotANumber);
    tab.SetSelection({4, 4, 4, 4}); // data cell (3, 4), out of the way
    const QImage image = vektest::Render(&tab);
    auto shows = [&](int C, int R, const QString& text) {
        const TRect box = Cell(C, R);
        EXPECT_EQ(Part(image, box), ReferenceCell(tab, box, {text, clWindowText, clWindow}))
            << C << ":" << R << " " << text.toStdString();
    };
    shows(2, 1, "green");
    shows(2, 2, "nominal:151");
    shows(2, 3, "nominal:2");
    shows(1, 1, ""); // empty wins over invalid
    shows(1, 3, "0.000");
}

TEST_F(Editor, AutoColWidthFitsTheWidestNumberText)
{
    // Values of every shape: fixed and exponent form, both signs, tiny and huge, and
    // three-digit exponents. The widest text measured one by one decides.
    tab.SetNrOfRows(2000);
    QRandomGenerator random(7);
    for (int r = 1; r <= 2000; ++r) {
        const double magnitude = std::pow(10.0, random.bounded(-160, 160) / 8.0);
        tab.SetElem(1, r, (random.bounded(2) ? -1 : 1) * magnitude * random.generateDouble());
        tab.SetElem(2, r, random.bounded(2000) - 1000 + random.generateDouble());
    }
    tab.SetElem(2, 17, NAN);
    tab.SetNumWidth(3);
    const QFontMetrics metrics(tab.Font()->ToQFont());
    for (int c = 1; c <= 2; ++c)
        for (int precision : {0, 2, 5, -1}) {
            tab.SetPrecision(c, precision);
            int widest = 0;
            for (int r = 1; r <= 2000; ++r)
                widest = std::max(widest, metrics.horizontalAdvance(
                                              FormatCellNumber(tab.Elem(c, r), 3, precision)));
            EXPECT_EQ(tab.AutoColWidth(c, false, 5), widest + 5 + 8) << c << " " << precision;
            EXPECT_EQ(tab.ColWidths(c), widest + 5 + 8);
        }
}

TEST_F(Editor, AutoColWidthOfHeadersAndNames)
{
    const QFontMetrics metrics(tab.Font()->ToQFont());
    EXPECT_EQ(tab.AutoColWidth(-1, true, 0), metrics.horizontalAdvance("Attrib") + 8);
    EXPECT_EQ(tab.AutoColWidth(-1, false, 0), metrics.horizontalAdvance("255") + 8);
    // Short names: the position text "999:9999" is the narrowest the column gets.
    tab.SetRowName(1, "a");
    EXPECT_EQ(tab.AutoColWidth(0, true, 3), metrics.horizontalAdvance("999:9999") + 3 + 8);
    tab.SetRowName(3, "Wavelength (nm)");
    tab.SetRowName(4, QString::fromUtf8("Ωmega ÄVA"));
    const int widest = std::max(metrics.horizontalAdvance("Wavelength (nm)"),
                                metrics.horizontalAdvance(QString::fromUtf8("Ωmega ÄVA")));
    EXPECT_EQ(tab.AutoColWidth(0, false, 0), widest + 8);
    tab.SetColName(1, "A rather long column name");
    EXPECT_EQ(tab.AutoColWidth(1, true, 0),
              metrics.horizontalAdvance("A rather long column name") + 8);
    EXPECT_EQ(tab.AutoColWidth(7, true, 0), 0);
    EXPECT_EQ(tab.AutoColWidth(-2, true, 0), 0);
}
