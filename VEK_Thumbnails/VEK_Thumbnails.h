// TThumbnails: a scrollable grid of square slides numbered Min..Max.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

/// A scrollable grid of square slides numbered Min..Max.
///
/// The control stores no images. For every visible slide it asks the program through
/// OnImageRequest what to show; the handler may fill the image buffer it is handed, which
/// is then scaled into the slide keeping its aspect ratio. Layout, in pixels:
///
///     10 px band | box | SlideDistance | box | ...     pitch P = SlideSize + SlideDistance
///                |<- SlideSize + 2 SlideMargin ->|                + 2 SlideMargin
///
/// The first box sits at (10, SlideDistance + 10) when the grid is not scrolled; 10-pixel
/// bands at the top and bottom hide slides scrolled half out. The slide under the mouse
/// (FocusedSlide) gets an outline in ColorFocus; selected slides are filled with
/// ColorSelected. Painting costs only the visible slides, whatever Max - Min is. A
/// disabled grid shows its images and slide numbers in gray, without a hover outline.
///
/// Keyboard: Tab reaches the grid, which then shows a dotted outline in the palette's
/// highlight color inside its frame. The arrow keys move FocusedSlide by a slide or a
/// row, Page Up/Down by the rows in view, Home/End to Min and Max, scrolling it into
/// view; in ssmSingle the selection follows, in ssmMultiple Shift with a move extends
/// the selection as a Shift click does. Space is a click on FocusedSlide (selection,
/// OnImageClick), Enter a double click (OnImageDblClick), both at the slide's centre.
///
/// Default size 260 x 400 (also its sizeHint); it expands in a layout.
class VEK_EXPORT TThumbnails : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
    Q_PROPERTY(QColor ColorBackGnd READ qColorBackGnd WRITE setQColorBackGnd
                   RESET resetColorBackGnd)
    Q_PROPERTY(QColor ColorCover READ qColorCover WRITE setQColorCover RESET resetColorCover)
    Q_PROPERTY(QColor ColorFocus READ qColorFocus WRITE setQColorFocus RESET resetColorFocus)
    Q_PROPERTY(QColor ColorMark READ qColorMark WRITE setQColorMark RESET resetColorMark)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(QColor ColorSelected READ qColorSelected WRITE setQColorSelected
                   RESET resetColorSelected)
    Q_PROPERTY(int FocusedSlide READ FocusedSlide NOTIFY focusedSlideChanged)
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
    /// How clicks change the selection.
    enum TSlideSelectMode {
        ssmDisabled = 0, ///< clicks only report OnImageClick
        ssmSingle = 1,   ///< a click selects the slide under the mouse and nothing else
        ssmMultiple = 2, ///< a click toggles the slide; Shift+click selects the range from
                         ///< the last clicked slide
    };
    Q_ENUM(TSlideSelectMode)

    /// What OnImageRequest wants drawn for a slide.
    enum TImageRequestProcessing {
        irpShowEmpty = 0,     ///< the box with a blank white card and the slide number
        irpShowSlide = 1,     ///< the box with ImgBuffer scaled into it
        irpShowFrameOnly = 2, ///< the box only
        irpShowNothing = 3,   ///< nothing but the mark and OnSlideRendered
    };
    Q_ENUM(TImageRequestProcessing)

    /// Asked once per visible slide and paint. HowToProcess comes in as irpShowEmpty and
    /// MarkIt as -1 (no mark; otherwise a DrawMarkOnCanvas symbol drawn in ColorMark at
    /// the box's top-left). ImgBuffer is one bitmap shared by all slides of a paint: fill
    /// it (size and pixels), do not keep it.
    using TImageRequestEvent =
        std::function<void(TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                           int& MarkIt, TBitmap& ImgBuffer)>;
    /// Mouse position and the slide under it (0 when none).
    using TImageClickEvent = std::function<void(TObject* Sender, int X, int Y, int ThumbID)>;
    /// After a slide is drawn: Canvas is the off-screen canvas, (X, Y) the box's top-left.
    using TSlideRenderedEvent =
        std::function<void(TObject* Sender, TCanvas* Canvas, int X, int Y, int ThumbID)>;

    /// Starts 260 x 400 pixels with slides 1..100, none selected, scrolled to the top.
    explicit TThumbnails(QWidget* parent = nullptr);
    ~TThumbnails() override;

    /// Smooth scaling of the images; off (the default), they are scaled by nearest pixel.
    bool AntiAlias() const;
    void SetAntiAlias(bool value);
    /// Background of the control and of the top and bottom bands; default clBtnFace.
    TColor ColorBackGnd() const;
    void SetColorBackGnd(TColor value);
    VEK_COLOR_PROPERTY(ColorBackGnd, Colors{}.BackGnd)
    /// Fill of an unselected slide box; default $C0C0C0.
    TColor ColorCover() const;
    void SetColorCover(TColor value);
    VEK_COLOR_PROPERTY(ColorCover, Colors{}.Cover)
    /// Outline of the slide under the mouse; default $FF0000 (blue).
    TColor ColorFocus() const;
    void SetColorFocus(TColor value);
    VEK_COLOR_PROPERTY(ColorFocus, Colors{}.Focus)
    /// Pen of the mark symbols; default $000000. Not copied by Assign.
    TColor ColorMark() const;
    void SetColorMark(TColor value);
    VEK_COLOR_PROPERTY(ColorMark, Colors{}.Mark)
    /// Stored and copied; the painting does not depend on it. Default csFixedGrays.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// Fill of a selected slide box; default $800000 (navy).
    TColor ColorSelected() const;
    void SetColorSelected(TColor value);
    VEK_COLOR_PROPERTY(ColorSelected, Colors{}.Selected)
    /// Thickness of the focus outline, 0..10 (clamped), default 1; 0 turns hover
    /// tracking off (the keys still move FocusedSlide, without an outline).
    int FocusLinewidth() const;
    void SetFocusLinewidth(int value);
    /// Frame around the whole control; default fsLowered.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Frame around each scaled image; default fsLowered.
    TFrameStyle InnerFrameStyle() const;
    void SetInnerFrameStyle(TFrameStyle value);
    /// Number of the last slide, default 100; values below 1 become 1.
    int Max() const;
    void SetMax(int value);
    /// Number of the first slide, default 1; INT_MIN becomes INT_MIN + 1 (see
    /// FirstSelectedSlide). With Min greater than Max the grid is empty.
    int Min() const;
    void SetMin(int value);
    /// Frame around each slide box; default fsRaised.
    TFrameStyle OuterFrameStyle() const;
    void SetOuterFrameStyle(TFrameStyle value);
    /// Gap between slide boxes, 0..100 (clamped), default 2.
    int SlideDistance() const;
    void SetSlideDistance(int value);
    /// Space between a box's edge and its image area, 0..100 (clamped), default 7.
    int SlideMargin() const;
    void SetSlideMargin(int value);
    /// How clicks select, default ssmSingle. A changed mode clears the selection.
    TSlideSelectMode SlideSelectMode() const;
    void SetSlideSelectMode(TSlideSelectMode value);
    /// Side of the square image area, default 120: at least 50, at most the control's
    /// width.
    int SlideSize() const;
    void SetSlideSize(int value);

    /// The slide outlined under the mouse or moved to by the keys, 0 when none (the
    /// default).
    int FocusedSlide() const;
    /// Slides per row, as computed by the last paint (2 before the first paint).
    int NumSlidesHoriz() const;
    /// Rows the last paint covered (0 before the first paint).
    int NumSlidesVert() const;

    /// Selection of slide n (none is selected at first); numbers outside Min..Max read
    /// false and are not stored. A change emits selectionChanged.
    bool SlideSelected(int n) const;
    void SetSlideSelected(int n, bool value);
    /// Lowest selected slide, Min - 1 when none is selected.
    int FirstSelectedSlide() const;
    /// Number of selected slides.
    int NumSlidesSelected() const;

    /// Scroll position, default 1.0: the integer part is the first slide of the topmost
    /// row, the fraction how much of that row has scrolled out at the top. Setting x
    /// (clamped to Min..Max) scrolls so that the row holding slide x is scrolled out by
    /// the share of x's place in its row: with 2 slides per row 4 gives 3.5, 5 gives 5.0.
    double FirstThumbIdx() const;
    void SetFirstThumbIdx(double value);

    /// Slide under the control position (X, Y), 0 when none.
    int CalcSlideIndex(int X, int Y) const;
    /// Top-left corner of slide SldNum's box at the current scroll position.
    void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;
    /// Draws the focus outline of slide SldNum (ignored outside Min..Max).
    void HiLite(int SldNum);
    /// Erases the focus outline of the focused slide.
    void ResetLastHiLite();

    /// From another TThumbnails: its look, range, scroll position, focused slide and
    /// events, but not ColorMark, SlideSelectMode, the selection and OnSlideRendered.
    void Assign(const TPersistent* Source) override;

    /// The default size (260 x 400), or more when one slide box does not fit it.
    QSize sizeHint() const override;
    /// One slide box with the bands around it.
    QSize minimumSizeHint() const override;

    /// Asks what to show for each visible slide of a paint (see TImageRequestEvent).
    TImageRequestEvent OnImageRequest;
    /// A left click (on release); imageClicked follows.
    TImageClickEvent OnImageClick;
    /// A left double click; imageDoubleClicked follows.
    TImageClickEvent OnImageDblClick;
    /// After each slide of a paint is drawn, to draw more over it. Not copied by Assign.
    TSlideRenderedEvent OnSlideRendered;
    /// The slide under the mouse changed; focusedSlideChanged follows.
    TNotifyEvent OnFocusChange;
    /// Before the first image request of a paint.
    TNotifyEvent OnFirstImageRequest;
    /// After the last image request of a paint.
    TNotifyEvent OnLastImageRequest;

public Q_SLOTS:
    /// Deselects every slide.
    void ResetAllSelections();

Q_SIGNALS:
    /// The set of selected slides changed, by code or by a click.
    void selectionChanged();
    /// The slide under the mouse changed (0: none), right after OnFocusChange.
    void focusedSlideChanged(int slide);
    /// A left click at (x, y) on slide thumbId (0: none), right after OnImageClick.
    void imageClicked(int x, int y, int thumbId);
    /// A left double click, right after OnImageDblClick (emitted whether or not that is
    /// assigned).
    void imageDoubleClicked(int x, int y, int thumbId);

protected:
    void Paint() override;
    void EnabledChanged() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, QPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, QPoint MousePos) override;
    void leaveEvent(QEvent* event) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The initial colors; the color properties' RESET returns to them.
    struct Colors {
        TColor BackGnd = clBtnFace;
        TColor Cover = 0xC0C0C0;
        TColor Selected = 0x800000;
        TColor Focus = 0xFF0000;
        TColor Mark = 0x000000;
    };

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
