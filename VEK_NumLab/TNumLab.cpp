#include "VEK_NumLab.h"

#include "valuetext.h"

#include <frame/canvas/bitmap.h>
#include <frame/baselib/drawing.h>

namespace vek {

namespace {

// Draws text, or its engraved (disabled) look: a white copy one pixel down and right
// under a gray copy at the normal place.
void DrawSideText(TCanvas* canvas, int x, int whiteX, int y, const QString& text, bool enabled,
                  TColor color)
{
    if (enabled) {
        canvas->Font()->SetColor(color);
        canvas->TextOut(x, y, text);
        return;
    }
    DrawEngravedText(canvas, x, y, text, clGray, whiteX);
}

} // namespace

TNumLab::TNumLab(QWidget* parent) : TGraphicControl(parent)
{
    SetDefaultSize(160, 28);
}

template <typename T>
void TNumLab::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

void TNumLab::SetAlignment(TAlignment value) { Change(FAlignment, value); }
void TNumLab::SetColorLabBakG(TColor value) { Change(FColorLabBakG, value); }
void TNumLab::SetColorLabText(TColor value) { Change(FColorLabText, value); }
void TNumLab::SetColorOutBakG(TColor value) { Change(FColorOutBakG, value); }
void TNumLab::SetColorOutText(TColor value) { Change(FColorOutText, value); }
void TNumLab::SetComma(bool value) { Change(FComma, value); }
void TNumLab::SetDisplayType(TDisplay value) { Change(FDisplayType, value); }
void TNumLab::SetDTFormat(const QString& value) { Change(FDtFormat, value); }
void TNumLab::SetEmpty(bool value) { Change(FEmpty, value); }
void TNumLab::SetForcePlusSign(bool value) { Change(FPlusSign, value); }
void TNumLab::SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value); }
void TNumLab::SetLabelWidth(int value) { Change(FLabWidth, value); }
void TNumLab::SetLeftText(const QString& value) { Change(FLeftText, value); }
void TNumLab::SetLeftTextAlignment(TAlignment value) { Change(FLTAlignment, value); }
void TNumLab::SetOverflowIndicator(const QString& value) { Change(FOverFlowIndi, value); }
void TNumLab::SetRightText(const QString& value) { Change(FRightText, value); }
void TNumLab::SetRightTextAlignment(TAlignment value) { Change(FRTAlignment, value); }
void TNumLab::SetStateText(const QString& value) { Change(FStateText, value); }
void TNumLab::SetValue(double value) { Change(FLabValue, value); }

void TNumLab::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Paint();
}

void TNumLab::SetLeftSpace(int value)
{
    if (value == FLeftSpace || value < 0)
        return;
    FLeftSpace = std::min(value, Width());
    Paint();
}

void TNumLab::SetPrecision(int value)
{
    if (value == FDecP || value < 0)
        return;
    FDecP = std::min(value, 15);
    Paint();
}

void TNumLab::SetTransparent(bool value)
{
    if (FTransParent == value)
        return;
    FTransParent = value;
    SetBufferTransparent(value);
    if (value)
        Invalidate(); // the parent repaints beneath, then the label on top
    else
        Paint();
}

void TNumLab::MouseMove(TShiftState Shift, int X, int Y)
{
    FMouseAreaCode = 0;
    if (X > FLeftSpace)
        FMouseAreaCode = 1;
    if (X > FLeftSpace + FLabWidth)
        FMouseAreaCode = 2;
    TGraphicControl::MouseMove(Shift, X, Y);
}

QString TNumLab::DisplayText() const
{
    QString text = numlab::FormatValue(
        FLabValue, {FDisplayType, FDecP, FDtFormat, FStateText});
    if (numlab::TakesSeparatorAndSign(FDisplayType)) {
        if (FComma)
            text.replace(QLatin1Char('.'), QLatin1Char(','));
        else
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        if (FPlusSign && FLabValue > 0)
            text.prepend(QLatin1Char('+'));
    }
    return text;
}

// ---- painting ------------------------------------------------------------------------

void TNumLab::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const int textHeight = SampleTextHeight(canvas);
    const int H = Height();
    const int y0 = (H - textHeight) / 2;

    TBitmap face(Width(), H);
    TCanvas* fc = face.Canvas();
    fc->Font()->Assign(Font());
    const TColor background = FTransParent ? clWhite : FColorOutBakG;
    fc->Pen()->SetColor(background);
    fc->Brush()->SetColor(background);
    fc->Rectangle(0, 0, Width(), H);

    PaintSideTexts(fc, y0);

    fc->Pen()->SetColor(FFrameStyle == fsNone       ? FColorLabBakG
                        : FFrameStyle == fsEmbossed ? FColWhiteLine
                                                    : FColGrayLine);
    fc->Brush()->SetColor(FColorLabBakG);
    // The box: filled with its background, outlined in the scheme's line color (which
    // the frame styles then draw over).
    fc->Rectangle(FLeftSpace + 1, 0, FLeftSpace + FLabWidth + 1, H - 1);
    // The fixed scheme draws the classic grays; the system scheme takes the theme's
    // 3-D colors, so the box follows light and dark palettes alike.
    if (FColorScheme == csFixedGrays)
        DrawFrame(fc, FFrameStyle, FLeftSpace + 1, 0, FLeftSpace + FLabWidth, H - 2, 0xFFFFFF,
                  0xC0C0C0, 0x808080, clBlack, clBlack);
    else
        DrawFrame(fc, FFrameStyle, FLeftSpace + 1, 0, FLeftSpace + FLabWidth, H - 2, cl3DLight,
                  clBtnHighlight, clBtnShadow, cl3DDkShadow, clBlack);

    if (!FEmpty)
        PaintValue(fc, y0);
    TransferToControl(face);
}

void TNumLab::PaintSideTexts(TCanvas* canvas, int y0)
{
    const int W = Width();
    const int lw = canvas->TextWidth(FLeftText);
    int x = FLTAlignment == taLeftJustify    ? 7
            : FLTAlignment == taRightJustify ? FLeftSpace - lw - 5
                                             : (FLeftSpace - lw) / 2;
    DrawSideText(canvas, x, FLTAlignment == taLeftJustify ? 8 : x + 1, y0, FLeftText, Enabled(),
                 FColorOutText);

    const int rw = canvas->TextWidth(FRightText);
    const int boxEnd = FLeftSpace + FLabWidth;
    x = FRTAlignment == taLeftJustify    ? boxEnd + 7
        : FRTAlignment == taRightJustify ? W - rw - 6
                                         : (W - boxEnd - rw) / 2 + boxEnd + 1;
    DrawSideText(canvas, x, x + 1, y0, FRightText, Enabled(), FColorOutText);
}

void TNumLab::PaintValue(TCanvas* canvas, int y0)
{
    QString text = DisplayText();
    if (OnBeforeDisplay)
        OnBeforeDisplay(this, text);
    if (FLabWidth - 6 < canvas->TextWidth(text) && FDisplayType != dtState)
        text = FOverFlowIndi;
    // The indicator is placed by its own width, so that it sits centred like any value.
    const int tw = canvas->TextWidth(text);
    const int H = Height();
    const int x = FAlignment == taLeftJustify    ? FLeftSpace + 4
                  : FAlignment == taRightJustify ? FLeftSpace + FLabWidth - tw - 2
                                                 : FLeftSpace + 2 + (FLabWidth - tw) / 2;
    canvas->Font()->SetColor(Enabled() ? FColorLabText : clBtnShadow);
    canvas->TextRect(TRect(FLeftSpace + 3, 2, FLeftSpace + FLabWidth - 1, H - 3), x, y0, text);
}

void TNumLab::TransferToControl(TBitmap& face)
{
    TCanvas* canvas = Canvas();
    if (!FTransParent) {
        canvas->SetCopyMode(cmSrcCopy);
        canvas->Draw(0, 0, &face);
        return;
    }
    // The white background of the face becomes transparent under SRCAND; the box gets
    // its own background first so that it stays opaque.
    canvas->Clear();
    const TColor boxColor = FColorLabText == 0x000000 ? FColorLabBakG : clWhite;
    canvas->Pen()->SetColor(boxColor);
    canvas->Brush()->SetColor(boxColor);
    canvas->Rectangle(FLeftSpace + 2, 2, FLeftSpace + FLabWidth, Height() - 2);
    canvas->SetCopyMode(cmSrcAnd);
    canvas->Draw(0, 0, &face);
}

// ---- copying -------------------------------------------------------------------------

void TNumLab::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNumLab*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FLeftSpace = source->FLeftSpace;
    FEmpty = source->FEmpty;
    FLabWidth = source->FLabWidth;
    FDecP = source->FDecP;
    FLeftText = source->FLeftText;
    FRightText = source->FRightText;
    FFrameStyle = source->FFrameStyle;
    FAlignment = source->FAlignment;
    FRTAlignment = source->FRTAlignment;
    FLTAlignment = source->FLTAlignment;
    FOverFlowIndi = source->FOverFlowIndi;
    FLabValue = source->FLabValue;
    FStateText = source->FStateText;
    FTransParent = source->FTransParent;
    SetBufferTransparent(FTransParent);
    FColorLabBakG = source->FColorLabBakG;
    FColorLabText = source->FColorLabText;
    FColorOutBakG = source->FColorOutBakG;
    FColorOutText = source->FColorOutText;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    FDisplayType = source->FDisplayType;
    Paint();
}

void TNumLab::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TNumLab*>(Dest)) {
        target->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

} // namespace vek
