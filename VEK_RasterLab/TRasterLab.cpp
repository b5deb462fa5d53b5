#include "VEK_RasterLab.h"

#include "builtinfont.h"

#include <frame/canvas/bitmap.h>
#include <frame/baselib/drawing.h>

namespace vek {

TRasterLab::TRasterLab(QWidget* parent) : TGraphicControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetDefaultSize(400, 68);
    FScrTimerHandle.OnTimer = [this](int id) {
        if (id == 1)
            DoTimer();
    };
    Font()->SetName(QStringLiteral("default"));
    Font()->SetSize(8);
    FCMat = CreateBitFont(Font());
}

TRasterLab::~TRasterLab() = default;

template <typename T>
void TRasterLab::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode value) { Change(FCharBlockMode, value); }
void TRasterLab::SetColorLabBakG(TColor value) { Change(FColorLabBakG, value); }
void TRasterLab::SetColorDotOn(TColor value) { Change(FColorDotOn, value); }
void TRasterLab::SetColorDotOff(TColor value) { Change(FColorDotOff, value); }
void TRasterLab::SetPosX(int value) { Change(FXPos, value); }
void TRasterLab::SetPosY(int value) { Change(FYPos, value); }
void TRasterLab::SetProportional(bool value) { Change(FProportional, value); }

void TRasterLab::SetCharMatrix(const TRDCharMatrix& value)
{
    FCMat = value;
    Paint();
}

void TRasterLab::SetColorScheme(TColorScheme value)
{
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Paint();
}

void TRasterLab::SetFrameStyle(TFrameStyle value)
{
    if (FFrameStyle == value)
        return;
    FFrameStyle = value;
    AdjustLayout(); // the frame allowance changed
    Paint();
}

void TRasterLab::SetAutoHeight(bool value)
{
    if (FAutoHeight == value)
        return;
    FAutoHeight = value;
    if (value)
        AdjustHeight();
    Paint();
}

void TRasterLab::SetAutoCenter(bool value)
{
    if (FAutoCenter == value)
        return;
    FAutoCenter = value;
    if (value)
        AdjustCenter();
    else
        FXPos = 1;
    Paint();
}

void TRasterLab::SetDotSize(int value)
{
    value = std::clamp(value, 1, 32);
    if (value == FDotSize)
        return;
    FDotSize = value;
    AdjustLayout();
    Paint();
}

void TRasterLab::SetDotSpacing(int value)
{
    value = std::clamp(value, 0, 3);
    if (value == FDotSpacing)
        return;
    FDotSpacing = value;
    AdjustLayout();
    Paint();
}

void TRasterLab::SetText(const QString& value)
{
    if (value == FLabText)
        return;
    FLabText = value;
    if (FAutoCenter)
        AdjustCenter();
    Paint();
}

void TRasterLab::SetScrollLoop(bool value)
{
    FScrollLoop = value;
    Paint();
}

void TRasterLab::FontChanged()
{
    FCMat = CreateBitFont(Font());
    AdjustLayout();
    Paint();
}

void TRasterLab::Resize()
{
    if (FAutoCenter) {
        AdjustCenter();
        Paint();
    }
    TGraphicControl::Resize();
}

// ---- layout --------------------------------------------------------------------------

int TRasterLab::FrameAllowance() const
{
    switch (FFrameStyle) {
    case fsNone: return 0;
    case fsEmbossed:
    case fsEngraved: return 2;
    default: return 1;
    }
}

int TRasterLab::CalcTextBitLength() const
{
    return rasterlab::TextBitLength(FCMat, FLabText, Step(), FProportional);
}

void TRasterLab::AdjustHeight()
{
    SetHeight(FrameAllowance() + Step() * FCMat.FontHeight);
}

void TRasterLab::AdjustCenter()
{
    FXPos = (Width() - CalcTextBitLength()) / 2 + FrameAllowance() + 1;
}

void TRasterLab::AdjustLayout()
{
    if (FAutoHeight)
        AdjustHeight();
    if (FAutoCenter)
        AdjustCenter();
}

// ---- painting ------------------------------------------------------------------------

void TRasterLab::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    const int W = Width(), H = Height();
    TBitmap face(W, H);
    TCanvas* canvas = face.Canvas();
    canvas->Brush()->SetColor(FCharBlockMode != rdbmOff ? FColorDotOff : FColorLabBakG);
    canvas->FillRect(FFrameStyle == fsNone ? TRect(0, 0, W, H) : TRect(1, 1, W - 1, H - 1));
    if (FCharBlockMode != rdbmOff)
        PaintRaster(canvas);
    FTextBitLength = rasterlab::PaintString(
        canvas, FCMat, FXPos + FScrollPosX, FYPos + FScrollPosY, FLabText,
        {FDotSize, FDotSpacing, FColorDotOn, FColorLabBakG, FCharBlockMode, FProportional, H});
    PaintFrame(canvas);
    Canvas()->SetCopyMode(cmSrcCopy);
    Canvas()->Draw(0, 0, &face);
}

// Background lines between the dot rows and columns, so that the unlit dots show as
// squares of ColorDotOff; the grid moves with the text.
void TRasterLab::PaintRaster(TCanvas* canvas)
{
    const int W = Width(), H = Height(), step = Step();
    // One-pixel lines drawn as fills: the same pixels as pen lines, at a fraction of the
    // cost, which matters when the label repaints for every scroll step.
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FColorLabBakG);
    const int y0 = (FYPos + FScrollPosY) % step;
    for (int b = 0; b <= H / step + 1; ++b)
        for (int i = 1; i <= FDotSpacing; ++i) {
            const int y = y0 + b * step + i - FDotSpacing - 1;
            canvas->FillRect(TRect(0, y, W, y + 1));
        }
    const int x0 = (FXPos + FScrollPosX) % step;
    for (int b = 0; b <= W / step + 1; ++b)
        for (int i = 1; i <= FDotSpacing; ++i) {
            const int x = x0 + b * step + i - FDotSpacing - 1;
            canvas->FillRect(TRect(x, 0, x + 1, H));
        }
}

void TRasterLab::PaintFrame(TCanvas* canvas)
{
    const int W = Width(), H = Height();
    const auto polyline = [canvas](TColor color, std::initializer_list<QPoint> points) {
        canvas->Pen()->SetColor(color);
        auto it = points.begin();
        canvas->MoveTo(it->x(), it->y());
        for (++it; it != points.end(); ++it)
            canvas->LineTo(it->x(), it->y());
    };
    const auto outline = [&](TColor color, int b, int c) {
        polyline(color, {{b, b}, {W - c, b}, {W - c, H - c}, {b, H - c}, {b, b}});
    };
    switch (FFrameStyle) {
    case fsNone:
        break;
    case fsSingle:
        outline(FColGrayLine, 0, 1);
        break;
    case fsLowered:
        polyline(FColBlackLine, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        polyline(FColWhiteLine, {{2, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
        outline(FColGrayLine, 0, 2);
        break;
    case fsRaised:
        polyline(FColWhiteLine, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        polyline(FColBlackLine, {{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
        outline(FColGrayLine, 0, 2);
        break;
    case fsEmbossed:
        outline(FColGrayLine, 1, 1);
        outline(FColWhiteLine, 0, 2);
        break;
    case fsEngraved:
        outline(FColWhiteLine, 1, 1);
        outline(FColGrayLine, 0, 2);
        break;
    }
}

// ---- scrolling -----------------------------------------------------------------------

void TRasterLab::SetScrollMode(TRDScrollMode value)
{
    if (FScrollMode == value)
        return;
    FScrollMode = value;
    if (!ComponentState().testFlag(csDesigning)) {
        FScrTimerEnabled = value != rdsmOff;
        UpdateTimer();
    }
    if (value == rdsmOff) {
        FScrollPosX = FScrollPosY = 0;
        Paint();
    }
}

void TRasterLab::SetScrollInterval(int value)
{
    value = std::max(value, 10);
    if (value == FScrollIv)
        return;
    FScrollIv = value;
    UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int value)
{
    value = value == 0 ? 1 : std::abs(value);
    if (value == FScrollInc)
        return;
    FScrollInc = value;
    UpdateTimer();
}

bool TRasterLab::ScrollTimerActive() const
{
    return FScrTimerHandle.IsTimerActive(1);
}

void TRasterLab::UpdateTimer()
{
    FScrTimerHandle.KillTimer(1);
    if (FScrollIv > 0 && FScrollMode != rdsmOff && FScrTimerEnabled &&
        !FScrTimerHandle.SetTimer(1, FScrollIv)) {
        FScrTimerEnabled = false;
        throw EVEKRasterLabError(ComponentErrorText(Name(), QStringLiteral("no timer available")));
    }
}

void TRasterLab::DoTimer()
{
    ScrollStep();
    if (OnScrollTimer)
        OnScrollTimer(this);
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
}

// Right and down move the text by ScrollIncrement until it has passed the far edge,
// then it re-enters from the near edge; left and up are the mirror images.
void TRasterLab::ScrollStep()
{
    const int textHeight = Step() * FCMat.FontHeight;
    bool restart = false;
    switch (FScrollMode) {
    case rdsmOff:
        FScrTimerEnabled = false;
        FScrTimerHandle.KillTimer(1);
        FScrollPosX = FScrollPosY = 0;
        break;
    case rdsmRight:
        FScrollPosX += FScrollInc;
        if ((restart = FScrollLoop && FScrollPosX > Width()))
            FScrollPosX = -FTextBitLength;
        break;
    case rdsmLeft:
        FScrollPosX -= FScrollInc;
        if ((restart = FScrollLoop && FScrollPosX < -FTextBitLength))
            FScrollPosX = Width();
        break;
    case rdsmDown:
        FScrollPosY += FScrollInc;
        if ((restart = FScrollLoop && FScrollPosY > Height()))
            FScrollPosY = -textHeight;
        break;
    case rdsmUp:
        FScrollPosY -= FScrollInc;
        if ((restart = FScrollLoop && FScrollPosY < -textHeight))
            FScrollPosY = Height();
        break;
    }
    if (restart)
        DoScrLoopRestart();
    Paint();
}

// ---- copying -------------------------------------------------------------------------

void TRasterLab::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRasterLab*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyle = source->FFrameStyle;
    FLabText = source->FLabText;
    FColorLabBakG = source->FColorLabBakG;
    FColorDotOn = source->FColorDotOn;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    Paint();
}

void TRasterLab::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TRasterLab*>(Dest)) {
        target->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

} // namespace vek
