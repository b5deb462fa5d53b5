#include "combobox_p.h"

#include <frame/core/application.h>
#include <frame/core/change.h>
#include <frame/canvas/colors.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace vek {

// Hands the entries of the open list to the combo box's DrawItem in the owner-drawn style.
class TComboItemDelegate : public QStyledItemDelegate {
public:
    explicit TComboItemDelegate(TCustomComboBox* combo) : QStyledItemDelegate(combo), FCombo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (FCombo->Style() != TCustomComboBox::csOwnerDrawFixed) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        TOwnerDrawState state = 0;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (!FCombo->Enabled())
            state |= odDisabled;
        FCombo->PaintItem(painter, index.row(), TRect::FromQRect(option.rect), state);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (FCombo->Style() != TCustomComboBox::csOwnerDrawFixed)
            return QStyledItemDelegate::sizeHint(option, index);
        return QSize(option.rect.width(), FCombo->ItemHeight());
    }

private:
    TCustomComboBox* FCombo;
};

TCustomComboBox::TCustomComboBox(QWidget* parent)
    : QComboBox(parent), TWidgetComponent(this, parent), d(std::make_unique<Private>())
{
    setMouseTracking(true);
    setItemDelegate(new TComboItemDelegate(this));
    setMaxVisibleItems(8);
    connect(this, &QComboBox::activated, this, [this] { UserActivated(); });
}

TCustomComboBox::~TCustomComboBox() = default;

TCustomComboBox::TComboStyle TCustomComboBox::Style() const { return d->style; }
int TCustomComboBox::ItemHeight() const { return d->itemHeight; }
TColor TCustomComboBox::Color() const { return d->color; }
bool TCustomComboBox::DroppedDown() const { return d->droppedDown; }
TCanvas* TCustomComboBox::Canvas() { return &d->canvas; }

// ---- items ---------------------------------------------------------------------------

QStringList TCustomComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TCustomComboBox::SetItems(const QStringList& items)
{
    clear();
    addItems(items);
}

void TCustomComboBox::SetItemIndex(int value)
{
    setCurrentIndex(value >= 0 && value < count() ? value : -1);
}

// ---- appearance ----------------------------------------------------------------------

// The setters name the frame's vek::Change in full: inside the class, Change is the
// virtual that raises OnChange.
void TCustomComboBox::SetStyle(TComboStyle value)
{
    if (!vek::Change(d->style, value))
        return;
    updateGeometry();
    Refresh();
}

void TCustomComboBox::SetItemHeight(int value)
{
    if (value < 1 || !vek::Change(d->itemHeight, value))
        return;
    updateGeometry();
    if (d->style == csOwnerDrawFixed)
        resize(width(), sizeHint().height());
    Refresh();
}

QSize TCustomComboBox::BoxSizeFor(int contentWidth) const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                     QSize(contentWidth, d->itemHeight), this);
}

// Qt measures the entries as text; an owner-drawn entry is ItemHeight high instead.
QSize TCustomComboBox::sizeHint() const
{
    const QSize hint = QComboBox::sizeHint();
    if (d->style != csOwnerDrawFixed)
        return hint;
    return QSize(hint.width(), BoxSizeFor(hint.width()).height());
}

QSize TCustomComboBox::minimumSizeHint() const
{
    const QSize hint = QComboBox::minimumSizeHint();
    return d->style == csOwnerDrawFixed ? QSize(hint.width(), sizeHint().height()) : hint;
}

void TCustomComboBox::SetColor(TColor value)
{
    if (vek::Change(d->color, value))
        Refresh();
}

void TCustomComboBox::FontChanged()
{
    Refresh();
}

void TCustomComboBox::Refresh()
{
    update();
    if (view())
        view()->viewport()->update();
}

TRect TCustomComboBox::EditItemRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return TRect::FromQRect(
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this));
}

// ---- drawing -------------------------------------------------------------------------

void TCustomComboBox::paintEvent(QPaintEvent* event)
{
    if (d->style != csOwnerDrawFixed) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    TOwnerDrawState state = odComboBoxEdit;
    if (hasFocus())
        state |= odFocused;
    if (!Enabled())
        state |= odDisabled;
    PaintItem(&painter, currentIndex(), EditItemRect(), state);
}

void TCustomComboBox::PaintItem(QPainter* painter, int Index, const TRect& Rect,
                                TOwnerDrawState State)
{
    TCanvas& canvas = d->canvas;
    canvas.BeginBorrow(painter);
    canvas.IntersectClipRect(Rect);
    canvas.Font()->Assign(Font());
    const bool highlighted = (State & odSelected) && !(State & odComboBoxEdit);
    canvas.Brush()->SetColor(highlighted ? clHighlight : d->color);
    if (highlighted)
        canvas.Font()->SetColor(clHighlightText);
    canvas.Pen()->SetColor(clBlack);
    canvas.FillRect(Rect);
    RunGuarded(this, [&] { DrawItem(Index, Rect, State); });
    canvas.ResetClip();
    canvas.EndBorrow();
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    const QString text = itemText(Index);
    TCanvas& canvas = d->canvas;
    canvas.TextRect(Rect, Rect.Left + 2, Rect.Top + (Rect.Height() - canvas.TextHeight(text)) / 2,
                    text);
}

// ---- drop-down and choice ------------------------------------------------------------

void TCustomComboBox::showPopup()
{
    if (d->droppedDown)
        return;
    RunGuarded(this, [this] { DropDown(); });
    d->droppedDown = true;
    QComboBox::showPopup();
}

void TCustomComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (!d->droppedDown)
        return;
    d->droppedDown = false;
    RunGuarded(this, [this] { CloseUp(); });
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    if (value)
        showPopup();
    else
        hidePopup();
}

void TCustomComboBox::UserActivated()
{
    RunGuarded(this, [this] {
        Click();
        Select();
    });
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

// ---- input ---------------------------------------------------------------------------

void TCustomComboBox::keyPressEvent(QKeyEvent* event)
{
    if (DispatchKeyPress(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TCustomComboBox::keyReleaseEvent(QKeyEvent* event)
{
    DispatchKeyRelease(event);
    QComboBox::keyReleaseEvent(event);
}

void TCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    // The press opens the list; MouseDown runs first so a handler sees the closed box.
    DispatchMouseDown(event);
    QComboBox::mousePressEvent(event);
}

void TCustomComboBox::mouseMoveEvent(QMouseEvent* event)
{
    DispatchMouseMove(event);
    QComboBox::mouseMoveEvent(event);
}

void TCustomComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    QComboBox::mouseReleaseEvent(event);
    DispatchMouseUp(event);
}

void TCustomComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    RunGuarded(this, [this] { DoEnter(); });
}

void TCustomComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    RunGuarded(this, [this] { DoExit(); });
}

bool TCustomComboBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !ToolTipAllowed())
        return true;
    return QComboBox::event(event);
}

void TCustomComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        SyncFont();
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::EnabledChange:
        Refresh();
        break;
    default:
        break;
    }
}

} // namespace vek
