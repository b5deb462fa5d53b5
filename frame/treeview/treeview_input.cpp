// TCustomTreeView: Qt's input and state events turned into the host's virtuals.
#include "treeview_p.h"

#include <frame/core/application.h>

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace vek {

void TCustomTreeView::keyPressEvent(QKeyEvent* event)
{
    if (DispatchKeyPress(event)) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TCustomTreeView::keyReleaseEvent(QKeyEvent* event)
{
    DispatchKeyRelease(event);
    QTreeWidget::keyReleaseEvent(event);
}

void TCustomTreeView::mousePressEvent(QMouseEvent* event)
{
    d->pressing = true;
    QTreeWidget::mousePressEvent(event); // selects the node under the mouse
    d->pressing = false;
    d->leftPressed = event->button() == Qt::LeftButton;
    DispatchMouseDown(event);
}

void TCustomTreeView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeWidget::mouseMoveEvent(event);
    DispatchMouseMove(event);
}

void TCustomTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    // A click is a left press and release on the tree, not the end of a double click.
    if (event->button() == Qt::LeftButton && std::exchange(d->leftPressed, false)
        && viewport()->rect().contains(event->position().toPoint()))
        RunGuarded(this, [this] { Click(); });
    DispatchMouseUp(event);
}

void TCustomTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event); // expands or collapses the node
    d->leftPressed = false;
    if (event->button() == Qt::LeftButton)
        RunGuarded(this, [this] { DblClick(); });
}

void TCustomTreeView::enterEvent(QEnterEvent* event)
{
    QTreeWidget::enterEvent(event);
    if (OnMouseEnter)
        RunGuarded(this, [this] { OnMouseEnter(this); });
}

void TCustomTreeView::leaveEvent(QEvent* event)
{
    QTreeWidget::leaveEvent(event);
    if (OnMouseLeave)
        RunGuarded(this, [this] { OnMouseLeave(this); });
}

void TCustomTreeView::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    RunGuarded(this, [this] { DoEnter(); });
}

void TCustomTreeView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    RunGuarded(this, [this] { DoExit(); });
}

void TCustomTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!ShowPopupMenu(event->globalPos()))
        QTreeWidget::contextMenuEvent(event);
}

bool TCustomTreeView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !ToolTipAllowed())
        return true;
    return QTreeWidget::event(event);
}

bool TCustomTreeView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !ToolTipAllowed())
        return true;
    return QTreeWidget::viewportEvent(event);
}

void TCustomTreeView::changeEvent(QEvent* event)
{
    QTreeWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        SyncFont();
        break;
    case QEvent::EnabledChange:
        RunGuarded(this, [this] { EnabledChanged(); });
        break;
    case QEvent::ApplicationPaletteChange:
        ApplyColors(); // fixed colors chose their text partner under the old palette
        break;
    default:
        break;
    }
}

} // namespace vek
