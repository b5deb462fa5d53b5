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
// timer settings never repaint.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/controls/controls.h>
#include <frame/core/errors.h>
#include <frame/core/timers.h>
#include <frame/core/watchedevent.h>

#include <array>

namespace vek {

// Raised when the bar cannot get a timer for AutoInc.
class VEK_EXPORT EVEKProgBar : public EVEKError {
public:
    using EVEKError::EVEKError;
};

class VEK_EXPORT TProgBar : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoInc READ AutoInc WRITE SetAutoInc)
    Q_PROPERTY(double AutoIncStep READ AutoIncStep WRITE SetAutoIncStep)
    Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
    Q_PROPERTY(quint32 ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(quint32 ColorGrid READ ColorGrid WRITE SetColorGrid)
    Q_PROPERTY(TColorMapping ColorMapMode READ ColorMapMode WRITE SetColorMapMode)
    Q_PROPERTY(quint32 ColorMargin READ ColorMargin WRITE SetColorMargin)
    Q_PROPERTY(quint32 ColorMax READ ColorMax WRITE SetColorMax)
    Q_PROPERTY(quint32 ColorMin READ ColorMin WRITE SetColorMin)
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
    Q_PROPERTY(double Value READ Value WRITE SetValue)

public:
    // How the gradient is laid over the bar.
    enum TColorMapping {
        cgmCover = 0,   // spans the whole inner area; the bar uncovers it
        cgmStretch = 1, // squeezed into the bar: ColorMin at its start, ColorMax at its end
        cgmMove = 2,    // full-area scale, shifted so the bar's leading edge shows ColorMax
    };
    Q_ENUM(TColorMapping)

    // Number of entries of the gradient table (BarColors 0 .. GradientSize - 1).
    static constexpr int GradientSize = 1024;

    // Called with the value text before it is measured and drawn; may replace it.
    using TBeforeShowValueEvent = std::function<void(TObject* Sender, QString& ValueText)>;

    explicit TProgBar(QWidget* parent = nullptr);
    ~TProgBar() override;

    // ---- value and range
    // The shown value; not clamped, so a value above Max draws past the inner area.
    double Value() const { return FValue; }
    void SetValue(double value);
    // The ends are stored as given (Min above Max reverses the scale); SetRange orders
    // them. With Max equal to Min the bar is full once Value reaches them, else empty.
    double Min() const { return FMin; }
    void SetMin(double value);
    double Max() const { return FMax; }
    void SetMax(double value);
    // Stores the smaller number as Min and the larger as Max, then repaints.
    void SetRange(double min, double max);
    // Ordinal 3 (dirRight) grows from the left edge, 0 (dirUp) from the bottom,
    // 2 (dirLeft) from the right edge and 1 (dirDown) from the top.
    TDirection Direction() const { return FDirection; }
    void SetDirection(TDirection value);

    // ---- colors
    TColor ColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor value);
    TColor ColorMargin() const { return FColorMargin; }
    void SetColorMargin(TColor value);
    TColor ColorGrid() const { return FColorGrid; }
    void SetColorGrid(TColor value);
    // The solid bar color and the first gradient entry. Setting ColorMin or ColorMax
    // recomputes gradient entries 1 .. 1022 between entries 0 and 1023.
    TColor ColorMin() const { return FBarColors[0]; }
    void SetColorMin(TColor value);
    // The last gradient entry.
    TColor ColorMax() const { return FBarColors[GradientSize - 1]; }
    void SetColorMax(TColor value);
    // Fills the bar with the gradient instead of ColorMin.
    bool ShowColorGradient() const { return FShowColorGradient; }
    void SetShowColorGradient(bool value);
    TColorMapping ColorMapMode() const { return FColorMapMode; }
    void SetColorMapMode(TColorMapping value);
    // Gradient table entry ix (0 .. 1023), read and written without repainting (call
    // Refresh after editing entries). Reading outside the table gives clBlack; writing
    // outside it is ignored.
    TColor BarColors(int ix) const;
    void SetBarColors(int ix, TColor value);
    // Frame line colors: csFixedGrays draws gray and white lines, csSystemColors the
    // theme's button shadow and highlight. The dark line is black in both.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);

    // ---- layout
    // Grid line spacing in pixels along the bar; lines are drawn from 2 up.
    int GridDist() const { return FGridDist; }
    void SetGridDist(int value);
    // Widths of the margin between the control's edges and the inner area.
    int MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int value);
    int MarginRight() const { return FMarginRight; }
    void SetMarginRight(int value);
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int value);
    TFrameStyle FrameStyleInner() const { return FFrameStyleInner; }
    void SetFrameStyleInner(TFrameStyle value);
    TFrameStyle FrameStyleOuter() const { return FFrameStyleOuter; }
    void SetFrameStyleOuter(TFrameStyle value);
    // A bitmap file (BMP or PNG) stretched over the inner area below the bar. A file
    // that cannot be read leaves the property and the picture as they were; an empty
    // name removes the picture.
    QString BackGroundImg() const { return FBackGroundImg; }
    void SetBackGroundImg(const QString& value);

    // ---- value text
    bool TextVisible() const { return FTextVisible; }
    void SetTextVisible(bool value);
    // Anchor of the text: the left end, right end or center (TextAlignment) of the
    // text's middle line, about which it is rotated. Clamped to 0 .. Width and
    // 0 .. Height when assigned.
    int TextPosX() const { return FTextPosX; }
    void SetTextPosX(int value);
    int TextPosY() const { return FTextPosY; }
    void SetTextPosY(int value);
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value);
    // Counterclockwise rotation in degrees, clamped to 0 .. 360.
    int TextAngle() const { return FTextAngle; }
    void SetTextAngle(int value);
    // Decimals of the text, clamped to -2 .. 10. -1 writes "1.5E+03" (two exponent
    // digits; an exponent beyond two digits shows as stars), -2 "1.5E+0003".
    int TextDecPlaces() const { return FTextDecPlaces; }
    void SetTextDecPlaces(int value);
    // The value formatted by TextDecPlaces: the text OnShowValue receives.
    QString ValueText() const;

    // ---- automatic increments
    // Runs the timer: Value grows by AutoIncStep after StartInterval, then every
    // RepeatInterval milliseconds. Raises EVEKProgBar when no timer is available (AutoInc
    // stays off then). In the form designer the setting is only stored.
    bool AutoInc() const { return FTimerEnabled; }
    void SetAutoInc(bool value);
    // Added to Value per tick; 0 is ignored.
    double AutoIncStep() const { return FAutoIncStep; }
    void SetAutoIncStep(double value);
    // Milliseconds before the first tick (at least 10); a change restarts the wait.
    int StartInterval() const { return FStartInterval; }
    void SetStartInterval(int value);
    // Milliseconds between later ticks (at least 10).
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int value);

    // ---- events
    // After each automatic increment (see TAutoIncEvent).
    // Raised after each automatic increment. Assigning a handler also restarts a running
    // timer at RepeatInterval, so a new handler sees regular ticks from its first one.
    TWatchedEvent<TNotifyEvent> OnAutoInc{[this] { AutoIncAssigned(); }};
    TBeforeShowValueEvent OnShowValue;

    // Copies the look and value of another TProgBar (not the timer settings, not the
    // inherited properties); the background picture is copied, not shared.
    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void AssignTo(TPersistent* Dest) const override;
    // One timer tick: Value += AutoIncStep, repaint, OnAutoInc.
    virtual void DoTimer();

private:
    void PaintBackground(TCanvas* canvas, const TRect& inner);
    void PaintBar(TCanvas* canvas, const TRect& inner);
    void PaintFrame(TCanvas* canvas, TFrameStyle style, const TRect& box);
    void PaintValueText(TCanvas* canvas);
    void RecomputeGradient();
    void StartTimer();
    void SwitchToRepeat();
    void AutoIncAssigned();
    void StopTimer();
    void ArmTimer(int intervalMs);
    bool Designing() const;
    template <typename T>
    void Change(T& field, const T& value);

    std::array<TColor, GradientSize> FBarColors{};
    TBitmap FAuxBmp{10, 10};
    TTimerWindow FTimerHandle;
    bool FTimerEnabled = false;
    bool FIsStart = true;
    double FAutoIncStep = 1.0;
    int FStartInterval = 1500;
    int FRepeatInterval = 700;

    double FValue = 10.0;
    double FMin = 0.0;
    double FMax = 100.0;
    TDirection FDirection = dirRight;
    TColor FColorBackGnd = clSilver;
    TColor FColorMargin = clSilver;
    TColor FColorGrid = clBlack;
    bool FShowColorGradient = false;
    TColorMapping FColorMapMode = cgmStretch;
    TColorScheme FColorScheme = csFixedGrays;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
    int FGridDist = 0;
    int FMarginLeft = 4;
    int FMarginTop = 4;
    int FMarginRight = 4;
    int FMarginBottom = 4;
    TFrameStyle FFrameStyleInner = fsLowered;
    TFrameStyle FFrameStyleOuter = fsRaised;
    QString FBackGroundImg;
    bool FTextVisible = true;
    int FTextPosX = 14;
    int FTextPosY = 14;
    TAlignment FTextAlignment = taCenter;
    int FTextAngle = 0;
    int FTextDecPlaces = 0;
};

} // namespace vek
