// The table editor's reading of clipboard text: the number walk behind Extract from
// Clipboard, MeasureClipText and GetClipMatrixSize, and the extraction into a table.
// Properties: numbers come in reading order with finite values; the three agree on the
// block; extraction writes each number that falls into the table into its cell and
// touches no other cell.
//
// Input: two bytes for the selected cell the block starts at, then the text as UTF-8.
#include "fuzzinput.h"

#include <VEK_ntabed.h>
#include <frame/core/application.h>
#include <ntabed_clip_p.h>

#include <cmath>
#include <vector>

namespace {

using namespace vek;

constexpr int Columns = 6, Rows = 5;
constexpr double Untouched = -7.25;

struct ReadNumber {
    qsizetype place, line;
    double value;
};

std::vector<ReadNumber> WalkNumbers(const QString& text)
{
    std::vector<ReadNumber> numbers;
    ntabed::ClipNumbers walk(text);
    while (walk.Next()) {
        const ReadNumber number{walk.Place(), walk.Line(), walk.Value()};
        VEK_FUZZ_REQUIRE(std::isfinite(number.value), QStringLiteral("%1").arg(number.value));
        if (!numbers.empty()) {
            const ReadNumber& last = numbers.back();
            VEK_FUZZ_REQUIRE(number.line > last.line || (number.line == last.line && number.place > last.place),
                             QStringLiteral("number at %1:%2 after %3:%4")
                                 .arg(number.line).arg(number.place).arg(last.line).arg(last.place));
        }
        numbers.push_back(number);
    }
    return numbers;
}

TNTabEd& Editor()
{
    static TNTabEd* editor = [] {
        auto* created = new TNTabEd;
        created->resize(400, 200);
        created->SetNrOfColumns(Columns);
        created->SetNrOfRows(Rows);
        return created;
    }();
    return *editor;
}

void CheckSize(const std::vector<ReadNumber>& numbers, const ntabed::ClipBlock& block)
{
    qsizetype cols = 0;
    for (const ReadNumber& number : numbers)
        cols = std::max(cols, number.place + 1);
    const qsizetype rows = numbers.empty() ? 0 : numbers.back().line + 1;
    VEK_FUZZ_REQUIRE(block.Cols == cols && block.Rows == rows,
                     QStringLiteral("measured %1 x %2, walked %3 x %4")
                         .arg(block.Cols).arg(block.Rows).arg(cols).arg(rows));
    int nCols = 0, nRows = 0;
    const bool any = Editor().GetClipMatrixSize(nCols, nRows);
    VEK_FUZZ_REQUIRE(any == (rows > 0) && nCols == std::clamp<qsizetype>(cols, 1, INT_MAX)
                         && nRows == std::clamp<qsizetype>(rows, 1, INT_MAX),
                     QStringLiteral("GetClipMatrixSize %1 x %2 for %3 x %4")
                         .arg(nCols).arg(nRows).arg(cols).arg(rows));
}

void CheckExtraction(const std::vector<ReadNumber>& numbers, int left, int top)
{
    TNTabEd& editor = Editor();
    for (int c = 1; c <= Columns; ++c)
        for (int r = 1; r <= Rows; ++r)
            editor.SetElem(c, r, Untouched);
    const int gridLeft = left + editor.FixedCols() - 1, gridTop = top + editor.FixedRows() - 1;
    editor.SetSelection(TGridRect{gridLeft, gridTop, gridLeft, gridTop});
    editor.PopupMenuClickExtClip(nullptr);

    std::vector<double> expected(Columns * Rows, Untouched);
    for (const ReadNumber& number : numbers)
        if (left + number.place <= Columns && top + number.line <= Rows)
            expected[(left + number.place - 1) * Rows + (top + number.line - 1)] = number.value;
    for (int c = 1; c <= Columns; ++c)
        for (int r = 1; r <= Rows; ++r)
            VEK_FUZZ_REQUIRE(editor.Elem(c, r) == expected[(c - 1) * Rows + (r - 1)],
                             QStringLiteral("cell %1, %2 holds %3, expected %4")
                                 .arg(c).arg(r).arg(editor.Elem(c, r)).arg(expected[(c - 1) * Rows + (r - 1)]));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    vekfuzz::EnsureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const int left = input.IntIn(1, Columns), top = input.IntIn(1, Rows);
    const QString text = input.Rest();

    const std::vector<ReadNumber> numbers = WalkNumbers(text);
    Clipboard()->SetAsText(text);
    VEK_FUZZ_REQUIRE(Clipboard()->AsText() == text, QStringLiteral("the clipboard lost the text"));
    CheckSize(numbers, ntabed::MeasureClipText(text));
    CheckExtraction(numbers, left, top);
    return 0;
}
