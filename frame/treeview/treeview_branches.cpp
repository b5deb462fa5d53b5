// TCustomTreeView: the indentation left of each node's text, with the dotted lines that
// join a node to its parent and siblings and the expand button of a node with children.
//
// The indentation of a row is split into cells Indent pixels wide: one for each ancestor
// level shown, then the node's own cell with its button. Without ShowRoot the top-level
// level has no cell.
#include "treeview_p.h"

#include <QPainter>
#include <QStyleOption>

namespace vek {

namespace {

// The colors a row's branches stand on and are drawn in: those of the text, or of the
// selection where the style highlights the indentation of the selected row as well.
struct TBranchColors {
    QColor text;
    QColor base;
    // Halfway between the two: the lines stay visible on any background.
    QColor Line() const
    {
        return QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                      (text.blue() + base.blue()) / 2);
    }
};

TBranchColors ColorsOf(const QPalette& palette, bool highlighted)
{
    return {palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text),
            palette.color(highlighted ? QPalette::Highlight : QPalette::Base)};
}

// Dotted lines put their dots on even coordinates of the viewport, so that the lines of
// rows painted one below the other join up.
void VerticalDots(QPainter* painter, int x, int top, int bottom, const QColor& color)
{
    for (int y = top + (top & 1); y < bottom; y += 2)
        painter->fillRect(x, y, 1, 1, color);
}

void HorizontalDots(QPainter* painter, int left, int right, int y, const QColor& color)
{
    for (int x = left + (left & 1); x < right; x += 2)
        painter->fillRect(x, y, 1, 1, color);
}

} // namespace

void TCustomTreeView::drawBranches(QPainter* painter, const QRect& rect,
                                   const QModelIndex& index) const
{
    const TTreeNode* node = TTreeNode::From(itemFromIndex(index));
    const int indent = indentation();
    // Cell of the top-level ancestors: 0 with root lines, none (-1) without.
    const int rootCell = rootIsDecorated() ? 0 : -1;
    if (!node || indent <= 0 || node->Level() + rootCell < 0)
        return;
    // The cell of the node at level L, in viewport coordinates.
    auto cellOf = [&](int level) {
        const QRect cell(rect.left() + (level + rootCell) * indent, rect.top(), indent,
                         rect.height());
        return QStyle::visualRect(layoutDirection(), rect, cell);
    };
    const QRect own = cellOf(node->Level());
    const TBranchColors colors = ColorsOf(
        palette(), node->isSelected()
                       && style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this));
    const QColor line = colors.Line();
    painter->save();
    if (d->showLines) {
        const int middle = own.top() + own.height() / 2;
        const int centre = own.left() + indent / 2;
        const bool first = !node->Parent() && !node->GetPrevSibling();
        VerticalDots(painter, centre, first ? middle : own.top(),
                     node->GetNextSibling() ? own.bottom() + 1 : middle + 1, line);
        if (layoutDirection() == Qt::LeftToRight)
            HorizontalDots(painter, centre + 1, own.right() + 1, middle, line);
        else
            HorizontalDots(painter, own.left(), centre, middle, line);
        // An ancestor with a sibling still to come carries its line past this row.
        for (const TTreeNode* a = node->Parent(); a && a->Level() + rootCell >= 0; a = a->Parent())
            if (a->GetNextSibling()) {
                const QRect cell = cellOf(a->Level());
                VerticalDots(painter, cell.left() + indent / 2, cell.top(), cell.bottom() + 1, line);
            }
    }
    if (d->showButtons && node->HasChildren()) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = own;
        option.state = QStyle::State_Children;
        if (node->Expanded())
            option.state |= QStyle::State_Open;
        if (isEnabled())
            option.state |= QStyle::State_Enabled;
        // The arrow in the color of the text, on a square of the background that the
        // lines end at.
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
            option.palette.setColor(role, colors.text);
        if (d->showLines) {
            const int side = std::min(indent, own.height()) / 2 | 1;
            QRect square(0, 0, side, side);
            square.moveCenter(QPoint(own.left() + indent / 2, own.top() + own.height() / 2));
            painter->fillRect(square, colors.base);
        }
        style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, painter, this);
    }
    painter->restore();
}

} // namespace vek
