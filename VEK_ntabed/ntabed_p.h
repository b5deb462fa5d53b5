// TNTabEd's private data, the guards its operations hold around bulk changes, and the
// text helpers of its cells.
#pragma once

#include "VEK_ntabed.h"
#include "ntabed_interaction_p.h"

#include <functional>
#include <vector>

class QFontMetrics;

namespace vek {

namespace ntabed {

// Whether FormatCellNumber shows the value in fixed notation.
bool UsesFixedForm(double value, int precision);

// The widest of FormatCellNumber(value(r), width, precision) for r = 1..count, in the
// font. Cheap for a million values: with digits of equal width in the font, a text's
// width follows from its shape (sign, digit count, exponent), and the values of one
// shape are found by their binary exponent, so only a few texts are formatted and
// measured. Fonts with digits of different widths measure every text.
int WidestNumberText(const QFontMetrics& font, int count, const std::function<double(int)>& value,
                     int width, int precision);

// The widest of text(i), i = 1..count, in the font: every text is estimated from the
// advances of its characters, and the widest estimates are measured exactly (kerning).
int WidestText(const QFontMetrics& font, int count, const std::function<QString(int)>& text);

// The text of a nominal or ordinal cell: the ID of its rounded value, or the scale's
// name, ":" and the rounded value when the value has no ID.
QString NominalText(const TDataTable& table, int C, double value);

// How the editor lets go of its table: a table of its own is freed; a table bound with
// AssignAnotherDataMatrix stays alive and only loses the editor's handlers, so that it
// never calls into an editor that is gone.
struct TableRelease {
    TableRelease() = default;
    TableRelease(std::default_delete<TDataTable>) {} // a table of the editor's own
    TableRelease(bool owned, QMetaObject::Connection watch) : Owned(owned), Watch(watch) {}
    void operator()(TDataTable* table) const;

    bool Owned = true;
    QMetaObject::Connection Watch; // to the destroyed signal of a table not owned
};

// Sends the accessibility events of the editor's changes (ntabed_accessible.cpp).
void AnnounceChanges(TNTabEd* editor);

} // namespace ntabed

struct TNTabEd::Private {
    explicit Private(TNTabEd* owner) : q(owner) {}

    // ---- grid geometry in data terms (ntabed_layout.cpp)
    // The grid column of a header index (-1, 0, 1..N); -1 when there is none.
    int GridCol(int Index) const;
    int GridRow(int Index) const;
    // The grid follows the table's size: counts, new columns' widths, precisions.
    void FollowTableSize(int oldCols, int newCols, int newRows);
    // Makes room for the precisions of count columns before the table grows, so that
    // running out of memory leaves everything as it was.
    void ReservePrecisions(int count);
    // The fixed lines of the header layout, once the grid has room for them.
    void ApplyFixedLines();
    // Moves the sizes of grid columns (rows) first..last by one place: up when step is
    // 1 (index i takes the size of i - 1), down when -1.
    void ShiftColWidths(int first, int last, int step);
    void ShiftRowHeights(int first, int last, int step);
    // The selection moved by dCol, dRow grid cells (it stays on its data cells when
    // header lines come or go).
    void MoveSelection(int dCol, int dRow);
    int LineHeight() const;
    // OptimizeRowHeight: every row as high as a line of the font and a little room.
    void FitDefaultRowHeight();

    // ---- painting (ntabed_paint.cpp)
    QString CellText(int C, int R, quint8 state) const;
    void DrawDataCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State);
    void DrawHeaderCell(int ACol, int ARow, TRect r);
    void DrawCorner(const TRect& Rect);
    // Draws a header text; highlighted texts take ColorSelected (bold with BoldSelHeads).
    void DrawHeaderText(const TRect& r, int dx, int dy, const QString& text, bool highlighted);
    // Text in colors paired with the brush it stands on, gray when disabled.
    void DrawText(const TRect& r, int dx, int dy, const QString& text, TColor color,
                  TColor background);

    // ---- editing and popup menus
    // ntabed_editing.cpp: the text a cell is edited with, what a typed text stores
    bool IsNominalColumn(int C) const;
    QString EditText(int C, int R) const;
    void StoreEntry(int C, int R, const QString& text);
    void AdvanceAfterEnter();
    // ntabed_mouse.cpp: reports the selection when it differs from the last report (or
    // always)
    void ReportSelection(bool always);
    bool IsDataCell(const TGridCoord& cell) const;
    // Whether a right click may open a built-in menu.
    bool OwnPopupAllowed() const;
    // ntabed_menus.cpp: the menus, their masks, opening them, the header cell outline
    void BuildPopups();
    void BuildDataPopup();
    void BuildHeaderPopup();
    void ApplyDataMask();
    void ApplyHeaderMask();
    void OpenDataPopup(int X, int Y);
    void OpenHeaderPopup();
    void PrepareHeaderItems(bool column);
    void ShowHeaderPopup();
    void DrawHeaderOutline();
    // ntabed_commands.cpp: the data cells a command works on
    TGridRect DataSelection() const;
    void ForEachCell(const TGridRect& block, const std::function<void(int C, int R)>& visit);
    // The selection, its whole columns, its whole rows or every cell.
    TGridRect ScopeBlock(ntabed::Interaction::Scope scope) const;
    void MarkCells(ntabed::Interaction::Marking marking, ntabed::Interaction::Scope scope);
    // Inserts a column (row) before the clicked header's.
    void InsertNamedLine(bool column);
    // ntabed_headeditors.cpp
    void OpenHeadingEditor();
    void CloseHeadingEditor(bool store);
    void OpenCommentEditor();
    void CloseCommentEditor(bool store);

    // ---- notifications and repainting
    bool Suppressed() const { return suppressPaint || internalSuppression > 0; }
    void Fire(const TNotifyEvent& event, void (TNTabEd::*signal)());
    // Stores a color of the cells, repaints and reports the new layout.
    void SetCellColor(TColor& field, TColor value);
    // Stores a text style switch, repaints and reports the new layout.
    void SetStyleSwitch(bool& field, bool value);
    void HookTable();
    // A write to the table without its notification, then a repaint and the editor's
    // notification report.
    void WriteQuietly(const std::function<void()>& write, void (TNTabEd::*report)());
    // Sets or clears one bit of a cell's state byte and reports the cell states.
    void SetStateBit(int C, int R, quint8 bit, bool on);

    TNTabEd* const q;
    TCanvas* canvas = nullptr; // the back buffer's canvas, taken when painting starts
    std::unique_ptr<TDataTable, ntabed::TableRelease> table;
    std::vector<qint8> precisions; // one per data column
    int colOffset = 1, rowOffset = 0;
    int attribColWidth = DefaultAttribColWidth;
    bool suppressPaint = false;
    int internalSuppression = 0;
    bool tableMuted = false;
    // look
    TColor colorNormal = clWindowText, colorSelected = clBtnText;
    TColor colorMarkedA = 0x0000FF, colorMarkedB = 0xFF0000, colorMarkedBoth = 0xCC00BB;
    TColor colorRangeSelFG = 0x80552C, colorRangeSelBG = 0xF8E8E0;
    bool boldMarks = true, boldSelHeads = true, optimizeRowHeight = false;
    int numWidth = 1;
    // the user's menus, editors and clicks
    ntabed::Interaction ui;
    // editing settings
    bool dataReadOnly = false, autoAdvance = true, blockInternalPopup = false;
    bool commentEditingAllowed = true, clipboardUseFullPrec = true;
    TOrientation autoAdvanceDir = orVertical;
    int nomEditDropDownCount = 8;

    // ---- clipboard, sorting and other tables (ntabed_clipboard.cpp, ntabed_sorting.cpp,
    // ntabed_tables.cpp)
    // The precision data column C is shown and copied in. A table grown from outside
    // whose precisions could not follow shows the default.
    int ShownPrecision(int C) const
    {
        const auto column = std::size_t(C - 1);
        return column < precisions.size() ? precisions[column] : DefaultPrecision;
    }
    // Selects the block of cols x rows data cells from grid cell (left, top), as far as
    // the grid reaches; the current cell stays at (left, top).
    void SelectBlock(int left, int top, qsizetype cols, qsizetype rows);
    // Runs a sort of the table and reports what it moved.
    void RunSort(const std::function<bool()>& sort, bool headers, bool columns);
    // Shows newTable, owned or not, with the editor's handlers on it (the grid's size
    // is the caller's to fit).
    void BindTable(TDataTable* newTable, bool owned);
    // A bound table of the program's was destroyed: the editor goes on with a table of
    // its own of the same size.
    void BoundTableDestroyed();
    // Reports a table taken over as a whole.
    void ReportNewTable();

    std::unique_ptr<TDataTable> copyBuffer; // the block copied last; none before a copy
};

// Holds the editor's own suppression: no paint and no notification until the last guard
// goes, which marks the editor for one repaint. Lifted on every way out, exceptions
// included, so a failed operation leaves a usable editor.
class TNTabEd::Suppression {
public:
    explicit Suppression(Private* d) : d(d) { ++d->internalSuppression; }
    ~Suppression()
    {
        if (--d->internalSuppression == 0)
            d->q->Invalidate();
    }
    Suppression(const Suppression&) = delete;
    Suppression& operator=(const Suppression&) = delete;

private:
    Private* d;
};

// Sets SuppressPaint for its lifetime and restores the caller's value afterwards (which
// repaints when that is false).
class TNTabEd::CallerSuppression {
public:
    explicit CallerSuppression(TNTabEd* q) : q(q), saved(q->SuppressPaint())
    {
        q->SetSuppressPaint(true);
    }
    ~CallerSuppression() { q->SetSuppressPaint(saved); }
    CallerSuppression(const CallerSuppression&) = delete;
    CallerSuppression& operator=(const CallerSuppression&) = delete;

private:
    TNTabEd* q;
    bool saved;
};

// Keeps the table's notifications from the editor while it writes to the table itself
// and reports the change in its own terms.
class TNTabEd::MutedTable {
public:
    explicit MutedTable(Private* d) : d(d), saved(d->tableMuted) { d->tableMuted = true; }
    ~MutedTable() { d->tableMuted = saved; }
    MutedTable(const MutedTable&) = delete;
    MutedTable& operator=(const MutedTable&) = delete;

private:
    Private* d;
    bool saved;
};

} // namespace vek
