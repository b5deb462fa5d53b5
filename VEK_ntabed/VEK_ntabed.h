// VEK_ntabed.h: TNTabEd, a grid that shows one TDataTable (VEK_datatable.h): numbers in
// a precision per column, cell states as texts and colors, markings in colors, and the
// names and attributes of columns and rows in header lines.
#pragma once

#include <VEK_datatable.h>
#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
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

/// A table editor: a grid over a TDataTable it creates and owns.
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

    /// The table shown, owned by the editor. Changes made through it reach the editor
    /// through its notifications (values and states repaint and fire OnChange, a new size
    /// adapts the grid).
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

    // ---- clipboard (the data popup's Copy, Paste and Extract from Clipboard)
    /// Copies the selected cells to the clipboard as text and into the copy buffer.
    void PopupMenuClickCopy(TObject* Sender);
    /// Writes the copy buffer at the selection's top-left cell.
    void PopupMenuClickPaste(TObject* Sender);
    /// Reads the numbers of the clipboard text into the table from the selection's
    /// top-left cell.
    void PopupMenuClickExtClip(TObject* Sender);
    /// Whether a copy filled the copy buffer, so that Paste has something to write.
    bool CopyBufferFilled() const;

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
    /// The cells may not be edited; default false. Setting it closes an open editor and
    /// takes goEditing out of Options; clearing it puts goEditing in.
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
    class Suppression;
    class CallerSuppression;
    class MutedTable;

    std::unique_ptr<Private> d;
};

} // namespace vek
