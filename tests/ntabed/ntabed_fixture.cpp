#include "ntabed_fixture.h"

#include <frame/canvas/canvas.h>

using namespace vek;

namespace ntabedtest {

QImage ReferenceCell(const TNTabEd& tab, const TRect& box, const ExpectedText& e)
{
    QImage image(box.Width(), box.Height(), QImage::Format_RGB32);
    TCanvas canvas(&image);
    canvas.Font()->Assign(tab.Font());
    canvas.Font()->SetStyle(e.Style);
    canvas.Font()->SetColor(e.Color);
    canvas.Brush()->SetColor(e.Background);
    canvas.TextRect(TRect(0, 0, box.Width(), box.Height()), e.Dx, e.Dy, e.Text);
    canvas.Flush();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Part(const QImage& image, const TRect& box)
{
    return image.copy(box.ToQRect());
}

} // namespace ntabedtest
