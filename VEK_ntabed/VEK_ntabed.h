// VEK_ntabed.h: TNTabEd, a grid that shows one TDataTable (VEK_datatable.h): numbers in
// a precision per column, cell states as texts and colors, markings in colors, and the
// names and attributes of columns and rows in header lines.
#pragma once

#include <VEK_datatable.h>
#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/popupmenu.h>
#include <frame/grid/grid.h>

#include <memory>

namespace vek {

/// Failures of TNTabEd: "Component "\<Name\>": failed to initialize table editor (out of
/// memory)" from the constructor and "Component "\<Name\>": not enough memory on heap" when
/// the precisions cannot follow a new column count.
class VEK_EXPORT EVEKNTabedError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// Lets a handler change a built-in popup menu (PMenu) just before it opens.
using TBeforePopupEvent = std::function<void(TObject* Sender, TPopupMenu* PMenu)>;

/// Lets a handler restyle a data cell before it is drawn: colix and rowix are the data
/// column and row; Text, the colors and the font style may be changed.
using TBeforeRenderCellEvent =
    std::function<void(TObject* Sender, int colix, int rowix, QString& Text, TColor& ColorText,
                       TColor& ColorBakg, TFontStyles& FontStyles)>;

/// The text a table editor shows for a number (Precision and NumWidth as in TNTabEd).
/// Precision 0..8 gives fixed notation with that many decimals, right-aligned in at least
/// Width characters, while the value has at most nine significant digits before the point
/// and shows a nonzero digit (0 itself always: "0.000"): up to 999999999 with precision
/// 0, 9999999.9 with 1, ... 0.99999999 with 8, and down to 1, 0.1, ... 1E-8. Every other
/// value and precision gives exponent notation Width + 6 characters wide with a two-digit
/// exponent (" 1.23E+03" style); a value whose exponent needs three digits gives as many
/// "*" instead.
VEK_EXPORT QString FormatCellNumber(double Value, int Width, int Precision);

/// A table editor: a grid over a TDataTable it creates and owns (or one the program owns,
/// AssignAnotherDataMatrix).
///
///     row 0 (names)        [1:1]      [Attrib]  [column name] [column name] ...
///     row 1 (attributes)   [Attribute] [      ]  [attribute]   [attribute]   ...
///     data rows            [row name]  [attrib]  [  number  ]  [  number  ]  ...
///
/// The attribute column (AttribRowVisible, shown by default) and the attribute row
/// (AttribColVisible, hidden by default) come and go; the corner shows the current cell
/// as "column:row". Data operations take 1-based data indices (C, R); the width and
/// height operations take a header index: -1 the attribute column (row), 0 the name
/// column (row), 1..N a data column (row).
///
/// Each data cell shows, by its state byte (TDTCellState): blank when empty, "-nan-"
/// when not a number, the nominal ID of its value in a nominal or ordinal column, else
/// the number in its column's precision (FormatCellNumber). Marked cells take the marking
/// colors (bold with BoldMarks); selected cells the range selection colors; the headers
/// of the current column and row are drawn in ColorSelected (bold with BoldSelHeads).
///
/// Painting visits only the visible cells, so a table of a million rows repaints as fast
/// as a small one. Changes of the data mark the editor for repainting and are painted
/// together by the next paint; look setters repaint at once. While SuppressPaint is set
/// nothing paints and no notification fires; clearing it repaints once. Notifications
/// are never queued: a change made while suppressed is not reported later.
///
/// The default text colors follow the palette (the window text on the window, the button
/// text on the headers), so a dark theme shows a dark table. A fixed color set for a text
/// that stands on a palette surface gets a fixed surface too (a light or a dark face,
/// whichever it reads on), as marked cells have by default.
///
/// Default size 320 x 120; the sizeHint follows the cells.
class VEK_EXPORT TNTabEd : public TCustomGrid {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns NOTIFY setupChanged)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows NOTIFY setupChanged)
    Q_PROPERTY(bool AttribRowVisible READ AttribRowVisible WRITE SetAttribRowVisible
                   NOTIFY layoutChanged)
    Q_PROPERTY(bool AttribColVisible READ AttribColVisible WRITE SetAttribColVisible
                   NOTIFY layoutChanged)
    Q_PROPERTY(QString Comment READ Comment WRITE SetComment NOTIFY changed)
    Q_PROPERTY(int NumWidth READ NumWidth WRITE SetNumWidth NOTIFY layoutChanged)
    Q_PROPERTY(bool DataReadOnly READ DataReadOnly WRITE SetDataReadOnly)
    Q_PROPERTY(bool OptimizeRowHeight READ OptimizeRowHeight WRITE SetOptimizeRowHeight)
    Q_PROPERTY(bool BoldMarks READ BoldMarks WRITE SetBoldMarks NOTIFY layoutChanged)
    Q_PROPERTY(bool BoldSelHeads READ BoldSelHeads WRITE SetBoldSelHeads NOTIFY layoutChanged)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol NOTIFY topLeftChanged)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow NOTIFY topLeftChanged)
    Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
    Q_PROPERTY(vek::TOrientation AutoAdvanceDir READ AutoAdvanceDir WRITE SetAutoAdvanceDir)
    Q_PROPERTY(bool BlockInternalPopup READ BlockInternalPopup WRITE SetBlockInternalPopup)
    Q_PROPERTY(bool CommentEditingAllowed READ CommentEditingAllowed
                   WRITE SetCommentEditingAllowed)
    Q_PROPERTY(bool ClipboardUseFullPrec READ ClipboardUseFullPrec WRITE SetClipboardUseFullPrec)
    Q_PROPERTY(int NomEditDropDownCount READ NomEditDropDownCount WRITE SetNomEditDropDownCount)
    // One QColor property per color (Designer shows a color picker); the TColor accessors
    // stay the C++ API.
    Q_PROPERTY(QColor ColorBackground READ qColorBackground WRITE setQColorBackground
                   RESET resetColorBackground)
    Q_PROPERTY(QColor ColorFixed READ qColorFixed WRITE setQColorFixed RESET resetColorFixed)
    Q_PROPERTY(QColor ColorNormal READ qColorNormal WRITE setQColorNormal RESET resetColorNormal
                   NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorSelected READ qColorSelected WRITE setQColorSelected
                   RESET resetColorSelected NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorMarkedA READ qColorMarkedA WRITE setQColorMarkedA
                   RESET resetColorMarkedA NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorMarkedB READ qColorMarkedB WRITE setQColorMarkedB
                   RESET resetColorMarkedB NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorMarkedBoth READ qColorMarkedBoth WRITE setQColorMarkedBoth
                   RESET resetColorMarkedBoth NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorRangeSelFG READ qColorRangeSelFG WRITE setQColorRangeSelFG
                   RESET resetColorRangeSelFG NOTIFY layoutChanged)
    Q_PROPERTY(QColor ColorRangeSelBG READ qColorRangeSelBG WRITE setQColorRangeSelBG
                   RESET resetColorRangeSelBG NOTIFY layoutChanged)

public:
    static constexpr int DefaultPrecision = 3;        ///< precision of new columns
    static constexpr int DefaultAttribColWidth = 32;  ///< first width of the attribute column
    static constexpr int NameColWidth = 80;           ///< width of the name column

    /// A 3 x 4 table of zeros, precision 3 everywhere, the attribute column shown and the
    /// attribute row hidden, 320 x 120 pixels. Raises EVEKNTabedError when memory runs
    /// out.
    explicit TNTabEd(QWidget* parent = nullptr);
    ~TNTabEd() override;

    /// The table shown, owned by the editor unless the program bound one of its own
    /// (AssignAnotherDataMatrix). Changes made through it reach the editor through its
    /// notifications (values and states repaint and fire OnChange, a new size adapts the
    /// grid).
    TDataTable* Data() const;

    // ---- size
    /// Number of data columns, at least 1; default 3. New columns take the width of the
    /// former last column and its precision. Emits setupChanged. Raises EVEKError when
    /// the table refuses the size and EVEKNTabedError when the precisions cannot follow;
    /// either way the editor keeps its size.
    int NrOfColumns() const;
    void SetNrOfColumns(int value);
    /// Number of data rows, at least 1; default 4. Emits setupChanged. Raises EVEKError
    /// when the table refuses the size (the editor keeps its size).
    int NrOfRows() const;
    void SetNrOfRows(int value);

    // ---- header lines
    /// Whether the column of row attributes is shown; default true. Hiding and showing
    /// it keeps its width and moves the data columns' widths with them. Emits
    /// layoutChanged.
    bool AttribRowVisible() const;
    void SetAttribRowVisible(bool value);
    /// Whether the row of column attributes is shown; default false. A newly shown row
    /// takes the height of the name row. Emits layoutChanged.
    bool AttribColVisible() const;
    void SetAttribColVisible(bool value);
    /// The first visible data column (row). The setter clamps to 1..NrOfColumns
    /// (NrOfRows) and scrolls.
    int LeftCol() const;
    void SetLeftCol(int value);
    int TopRow() const;
    void SetTopRow(int value);

    // ---- sizes by header index (-1 attribute line, 0 name line, 1..N data)
    /// Width of a column; 0 for -1 while the attribute column is hidden and for indices
    /// outside. Writing -1 while hidden, or outside, is ignored; writing -1 while shown
    /// also sets the width it comes back with. Emits layoutChanged.
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int value);
    /// Height of a row; -1 while the attribute row is hidden and indices outside read 0
    /// and ignore writes.
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int value);
    /// Resets every width to value, then gives the name column 80 pixels and a shown
    /// attribute column its own width. Emits layoutChanged.
    void SetDefaultColWidth(int value) override;
    /// Fits a column to its texts in the font: -1 to "Attrib" (IncludeHeader) or "255";
    /// 0 to "999:9999" and every row name; a data column to its attribute, the number
    /// text of every row and (IncludeHeader) its name. Sets max(4, widest + Addon + 8)
    /// and returns it; 0 (and nothing set) for another index.
    int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// Gives a row the height of a line of the font plus Addon + 2 (at least 8) and
    /// returns it.
    int AutoRowHeight(int RowNr, int Addon);

    // ---- cells (data indices)
    /// A cell's value (0 outside); writing stores it in the table.
    double Elem(int C, int R) const;
    void SetElem(int C, int R, double value);
    /// A cell's state byte (TDTCellState bits; 0 outside).
    quint8 CellState(int C, int R) const;
    /// Marking A (B) of a cell; writes outside the table change nothing but still
    /// repaint and emit cellStateChanged.
    bool ElemMarkedA(int C, int R) const;
    void SetElemMarkedA(int C, int R, bool value);
    bool ElemMarkedB(int C, int R) const;
    void SetElemMarkedB(int C, int R, bool value);
    /// Whether a cell is empty (shown blank); writing emits cellStateChanged.
    bool IsEmpty(int C, int R) const;
    void SetIsEmpty(int C, int R, bool value);
    /// Whether a cell holds a valid number (neither empty nor invalid).
    bool IsNumber(int C, int R) const;
    /// Whether any cell of row R (column C, the table) is marked; false outside.
    bool IfRowMarked(int R) const;
    bool IfColumnMarked(int C) const;
    bool IfAnyMarked() const;
    /// Cells marked A (B).
    int NrOfMarkedDataA() const;
    int NrOfMarkedDataB() const;
    /// Clear both markings / mark every cell A / mark every cell B; each emits
    /// cellStateChanged once.
    void UnMarkAllElems();
    void MarkAllElemsA();
    void MarkAllElemsB();
    /// Inverts the StateMask bits of every cell / exchanges markings A and B; each emits
    /// cellStateChanged once.
    void InvertCellStates(quint8 StateMask);
    void ExchangeMarkings();
    /// Every value becomes value (states stay); no notification.
    void Fill(double value);
    /// Fills the cells that have a bit of StateMask (see TDataTable::FillMarkedCells)
    /// and returns their number; repaints once.
    int FillMarkedCells(double value, quint8 StateMask);

    // ---- headers (data indices; "" or 0 outside, writes there ignored)
    /// Names, cut to 50 characters; writing emits headingChanged.
    TDTNameStr ColName(int C) const;
    void SetColName(int C, const TDTNameStr& value);
    TDTNameStr RowName(int R) const;
    void SetRowName(int R, const TDTNameStr& value);
    /// Attributes 0..255; writing emits attributeChanged.
    quint8 ColAttrib(int C) const;
    void SetColAttrib(int C, quint8 value);
    quint8 RowAttrib(int R) const;
    void SetRowAttrib(int R, quint8 value);
    /// The precision of a data column: 0..8 fixed notation with that many decimals, any
    /// other value exponent notation (FormatCellNumber); default 3. Reads as an unsigned
    /// byte (exponent form set as -1 reads 255), 0 outside. Writing stores negative
    /// values as -1 and caps values above 10 at 10; emits layoutChanged.
    int Precision(int C) const;
    void SetPrecision(int C, int value);
    /// Minimum width in characters of a number text, 1..20 (other values are ignored);
    /// default 1. Emits layoutChanged in either case.
    int NumWidth() const;
    void SetNumWidth(int value);
    /// The table's comment; writing removes control characters and emits changed.
    QString Comment() const;
    void SetComment(const QString& value);

    // ---- structure
    /// Inserts an empty row (column) before R (C), 1..N + 1 (N + 1 appends); other
    /// indices are ignored. A new column takes the precision and the width of the one it
    /// was inserted before (the last one when appended).
    void InsertRow(int R);
    void InsertColumn(int C);
    /// Removes row R (column C), 1..N; the last remaining row (column) stays.
    void RemoveRow(int R);
    void RemoveColumn(int C);
    /// Reverses the order of the columns (with names, attributes and precisions) / rows.
    void MirrorColumns();
    void MirrorRows();
    /// Empties the table (values 0, states, names, attributes, scales and comment
    /// cleared), names the columns "C-1", "C-2", ... and the rows "R-1", "R-2", ... and
    /// sets every precision back to 3. Repaints once.
    void Clear();

    // ---- resizing, sorting, search and other tables
    /// Makes the table NrCols x NrRows (each at least 1) in one step: new columns take
    /// the width of the former last column and its precision. Emits setupChanged. Raises
    /// EVEKError when the table refuses the size and EVEKNTabedError when the precisions
    /// cannot follow; either way the editor keeps its size.
    void Redimension(int NrCols, int NrRows);
    /// Sorts the columns (rows) of the block LowCol..HighCol x LowRow..HighRow (data
    /// indices, clamped to the table) by their values in row SortRowIx (column
    /// SortColIx); only the block's cells move. The sort is stable; cells that hold no
    /// number come last in either direction. With IncludeHeaders the names and
    /// attributes move with their columns (rows), and for columns also the scale types,
    /// nominal IDs and precisions; without, they stay where they are. Fires OnChange and
    /// OnCellStateChanged (states move with their cells), with IncludeHeaders also
    /// OnHeadingChanged and OnAttributeChanged, and for columns OnLayoutChanged; nothing
    /// when the block or the key lies outside the table. OnPercentDone reports progress.
    void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                  int HighRow, bool IncludeHeaders);
    void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                  int HighRow, bool IncludeHeaders);
    /// Sorts the columns (rows) of a block by their attributes, headers included, with
    /// the notifications of SortCols (SortRows) with IncludeHeaders.
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the columns (rows) of a block by their names, headers included, case
    /// sensitive (rows: unless IgnoreCase), with the notifications of SortCols (SortRows)
    /// with IncludeHeaders.
    void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                      int HighRow);
    /// The first data column (row) named ColID (RowID), compared exactly; 0 when none is.
    int FindColIndex(const TDTNameStr& ColID) const;
    int FindRowIndex(const TDTNameStr& RowID) const;
    /// Shows NewDTab, a table the program keeps owning, instead of the current one (a
    /// table of the editor's own is freed). The grid takes the table's size, every
    /// precision goes back to 3; fires OnChangeSetup, OnChange and OnLayoutChanged. A
    /// table serves one editor at a time: binding takes over its notification slots,
    /// and the editor clears them when it is destroyed or binds another table. When
    /// the program destroys the table first, the editor goes on with a table of its own
    /// of the same size, holding zeros. nullptr and the table shown are ignored.
    void AssignAnotherDataMatrix(TDataTable* NewDTab);
    /// Takes over the contents of another editor's table (size, values, states, names,
    /// attributes, scale types, nominal IDs, comment) and its precisions; not its look.
    /// Fires OnChangeSetup, OnChange and OnLayoutChanged. Raises EVEKError or
    /// EVEKNTabedError when memory runs out (the editor keeps its contents).
    void CopyContentsFrom(const TNTabEd* ExtTab);
    /// Takes over the state bytes of another editor's cells where both tables have
    /// cells; the others keep theirs. Fires OnCellStateChanged.
    void CopyCellStatesFrom(const TNTabEd* ExtTab);
    /// Writes the whole state byte of a cell (TDTCellState bits; bits 2 to 5 are the
    /// program's). Fires OnCellStateChanged; writes outside the table are ignored.
    void SetCellState(int C, int R, quint8 Value);

    // ---- clipboard (the data popup's Copy, Paste and Extract from Clipboard)
    /// Copies the selected cells into the copy buffer (values and state bytes) and to the
    /// clipboard as text: one line per row ending in CR LF, a blank before the first
    /// cell and a TAB before each further one. A cell that holds no number (empty or
    /// invalid) writes "####"; a number writes, with ClipboardUseFullPrec, 22 characters
    /// of scientific form with a four-digit exponent (" 1.5000000000000E+0000"), else its
    /// column's precision: 0..10 fixed with that many decimals ("1.500"), exponent form
    /// the digits the cell shows ("1.5E+0000"). Raises EVEKNTabedError "Component
    /// "\<Name\>": not enough memory on heap" when the block does not fit in memory
    /// (nothing changes then).
    void PopupMenuClickCopy(TObject* Sender);
    /// Writes the copy buffer, values and state bytes, at the selection's top-left cell;
    /// what falls outside the table is left out. Selects the cells written (the current
    /// cell stays) and fires OnChange, OnCellStateChanged, OnPaste and, when the
    /// selection changed, OnSelectionChanged. Does nothing before the first copy and
    /// while DataReadOnly is set.
    void PopupMenuClickPaste(TObject* Sender);
    /// Reads the numbers of the clipboard text into the cells from the selection's
    /// top-left cell on, a line of the text to a row; the cells keep their state bytes
    /// (an empty cell stays empty). Any text is read: TAB, CR, blanks and every
    /// character that cannot start a number separate numbers; each line feed after a
    /// number starts a new row (CR LF or LF line ends); "-" alone or a malformed number
    /// reads 0; exponents beyond the double range give the largest double. Numbers that
    /// fall outside the table are left out. Selects the block read (the current cell
    /// stays) and fires OnChange, OnPaste and, when the selection changed,
    /// OnSelectionChanged. Does nothing when the clipboard holds no number and while
    /// DataReadOnly is set.
    void PopupMenuClickExtClip(TObject* Sender);
    /// Whether a copy filled the copy buffer, so that Paste has something to write.
    bool CopyBufferFilled() const;
    /// The size of the block of numbers on the clipboard, as PopupMenuClickExtClip would
    /// read it: NCols the most numbers of a line, NRows the lines up to the last one with
    /// a number (a text ending in a line break, as Copy writes it, holds exactly its
    /// rows). Returns whether the clipboard text holds a number; without one NCols and
    /// NRows are 1.
    bool GetClipMatrixSize(int& NCols, int& NRows) const;
    /// After Paste and Extract from Clipboard, and after a range was cleared (unless
    /// painting is suppressed); before pasted.
    TNotifyEvent OnPaste;
Q_SIGNALS:
    void pasted();

public:

    // ---- look
    /// Background of the data cells (the control's Color); default clWindow.
    TColor ColorBackground() const;
    void SetColorBackground(TColor value);
    VEK_COLOR_PROPERTY(ColorBackground, clWindow)
    /// Background of the header cells (the grid's FixedColor); default clBtnFace.
    TColor ColorFixed() const;
    void SetColorFixed(TColor value);
    VEK_COLOR_PROPERTY(ColorFixed, clBtnFace)
    /// Text of numbers, headers and the corner; default clWindowText.
    TColor ColorNormal() const;
    void SetColorNormal(TColor value);
    VEK_COLOR_PROPERTY(ColorNormal, clWindowText)
    /// Text of the headers of the current column and row; default clBtnText.
    TColor ColorSelected() const;
    void SetColorSelected(TColor value);
    VEK_COLOR_PROPERTY(ColorSelected, clBtnText)
    /// Text of cells marked A only; default $0000FF (red).
    TColor ColorMarkedA() const;
    void SetColorMarkedA(TColor value);
    VEK_COLOR_PROPERTY(ColorMarkedA, 0x0000FF)
    /// Text of cells marked B only; default $FF0000 (blue).
    TColor ColorMarkedB() const;
    void SetColorMarkedB(TColor value);
    VEK_COLOR_PROPERTY(ColorMarkedB, 0xFF0000)
    /// Text of cells marked A and B; default $CC00BB (purple).
    TColor ColorMarkedBoth() const;
    void SetColorMarkedBoth(TColor value);
    VEK_COLOR_PROPERTY(ColorMarkedBoth, 0xCC00BB)
    /// Text of selected unmarked data cells; default $80552C.
    TColor ColorRangeSelFG() const;
    void SetColorRangeSelFG(TColor value);
    VEK_COLOR_PROPERTY(ColorRangeSelFG, 0x80552C)
    /// Background of selected data cells; default $F8E8E0.
    TColor ColorRangeSelBG() const;
    void SetColorRangeSelBG(TColor value);
    VEK_COLOR_PROPERTY(ColorRangeSelBG, 0xF8E8E0)
    /// Marked cells in bold; default true. Emits layoutChanged.
    bool BoldMarks() const;
    void SetBoldMarks(bool value);
    /// Headers of the current column and row in bold; default true. Emits layoutChanged.
    bool BoldSelHeads() const;
    void SetBoldSelHeads(bool value);
    /// Every paint fits the row height to the font (AutoRowHeight with Addon 2); default
    /// false.
    bool OptimizeRowHeight() const;
    void SetOptimizeRowHeight(bool value);

    // ---- editing settings
    /// The cells may not be edited; default false (Options then hold goEditing).
    /// Setting it drops an open in-place edit and takes goEditing out of Options;
    /// clearing it puts goEditing in.
    bool DataReadOnly() const;
    void SetDataReadOnly(bool value);
    /// After Enter the current cell moves on; default true.
    bool AutoAdvance() const;
    void SetAutoAdvance(bool value);
    /// Where it moves: orVertical down (the default), orHorizontal right.
    TOrientation AutoAdvanceDir() const;
    void SetAutoAdvanceDir(TOrientation value);
    /// No built-in popup menus and no comment editing by mouse; default false.
    bool BlockInternalPopup() const;
    void SetBlockInternalPopup(bool value);
    /// A right click on the corner edits the comment; default true.
    bool CommentEditingAllowed() const;
    void SetCommentEditingAllowed(bool value);
    /// Copies to the clipboard carry every digit (else the column's precision); default
    /// true.
    bool ClipboardUseFullPrec() const;
    void SetClipboardUseFullPrec(bool value);
    /// Rows of the list that edits nominal IDs; default 8.
    int NomEditDropDownCount() const;
    void SetNomEditDropDownCount(int value);

    // ---- editing and popup menus
    // A data cell is edited in place: typing, F2 (Enter while AutoAdvance is off), a
    // double click or a second click on the current cell opens the editor; Enter stores
    // the text and, with AutoAdvance, moves on, Escape drops it. Tab walks the cells. A number may use a comma or a point; text that is no number
    // makes the cell invalid ("-nan-") and keeps its value. Nominal and ordinal columns
    // are edited with a list of their IDs. A stored entry clears the cell's markings and
    // its empty and invalid states (the program's bits 2 to 5 stay).
    //
    // A right click opens one of two menus, unless PopupMenu is set or
    // BlockInternalPopup is on: over data cells the data menu (named "PopupDTAction",
    // items "DIt1".."DIt12", the marking submenus "M1It1".."M1It4" (mark A),
    // "M2It1".."M2It4" (mark B), "U1It1".."U1It4" (unmark A), "U2It1".."U2It4"
    // (unmark B)), over names and attributes the header menu ("PopupHTAction", items
    // "HIt1".."HIt5"). A right click on the corner edits the comment.

    /// Enables the data menu's items: bit k - 1 enables item k (1..12: "Mark as type
    /// A", "Mark as type B", "Unmark type A", "Unmark type B", "Unmark All", "Clear",
    /// "Copy", "Paste", "Data Read-Only", "Extract from Clipboard", "Select All",
    /// "Toggle Empty State"). Default all bits. "Paste" is offered only once a copy
    /// filled the copy buffer, and "Paste", "Clear", "Extract from Clipboard" and
    /// "Toggle Empty State" not while DataReadOnly is on. Emits setupChanged.
    int PopupDMask() const;
    void SetPopupDMask(int value);
    /// Enables the header menu's items in the same way (1..5: "Edit Heading", "Change
    /// Precision", "Select..", "Insert..", "Delete.."). Default all bits. "Change
    /// Precision" is offered over column headers only, inserting and deleting not while
    /// DataReadOnly is on. Emits setupChanged.
    int PopupHMask() const;
    void SetPopupHMask(int value);
    /// Captions of the data menu's items 1..12, of the header menu's items 1..5, of the
    /// marking submenus' items 1..4 ("Range", "Column", "Row", "All"; written to both
    /// the A and the B submenu, read from the A one) and of the unmarking submenus'.
    /// Texts are cut to 50 characters; other indices read "" and ignore writes. The
    /// header menu's items 3 to 5 are renamed for a column or a row each time it opens.
    QString PopupDCaptions(int Index) const;
    void SetPopupDCaptions(int Index, const QString& value);
    QString PopupHCaptions(int Index) const;
    void SetPopupHCaptions(int Index, const QString& value);
    QString PopupMCaptions(int Index) const;
    void SetPopupMCaptions(int Index, const QString& value);
    QString PopupUCaptions(int Index) const;
    void SetPopupUCaptions(int Index, const QString& value);

    /// Whether the heading editor (a line edit named "HeadingEditor") is open. While it
    /// is, mouse presses on the cells are ignored; Enter stores the name or attribute,
    /// Escape drops it.
    bool HeadingEditorOpen() const;
    /// Whether the comment editor (a text edit named "CommentEditor" beside the corner)
    /// is open. Enter stores the comment, Escape or a click on the corner drops it.
    bool CommentEditorOpen() const;

    // The commands of the menus. The header menu's commands act on the header cell of
    // the last right click; the data menu's on the selected cells, or with "Column"
    // ("Row") on the whole columns (rows) of the selection, with "All" on every cell.
    /// Opens the heading editor on the clicked name or attribute.
    void PopupMenuClickChangeID(TObject* Sender);
    /// Steps the clicked column's precision down by one (0 goes to exponent form,
    /// exponent form to 10) and reopens the header menu for the next step.
    void PopupMenuClickPrecision(TObject* Sender);
    /// Selects the clicked column's (row's) data cells; emits the selection report.
    void PopupMenuClickSelectCol(TObject* Sender);
    void PopupMenuClickSelectRow(TObject* Sender);
    /// Inserts a column (row) named "(...)" before the clicked one; emits setupChanged.
    void PopupMenuClickInsertCol(TObject* Sender);
    void PopupMenuClickInsertRow(TObject* Sender);
    /// Deletes the clicked column (row), unless it is the last; emits setupChanged.
    void PopupMenuClickDeleteCol(TObject* Sender);
    void PopupMenuClickDeleteRow(TObject* Sender);
    /// Sets every selected cell to 0 and a plain number (markings and empty state go);
    /// then OnPaste, OnChange and OnCellStateChanged.
    void PopupMenuClickClear(TObject* Sender);
    /// Switches the empty state of every selected cell.
    void PopupMenuClickEmptyCells(TObject* Sender);
    /// Switches DataReadOnly; emits setupChanged.
    void PopupMenuClickEdit(TObject* Sender);
    /// Selects every data cell.
    void PopupMenuClickSelAll(TObject* Sender);
    /// Clears both markings of every cell.
    void PopupMenuClickUnMarkAll(TObject* Sender);
    /// Mark A (B) or unmark A (B) the selected cells (Range), their whole columns
    /// (Col), their whole rows (Row) or every cell (All); each emits cellStateChanged.
    void PopupMenuClickMarkARange(TObject* Sender);
    void PopupMenuClickMarkACol(TObject* Sender);
    void PopupMenuClickMarkARow(TObject* Sender);
    void PopupMenuClickMarkAAll(TObject* Sender);
    void PopupMenuClickMarkBRange(TObject* Sender);
    void PopupMenuClickMarkBCol(TObject* Sender);
    void PopupMenuClickMarkBRow(TObject* Sender);
    void PopupMenuClickMarkBAll(TObject* Sender);
    void PopupMenuClickUnMarkARange(TObject* Sender);
    void PopupMenuClickUnMarkACol(TObject* Sender);
    void PopupMenuClickUnMarkARow(TObject* Sender);
    void PopupMenuClickUnMarkAAll(TObject* Sender);
    void PopupMenuClickUnMarkBRange(TObject* Sender);
    void PopupMenuClickUnMarkBCol(TObject* Sender);
    void PopupMenuClickUnMarkBRow(TObject* Sender);
    void PopupMenuClickUnMarkBAll(TObject* Sender);
    /// The data menu's OnPopup: offers "Paste", "Clear", "Extract from Clipboard" and
    /// "Toggle Empty State" by PopupDMask, the copy buffer and DataReadOnly.
    void PopupMenuDLoadPopup(TObject* Sender);

    /// Called just before a built-in menu opens, with the menu: the place to change its
    /// items.
    TBeforePopupEvent OnBeforePopup;
    /// Changes the text the in-place editor starts with; ACol and ARow are grid
    /// coordinates.
    TCustomDrawGrid::TGetEditEvent OnGetEditText;
    /// Called after an edited text was stored (grid coordinates); before cellEdited.
    TCustomDrawGrid::TSetEditEvent OnSetEditText;

Q_SIGNALS:
    /// The text of cell (col, row) (grid coordinates) was edited and stored.
    void cellEdited(int col, int row, const QString& text);

public:
    bool EditorKey(int Key, TShiftState Shift) override;

protected:
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
    void TopLeftChanged() override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    TEditStyle GetEditStyle(int ACol, int ARow) override;
    void GetPickListItems(int ACol, int ARow, QStringList& Items) override;
    std::unique_ptr<TInplaceEditor> CreateEditor(TEditStyle Style) override;

public:

    // ---- painting and notifications
    /// While set nothing paints and no notification fires; clearing it repaints once.
    /// Default false.
    bool SuppressPaint() const;
    void SetSuppressPaint(bool value);
    /// Fire OnChange, OnChangeSetup, OnHeadingChanged, OnAttributeChanged,
    /// OnLayoutChanged, OnCellStateChanged and OnSelectionChanged (each followed by its
    /// signal), unless painting is suppressed.
    void ChangedData();
    void ChangedSetup();
    void ChangedHeading();
    void ChangedAttrib();
    void ChangedLayout();
    void ChangedCellStates();
    void ChangedSelection();

    /// Every column and row with the headers and the border, but no more than 36 by 24
    /// text lines of the font, and never below minimumSizeHint.
    QSize sizeHint() const override;

    /// Values, the comment or the whole table changed; before changed.
    TNotifyEvent OnChange;
    /// Sizes or the structure changed; before setupChanged.
    TNotifyEvent OnChangeSetup;
    /// A column or row name changed; before headingChanged.
    TNotifyEvent OnHeadingChanged;
    /// A column or row attribute changed; before attributeChanged.
    TNotifyEvent OnAttributeChanged;
    /// Markings, empty or invalid states changed; before cellStateChanged.
    TNotifyEvent OnCellStateChanged;
    /// Colors, widths, precisions, NumWidth or the header lines changed; before
    /// layoutChanged.
    TNotifyEvent OnLayoutChanged;
    /// ChangedSelection was called (the grid's selectionChanged signal reports every
    /// change of Selection).
    TNotifyEvent OnSelectionChanged;
    /// Progress of a long table operation (a sort), with the editor as Sender; before
    /// percentDone.
    TOnPercentDoneEvent OnPercentDone;
    /// Restyles each data cell before it is drawn.
    TBeforeRenderCellEvent OnBeforeRenderCell;

Q_SIGNALS:
    void changed();
    void setupChanged();
    void headingChanged();
    void attributeChanged();
    void cellStateChanged();
    void layoutChanged();
    void percentDone(int percent);

protected:
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    void ColWidthsChanged() override;
    void FontChanged() override;

private:
    // Defined in ntabed_p.h.
    struct Private;
    // Reads the cells as painted for screen readers (ntabed_accessible.cpp).
    friend class TNTabEdAccessible;
    class Suppression;
    class CallerSuppression;
    class MutedTable;

    std::unique_ptr<Private> d;
};

} // namespace vek
