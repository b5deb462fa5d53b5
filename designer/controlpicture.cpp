#include "controlpicture.h"

#include <frame/core/component.h>

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace vekdesigner {

namespace {

constexpr int IconSide = 22;

// A control made only to be measured or drawn: designing, so that it starts no timer
// and reads no folder, on a holder that is never shown.
struct TSampleControl {
    QWidget holder;
    QWidget* control;

    explicit TSampleControl(const TControlEntry& entry)
    {
        holder.setProperty(vek::TComponentCore::DesigningProperty, true);
        control = entry.create(&holder);
    }
};

QPixmap FitIntoSquare(const QPixmap& picture, int side, qreal ratio)
{
    QPixmap icon(side * ratio, side * ratio);
    icon.fill(Qt::transparent);
    const QPixmap scaled =
        picture.scaled(icon.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QSize margin = (icon.size() - scaled.size()) / 2;
    QPainter painter(&icon);
    painter.drawPixmap(margin.width(), margin.height(), scaled);
    painter.end();
    icon.setDevicePixelRatio(ratio);
    return icon;
}

} // namespace

QSize DefaultSize(const TControlEntry& entry)
{
    return TSampleControl(entry).control->sizeHint();
}

QIcon ControlIcon(const TControlEntry& entry)
{
    TSampleControl sample(entry);
    if (entry.prepareIcon)
        entry.prepareIcon(sample.control);
    sample.control->resize(entry.iconSize.isValid() ? entry.iconSize : sample.control->sizeHint());
    const QPixmap picture = sample.control->grab();
    QIcon icon;
    icon.addPixmap(FitIntoSquare(picture, IconSide, 1));
    icon.addPixmap(FitIntoSquare(picture, IconSide, 2));
    return icon;
}

} // namespace vekdesigner
