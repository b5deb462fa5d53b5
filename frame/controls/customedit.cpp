#include "customedit.h"

#include <frame/core/application.h>
#include <frame/canvas/colors.h>
#include "keys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

namespace vek {

namespace {

bool IsKeyboardReason(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
           || reason == Qt::ShortcutFocusReason;
}

} // namespace

TCustomEdit::TCustomEdit(QWidget* parent)
    : QLineEdit(parent), TWidgetComponent(this, parent), FColor(clWindow)
{
    setMouseTracking(true);
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    FitHeight();
}

void TCustomEdit::TextChanged()
{
    if (!FInternalChange)
        RunGuarded(this, [this] { Change(); });
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::SetText(const QString& value)
{
    setText(value);
}

void TCustomEdit::SetTextInternal(const QString& value)
{
    // QLineEdit reports no change for an unchanged text, so the flag must not outlive
    // this call or it would swallow the next real change.
    FInternalChange = true;
    setText(value);
    FInternalChange = false;
}

int TCustomEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TCustomEdit::SetSelStart(int value)
{
    deselect();
    setCursorPosition(std::clamp(value, 0, int(text().size())));
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    setSelection(start, std::clamp(value, 0, int(text().size()) - start));
}

void TCustomEdit::SetSelText(const QString& value)
{
    insert(value);
}

void TCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TWidgetComponent::SetBounds(ALeft, ATop, AWidth, FAutoSize ? sizeHint().height() : AHeight);
}

void TCustomEdit::SetAutoSize(bool value)
{
    FAutoSize = value;
    FitHeight();
}

void TCustomEdit::FitHeight()
{
    if (FAutoSize)
        resize(width(), sizeHint().height());
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    setFrame(value != bsNone);
    FitHeight();
}

void TCustomEdit::SetColor(TColor value)
{
    FColor = value;
    ApplyColors();
}

void TCustomEdit::ApplyColors()
{
    // The theme's colors stay in charge unless the application picked its own.
    if (FColor == clWindow && Font()->Color() == clWindowText) {
        setPalette(QPalette());
        return;
    }
    QPalette colors = QApplication::palette(this);
    if (FColor != clWindow)
        colors.setColor(QPalette::Base, ToQColor(FColor));
    if (Font()->Color() != clWindowText)
        colors.setColor(QPalette::Text, ToQColor(Font()->Color()));
    setPalette(colors);
}

void TCustomEdit::FontChanged()
{
    ApplyColors();
    FitHeight();
}

bool TCustomEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !ToolTipAllowed())
        return true;
    return QLineEdit::event(event);
}

void TCustomEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        ApplyColors();
    else if (event->type() == QEvent::FontChange)
        SyncFont();
}

void TCustomEdit::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TCustomEdit*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    SetReadOnly(source->ReadOnly());
    FAutoSelect = source->FAutoSelect;
    FHideSelection = source->FHideSelection;
    SetBorderStyle(source->BorderStyle());
    SetAutoSize(source->FAutoSize);
    SetColor(source->FColor);
    Font()->Assign(source->Font());
}

// ---- input ---------------------------------------------------------------------------

void TCustomEdit::keyPressEvent(QKeyEvent* event)
{
    const int originalKey = VirtualKeyOf(event);
    const QChar originalChar = KeyPressCharOf(event);
    int key = originalKey;
    QChar ch = originalChar;
    RunGuarded(this, [&] {
        if (key != 0)
            KeyDown(key, ShiftStateOf(event->modifiers()));
        if (key == 0 && originalKey != 0)
            return;
        if (!ch.isNull())
            KeyPress(ch);
    });
    if ((originalKey != 0 && key == 0) || (!originalChar.isNull() && ch.isNull())) {
        event->accept();
        return;
    }
    if (ch == originalChar) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler replaced the character: the edit box types the new one instead.
    QKeyEvent replaced(event->type(), Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void TCustomEdit::keyReleaseEvent(QKeyEvent* event)
{
    int key = VirtualKeyOf(event);
    if (key != 0)
        RunGuarded(this, [&] { KeyUp(key, ShiftStateOf(event->modifiers())); });
    QLineEdit::keyReleaseEvent(event);
}

void TCustomEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    FLeftPressed = button == mbLeft;
    const QPoint p = event->position().toPoint();
    RunGuarded(this, [&] {
        MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    });
}

void TCustomEdit::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    RunGuarded(this, [&] {
        MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    });
}

void TCustomEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    RunGuarded(this, [&] {
        // A click is a left press and release on the field, not a double click's end.
        if (button == mbLeft && FLeftPressed) {
            FLeftPressed = false;
            if (rect().contains(p))
                Click();
        }
        MouseUp(button, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    });
}

void TCustomEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    RunGuarded(this, [&] {
        if (button == mbLeft)
            DblClick();
        MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()) | ssDouble, p.x(),
                  p.y());
    });
}

void TCustomEdit::focusInEvent(QFocusEvent* event)
{
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    // QLineEdit selects everything when tabbed into; without AutoSelect the caret stays.
    if (!FAutoSelect && !hadSelection && IsKeyboardReason(event->reason()))
        deselect();
    RunGuarded(this, [this] { DoEnter(); });
}

void TCustomEdit::focusOutEvent(QFocusEvent* event)
{
    const int start = selectionStart();
    const int length = int(selectedText().size());
    QLineEdit::focusOutEvent(event);
    // QLineEdit drops the selection when the focus leaves; keep it on request.
    if (!FHideSelection && length > 0)
        setSelection(start, length);
    RunGuarded(this, [this] { DoExit(); });
}

void TCustomEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!ShowPopupMenu(event->globalPos()))
        QLineEdit::contextMenuEvent(event);
}

TObject* TCustomEdit::EventSender()
{
    return this;
}

} // namespace vek
