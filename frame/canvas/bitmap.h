// TBitmap: an off-screen image with its own canvas. Pixels are stored as 32-bit RGB
// (QImage::Format_RGB32) whatever PixelFormat says; ScanLine returns that layout.
// A bitmap's canvas draws exact pixels (no smoothing) unless asked to: glyphs and masks
// drawn into bitmaps are often shown with a transparent key color, and a smoothed edge
// would blend with the key and show as a fringe. A control's face bitmap takes the
// control's smoothing from TControl::PrepareOffscreen.
// A bitmap made for a 2x screen has a device pixel ratio: Width and Height stay logical,
// its canvas draws at device resolution, and ScanLine and Image give device pixels.
#pragma once

#include "canvas.h"

namespace vek {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

/// An off-screen image with its own canvas (see the top of this header).
class VEK_EXPORT TBitmap : public TPersistent {
public:
    /// An empty bitmap, or a white one of the given logical size and device pixel ratio.
    TBitmap();
    TBitmap(int Width, int Height, qreal DevicePixelRatio = 1.0);
    ~TBitmap() override;

    /// The logical size; setting one side keeps the other (see SetSize).
    int Width() const;
    int Height() const;
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    /// Resizing keeps the pixels that still fit; new pixels are white.
    void SetSize(int Width, int Height);
    bool Empty() const { return FImage.isNull() || Width() == 0 || Height() == 0; }
    /// Device pixels per logical pixel. Changing it keeps the picture, rescaled.
    qreal DevicePixelRatio() const { return FImage.isNull() ? FRatio : FImage.devicePixelRatio(); }
    void SetDevicePixelRatio(qreal value);

    TCanvas* Canvas() { return &FCanvas; }

    /// Loads a BMP or PNG file; raises EInvalidGraphic when the file is missing or is not
    /// a readable image. The bitmap is unchanged after a failure. Translucent pixels
    /// are laid over white.
    void LoadFromFile(const QString& FileName);
    /// Loads one of the library's named bitmaps ("SEGVERT", ...); raises EInvalidGraphic
    /// for an unknown name. With a DevicePixelRatio of 2 or more the picture drawn at
    /// twice the size ("<Name>@2x") is loaded where there is one, at device pixel ratio 2,
    /// so that Width and Height stay the logical size of the plain picture; otherwise the
    /// plain picture is loaded at ratio 1.
    void LoadFromResourceName(const QString& Name, qreal DevicePixelRatio = 1);
    /// Saves as PNG or BMP by the file name's extension; returns false on failure.
    bool SaveToFile(const QString& FileName);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value) { FPixelFormat = value; }
    /// Device row Row as 32-bit 0xAARRGGBB pixels (alpha always 0xFF).
    quint32* ScanLine(int Row);

    /// Draw and StretchDraw leave out pixels of TransparentColor when Transparent is set.
    /// In tmAuto mode the transparent color is the bottom-left pixel.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);

    /// The pixels (after flushing pending drawing).
    const QImage& Image() const;
    /// Takes a copy of image as the bitmap's pixels (translucent pixels over white).
    void SetImage(const QImage& image);

    void Assign(const TPersistent* Source) override;

private:
    QImage FImage;
    TCanvas FCanvas;
    TPixelFormat FPixelFormat = pf24bit;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clNone;
    qreal FRatio = 1.0;
};

} // namespace vek
