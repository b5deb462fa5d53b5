// TColSel: drawing one entry (color bar, edit mark, name).
#include "colsel_p.h"

#include <frame/canvas/colors.h>

#include <QPalette>

#include <cmath>

namespace vek {

namespace {

// Above this brightness the edit mark is drawn black, below it white.
constexpr double kBrightMarkLimit = 180.0;

double Brightness(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    const double r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    return std::sqrt(r * r + 2 * g * g + b * b) / 2;
}

// The disabled look: the face and text the palette gives disabled buttons, so that the
// entry matches the disabled combo box frame around it, light and dark themes alike.
TColor DisabledFace(const QPalette& palette)
{
    return FromQColor(palette.color(QPalette::Disabled, QPalette::Button));
}

TColor DisabledInk(const QPalette& palette)
{
    return FromQColor(palette.color(QPalette::Disabled, QPalette::ButtonText));
}

} // namespace

void TColSel::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    const int entry = Index + 1;
    if (entry < 1 || entry > MaxColors)
        return;
    TCanvas* canvas = Canvas();
    const TColor savedBrush = canvas->Brush()->Color();
    const TColor savedFont = canvas->Font()->Color();
    if (d->colorBarWidth > 0)
        DrawColorBar(Rect, entry);
    if (!Enabled()) {
        canvas->Font()->SetColor(DisabledInk(palette()));
        canvas->Brush()->SetColor(DisabledFace(palette()));
    } else {
        // The highlighted entry of the open list keeps the highlight set up by the base;
        // others get the control's background.
        canvas->Font()->SetColor(savedFont);
        const bool highlighted = (State & odSelected) && !(State & odComboBoxEdit);
        canvas->Brush()->SetColor(highlighted ? savedBrush : Color());
    }
    const int left = Rect.Left + d->colorBarWidth + 3;
    const QString& name = d->names[size_t(entry)];
    const int y = Rect.Top + (Rect.Height() - canvas->TextHeight(name)) / 2;
    canvas->TextRect(TRect(left, Rect.Top, Rect.Right, Rect.Bottom), left + 3, y, name);
    canvas->Brush()->SetColor(savedBrush);
    canvas->Font()->SetColor(savedFont);
}

void TColSel::DrawColorBar(const TRect& Rect, int Entry)
{
    TCanvas* canvas = Canvas();
    const int l = Rect.Left, t = Rect.Top, b = Rect.Bottom;
    if (Enabled()) {
        canvas->Brush()->SetColor(d->colors[size_t(Entry)]);
    } else {
        const TColor face = DisabledFace(palette());
        canvas->Pen()->SetColor(face);
        canvas->Brush()->SetColor(face);
        canvas->Rectangle(l - 1, t - 1, l + d->colorBarWidth + 3, b + 1);
        canvas->Pen()->SetColor(DisabledInk(palette()));
    }
    canvas->Rectangle(l + 3, t + 2, l + d->colorBarWidth + 3, b - 2);
    if (d->userEditable[size_t(Entry)] && d->colorBarWidth > 11 && Enabled())
        DrawEditMark(Rect, d->colors[size_t(Entry)]);
}

void TColSel::DrawEditMark(const TRect& Rect, TColor color)
{
    TCanvas* canvas = Canvas();
    const int l = Rect.Left, t = Rect.Top, b = Rect.Bottom;
    canvas->Pen()->SetColor(Brightness(color) > kBrightMarkLimit ? clBlack : clWhite);
    canvas->Polyline({{l + 5, t + 4}, {l + 5, b - 5}, {l + 8, b - 5}, {l + 11, b - 8},
                      {l + 11, t + 7}, {l + 8, t + 4}, {l + 5, t + 4}});
    canvas->Pen()->SetColor(clBlack);
}

} // namespace vek
