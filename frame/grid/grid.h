// The grid base: a scrolling table of cells with fixed (non-scrolling) leading rows and
// columns, per-index column widths and row heights, a current cell with a rectangular
// selection, keyboard and mouse navigation, column/row sizing with the mouse and an
// in-place editor. Cells are drawn by the DrawCell hook; a paint visits only the cells
// that are visible, so its cost does not depend on RowCount.
//
// Coordinates: CellRect, MouseCoord and the DrawCell rectangles are in the control's own
// pixel coordinates (the border, when there is one, lies outside every cell). Each
// column is followed by a vertical grid line of GridLineWidth pixels, each row by a
// horizontal one, when any vertical (horizontal) line option is set.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <memory>
#include <vector>

namespace vek {

/// The option bits have the host's values, so stored option masks keep their meaning
// (0x5083 = goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking).
enum TGridOption : unsigned {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goDrawFocusSelected = 0x20,
    goRowSizing = 0x40,
    goColSizing = 0x80,
    goRowMoving = 0x100,
    goColMoving = 0x200,
    goEditing = 0x400,
    goTabs = 0x800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)

/// How a cell is drawn: selected, the current (focused) cell, fixed.
enum TGridDrawStateItem : unsigned { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateItem)

/// Which scroll bars the grid may show (each appears only when the cells do not fit).
enum TScrollStyle { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };
/// No frame, or a sunken two-pixel frame around the cells.
using TGridBorderStyle = TBorderStyle;
/// The kind of in-place editor a cell gets.
enum TEditStyle { esSimple = 0, esPickList = 2 };

/// A cell by column (X) and row (Y).
struct TGridCoord {
    int X = 0; ///< the column
    int Y = 0; ///< the row
    /// Same cell.
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

/// A block of cells by inclusive cell coordinates.
struct TGridRect {
    int Left = 0;   ///< first column
    int Top = 0;    ///< first row
    int Right = 0;  ///< last column
    int Bottom = 0; ///< last row
    /// Whether the cell is inside.
    constexpr bool Contains(int ACol, int ARow) const
    {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
    /// Same block.
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

class TCustomGrid;

/// What the grid needs of an in-place editor, whatever widget it is.
class VEK_EXPORT TInplaceEditor {
public:
    virtual ~TInplaceEditor() = default;
    /// The editor's widget, a child of the grid.
    virtual QWidget* Widget() = 0;
    /// The text being edited; SetText replaces it and selects it all.
    virtual QString Text() const = 0;
    virtual void SetText(const QString& value) = 0;
    /// Replaces the text with the first character typed on the grid, the cursor after it,
    /// so that typing goes on behind it.
    virtual void StartTyping(const QString& typed) = 0;
    /// The style the editor was made for.
    virtual TEditStyle EditStyle() const = 0;
};

/// The plain in-place editor: a frameless line edit over the cell, in the grid's font.
/// Enter, Escape and the keys that leave the cell go to the grid.
class VEK_EXPORT TInplaceEdit : public QLineEdit, public TInplaceEditor {
    Q_OBJECT
public:
    /// The editor of grid's cells (a child of the grid).
    explicit TInplaceEdit(TCustomGrid* grid);
    QWidget* Widget() override { return this; }
    QString Text() const override { return text(); }
    void SetText(const QString& value) override;
    void StartTyping(const QString& typed) override { setText(typed); }
    TEditStyle EditStyle() const override { return esSimple; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCustomGrid* FGrid;
};

/// The pick-list in-place editor: an editable combo box whose list the grid fills; Up
/// and Down browse the list.
class VEK_EXPORT TInplaceEditList : public QComboBox, public TInplaceEditor {
    Q_OBJECT
public:
    /// The editor of grid's cells (a child of the grid).
    explicit TInplaceEditList(TCustomGrid* grid);
    QWidget* Widget() override { return this; }
    QString Text() const override { return currentText(); }
    void SetText(const QString& value) override;
    void StartTyping(const QString& typed) override { setEditText(typed); }
    TEditStyle EditStyle() const override { return esPickList; }
    /// The items of the list.
    QStringList PickList() const;
    void SetPickList(const QStringList& items);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCustomGrid* FGrid;
};

/// The grid base of the report list and the calendar: a scroll area of cells, drawn by
/// DrawCell, with fixed leading rows and columns.
///
/// Like a QAbstractScrollArea it has no natural size of its own: sizeHint() is the
/// default size (320 x 120, or what a descendant sets with SetDefaultSize; a descendant
/// whose cells decide its size returns ContentsSizeHint), the size policy is Expanding
/// both ways, and minimumSizeHint() leaves room for the border and the scroll bars. Signals report the current cell, the selection, the view position
/// and mouse sizing; TCustomDrawGrid adds moving and editing.
class VEK_EXPORT TCustomGrid : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(QColor FixedColor READ qFixedColor WRITE setQFixedColor RESET resetFixedColor)
    Q_PROPERTY(QColor GridLineColor READ qGridLineColor WRITE setQGridLineColor
                   RESET resetGridLineColor)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int Options READ OptionBits WRITE SetOptionBits)
    Q_PROPERTY(int ScrollBars READ ScrollBarsValue WRITE SetScrollBarsValue)
    Q_PROPERTY(int BorderStyle READ BorderStyleValue WRITE SetBorderStyleValue)

public:
    /// A 5 x 5 grid with one fixed row and column, 320 x 120 pixels.
    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    // ---- shape. Lowering a count moves the current cell and the view inside the grid.
    /// Number of columns, at least 1 (default 5).
    int ColCount() const;
    void SetColCount(int value);
    /// Number of rows, at least 1 (default 5).
    int RowCount() const;
    void SetRowCount(int value);
    /// Leading columns that do not scroll, 0..ColCount - 1 (default 1); other values
    /// raise EVEKError.
    int FixedCols() const;
    void SetFixedCols(int value);
    /// Leading rows that do not scroll, 0..RowCount - 1 (default 1); other values raise
    /// EVEKError.
    int FixedRows() const;
    void SetFixedRows(int value);

    // ---- sizes (pixels; negative values give 0, values above MaxPixelExtent that)
    /// Width of every column without a width of its own (default 64). Setting it resets
    /// every individual width.
    int DefaultColWidth() const;
    virtual void SetDefaultColWidth(int value);
    /// Height of every row without a height of its own (default 24). Setting it resets
    /// every individual height.
    int DefaultRowHeight() const;
    virtual void SetDefaultRowHeight(int value);
    /// Width of column ACol (0 outside 0..ColCount - 1); writing outside raises
    /// EVEKError.
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int value);
    /// Height of row ARow (0 outside 0..RowCount - 1); writing outside raises EVEKError.
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int value);
    /// Width of the lines between cells (default 1).
    int GridLineWidth() const;
    void SetGridLineWidth(int value);

    // ---- look
    /// Background of the fixed cells and their line gaps; default clBtnFace.
    TColor FixedColor() const;
    void SetFixedColor(TColor value);
    VEK_COLOR_PROPERTY(FixedColor, clBtnFace)
    /// Color of the lines between scrolling cells; default clSilver (a descendant may
    /// choose another, see SetDefaultGridLineColor).
    TColor GridLineColor() const;
    void SetGridLineColor(TColor value);
    VEK_COLOR_PROPERTY(GridLineColor, DefaultGridLineColor())
    /// When set (the default), the grid fills each cell (fixed, selected or normal
    /// color) and sets the canvas font before DrawCell, and bevels the fixed cells after
    /// it.
    bool DefaultDrawing() const;
    void SetDefaultDrawing(bool value);
    /// Default goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine |
    /// goRangeSelect.
    TGridOptions Options() const;
    void SetOptions(TGridOptions value);
    /// Which scroll bars may appear (default ssBoth).
    TScrollStyle ScrollBars() const;
    void SetScrollBars(TScrollStyle value);
    /// bsSingle (the default) draws a sunken two-pixel frame around the cells.
    TGridBorderStyle BorderStyle() const;
    void SetBorderStyle(TGridBorderStyle value);

    // ---- current cell, selection and view (scrolling cells only; values are clamped)
    /// Column of the current cell (default 1). Emits currentCellChanged.
    int Col() const;
    void SetCol(int value);
    /// Row of the current cell (default 1). Emits currentCellChanged.
    int Row() const;
    void SetRow(int value);
    /// Selected cells: the block from the anchor to the current cell, with goRowSelect
    /// whole rows (all scrolling columns). Setting it makes (Right, Bottom) the current
    /// cell; without goRangeSelect the block shrinks to that cell. Emits
    /// selectionChanged.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    /// First scrolling row shown (default FixedRows). Emits topLeftChanged, also when a
    /// count change moves the view.
    int TopRow() const;
    void SetTopRow(int value);
    /// First scrolling column shown (default FixedCols). Emits topLeftChanged.
    int LeftCol() const;
    void SetLeftCol(int value);
    /// Scrolling rows shown completely from TopRow on.
    int VisibleRowCount() const;
    /// Scrolling columns shown completely from LeftCol on.
    int VisibleColCount() const;

    // ---- geometry
    /// The cell's rectangle; an empty rectangle when the cell is not visible.
    TRect CellRect(int ACol, int ARow) const;
    /// The cell under a point; -1 in a coordinate that hits no cell.
    TGridCoord MouseCoord(int X, int Y) const;
    /// The cell area: the control without border and scroll bars.
    TRect GridClientRect() const;
    /// The part of the cell area that the visible cells and their lines cover (all of
    /// it when the cells fill it): a point right of or below it hits no cell.
    TRect CellsExtent() const;

    /// Room for the border and the scroll bars that ScrollBars allows.
    QSize minimumSizeHint() const override;

    // ---- repainting: the back buffer is repainted as a whole at the next paint; the
    // cell and line forms say what changed
    /// Marks the whole grid for repainting.
    void InvalidateGrid();
    /// Marks a cell, a row or a column for repainting.
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);

    // ---- in-place editing (goEditing)
    /// Whether the in-place editor is open.
    bool EditorMode() const;
    void SetEditorMode(bool value);
    /// Opens the editor over the current cell when CanEditShow allows it.
    void ShowEditor();
    /// Hides the editor and hands a changed text to SetEditText.
    void HideEditor();
    /// The editor widget; null until it was first shown.
    TInplaceEditor* InplaceEditor() const;

    /// Asks the grid to handle a navigation key the in-place editor does not use; true
    /// when the grid took it.
    virtual bool EditorKey(int Key, TShiftState Shift);
    /// Escape in the editor: restore the cell's text and leave editing.
    void CancelEditing();

    // ---- moving columns and rows (by code, or with goColMoving / goRowMoving by
    // dragging a fixed-row cell of a column / a fixed-column cell of a row)
    /// Takes the scrolling column FromIndex out and puts it in at ToIndex; the columns
    /// between shift by one. Its width goes along, the current cell and the selection
    /// stay on the cells they were on, an open editor follows its cell. Then
    /// ColumnMoved lets the owner move its data. Indices outside the scrolling cells, or
    /// two equal ones, change nothing.
    void MoveColumn(int FromIndex, int ToIndex);
    /// The same for the scrolling row FromIndex.
    void MoveRow(int FromIndex, int ToIndex);

    /// Called after TopRow or LeftCol changed, before topLeftChanged.
    TNotifyEvent OnTopLeftChanged;
    /// Called after a column was resized with the mouse, before columnResized.
    TNotifyEvent OnColumnResized;

Q_SIGNALS:
    /// The current cell moved to (col, row), by code, keys, the mouse or a count change.
    void currentCellChanged(int col, int row);
    /// Selection() changed.
    void selectionChanged();
    /// TopRow or LeftCol changed (after OnTopLeftChanged).
    void topLeftChanged();
    /// Column col was resized with the mouse (after OnColumnResized).
    void columnResized(int col);

protected:
    /// Draws one cell into Canvas(); Rect excludes the grid lines.
    virtual void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) = 0;
    /// May the cell become the current one? The default allows every cell.
    virtual bool SelectCell(int ACol, int ARow);
    /// The view moved; the default calls OnTopLeftChanged and emits topLeftChanged.
    virtual void TopLeftChanged();
    /// A column width (row height) or the default changed, by code or the mouse.
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    /// A column (row) was moved; the grid has already moved its size and its part of
    /// the selection. A grid that holds data moves it here.
    virtual void ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
    virtual void RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}
    /// The text the editor starts with; the default is empty.
    virtual QString GetEditText(int ACol, int ARow);
    /// The editor closed with a changed text; the default ignores it.
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    /// The kind of editor a cell gets; the default is esSimple.
    virtual TEditStyle GetEditStyle(int ACol, int ARow);
    /// The items of a pick-list editor; the default adds none.
    virtual void GetPickListItems(int ACol, int ARow, QStringList& Items);
    /// Makes the editor for a style; the grid owns it.
    virtual std::unique_ptr<TInplaceEditor> CreateEditor(TEditStyle Style);
    /// Could the current cell be edited now?
    virtual bool CanEditShow() const;
    /// The focus mark of a grid that draws its own cells (DefaultDrawing off), for its
    /// DrawCell to call on the current cell: while the grid has the focus and no editor is
    /// open, a dotted outline just inside Rect in the canvas font's color - the text color
    /// of the cell just drawn, which stands out on its background in any palette.
    void DrawCellFocusMark(const TRect& Rect);

    void Paint() override;
    void Resize() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
    void DoExit() override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    /// Moves the current cell (clamped into the scrolling cells); the anchor of a range
    /// selection follows unless extending. Scrolls the cell into view.
    void MoveCurrent(int ACol, int ARow, bool extendSelection);
    /// Drops the drag that the last mouse press started (selecting, sizing or moving a
    /// column or row) without finishing it: nothing is resized or moved, nothing is
    /// reported. For a descendant that takes a press as the whole click and so does not
    /// pass the release on to MouseUp.
    void CancelMouseDrag();

    /// Sets GridLineColor and makes it the color its reset returns to: a descendant whose
    /// cells follow the palette gives its lines a palette color as well.
    void SetDefaultGridLineColor(TColor value);
    TColor DefaultGridLineColor() const;

    /// The size that shows every cell with its lines and the border, bounded to most,
    /// plus the scroll bars the cells then need: the size hint of a descendant whose
    /// cells decide its size (a scroll area adjusting to its contents). The grid calls
    /// updateGeometry whenever cells, lines or the border change.
    QSize ContentsSizeHint(const QSize& most) const;

private:
    // Defined in grid_p.h.
    struct Axis;
    struct LineSpan;
    struct Private;
    struct ViewState;

    // geometry (grid_geometry.cpp)
    std::vector<LineSpan> ColSpans() const;
    std::vector<LineSpan> RowSpans() const;
    bool ClampFirst(int col, int row);
    void SetFirst(int col, int row);
    void ClampState();
    void ScrollIntoView(int ACol, int ARow);
    void LayoutScrollBars();
    void SyncScrollBars();
    // Sizes, counts, lines or the border changed: relays out and updates the geometry.
    void GeometryChanged();
    // Lays out the scroll bars, keeps the view inside the cells and reports a view that
    // no longer starts where it was shown.
    void Relayout(TGridCoord shown);
    // The counts changed: keeps the current cell and the view inside, relays out and
    // reports what moved since before.
    void ShapeChanged(const ViewState& before);
    ViewState CurrentView() const;
    // Emits currentCellChanged and selectionChanged for what differs from before.
    void NotifySelection(const ViewState& before);

    // painting (grid_paint.cpp)
    void PaintCells(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);
    void PaintLines(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);
    void PaintBorder();
    TGridDrawState CellState(int ACol, int ARow, const TGridRect& selection) const;
    void PrepareCell(const TRect& r, TGridDrawState state);
    void FinishCell(const TRect& r, TGridDrawState state);

    // input (grid_input.cpp, grid_editor.cpp)
    bool NavigationKey(int Key, TShiftState Shift);
    int SizingBorderAt(int X, int Y, bool& isColumn) const;
    void UpdateSizing(int X, int Y);
    void PlaceEditor();

    // moving (grid_moving.cpp)
    bool MoveIndex(bool columns, int from, int to);
    bool StartMoving(int X, int Y);
    int MoveTargetAt(int X, int Y) const;
    void UpdateMoving(int X, int Y);
    int MoveScrollDirection(int X, int Y) const;
    void SetMoveScrolling(bool on);
    void MoveScrollTick();
    void FinishMoving(bool drop, int X, int Y);
    bool CancelMoving();
    void PaintMoveMarker(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);

    // accessors for the int-valued Q_PROPERTYs
    int OptionBits() const { return int(Options().toInt()); }
    void SetOptionBits(int value) { SetOptions(TGridOptions::fromInt(unsigned(value))); }
    int ScrollBarsValue() const { return ScrollBars(); }
    void SetScrollBarsValue(int value) { SetScrollBars(TScrollStyle(value & 3)); }
    int BorderStyleValue() const { return BorderStyle(); }
    void SetBorderStyleValue(int value) { SetBorderStyle(value ? bsSingle : bsNone); }

    std::unique_ptr<Private> d;
};

/// A grid whose cells are drawn and edited through events; the events that report a
/// change also have signals.
class VEK_EXPORT TCustomDrawGrid : public TCustomGrid {
    Q_OBJECT
public:
    /// Draws cell (ACol, ARow) into Rect of the grid's Canvas().
    using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                              const TRect& Rect, TGridDrawState State)>;
    /// Decides whether the cell may become the current one (CanSelect comes in true).
    using TSelectCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
    /// Gives the text an in-place editor starts with.
    using TGetEditEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
    /// Receives the text of an in-place editor.
    using TSetEditEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
    /// Chooses the kind of in-place editor of a cell.
    using TGetEditStyleEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, TEditStyle& Style)>;
    /// Fills the list of a pick-list editor.
    using TGetPickListEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, QStringList& Items)>;
    /// A column or row moved from FromIndex to ToIndex.
    using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

    /// As TCustomGrid; cells are drawn by OnDrawCell.
    explicit TCustomDrawGrid(QWidget* parent = nullptr);

    /// Draws cell (ACol, ARow) into Canvas().
    TDrawCellEvent OnDrawCell;
    /// May the cell become the current one (CanSelect starts true)?
    TSelectCellEvent OnSelectCell;
    /// The text the in-place editor starts with (Value starts empty).
    TGetEditEvent OnGetEditText;
    /// The user changed a cell's text in the in-place editor; before cellEdited.
    TSetEditEvent OnSetEditText;
    /// The kind of editor for a cell (Style starts esSimple).
    TGetEditStyleEvent OnGetEditStyle;
    /// The items of a pick-list editor.
    TGetPickListEvent OnGetPickListItems;
    /// A column (row) was moved from FromIndex to ToIndex: the grid holds no data of its
    /// own, so the owner moves its column (row) data here the same way. Before
    /// columnMoved (rowMoved).
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

Q_SIGNALS:
    /// The user changed the text of cell (col, row) in the in-place editor.
    void cellEdited(int col, int row, const QString& text);
    /// A column (row) was moved from index from to index to.
    void columnMoved(int from, int to);
    void rowMoved(int from, int to);

protected:
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    TEditStyle GetEditStyle(int ACol, int ARow) override;
    void GetPickListItems(int ACol, int ARow, QStringList& Items) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
};

} // namespace vek

Q_DECLARE_OPERATORS_FOR_FLAGS(vek::TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(vek::TGridDrawState)
