// TOnOffBut: the state images of the styles and the user images.
#include "onoffbut_p.h"

#include <frame/core/errors.h>

namespace vek {

using onoffbut::StateIndex;
using onoffbut::TStateImages;

namespace {

// Resource names by style ordinal; oobsUser has none.
constexpr const char* StyleResources[] = {
    nullptr,       "CHECKBOX",   "RADIOBUT", "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB",
    "COLSLIDELR",  "LEDREDGREEN", "ARROWTR", "ARROWUD",     "ARROWLR",     "TRAFFICLGT",
    "BEVELEDLED",  "SMILEYS",    "SMILEYRG", "BULB",        "BUTLAMP",     "HDLEFT",
    "HDRIGHT",     "USER1",      "USER2",    "USER3",       "USER4",       "USER5",
};

constexpr int DefaultUserImageSize = 20;

// Quadrant origins of the state images in a combined bitmap of glyph size gw x gh.
QPoint QuadrantOf(int stateIndex, int gw, int gh)
{
    const bool on = stateIndex >= 2;
    const bool enabled = (stateIndex & 1) != 0;
    return QPoint(on ? 0 : gw, enabled ? 0 : gh);
}

// Splits a bitmap of four quadrants into state images of half its width and height. A
// bitmap made at a device pixel ratio is split in its device pixels, and its images
// keep that ratio, so they cover the same logical size.
TStateImages SplitQuadrants(const TBitmap& combined)
{
    const QImage& all = combined.Image();
    const int gw = all.width() / 2;
    const int gh = all.height() / 2;
    TStateImages images;
    for (int i = 0; i < 4; ++i) {
        const QPoint origin = QuadrantOf(i, gw, gh);
        QImage& image = images[size_t(i)];
        image = all.copy(origin.x(), origin.y(), gw, gh);
        image.setDevicePixelRatio(all.devicePixelRatio());
    }
    return images;
}

// Makes image a blank user image: all of it the transparent key.
void ClearToKey(TBitmap& image, int size)
{
    image.SetSize(size, size);
    TCanvas* canvas = image.Canvas();
    canvas->Brush()->SetColor(TOnOffBut::TransparentKey);
    canvas->FillRect(TRect(0, 0, size, size));
}

} // namespace

// A cross for off and a circle for on, on a transparent ground, until the application
// supplies its own images.
void TOnOffBut::CreateDefaultUserImages()
{
    constexpr int size = DefaultUserImageSize;
    TStateImages& user = d->looks.user;
    TBitmap blank;
    ClearToKey(blank, size);
    user.fill(blank.Image());

    TBitmap cross;
    ClearToKey(cross, size);
    TCanvas* canvas = cross.Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(0, 0);
    canvas->LineTo(size, size);
    canvas->MoveTo(0, size);
    canvas->LineTo(size, 0);
    user[StateIndex(false, true)] = cross.Image();

    TBitmap circle;
    ClearToKey(circle, size);
    canvas = circle.Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(5, 5, 15, 15);
    user[StateIndex(true, true)] = circle.Image();
}

void TOnOffBut::LoadStyleImages()
{
    auto& looks = d->looks;
    looks.shownRatio = Canvas()->DevicePixelRatio();
    if (looks.buttonStyle == oobsUser) {
        looks.shown = looks.user;
    } else {
        // On a dense screen the pictures drawn at twice the size keep the outlines
        // sharp; they cover the same logical size as the plain ones.
        TBitmap combined;
        combined.LoadFromResourceName(QString::fromLatin1(StyleResources[looks.buttonStyle]),
                                      looks.shownRatio);
        looks.shown = SplitQuadrants(combined);
    }
    // The user images bring their own size, so that centering and the mouse area match
    // what is drawn.
    looks.glyph = looks.shown[0].deviceIndependentSize().toSize();
}

// The glyph keeps its logical size at any ratio, so the layout stands; only the pixels
// change. The user's images are theirs to choose and stay as given.
void TOnOffBut::FollowDevicePixelRatio()
{
    const auto& looks = d->looks;
    if (looks.buttonStyle != oobsUser && looks.shownRatio != Canvas()->DevicePixelRatio())
        LoadStyleImages();
}

void TOnOffBut::ShowStyleImages()
{
    LoadStyleImages();
    if (d->looks.autoCenter)
        Center();
    updateGeometry();
    Invalidate();
}

void TOnOffBut::SetUserGlyph(const TBitmap* Img)
{
    if (!Img || Img->Width() < 2 || Img->Height() < 2)
        throw EVEKError(ComponentErrorText(Name(), QStringLiteral("user glyph image is too small")));
    d->looks.user = SplitQuadrants(*Img);
    if (d->looks.buttonStyle == oobsUser)
        ShowStyleImages();
}

void TOnOffBut::LoadUserGlyph(const QString& FName)
{
    TBitmap combined;
    combined.LoadFromFile(FName);
    SetUserGlyph(&combined);
}

} // namespace vek
