// Background and hub images of the meter, loaded from the files their properties name.
#include "VEK_Meter.h"

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
void TMeter::SetBackGroundImg(const QString& value)
{
    if (!FileExists(value)) {
        FBackGroundImg.clear();
    } else if (Loading()) {
        FBackGroundImg = value;
        return;
    } else {
        FAuxBGBmp.LoadFromFile(value);
        FBackGroundImg = value;
    }
    Paint();
}

void TMeter::SetAnchorImage(const QString& value)
{
    FAnchorImage = FileExists(value) ? value : QString();
    if (Loading())
        return;
    if (!FAnchorImage.isEmpty())
        LoadAnchorImage();
    Paint();
}

// Stored settings are being applied: an unreadable file only clears the name.
void TMeter::LoadBackgroundQuietly()
{
    try {
        FAuxBGBmp.LoadFromFile(FBackGroundImg);
    } catch (const EInvalidGraphic&) {
        FBackGroundImg.clear();
    }
}

// The hub image is drawn through a mask (AND, then OR with the image). The mask is
// black over the whole image, so the image replaces the dial where it lies.
void TMeter::LoadAnchorImage()
{
    try {
        FAuxACBmp.LoadFromFile(FAnchorImage);
        FAuxACMaskBmp.LoadFromFile(FAnchorImage);
    } catch (const EInvalidGraphic&) {
        FAnchorImage.clear();
        return;
    }
    for (int row = 0; row < FAuxACMaskBmp.Height(); ++row)
        std::fill_n(FAuxACMaskBmp.ScanLine(row), FAuxACMaskBmp.Width(), 0u);
}

} // namespace vek
