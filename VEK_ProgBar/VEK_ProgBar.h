// TProgBar: a progress bar. Value between Min and Max is shown as a bar inside a margin,
// filled with one color (ColorMin) or with a 1024-entry gradient from ColorMin to
// ColorMax that can be laid over the bar in three ways (ColorMapMode). Grid lines, a
// background image, an inner and an outer frame and a rotated value text complete it:
//
//   +-- outer frame -------------------------------------------+
//   |  margin   +-- inner frame ---------------------------+   |
//   |           |#########|######  10  (bar, grid, text)   |   |
//   |           +------------------------------------------+   |
//   +----------------------------------------------------------+
//
// With AutoInc the bar advances by itself: the first step after StartInterval, then one
// every RepeatInterval milliseconds, each followed by OnAutoInc. That makes it a running
// activity indicator; wrapping at Max is up to the OnAutoInc handler.
//
// Setters repaint at once. Value, Min and Max repaint only when they change; the text
// settings, ColorMin, ColorMax, BackGroundImg and SetRange repaint on every call; the
// timer settings never repaint. A disabled bar draws its value text engraved, as
// disabled captions look.
//
// Default size 300 x 28. In a layout it stretches along its direction and keeps the
// height (the width, when vertical) its font and margins need, as QProgressBar does.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>
#include <frame/core/errors.h>
#include <frame/core/watchedevent.h>

#include <memory>

namespace vek {

/// Raised when the bar cannot get a timer for AutoInc.
class VEK_EXPORT EVEKProgBar : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// A progress bar (see the top of this header).
class VEK_EXPORT TProgBar : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoInc READ AutoInc WRITE SetAutoInc)
    Q_PROPERTY(double AutoIncStep READ AutoIncStep WRITE SetAutoIncStep)
    Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
    Q_PROPERTY(QColor ColorBackGnd READ qColorBackGnd WRITE setQColorBackGnd RESET resetColorBackGnd)
    Q_PROPERTY(QColor ColorGrid READ qColorGrid WRITE setQColorGrid RESET resetColorGrid)
    Q_PROPERTY(TColorMapping ColorMapMode READ ColorMapMode WRITE SetColorMapMode)
    Q_PROPERTY(QColor ColorMargin READ qColorMargin WRITE setQColorMargin RESET resetColorMargin)
    Q_PROPERTY(QColor ColorMax READ qColorMax WRITE setQColorMax RESET resetColorMax)
    Q_PROPERTY(QColor ColorMin READ qColorMin WRITE setQColorMin RESET resetColorMin)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(vek::TDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(vek::TFrameStyle FrameStyleInner READ FrameStyleInner WRITE SetFrameStyleInner)
    Q_PROPERTY(vek::TFrameStyle FrameStyleOuter READ FrameStyleOuter WRITE SetFrameStyleOuter)
    Q_PROPERTY(int GridDist READ GridDist WRITE SetGridDist)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(double Max READ Max WRITE SetMax)
    Q_PROPERTY(double Min READ Min WRITE SetMin)
    Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE SetRepeatInterval)
    Q_PROPERTY(bool ShowColorGradient READ ShowColorGradient WRITE SetShowColorGradient)
    Q_PROPERTY(int StartInterval READ StartInterval WRITE SetStartInterval)
    Q_PROPERTY(vek::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)
    Q_PROPERTY(int TextDecPlaces READ TextDecPlaces WRITE SetTextDecPlaces)
    Q_PROPERTY(int TextPosX READ TextPosX WRITE SetTextPosX)
    Q_PROPERTY(int TextPosY READ TextPosY WRITE SetTextPosY)
    Q_PROPERTY(bool TextVisible READ TextVisible WRITE SetTextVisible)
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged)

public:
    /// How the gradient is laid over the bar.
    enum TColorMapping {
        cgmCover = 0,   ///< spans the whole inner area; the bar uncovers it
        cgmStretch = 1, ///< squeezed into the bar: ColorMin at its start, ColorMax at its end
        cgmMove = 2,    ///< full-area scale, shifted so the bar's leading edge shows ColorMax
    };
    Q_ENUM(TColorMapping)

    /// Number of entries of the gradient table (BarColors 0 .. GradientSize - 1).
    static constexpr int GradientSize = 1024;

    /// Called with the value text before it is measured and drawn; may replace it.
    using TBeforeShowValueEvent = std::function<void(TObject* Sender, QString& ValueText)>;

    /// A control with the default settings; parent is its owner and Qt parent.
    explicit TProgBar(QWidget* parent = nullptr);
    ~TProgBar() override;

    // ---- value and range
    /// The shown value; default 10. Not clamped, so a value above Max draws past the
    /// inner area. Emits valueChanged when it changes.
    double Value() const;
    /// Lower end; default 0. Stored as given: Min above Max reverses the scale. With Max
    /// equal to Min the bar is full once Value reaches them, else empty.
    double Min() const;
    void SetMin(double value);
    /// Upper end; default 100. Stored as given.
    double Max() const;
    void SetMax(double value);
    /// Stores the smaller number as Min and the larger as Max, then repaints.
    void SetRange(double min, double max);
    /// Growth direction: dirRight (default) grows from the left edge, dirUp from the
    /// bottom, dirLeft from the right edge and dirDown from the top. Up and down make the
    /// bar vertical in a layout.
    TDirection Direction() const;
    void SetDirection(TDirection value);

    // ---- colors
    /// Inner area background; default clSilver.
    TColor ColorBackGnd() const;
    void SetColorBackGnd(TColor value);
    VEK_COLOR_PROPERTY(ColorBackGnd, clSilver)
    /// Margin around the inner area; default clSilver.
    TColor ColorMargin() const;
    void SetColorMargin(TColor value);
    VEK_COLOR_PROPERTY(ColorMargin, clSilver)
    /// Grid line color; default clBlack.
    TColor ColorGrid() const;
    void SetColorGrid(TColor value);
    VEK_COLOR_PROPERTY(ColorGrid, clBlack)
    /// The solid bar color and the first gradient entry; default clBlue. Setting ColorMin
    /// or ColorMax recomputes gradient entries 1 .. 1022 between entries 0 and 1023.
    TColor ColorMin() const;
    void SetColorMin(TColor value);
    VEK_COLOR_PROPERTY(ColorMin, clBlue)
    /// The last gradient entry; default clRed.
    TColor ColorMax() const;
    void SetColorMax(TColor value);
    VEK_COLOR_PROPERTY(ColorMax, clRed)
    /// Fills the bar with the gradient instead of ColorMin; default false.
    bool ShowColorGradient() const;
    void SetShowColorGradient(bool value);
    /// How the gradient lies over the bar; default cgmStretch.
    TColorMapping ColorMapMode() const;
    void SetColorMapMode(TColorMapping value);
    /// Gradient table entry ix (0 .. 1023), read and written without repainting (call
    /// Refresh after editing entries). Reading outside the table gives clBlack; writing
    /// outside it is ignored. Entries between two ends of which one is a system color
    /// are recomputed when the palette changes.
    TColor BarColors(int ix) const;
    void SetBarColors(int ix, TColor value);
    /// Frame line colors: csFixedGrays (default) draws gray and white lines,
    /// csSystemColors the theme's button shadow and highlight. The dark line is black in
    /// both.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);

    // ---- layout
    /// Grid line spacing in pixels along the bar, drawn from 2 up; default 0 (no grid).
    int GridDist() const;
    void SetGridDist(int value);
    /// Widths of the margin between the control's edges and the inner area; default 4
    /// each, 0 .. MaxPixelExtent.
    int MarginLeft() const;
    void SetMarginLeft(int value);
    int MarginTop() const;
    void SetMarginTop(int value);
    int MarginRight() const;
    void SetMarginRight(int value);
    int MarginBottom() const;
    void SetMarginBottom(int value);
    /// Frame around the inner area; default fsLowered.
    TFrameStyle FrameStyleInner() const;
    void SetFrameStyleInner(TFrameStyle value);
    /// Frame around the whole control; default fsRaised.
    TFrameStyle FrameStyleOuter() const;
    void SetFrameStyleOuter(TFrameStyle value);
    /// A bitmap file (BMP or PNG) stretched over the inner area below the bar; default
    /// empty. A file that cannot be read leaves the property and the picture as they
    /// were; an empty name removes the picture.
    QString BackGroundImg() const;
    void SetBackGroundImg(const QString& value);

    // ---- value text
    /// Draw the value text; default true.
    bool TextVisible() const;
    void SetTextVisible(bool value);
    /// Anchor of the text: the left end, right end or center (TextAlignment) of the
    /// text's middle line, about which it is rotated. Default (14, 14); clamped to
    /// 0 .. Width and 0 .. Height when assigned.
    int TextPosX() const;
    void SetTextPosX(int value);
    int TextPosY() const;
    void SetTextPosY(int value);
    /// Which point of the text lies at the anchor; default taCenter.
    TAlignment TextAlignment() const;
    void SetTextAlignment(TAlignment value);
    /// Counterclockwise rotation in degrees, clamped to 0 .. 360; default 0.
    int TextAngle() const;
    void SetTextAngle(int value);
    /// Decimals of the text, clamped to -2 .. 10; default 0. -1 writes "1.5E+03" (two
    /// exponent digits; an exponent beyond two digits shows as stars), -2 "1.5E+0003".
    int TextDecPlaces() const;
    void SetTextDecPlaces(int value);
    /// The value formatted by TextDecPlaces: the text OnShowValue receives.
    QString ValueText() const;

    // ---- automatic increments
    /// Runs the timer: Value grows by AutoIncStep after StartInterval, then every
    /// RepeatInterval milliseconds; default false. Raises EVEKProgBar when no timer is
    /// available (AutoInc stays off then). In the form designer the setting is only
    /// stored.
    bool AutoInc() const;
    void SetAutoInc(bool value);
    /// Added to Value per tick; default 1. 0 is ignored.
    double AutoIncStep() const;
    void SetAutoIncStep(double value);
    /// Milliseconds before the first tick, at least 10; default 1500. A change restarts
    /// the wait.
    int StartInterval() const;
    void SetStartInterval(int value);
    /// Milliseconds between later ticks, at least 10; default 700.
    int RepeatInterval() const;
    void SetRepeatInterval(int value);

    /// The default size 300 x 28, or along the bar's direction 300 and across it the
    /// height of the font plus the margins and frames (transposed when vertical).
    QSize sizeHint() const override;
    /// Four digits and the margins along the bar, the font height across it.
    QSize minimumSizeHint() const override;

    // ---- events
    /// Raised after each automatic increment, before autoIncremented(). Assigning a
    /// handler also restarts a running timer at RepeatInterval, so a new handler sees
    /// regular ticks from its first one.
    TWatchedEvent<TNotifyEvent> OnAutoInc{[this] { AutoIncAssigned(); }};
    /// Offered the value text before each paint; may replace it.
    TBeforeShowValueEvent OnShowValue;

    /// Copies the look and value of another TProgBar (not the timer settings, not the
    /// inherited properties); the background picture is copied, not shared.
    void Assign(const TPersistent* Source) override;

public Q_SLOTS:
    /// Sets Value (see there).
    void SetValue(double value);
    /// Rewinds the bar: Value becomes Min, so that it shows no progress.
    void reset();

Q_SIGNALS:
    /// Value changed: set by code, by Assign or by an automatic increment.
    void valueChanged(double value);
    /// Emitted after each automatic increment, right after OnAutoInc.
    void autoIncremented();

protected:
    void Paint() override;
    /// Recomputes gradient entries between system-colored ends, then repaints.
    void PaletteChanged() override;
    /// The size hints follow the font.
    void FontChanged() override;
    /// One timer tick: Value += AutoIncStep, repaint, valueChanged, OnAutoInc,
    /// autoIncremented.
    virtual void DoTimer();

private:
    void AutoIncAssigned();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
