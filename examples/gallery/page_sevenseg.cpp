// Gallery page of the seven-segment display: a running clock, readouts in other colors
// and one live display with property editors and a number sent to its display slot.
#include "editors.h"
#include "pages.h"

#include <VEK_sevenseg.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

using namespace vek;

namespace {

// Sized by the layout from its digit count.
TSevenSeg* MakeDisplay(QWidget* parent, const QString& caption, int digits, TColor text,
                       TColor background)
{
    auto* seg = new TSevenSeg(parent);
    seg->SetNumDigits(digits);
    seg->SetColorText(text);
    seg->SetColorBackGnd(background);
    seg->SetCaption(caption);
    return seg;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* samples = new QGroupBox("Clock and readouts", page);
    auto* sampleLayout = new QVBoxLayout(samples);
    auto* clock = MakeDisplay(samples, "", 8, 0x0000FF, 0x202020);
    const auto tick = [clock] {
        clock->SetCaption(QTime::currentTime().toString("hh:mm:ss"));
    };
    tick();
    auto* timer = new QTimer(clock);
    QObject::connect(timer, &QTimer::timeout, clock, tick);
    timer->start(1000);
    sampleLayout->addWidget(clock);
    auto* row = new QHBoxLayout;
    row->addWidget(MakeDisplay(samples, QString::fromUtf8("-12.5°"), 5, 0x40FF40, 0x000000));
    auto* hex = MakeDisplay(samples, "C0FE", 4, 0x00B0FF, 0x102030);
    hex->SetFrameStyle(fsRaised);
    row->addWidget(hex);
    row->addWidget(MakeDisplay(samples, "+3.14", 4, 0x303030, 0xB0D0C0));
    // A decimal comma with no digit before it gets a cell of its own, as a point does.
    row->addWidget(MakeDisplay(samples, ",75", 3, 0x20C0FF, 0x101010));
    row->addStretch();
    sampleLayout->addLayout(row);
    layout->addWidget(samples);

    auto* live = new QGroupBox("Live display", page);
    auto* form = new QFormLayout(live);
    auto* seg = MakeDisplay(live, "12.34", 4, 0x0000FF, 0x333333);
    // Its natural size: it grows and shrinks with Digits, Margin and Gap.
    seg->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    form->addRow(seg);
    auto* caption = new QLineEdit(seg->Caption());
    QObject::connect(caption, &QLineEdit::textChanged, seg,
                     qOverload<const QString&>(&TSevenSeg::display));
    // The caption box shows what a number sent to the display slot turned into.
    QObject::connect(seg, &TSevenSeg::captionChanged, caption, &QLineEdit::setText);
    form->addRow("Caption", caption);
    auto* number = new QDoubleSpinBox;
    number->setRange(-9999, 9999);
    number->setDecimals(3);
    QObject::connect(number, &QDoubleSpinBox::valueChanged, seg,
                     qOverload<double>(&TSevenSeg::display));
    form->addRow("Number", number);
    form->addRow("Digits", IntEditor(1, 32, seg->NumDigits(), [seg](int v) { seg->SetNumDigits(v); }));
    form->addRow("Margin", IntEditor(0, 40, seg->Margin(), [seg](int v) { seg->SetMargin(v); }));
    form->addRow("Gap", IntEditor(0, 40, seg->InterDigDist(), [seg](int v) { seg->SetInterDigDist(v); }));
    layout->addWidget(live);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({30, "Seven-segment display (TSevenSeg)", "sevenseg", CreatePage});

} // namespace
