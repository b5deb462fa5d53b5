// TNTabEd: the data popup's Copy, Paste and Extract from Clipboard, the copy buffer and
// the size of the number block on the clipboard.
#include "ntabed_clip_p.h"
#include "ntabed_p.h"

#include <frame/core/application.h>

#include <algorithm>
#include <climits>

namespace vek {

void TNTabEd::Private::SelectBlock(int left, int top, qsizetype cols, qsizetype rows)
{
    const TGridRect before = q->Selection();
    const auto reach = [](int from, qsizetype count, int gridCount) {
        return int(std::min<qsizetype>(from + count - 1, gridCount - 1));
    };
    // The anchor goes to the far corner, so the current cell stays where the block
    // begins.
    q->SetSelection({reach(left, cols, q->ColCount()), reach(top, rows, q->RowCount()), left, top});
    if (q->Selection() != before)
        q->ChangedSelection();
}

// ---- Copy

void TNTabEd::PopupMenuClickCopy(TObject*)
{
    const TGridRect s = Selection();
    const int left = s.Left - d->colOffset, right = s.Right - d->colOffset;
    const int top = s.Top - d->rowOffset, bottom = s.Bottom - d->rowOffset;
    const TDataTable& table = *d->table;
    QString text;
    std::unique_ptr<TDataTable> buffer;
    try {
        buffer = std::make_unique<TDataTable>(nullptr);
        buffer->Resize(right - left + 1, bottom - top + 1);
        // Room for the usual text at once: a block of a million cells grows no 40 MB
        // string step by step.
        const qsizetype cells = qsizetype(right - left + 1) * (bottom - top + 1);
        text.reserve(cells * (d->clipboardUseFullPrec ? 23 : 10) + 2 * (bottom - top + 1));
        for (int r = top; r <= bottom; ++r) {
            for (int c = left; c <= right; ++c) {
                text += c == left ? u' ' : u'\t';
                text += ntabed::ClipCellText(table.GetElem(c, r), table.GetIsNumber(c, r),
                                             d->clipboardUseFullPrec, d->ShownPrecision(c),
                                             d->numWidth);
                buffer->SetElem(c - left + 1, r - top + 1, table.GetElem(c, r));
                buffer->SetCellState(c - left + 1, r - top + 1, table.GetCellState(c, r));
            }
            text += QStringLiteral("\r\n");
        }
    } catch (const std::exception&) { // out of memory, or a block the buffer refused
        throw EVEKNTabedError(ComponentErrorText(Name(), "not enough memory on heap"));
    }
    d->copyBuffer = std::move(buffer);
    Clipboard()->SetAsText(text);
}

bool TNTabEd::CopyBufferFilled() const { return d->copyBuffer != nullptr; }

// ---- Paste

void TNTabEd::PopupMenuClickPaste(TObject*)
{
    if (!d->copyBuffer || d->dataReadOnly)
        return;
    const TDataTable& buffer = *d->copyBuffer;
    const TGridRect s = Selection();
    const int left = s.Left - d->colOffset, top = s.Top - d->rowOffset;
    {
        const Suppression quiet(d.get());
        const MutedTable muted(d.get());
        TDataTable& table = *d->table;
        const int cols = std::min(buffer.NrOfColumns(), NrOfColumns() - left + 1);
        const int rows = std::min(buffer.NrOfRows(), NrOfRows() - top + 1);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c) {
                table.SetElem(left + c - 1, top + r - 1, buffer.GetElem(c, r));
                table.SetCellState(left + c - 1, top + r - 1, buffer.GetCellState(c, r));
            }
    }
    ChangedData();
    ChangedCellStates();
    d->Fire(OnPaste, &TNTabEd::pasted);
    d->SelectBlock(s.Left, s.Top, buffer.NrOfColumns(), buffer.NrOfRows());
}

// ---- Extract from Clipboard

void TNTabEd::PopupMenuClickExtClip(TObject*)
{
    if (d->dataReadOnly)
        return;
    const TGridRect s = Selection();
    const qsizetype left = s.Left - d->colOffset, top = s.Top - d->rowOffset;
    ntabed::ClipBlock block;
    {
        const Suppression quiet(d.get());
        const MutedTable muted(d.get());
        TDataTable& table = *d->table;
        const qsizetype cols = NrOfColumns() - left + 1, rows = NrOfRows() - top + 1;
        ntabed::ClipNumbers numbers(Clipboard()->AsText());
        while (numbers.Next()) {
            block.Include(numbers);
            // Only cells of the table are written, however long the text's lines.
            if (numbers.Place() < cols && numbers.Line() < rows)
                table.SetElem(int(left + numbers.Place()), int(top + numbers.Line()),
                              numbers.Value());
        }
    }
    if (block.Rows == 0)
        return;
    ChangedData();
    d->Fire(OnPaste, &TNTabEd::pasted);
    d->SelectBlock(s.Left, s.Top, block.Cols, block.Rows);
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const
{
    const ntabed::ClipBlock block = ntabed::MeasureClipText(Clipboard()->AsText());
    NCols = int(std::clamp<qsizetype>(block.Cols, 1, INT_MAX));
    NRows = int(std::clamp<qsizetype>(block.Rows, 1, INT_MAX));
    return block.Rows > 0;
}

} // namespace vek
