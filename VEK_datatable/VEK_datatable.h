// VEK_datatable.h: TDataTable, a matrix of numbers for measurement data, with a state
// byte per cell, names and attribute bytes for columns and rows, a measurement scale per
// column with nominal IDs, and a comment. The table editor TNTabEd (VEK_ntabed.h) shows
// and edits one; programs may also use it on its own.
//
// Storage: the values are one contiguous block of doubles and the states one block of
// bytes, row after row, so a cell costs 9 bytes (a 20 x 1,000,000 table takes about
// 180 MB). Row names take memory only once a row has a name. Indices are 1-based:
// columns 1..NrOfColumns(), rows 1..NrOfRows(). Reads outside the table give 0, "" or
// false, and writes outside it are ignored.
#pragma once

#include <frame/core/component.h>
#include <frame/core/errors.h>
#include <frame/data/stringarray.h> // TOnPercentDoneEvent

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

namespace vek {

/// A column or row name: at most TDataTable::MaxNameLength characters.
using TDTNameStr = QString;

/// Bits of a cell's state byte. Bits 2 to 5 are free for the program; the table and the
/// table editor keep them.
enum TDTCellState : quint8 {
    dtsNotANumber = 0x01, ///< the entry is no valid number (the editor shows "-nan-")
    dtsEmpty = 0x02,      ///< the cell is empty (shown blank)
    dtsMarkedA = 0x40,    ///< marked as type A
    dtsMarkedB = 0x80,    ///< marked as type B
};

/// The measurement scale of a column. Nominal and ordinal columns hold ordinals
/// (1..TDataTable::MaxNominalOrdinal) that name categories by their nominal IDs.
enum TMScaleType : quint8 {
    mstUndefined = 0,
    mstNominal = 1,
    mstOrdinal = 2,
    mstInterval = 3,
    mstRatio = 4,
};

/// The display name of a scale type: "undefined", "nominal", "ordinal", "interval" or
/// "ratio"; "" for other values.
VEK_EXPORT QString MScaleTypeNames(int Type);

/// Reports one step of a sort that reorders columns or rows (Kind below) as the exchange
/// of two of them: exchanging I and J, step by step in the order reported, arranges
/// whatever a handler keeps per column (row) as the sort arranged the table. Low and High
/// are the range of the other axis that moved.
using TSortExchangeEvent =
    std::function<void(TObject* Sender, int Kind, int Low, int High, int I, int J)>;

/// A table resized from OldCols x OldRows to NewCols x NewRows.
using TDTResizeEvent =
    std::function<void(TObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;

/// A matrix of doubles with a state byte per cell, column and row names and attributes,
/// a scale type and nominal IDs per column, and a comment (see the top of this file).
///
/// Notifications: every write that changes cells (SetElem, SetCellState, Fill, the
/// marking operations, sorts) calls OnChange; a change of the size calls OnResize;
/// inserting, removing, mirroring or sorting columns and rows, and writes of names,
/// attributes, scale types, nominal IDs and the comment call OnSetupChange. Each handler
/// is followed by its signal. A write of the value a cell already holds reports nothing.
class VEK_EXPORT TDataTable : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows)
    Q_PROPERTY(QString Comment READ Comment WRITE SetComment NOTIFY setupChanged)

public:
    static constexpr int MaxNameLength = 50;     ///< characters of a column or row name
    static constexpr int MaxNominalIDLength = 10; ///< characters of a nominal ID
    static constexpr int MaxNominalOrdinal = 150; ///< nominal IDs per column: 1..150
    static constexpr int MaxCount = 0x3FFFFFFF;  ///< columns or rows at most
    static constexpr qint64 MaxCells = 0x7FFFFFFF; ///< cells at most

    /// Kinds of TSortExchangeEvent.
    enum TExchangeKind {
        ekColumnsWithHeaders = 1, ///< two columns with names, attributes and scales
        ekColumns = 2,            ///< two columns, their headers stay
        ekRowsWithHeaders = 3,    ///< two rows with names and attributes
        ekRows = 4,               ///< two rows, their headers stay
    };

    /// An empty table: no columns, no rows.
    explicit TDataTable(QObject* owner = nullptr);
    ~TDataTable() override;

    // ---- size
    /// Number of columns (default 0).
    int NrOfColumns() const { return FNrCols; }
    /// Number of rows (default 0).
    int NrOfRows() const { return FNrRows; }
    /// Makes the table NrCols x NrRows. Cells, names and attributes inside both sizes
    /// stay; new cells hold 0 with state 0, new columns and rows have no name, attribute
    /// 0 and scale mstUndefined. Calls OnResize when the size changed. Raises EVEKError
    /// for negative counts, counts above MaxCount, more than MaxCells cells or when
    /// memory runs out; the table is then unchanged.
    void Resize(int NrCols, int NrRows);
    /// Every value 0, every state 0, names, attributes, scale types, nominal IDs and the
    /// comment empty; the size stays. Calls OnChange and OnSetupChange.
    void Clear();
    /// Copies the contents of another TDataTable: size, values, states, names,
    /// attributes, scale types, nominal IDs and the comment (not the Name, not the
    /// notification slots). Calls OnResize when the size changed, then OnChange and
    /// OnSetupChange. Raises EVEKError when memory runs out (the table is then unchanged);
    /// other sources go to TPersistent::Assign.
    void Assign(const TPersistent* Source) override;

    // ---- cells
    /// The value of a cell (0 outside). A write calls OnChange; the state stays.
    double GetElem(int C, int R) const;
    void SetElem(int C, int R, double Value);
    /// The state byte of a cell (TDTCellState bits; 0 outside). A write calls OnChange.
    quint8 GetCellState(int C, int R) const;
    void SetCellState(int C, int R, quint8 State);
    /// Whether the cell holds a valid number: neither dtsNotANumber nor dtsEmpty is set
    /// (false outside).
    bool GetIsNumber(int C, int R) const;
    /// Every value becomes Value; states stay.
    void Fill(double Value);
    /// Every cell whose state has a bit of StateMask gets Value and becomes a number
    /// (dtsNotANumber and dtsEmpty cleared, other bits kept). Returns the number of cells
    /// filled.
    int FillMarkedCells(double Value, quint8 StateMask);
    /// Inverts the bits of StateMask in every cell.
    void InvertCellStates(quint8 StateMask);
    /// Exchanges the markings: type A becomes type B and the other way round.
    void ExchangeMarkings();
    /// Clears both markings of every cell.
    void UnmarkAllCells();
    /// Sets the marking bits of Marks (dtsMarkedA, dtsMarkedB) in every cell.
    void MarkAllCells(quint8 Marks);
    /// Cells with any of the bits of StateMask set.
    qint64 CountCells(quint8 StateMask) const;

    // ---- headers (columns 1..NrOfColumns, rows 1..NrOfRows)
    /// Names, cut to MaxNameLength characters; default "".
    TDTNameStr GetColName(int C) const;
    void SetColName(int C, const TDTNameStr& Name);
    TDTNameStr GetRowName(int R) const;
    void SetRowName(int R, const TDTNameStr& Name);
    /// Attribute bytes; default 0.
    quint8 GetColAttrib(int C) const;
    void SetColAttrib(int C, quint8 Value);
    quint8 GetRowAttrib(int R) const;
    void SetRowAttrib(int R, quint8 Value);
    /// The measurement scale of a column (a TMScaleType; default mstUndefined). Values
    /// above mstRatio are ignored.
    quint8 GetMScaleType(int C) const;
    void SetMScaleType(int C, quint8 Type);
    /// The ID of ordinal 1..MaxNominalOrdinal of column C; "" when undefined. IDs are
    /// cut to MaxNominalIDLength characters; "" removes one.
    QString GetNominalID(int C, int Ordinal) const;
    void SetNominalID(int C, int Ordinal, const QString& ID);
    /// The lowest ordinal whose ID equals ID (cut to MaxNominalIDLength characters),
    /// ignoring case when IgnoreCase is set; 0 when none does and -1 for a column
    /// outside the table.
    int OrdinalOfNominalID(int C, const QString& ID, bool IgnoreCase) const;
    /// Free text kept with the data; default "".
    QString Comment() const { return FComment; }
    void SetComment(const QString& Text);

    // ---- structure. Each calls OnResize (for the size) and OnSetupChange.
    /// Inserts an empty row before R (1..NrOfRows + 1; other indices are ignored).
    void InsertRow(int R);
    /// Inserts an empty column before C (1..NrOfColumns + 1).
    void InsertColumn(int C);
    /// Removes row R (1..NrOfRows).
    void RemoveRow(int R);
    /// Removes column C (1..NrOfColumns).
    void RemoveColumn(int C);
    /// Reverses the order of the columns (with their headers) / of the rows.
    void MirrorColumns();
    void MirrorRows();

    // ---- sorting and search. A block is LowCol..HighCol x LowRow..HighRow, clamped to
    // the table. Sorts are stable: cells holding numbers come in value order (ascending
    // or descending), cells that hold no number (state dtsNotANumber or dtsEmpty, or a
    // NaN) come after all numbers in either direction, and equal keys keep their order.
    // Each returns whether it ran: false, with nothing changed and nothing reported, for
    // a block outside the table or a key row (column) outside it.
    /// Reorders the columns of the block by their values in row SortRow; only the
    /// block's rows move. With IncludeHeaders the columns' names, attributes, scale types
    /// and nominal IDs move along.
    bool SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol,
                  int HighRow, bool IncludeHeaders);
    /// Reorders the rows of the block by their values in column SortCol; only the
    /// block's columns move. With IncludeHeaders the rows' names and attributes move.
    bool SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol,
                  int HighRow, bool IncludeHeaders);
    /// Reorders the columns (rows) of the block by their attribute bytes, headers
    /// included.
    bool SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    bool SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Reorders the columns (rows) of the block by their names, headers included.
    bool SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                      int HighRow);
    bool SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                      int HighRow);
    /// The first column (row) named Name (cut to MaxNameLength characters); 0 when none
    /// is.
    int FindColIndex(const TDTNameStr& Name) const;
    int FindRowIndex(const TDTNameStr& Name) const;

    /// Bytes held by cells, headers and IDs (for measurements).
    std::size_t MemoryUsed() const;

    // ---- notification slots; each handler is followed by its signal
    /// Cell values or states changed.
    TNotifyEvent OnChange;
    /// Structure, names, attributes, scale types, nominal IDs or the comment changed.
    TNotifyEvent OnSetupChange;
    /// Progress of a sort, 0..100.
    TOnPercentDoneEvent OnPercentDone;
    /// The size changed.
    TDTResizeEvent OnResize;
    /// A step of a sort, as an exchange of two columns or rows (no signal).
    TSortExchangeEvent OnSortExchange;

Q_SIGNALS:
    void changed();
    void setupChanged();
    void percentDone(int percent);
    void resized(int oldCols, int oldRows, int newCols, int newRows);

private:
    struct Column;
    class Layout;

    bool ContainsCell(int C, int R) const;
    bool ContainsColumn(int C) const { return C >= 1 && C <= FNrCols; }
    bool ContainsRow(int R) const { return R >= 1 && R <= FNrRows; }
    std::size_t Index(int C, int R) const
    {
        return std::size_t(R - 1) * std::size_t(FNrCols) + std::size_t(C - 1);
    }
    void Changed();
    void SetupChanged();
    void ReportResize(int oldCols, int oldRows);
    void PercentDone(int percent);
    [[noreturn]] void RaiseSize(const char* reason) const;
    // Rebuilds the cell blocks in the new layout (sizes and where old cells land).
    void Relayout(const Layout& layout);
    // The new order of the indices Low..High of a block's columns (rows): entry k is the
    // index that ends at Low + k.
    using TOrderOf = std::function<std::vector<int>(int Low, int High)>;
    // Reorders the columns (or the rows) of a block into the order orderOf gives.
    bool SortLinesBy(bool columns, const TOrderOf& orderOf, int LowCol, int LowRow,
                     int HighCol, int HighRow, bool IncludeHeaders);
    // The order of the cells first, first + stride, ... of indices Low..High by value.
    std::vector<int> ValueOrder(std::size_t first, std::size_t stride, int Low, int High,
                                bool Ascending) const;
    void ExchangeColumns(int a, int b, int LowRow, int HighRow, bool headers);
    void ExchangeRows(int a, int b, int LowCol, int HighCol, bool headers);
    // Room for one column or row beside the table while a sort moves the others round.
    struct Spare;
    // Moves the cells of column (row) from into column (row) to, in the block's rows
    // (columns), and with headers its headers; 0 names the spare.
    void MoveColumn(Spare& spare, int from, int to, int LowRow, int HighRow, bool headers);
    void MoveRow(Spare& spare, int from, int to, int LowCol, int HighCol, bool headers);

    // Cells stay in the object rather than behind a private pointer: every paint and
    // sort reads them, and a million rows should not pay an extra indirection per cell.
    int FNrCols = 0, FNrRows = 0;
    std::vector<double> FValues;   // row after row
    std::vector<quint8> FStates;   // row after row
    std::vector<Column> FColumns;  // headers of columns 1..FNrCols
    std::vector<QString> FRowNames; // empty while no row has a name
    std::vector<quint8> FRowAttribs;
    QString FComment;
};

} // namespace vek
