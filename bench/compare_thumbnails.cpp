// The thumbnail grid beside a QListView in icon mode, both 1600 x 1200 over 100,000
// slides of the same 160 x 120 image shown at 80 pixels: a repaint of the middle of the
// grid, rendered into an image.
#include <VEK_Thumbnails.h>

#include "support/rendering.h"

#include <benchmark/benchmark.h>

#include <QAbstractListModel>
#include <QListView>
#include <QPixmap>

using namespace vek;

namespace {

constexpr int kSlides = 100000;
constexpr int kWidth = 1600, kHeight = 1200;
constexpr int kImageWidth = 160, kImageHeight = 120;
constexpr TColor kImageColor = 0x00336699;

void BM_ThumbnailsGridRepaint(benchmark::State& state)
{
    TThumbnails grid;
    grid.resize(kWidth, kHeight);
    grid.SetSlideSize(80);
    grid.SetMax(kSlides);
    grid.SetFirstThumbIdx(kSlides / 2);
    grid.OnImageRequest = [](TObject*, int, TThumbnails::TImageRequestProcessing& how, int&,
                             TBitmap& buffer) {
        how = TThumbnails::irpShowSlide;
        if (buffer.Width() != kImageWidth) {
            buffer.SetSize(kImageWidth, kImageHeight);
            buffer.Canvas()->Brush()->SetColor(kImageColor);
            buffer.Canvas()->FillRect(TRect(0, 0, kImageWidth, kImageHeight));
        }
    };
    MeasureRendering(state, grid, [&grid] { grid.Invalidate(); });
}
BENCHMARK(BM_ThumbnailsGridRepaint)->Unit(benchmark::kMillisecond);

// Every slide shows the same pixmap, numbered as the grid numbers them.
class SlideModel : public QAbstractListModel {
public:
    SlideModel() : FImage(kImageWidth, kImageHeight)
    {
        FImage.fill(ToQColor(kImageColor));
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kSlides; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole)
            return FImage;
        if (role == Qt::DisplayRole)
            return QString::number(index.row() + 1);
        return {};
    }

private:
    QPixmap FImage;
};

void BM_QListViewIconModeRepaint(benchmark::State& state)
{
    SlideModel model;
    QListView view;
    view.setViewMode(QListView::IconMode);
    view.setUniformItemSizes(true);
    view.setIconSize(QSize(80, 60));
    view.setModel(&model);
    view.resize(kWidth, kHeight);
    view.scrollTo(model.index(kSlides / 2), QAbstractItemView::PositionAtTop);
    MeasureRendering(state, view);
}
BENCHMARK(BM_QListViewIconModeRepaint)->Unit(benchmark::kMillisecond);

} // namespace
