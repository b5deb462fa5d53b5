// Mouse, keyboard and focus input of the marker selector: the highlight follows the
// mouse or the arrow keys, a click or Enter/Space selects.
#include "marksel_p.h"

#include <frame/accessibility/table_p.h>
#include <frame/controls/keys.h>
#include <frame/core/application.h>
#include <frame/core/change.h>

#include <QFocusEvent>

#include <utility>

namespace vek {

void TMarkSel::Private::Highlight(int mark)
{
    // A change of size or of ShowZeroAsCross only marks the control for repainting; the
    // face must show the current grid before cells of it are copied back.
    q->Canvas();
    q->Update();
    if (mark == highlighted)
        return;
    const marksel::TMarkLayout layout = Layout();
    if (highlighted != marksel::NoMark)
        RestoreHighlighted(layout);
    highlighted = layout.IsShown(mark) ? mark : marksel::NoMark;
    if (highlighted != marksel::NoMark)
        DrawHighlight(layout, highlighted);
    // The highlight is the keyboard's cursor while the selector has the focus; without
    // it, it only follows the mouse, which a reader need not hear about.
    if (q->hasFocus())
        NotifyCurrentCellChanged(q);
}

int TMarkSel::Private::KeyboardMark(const marksel::TMarkLayout& layout) const
{
    if (layout.IsShown(highlighted))
        return highlighted;
    if (layout.IsShown(selected))
        return selected;
    return layout.MarkAt(0);
}

// The event handlers run after the selector has repainted, so that what they change
// (hiding the picked mark, say) is what stays on screen.
void TMarkSel::Private::Pick(int mark, int x, int y, bool doubleClick)
{
    const bool changed = Change(selected, mark);
    q->Paint();
    Highlight(mark);
    if (changed)
        emit q->selectedChanged(mark);
    if (doubleClick) {
        if (q->OnMarkDblClick)
            q->OnMarkDblClick(q, x, y, mark);
        emit q->markDoubleClicked(x, y, mark);
    } else {
        if (q->OnMarkClick)
            q->OnMarkClick(q, x, y, mark);
        emit q->markClicked(x, y, mark);
    }
}

// ---- mouse -----------------------------------------------------------------------------

void TMarkSel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    d->Highlight(d->Layout().Nearest(X, Y));
}

void TMarkSel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    d->doubleClickRelease = Shift.testFlag(ssDouble);
    if (d->doubleClickRelease)
        d->Pick(d->Layout().Nearest(X, Y), X, Y, true);
}

// A release away from the selector is a click given up, as on a button.
void TMarkSel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || std::exchange(d->doubleClickRelease, false) ||
        !rect().contains(X, Y))
        return;
    d->Pick(d->Layout().Nearest(X, Y), X, Y, false);
}

// The highlight shows where the mouse or the keyboard is: it ends when the mouse leaves
// a selector that has no focus, and when the focus leaves one the mouse is not over.
void TMarkSel::leaveEvent(QEvent* event)
{
    TCustomControl::leaveEvent(event);
    if (!hasFocus())
        RunGuarded(this, [this] { d->Highlight(marksel::NoMark); });
}

// A disabled selector takes no input, so nothing is highlighted any more.
void TMarkSel::EnabledChanged()
{
    if (!isEnabled())
        d->highlighted = marksel::NoMark;
    TCustomControl::EnabledChanged();
}

// ---- keyboard --------------------------------------------------------------------------

void TMarkSel::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const marksel::TMarkLayout layout = d->Layout();
    const int current = d->KeyboardMark(layout);
    // The first key shows the highlight where the keys start; later ones move it.
    auto moveBy = [&](int step) {
        return layout.IsShown(d->highlighted) ? layout.Neighbour(current, step) : current;
    };
    switch (Key) {
    case VK_LEFT:
        d->Highlight(moveBy(-1));
        break;
    case VK_RIGHT:
        d->Highlight(moveBy(1));
        break;
    case VK_UP:
        d->Highlight(moveBy(-d->columns));
        break;
    case VK_DOWN:
        d->Highlight(moveBy(d->columns));
        break;
    case VK_HOME:
        d->Highlight(layout.MarkAt(0));
        break;
    case VK_END:
        d->Highlight(layout.MarkAt(layout.ShownCount() - 1));
        break;
    case VK_RETURN:
    case VK_SPACE: {
        // Without a highlighted mark Enter is left to the dialog's default button.
        if (!layout.IsShown(d->highlighted))
            return;
        const TPoint centre = layout.SymbolCentre(d->highlighted);
        d->Pick(d->highlighted, centre.x(), centre.y(), false);
        break;
    }
    default:
        return;
    }
    Key = 0;
}

// Arriving by Tab shows where the keys start; a click shows its own highlight.
void TMarkSel::focusInEvent(QFocusEvent* event)
{
    TCustomControl::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && d->highlighted == marksel::NoMark)
        RunGuarded(this, [this] { d->Highlight(d->KeyboardMark(d->Layout())); });
}

void TMarkSel::focusOutEvent(QFocusEvent* event)
{
    TCustomControl::focusOutEvent(event);
    if (!underMouse())
        RunGuarded(this, [this] { d->Highlight(marksel::NoMark); });
}

} // namespace vek
