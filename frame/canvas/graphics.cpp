#include "graphics.h"

#include <cmath>

namespace vek {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange();
}

// ---- TFont ---------------------------------------------------------------------------

TFont::TFont()
{
    SetFromQFont(QFont());
}

TFont::TFont(const QFont& font)
{
    SetFromQFont(font);
}

void TFont::SetName(const QString& value)
{
    if (FName == value)
        return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value)
{
    if (FHeight == value)
        return;
    FHeight = value;
    Changed();
}

int TFont::Size() const
{
    return -int(std::lround(FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int points)
{
    SetHeight(-int(std::lround(points * double(PixelsPerInch) / 72.0)));
}

void TFont::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    Changed();
}

void TFont::SetOrientation(int tenthsOfDegree)
{
    if (FOrientation == tenthsOfDegree)
        return;
    FOrientation = tenthsOfDegree;
    Changed();
}

void TFont::SetPitch(TFontPitch value)
{
    if (FPitch == value)
        return;
    FPitch = value;
    Changed();
}

void TFont::SetQuality(TFontQuality value)
{
    if (FQuality == value)
        return;
    FQuality = value;
    Changed();
}

void TFont::SetFromQFont(const QFont& font)
{
    FName = font.family();
    if (font.pixelSize() > 0)
        FHeight = -font.pixelSize();
    else
        FHeight = -int(std::lround(font.pointSizeF() * PixelsPerInch / 72.0));
    TFontStyles style;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    FStyle = style;
    Changed();
}

QFont TFont::ToQFont() const
{
    QFont font(FName);
    // A positive height includes the internal leading; Qt's pixel size does not, so
    // take the closest match (the cell height is what callers measure anyway).
    font.setPixelSize(std::max(1, FHeight < 0 ? -FHeight : FHeight * 6 / 7));
    font.setBold(FStyle.testFlag(fsBold));
    font.setItalic(FStyle.testFlag(fsItalic));
    font.setUnderline(FStyle.testFlag(fsUnderline));
    font.setStrikeOut(FStyle.testFlag(fsStrikeOut));
    if (FPitch == fpFixed)
        font.setFixedPitch(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    switch (FQuality) {
    case fqNonAntialiased:
    case fqDraft:
        font.setStyleStrategy(QFont::NoAntialias);
        break;
    case fqAntialiased:
    case fqClearType:
    case fqClearTypeNatural:
        font.setStyleStrategy(QFont::PreferAntialias);
        break;
    default:
        break;
    }
    return font;
}

void TFont::Assign(const TPersistent* Source)
{
    if (const auto* font = dynamic_cast<const TFont*>(Source)) {
        FName = font->FName;
        FHeight = font->FHeight;
        FColor = font->FColor;
        FStyle = font->FStyle;
        FOrientation = font->FOrientation;
        FPitch = font->FPitch;
        FQuality = font->FQuality;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

// ---- TPen ----------------------------------------------------------------------------

void TPen::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    value = std::max(0, value);
    if (FWidth == value)
        return;
    FWidth = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (FMode == value)
        return;
    FMode = value;
    Changed();
}

void TPen::Assign(const TPersistent* Source)
{
    if (const auto* pen = dynamic_cast<const TPen*>(Source)) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

// ---- TBrush --------------------------------------------------------------------------

void TBrush::SetColor(TColor value)
{
    // Giving a clear brush a color makes it solid again, which drawing code relies on
    // after writing text with a clear brush.
    if (FColor == value && FStyle != bsClear)
        return;
    FColor = value;
    if (FStyle == bsClear)
        FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    Changed();
}

void TBrush::Assign(const TPersistent* Source)
{
    if (const auto* brush = dynamic_cast<const TBrush*>(Source)) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

} // namespace vek
