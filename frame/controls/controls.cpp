#include "controls.h"

#include <frame/core/application.h>
#include "keys.h"

#include <frame/core/change.h>
#include <frame/canvas/deviceunits_p.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>

namespace vek {

namespace {

// The image with every pixel turned to its gray value, alpha kept.
QImage GrayCopy(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int gray = qGray(line[x]);
            line[x] = qRgba(gray, gray, gray, qAlpha(line[x]));
        }
    }
    return image;
}

TShiftState MouseShift(const QMouseEvent* event)
{
    return ShiftStateOf(event->modifiers(), event->buttons());
}

QPoint PositionOf(const QMouseEvent* event)
{
    return event->position().toPoint();
}

} // namespace

TControl::TControl(QWidget* parent) : QWidget(parent), TWidgetComponent(this, parent)
{
    FCanvas.OnChange = [this] {
        // Painting inside a paint event is copied right after; asking for another
        // paint event then would repaint forever.
        if (!FInPaintEvent)
            QWidget::update();
    };
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TControl::~TControl()
{
    FCanvas.Bind(nullptr);
}

void TControl::SetColor(TColor value)
{
    if (!Change(FColor, value))
        return;
    Invalidate();
}

void TControl::SetDefaultSize(int width, int height)
{
    FDefaultSize = QSize(width, height);
    resize(FDefaultSize);
    updateGeometry();
}

QSize TControl::sizeHint() const
{
    return FDefaultSize.isValid() ? FDefaultSize : QWidget::sizeHint();
}

// ---- painting ------------------------------------------------------------------------

void TControl::EnsureWindowCreated()
{
    if (FWindowCreated)
        return;
    FWindowCreated = true;
    RunGuarded(this, [this] { CreateWnd(); });
}

void TControl::EnsureBuffer()
{
    const QImage::Format format =
        FBufferTransparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    // A window moved to a screen of another scale changes the ratio: that needs a new
    // buffer as much as a resize does.
    const qreal ratio = devicePixelRatio();
    if (FBuffer.deviceIndependentSize().toSize() == size() && FBuffer.format() == format &&
        FBuffer.devicePixelRatio() == ratio)
        return;
    FCanvas.Bind(nullptr);
    FBuffer = deviceunits::Create(size(), format, ratio);
    FBuffer.fill(FBufferTransparent ? QColor(Qt::transparent) : ToQColor(FColor));
    FCanvas.Bind(&FBuffer);
    FDirty = true;
}

TCanvas* TControl::Canvas()
{
    // A paint event readies the buffer before Paint runs; checking the screen's ratio
    // again for every drawing call of a paint would cost more than the drawing.
    if (!FInPaintEvent)
        EnsureBuffer();
    return &FCanvas;
}

void TControl::PrepareOffscreen(TBitmap& bitmap)
{
    EnsureBuffer();
    bitmap.SetDevicePixelRatio(FBuffer.devicePixelRatio());
    bitmap.Canvas()->SetAntialiasing(FCanvas.Antialiasing());
}

void TControl::SetSmoothing(bool value)
{
    if (value == FCanvas.Antialiasing())
        return;
    FCanvas.SetAntialiasing(value);
    // Faces kept by a control are dropped on palette changes; this changes them as much.
    PaletteChanged();
}

void TControl::SetBufferTransparent(bool transparent)
{
    if (FBufferTransparent == transparent)
        return;
    FBufferTransparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    EnsureBuffer();
}

void TControl::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(FColor);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(ClientRect());
}

void TControl::PaintGuarded()
{
    // Window creation may invalidate and a missing or resized buffer marks the control
    // dirty: both happen before the paint that follows, so neither may ask for another.
    EnsureWindowCreated();
    EnsureBuffer();
    FDirty = false;
    bool painted = false;
    RunGuarded(this, [&] {
        Paint();
        painted = true;
    });
    // A paint that failed half-way left a half-drawn buffer: the next paint event draws
    // again (without asking for one now, so a paint that always fails cannot loop).
    if (!painted)
        FDirty = true;
}

void TControl::Invalidate()
{
    // A control told of many changes in a row (a table filled cell by cell) asks Qt once:
    // until that paint event comes, further requests would only be merged into it.
    if (FDirty && FUpdateRequested)
        return;
    FDirty = true;
    FUpdateRequested = true;
    QWidget::update();
}

void TControl::Update()
{
    if (FDirty)
        PaintGuarded();
}

void TControl::Refresh()
{
    Invalidate();
    Update();
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::EnabledChanged()
{
    Refresh();
}

void TControl::PaletteChanged()
{
    Invalidate();
}

void TControl::LanguageChanged()
{
    updateGeometry();
    Invalidate();
}

bool TControl::event(QEvent* event)
{
    if (event->type() == QEvent::Polish)
        EnsureWindowCreated();
    if (event->type() == QEvent::ToolTip && !ToolTipAllowed())
        return true;
    return QWidget::event(event);
}

void TControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        RunGuarded(this, [this] { EnabledChanged(); });
        break;
    case QEvent::FontChange:
        RunGuarded(this, [this] { SyncFont(); });
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
        RunGuarded(this, [this] { PaletteChanged(); });
        break;
    case QEvent::LanguageChange:
        RunGuarded(this, [this] { LanguageChanged(); });
        break;
    default:
        break;
    }
}

void TControl::paintEvent(QPaintEvent* event)
{
    FUpdateRequested = false;
    EnsureBuffer();
    FInPaintEvent = true;
    if (FDirty)
        PaintGuarded();
    FInPaintEvent = false;
    FCanvas.Flush();
    QPainter painter(this);
    if (FBufferTransparent)
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect area = event->rect();
    const QRect source = deviceunits::Box(area, FBuffer.devicePixelRatio());
    if (FGrayWhenDisabled && !Enabled())
        painter.drawImage(area, GrayCopy(FBuffer.copy(source)));
    else
        painter.drawImage(area, FBuffer, source);
}

void TControl::resizeEvent(QResizeEvent*)
{
    EnsureBuffer();
    RunGuarded(this, [this] { Resize(); });
}

// ---- input ---------------------------------------------------------------------------

void TControl::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    if (button == mbLeft)
        FLeftClicked = true;
    const QPoint p = PositionOf(event);
    RunGuarded(this, [&] { MouseDown(button, MouseShift(event), p.x(), p.y()); });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = PositionOf(event);
    RunGuarded(this, [&] {
        if (button == mbLeft)
            DblClick();
        MouseDown(button, MouseShift(event) | ssDouble, p.x(), p.y());
    });
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = PositionOf(event);
    RunGuarded(this, [&] { MouseMove(MouseShift(event), p.x(), p.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = PositionOf(event);
    RunGuarded(this, [&] {
        // A click is a left press and release on the control (not a double click's
        // second release).
        if (button == mbLeft && FLeftClicked) {
            FLeftClicked = false;
            if (FClickEvents && rect().contains(p))
                Click();
        }
        MouseUp(button, MouseShift(event), p.x(), p.y());
    });
}

void TControl::wheelEvent(QWheelEvent* event)
{
    constexpr int WheelDelta = 120;
    FWheelAccumulator += event->angleDelta().y();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint position = event->position().toPoint();
    bool handled = false;
    RunGuarded(this, [&] {
        while (FWheelAccumulator >= WheelDelta || FWheelAccumulator <= -WheelDelta) {
            const bool up = FWheelAccumulator > 0;
            FWheelAccumulator += up ? -WheelDelta : WheelDelta;
            handled |= up ? DoMouseWheelUp(shift, position) : DoMouseWheelDown(shift, position);
        }
    });
    event->setAccepted(handled);
}

void TControl::keyPressEvent(QKeyEvent* event)
{
    const int originalKey = VirtualKeyOf(event);
    const QChar originalChar = KeyPressCharOf(event);
    int key = originalKey;
    QChar ch = originalChar;
    const TShiftState shift = ShiftStateOf(event->modifiers());
    FKeyAutoRepeat = event->isAutoRepeat();
    RunGuarded(this, [&] {
        if (key != 0)
            KeyDown(key, shift);
        if (!ch.isNull())
            KeyPress(ch);
    });
    // Keys belong to the focused control, except Enter and Escape, which travel on to
    // the dialog (its default and cancel buttons) unless a handler cleared them.
    const bool consumed = (originalKey != 0 && key == 0) || (!originalChar.isNull() && ch.isNull());
    const bool dialogKey = originalKey == VK_RETURN || originalKey == VK_ESCAPE;
    event->setAccepted(consumed || (hasFocus() && !dialogKey));
}

void TControl::keyReleaseEvent(QKeyEvent* event)
{
    int key = VirtualKeyOf(event);
    if (key == 0)
        return;
    FKeyAutoRepeat = event->isAutoRepeat();
    RunGuarded(this, [&] { KeyUp(key, ShiftStateOf(event->modifiers())); });
}

// Controls that take the focus mark it on their face while they have it.
void TControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Invalidate();
    RunGuarded(this, [this] { DoEnter(); });
}

void TControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Invalidate();
    RunGuarded(this, [this] { DoExit(); });
}

void TControl::contextMenuEvent(QContextMenuEvent* event)
{
    if (!ShowPopupMenu(event->globalPos()))
        event->ignore();
}

// ---- default virtuals: raise the events ----------------------------------------------

bool TControl::DoMouseWheelDown(TShiftState Shift, QPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, QPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

TObject* TControl::EventSender()
{
    return this;
}

TGraphicControl::TGraphicControl(QWidget* parent) : TControl(parent) {}

TCustomControl::TCustomControl(QWidget* parent) : TControl(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

} // namespace vek
