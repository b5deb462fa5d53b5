// TOnOffBut: painting. The face is composed off screen together with a mask that is
// black wherever the button draws (captions, glyph, frame) and white where the parent
// shows through when the button is transparent.
#include "onoffbut_p.h"

#include <frame/canvas/deviceunits_p.h>

namespace vek {

namespace {

// Fills the whole canvas with pen and brush of one color and leaves them so.
void FillWith(TCanvas* canvas, TColor color, int width, int height)
{
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Rectangle(0, 0, width, height);
}

// The state image with its key-colored pixels transparent, scaled to the device pixels
// its logical size covers at ratio. The images are pixel art: each pixel becomes a block
// (nearest neighbour), so thin outlines keep their full contrast and the picture covers
// exactly the logical pixels it covers at ratio 1. The key becomes alpha first, so a
// scaled image never lets the key color show, whatever the ratio.
QImage KeyedGlyph(const QImage& pixels, QRgb key, qreal ratio)
{
    QImage keyed = pixels.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            row[x] = (row[x] | 0xFF000000u) == key ? 0u : row[x] | 0xFF000000u;
    }
    keyed = keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QSize logical = pixels.deviceIndependentSize().toSize();
    const QSize device = deviceunits::Box(QRect(QPoint(), logical), ratio).size();
    if (keyed.size() != device)
        keyed = keyed.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return keyed;
}

// Source over background; the coverage as a gray level, black where fully covered.
QRgb Over(QRgb source, QRgb background)
{
    const int a = qAlpha(source);
    const auto mix = [a](int s, int b) { return s + (b * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(source), qRed(background)), mix(qGreen(source), qGreen(background)),
                mix(qBlue(source), qBlue(background)));
}

QRgb CoverageGray(QRgb source)
{
    const int uncovered = 255 - qAlpha(source);
    return qRgb(uncovered, uncovered, uncovered);
}

} // namespace

void TOnOffBut::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    // A control moved to a screen of another ratio, or shown for the first time, may
    // still hold the images of the ratio it was made at.
    FollowDevicePixelRatio();
    const int W = Width();
    const int H = Height();
    // Face and mask are made at the screen's ratio, so that captions and frame are as
    // sharp as if drawn on the control, and the mask's pixels match the face's.
    PrepareOffscreen(d->mask);
    d->mask.SetSize(W, H);
    TCanvas* mask = d->mask.Canvas();
    FillWith(mask, clWhite, W, H);
    mask->Font()->Assign(Font());
    mask->Font()->SetColor(clBlack);

    TBitmap face(W, H);
    PrepareOffscreen(face);
    TCanvas* fc = face.Canvas();
    fc->Font()->Assign(Font());
    FillWith(fc, d->looks.transparent ? clBlack : d->looks.colorBackgnd, W, H);

    PaintCaptions(fc, mask);
    PaintGlyph(face, d->mask);
    PaintFrame(fc, mask);
    PaintFocus(fc, mask);
    TransferToControl(face);
}

QPoint TOnOffBut::CaptionPosition(TCaptionSide side, int w, int h) const
{
    const int LS = d->looks.leftSpace;
    const int TS = d->looks.topSpace;
    const int gw = GlyphWidth();
    const int gh = GlyphHeight();
    const int W = Width();
    const TAlignment alignment = d->looks.captions[side].Alignment;
    switch (side) {
    case Left: {
        const int x = alignment == taLeftJustify    ? 4
                      : alignment == taRightJustify ? LS - w - 3
                                                    : (LS - w) / 2;
        return QPoint(x, TS + (gh - h) / 2);
    }
    case Right: {
        const int x = alignment == taLeftJustify    ? LS + gw + 4
                      : alignment == taRightJustify ? W - w - 4
                                                    : LS + gw + (W - LS - gw - w) / 2 + 1;
        return QPoint(x, TS + (gh - h) / 2);
    }
    case Top:
    case Bottom: {
        const int x = alignment == taLeftJustify    ? 4
                      : alignment == taRightJustify ? W - w - 4
                                                    : LS + (gw - w) / 2;
        return QPoint(x, side == Top ? TS - h - 4 : TS + gh + 4);
    }
    }
    return QPoint();
}

// Captions of a disabled button are engraved: a white copy one pixel right and down
// under a gray copy, both without background; the mask covers both copies. Dark
// palettes draw no white copy, so there the mask leaves its place to the parent.
void TOnOffBut::PaintCaptions(TCanvas* face, TCanvas* mask)
{
    const bool enabled = Enabled();
    if (!enabled)
        mask->Brush()->SetStyle(bsClear);
    const int h = SampleTextHeight(face);
    for (TCaptionSide side : {Left, Right, Top, Bottom}) {
        const QString& text = d->looks.captions[side].Text;
        if (text.isEmpty())
            continue;
        const QPoint at = CaptionPosition(side, face->TextWidth(text), h);
        if (enabled) {
            face->Font()->SetColor(d->looks.colorText);
            face->TextOut(at.x(), at.y(), text);
        } else {
            DrawEngravedText(face, at.x(), at.y(), text, clGray, at.x() + 1);
            if (!DarkPaletteActive())
                mask->TextOut(at.x() + 1, at.y() + 1, text);
        }
        mask->TextOut(at.x(), at.y(), text);
    }
}

// The state image at (LeftSpace + 1, TopSpace + 1): its key-colored pixels take the
// background, all others are black in the mask. The style images are loaded at the
// face's ratio where there are pictures for it; any other image (a user image, or a
// ratio without pictures of its own) is scaled to its logical size while captions and
// frame are drawn at the face's resolution.
void TOnOffBut::PaintGlyph(TBitmap& face, TBitmap& mask)
{
    const auto& looks = d->looks;
    const QImage& pixels = looks.shown[size_t(onoffbut::StateIndex(looks.onOff, Enabled()))];
    const qreal ratio = face.DevicePixelRatio();
    const QPoint offset(looks.leftSpace + 1, looks.topSpace + 1);
    const QRect logical = QRect(offset, pixels.deviceIndependentSize().toSize())
                              .intersected(QRect(0, 0, face.Width(), face.Height()));
    if (logical.isEmpty())
        return;
    const QImage glyph = KeyedGlyph(pixels, ToQRgb(TransparentKey) | 0xFF000000u, ratio);
    const QPoint origin = deviceunits::Box(QRect(offset, QSize(1, 1)), ratio).topLeft();
    const QRect target = deviceunits::Box(logical, ratio) & QRect(origin, glyph.size());
    const QRgb background =
        looks.transparent ? 0xFF000000u : (ToQRgb(looks.colorBackgnd) | 0xFF000000u);
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(glyph.constScanLine(y - origin.y()));
        quint32* faceRow = face.ScanLine(y);
        quint32* maskRow = mask.ScanLine(y);
        for (int x = target.left(); x <= target.right(); ++x) {
            const QRgb pixel = source[x - origin.x()];
            faceRow[x] = Over(pixel, background);
            maskRow[x] = CoverageGray(pixel);
        }
    }
}

void TOnOffBut::PaintFrame(TCanvas* face, TCanvas* mask)
{
    const int right = Width() - 1;
    const int bottom = Height() - 1;
    const TFrameStyle style = d->looks.frameStyle;
    const TSchemeLineColors& lines = d->looks.lines;
    DrawFrame(face, style, 0, 0, right, bottom, lines.White, 0xC0C0C0, lines.Gray, clBlack,
              clBlack);
    DrawFrame(mask, style, 0, 0, right, bottom, clBlack, clBlack, clBlack, clBlack,
              clBlack);
}

// Two pixels around the glyph cell, where neither the glyph nor a caption draws.
void TOnOffBut::PaintFocus(TCanvas* face, TCanvas* mask)
{
    if (!hasFocus())
        return;
    const int left = d->looks.leftSpace - 2, top = d->looks.topSpace - 2;
    const TRect box(left, top, left + GlyphWidth() + 5, top + GlyphHeight() + 5);
    face->Brush()->SetStyle(bsSolid);
    face->Brush()->SetColor(clHighlight);
    face->DottedFrameRect(box);
    mask->Brush()->SetStyle(bsSolid);
    mask->Brush()->SetColor(clBlack);
    mask->DottedFrameRect(box);
}

// Opaque: the face is copied. Transparent: where the mask is white the parent shows,
// where it is black the face covers it - the effect of cutting the mask out of the
// parent (SRCAND) and filling the face in (SRCPAINT). The mask's gray levels at
// antialiased caption edges count as partial coverage, and the face, composed on black,
// already holds its colors times that coverage: together they are a premultiplied
// alpha image, so caption edges blend smoothly into the parent.
void TOnOffBut::TransferToControl(TBitmap& face)
{
    TCanvas* canvas = Canvas();
    if (!d->looks.transparent) {
        canvas->SetCopyMode(cmSrcCopy);
        canvas->Draw(0, 0, &face);
        return;
    }
    canvas->Flush();
    QImage& target = *canvas->Target();
    const QImage& facePixels = face.Image();
    const QImage& maskPixels = d->mask.Image();
    for (int y = 0; y < target.height(); ++y) {
        const auto* faceRow = reinterpret_cast<const QRgb*>(facePixels.constScanLine(y));
        const auto* maskRow = reinterpret_cast<const QRgb*>(maskPixels.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < target.width(); ++x) {
            const QRgb m = maskRow[x];
            const int alpha = 255 - (qRed(m) + qGreen(m) + qBlue(m)) / 3;
            const QRgb f = faceRow[x];
            out[x] = qRgba(std::min(qRed(f), alpha), std::min(qGreen(f), alpha),
                           std::min(qBlue(f), alpha), alpha);
        }
    }
    canvas->Changed();
}

} // namespace vek
