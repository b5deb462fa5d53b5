// A control on a screen of ratio 2 shows the picture it shows at ratio 1, only sharper:
// its 2x grab, averaged back to logical pixels, has the same bar, glyph, segments and
// frames in the same places. The ratio-1 pictures come from this executable run once
// more on a screen of ratio 1 (HighDpiReference below), so both sides use the same code.
#include <VEK_ProgBar.h>
#include <VEK_marksel.h>
#include <VEK_onoffbut.h>
#include <VEK_sevenseg.h>

#include "pixels.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace vek;

namespace {

constexpr const char* ReferenceDirVariable = "VEK_HIDPI_REFERENCE_DIR";

struct LayoutCase {
    const char* name;
    QSize size;
    std::function<QWidget*()> create;
};

std::vector<LayoutCase> LayoutCases()
{
    return {
        {"ProgBarPlain", {160, 24}, [] {
             auto* c = new TProgBar;
             c->SetValue(40);
             c->SetTextVisible(false);
             c->SetGridDist(9);
             return c;
         }},
        {"ProgBarText", {160, 24}, [] {
             auto* c = new TProgBar;
             c->SetValue(40);
             c->SetGridDist(9);
             return c;
         }},
        {"ProgBarGradientUp", {30, 120}, [] {
             auto* c = new TProgBar;
             c->SetDirection(dirUp);
             c->SetShowColorGradient(true);
             c->SetValue(70);
             c->SetTextVisible(false);
             return c;
         }},
        {"OnOffBut", {100, 50}, [] { return new TOnOffBut; }},
        {"OnOffButRadioCaptions", {100, 50}, [] {
             auto* c = new TOnOffBut;
             c->SetButtonStyle(TOnOffBut::oobsRadioBut);
             c->SetLeftText("Off");
             c->SetRightText("On");
             return c;
         }},
        {"OnOffButRadio", {100, 50}, [] {
             auto* c = new TOnOffBut;
             c->SetButtonStyle(TOnOffBut::oobsRadioBut);
             return c;
         }},
        {"SevenSeg", {150, 60}, [] {
             auto* c = new TSevenSeg;
             c->SetCaption("8.5");
             return c;
         }},
        {"MarkSel", {236, 178}, [] {
             auto* c = new TMarkSel;
             c->SetShowZeroAsCross(false);
             c->SetSelected(9);
             // Mark 19 highlighted, drawn on the control rather than on the face.
             QMouseEvent move(QEvent::MouseMove, QPointF(101, 72), QPointF(101, 72),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(c, &move);
             return c;
         }},
    };
}

QImage Grab(const LayoutCase& c)
{
    std::unique_ptr<QWidget> control(c.create());
    control->resize(c.size);
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The ratio-1 pictures, painted once by a child run of this executable.
class RatioOne {
public:
    static QImage Picture(const char* name)
    {
        static const std::unique_ptr<QTemporaryDir> dir = Paint();
        return QImage(dir->filePath(QString::fromLatin1(name) + ".png"))
            .convertToFormat(QImage::Format_RGB32);
    }

private:
    static std::unique_ptr<QTemporaryDir> Paint()
    {
        auto dir = std::make_unique<QTemporaryDir>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("VEK_TEST_DEVICE_PIXEL_RATIO");
        env.remove("QT_SCALE_FACTOR");
        env.insert(ReferenceDirVariable, dir->path());
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=HighDpiReference.*"});
        child.waitForFinished(300000);
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
        return dir;
    }
};

// The 2x grab in logical pixels: each 2 x 2 device block averaged.
QImage Logical(const QImage& grab)
{
    QImage logical(grab.width() / 2, grab.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < logical.height(); ++y)
        for (int x = 0; x < logical.width(); ++x) {
            int sum[3] = {};
            for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = grab.pixel(2 * x + d.x(), 2 * y + d.y());
                sum[0] += qRed(p);
                sum[1] += qGreen(p);
                sum[2] += qBlue(p);
            }
            logical.setPixel(x, y, qRgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4));
        }
    return logical;
}

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Bounds of the pixels inside area that differ from base by more than threshold: from
// a color (base == null) or from the same pixel of another picture.
QRect InkBounds(const QImage& image, const QRect& area, const std::function<QRgb(int, int)>& base,
                int threshold)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Distance(image.pixel(x, y), base(x, y)) > threshold)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The share of pixels that differ by more than threshold.
double ShareDiffering(const QImage& a, const QImage& b, const QRect& area, int threshold)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += Distance(a.pixel(x, y), b.pixel(x, y)) > threshold;
    return double(differing) / (area.width() * area.height());
}

void ExpectNear(const QRect& actual, const QRect& expected, int tolerance, const char* what)
{
    EXPECT_FALSE(expected.isEmpty()) << what;
    EXPECT_LE(std::abs(actual.left() - expected.left()), tolerance) << what;
    EXPECT_LE(std::abs(actual.top() - expected.top()), tolerance) << what;
    EXPECT_LE(std::abs(actual.right() - expected.right()), tolerance) << what;
    EXPECT_LE(std::abs(actual.bottom() - expected.bottom()), tolerance) << what;
}

// Ratio-1 picture and averaged 2x grab of one case.
struct Pair {
    QImage one, two;
};

// The 2x grab of one case in device pixels.
QImage DeviceGrab(const char* name)
{
    for (const LayoutCase& c : LayoutCases())
        if (qstrcmp(c.name, name) == 0) {
            const QImage grab = Grab(c);
            EXPECT_EQ(grab.size(), c.size * 2) << name;
            return grab;
        }
    ADD_FAILURE() << "no case " << name;
    return {};
}

Pair Pictures(const char* name)
{
    return {RatioOne::Picture(name), Logical(DeviceGrab(name))};
}

// Where a two-state button's glyph is in its ratio-1 picture: what stands out from the
// face color inside the frame.
QRect GlyphBounds(const QImage& picture, const QImage& ratioOne)
{
    const QRect inner = ratioOne.rect().adjusted(3, 3, -3, -3);
    const QRgb face = ratioOne.pixel(3, 3);
    return InkBounds(picture, inner, [face](int, int) { return face; }, 128);
}

// The outermost rows and columns (frames) are pixel for pixel the same.
void ExpectSameEdges(const Pair& p, int depth)
{
    const QRect all = p.one.rect();
    for (int k = 0; k < depth; ++k)
        for (const QRect& line : {QRect(0, k, all.width(), 1), QRect(0, all.height() - 1 - k, all.width(), 1),
                                  QRect(k, 0, 1, all.height()), QRect(all.width() - 1 - k, 0, 1, all.height())})
            EXPECT_EQ(ShareDiffering(p.one, p.two, line, 2), 0.0)
                << "edge line " << line.x() << "," << line.y();
}

} // namespace

// The ratio-1 half: runs only as the child started by RatioOne.
TEST(HighDpiReference, PaintAtRatioOne)
{
    const QByteArray dir = qgetenv(ReferenceDirVariable);
    if (dir.isEmpty())
        GTEST_SKIP() << "paints the ratio-1 pictures when started by the layout tests";
    ASSERT_EQ(qApp->devicePixelRatio(), 1.0);
    for (const LayoutCase& c : LayoutCases())
        ASSERT_TRUE(Grab(c).save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(c.name) + ".png")));
}

// Bar, grid, gradient, margins and frames lie on logical pixels: the 2x picture is the
// ratio-1 picture exactly, the bar's filled extent included.
TEST(HighDpiLayout, ProgressBarIsTheSamePicture)
{
    for (const char* name : {"ProgBarPlain", "ProgBarGradientUp"}) {
        const Pair p = Pictures(name);
        ASSERT_FALSE(p.one.isNull()) << name;
        EXPECT_EQ(ShareDiffering(p.one, p.two, p.one.rect(), 2), 0.0) << name;
    }
    const Pair p = Pictures("ProgBarPlain");
    const int y = p.one.height() / 2;
    const QRgb bar = p.one.pixel(10, y);
    // One past the last bar-colored pixel of the row (grid lines cross the bar).
    const auto barEnd = [&](const QImage& image) {
        int end = 0;
        for (int x = 0; x < image.width(); ++x)
            if (Distance(image.pixel(x, y), bar) <= 2)
                end = x + 1;
        return end;
    };
    EXPECT_GT(barEnd(p.one), 40);
    EXPECT_EQ(barEnd(p.two), barEnd(p.one));
}

// The value text is drawn at device resolution, in the place it has at ratio 1.
TEST(HighDpiLayout, ProgressBarTextStaysInPlace)
{
    const Pair text = Pictures("ProgBarText");
    const Pair plain = Pictures("ProgBarPlain");
    ASSERT_FALSE(text.one.isNull());
    const QRect area = text.one.rect();
    const QRect one = InkBounds(text.one, area, [&](int x, int y) { return plain.one.pixel(x, y); }, 96);
    const QRect two = InkBounds(text.two, area, [&](int x, int y) { return plain.two.pixel(x, y); }, 96);
    ExpectNear(two, one, 1, "value text");
    EXPECT_LT(ShareDiffering(text.one, text.two, area, 96), 0.03);
}

// The state image at ratio 2 is the same artwork drawn at twice the size: it covers the
// same logical pixels and, averaged back, is close to the ratio-1 picture; captions and
// frame keep their places.
TEST(HighDpiLayout, TwoStateButtonGlyphAndCaptionsStayInPlace)
{
    for (const char* name : {"OnOffBut", "OnOffButRadio"}) {
        const Pair p = Pictures(name);
        ASSERT_FALSE(p.one.isNull()) << name;
        const QRect glyph = GlyphBounds(p.one, p.one);
        EXPECT_FALSE(glyph.isEmpty()) << name;
        // Averaged back, a finely drawn outline is softer by up to a pixel.
        ExpectNear(GlyphBounds(p.two, p.one), glyph, 1, name);
        EXPECT_LT(ShareDiffering(p.one, p.two, glyph, 96), 0.15) << name;
        ExpectSameEdges(p, 2);
    }
    const Pair captions = Pictures("OnOffButRadioCaptions");
    const Pair bare = Pictures("OnOffButRadio");
    ASSERT_FALSE(captions.one.isNull());
    const QRect inner = bare.one.rect().adjusted(3, 3, -3, -3);
    const QRgb face = bare.one.pixel(3, 3);
    const QRect glyph = InkBounds(bare.one, inner, [face](int, int) { return face; }, 128);
    const QRect left(inner.left(), inner.top(), glyph.left() - inner.left(), inner.height());
    const QRect right(glyph.right() + 1, inner.top(), inner.right() - glyph.right(), inner.height());
    for (const QRect& side : {left, right}) {
        const QRect one = InkBounds(captions.one, side, [&](int x, int y) { return bare.one.pixel(x, y); }, 96);
        const QRect two = InkBounds(captions.two, side, [&](int x, int y) { return bare.two.pixel(x, y); }, 96);
        ExpectNear(two, one, 1, "caption");
    }
}

// The state image is not the ratio-1 artwork in 2 x 2 blocks: its outlines run through
// device pixels, so many blocks of the glyph hold more than one color.
TEST(HighDpiLayout, TwoStateButtonGlyphIsSharpAtDeviceResolution)
{
    for (const char* name : {"OnOffBut", "OnOffButRadio"}) {
        const QImage one = RatioOne::Picture(name);
        ASSERT_FALSE(one.isNull()) << name;
        const QRect glyph = GlyphBounds(one, one);
        ASSERT_FALSE(glyph.isEmpty()) << name;
        const QImage device = DeviceGrab(name).copy(QRect(glyph.topLeft() * 2, glyph.size() * 2));
        // Well over one mixed block per logical pixel of the glyph's width: its outline
        // alone crosses that many at least twice.
        EXPECT_GT(vektest::MixedDeviceBlocks(device), 2 * glyph.width()) << name;
    }
}

// The segments are scaled from the same full-resolution shapes: each digit cell shows
// its lit segments in the same logical pixels, and the frame is the same.
TEST(HighDpiLayout, SevenSegmentCellsStayInPlace)
{
    const Pair p = Pictures("SevenSeg");
    ASSERT_FALSE(p.one.isNull());
    const QRgb background = p.one.pixel(p.one.width() / 2, 4);
    const auto ground = [background](int, int) { return background; };
    const int cells = 4, margin = 8, gap = 2;
    const int cw = (p.one.width() - 2 * margin) / cells - gap;
    // "8." and "5" take the first two cells.
    for (int j = 0; j < 2; ++j) {
        const QRect cell(margin + j * (cw + gap), margin, cw, p.one.height() - 2 * margin);
        const QRect one = InkBounds(p.one, cell, ground, 128);
        EXPECT_FALSE(one.isEmpty()) << "cell " << j;
        ExpectNear(InkBounds(p.two, cell, ground, 128), one, 1, "digit cell");
        EXPECT_LT(ShareDiffering(p.one, p.two, cell, 128), 0.03) << "cell " << j;
    }
    // The other two cells are empty in both.
    const QRect rest(margin + 2 * (cw + gap), margin, 2 * cw + gap, p.one.height() - 2 * margin);
    EXPECT_TRUE(InkBounds(p.one, rest, ground, 128).isEmpty());
    EXPECT_TRUE(InkBounds(p.two, rest, ground, 128).isEmpty());
    ExpectSameEdges(p, 2);
}

// The marks are pixel designs on logical pixels: at ratio 2 every mark, the selected
// mark's box, the highlight and the frame are the ratio-1 picture exactly.
TEST(HighDpiLayout, MarkerSelectorIsTheSamePicture)
{
    const Pair p = Pictures("MarkSel");
    ASSERT_FALSE(p.one.isNull());
    EXPECT_EQ(p.one.pixel(40, 40), qRgb(0xFF, 0xFF, 0xFF)); // the selected mark's box
    EXPECT_EQ(p.one.pixel(92, 64), qRgb(0xFF, 0, 0));       // the highlight on mark 19
    EXPECT_EQ(ShareDiffering(p.one, p.two, p.one.rect(), 2), 0.0);
}
