#include "controlpicture.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace vekdesigner {

namespace {

constexpr int IconSide = 22;

// A control made only to be measured or drawn: designing, so that it starts no timer
// and reads no folder, and never shown.
std::unique_ptr<QWidget> SampleControl(const TControlEntry& entry)
{
    return std::unique_ptr<QWidget>(CreateDesigning(entry, nullptr));
}

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
    return SampleControl(entry)->sizeHint();
}

QIcon ControlIcon(const TControlEntry& entry)
{
    const auto sample = SampleControl(entry);
    if (entry.prepareIcon)
        entry.prepareIcon(sample.get());
    sample->resize(entry.iconSize.isValid() ? entry.iconSize : sample->sizeHint());
    const QPixmap picture = sample->grab();
    QIcon icon;
    icon.addPixmap(FitIntoSquare(picture, IconSide, 1));
    icon.addPixmap(FitIntoSquare(picture, IconSide, 2));
    return icon;
}

} // namespace vekdesigner
