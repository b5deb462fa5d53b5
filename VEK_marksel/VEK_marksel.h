// TMarkSel: a grid of the base library's 52 marker symbols to pick one from.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/baselib/drawing.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

/// A grid of the 52 marker symbols of DrawMarkOnCanvas (0..51), to pick one from.
///
/// The visible marks fill the NrOfColumns x NrOfRows cells row by row; hidden marks
/// leave no gap. The cells split the control's inside evenly: a cell is
/// (Width - 4) / NrOfColumns wide and (Height - 4) / NrOfRows high, and a mark is
/// centred in its cell. Visible marks beyond the last cell are not shown and cannot be
/// picked: at the default 8 x 6 cells marks 48..51 need a hidden mark or a larger grid.
///
/// The shown mark nearest to the mouse is highlighted (ColorHiLiteBG behind it,
/// ColorHiLiteSymbol for the symbol); a left click selects the nearest mark, wherever the
/// click is, and reports it through OnMarkClick. The selected mark stands in a box of
/// ColorSelBG drawn in ColorSelFG.
///
/// Keyboard: the arrow keys move the highlight among the shown marks (Home and End to the
/// first and last one); Enter or Space selects the highlighted mark as a click does. Tab
/// reaches the control and highlights the selected mark.
///
/// A disabled selector shows gray marks on light gray ($C0C0C0; the selected mark's box
/// $DEDEDE) and takes no input. Default size 236 x 178 (also its sizeHint).
class VEK_EXPORT TMarkSel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QColor ColorBackGnd READ qColorBackGnd WRITE setQColorBackGnd
                   RESET resetColorBackGnd)
    Q_PROPERTY(QColor ColorHiLiteBG READ qColorHiLiteBG WRITE setQColorHiLiteBG
                   RESET resetColorHiLiteBG)
    Q_PROPERTY(QColor ColorHiLiteSymbol READ qColorHiLiteSymbol WRITE setQColorHiLiteSymbol
                   RESET resetColorHiLiteSymbol)
    Q_PROPERTY(QColor ColorMarks READ qColorMarks WRITE setQColorMarks RESET resetColorMarks)
    Q_PROPERTY(QColor ColorSelBG READ qColorSelBG WRITE setQColorSelBG RESET resetColorSelBG)
    Q_PROPERTY(QColor ColorSelFG READ qColorSelFG WRITE setQColorSelFG RESET resetColorSelFG)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
    Q_PROPERTY(int Selected READ Selected WRITE SetSelected NOTIFY selectedChanged)
    Q_PROPERTY(bool ShowZeroAsCross READ ShowZeroAsCross WRITE SetShowZeroAsCross)

public:
    /// Number of marks: 0..MarkCount - 1 (52).
    static constexpr int MarkCount = MarkerCount;

    /// A mark picked at control position (X, Y) (for the keyboard: the mark's centre).
    using TMarkClickEvent = std::function<void(TObject* Sender, int X, int Y, int Mark)>;

    /// Starts 236 x 178 pixels, 8 x 6 cells, every mark visible, none selected. Takes the
    /// keyboard focus by Tab and by click (TabStop on).
    explicit TMarkSel(QWidget* parent = nullptr);
    ~TMarkSel() override;

    /// Background of the cells; default clBtnFace. With the default black marks a light
    /// face is kept under a dark palette, so that the marks stay visible.
    TColor ColorBackGnd() const;
    void SetColorBackGnd(TColor value);
    VEK_COLOR_PROPERTY(ColorBackGnd, Colors{}.BackGnd)
    /// Background of the highlighted cell; default $0000FF (red).
    TColor ColorHiLiteBG() const;
    void SetColorHiLiteBG(TColor value);
    VEK_COLOR_PROPERTY(ColorHiLiteBG, Colors{}.HiLiteBG)
    /// The highlighted symbol; default $FFFFFF (white).
    TColor ColorHiLiteSymbol() const;
    void SetColorHiLiteSymbol(TColor value);
    VEK_COLOR_PROPERTY(ColorHiLiteSymbol, Colors{}.HiLiteSymbol)
    /// The symbols, and a single-line frame; default clBlack.
    TColor ColorMarks() const;
    void SetColorMarks(TColor value);
    VEK_COLOR_PROPERTY(ColorMarks, Colors{}.Marks)
    /// Background of the selected mark's box; default $FFFFFF (white).
    TColor ColorSelBG() const;
    void SetColorSelBG(TColor value);
    VEK_COLOR_PROPERTY(ColorSelBG, Colors{}.SelBG)
    /// The selected symbol and its box's outline; default $800000 (navy).
    TColor ColorSelFG() const;
    void SetColorSelFG(TColor value);
    VEK_COLOR_PROPERTY(ColorSelFG, Colors{}.SelFG)
    /// Frame around the control; default fsEngraved.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Cells per row, 1..51, default 8; other values are ignored.
    int NrOfColumns() const;
    void SetNrOfColumns(int value);
    /// Rows of cells, 1..51, default 6; other values are ignored.
    int NrOfRows() const;
    void SetNrOfRows(int value);
    /// Draws mark 0 (a dot) as a cross through its whole cell instead; default true.
    bool ShowZeroAsCross() const;
    void SetShowZeroAsCross(bool value);

    /// The selected mark, -1 (the default) for none; other values outside -1..51 are
    /// ignored. A mark stays selected while hidden. Emits selectedChanged.
    int Selected() const;

    /// Whether mark ix is visible (all are at first); ix outside 0..51 reads mark 0.
    bool MarkVisible(int ix) const;
    /// Shows or hides mark ix, 1..51; mark 0 is always visible, other ix are ignored.
    void SetMarkVisible(int ix, bool value);

    /// The highlighted mark (under the mouse or moved to with the keys), -1 for none.
    int HighlightedMark() const;

    /// The natural size: 236 x 178, or larger when the cells would be smaller than a mark.
    QSize sizeHint() const override;
    /// The size at which every cell is just large enough for a mark.
    QSize minimumSizeHint() const override;

    /// A left click or Enter/Space selected Mark; markClicked follows.
    TMarkClickEvent OnMarkClick;
    /// A left double click selected Mark; markDoubleClicked follows. The click before it
    /// has already reported OnMarkClick; the double click's release reports nothing.
    TMarkClickEvent OnMarkDblClick;
    /// After each paint, to draw more on Canvas().
    TNotifyEvent OnPaint;

public Q_SLOTS:
    /// Selects mark value (-1..51, else ignored); repaints at once.
    void SetSelected(int value);
    /// Makes marks 1..51 visible.
    void ShowAllMarks();
    /// Hides marks 1..51; mark 0 alone stays.
    void HideAllMarks();

Q_SIGNALS:
    /// Selected changed, by code, click or key.
    void selectedChanged(int mark);
    /// A click or Enter/Space at (x, y) picked mark, right after OnMarkClick.
    void markClicked(int x, int y, int mark);
    /// A double click at (x, y) picked mark, right after OnMarkDblClick.
    void markDoubleClicked(int x, int y, int mark);

protected:
    void Paint() override;
    void EnabledChanged() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The initial colors; the color properties' RESET returns to them.
    struct Colors {
        TColor BackGnd = clBtnFace;
        TColor Marks = clBlack;
        TColor HiLiteBG = 0x0000FF;
        TColor HiLiteSymbol = 0xFFFFFF;
        TColor SelBG = 0xFFFFFF;
        TColor SelFG = 0x800000;
    };

    struct Private;
    std::unique_ptr<Private> d;
    // Reads the marks as cells for screen readers (marksel_accessible.cpp).
    friend class TMarkSelAccessible;
};

} // namespace vek
