// TOnOffBut: the state images of the styles and the user images.
#include "VEK_onoffbut.h"

#include <frame/core/errors.h>

namespace vek {

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

void ClearToKey(TBitmap& image, int width, int height)
{
    image.SetSize(width, height);
    TCanvas* canvas = image.Canvas();
    canvas->Brush()->SetColor(TOnOffBut::TransparentKey);
    canvas->FillRect(TRect(0, 0, width, height));
}

} // namespace

// A cross for off and a circle for on, on a transparent ground, until the application
// supplies its own images.
void TOnOffBut::CreateDefaultUserImages()
{
    constexpr int size = DefaultUserImageSize;
    for (auto& image : FUserImg) {
        image = std::make_unique<TBitmap>();
        ClearToKey(*image, size, size);
    }
    TCanvas* cross = FUserImg[StateIndex(false, true)]->Canvas();
    cross->Pen()->SetColor(clBlack);
    cross->MoveTo(0, 0);
    cross->LineTo(size, size);
    cross->MoveTo(0, size);
    cross->LineTo(size, 0);
    TCanvas* circle = FUserImg[StateIndex(true, true)]->Canvas();
    circle->Pen()->SetColor(clBlack);
    circle->Brush()->SetStyle(bsClear);
    circle->Ellipse(5, 5, 15, 15);
}

void TOnOffBut::CopyImages(TStateImages& target, const TStateImages& source)
{
    for (size_t i = 0; i < target.size(); ++i)
        target[i]->Assign(source[i].get());
}

void TOnOffBut::LoadStyleImages()
{
    if (FButtonStyle == oobsUser) {
        CopyImages(FButImg, FUserImg);
        // The user images bring their own size, so that centering and the mouse area
        // match what is drawn.
        FGlyphWidth = FUserImg[0]->Width();
        FGlyphHeight = FUserImg[0]->Height();
        return;
    }
    TBitmap combined;
    combined.LoadFromResourceName(QString::fromLatin1(StyleResources[FButtonStyle]));
    const QSize glyph = SplitQuadrants(combined, FButImg);
    FGlyphWidth = glyph.width();
    FGlyphHeight = glyph.height();
}

// Splits a bitmap of four quadrants into state images; returns their size.
QSize TOnOffBut::SplitQuadrants(TBitmap& combined, TStateImages& target)
{
    const int gw = combined.Width() / 2;
    const int gh = combined.Height() / 2;
    for (int i = 0; i < 4; ++i) {
        const QPoint origin = QuadrantOf(i, gw, gh);
        target[i]->SetSize(gw, gh);
        TCanvas* canvas = target[i]->Canvas();
        canvas->SetCopyMode(cmSrcCopy);
        canvas->CopyRect(TRect(0, 0, gw, gh), combined.Canvas(),
                         TRect(origin.x(), origin.y(), origin.x() + gw, origin.y() + gh));
    }
    return QSize(gw, gh);
}

void TOnOffBut::SetUserGlyph(const TBitmap* Img)
{
    if (!Img || Img->Width() < 2 || Img->Height() < 2)
        throw EVEKError(ComponentErrorText(Name(), QStringLiteral("user glyph image is too small")));
    TBitmap combined;
    combined.Assign(Img);
    TakeUserImages(combined);
}

void TOnOffBut::LoadUserGlyph(const QString& FName)
{
    TBitmap combined;
    combined.LoadFromFile(FName);
    SetUserGlyph(&combined);
}

void TOnOffBut::TakeUserImages(TBitmap& combined)
{
    SplitQuadrants(combined, FUserImg);
    if (FButtonStyle != oobsUser)
        return;
    LoadStyleImages();
    if (FAutoCenter)
        Center();
    Invalidate();
}

} // namespace vek
