// Gallery page of the gradient fill: the four profiles, grid lines, frames, flipped
// colors, and a panel with text drawn over it in OnPaint.
#include "pages.h"

#include <VEK_gradfl.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace vek;

namespace {

TGradFill* MakeFill(QWidget* parent, TGradFill::TGradType type, int bands, TColor first,
                    TColor last)
{
    auto* fill = new TGradFill(parent);
    fill->SetFillType(type);
    fill->SetNrColors(bands);
    fill->SetColorFirst(first);
    fill->SetColorLast(last);
    return fill;
}

void AddSample(QGridLayout* grid, int row, int col, TGradFill* fill, const QString& caption)
{
    grid->addWidget(fill, row * 2, col, Qt::AlignHCenter);
    grid->addWidget(new QLabel(caption), row * 2 + 1, col, Qt::AlignHCenter);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* samples = new QGroupBox("Profiles, grids and frames", page);
    auto* grid = new QGridLayout(samples);

    AddSample(grid, 0, 0, MakeFill(samples, TGradFill::gtHoriz, 16, 0x000080, 0x00FFFF),
              "Horizontal, 16 bands");
    AddSample(grid, 0, 1, MakeFill(samples, TGradFill::gtVert, 64, 0x602000, 0xFFD8A0),
              "Vertical, 64 bands");
    AddSample(grid, 0, 2, MakeFill(samples, TGradFill::gtMidBandHoriz, 31, 0x404040, 0xF0F0F0),
              "Mid band, horizontal");
    AddSample(grid, 0, 3, MakeFill(samples, TGradFill::gtMidBandVert, 9, 0x006000, 0x80FF80),
              "Mid band, 9 bands");

    auto* graph = MakeFill(samples, TGradFill::gtHoriz, 32, 0xFFF4E8, 0xC08040);
    graph->SetGridMode(TGradFill::gmBoth);
    graph->SetGridColor(0xA0A0A0);
    graph->SetFrameStyle(fsLowered);
    AddSample(grid, 1, 0, graph, "Grid lines, lowered frame");
    auto* flipped = MakeFill(samples, TGradFill::gtVert, 16, 0x000080, 0x00FFFF);
    flipped->SetColorFlipped(true);
    flipped->SetFrameStyle(fsRaised);
    AddSample(grid, 1, 1, flipped, "Flipped, raised frame");
    auto* lines = MakeFill(samples, TGradFill::gtMidBandVert, 20, 0x303030, 0xFF9030);
    lines->SetGridMode(TGradFill::gmHoriz);
    lines->SetGridColor(0x202020);
    lines->SetFrameStyle(fsSingle);
    AddSample(grid, 1, 2, lines, "Horizontal grid lines");
    auto* panel = MakeFill(samples, TGradFill::gtHoriz, 40, 0x502810, 0xE0B080);
    panel->SetFrameStyle(fsEmbossed);
    panel->OnPaint = [panel](TObject*) {
        TCanvas* canvas = panel->Canvas();
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(clWhite);
        canvas->Font()->SetStyle(fsBold);
        const QString text = "OnPaint";
        canvas->TextOut((panel->Width() - canvas->TextWidth(text)) / 2,
                        (panel->Height() - canvas->TextHeight(text)) / 2, text);
    };
    AddSample(grid, 1, 3, panel, "Drawn over in OnPaint");

    layout->addWidget(samples);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({100, "Gradient fill (TGradFill)", "gradfl", CreatePage});

} // namespace
