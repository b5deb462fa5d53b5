#include "VEK_RasterLab.h"

#include "builtinfont.h"
#include "rasterlab_p.h"

#include <frame/canvas/bitmap.h>
#include <frame/core/change.h>
#include <frame/core/pixelextent.h>

namespace vek {

TRasterLab::TRasterLab(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The dots do not grow with the control: extra height would only show empty panel.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    SetDefaultSize(400, 68);
    SetGrayWhenDisabled(true);
    // The control owns its timer window: a failing tick is reported as its own.
    d->timer.setParent(this);
    d->timer.OnTimer = [this](int id) {
        if (id == 1)
            DoTimer();
    };
    Font()->SetName(QStringLiteral("default"));
    Font()->SetSize(8);
    d->charMatrix = CreateBitFont(Font());
    rasterlab::AnnounceChanges(this);
}

TRasterLab::~TRasterLab() = default;

const TRDCharMatrix& TRasterLab::CharMatrix() const { return d->charMatrix; }
bool TRasterLab::AutoHeight() const { return d->autoHeight; }
bool TRasterLab::AutoCenter() const { return d->autoCenter; }
TRasterLab::TRDBlockMode TRasterLab::CharBlockMode() const { return d->blockMode; }
TColor TRasterLab::ColorLabBakG() const { return d->colorLabBakG; }
TColor TRasterLab::ColorDotOn() const { return d->colorDotOn; }
TColor TRasterLab::ColorDotOff() const { return d->colorDotOff; }
TColorScheme TRasterLab::ColorScheme() const { return d->colorScheme; }
int TRasterLab::DotSize() const { return d->dotSize; }
int TRasterLab::DotSpacing() const { return d->dotSpacing; }
TFrameStyle TRasterLab::FrameStyle() const { return d->frameStyle; }
int TRasterLab::PosX() const { return d->posX; }
int TRasterLab::PosY() const { return d->posY; }
bool TRasterLab::Proportional() const { return d->proportional; }
int TRasterLab::ScrollIncrement() const { return d->scrollIncrement; }
int TRasterLab::ScrollInterval() const { return d->scrollInterval; }
bool TRasterLab::ScrollLoop() const { return d->scrollLoop; }
TRasterLab::TRDScrollMode TRasterLab::ScrollMode() const { return d->scrollMode; }
QString TRasterLab::Text() const { return d->text; }
int TRasterLab::ScrollPosX() const { return d->scrollPosX; }
int TRasterLab::ScrollPosY() const { return d->scrollPosY; }
int TRasterLab::TextBitLength() const { return d->textBitLength; }

void TRasterLab::SetCharBlockMode(TRDBlockMode value)
{
    if (Change(d->blockMode, value))
        Paint();
}

void TRasterLab::SetColorLabBakG(TColor value)
{
    if (Change(d->colorLabBakG, value))
        Paint();
}

void TRasterLab::SetColorDotOn(TColor value)
{
    if (Change(d->colorDotOn, value))
        Paint();
}

void TRasterLab::SetColorDotOff(TColor value)
{
    if (Change(d->colorDotOff, value))
        Paint();
}

void TRasterLab::SetPosX(int value)
{
    if (!Change(d->posX, PixelPosition(value)))
        return;
    updateGeometry();
    Paint();
}

void TRasterLab::SetPosY(int value)
{
    if (Change(d->posY, PixelPosition(value)))
        Paint();
}

void TRasterLab::SetProportional(bool value)
{
    if (!Change(d->proportional, value))
        return;
    updateGeometry();
    Paint();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& value)
{
    d->charMatrix = value;
    updateGeometry();
    Paint();
}

void TRasterLab::SetColorScheme(TColorScheme value)
{
    d->colorScheme = value;
    d->lines = SchemeLineColors(value);
    Paint();
}

void TRasterLab::SetFrameStyle(TFrameStyle value)
{
    if (!Change(d->frameStyle, value))
        return;
    AdjustLayout(); // the frame allowance changed
    updateGeometry();
    Paint();
}

void TRasterLab::SetAutoHeight(bool value)
{
    if (!Change(d->autoHeight, value))
        return;
    if (value)
        AdjustHeight();
    Paint();
}

void TRasterLab::SetAutoCenter(bool value)
{
    if (!Change(d->autoCenter, value))
        return;
    if (value)
        AdjustCenter();
    else
        d->posX = 1;
    updateGeometry();
    Paint();
}

void TRasterLab::SetDotSize(int value)
{
    if (!Change(d->dotSize, std::clamp(value, 1, 32)))
        return;
    AdjustLayout();
    updateGeometry();
    Paint();
}

void TRasterLab::SetDotSpacing(int value)
{
    if (!Change(d->dotSpacing, std::clamp(value, 0, 3)))
        return;
    AdjustLayout();
    updateGeometry();
    Paint();
}

void TRasterLab::SetText(const QString& value)
{
    if (!Change(d->text, value))
        return;
    if (d->autoCenter)
        AdjustCenter();
    updateGeometry();
    Paint();
    emit textChanged(d->text);
}

void TRasterLab::SetScrollLoop(bool value)
{
    d->scrollLoop = value;
    Paint();
}

// The bit font follows the font; nothing else depends on it.
void TRasterLab::FontChanged()
{
    d->charMatrix = CreateBitFont(Font());
    AdjustLayout();
    updateGeometry();
    Paint();
}

void TRasterLab::Resize()
{
    if (d->autoCenter) {
        AdjustCenter();
        Paint();
    }
    TGraphicControl::Resize();
}

// ---- layout --------------------------------------------------------------------------

int TRasterLab::Step() const
{
    return d->dotSize + d->dotSpacing;
}

int TRasterLab::FrameAllowance() const
{
    switch (d->frameStyle) {
    case fsNone: return 0;
    case fsEmbossed:
    case fsEngraved: return 2;
    default: return 1;
    }
}

int TRasterLab::CalcTextBitLength() const
{
    return rasterlab::TextBitLength(d->charMatrix, d->text, Step(), d->proportional);
}

void TRasterLab::AdjustHeight()
{
    SetHeight(FrameAllowance() + Step() * d->charMatrix.FontHeight);
}

void TRasterLab::AdjustCenter()
{
    d->posX = (Width() - CalcTextBitLength()) / 2 + FrameAllowance() + 1;
}

void TRasterLab::AdjustLayout()
{
    if (d->autoHeight)
        AdjustHeight();
    if (d->autoCenter)
        AdjustCenter();
}

QSize TRasterLab::sizeHint() const
{
    const int height = FrameAllowance() + Step() * d->charMatrix.FontHeight;
    // A scrolling text passes through the panel and need not fit into it.
    if (d->scrollMode != rdsmOff)
        return QSize(TGraphicControl::sizeHint().width(), height);
    // After the text's last blank column, room for the frame and a pixel. Text starts at
    // PosX; centred text where AutoCenter puts it at this width, (width - length) / 2 +
    // inset = 3 * inset, as it sits an inset right of the middle.
    const int inset = FrameAllowance() + 1;
    const int left = d->autoCenter ? 3 * inset : d->posX;
    return QSize(left + CalcTextBitLength() + inset, height);
}

QSize TRasterLab::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    const int oneCharacter = 2 * (FrameAllowance() + 1) + (d->charMatrix.FontWidth + 1) * Step();
    return QSize(std::min(hint.width(), oneCharacter), hint.height());
}

// ---- painting ------------------------------------------------------------------------

void TRasterLab::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    const int W = Width(), H = Height();
    TBitmap face(W, H);
    PrepareOffscreen(face);
    TCanvas* canvas = face.Canvas();
    canvas->Brush()->SetColor(d->blockMode != rdbmOff ? d->colorDotOff : d->colorLabBakG);
    canvas->FillRect(d->frameStyle == fsNone ? TRect(0, 0, W, H) : TRect(1, 1, W - 1, H - 1));
    if (d->blockMode != rdbmOff)
        PaintRaster(canvas);
    d->textBitLength = rasterlab::PaintString(
        canvas, d->charMatrix, d->posX + d->scrollPosX, d->posY + d->scrollPosY, d->text,
        {d->dotSize, d->dotSpacing, d->colorDotOn, d->colorLabBakG, d->blockMode, d->proportional, H});
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
    canvas->Brush()->SetColor(d->colorLabBakG);
    const int y0 = (d->posY + d->scrollPosY) % step;
    for (int b = 0; b <= H / step + 1; ++b)
        for (int i = 1; i <= d->dotSpacing; ++i) {
            const int y = y0 + b * step + i - d->dotSpacing - 1;
            canvas->FillRect(TRect(0, y, W, y + 1));
        }
    const int x0 = (d->posX + d->scrollPosX) % step;
    for (int b = 0; b <= W / step + 1; ++b)
        for (int i = 1; i <= d->dotSpacing; ++i) {
            const int x = x0 + b * step + i - d->dotSpacing - 1;
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
    switch (d->frameStyle) {
    case fsNone:
        break;
    case fsSingle:
        outline(d->lines.Gray, 0, 1);
        break;
    case fsLowered:
        polyline(clBlack, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        polyline(d->lines.White, {{2, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
        outline(d->lines.Gray, 0, 2);
        break;
    case fsRaised:
        polyline(d->lines.White, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        polyline(clBlack, {{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
        outline(d->lines.Gray, 0, 2);
        break;
    case fsEmbossed:
        outline(d->lines.Gray, 1, 1);
        outline(d->lines.White, 0, 2);
        break;
    case fsEngraved:
        outline(d->lines.White, 1, 1);
        outline(d->lines.Gray, 0, 2);
        break;
    }
}

// ---- scrolling -----------------------------------------------------------------------

void TRasterLab::SetScrollMode(TRDScrollMode value)
{
    if (!Change(d->scrollMode, value))
        return;
    updateGeometry();
    if (!ComponentState().testFlag(csDesigning)) {
        d->timerEnabled = value != rdsmOff;
        UpdateTimer();
    }
    if (value == rdsmOff) {
        d->scrollPosX = d->scrollPosY = 0;
        Paint();
    }
}

void TRasterLab::SetScrollInterval(int value)
{
    if (Change(d->scrollInterval, std::max(value, 10)))
        UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int value)
{
    const int step = std::abs(PixelPosition(value));
    if (Change(d->scrollIncrement, step == 0 ? 1 : step))
        UpdateTimer();
}

bool TRasterLab::ScrollTimerActive() const
{
    return d->timer.IsTimerActive(1);
}

void TRasterLab::UpdateTimer()
{
    d->timer.KillTimer(1);
    if (d->scrollInterval > 0 && d->scrollMode != rdsmOff && d->timerEnabled &&
        !d->timer.SetTimer(1, d->scrollInterval)) {
        d->timerEnabled = false;
        throw EVEKRasterLabError(ComponentErrorText(Name(), QStringLiteral("no timer available")));
    }
}

void TRasterLab::DoTimer()
{
    ScrollStep();
    if (OnScrollTimer)
        OnScrollTimer(this);
    emit scrolled(d->scrollPosX, d->scrollPosY);
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
    emit scrollLoopRestarted();
}

// Right and down move the text by ScrollIncrement until it has passed the far edge,
// then it re-enters from the near edge; left and up are the mirror images.
void TRasterLab::ScrollStep()
{
    const int textHeight = Step() * d->charMatrix.FontHeight;
    bool restart = false;
    switch (d->scrollMode) {
    case rdsmOff:
        d->timerEnabled = false;
        d->timer.KillTimer(1);
        d->scrollPosX = d->scrollPosY = 0;
        break;
    case rdsmRight:
        d->scrollPosX += d->scrollIncrement;
        if ((restart = d->scrollLoop && d->scrollPosX > Width()))
            d->scrollPosX = -d->textBitLength;
        break;
    case rdsmLeft:
        d->scrollPosX -= d->scrollIncrement;
        if ((restart = d->scrollLoop && d->scrollPosX < -d->textBitLength))
            d->scrollPosX = Width();
        break;
    case rdsmDown:
        d->scrollPosY += d->scrollIncrement;
        if ((restart = d->scrollLoop && d->scrollPosY > Height()))
            d->scrollPosY = -textHeight;
        break;
    case rdsmUp:
        d->scrollPosY -= d->scrollIncrement;
        if ((restart = d->scrollLoop && d->scrollPosY < -textHeight))
            d->scrollPosY = Height();
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
    const QString text = d->text;
    d->frameStyle = source->d->frameStyle;
    d->text = source->d->text;
    d->colorLabBakG = source->d->colorLabBakG;
    d->colorDotOn = source->d->colorDotOn;
    d->lines = source->d->lines;
    d->colorScheme = source->d->colorScheme;
    updateGeometry();
    Paint();
    if (d->text != text)
        emit textChanged(d->text);
}

} // namespace vek
