#include "bitmap.h"
#include "deviceunits_p.h"

#include <frame/core/errors.h>

#include <QFileInfo>
#include <QImageReader>

namespace vek {

namespace {

// The image as 32-bit RGB. Translucent pixels are laid over white, the color of a new
// bitmap, rather than left to the conversion, which would make them black.
QImage OpaqueCopy(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.setDevicePixelRatio(image.devicePixelRatio());
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// Where the named bitmap Name is among the library's resources.
QString ResourcePath(const QString& Name)
{
    return QStringLiteral(":/vek/") + Name + QStringLiteral(".png");
}

} // namespace

TBitmap::TBitmap()
{
    FCanvas.SetAntialiasing(false);
    FCanvas.Bind(&FImage);
}

TBitmap::TBitmap(int Width, int Height, qreal DevicePixelRatio) : TBitmap()
{
    FRatio = DevicePixelRatio > 0 ? DevicePixelRatio : 1.0;
    SetSize(Width, Height);
}

int TBitmap::Width() const
{
    return qRound(FImage.width() / DevicePixelRatio());
}

int TBitmap::Height() const
{
    return qRound(FImage.height() / DevicePixelRatio());
}

void TBitmap::SetDevicePixelRatio(qreal value)
{
    if (value <= 0 || value == DevicePixelRatio())
        return;
    FCanvas.Flush();
    const QSize logical(Width(), Height());
    FRatio = value;
    if (FImage.isNull())
        return;
    QImage rescaled = deviceunits::Create(logical, QImage::Format_RGB32, value);
    rescaled.fill(Qt::white);
    QPainter painter(&rescaled);
    painter.drawImage(QRect(QPoint(), logical), FImage);
    painter.end();
    FImage = rescaled;
    FCanvas.Bind(&FImage);
}

TBitmap::~TBitmap()
{
    FCanvas.Bind(nullptr);
}

void TBitmap::SetSize(int Width, int Height)
{
    Width = std::max(0, Width);
    Height = std::max(0, Height);
    if (!FImage.isNull() && Width == this->Width() && Height == this->Height())
        return;
    FCanvas.Flush();
    QImage resized = deviceunits::Create(QSize(Width, Height), QImage::Format_RGB32,
                                         DevicePixelRatio());
    resized.fill(Qt::white);
    if (!FImage.isNull() && Width > 0 && Height > 0) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, FImage);
    }
    FImage = resized;
    FCanvas.Bind(&FImage);
}

void TBitmap::LoadFromFile(const QString& FileName)
{
    QImageReader reader(FileName);
    QImage loaded = reader.read();
    if (loaded.isNull()) {
        const QString reason = QFileInfo::exists(FileName)
                                   ? QStringLiteral("is not a valid image")
                                   : QStringLiteral("cannot be opened");
        throw EInvalidGraphic(QStringLiteral("Bitmap file \"") + FileName + QStringLiteral("\" ") +
                              reason);
    }
    SetImage(loaded);
}

void TBitmap::LoadFromResourceName(const QString& Name, qreal DevicePixelRatio)
{
    if (DevicePixelRatio >= 2) {
        QImage dense(ResourcePath(Name + QStringLiteral("@2x")));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2);
            SetImage(dense);
            return;
        }
    }
    QImage loaded(ResourcePath(Name));
    if (loaded.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap resource \"") + Name +
                              QStringLiteral("\" not found"));
    SetImage(loaded);
}

bool TBitmap::SaveToFile(const QString& FileName)
{
    return Image().save(FileName);
}

quint32* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= FImage.height())
        return nullptr;
    FCanvas.Flush();
    return reinterpret_cast<quint32*>(FImage.scanLine(Row));
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed && FTransparentColor != clNone)
        return FTransparentColor;
    if (Empty())
        return clNone;
    return FromQRgb(Image().pixel(0, FImage.height() - 1));
}

void TBitmap::SetTransparentColor(TColor value)
{
    FTransparentColor = value;
    FTransparentMode = value == clNone ? tmAuto : tmFixed;
}

const QImage& TBitmap::Image() const
{
    const_cast<TCanvas&>(FCanvas).Flush();
    return FImage;
}

void TBitmap::SetImage(const QImage& image)
{
    FCanvas.Flush();
    FImage = OpaqueCopy(image);
    FRatio = FImage.devicePixelRatio();
    FCanvas.Bind(&FImage);
}

void TBitmap::Assign(const TPersistent* Source)
{
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (bitmap == this)
            return;
        // Copy the pixels: two bitmaps never share an image.
        SetImage(bitmap->Image().copy());
        FPixelFormat = bitmap->FPixelFormat;
        FTransparent = bitmap->FTransparent;
        FTransparentMode = bitmap->FTransparentMode;
        FTransparentColor = bitmap->FTransparentColor;
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace vek
