// TNumLab painting: the face is composed in an off-screen bitmap and copied in one step.
#include "numlab_p.h"

#include <frame/baselib/textcolors.h>
#include <frame/canvas/bitmap.h>

namespace vek {

namespace {

using numlab::TSettings;

// The box: filled with its background, outlined in the scheme's line color, which the
// frame styles then draw over.
void PaintBox(TCanvas* canvas, const TSettings& s, TColor background, int height)
{
    canvas->Pen()->SetColor(s.frameStyle == fsNone       ? background
                            : s.frameStyle == fsEmbossed ? s.lines.White
                                                         : s.lines.Gray);
    canvas->Brush()->SetColor(background);
    canvas->Rectangle(s.leftSpace + 1, 0, s.leftSpace + s.labelWidth + 1, height - 1);
    // The fixed scheme draws the classic grays; the system scheme takes the theme's 3-D
    // colors, so the box follows light and dark palettes alike.
    const int right = s.leftSpace + s.labelWidth;
    if (s.colorScheme == csFixedGrays)
        DrawFrame(canvas, s.frameStyle, s.leftSpace + 1, 0, right, height - 2, 0xFFFFFF, 0xC0C0C0,
                  0x808080, clBlack, clBlack);
    else
        DrawFrame(canvas, s.frameStyle, s.leftSpace + 1, 0, right, height - 2, cl3DLight,
                  clBtnHighlight, clBtnShadow, cl3DDkShadow, clBlack);
}

void PaintValue(TCanvas* canvas, const TSettings& s, const TTextColors& colors, QString text,
                int height, int y0, bool enabled)
{
    if (s.labelWidth - 6 < canvas->TextWidth(text) && s.displayType != TNumLab::dtState)
        text = s.overflowIndicator;
    // The indicator is placed by its own width, so that it sits centred like any value.
    const int tw = canvas->TextWidth(text);
    const int x = s.alignment == taLeftJustify    ? s.leftSpace + 4
                  : s.alignment == taRightJustify ? s.leftSpace + s.labelWidth - tw - 2
                                                  : s.leftSpace + 2 + (s.labelWidth - tw) / 2;
    // Disabled, the value is written in a gray of the box's own source: the button shadow
    // on a light theme, the theme's disabled text on a dark one (its shadow is as dark
    // as the box), a fixed gray on a fixed box.
    canvas->Font()->SetColor(enabled ? colors.Text : DisabledTextColorOn(colors.Background));
    canvas->TextRect(TRect(s.leftSpace + 3, 2, s.leftSpace + s.labelWidth - 1, height - 3), x, y0,
                     text);
}

void TransferToControl(TCanvas* canvas, const TSettings& s, const TTextColors& box,
                       TBitmap& face, int height)
{
    if (!s.transparent) {
        canvas->SetCopyMode(cmSrcCopy);
        canvas->Draw(0, 0, &face);
        return;
    }
    // The white background of the face becomes transparent under SRCAND; the box gets
    // its own background first so that it stays opaque.
    canvas->Clear();
    const TColor boxColor = ColorToRGB(box.Text) == 0x000000 ? box.Background : clWhite;
    canvas->Pen()->SetColor(boxColor);
    canvas->Brush()->SetColor(boxColor);
    canvas->Rectangle(s.leftSpace + 2, 2, s.leftSpace + s.labelWidth, height - 2);
    canvas->SetCopyMode(cmSrcAnd);
    canvas->Draw(0, 0, &face);
}

} // namespace

void TNumLab::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const int textHeight = SampleTextHeight(canvas);
    const int W = Width();
    const int H = Height();
    const int y0 = (H - textHeight) / 2;

    TBitmap face(W, H);
    PrepareOffscreen(face);
    TCanvas* fc = face.Canvas();
    fc->Font()->Assign(Font());
    // Outside the box a transparent label draws on white, which the transfer turns into
    // the parent; the texts then stay in their own color.
    const TTextColors out = d->transparent ? TTextColors{d->colorOutText, clWhite}
                                           : PairedTextColors(d->colorOutText, d->colorOutBakG);
    const TTextColors box = PairedTextColors(d->colorLabText, d->colorLabBakG);
    fc->Pen()->SetColor(out.Background);
    fc->Brush()->SetColor(out.Background);
    fc->Rectangle(0, 0, W, H);

    DrawSideTexts(fc, {d->leftText, d->rightText, d->leftTextAlignment, d->rightTextAlignment},
                  d->leftSpace, d->leftSpace + d->labelWidth, W, y0, out.Text, Enabled());
    PaintBox(fc, *d, box.Background, H);
    if (!d->empty) {
        QString text = DisplayText();
        if (OnBeforeDisplay)
            OnBeforeDisplay(this, text);
        PaintValue(fc, *d, box, text, H, y0, Enabled());
    }
    TransferToControl(canvas, *d, box, face, H);
}

} // namespace vek
