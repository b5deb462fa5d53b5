// TCanvas bitmap transfer: Draw, StretchDraw, CopyRect and StretchBlt with copy modes,
// stretch modes, mirroring and transparent colors.
#include "canvas.h"

#include "bitmap.h"
#include "deviceunits_p.h"
#include "rasterops.h"

namespace vek {

namespace {

// A part read from r, turned around on each axis on which r runs backwards, so that a
// source and a destination running opposite ways mirror the picture.
QImage Oriented(const QImage& part, const TRect& r)
{
    return part.mirrored(r.Width() < 0, r.Height() < 0);
}

} // namespace

void TCanvas::Draw(int X, int Y, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    Compose(TRect(X, Y, X + Bitmap->Width(), Y + Bitmap->Height()), Bitmap->Image(), FCopyMode,
            TransparentKey(Bitmap));
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    Compose(r, Bitmap->Image(), FCopyMode, TransparentKey(Bitmap));
}

std::optional<QRgb> TCanvas::TransparentKey(const TBitmap* Bitmap)
{
    if (!Bitmap->Transparent())
        return std::nullopt;
    return ToQRgb(Bitmap->TransparentColor()) & RGB_MASK;
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect)
{
    StretchBlt(Dest, Source, SourceRect, FCopyMode);
}

void TCanvas::StretchBlt(const TRect& Dest, TCanvas* Source, const TRect& SourceRect,
                         TCopyMode Rop)
{
    if (!Source)
        return;
    // Read first: source and destination may be the same image.
    Compose(Dest, Oriented(Source->ReadRect(SourceRect), SourceRect), Rop, std::nullopt);
}

void TCanvas::StretchBlt(const TRect& Dest, const QImage& Source, const TRect& SourceRect,
                         TCopyMode Rop)
{
    const QRect part = deviceunits::Box(SourceRect.ToQRect().normalized(), Source.devicePixelRatio());
    // The whole picture (the usual case) needs no copy of its pixels.
    const QImage whole = part == Source.rect() ? Source : Source.copy(part);
    Compose(Dest, Oriented(whole, SourceRect), Rop, std::nullopt);
}

QImage TCanvas::ReadRect(const TRect& r)
{
    QImage* image = PixelTarget();
    const QRect box = r.ToQRect().normalized();
    if (!image) {
        QImage blank = deviceunits::Create(box.size(), QImage::Format_RGB32, DevicePixelRatio());
        blank.fill(Qt::white);
        return blank;
    }
    const qreal ratio = image->devicePixelRatio();
    QImage part = image->copy(deviceunits::Box(box, ratio));
    part.setDevicePixelRatio(ratio);
    return part;
}

void TCanvas::Compose(const TRect& Dest, const QImage& Source, TCopyMode Rop,
                      std::optional<QRgb> TransparentColor)
{
    if (Source.isNull() || Dest.Width() == 0 || Dest.Height() == 0)
        return;
    const QRect box = Dest.ToQRect().normalized();
    if ((ClipRegion() & box).isEmpty())
        return;
    // Sources are scaled to the device pixels they cover, so a picture made at the
    // target's ratio is copied pixel for pixel.
    const qreal ratio = DevicePixelRatio();
    const QRect deviceBox = deviceunits::Box(box, ratio);
    QImage source = Oriented(Source, Dest);
    if (Rop == cmSrcCopy && !TransparentColor &&
        (FStretchMode != smHalftone || source.size() == deviceBox.size())) {
        // A plain copy is stretched by the painter on its way: for nearest-pixel
        // stretching that gives the pixels of a stretched copy, without making one.
        source = source.convertToFormat(QImage::Format_RGB32);
        if (QPainter* p = Prepare(QPainter::CompositionMode_Source, QRegion(box)))
            p->drawImage(box, source);
        Changed();
        return;
    }
    if (source.size() != deviceBox.size())
        source = source.scaled(deviceBox.size(), Qt::IgnoreAspectRatio,
                               FStretchMode == smHalftone ? Qt::SmoothTransformation
                                                          : Qt::FastTransformation);
    source = source.convertToFormat(QImage::Format_RGB32);
    source.setDevicePixelRatio(ratio);
    QImage* pixels = Rop == cmSrcCopy ? nullptr : PixelTarget();
    if (pixels) {
        ApplyRasterOp(*pixels, deviceBox.topLeft(), source,
                      deviceunits::Region(ClipRegion() & box, ratio), Rop, TransparentColor,
                      ToQRgb(FBrush.Color()));
    } else {
        // Plain and masked copies need no read-back: the painter blits them. A borrowed
        // painter cannot be read back, so there every copy mode copies.
        if (TransparentColor)
            source = MaskedCopy(source, *TransparentColor);
        const auto mode = TransparentColor ? QPainter::CompositionMode_SourceOver
                                           : QPainter::CompositionMode_Source;
        if (QPainter* p = Prepare(mode, QRegion(box)))
            p->drawImage(box.topLeft(), source);
    }
    Changed();
}

} // namespace vek
