// TThumbnails: a scrollable grid of square slides numbered Min..Max.
//
// The control stores no images. For every visible slide it asks the program through
// OnImageRequest what to show; the handler may fill the image buffer it is handed, which
// is then scaled into the slide keeping its aspect ratio. Layout, in pixels:
//
//   10 px band | box | SlideDistance | box | ...         pitch P = SlideSize + SlideDistance
//              |<- SlideSize + 2 SlideMargin ->|                    + 2 SlideMargin
//
// The first box sits at (10, SlideDistance + 10) when the grid is not scrolled; 10-pixel
// bands at the top and bottom hide slides scrolled half out. The slide under the mouse
// (FocusedSlide) gets an outline in ColorFocus; selected slides are filled with
// ColorSelected. Painting costs only the visible slides, whatever Max - Min is.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/data/containers.h>
#include <frame/controls/controls.h>

namespace vek {

class VEK_EXPORT TThumbnails : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
    Q_PROPERTY(quint32 ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(quint32 ColorCover READ ColorCover WRITE SetColorCover)
    Q_PROPERTY(quint32 ColorFocus READ ColorFocus WRITE SetColorFocus)
    Q_PROPERTY(quint32 ColorMark READ ColorMark WRITE SetColorMark)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(quint32 ColorSelected READ ColorSelected WRITE SetColorSelected)
    Q_PROPERTY(int FocusLinewidth READ FocusLinewidth WRITE SetFocusLinewidth)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(vek::TFrameStyle InnerFrameStyle READ InnerFrameStyle WRITE SetInnerFrameStyle)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(vek::TFrameStyle OuterFrameStyle READ OuterFrameStyle WRITE SetOuterFrameStyle)
    Q_PROPERTY(int SlideDistance READ SlideDistance WRITE SetSlideDistance)
    Q_PROPERTY(int SlideMargin READ SlideMargin WRITE SetSlideMargin)
    Q_PROPERTY(TSlideSelectMode SlideSelectMode READ SlideSelectMode WRITE SetSlideSelectMode)
    Q_PROPERTY(int SlideSize READ SlideSize WRITE SetSlideSize)

public:
    // How clicks change the selection.
    enum TSlideSelectMode {
        ssmDisabled = 0, // clicks only report OnImageClick
        ssmSingle = 1,   // a click selects the slide under the mouse and nothing else
        ssmMultiple = 2, // a click toggles the slide; Shift+click selects the range from
                         // the last clicked slide
    };
    Q_ENUM(TSlideSelectMode)

    // What OnImageRequest wants drawn for a slide.
    enum TImageRequestProcessing {
        irpShowEmpty = 0,     // the box with a blank white card and the slide number
        irpShowSlide = 1,     // the box with ImgBuffer scaled into it
        irpShowFrameOnly = 2, // the box only
        irpShowNothing = 3,   // nothing but the mark and OnSlideRendered
    };
    Q_ENUM(TImageRequestProcessing)

    // Asked once per visible slide and paint. HowToProcess comes in as irpShowEmpty and
    // MarkIt as -1 (no mark; otherwise a DrawMarkOnCanvas symbol drawn in ColorMark at
    // the box's top-left). ImgBuffer is one bitmap shared by all slides of a paint: fill
    // it (size and pixels), do not keep it.
    using TImageRequestEvent =
        std::function<void(TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                           int& MarkIt, TBitmap& ImgBuffer)>;
    // Mouse position and the slide under it (0 when none).
    using TImageClickEvent = std::function<void(TObject* Sender, int X, int Y, int ThumbID)>;
    // After a slide is drawn: Canvas is the off-screen canvas, (X, Y) the box's top-left.
    using TSlideRenderedEvent =
        std::function<void(TObject* Sender, TCanvas* Canvas, int X, int Y, int ThumbID)>;

    explicit TThumbnails(QWidget* parent = nullptr);

    // Smooth scaling of the images; off, they are scaled by nearest pixel.
    bool AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(bool value);
    // Background of the control and of the top and bottom bands.
    TColor ColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor value);
    // Fill of an unselected slide box.
    TColor ColorCover() const { return FColorCover; }
    void SetColorCover(TColor value);
    // Outline of the slide under the mouse.
    TColor ColorFocus() const { return FColorFocus; }
    void SetColorFocus(TColor value);
    // Pen of the mark symbols.
    TColor ColorMark() const { return FColorMark; }
    void SetColorMark(TColor value);
    // Stored and copied; the painting does not depend on it.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    // Fill of a selected slide box.
    TColor ColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor value);
    // Thickness of the focus outline, 0..10 (clamped); 0 turns hover tracking off.
    int FocusLinewidth() const { return FFocusLinewidth; }
    void SetFocusLinewidth(int value);
    // Frame around the whole control.
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Frame around each scaled image.
    TFrameStyle InnerFrameStyle() const { return FInnerFrameStyle; }
    void SetInnerFrameStyle(TFrameStyle value);
    // Number of the last slide; values below 1 become 1.
    int Max() const { return FMax; }
    void SetMax(int value);
    // Number of the first slide. With Min greater than Max the grid is empty.
    int Min() const { return FMin; }
    void SetMin(int value);
    // Frame around each slide box.
    TFrameStyle OuterFrameStyle() const { return FOuterFrameStyle; }
    void SetOuterFrameStyle(TFrameStyle value);
    // Gap between slide boxes, 0..100 (clamped).
    int SlideDistance() const { return FSlideDistance; }
    void SetSlideDistance(int value);
    // Space between a box's edge and its image area, 0..100 (clamped).
    int SlideMargin() const { return FSlideMargin; }
    void SetSlideMargin(int value);
    // A changed mode clears the selection.
    TSlideSelectMode SlideSelectMode() const { return FSlideSelectMode; }
    void SetSlideSelectMode(TSlideSelectMode value);
    // Side of the square image area: at least 50, at most the control's width.
    int SlideSize() const { return FSlideSize; }
    void SetSlideSize(int value);

    // The slide outlined under the mouse, 0 when none.
    int FocusedSlide() const { return FFocusedSlide; }
    // Slides per row, as computed by the last paint (2 before the first paint).
    int NumSlidesHoriz() const { return FNumSlidesHoriz; }
    // Rows the last paint covered.
    int NumSlidesVert() const { return FNumSlidesVert; }

    // Selection of slide n; numbers outside Min..Max read false and are not stored.
    bool SlideSelected(int n) const;
    void SetSlideSelected(int n, bool value);
    void ResetAllSelections();
    // Lowest selected slide, Min - 1 when none is selected.
    int FirstSelectedSlide() const;
    int NumSlidesSelected() const;

    // Scroll position: the integer part is the first slide of the topmost row, the
    // fraction how much of that row has scrolled out at the top. Setting x (clamped to
    // Min..Max) scrolls so that the row holding slide x is scrolled out by the share of
    // x's place in its row: with 2 slides per row 4 gives 3.5, 5 gives 5.0.
    double FirstThumbIdx() const { return FFirstThumbIdx; }
    void SetFirstThumbIdx(double value);

    // Slide under the control position (X, Y), 0 when none.
    int CalcSlideIndex(int X, int Y) const;
    // Top-left corner of slide SldNum's box at the current scroll position.
    void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;
    // Draws the focus outline of slide SldNum (ignored outside Min..Max).
    void HiLite(int SldNum);
    // Erases the focus outline of the focused slide.
    void ResetLastHiLite();

    void Assign(const TPersistent* Source) override;

    TImageRequestEvent OnImageRequest;
    TImageClickEvent OnImageClick;
    TImageClickEvent OnImageDblClick;
    TSlideRenderedEvent OnSlideRendered;
    TNotifyEvent OnFocusChange;
    TNotifyEvent OnFirstImageRequest;
    TNotifyEvent OnLastImageRequest;

protected:
    void Paint() override;
    void AssignTo(TPersistent* Dest) const override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
    void leaveEvent(QEvent* event) override;

private:
    // Width of the bands at the top and bottom and of the indent at the left.
    static constexpr int Border = 10;

    int Pitch() const { return FSlideSize + FSlideDistance + 2 * FSlideMargin; }
    int BoxSize() const { return FSlideSize + 2 * FSlideMargin; }
    int ScrollOffset() const; // pixels of the top row scrolled out
    double NormalizedScroll(double x) const;
    bool IsSlide(qint64 n) const { return n >= FMin && n <= FMax; }
    void ResizeSelection();
    void ClickSelect(int n, TShiftState Shift);
    void ScrollRows(int rows);
    void WheelScroll(int rows, QPoint MousePos);
    void SetFocused(int n);

    void PaintSlide(TCanvas* canvas, TBitmap& buffer, int n, int x, int y);
    void PaintCard(TCanvas* canvas, int n, int x, int y);
    void PaintImage(TCanvas* canvas, const TBitmap& buffer, int x, int y);
    void PaintBands(TCanvas* canvas);
    void DrawOutline(int SldNum, TColor color);

    template <typename T>
    void Change(T& field, const T& value);

    bool FAntiAlias = false;
    TColor FColorBackGnd = clBtnFace;
    TColor FColorCover = 0x00C0C0C0;
    TColor FColorSelected = 0x00800000;
    TColor FColorFocus = 0x00FF0000;
    TColor FColorMark = 0x00000000;
    TColorScheme FColorScheme = TColorScheme(0);
    TFrameStyle FFrameStyle = TFrameStyle(2);
    TFrameStyle FOuterFrameStyle = TFrameStyle(3);
    TFrameStyle FInnerFrameStyle = TFrameStyle(2);
    int FFocusLinewidth = 1;
    int FFocusedSlide = 0;
    int FLastClicked = 0;
    int FMin = 1;
    int FMax = 100;
    int FSlideSize = 120;
    int FSlideDistance = 2;
    int FSlideMargin = 7;
    TSlideSelectMode FSlideSelectMode = ssmSingle;
    double FFirstThumbIdx = 1.0;
    int FNumSlidesHoriz = 2;
    int FNumSlidesVert = 0;
    TBitFld FSelection;
    bool FPainting = false;
};

} // namespace vek
