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

#include <frame/controls/controls.h>

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <memory>
#include <vector>

class QScrollBar;
class QTimer;

namespace vek {

// The option bits have the host's values, so stored option masks keep their meaning
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

enum TGridDrawStateItem : unsigned { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateItem)

// Which scroll bars the grid may show (each appears only when the cells do not fit).
enum TScrollStyle { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };
enum TGridBorderStyle { bsNone = 0, bsSingle = 1 };
// The kind of in-place editor a cell gets.
enum TEditStyle { esSimple = 0, esPickList = 2 };

struct TGridCoord {
    int X = 0, Y = 0;
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells by inclusive cell coordinates.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr bool Contains(int ACol, int ARow) const
    {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

class TCustomGrid;

// What the grid needs of an in-place editor, whatever widget it is.
class VEK_EXPORT TInplaceEditor {
public:
    virtual ~TInplaceEditor() = default;
    virtual QWidget* Widget() = 0;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& value) = 0;
    virtual TEditStyle EditStyle() const = 0;
};

// The plain in-place editor: a frameless line edit over the cell.
class VEK_EXPORT TInplaceEdit : public QLineEdit, public TInplaceEditor {
    Q_OBJECT
public:
    explicit TInplaceEdit(TCustomGrid* grid);
    QWidget* Widget() override { return this; }
    QString Text() const override { return text(); }
    void SetText(const QString& value) override;
    TEditStyle EditStyle() const override { return esSimple; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCustomGrid* FGrid;
};

// The pick-list in-place editor: an editable combo box whose list the grid fills.
class VEK_EXPORT TInplaceEditList : public QComboBox, public TInplaceEditor {
    Q_OBJECT
public:
    explicit TInplaceEditList(TCustomGrid* grid);
    QWidget* Widget() override { return this; }
    QString Text() const override { return currentText(); }
    void SetText(const QString& value) override;
    TEditStyle EditStyle() const override { return esPickList; }
    QStringList PickList() const;
    void SetPickList(const QStringList& items);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCustomGrid* FGrid;
};

class VEK_EXPORT TCustomGrid : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(quint32 FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(quint32 GridLineColor READ GridLineColor WRITE SetGridLineColor)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int Options READ OptionBits WRITE SetOptionBits)
    Q_PROPERTY(int ScrollBars READ ScrollBarsValue WRITE SetScrollBarsValue)
    Q_PROPERTY(int BorderStyle READ BorderStyleValue WRITE SetBorderStyleValue)

public:
    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    // ---- shape. Counts are at least 1 (columns) / 0 (rows); fixed counts stay below
    // them. Lowering a count moves the current cell and the view inside the grid.
    int ColCount() const { return FCols.Count; }
    void SetColCount(int value);
    int RowCount() const { return FRows.Count; }
    void SetRowCount(int value);
    int FixedCols() const { return FCols.Fixed; }
    void SetFixedCols(int value);
    int FixedRows() const { return FRows.Fixed; }
    void SetFixedRows(int value);

    // ---- sizes. Setting a default size resets every individual size.
    int DefaultColWidth() const { return FCols.Default; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FRows.Default; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int value);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);

    // ---- look
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);
    // When set, the grid fills each cell (fixed, selected or normal color) and sets the
    // canvas font before DrawCell, and bevels the fixed cells after it.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TGridBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TGridBorderStyle value);

    // ---- current cell, selection and view
    int Col() const { return FCurrent.X; }
    void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int value);
    // Selected cells; with goRowSelect whole rows (all scrolling columns).
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    // First scrolling row and column shown.
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value);
    // Scrolling rows (columns) shown completely from TopRow (LeftCol) on.
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // ---- geometry
    // The cell's rectangle; an empty rectangle when the cell is not visible.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a point; -1 in a coordinate that hits no cell.
    TGridCoord MouseCoord(int X, int Y) const;
    // The cell area: the control without border and scroll bars.
    TRect GridClientRect() const;

    // ---- repainting
    void InvalidateGrid();
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);

    // ---- in-place editing (goEditing)
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    void ShowEditor();
    // Hides the editor and hands its text to SetEditText.
    void HideEditor();
    // The editor widget; null until it was first shown.
    TInplaceEditor* InplaceEditor() const { return FEditor.get(); }

    // Asks the grid to handle a navigation key the in-place editor does not use; true
    // when the grid took it.
    bool EditorKey(int Key, TShiftState Shift);
    // Escape in the editor: restore the cell's text and leave editing.
    void CancelEditing();

    // ---- moving columns and rows (by code, or with goColMoving / goRowMoving by
    // dragging a fixed-row cell of a column / a fixed-column cell of a row)
    // Takes the scrolling column (row) FromIndex out and puts it in at ToIndex; the
    // columns (rows) between shift by one. Its width (height) goes along, the current
    // cell and the selection stay on the cells they were on, an open editor follows its
    // cell. Then ColumnMoved (RowMoved) lets the owner move its data. Indices outside the
    // scrolling cells, or two equal ones, change nothing.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);

    TNotifyEvent OnTopLeftChanged;
    // Fires after a column was resized with the mouse.
    TNotifyEvent OnColumnResized;

protected:
    // Draws one cell into Canvas(); Rect excludes the grid lines.
    virtual void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) = 0;
    // May the cell become the current one? The default allows every cell.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    // A column (row) was moved; the grid has already moved its size and its part of the
    // selection. A grid that holds data moves it here.
    virtual void ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
    virtual void RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual TEditStyle GetEditStyle(int ACol, int ARow);
    virtual void GetPickListItems(int ACol, int ARow, QStringList& Items);
    // Makes the editor for a style; the grid owns it.
    virtual std::unique_ptr<TInplaceEditor> CreateEditor(TEditStyle Style);
    // Could the current cell be edited now?
    virtual bool CanEditShow() const;

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

    // Moves the current cell (clamped into the scrolling cells); the anchor of a range
    // selection follows unless extending. Scrolls the cell into view.
    void MoveCurrent(int ACol, int ARow, bool extendSelection);

private:
    // One axis of the grid: sizes, fixed count and first scrolling index.
    struct Axis {
        int Count = 0, Fixed = 0, Default = 0;
        std::vector<int> Sizes; // empty while every size is the default
        int Size(int i) const { return Sizes.empty() ? Default : Sizes[std::size_t(i)]; }
    };
    struct LineSpan {
        int Index, Start, Extent; // index, first pixel, cell pixels (without line)
    };

    // geometry
    int LineWidthFor(bool vertical) const;
    std::vector<LineSpan> VisibleSpans(const Axis& axis, int first, int origin, int limit,
                                       int line) const;
    int FixedExtent(const Axis& axis, int line) const;
    int FitCount(const Axis& axis, int first, int room, int line) const;
    int MaxFirst(const Axis& axis, int room, int line) const;
    int BorderWidth() const { return FBorderStyle == bsSingle ? 2 : 0; }
    void SetCount(Axis& axis, int value, int minimum);
    void SetSize(Axis& axis, int index, int value);
    bool ClampFirst(int col, int row);
    void SetFirst(int col, int row);
    void ClampState();
    void ScrollIntoView(int ACol, int ARow);
    void LayoutScrollBars();
    void SyncScrollBars();
    void GeometryChanged();

    // painting
    void PaintCells(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);
    void PaintLines(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);
    void PaintBorder();
    TGridDrawState CellState(int ACol, int ARow) const;
    void PrepareCell(const TRect& r, TGridDrawState state);
    void FinishCell(const TRect& r, TGridDrawState state);

    // input
    bool NavigationKey(int Key, TShiftState Shift);
    int SizingBorderAt(int X, int Y, bool& isColumn) const;
    void UpdateSizing(int X, int Y);
    void EditorChanged();
    void PlaceEditor();

    // moving
    bool MoveIndex(Axis& axis, int TGridCoord::*coord, int from, int to);
    bool MoveDragging() const { return FDrag == Drag::ColMove || FDrag == Drag::RowMove; }
    bool StartMoving(int X, int Y);
    std::vector<LineSpan> MoveSpans(bool rows) const;
    int MoveTargetAt(int X, int Y) const;
    void UpdateMoving(int X, int Y);
    int MoveScrollDirection(int X, int Y) const;
    void SetMoveScrolling(bool on);
    void MoveScrollTick();
    void FinishMoving(bool drop, int X, int Y);
    bool CancelMoving();
    void PaintMoveMarker(const std::vector<LineSpan>& cols, const std::vector<LineSpan>& rows);

    // accessors for the int-valued Q_PROPERTYs
    int OptionBits() const { return int(FOptions.toInt()); }
    void SetOptionBits(int value) { SetOptions(TGridOptions::fromInt(unsigned(value))); }
    int ScrollBarsValue() const { return FScrollBars; }
    void SetScrollBarsValue(int value) { SetScrollBars(TScrollStyle(value & 3)); }
    int BorderStyleValue() const { return FBorderStyle; }
    void SetBorderStyleValue(int value) { SetBorderStyle(value ? bsSingle : bsNone); }

    Axis FCols{5, 1, 64, {}}, FRows{5, 1, 24, {}};
    int FGridLineWidth = 1;
    TColor FFixedColor = clBtnFace;
    TColor FGridLineColor = clSilver;
    bool FDefaultDrawing = true;
    TGridOptions FOptions;
    TScrollStyle FScrollBars = ssBoth;
    TGridBorderStyle FBorderStyle = bsSingle;
    TGridCoord FCurrent{1, 1}, FAnchor{1, 1}, FTopLeft{1, 1};
    QScrollBar* FHorzBar = nullptr;
    QScrollBar* FVertBar = nullptr;
    bool FSyncingBars = false;
    // mouse state
    enum class Drag { None, Select, SizeCol, SizeRow, ColMove, RowMove } FDrag = Drag::None;
    int FSizingIndex = -1, FSizingOrigin = 0;
    int FMoveFrom = -1, FMoveTo = -1; // the dragged index and where it would land
    QPoint FMovePoint;                 // the last pointer position of that drag
    QTimer* FMoveScroller = nullptr;   // scrolls while the drag is held past the cells
    // editing
    std::unique_ptr<TInplaceEditor> FEditor;
    bool FEditorMode = false;
    QString FEditOriginal;
};

// A grid whose cells are drawn and edited through events.
class VEK_EXPORT TCustomDrawGrid : public TCustomGrid {
    Q_OBJECT
public:
    using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                              const TRect& Rect, TGridDrawState State)>;
    using TSelectCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
    using TGetEditEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
    using TSetEditEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
    using TGetEditStyleEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, TEditStyle& Style)>;
    using TGetPickListEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, QStringList& Items)>;
    using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

    explicit TCustomDrawGrid(QWidget* parent = nullptr);

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TGetEditStyleEvent OnGetEditStyle;
    TGetPickListEvent OnGetPickListItems;
    // A column (row) was moved from FromIndex to ToIndex: the grid holds no data of its
    // own, so the owner moves its column (row) data here the same way.
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

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
