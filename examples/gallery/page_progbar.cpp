// Gallery page of the progress bar: a solid bar, the three gradient mappings, grid
// lines, frame styles, exponent text, a background picture, vertical bars with rotated
// text and a running auto-increment bar; a slider drives the values.
#include "pages.h"

#include <VEK_ProgBar.h>

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

using namespace vek;

namespace {

// A horizontal bar in the theme's colors with its value text right-aligned near the
// end of the inner area, where the background (not the bar) lies behind it for most
// values. The layout decides the length; the text position (in pixels) follows it.
TProgBar* MakeBar(QWidget* parent, double value)
{
    auto* bar = new TProgBar(parent);
    bar->SetColorScheme(csSystemColors);
    bar->SetColorMargin(clBtnFace);
    bar->SetColorBackGnd(clWindow);
    bar->SetTextAlignment(taRightJustify);
    bar->OnResize = [bar](TObject*) { bar->SetTextPosX(bar->Width() - 10); };
    bar->SetValue(value);
    bar->OnShowValue = [](TObject*, QString& text) { text += QStringLiteral(" %"); };
    return bar;
}

TProgBar* MakeGradientBar(QWidget* parent, TProgBar::TColorMapping mapping)
{
    auto* bar = MakeBar(parent, 65);
    bar->SetShowColorGradient(true);
    bar->SetColorMin(0x00B000);
    bar->SetColorMax(0x0000E0);
    bar->SetColorMapMode(mapping);
    return bar;
}

// A vertical bar with its text turned along it, centred whatever height the layout
// gives it.
TProgBar* MakeVerticalBar(QWidget* parent, TDirection direction, double value)
{
    auto* bar = new TProgBar(parent);
    bar->SetColorScheme(csSystemColors);
    bar->SetColorMargin(clBtnFace);
    bar->SetColorBackGnd(clWindow);
    bar->SetDirection(direction);
    bar->SetShowColorGradient(true);
    bar->SetColorMin(0xE0A000);
    bar->SetColorMax(0x2040F0);
    bar->SetTextAngle(90);
    bar->OnResize = [bar](TObject*) {
        bar->SetTextPosX(bar->Width() / 2);
        bar->SetTextPosY(bar->Height() / 2);
    };
    bar->SetValue(value);
    return bar;
}

// A soft diagonal stripe picture for the background demo, written once per run.
QString StripePicture()
{
    const QString path = QDir::temp().filePath(QStringLiteral("vek_gallery_progbar_bg.png"));
    QImage image(120, 24, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 120, 0);
    sky.setColorAt(0, QColor(0xd8, 0xe8, 0xf8));
    sky.setColorAt(1, QColor(0x90, 0xb0, 0xd8));
    painter.fillRect(image.rect(), sky);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 3));
    for (int x = -24; x < 120; x += 12)
        painter.drawLine(x, 24, x + 24, 0);
    painter.end();
    image.save(path);
    return path;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    QList<TProgBar*> driven;

    auto* fills = new QGroupBox("Fills, grid, frames and text", page);
    auto* form = new QFormLayout(fills);
    auto* solid = MakeBar(fills, 35);
    solid->SetColorMin(clHighlight);
    form->addRow("Solid", solid);
    auto* cover = MakeGradientBar(fills, TProgBar::cgmCover);
    form->addRow("Gradient, cover", cover);
    auto* stretch = MakeGradientBar(fills, TProgBar::cgmStretch);
    form->addRow("Gradient, stretch", stretch);
    auto* move = MakeGradientBar(fills, TProgBar::cgmMove);
    form->addRow("Gradient, move", move);
    auto* grid = MakeBar(fills, 45);
    grid->SetColorMin(0x40A040);
    grid->SetGridDist(8);
    grid->SetColorGrid(clWindow);
    form->addRow("Grid lines", grid);
    auto* frames = MakeBar(fills, 55);
    frames->SetFrameStyleOuter(fsEmbossed);
    frames->SetFrameStyleInner(fsEngraved);
    frames->SetColorMin(0x2090E0);
    form->addRow("Embossed / engraved", frames);
    auto* single = MakeBar(fills, 75);
    single->SetFrameStyleOuter(fsNone);
    single->SetFrameStyleInner(fsSingle);
    single->SetMarginLeft(2);
    single->SetMarginRight(2);
    single->SetColorMin(0x8040C0);
    form->addRow("Single, no outer frame", single);
    auto* exponent = MakeBar(fills, 0);
    exponent->SetRange(0, 5000);
    exponent->SetValue(1234.5);
    exponent->SetTextDecPlaces(-1);
    exponent->OnShowValue = [](TObject*, QString& text) { text += QStringLiteral(" Pa"); };
    form->addRow("Exponent text", exponent);
    auto* picture = MakeBar(fills, 40);
    picture->SetBackGroundImg(StripePicture());
    picture->SetColorMin(0x406080);
    picture->Font()->SetColor(clBlack);
    form->addRow("Background picture", picture);
    auto* running = MakeBar(fills, 0);
    running->SetShowColorGradient(true);
    running->SetColorMapMode(TProgBar::cgmMove);
    running->SetColorMin(clWindow);
    running->SetColorMax(clHighlight);
    running->SetTextVisible(false);
    running->SetValue(30);
    running->SetStartInterval(300);
    running->SetRepeatInterval(40);
    running->SetAutoIncStep(2);
    running->OnAutoInc = [running](TObject*) {
        if (running->Value() > running->Max())
            running->SetValue(0);
    };
    running->SetAutoInc(true);
    form->addRow("Auto-increment", running);
    layout->addWidget(fills);
    driven << solid << cover << stretch << move << grid << frames << single;

    auto* vertical = new QGroupBox("Vertical, rotated text", page);
    auto* verticalRow = new QHBoxLayout(vertical);
    auto* up = MakeVerticalBar(vertical, dirUp, 70);
    auto* upMove = MakeVerticalBar(vertical, dirUp, 40);
    upMove->SetColorMapMode(TProgBar::cgmMove);
    auto* down = MakeVerticalBar(vertical, dirDown, 55);
    down->SetTextAngle(270);
    auto* left = MakeBar(vertical, 60);
    left->SetDirection(dirLeft);
    left->SetTextAlignment(taLeftJustify);
    left->OnResize = nullptr;
    left->SetTextPosX(10);
    for (QWidget* w : {static_cast<QWidget*>(up), static_cast<QWidget*>(upMove),
                       static_cast<QWidget*>(down)})
        verticalRow->addWidget(w);
    verticalRow->addSpacing(16);
    verticalRow->addWidget(left, 1, Qt::AlignVCenter);
    layout->addWidget(vertical);
    driven << up << down << left;

    auto* slider = new QSlider(Qt::Horizontal, page);
    slider->setRange(0, 100);
    slider->setValue(65);
    QObject::connect(slider, &QSlider::valueChanged, page, [driven](int v) {
        for (TProgBar* bar : driven)
            bar->SetValue(v);
    });
    auto* sliderForm = new QFormLayout;
    sliderForm->addRow("Value", slider);
    layout->addLayout(sliderForm);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({80, "Progress bar (TProgBar)", "progbar", CreatePage});

} // namespace
