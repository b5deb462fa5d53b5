// Gallery page of the thumbnail grid: 500 generated slides (gradients with a circle,
// portrait, landscape and square), a few selected, one marked, one hovered, and editors
// for the selection mode, slide size and smoothing.
#include "pages.h"

#include <VEK_Thumbnails.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace vek;

namespace {

// A small picture that differs by slide: its hue, its shape (every third slide is a
// portrait, every third a landscape) and a circle in its middle.
void DrawSlideImage(TBitmap& buffer, int id)
{
    const int shape = id % 3;
    buffer.SetSize(shape == 1 ? 90 : 160, shape == 2 ? 90 : 160);
    QImage image(buffer.Width(), buffer.Height(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor top = QColor::fromHsv((id * 37) % 360, 160, 230);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, top.darker(250));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(QColor(255, 255, 255, 180));
    painter.setPen(Qt::NoPen);
    const int r = std::min(image.width(), image.height()) / 4;
    painter.drawEllipse(image.rect().center(), r, r);
    painter.end();
    buffer.SetImage(image);
}

TThumbnails* MakeGrid(QWidget* parent, QLabel* status)
{
    auto* grid = new TThumbnails(parent);
    grid->SetMax(500);
    grid->SetSlideSize(100); // two slides per row at the natural width
    grid->SetAntiAlias(true);
    grid->SetColorCover(clBtnShadow);
    grid->SetColorSelected(clHighlight);
    grid->SetColorFocus(0x0000A5FF); // orange reads on light and dark themes
    grid->SetFocusLinewidth(3);
    grid->SetColorMark(clYellow);
    grid->SetSlideSelectMode(TThumbnails::ssmMultiple);
    grid->OnImageRequest = [](TObject*, int id, TThumbnails::TImageRequestProcessing& how,
                              int& mark, TBitmap& buffer) {
        if (id % 10 == 0)
            return; // an empty card with the slide number
        how = TThumbnails::irpShowSlide;
        DrawSlideImage(buffer, id);
        if (id == 5)
            mark = 3;
    };
    QObject::connect(grid, &TThumbnails::imageClicked, status, [grid, status](int, int, int id) {
        status->setText(QStringLiteral("Clicked slide %1, %2 selected")
                            .arg(id)
                            .arg(grid->NumSlidesSelected()));
    });
    for (int id : {2, 4, 9})
        grid->SetSlideSelected(id, true);
    return grid;
}

void HoverSlide(TThumbnails* grid, int id)
{
    int x = 0;
    int y = 0;
    grid->CalcSlidePos(id, x, y);
    const QPointF pos(x + 40, y + 40);
    QMouseEvent move(QEvent::MouseMove, pos, grid->mapToGlobal(pos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &move);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* status = new QLabel(QStringLiteral("Click slides to select them (Shift: a range); "
                                             "the wheel scrolls. Keys: arrows, Space, Enter."));
    auto* grid = MakeGrid(page, status);

    auto* mode = new QComboBox;
    mode->addItems({"ssmDisabled", "ssmSingle", "ssmMultiple"});
    mode->setCurrentIndex(grid->SlideSelectMode());
    QObject::connect(mode, &QComboBox::currentIndexChanged, grid, [grid](int index) {
        grid->SetSlideSelectMode(TThumbnails::TSlideSelectMode(index));
    });
    auto* size = new QSpinBox;
    size->setRange(50, 300);
    size->setValue(grid->SlideSize());
    QObject::connect(size, &QSpinBox::valueChanged, grid,
                     [grid](int value) { grid->SetSlideSize(value); });
    auto* smooth = new QCheckBox(QStringLiteral("AntiAlias"));
    smooth->setChecked(grid->AntiAlias());
    QObject::connect(smooth, &QCheckBox::toggled, grid,
                     [grid](bool on) { grid->SetAntiAlias(on); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("SlideSelectMode"), mode);
    form->addRow(QStringLiteral("SlideSize"), size);
    form->addRow(smooth);
    auto* row = new QHBoxLayout;
    row->addWidget(grid, 1); // the grid takes the room there is
    row->addLayout(form);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row, 1);
    layout->addWidget(status);

    grid->Refresh();
    HoverSlide(grid, 3);
    grid->setFocus(Qt::OtherFocusReason); // the keys move the outlined slide
    return page;
}

const GalleryPageRegistrar registrar({140, "Thumbnail grid (TThumbnails)", "thumbnails",
                                      CreatePage});

} // namespace
