// Background and hub images of the meter, loaded from the files their properties name.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <frame/core/errors.h>

#include <QFileInfo>

namespace vek {

namespace {

bool FileExists(const QString& name)
{
    return !name.isEmpty() && QFileInfo(name).isFile();
}

} // namespace

// A missing file clears the property; an unreadable one raises EInvalidGraphic and
// leaves name and picture as they were, so the property never names a picture other
// than the one shown. While stored settings are read only the name is kept: Loaded
// reads the file once, and an unreadable one then just leaves the dial without it.
QString TMeter::BackGroundImg() const { return d->backGroundImg; }
void TMeter::SetBackGroundImg(const QString& value)
{
    if (!FileExists(value)) {
        d->backGroundImg.clear();
    } else if (d->Loading()) {
        d->backGroundImg = value;
        return;
    } else {
        d->LoadBackground(value);
        d->backGroundImg = value;
    }
    d->RepaintFace();
}

QString TMeter::AnchorImage() const { return d->anchorImage; }
void TMeter::SetAnchorImage(const QString& value)
{
    d->anchorImage = FileExists(value) ? value : QString();
    if (d->Loading())
        return;
    if (!d->anchorImage.isEmpty())
        d->LoadAnchorImage();
    Paint();
}

// The picture, and its mean color, which decides the color of text on it.
void TMeter::Private::LoadBackground(const QString& name)
{
    auxBGBmp.LoadFromFile(name);
    const QImage& image = auxBGBmp.Image();
    backgroundTone = FromQRgb(image.scaled(1, 1, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation).pixel(0, 0));
}

// Stored settings are being applied: an unreadable file only clears the name.
void TMeter::Private::LoadBackgroundQuietly()
{
    try {
        LoadBackground(backGroundImg);
    } catch (const EInvalidGraphic&) {
        backGroundImg.clear();
    }
}

// The hub image is drawn through a mask (AND, then OR with the image). The mask is
// black over the whole image, so the image replaces the dial where it lies.
void TMeter::Private::LoadAnchorImage()
{
    try {
        auxACBmp.LoadFromFile(anchorImage);
        auxACMaskBmp.LoadFromFile(anchorImage);
    } catch (const EInvalidGraphic&) {
        anchorImage.clear();
        return;
    }
    for (int row = 0; row < auxACMaskBmp.Height(); ++row)
        std::fill_n(auxACMaskBmp.ScanLine(row), auxACMaskBmp.Width(), 0u);
}

} // namespace vek
