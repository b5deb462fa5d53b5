// TNTabEd clipboard: the exact text Copy writes, Paste of the copy buffer, extraction of
// the numbers of any text, GetClipMatrixSize, and texts that must neither crash, hang
// nor touch cells outside the block.
#include "event_log.h"
#include "failing_allocation.h"
#include "ntabed_fixture.h"

#include <frame/baselib/mathlib.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>

using namespace vek;
using namespace ntabedtest;

namespace {

struct Clipboard : Editor {
    // Selects data cells C1..C2 x R1..R2.
    void Select(int C1, int R1, int C2, int R2)
    {
        const int dc = tab.AttribRowVisible() ? 1 : 0, dr = tab.AttribColVisible() ? 1 : 0;
        tab.SetSelection({C1 + dc, R1 + dr, C2 + dc, R2 + dr});
    }
    // The selection in data cells.
    TGridRect Selected() const
    {
        const int dc = tab.AttribRowVisible() ? 1 : 0, dr = tab.AttribColVisible() ? 1 : 0;
        const TGridRect s = tab.Selection();
        return {s.Left - dc, s.Top - dr, s.Right - dc, s.Bottom - dr};
    }
    static QString Text() { return QGuiApplication::clipboard()->text(); }
    static void SetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    // Every cell gets a value of its own: 10 * C + R.
    void FillDistinct()
    {
        for (int r = 1; r <= tab.NrOfRows(); ++r)
            for (int c = 1; c <= tab.NrOfColumns(); ++c)
                tab.SetElem(c, r, 10 * c + r);
    }
};

} // namespace

// ---- Copy

TEST_F(Clipboard, CopyWritesTheCellsInTheColumnPrecisionOrInFull)
{
    tab.SetElem(1, 1, 1.5);
    tab.SetIsEmpty(2, 1, true);
    tab.SetElem(1, 2, 3);
    tab.SetCellState(2, 2, dtsNotANumber);
    tab.SetClipboardUseFullPrec(false);
    Select(1, 1, 2, 2);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Text(), " 1.500\t####\r\n 3.000\t####\r\n");

    tab.SetElem(3, 1, -1234.5);
    tab.SetElem(3, 2, 0.25);
    tab.SetPrecision(1, 0);
    tab.SetPrecision(3, 10); // shown in exponent form, copied in fixed form
    Select(1, 1, 3, 2);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Text(), " 2\t####\t-1234.5000000000\r\n 3\t####\t0.2500000000\r\n");

    tab.SetPrecision(3, -1); // exponent form: the digits the cell shows
    Select(3, 1, 3, 1);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Text(), " -1.2E+0003\r\n");
    tab.SetNumWidth(5);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Text(), " -1.2345E+0003\r\n");

    tab.SetClipboardUseFullPrec(true);
    Select(1, 1, 3, 1);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Text(), "  1.5000000000000E+0000\t####\t-1.2345000000000E+0003\r\n");
}

TEST_F(Clipboard, CopyWithoutMemoryRaisesTheHeapMessageAndKeepsTheBuffer)
{
    tab.SetName("Tab1");
    tab.Redimension(50, 40);
    SetText("before");
    Select(1, 1, 50, 40);
    failingallocation::FailNextAllocationOf(50 * 40 * sizeof(double)); // the buffer's values
    try {
        tab.PopupMenuClickCopy(nullptr);
        FAIL() << "no exception";
    } catch (const EVEKNTabedError& e) {
        EXPECT_EQ(e.Message(), "Component \"Tab1\": not enough memory on heap");
    }
    failingallocation::Disarm();
    EXPECT_FALSE(tab.CopyBufferFilled());
    EXPECT_EQ(Text(), "before");
}

// ---- Paste

TEST_F(Clipboard, PasteWritesTheCopiedBlockWithItsStates)
{
    EventLog log(tab);
    tab.SetNrOfColumns(4);
    FillDistinct();
    log.Take();
    EXPECT_FALSE(tab.CopyBufferFilled());
    tab.PopupMenuClickPaste(nullptr); // nothing copied yet
    EXPECT_EQ(log.Take(), QStringList());

    tab.SetElemMarkedA(1, 2, true);
    tab.SetIsEmpty(2, 1, true);
    Select(1, 1, 2, 2);
    tab.PopupMenuClickCopy(nullptr);
    EXPECT_TRUE(tab.CopyBufferFilled());
    SetText("99"); // Paste reads the buffer, not the clipboard
    Select(3, 2, 3, 2);
    log.Take();
    tab.PopupMenuClickPaste(nullptr);
    EXPECT_EQ(tab.Elem(3, 2), 11);
    EXPECT_EQ(tab.Elem(4, 3), 22);
    EXPECT_EQ(tab.CellState(3, 3), dtsMarkedA);
    EXPECT_EQ(tab.CellState(4, 2), dtsEmpty);
    EXPECT_EQ(tab.Elem(3, 4), 34); // below the block
    EXPECT_EQ(Selected(), (TGridRect{3, 2, 4, 3}));
    EXPECT_EQ(tab.Col() - 1, 3); // the current cell stays where the block begins
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnCellStateChanged", "OnPaste",
                                       "OnSelectionChanged"}));

    // Near the corner only the part that fits is written, and the selection stops at
    // the grid's edge.
    Select(4, 4, 4, 4);
    tab.PopupMenuClickPaste(nullptr);
    EXPECT_EQ(tab.Elem(4, 4), 11);
    EXPECT_EQ(tab.CellState(4, 4), 0);
    EXPECT_EQ(tab.NrOfColumns(), 4);
    EXPECT_EQ(tab.NrOfRows(), 4);
    EXPECT_EQ(Selected(), (TGridRect{4, 4, 4, 4}));

    tab.SetDataReadOnly(true);
    Select(1, 4, 1, 4);
    tab.PopupMenuClickPaste(nullptr);
    EXPECT_EQ(tab.Elem(1, 4), 14);
}

// ---- Extract from Clipboard

TEST_F(Clipboard, ExtractionReadsNumbersLineByLine)
{
    EventLog log(tab);
    tab.SetNrOfColumns(4);
    tab.SetIsEmpty(2, 2, true);
    Select(1, 2, 1, 2);
    SetText("1,5 2e3\r\n- 1E400\tx-7.25e-1\r\n");
    log.Take();
    tab.PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(tab.Elem(1, 2), 1.5);
    EXPECT_EQ(tab.Elem(2, 2), 2000);
    EXPECT_TRUE(tab.IsEmpty(2, 2)); // the state stays
    EXPECT_EQ(tab.Elem(1, 3), 0);   // "-" alone
    EXPECT_EQ(tab.Elem(2, 3), uc_MaxDouble);
    EXPECT_EQ(tab.Elem(3, 3), -0.725);
    EXPECT_EQ(Selected(), (TGridRect{1, 2, 3, 3}));
    EXPECT_EQ(log.Take(), (QStringList{"OnChange", "OnPaste", "OnSelectionChanged"}));

    // Line feeds alone end lines too, blank lines count, and the character that ends a
    // number is passed over ("4-5" reads 4 and 5).
    Select(1, 1, 1, 1);
    SetText("1\n\n4-5\n");
    tab.PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(tab.Elem(1, 1), 1);
    EXPECT_EQ(tab.Elem(1, 3), 4);
    EXPECT_EQ(tab.Elem(2, 3), 5);
    EXPECT_EQ(Selected(), (TGridRect{1, 1, 2, 3}));

    log.Take();

    // Nothing to read, or read-only data: nothing changes.
    SetText("no numbers here");
    tab.PopupMenuClickExtClip(nullptr);
    SetText("8");
    tab.SetDataReadOnly(true);
    tab.PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(tab.Elem(1, 1), 1);
    EXPECT_EQ(log.Take(), QStringList());
}

TEST_F(Clipboard, CopiedTextComesBackThroughExtraction)
{
    tab.SetNrOfColumns(6);
    tab.SetElem(1, 1, 1.0 / 3);
    tab.SetElem(2, 1, -2.5e-300);
    tab.SetElem(1, 2, 6.02214076e23);
    tab.SetElem(2, 2, -7);
    Select(1, 1, 2, 2);
    tab.PopupMenuClickCopy(nullptr);
    int cols = 0, rows = 0;
    EXPECT_TRUE(tab.GetClipMatrixSize(cols, rows));
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(rows, 2); // the line break that ends the text adds no row
    Select(4, 1, 4, 1);
    tab.PopupMenuClickExtClip(nullptr);
    // Full precision keeps 14 significant digits.
    EXPECT_NEAR(tab.Elem(4, 1), 1.0 / 3, 1e-14);
    EXPECT_EQ(tab.Elem(5, 1), -2.5e-300);
    EXPECT_EQ(tab.Elem(4, 2), 6.02214076e23);
    EXPECT_EQ(tab.Elem(5, 2), -7);
    EXPECT_EQ(Selected(), (TGridRect{4, 1, 5, 2}));
}

TEST_F(Clipboard, ClipMatrixSizeCountsTheLinesThatHoldNumbers)
{
    struct Case {
        QString text;
        bool found;
        int cols, rows;
    };
    const Case cases[] = {
        {"1 2 3", true, 3, 1},
        {"1 2 3\r\n4\r\n", true, 3, 2},
        {"\n\n1\n\n2 3\n\n\n", true, 2, 3}, // leading line feeds count for nothing
        {"", false, 1, 1},
        {"abc\r\n", false, 1, 1},
    };
    for (const Case& c : cases) {
        SetText(c.text);
        int cols = -5, rows = -5;
        EXPECT_EQ(tab.GetClipMatrixSize(cols, rows), c.found) << c.text.toStdString();
        EXPECT_EQ(cols, c.cols) << c.text.toStdString();
        EXPECT_EQ(rows, c.rows) << c.text.toStdString();
    }
    QGuiApplication::clipboard()->clear();
    int cols = 0, rows = 0;
    EXPECT_FALSE(tab.GetClipMatrixSize(cols, rows));
    EXPECT_EQ(cols, 1);
    EXPECT_EQ(rows, 1);
}

// ---- bad input

TEST_F(Clipboard, AnyTextStaysInsideTheBlock)
{
    QString binary;
    QRandomGenerator random(17);
    for (int i = 0; i < 200000; ++i)
        binary += QChar(char16_t(random.bounded(0x10000)));
    const QString texts[] = {
        binary,
        QString(3'000'000, u'7'),             // one number of three million digits
        QString("12 ").repeated(400'000),      // one endless line
        QString("-9\r\n").repeated(300'000),   // very many lines
        QString("\t\r\n ,;-+.e").repeated(100'000), // separators and lone signs only
        QString("1E") + QString(100'000, u'9'), // an endless exponent
    };
    tab.SetNrOfColumns(5);
    tab.SetNrOfRows(5);
    for (const QString& text : texts) {
        tab.Fill(-1);
        Select(3, 3, 3, 3);
        SetText(text);
        tab.PopupMenuClickExtClip(nullptr);
        int cols = 0, rows = 0;
        tab.GetClipMatrixSize(cols, rows);
        EXPECT_GE(cols, 1);
        EXPECT_GE(rows, 1);
        EXPECT_EQ(tab.NrOfColumns(), 5);
        EXPECT_EQ(tab.NrOfRows(), 5);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c)
                if (c < 3 || r < 3)
                    EXPECT_EQ(tab.Elem(c, r), -1) << c << "," << r;
        const TGridRect s = Selected();
        EXPECT_EQ(s.Left, 3);
        EXPECT_EQ(s.Top, 3);
        EXPECT_LE(s.Right, 5);
        EXPECT_LE(s.Bottom, 5);
    }
    EXPECT_EQ(tab.Elem(3, 3), uc_MaxDouble); // the endless exponent
}
