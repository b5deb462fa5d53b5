// TBitmap: sizing, copying, files, scan lines; and the brush's clear-to-solid rule.
#include "canvas_fixture.h"

#include <frame/core/errors.h>

#include <QFile>
#include <QTemporaryDir>

using namespace vek;
using vektest::Fill;

namespace {

// A 3x2 bitmap with a distinct color in every pixel.
constexpr TColor kPixels[2][3] = {{clRed, clLime, clBlue}, {clYellow, clAqua, RGB(1, 2, 3)}};

void PaintPixels(TBitmap& bitmap)
{
    bitmap.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            bitmap.Canvas()->SetPixels(x, y, kPixels[y][x]);
}

void ExpectPixels(TBitmap& bitmap)
{
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), kPixels[y][x]) << x << "," << y;
}

class BitmapFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TBitmap bitmap;

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString WriteImage(const QString& name, const char* format)
    {
        TBitmap written;
        PaintPixels(written);
        EXPECT_TRUE(written.Image().save(Path(name), format));
        return Path(name);
    }
    // Loading must fail and leave the 3x2 picture as it was.
    void ExpectRejected(const QString& path)
    {
        PaintPixels(bitmap);
        EXPECT_THROW(bitmap.LoadFromFile(path), EInvalidGraphic);
        ExpectPixels(bitmap);
    }
};

} // namespace

TEST(Bitmap, NewBitmapIsEmptyAndSizedBitmapIsWhite)
{
    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Canvas()->Pixels(0, 0), 0xFFFFFFFFu);
    TBitmap sized(4, 3);
    EXPECT_FALSE(sized.Empty());
    EXPECT_EQ(vektest::CountColor(sized.Image(), sized.Image().rect(), clWhite), 12);
}

TEST(Bitmap, SetSizeKeepsThePixelsThatStillFitAndAddsWhite)
{
    TBitmap bitmap;
    PaintPixels(bitmap);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), RGB(1, 2, 3));
    EXPECT_EQ(bitmap.Canvas()->Pixels(4, 3), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clWhite);
    bitmap.SetSize(2, 1);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), 0xFFFFFFFFu);
}

TEST(Bitmap, SetWidthAndHeightResizeOneSide)
{
    TBitmap bitmap(4, 3);
    bitmap.SetWidth(7);
    EXPECT_EQ(bitmap.Height(), 3);
    bitmap.SetHeight(9);
    EXPECT_EQ(bitmap.Width(), 7);
    bitmap.SetHeight(-2);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, CanvasKeepsDrawingAfterResize)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect(0, 0, 2, 2));
    bitmap.SetSize(10, 10);
    bitmap.Canvas()->FillRect(TRect(8, 8, 10, 10));
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 9), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
}

TEST(Bitmap, AssignCopiesPixelsAndTransparencyWithoutSharing)
{
    TBitmap original;
    PaintPixels(original);
    original.SetTransparent(true);
    original.SetTransparentColor(clLime);
    TBitmap copy;
    copy.Assign(&original);
    ExpectPixels(copy);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clLime);
    original.Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clRed);
    copy.Canvas()->SetPixels(1, 0, clBlack);
    EXPECT_EQ(original.Canvas()->Pixels(1, 0), clLime);
}

TEST(Bitmap, AssignFromItselfChangesNothing)
{
    TBitmap bitmap;
    PaintPixels(bitmap);
    bitmap.Assign(&bitmap);
    ExpectPixels(bitmap);
}

TEST(Bitmap, TransparentColorIsTheBottomLeftPixelUntilFixed)
{
    TBitmap bitmap;
    EXPECT_EQ(bitmap.TransparentColor(), clNone);
    PaintPixels(bitmap);
    EXPECT_EQ(bitmap.TransparentColor(), clYellow);
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentColor(clNone);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clYellow);
}

TEST(Bitmap, ScanLineHoldsOpaqueRgbPixelsOfOneRow)
{
    TBitmap bitmap;
    PaintPixels(bitmap);
    const quint32* row = bitmap.ScanLine(1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row[0], 0xFFFFFF00u);
    EXPECT_EQ(row[2], 0xFF010203u);
    EXPECT_EQ(bitmap.ScanLine(2), nullptr);
    EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
}

TEST(Bitmap, ScanLineWritesAreSeenByTheCanvasAndDrawingAfterwards)
{
    TBitmap bitmap(3, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect(0, 0, 1, 1));
    bitmap.ScanLine(1)[1] = 0xFF102030u;
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    bitmap.Canvas()->FillRect(TRect(2, 0, 3, 1));
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), RGB(0x10, 0x20, 0x30));
}

// ---- files ---------------------------------------------------------------------------

TEST_F(BitmapFileTest, LoadsBmpFiles)
{
    bitmap.LoadFromFile(WriteImage("pixels.bmp", "BMP"));
    ExpectPixels(bitmap);
}

TEST_F(BitmapFileTest, LoadsPngFiles)
{
    bitmap.LoadFromFile(WriteImage("pixels.png", "PNG"));
    ExpectPixels(bitmap);
}

TEST_F(BitmapFileTest, SaveAndLoadRoundTrip)
{
    TBitmap written;
    PaintPixels(written);
    ASSERT_TRUE(written.SaveToFile(Path("round.png")));
    bitmap.LoadFromFile(Path("round.png"));
    ExpectPixels(bitmap);
}

TEST_F(BitmapFileTest, MissingFileRaisesAndKeepsTheBitmap)
{
    ExpectRejected(Path("missing.bmp"));
}

TEST_F(BitmapFileTest, CorruptFileRaisesAndKeepsTheBitmap)
{
    QFile file(Path("corrupt.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not really a bitmap");
    file.close();
    ExpectRejected(Path("corrupt.bmp"));
}

TEST_F(BitmapFileTest, PngWithTransparencyLoadsOverWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    ASSERT_TRUE(image.save(Path("alpha.png")));
    bitmap.LoadFromFile(Path("alpha.png"));
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clRed);
}

TEST_F(BitmapFileTest, UnknownResourceNameRaises)
{
    PaintPixels(bitmap);
    EXPECT_THROW(bitmap.LoadFromResourceName("NO_SUCH_BITMAP"), EInvalidGraphic);
    EXPECT_THROW(bitmap.LoadFromResourceName("NO_SUCH_BITMAP", 2), EInvalidGraphic);
    ExpectPixels(bitmap);
}

// At ratio 2 a named bitmap drawn at twice the size is loaded with twice the pixels in
// each direction, and covers the logical size of the plain picture.
TEST(BitmapResource, LoadsTheDoubleSizePictureAtRatioTwo)
{
    TBitmap plain;
    plain.LoadFromResourceName("CHECKBOX");
    TBitmap dense;
    dense.LoadFromResourceName("CHECKBOX", 2);
    EXPECT_EQ(plain.DevicePixelRatio(), 1.0);
    EXPECT_EQ(dense.DevicePixelRatio(), 2.0);
    EXPECT_EQ(dense.Image().size(), plain.Image().size() * 2);
    EXPECT_EQ(dense.Width(), plain.Width());
    EXPECT_EQ(dense.Height(), plain.Height());
    // Finer, not merely enlarged: some 2 x 2 block holds more than one color.
    EXPECT_GT(vektest::MixedDeviceBlocks(dense.Image()), 0);
}

// Ratios below 2 load the plain picture.
TEST(BitmapResource, LoadsThePlainPictureBelowRatioTwo)
{
    TBitmap plain;
    plain.LoadFromResourceName("CHECKBOX");
    TBitmap between;
    between.LoadFromResourceName("CHECKBOX", 1.5);
    EXPECT_EQ(between.DevicePixelRatio(), 1.0);
    EXPECT_EQ(between.Image(), plain.Image());
}

// A name without a double-size picture falls back to the plain one at ratio 1.
TEST(BitmapResource, FallsBackToThePlainPictureWithoutADoubleSizeOne)
{
    ASSERT_FALSE(QFile::exists(":/vek/SEGVERT@2x.png"));
    TBitmap plain;
    plain.LoadFromResourceName("SEGVERT");
    TBitmap fallback;
    fallback.LoadFromResourceName("SEGVERT", 2);
    EXPECT_EQ(fallback.DevicePixelRatio(), 1.0);
    EXPECT_EQ(fallback.Image(), plain.Image());
    EXPECT_EQ(fallback.Width(), plain.Width());
}

// ---- brush ---------------------------------------------------------------------------

TEST(Brush, SettingAColorMakesAClearBrushSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(brush.Color());
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetStyle(bsCross);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsCross);
}

TEST(Brush, ChangesNotifyOnlyWhenSomethingChanges)
{
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&] { ++changes; };
    brush.SetColor(brush.Color());
    brush.SetStyle(brush.Style());
    EXPECT_EQ(changes, 0);
    brush.SetColor(clRed);
    brush.SetStyle(bsClear);
    brush.SetColor(clRed);
    EXPECT_EQ(changes, 3);
}
